// Export of a time range: sample times, the statistics recomputed for part
// of a record, save-as of the report file, and `vesmira-cli export`.
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/export/creportsaveas.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "helpers/cliprocess.h"
#include "helpers/commalocale.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"
#include "helpers/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <ctime>

using namespace ExportRecords;

namespace {

void setZone(const QByteArray &zone)
{
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
    CRecordTime::resetZoneCache();
}

// Mean kinetic temperature from its definition, readings taken at their
// nearest tenth; the table gives it truncated to a tenth.
double mktByFormula(const QVector<double> &temps)
{
    double sum = 0;
    for (double t : temps)
        sum += std::exp(-10000.0 / (std::round(t * 10) / 10 + 273.1));
    return std::floor((-10000.0 / std::log(sum / temps.size()) - 273.1) * 10) / 10;
}

qint64 secs(const char *text)
{
    return CRecordTime::fromText(QString::fromLatin1(text)).toSecsSinceEpoch();
}

const QString C = QString::fromUtf8("°C");

} // namespace

class TestExportRange : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QByteArray zoneBefore = qEnvironmentVariableIsSet("TZ") ? qgetenv("TZ") : QByteArray();

    // vesmira-cli export; its standard error kept in lastError.
    int cli(const QStringList &args, const QStringList &env = {})
    {
        const CliResult r = runCli(QStringList { "export" } + args, env);
        lastError = r.err.toUtf8();
        return r.code;
    }
    QByteArray lastError;

private slots:
    void cleanup() { setZone(zoneBefore); }

    void recordTimes()
    {
        const CRecordTime t = CRecordTime::fromText(u"2024/02/29 23:59:58");
        QCOMPARE(t.toText(), QString("2024/02/29 23:59:58"));
        // The Chinese date form of a Chinese text report is the same time.
        QCOMPARE(CRecordTime::fromText(QString::fromUtf8("2024年02月29日 23:59:58")).toText(), t.toText());
        for (const char *bad : { "2023/02/29 00:00:00", "2024/3/05 08:00:00", "2024/03/05 24:00:00",
                 "2024/03/05 08:00:00 ", "2024-03-05 08:00:00", "", "2024/13/01 00:00:00",
                 "2024/03/05 08:60:00", "0000/01/01 00:00:00", "２024/03/05 08:00:00",
                 "2023年02月29日 00:00:00", "2024年03月05 08:00:00" }) {
            const CRecordTime b = CRecordTime::fromText(QString::fromUtf8(bad));
            QVERIFY2(!b.isValid() && b.year == 0 && b.hour == -1, bad);
            QCOMPARE(b.toSecsSinceEpoch(), CRecordTime::invalidSecs);
        }

        // The cached conversion agrees with QDateTime all year round,
        // transitions (one of half an hour, one at midnight) and their gaps
        // included.
        for (const char *zone : { "Europe/Berlin", "America/New_York", "Australia/Lord_Howe", "Asia/Shanghai",
                 "America/Havana" }) {
            setZone(zone);
            const QDateTime t0(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
            for (qint64 m = 0; m < 366 * 24 * 60; m += 29) {
                const QString text = t0.addSecs(m * 60).toString("yyyy/MM/dd hh:mm:ss");
                // In a gap the constructor moves the time by the gap, as the
                // conversion does; fromString gives no time there.
                const QDateTime parsed = QDateTime::fromString(text, "yyyy/MM/dd hh:mm:ss");
                const QDateTime built(QDate::fromString(text.left(10), "yyyy/MM/dd"),
                    QTime::fromString(text.mid(11), "hh:mm:ss"), Qt::LocalTime);
                const qint64 got = CRecordTime::fromText(text).toSecsSinceEpoch();
                if (got != built.toSecsSinceEpoch() || (parsed.isValid() && got != parsed.toSecsSinceEpoch()))
                    QFAIL(qPrintable(
                        QString("%1 %2: %3, not %4").arg(zone, text).arg(got).arg(built.toSecsSinceEpoch())));
            }
        }
    }

    void durationsAndMkt()
    {
        QCOMPARE(CExportRange::durationText(0, true), QString(""));
        QCOMPARE(CExportRange::durationText(86400 + 7200 + 180 + 4, true), QString("1d 2h 3min 4sec"));
        QCOMPARE(
            CExportRange::durationText(86400 + 7200 + 180 + 4, false), QString::fromUtf8("1天 2时 3分 4秒"));
        QCOMPARE(CExportRange::durationText(3600, true), QString("1h "));
        QCOMPARE(CExportRange::durationText(2 * 86400 + 5, true), QString("2d 5sec"));

        // At the ends of the table, beyond them, and sets against the formula.
        const QVector<QPair<QVector<double>, double>> table
            = { { { 25.0, 25.0, 25.0 }, 25.0 }, { { -50.0 }, -50.0 }, { { 109.9, 109.9 }, 109.9 },
                  { { 150.0 }, 160.0 }, { { -80.0 }, -50.0 }, { { 25.0, qQNaN(), qInf(), -qInf() }, 25.0 },
                  { { 25.0, 1e300 }, 160.0 }, { { 25.0, -1e300 }, 18.9 } };
        for (const auto &row : table)
            QCOMPARE(CExportRange::meanKineticTemperature(row.first), row.second);
        for (const QVector<double> &set : QVector<QVector<double>> { { 2.0, 8.0, 25.0, 30.04 },
                 { 20.0, 21.0, 22.0, 23.5, 24.0, 19.5 }, { -18.2, -17.9, -25.0, 4.0 } })
            QCOMPARE(CExportRange::meanKineticTemperature(set), mktByFormula(set));
    }

    // A partial range recomputes the statistics, leaving out missing readings.
    void partialRange()
    {
        CSummeryParam source;
        englishSummary(source, true);
        CTempData data;
        const QStringList temps
            = { "20.0", "21.0", "255", "22.0", "--", "23.5", "24.0", "19.5", "x", "21.0" };
        samples(
            data, temps.size(), "2024/03/05 08:00:00", 60, [&](int i) { return temps.at(i); },
            [](int i) { return i == 4 ? QString("99.0") : QString::number(50 + i) + ".0"; });
        CSummeryParam s;
        CSampleSelection kept;
        QVERIFY(!CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:08:00"), s, kept));
        QCOMPARE(kept.size(), 8);
        QCOMPARE(kept.row(0), 1); // selected, not copied
        QCOMPARE(kept.data(), &data);

        // The readings of samples 1..8 without 255 and "--"; "x" counts as 0.
        // The humidity of a row without temperature ("--") is left out too.
        const QVector<double> readings = { 21.0, 22.0, 23.5, 24.0, 19.5, 0.0 };
        QCOMPARE(s.tempMax, "24.0 " + C + "  58.0%");
        QCOMPARE(s.tempMin, "0.0 " + C + "  51.0%");
        QCOMPARE(s.tempAvg, "18.3 " + C + "  54.6%"); // 110 / 6; (51 + 52 + 53 + 55 + 56 + 57 + 58) / 7
        QCOMPARE(s.mkt, QString::number(mktByFormula(readings), 'g', 6) + " " + C);
        QCOMPARE(QStringList({ s.recordStartAt, s.recordStopAt, s.recordTimeLen, s.recordCount }),
            QStringList({ "2024/03/05 08:01:00", "2024/03/05 08:08:00", "7min ", "8" }));
        // The whole record's alarm fields and trip count stay.
        QCOMPARE(QStringList({ s.alarmTimeLen, s.alarmCount, s.alarmType, s.recordTimes, s.deviceNo }),
            QStringList({ source.alarmTimeLen, source.alarmCount, source.alarmType, source.recordTimes,
                source.deviceNo }));

        // Without humidity and without an MKT of the logger's own.
        englishSummary(source, false);
        source.mkt.clear();
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:05:00"), secs("2024/03/05 08:07:00"), s, kept);
        QCOMPARE(QStringList({ s.tempMax, s.tempAvg, s.mkt, s.recordTimeLen }),
            QStringList({ "24.0 " + C, "22.3 " + C, "", "2min " }));
    }

    // NaN and infinite readings count as missing; huge finite ones count,
    // without overflowing the sum or leaving the MKT table.
    void nonFiniteAndHugeValues()
    {
        CSummeryParam source;
        englishSummary(source, true);
        const QStringList temps
            = { "99.0", "20.0", "nan", "inf", "-inf", "3e8", "22.0", "1e999", "-3e8", "99.0" };
        CTempData data;
        samples(
            data, temps.size(), "2024/03/05 08:00:00", 60, [&](int i) { return temps.at(i); },
            [&](int i) { return i == 2 ? QString("50.0")
                             : i == 3  ? QString("nan")
                                       : QString("inf"); });
        CSummeryParam s;
        CSampleSelection kept;
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:08:00"), s, kept);
        QCOMPARE(QStringList({ s.tempMax, s.tempMin, s.tempAvg, s.mkt }),
            QStringList({ "300000000.0 " + C + "  50.0%", "-300000000.0 " + C + "  50.0%",
                "10.5 " + C + "  50.0%", "160 " + C })); // (20 + 3e8 + 22 - 3e8) / 4; 3e8 above the table

        // Readings whose sum leaves the range of a double.
        const QStringList big = { "20.0", "1.5e308", "1.5e308", "20.0" };
        samples(data, big.size(), "2024/03/05 08:00:00", 60, [&](int i) { return big.at(i); });
        englishSummary(source, false);
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:02:00"), s, kept);
        QCOMPARE(s.tempAvg, s.tempMax);
        QVERIFY(s.tempAvg.startsWith("15") && s.tempAvg.endsWith(".0 " + C));

        // Only NaN: no statistics.
        samples(data, 4, "2024/03/05 08:00:00", 60, [](int) { return QString("nan"); });
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:02:00"), s, kept);
        QCOMPARE(QStringList({ s.tempMax, s.mkt, s.recordCount }), QStringList({ "-----", "-----", "2" }));
    }

    // The whole range, no sample, an invalid range, a file that cannot be made.
    void exportRecord()
    {
        CRecord record;
        englishSummary(record.summary, false);
        samples(record.data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
        CExportPdf pdf;
        const qint64 first = secs("2024/03/05 08:00:00");
        const qint64 last = secs("2024/03/05 17:59:00");
        const QString path = tmp.filePath("whole.pdf");
        CSummeryParam s;
        CSampleSelection kept;
        QVERIFY(CExportRange::cutToRange(record.summary, record.data, first, last, s, kept));
        QCOMPARE(kept.size(), 600);
        QCOMPARE(s.tempMax, record.summary.tempMax);
        QCOMPARE(CExportRange::exportRecord(record, first, last, path, pdf), CExportRange::Written);
        PdfReader r;
        QVERIFY2(r.load(path) && r.count == 3, qPrintable(r.error));

        // No sample in the range: "-----", zero times, no data pages.
        const qint64 later = secs("2024/03/06 08:00:00");
        QCOMPARE(CExportRange::exportRecord(record, later, later + 60, path, pdf), CExportRange::Written);
        QVERIFY2(r.load(path) && r.count == 1, qPrintable(r.error));
        CExportRange::cutToRange(record.summary, record.data, later, later + 60, s, kept);
        QCOMPARE(QStringList({ s.tempMax, s.recordTimeLen, s.alarmTimeLen, s.recordCount, s.recordTimes,
                     s.recordStartAt, s.mkt, s.alarmType }),
            QStringList({ "-----", "0sec", "0sec", "0", "0", "-----", "-----", "[No Alarm]" }));
        chineseSummary(record.summary, false);
        CExportRange::cutToRange(record.summary, record.data, later, later + 60, s, kept);
        QCOMPARE(s.alarmType + s.recordTimeLen, QString::fromUtf8("无报警0秒"));

        // End not later than start: refused, nothing written.
        QFile::remove(path);
        QCOMPARE(CExportRange::exportRecord(record, first, first, path, pdf), CExportRange::InvalidRange);
        QCOMPARE(CExportRange::exportRecord(record, last, first, path, pdf), CExportRange::InvalidRange);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(CExportRange::exportRecord(record, first, last, tmp.filePath("no/dir/x.pdf"), pdf),
            CExportRange::WriteFailed);
    }

    void saveAsAndDefaultPath()
    {
        const QString report = tmp.filePath("LOG0001-20240305090703045.csv");
        const QByteArray body = QByteArray("1,2,\xe6\xb8\xa9\r\n").repeated(5000);
        QVERIFY(writeFile(report, body));
        QCOMPARE(CReportSaveAs::fileFilter("%1 Files (*.%2)", report), QString("CSV Files (*.csv)"));

        const QString target = tmp.filePath("copy.csv");
        QVERIFY(CReportSaveAs::copyReport(report, target));
        QCOMPARE(readAll(target), body);
        // Never over an existing file.
        QVERIFY(writeFile(target, "mine"));
        QVERIFY(!CReportSaveAs::copyReport(report, target));
        QCOMPARE(readAll(target), QByteArray("mine"));
        QVERIFY(!CReportSaveAs::copyReport(QString(), tmp.filePath("x.csv")));
        QVERIFY(!CReportSaveAs::copyReport(tmp.filePath("missing.csv"), tmp.filePath("y.csv")));
        QVERIFY(!QFile::exists(tmp.filePath("y.csv")));

        applicationDir = tmp.filePath("app");
        QCOMPARE(CExportRange::defaultTargetPath(QDateTime(QDate(2024, 1, 31), QTime(9, 30, 5))),
            applicationDir + "/export/record-20240131093005.pdf");
        QVERIFY(QFileInfo(applicationDir + "/export").isDir());
    }

    // vesmira-cli export: a partial range, refusals, and under a locale with
    // a decimal comma (QCoreApplication adopts it) the file written under C
    // but for the creation time.
    void cliExport()
    {
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        const QJsonArray items
            = QJsonDocument::fromJson(readAll(report + ".json")).object().value("samples").toArray();
        const QString from = items.at(3).toObject().value("recordTime").toString();
        const QString to = items.at(9).toObject().value("recordTime").toString();
        const QString out = tmp.filePath("partial.pdf");
        QCOMPARE(cli({ report, out, "--from", from, "--to", to }), 0);
        QCOMPARE(lastError, QByteArray());
        PdfReader r;
        QVERIFY2(r.load(out), qPrintable(r.error));
        QVERIFY(r.dump().contains("(Total Data Points:) Tj ET\nBT /F1 9.0 Tf 392 440 Td (7) Tj"));

        QCOMPARE(cli({ report, out, "--from", to, "--to", from }), 2);
        QVERIFY(lastError.endsWith("stop time could not be early than start time, please reset.\n"));
        QCOMPARE(cli({ report, out, "--from", from, "--to", from }), 2);
        QCOMPARE(cli({ report, out, "--from", "yesterday" }), 2);
        // One end given, beyond the samples: the empty range is named.
        QCOMPARE(cli({ report, out, "--from", "2030/01/01 00:00:00" }), 2);
        QCOMPARE(lastError,
            QByteArray("vesmira-cli: --from 2030/01/01 00:00:00 is not before the last sample (2021/06/01 "
                       "05:15:00): the range up to the last sample is empty; nothing written\n"));
        QCOMPARE(cli({ report, out, "--to", "2021/05/31 22:00:00" }), 2);
        QVERIFY2(lastError.contains("--to 2021/05/31 22:00:00 is not after the first sample (2021/05/31 "
                                    "22:00:00): the range from the first sample is empty"),
            lastError.constData());
        QCOMPARE(cli({ report }), 2);
        QCOMPARE(cli({ report, tmp.filePath("no/dir/x.pdf") }), 1);
        QCOMPARE(lastError,
            "vesmira-cli: cannot write \"" + tmp.filePath("no/dir/x.pdf").toUtf8()
                + "\": No such file or directory\n");
        QCOMPARE(cli({ tmp.filePath("missing.csv"), out }), 1);

        CommaLocale locale;
        if (!locale.isValid())
            QSKIP(qPrintable(locale.skipReason()));
        QCOMPARE(cli({ report, tmp.filePath("c.pdf") }), 0);
        QCOMPARE(cli({ report, tmp.filePath("comma.pdf") }, locale.environment()), 0);
        PdfReader comma;
        QVERIFY(r.load(tmp.filePath("c.pdf")) && comma.load(tmp.filePath("comma.pdf")));
        const QRegularExpression stamp("\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\) Tj");
        QCOMPARE(QString::fromLatin1(comma.bytes).replace(stamp, "(time) Tj"),
            QString::fromLatin1(r.bytes).replace(stamp, "(time) Tj"));
    }

    // A record longer than the PDF's data pages: written, and stderr says
    // how many samples it does not list.
    void cliLongRecord()
    {
        // en-temp.csv's head, then 50,000 samples a minute apart.
        const QByteArray text = readAll(VESMIRA_TEST_DATA "/reports/en-temp.csv");
        QByteArray bytes = text.left(text.indexOf('\n', text.indexOf("No.,")) + 1);
        const QDateTime start(QDate(2021, 5, 6), QTime(22, 0), Qt::UTC);
        for (int i = 0; i < 50000; ++i)
            bytes += QByteArray::number(i + 1) + ','
                + start.addSecs(60 * i).toString("MM/dd/yyyy hh:mm:ss").toLatin1() + ",,,41.0,\r\n";
        const QString report = tmp.filePath("long.csv");
        QVERIFY(writeFile(report, bytes));
        QCOMPARE(cli({ report, tmp.filePath("long.pdf") }), 0);
        const QRegularExpressionMatch m = QRegularExpression(
            "^vesmira-cli: the PDF lists the first (\\d+) of 50000 samples \\(at most 83 data "
            "pages\\); (\\d+) samples are not listed: export them as CSV, or a shorter range "
            "with --from and --to\n$")
                                              .match(QString::fromUtf8(lastError));
        QVERIFY2(m.hasMatch(), lastError.constData());
        QVERIFY(m.captured(1).toInt() > 83 * 590);
        QCOMPARE(m.captured(1).toInt() + m.captured(2).toInt(), 50000);
        // The pages written: TestExportPdf::longRecords. As CSV every sample is written, without a word.
        QCOMPARE(cli({ report, tmp.filePath("long.csv.csv") }), 0);
        QCOMPARE(lastError, QByteArray());
    }

    // A report with one sample or none: without --from/--to its whole
    // content; the same instant given is refused.
    void cliPresetRangeOfOneSampleOrNone()
    {
        const QByteArray text = readAll(VESMIRA_TEST_DATA "/reports/en-th.csv");
        const int header = text.indexOf('\n', text.indexOf("No.,")) + 1;
        for (int count : { 1, 0 }) {
            const QString report = tmp.filePath(QString("tiny-%1.csv").arg(count));
            QVERIFY(writeFile(report, text.left(count ? text.indexOf('\n', header) + 1 : header)));
            const QString out = tmp.filePath(QString("tiny-%1.pdf").arg(count));
            QCOMPARE(cli({ report, out }), 0);
            PdfReader r;
            QVERIFY2(r.load(out), qPrintable(r.error));
            QCOMPARE(r.count, count + 1);
            QFile::remove(out);
        }
        // The one sample's time, 5/31/2021 22:00:00, as the parser writes it.
        const QString at = "2021/05/31 22:00:00";
        QCOMPARE(cli({ tmp.filePath("tiny-1.csv"), tmp.filePath("one.pdf"), "--from", at, "--to", at }), 2);
        QVERIFY(!QFile::exists(tmp.filePath("one.pdf")));
    }
};

QTEST_GUILESS_MAIN(TestExportRange)
#include "tst_exportrange.moc"
