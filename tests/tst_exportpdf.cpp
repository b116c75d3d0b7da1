// The PDF data report against reviewed reference dumps in tests/data/pdf:
// every report of tests/data/reports and a few records made here for the
// special cases, exported with a fixed creation time in UTC, dumped as text
// (PdfReader::dump: the content streams, one operator per line, texts
// decoded) and compared line by line.
//
// After a deliberate change of the report, rewrite the references with
//     VESMIRA_UPDATE_REFERENCES=1 build/tests/tst_exportpdf
// then read `git diff tests/data/pdf` and look at a page or two rendered with
// pdftoppm before committing them.
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/export/ctableexport.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/report/reportparse.h"
#include "helpers/cliprocess.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"
#include "helpers/testfiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <ctime>

using namespace ExportRecords;

namespace {

void append(CTempData &data, const QDateTime &time, const QString &temp, const QString &humidity = QString())
{
    data.append(temp, humidity, time.toString("yyyy/MM/dd hh:mm:ss"));
}

// A test report of tests/data/reports (a name with a suffix), or a record
// made for one special case.
bool makeRecord(const QString &name, CRecord &record)
{
    CSummeryParam &s = record.summary;
    CTempData &data = record.data;
    const QDateTime start(QDate(2024, 3, 5), QTime(20, 0));
    if (name.contains('.'))
        return readReport(VESMIRA_TEST_DATA "/reports/" + name, record) != ReportKind::None;
    if (name == "empty") {
        // The first page alone; no MKT moves the last rows, no alarm paints
        // the alarm labels green; a low battery.
        englishSummary(s, false);
        s.mkt.clear();
        s.alarmType = "[No Alarm]";
        s.battery = "15";
    } else if (name == "one-sample") {
        englishSummary(s, false);
        s.battery = "5";
        append(data, start, "20.0");
    } else if (name == "fahrenheit-humidity") {
        // Across midnight, with a missing reading and the mark 255.
        englishSummary(s, true);
        s.tempUnit = QString::fromUtf8("°F");
        s.tempHigh = QString::fromUtf8("86.0°F  80.0%");
        s.tempLow = QString::fromUtf8("35.6℉  20.0%");
        s.tempMax = QString::fromUtf8("72.9°F  69.0%");
        s.tempMin = QString::fromUtf8("68.0°F  40.0%");
        s.tempAvg = QString::fromUtf8("70.4°F  54.3%");
        s.mkt = QString::fromUtf8("71.2°F");
        for (int i = 0; i < 40; ++i)
            append(data, start.addSecs(900 * i),
                i == 3        ? "--"
                    : i == 10 ? "255"
                              : QString::number(68.0 + (i * 7 % 50) / 10.0, 'f', 1),
                i == 3 ? "--" : QString::number(40 + i * 3 % 30) + ".0");
    } else if (name == "page-breaks") {
        // 596 samples on the first day: the date line that would be line 599
        // starts the next page. 595 on the second: its date line fits on line
        // 598, and the third day goes on over the end of that page.
        englishSummary(s, false);
        const int perDay[] = { 596, 595, 3 };
        for (int day = 0; day < 3; ++day) {
            for (int i = 0; i < perDay[day]; ++i)
                append(data, QDateTime(QDate(2024, 3, 5 + day), QTime(0, 0)).addSecs(60 * i),
                    i % 100 ? QString("--") : QString::number(20 + day * 3 + i / 100) + ".5");
        }
    } else if (name == "stop-and-bad-time") {
        // A stop of six hours breaks the chart's line, which places each
        // sample at its own time; a time that cannot be read leaves its
        // sample out.
        englishSummary(s, true);
        for (int i = 0; i < 40; ++i)
            append(data, start.addSecs(900 * i + (i >= 20 ? 6 * 3600 : 0)),
                QString::number(20 + (i % 9) / 2.0, 'f', 1), QString::number(50 + i % 7) + ".0");
        TempDataItem odd = data.at(30);
        odd.recordTime = "--:--";
        data.replace(30, odd);
    } else if (name == "hostile") {
        // Not-a-number, infinite and huge readings: none reaches the chart
        // as such, the scale stays readable, the list prints them as read.
        englishSummary(s, true);
        const QStringList values
            = { "20.0", "nan", "inf", "21.0", "-inf", "3e8", "22.0", "-3e8", "1e308", "1e999" };
        for (int i = 0; i < values.size(); ++i)
            append(data, start.addSecs(60 * i), values.at(i), values.at(values.size() - 1 - i));
    } else if (name == "below-zero") {
        // Chinese in Fahrenheit; axis labels below zero keep their sign: -0.1.
        chineseSummary(s, false);
        s.tempUnit = QString::fromUtf8("℉");
        s.tempHigh = QString::fromUtf8("46.4℉");
        for (int i = 0; i < 4; ++i)
            append(data, start.addSecs(60 * i), QString::number(-0.1 * (i + 1), 'f', 1));
    } else if (name.startsWith("long-values")) {
        // Values too long for their columns: drawn smaller, or cut with "...".
        const bool chinese = name.endsWith("zh");
        chinese ? chineseSummary(s, true) : englishSummary(s, true);
        const QString text = chinese
            ? QString::fromUtf8("冷链运输（测试）Route 66 温湿度记录仪外置探头编号 12345")
            : QString("Cold chain (test) \\ route 66 with a probe of WWW-MMM 12345");
        for (QString *field :
            { &s.deviceModel, &s.deviceSensor, &s.deviceNo, &s.firmwareVersion, &s.fileFormat, &s.deviceTime,
                &s.battery, &s.recordStartModel, &s.recordStopModel, &s.stopAt, &s.startAt, &s.tempHigh,
                &s.normalRecordSpace, &s.tempLow, &s.alarmSpace, &s.alarmDelay, &s.lcd_mode,
                &s.isRecycleRecord, &s.isLongPressed, &s.isRestart, &s.isSettingClearRecord, &s.tempMax,
                &s.recordStartAt, &s.tempMin, &s.recordStopAt, &s.tempAvg, &s.alarmTimeLen, &s.mkt,
                &s.alarmCount, &s.recordTimeLen, &s.alarmType, &s.recordCount, &s.wayId, &s.recordTimes })
            *field = text;
        s.deviceZone = "(UTC-05:00) Eastern Time (US & Canada)";
        s.delayStart += " " + text;
        s.wayDesc = "a(b)c\\d" + QString(2000, 'x');
        for (int i = 0; i < 30; ++i)
            append(data, start.addSecs(60 * i), QString::number(20 + i % 7) + ".5", "55.0");
    } else {
        return false;
    }
    return true;
}

bool exportTo(const CRecord &record, const QString &path)
{
    CExportPdf pdf;
    pdf.setCreatedAt(QDateTime(QDate(2024, 3, 6), QTime(9, 30, 5)));
    const CExportRange::Range range = CExportRange::presetRange(record.data);
    return CExportRange::exportRecord(record, range.start, range.end, path, pdf, CExportRange::PresetRange)
        == CExportRange::Written;
}

QString firstDifference(const QString &actual, const QString &expected)
{
    const QStringList a = actual.split('\n');
    const QStringList e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
        if (a.value(i) != e.value(i))
            return QString("line %1\n   actual: %2\n expected: %3").arg(i + 1).arg(a.value(i), e.value(i));
    }
    return QString();
}

} // namespace

class TestExportPdf : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    QString exported(const QString &name)
    {
        CRecord record;
        const QString path = tmp.filePath(name + ".pdf");
        return makeRecord(name, record) && exportTo(record, path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        CRecordTime::resetZoneCache();
        languageCode = "en";
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
    }

    void references_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : QDir(VESMIRA_TEST_DATA "/reports")
                                       .entryList({ "*.csv", "*.txt", "*.pdf" }, QDir::Files, QDir::Name)
                + QStringList { "empty", "one-sample", "fahrenheit-humidity", "page-breaks",
                    "stop-and-bad-time", "hostile", "below-zero", "long-values-en", "long-values-zh" })
            QTest::newRow(qPrintable(name)) << name;
    }

    void references()
    {
        QFETCH(QString, name);
        const QString path = exported(name);
        QVERIFY(!path.isEmpty());
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QVERIFY(!r.pages.value(0).contains("nan") && !r.pages.value(0).contains("inf"));
        const QString qpdf = QStandardPaths::findExecutable("qpdf");
        if (!qpdf.isEmpty()) {
            const CliResult check = runProgram(qpdf, { "--check", path });
            const QString out = check.out + check.err;
            QVERIFY2(check.code == 0 && !out.contains("WARNING", Qt::CaseInsensitive), qPrintable(out));
        }

        const QString reference = VESMIRA_TEST_DATA "/pdf/" + name + ".txt";
        if (qEnvironmentVariableIntValue("VESMIRA_UPDATE_REFERENCES")) {
            QVERIFY(writeFile(reference, r.dump().toUtf8()));
            return;
        }
        const QString difference = firstDifference(r.dump(), QString::fromUtf8(readAll(reference)));
        QVERIFY2(difference.isEmpty(), qPrintable(reference + ", " + difference));
    }

    // Too long for a reference: at most 83 data pages, and from 5,120
    // samples on the curve takes every second one.
    void longRecords()
    {
        CRecord record;
        englishSummary(record.summary, false);
        samples(record.data, 50000, "2024/03/05 00:00:00", 1, [](int) { return QString("20.0"); });
        const QString path = tmp.filePath("long.pdf");
        QVERIFY(exportTo(record, path));
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.count, 84);
        QVERIFY(r.pages.at(0).size() > 65535); // its length object holds the true size
        const QString dump = r.dump();
        QVERIFY(dump.contains("page 84\n") && dump.contains("(Page 84) Tj"));
        QVERIFY(
            dump.contains(QString::fromUtf8("<\"  13:47:13      20.0°C\"> Tj ET"))); // sample 83 * 598 - 1
        QVERIFY(!dump.contains("13:47:14"));

        const QRegularExpression point("\\.\\d{6} [ml]\n");
        for (const int count : { 5119, 5120 }) {
            samples(record.data, count, "2024/03/05 00:00:00", 10, wavyTemp);
            QVERIFY(exportTo(record, path) && r.load(path));
            QCOMPARE(QString::fromLatin1(r.pages.at(0)).count(point), count == 5120 ? 2560 : 5119);
        }
    }

    // Each drawn point read back through its axis labels is its sample's
    // value within half a tenth, and each axis reaches from 2 below the
    // least value to 2 above the greatest: values whose sums fall in binary
    // just below a whole tenth (-2.3 + 2, 24.4 + 2 - 18.3).
    void chartPointsAtTheirValues()
    {
        CRecord record;
        englishSummary(record.summary, true);
        const QVector<QVector<double>> values { { -2.3, -4.6, -3.3, -2.8, -4.1 },
            { 20.3, 24.4, 22.1, 23.2, 21.6 } };
        for (int i = 0; i < 5; ++i)
            append(record.data, QDateTime(QDate(2024, 3, 5), QTime(8, i)), QString::number(values[0][i]),
                QString::number(values[1][i]));
        PdfReader r;
        QVERIFY(exportTo(record, tmp.filePath("chart.pdf")) && r.load(tmp.filePath("chart.pdf")));
        const QString page = QString::fromLatin1(r.pages.at(0));
        double top[2] = {}, bottom[2] = {};
        const QRegularExpression label("BT\n/F1 9\\.0 Tf\n(\\d+) (350|117) Td\n\\((-?[0-9.]+)\\) Tj\n");
        for (auto it = label.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            double *end = m.captured(2) == "350" ? top : bottom;
            end[m.captured(1).toInt() < 55 ? 0 : 1] = m.captured(3).toDouble();
        }
        // The curves come last: temperature in black, then humidity.
        const QStringList curves = page.mid(page.lastIndexOf("0.6 w\n")).split(" RG\n").mid(1);
        QCOMPARE(curves.size(), 2);
        const QRegularExpression point("[0-9.]+ ([0-9.]+) [ml]\n");
        for (int axis = 0; axis < 2; ++axis) {
            const auto [lo, hi] = std::minmax_element(values[axis].cbegin(), values[axis].cend());
            QCOMPARE(top[axis], *hi + 2);
            QVERIFY2(bottom[axis] <= *lo - 2 + 1e-9, qPrintable(QString::number(bottom[axis])));
            int i = 0;
            for (auto it = point.globalMatch(curves.at(axis)); it.hasNext(); ++i) {
                const double y = it.next().captured(1).toDouble();
                const double drawn = bottom[axis] + (y - 115) / 240 * (top[axis] - bottom[axis]);
                QVERIFY2(i < 5 && std::abs(drawn - values[axis][i]) <= 0.05 + 1e-9,
                    qPrintable(QString("curve %1, point %2: %3").arg(axis).arg(i).arg(drawn)));
            }
            QCOMPARE(i, 5);
        }
    }

    // A table report (the audit page's): cells wrapped within their column,
    // a hash between its characters, Chinese in font 2; the first page
    // first; at most 86 pages, the last one telling how many rows it leaves
    // out, which the CSV holds.
    void tableReports()
    {
        CTableReport table;
        table.title = "Audit trail";
        table.lines << "History 42";
        table.columns = { { "No.", 30 }, { "Details", 100 }, { "Reason", 390 } };
        for (int i = 1; i <= 3; ++i)
            table.rows.append(
                { QString::number(i), "SHA-256 " + QString(64, 'a'), QString::fromUtf8("温度超出范围") });
        const QString path = tmp.filePath("table.pdf");
        CTableExport::Result result = CTableExport::writePdf(table, path);
        QVERIFY(result.written);
        QCOMPARE(result.printedRows, 3);
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QString dump = r.dump();
        // 96 points of room at 7 points: 24 of the 556-unit "a".
        QCOMPARE(dump.count("(" + QString(24, 'a') + ") Tj"), 6);
        QVERIFY(!dump.contains(QString(25, 'a')));
        QCOMPARE(dump.count(QString::fromUtf8("<\"温度超出范围\"> Tj")), 3);
        QVERIFY(dump.contains("(Page 1 of 1) Tj"));

        table.rows.clear();
        for (int i = 1; i <= 6000; ++i)
            table.rows.append({ QString::number(i), "read", QString() });
        result = CTableExport::writePdf(table, path);
        QVERIFY(result.written);
        QCOMPARE(result.pages, 86);
        QVERIFY(result.printedRows > 4000 && result.printedRows < 6000);
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.count, 86);
        QVERIFY(r.pages.first().contains("(Page 1 of 86) Tj"));
        QVERIFY(r.pages.last().contains("(Page 86 of 86) Tj"));
        QVERIFY(r.pages.last().contains(
            QString("(%1 more rows are not printed here: the CSV export holds them all.) Tj")
                .arg(6000 - result.printedRows)
                .toLatin1()));
        QCOMPARE(CTableExport::csvContent(table).count("\r\n"), 1 + 1 + 1 + 1 + 6000);
    }

    // No value of the first page reaches into the next column or off the
    // page, as poppler places the words.
    void valuesStayInTheirColumns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << "long-values-en";
        QTest::newRow("Chinese") << "long-values-zh";
    }
    void valuesStayInTheirColumns()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("poppler-utils are needed (scripts/install-deps.sh)");
        QFETCH(QString, name);
        const QString path = exported(name);
        QVERIFY(!path.isEmpty());
        const QString html = runProgram(pdftotext, { "-f", "1", "-l", "1", "-bbox", path, "-" }).out;
        const int ys[] = { 745, 730, 715, 700, 685, 645, 630, 615, 600, 585, 570, 555, 540, 500, 485, 470,
            455, 440, 425, 410 };
        QMap<int, QVector<QPair<double, double>>> rows; // y of the row -> words' x ranges
        const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                      "yMax=\"([0-9.]+)\">");
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            for (const int y : ys) {
                if (m.captured(2).toDouble() < 842 - y && 842 - y < m.captured(4).toDouble())
                    rows[y] << qMakePair(m.captured(1).toDouble(), m.captured(3).toDouble());
            }
        }
        for (const int y : ys) {
            QVector<QPair<double, double>> row = rows.value(y);
            std::sort(row.begin(), row.end());
            QVERIFY2(row.size() >= 2, qPrintable(QString::number(y)));
            for (int i = 0; i < row.size(); ++i) {
                const QString where = QString("row %1, %2..%3").arg(y).arg(row[i].first).arg(row[i].second);
                QVERIFY2(row[i].first >= 286.5 || row[i].second <= 287.0, qPrintable(where + " crosses 287"));
                QVERIFY2(row[i].second <= 558.5, qPrintable(where + " leaves the page"));
                QVERIFY2(
                    i == 0 || row[i - 1].second <= row[i].first + 0.01, qPrintable(where + " overprints"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestExportPdf)
#include "tst_exportpdf.moc"
