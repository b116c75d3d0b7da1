// What is written for programs keeps ASCII digits and a decimal point under a
// user locale whose digits are not ASCII: the process runs with the
// environment of an Egyptian Arabic user (Qt then writes dates with the
// digits ٠ to ٩). Names made from the time, the JSON of a record, the
// statistics of a partial range and the exported PDF are checked.
#include "app/appglobals.h"
#include "device/cloggerreader.h"
#include "export/cexportpdf.h"
#include "export/cexportrange.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"
#include "model/crecordtime.h"
#include "model/recordjson.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace ExportRecords;

namespace {

// Every character is 7-bit ASCII.
bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

class TestLocaleFree : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

private slots:
    void initTestCase()
    {
        if (QLocale::system().zeroDigit() == QLatin1Char('0'))
            QSKIP("Qt does not take the locale ar_EG from the environment here");
    }

    void namesFromTheTime()
    {
        const QDateTime now(QDate(2024, 3, 5), QTime(9, 7, 3, 45));
        QCOMPARE(CLoggerReader::recordName("EH21050013", now), QString("EH21050013_20240305090703045"));

        const QString drive = tmp.filePath("drive");
        QVERIFY(QDir().mkpath(drive));
        QVERIFY(QFile::copy(VESMIRA_TEST_DATA "/reports/en-th.csv", drive + "/REPORT.csv"));
        const QString copy = CLoggerReader::copyReportFile(drive, tmp.filePath("data_files"), now);
        QCOMPARE(QFileInfo(copy).fileName(), QString("REPORT-20240305090703045.csv"));

        applicationDir = tmp.filePath("app");
        QCOMPARE(
            QFileInfo(CExportRange::defaultTargetPath(now)).fileName(), QString("record-20240305090703.pdf"));
    }

    void recordTexts()
    {
        CSummeryParam source;
        englishSummary(source, true);
        CTempData data;
        samples(data, 30, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        CDeviceSettingInfo settings;

        QString json;
        QTextStream out(&json);
        writeRecordJson(out, source, settings, data);
        out.flush();
        QVERIFY(json.contains("\"containHumidity\": 1") || json.contains("\"containHumidity\":1"));
        QVERIFY(isAscii(json.remove(QString::fromUtf8("°"))));

        const qint64 first = CRecordTime::fromText(data.dataList.at(2)->recordTime).toSecsSinceEpoch();
        CSummeryParam s;
        CTempData kept;
        CExportRange::cutToRange(source, data, first, first + 600, s, kept);
        for (const QString &text :
            { s.tempMax, s.tempMin, s.tempAvg, s.mkt, s.recordCount, s.recordTimeLen }) {
            QVERIFY2(isAscii(QString(text).remove(QString::fromUtf8("°"))), qPrintable(text));
            QVERIFY2(text.contains(QRegularExpression("[0-9]")), qPrintable(text));
        }

        const QString path = tmp.filePath("report.pdf");
        CExportPdf pdf;
        QCOMPARE(CExportRange::exportRecord(source, data, settings, first, first + 600, path, pdf),
            CExportRange::Written);
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.pages.at(0).textsAt(147, 425).value(0).bytes, QByteArray("11"));
    }
};

int main(int argc, char *argv[])
{
    // Before Qt first reads the locale of the environment.
    qputenv("LC_ALL", "ar_EG.UTF-8");
    qputenv("LANG", "ar_EG.UTF-8");
    QCoreApplication app(argc, argv);
    TestLocaleFree test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localefree.moc"
