#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/export/creportsaveas.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "helpers/commalocale.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <ctime>

using namespace ExportRecords;

namespace {

void setZone(const char *zone)
{
    qputenv("TZ", zone);
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
    return -10000.0 / std::log(sum / temps.size()) - 273.1;
}

qint64 secs(const char *text)
{
    return CRecordTime::fromText(QString::fromLatin1(text)).toSecsSinceEpoch();
}

} // namespace

class TestExportRange : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QByteArray zoneBefore;
    bool zoneWasSet = false;

private slots:
    void initTestCase()
    {
        zoneWasSet = qEnvironmentVariableIsSet("TZ");
        zoneBefore = qgetenv("TZ");
    }
    void cleanup()
    {
        if (zoneWasSet)
            qputenv("TZ", zoneBefore);
        else
            qunsetenv("TZ");
        tzset();
        CRecordTime::resetZoneCache();
    }

    void recordTimes()
    {
        const CRecordTime t = CRecordTime::fromText(u"2024/02/29 23:59:58");
        QVERIFY(t.isValid());
        QCOMPARE(t.toText(), QString("2024/02/29 23:59:58"));
        // The Chinese date form of a Chinese text report is the same time.
        QCOMPARE(CRecordTime::fromText(QString::fromUtf8("2024年02月29日 23:59:58")).toText(), t.toText());
        for (const char *bad : { "2023/02/29 00:00:00", "2024/3/05 08:00:00", "2024/03/05 24:00:00",
                 "2024/03/05 08:00:00 ", "2024-03-05 08:00:00", "", "2024/13/01 00:00:00",
                 "2024/03/05 08:60:00", "0000/01/01 00:00:00", "２024/03/05 08:00:00",
                 "2023年02月29日 00:00:00", "2024年03月05 08:00:00" }) {
            const CRecordTime b = CRecordTime::fromText(QString::fromUtf8(bad));
            QVERIFY2(!b.isValid(), bad);
            QCOMPARE(b.year, 0);
            QCOMPARE(b.hour, -1);
            QCOMPARE(b.toSecsSinceEpoch(), CRecordTime::invalidSecs);
        }

        // The cached conversion agrees with QDateTime around the year,
        // transitions (one of half an hour) and their gaps included.
        for (const char *zone :
            { "Europe/Berlin", "America/New_York", "Australia/Lord_Howe", "Asia/Shanghai" }) {
            setZone(zone);
            QDateTime t0(QDate(2024, 1, 1), QTime(0, 0, 0), Qt::UTC);
            int mismatches = 0;
            for (qint64 m = 0; m < 366 * 24 * 60; m += 29) {
                const QString text = t0.addSecs(m * 60).toString("yyyy/MM/dd hh:mm:ss");
                // In a gap fromString gives an invalid time; the constructor
                // moves it by the gap, as the conversion does.
                const QDateTime parsed = QDateTime::fromString(text, "yyyy/MM/dd hh:mm:ss");
                const QDateTime built(QDate::fromString(text.left(10), "yyyy/MM/dd"),
                    QTime::fromString(text.mid(11), "hh:mm:ss"), Qt::LocalTime);
                const qint64 got = CRecordTime::fromText(text).toSecsSinceEpoch();
                if ((got != built.toSecsSinceEpoch()
                        || (parsed.isValid() && got != parsed.toSecsSinceEpoch()))
                    && ++mismatches < 5)
                    qWarning() << zone << text << got << built.toSecsSinceEpoch()
                               << parsed.toSecsSinceEpoch();
            }
            QCOMPARE(mismatches, 0);
        }
    }

    void durationsAndMkt()
    {
        QCOMPARE(CExportRange::durationText(0, true), QString(""));
        QCOMPARE(CExportRange::durationText(86400 + 7200 + 180 + 4, true), QString("1d 2h 3min 4sec"));
        QCOMPARE(
            CExportRange::durationText(86400 + 7200 + 180 + 4, false), QString::fromUtf8("1天 2时 3分 4秒"));
        QCOMPARE(CExportRange::durationText(3600, true), QString("1h "));
        QCOMPARE(CExportRange::durationText(59, false), QString::fromUtf8("59秒"));
        QCOMPARE(CExportRange::durationText(2 * 86400 + 5, true), QString("2d 5sec"));

        QCOMPARE(CExportRange::meanKineticTemperature({ 25.0, 25.0, 25.0 }), 25.0);
        QCOMPARE(CExportRange::meanKineticTemperature({ -50.0 }), -50.0);
        QCOMPARE(CExportRange::meanKineticTemperature({ 109.9, 109.9 }), 109.9);
        QCOMPARE(CExportRange::meanKineticTemperature({ 150.0 }), 160.0);
        QCOMPARE(CExportRange::meanKineticTemperature({ -80.0 }), -50.0);
        const QVector<QVector<double>> sets = { { 2.0, 8.0, 25.0, 30.04 },
            { 20.0, 21.0, 22.0, 23.5, 24.0, 19.5 }, { -18.2, -17.9, -25.0, 4.0 } };
        for (const QVector<double> &set : sets)
            QCOMPARE(CExportRange::meanKineticTemperature(set), std::floor(mktByFormula(set) * 10) / 10);
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
            [](int i) { return i == 4 ? QString("--") : QString::number(50 + i) + ".0"; });
        CSummeryParam s;
        CSampleSelection kept;
        QVERIFY(!CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:08:00"), s, kept));
        QCOMPARE(kept.size(), 8);
        QCOMPARE(kept.first()->temp, QString("21.0"));

        // Independent reckoning: the readings of samples 1..8 without 255 and
        // "--"; "x" is not a number and counts as 0.
        const QVector<double> readings = { 21.0, 22.0, 23.5, 24.0, 19.5, 0.0 };
        double sum = 0;
        for (double r : readings)
            sum += r;
        const QVector<double> hum = { 51, 52, 53, 55, 56, 57, 58 };
        double hsum = 0;
        for (double h : hum)
            hsum += h;
        const QString unit = QString::fromUtf8("°C");
        QCOMPARE(s.tempMax, "24.0 " + unit + "  58.0%");
        QCOMPARE(s.tempMin, "0.0 " + unit + "  51.0%");
        QCOMPARE(s.tempAvg,
            QString::number(sum / 6, 'f', 1) + " " + unit + "  " + QString::number(hsum / hum.size(), 'f', 1)
                + "%");
        QCOMPARE(s.mkt, QString::number(std::floor(mktByFormula(readings) * 10) / 10, 'g', 6) + " " + unit);
        QCOMPARE(s.recordStartAt, QString("2024/03/05 08:01:00"));
        QCOMPARE(s.recordStopAt, QString("2024/03/05 08:08:00"));
        QCOMPARE(s.recordTimeLen, QString("7min "));
        QCOMPARE(s.recordCount, QString("8"));
        // The whole record's alarm fields and trip count stay.
        QCOMPARE(s.alarmTimeLen, source.alarmTimeLen);
        QCOMPARE(s.alarmCount, source.alarmCount);
        QCOMPARE(s.alarmType, source.alarmType);
        QCOMPARE(s.recordTimes, source.recordTimes);
        QCOMPARE(s.deviceNo, source.deviceNo);
        QCOMPARE(s.containHumidity, 1);

        // Without humidity and without an MKT of the logger's own.
        englishSummary(source, false);
        source.mkt.clear();
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:05:00"), secs("2024/03/05 08:07:00"), s, kept);
        QCOMPARE(s.tempMax, "24.0 " + unit);
        QCOMPARE(s.tempAvg, "22.3 " + unit);
        QCOMPARE(s.mkt, QString());
        QCOMPARE(s.recordTimeLen, QString("2min "));
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
        QVERIFY(!CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:08:00"), s, kept));
        QCOMPARE(kept.size(), 8);
        const QString unit = QString::fromUtf8("°C");
        QCOMPARE(s.tempMax, "300000000.0 " + unit + "  50.0%");
        QCOMPARE(s.tempMin, "-300000000.0 " + unit + "  50.0%");
        QCOMPARE(s.tempAvg, "10.5 " + unit + "  50.0%"); // (20 + 3e8 + 22 - 3e8) / 4
        QCOMPARE(s.mkt, "160 " + unit); // 3e8 lies above the table

        // Readings whose sum leaves the range of a double.
        const QStringList big = { "20.0", "1.5e308", "1.5e308", "20.0" };
        samples(data, big.size(), "2024/03/05 08:00:00", 60, [&](int i) { return big.at(i); });
        englishSummary(source, false);
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:02:00"), s, kept);
        QCOMPARE(s.tempAvg, s.tempMax);
        QVERIFY(s.tempAvg.startsWith("15") && s.tempAvg.endsWith(".0 " + unit));

        // Only NaN: no statistics.
        samples(data, 4, "2024/03/05 08:00:00", 60, [](int) { return QString("nan"); });
        CExportRange::cutToRange(
            source, data, secs("2024/03/05 08:01:00"), secs("2024/03/05 08:02:00"), s, kept);
        QCOMPARE(s.tempMax, QString("-----"));
        QCOMPARE(s.mkt, QString("-----"));
        QCOMPARE(s.recordCount, QString("2"));

        QCOMPARE(CExportRange::meanKineticTemperature({ 25.0, qQNaN(), qInf(), -qInf() }), 25.0);
        QCOMPARE(CExportRange::meanKineticTemperature({ 25.0, 1e300 }), 160.0);
        QCOMPARE(CExportRange::meanKineticTemperature({ 25.0, -1e300 }), 18.9);
    }

    // The whole range, no sample, an invalid range, a file that cannot be made.
    void exportRecord()
    {
        CRecord record;
        CSummeryParam &source = record.summary;
        englishSummary(source, false);
        CTempData &data = record.data;
        samples(data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
        CExportPdf pdf;
        const qint64 first = secs("2024/03/05 08:00:00");
        const qint64 last = secs("2024/03/05 17:59:00");
        const QString path = tmp.filePath("whole.pdf");

        CSummeryParam s;
        CSampleSelection kept;
        QVERIFY(CExportRange::cutToRange(source, data, first, last, s, kept));
        QCOMPARE(kept.size(), data.dataList.size());
        QCOMPARE(kept.first(), data.dataList.first()); // selected, not copied
        QCOMPARE(s.tempMax, source.tempMax);
        QCOMPARE(CExportRange::exportRecord(record, first, last, path, pdf), CExportRange::Written);
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.count, 3);
        QCOMPARE(r.pages.at(0).textsAt(147, 500).value(0).bytes,
            QByteArray("31.5\xB0"
                       "C"));
        QCOMPARE(r.pages.at(0).textsAt(147, 425).value(0).bytes, QByteArray("600"));

        // No sample in the range: "-----", zero times, no data pages.
        const qint64 later = secs("2024/03/06 08:00:00");
        QCOMPARE(CExportRange::exportRecord(record, later, later + 60, path, pdf), CExportRange::Written);
        PdfReader empty;
        QVERIFY2(empty.load(path), qPrintable(empty.error));
        QCOMPARE(empty.count, 1);
        QCOMPARE(empty.pages.at(0).textsAt(147, 500).value(0).bytes, QByteArray("-----"));
        QCOMPARE(empty.pages.at(0).textsAt(392, 440).value(0).bytes, QByteArray("[No Alarm]"));
        CExportRange::cutToRange(source, data, later, later + 60, s, kept);
        QCOMPARE(s.recordTimeLen, QString("0sec"));
        QCOMPARE(s.alarmTimeLen, QString("0sec"));
        QCOMPARE(s.recordCount, QString("0"));
        QCOMPARE(s.recordTimes, QString("0"));
        QCOMPARE(s.recordStartAt, QString("-----"));
        QCOMPARE(s.mkt, QString("-----"));
        chineseSummary(source, false);
        CExportRange::cutToRange(source, data, later, later + 60, s, kept);
        QCOMPARE(s.alarmType, QString::fromUtf8("无报警"));
        QCOMPARE(s.recordTimeLen, QString::fromUtf8("0秒"));

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
        QFile f(report);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray body;
        for (int i = 0; i < 5000; ++i)
            body += "1," + QByteArray::number(i) + ",\xe6\xb8\xa9\r\n";
        f.write(body);
        f.close();
        QCOMPARE(CReportSaveAs::fileFilter("%1 Files (*.%2)", report), QString("CSV Files (*.csv)"));

        const QString target = tmp.filePath("copy.csv");
        QVERIFY(CReportSaveAs::copyReport(report, target));
        QFile c(target);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll(), body);
        c.close();
        // Never over an existing file.
        QVERIFY(c.open(QIODevice::WriteOnly));
        c.write("mine");
        c.close();
        QVERIFY(!CReportSaveAs::copyReport(report, target));
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll(), QByteArray("mine"));
        QVERIFY(!CReportSaveAs::copyReport(QString(), tmp.filePath("x.csv")));
        QVERIFY(!CReportSaveAs::copyReport(tmp.filePath("missing.csv"), tmp.filePath("y.csv")));
        QVERIFY(!QFile::exists(tmp.filePath("y.csv")));

        applicationDir = tmp.filePath("app");
        const QString path = CExportRange::defaultTargetPath(QDateTime(QDate(2024, 1, 31), QTime(9, 30, 5)));
        QCOMPARE(path, applicationDir + "/export/record-20240131093005.pdf");
        QVERIFY(QFileInfo(applicationDir + "/export").isDir());
    }

    // vesmira-cli export on every kind of report fixture.
    void cliExport()
    {
        const QString qpdf = QStandardPaths::findExecutable("qpdf");
        const QStringList reports
            = QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" });
        QCOMPARE(reports.size(), 12);
        QProcess cli;
        auto run = [&](const QStringList &args) {
            cli.start(VESMIRA_CLI, QStringList { "export" } + args);
            return cli.waitForFinished(-1) && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        };
        for (const QString &name : reports) {
            const QString report = VESMIRA_TEST_DATA "/reports/" + name;
            const QString out = tmp.filePath(name + ".pdf");
            QCOMPARE(run({ report, out }), 0);
            PdfReader r;
            QVERIFY2(r.load(out), qPrintable(name + ": " + r.error));
            QCOMPARE(r.count, 2);
            if (!qpdf.isEmpty()) {
                QProcess check;
                check.start(qpdf, { "--check", out });
                QVERIFY(check.waitForFinished(-1));
                QVERIFY2(check.exitCode() == 0, qPrintable(name + check.readAllStandardOutput()));
            }
        }

        // Under a locale with a decimal comma (QCoreApplication adopts it) the
        // file is the one written under C, but for the creation time.
        CommaLocale locale;
        if (locale.isValid()) {
            const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
            QCOMPARE(run({ report, tmp.filePath("c.pdf") }), 0);
            cli.setProcessEnvironment(locale.environment());
            QCOMPARE(run({ report, tmp.filePath("comma.pdf") }), 0);
            cli.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
            PdfReader c, comma;
            QVERIFY2(c.load(tmp.filePath("c.pdf")), qPrintable(c.error));
            QVERIFY2(comma.load(tmp.filePath("comma.pdf")), qPrintable(comma.error));
            const QRegularExpression stamp("\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\) Tj");
            QCOMPARE(QString::fromLatin1(comma.bytes).replace(stamp, "(time) Tj"),
                QString::fromLatin1(c.bytes).replace(stamp, "(time) Tj"));
        } else {
            qWarning("%s", qPrintable(locale.skipReason()));
        }

        // A partial range: the count printed is the number of samples the
        // parsed record holds in it.
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        QFile json(report + ".json");
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray items = QJsonDocument::fromJson(json.readAll()).object().value("samples").toArray();
        QVERIFY(items.size() > 10);
        const QString from = items.at(3).toObject().value("recordTime").toString();
        const QString to = items.at(9).toObject().value("recordTime").toString();
        const QString out = tmp.filePath("partial.pdf");
        QCOMPARE(run({ report, out, "--from", from, "--to", to }), 0);
        PdfReader r;
        QVERIFY2(r.load(out), qPrintable(r.error));
        const PdfTextRun label = r.pages.at(0).find("Total Data Points:");
        QVERIFY(label.font != 0);
        QCOMPARE(r.pages.at(0).textsAt(label.x == 42 ? 147 : 392, label.y).value(0).bytes, QByteArray("7"));

        // Refused ranges, bad arguments, a target that cannot be written.
        QCOMPARE(run({ report, out, "--from", to, "--to", from }), 2);
        // (The parsers' debug output goes to the same stream.)
        QVERIFY(QString::fromUtf8(cli.readAllStandardError())
                    .endsWith("stop time could not be early than start time, please reset.\n"));
        QCOMPARE(run({ report, out, "--from", from, "--to", from }), 2);
        QCOMPARE(run({ report, out, "--from", "yesterday" }), 2);
        QCOMPARE(run({ report }), 2);
        QCOMPARE(run({ report, tmp.filePath("no/dir/x.pdf") }), 1);
        QVERIFY(!cli.readAllStandardError().isEmpty());
        QCOMPARE(run({ tmp.filePath("missing.csv"), out }), 1);
    }

    // vesmira-cli export of a report with one sample or none: without
    // --from/--to its whole content; the same instant given is refused.
    void cliPresetRangeOfOneSampleOrNone()
    {
        QFile fixture(VESMIRA_TEST_DATA "/reports/en-th.csv");
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = fixture.readAll().split('\n');
        int header = 0;
        while (header < lines.size() && !lines.at(header).startsWith("No.,"))
            ++header;
        QVERIFY(header + 1 < lines.size());
        const QString time = QString::fromLatin1(lines.at(header + 1).split(',').value(1)).simplified();
        for (int count : { 1, 0 }) {
            const QString report = tmp.filePath(QString("tiny-%1.csv").arg(count));
            QFile f(report);
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (int i = 0; i <= header + count; ++i)
                f.write(lines.at(i) + '\n');
            f.close();
            QProcess cli;
            auto run = [&](const QStringList &args) {
                cli.start(VESMIRA_CLI, QStringList { "export", report } + args);
                return cli.waitForFinished(-1) && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode()
                                                                                           : -1;
            };
            const QString out = tmp.filePath(QString("tiny-%1.pdf").arg(count));
            QCOMPARE(run({ out }), 0);
            PdfReader r;
            QVERIFY2(r.load(out), qPrintable(r.error));
            QCOMPARE(r.count, count + 1);
            QFile::remove(out);
            if (count == 1) {
                // 5/31/2021 22:00:00 as the parser writes it.
                const QString at
                    = CRecordTime::fromDateTime(QDateTime::fromString(time, "M/d/yyyy H:mm:ss")).toText();
                QCOMPARE(run({ out, "--from", at, "--to", at }), 2);
                QVERIFY(!QFile::exists(out));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestExportRange)
#include "tst_exportrange.moc"
