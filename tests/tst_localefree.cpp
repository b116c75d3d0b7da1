// Names made from the time are read by programs and keep ASCII digits under
// a user locale whose digits are not ASCII: the process runs with the
// environment of an Egyptian Arabic user (Qt then writes dates with the
// digits ٠ to ٩).
#include "core/device/cloggerreader.h"
#include "core/export/cexportrange.h"
#include "core/record/appglobals.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

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
