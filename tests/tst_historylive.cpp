// The history pages on a shared history: the list shows what another desk
// stores without a click; the detail page shows the report's SHA-256 and
// refuses to export or save a report changed since it was read; a main
// window whose shared history cannot be reached says so once and touches
// no local data.
#include "core/history/chistorystore.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/report/reportparse.h"
#include "gui/app/cdialogs.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "helpers/fakedrives.h"
#include "helpers/historyengines.h"
#include "helpers/testfiles.h"

#include <QLabel>
#include <QTableWidget>

class TestHistoryLive : public QObject {
    Q_OBJECT

    QTemporaryDir m_appDir;
    FakeDrives m_drives; // no logger
    QTranslator m_english;
    QStringList m_messages;
    QStringList m_dialogs;

private slots:
    void initTestCase()
    {
        applicationDir = m_appDir.path();
        languageCode = "en";
        QVERIFY(m_english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&m_english);
        m_drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            m_messages << request.text;
            return QMessageBox::Ok;
        });
        CDialogs::TestHandlers handlers;
        handlers.saveFile = [this](const QString &caption, const QString &, const QString &) {
            m_dialogs << caption;
            return QString();
        };
        CDialogs::setTestHandlers(handlers);
    }

    void listFollowsOtherDesks()
    {
        SKIP_WITHOUT_POSTGRES(QString("postgres"));
        openEngine("postgres", m_appDir.path()).reset();
        CTempDbManager shared(CHistoryLocation::parse(postgresUrl()));
        CHistoryRecord page;
        page.setDatabase(&shared);
        page.reload();
        QCOMPARE(page.table()->rowCount(), 0);
        QProcess desk;
        desk.start(HISTORYWRITER, { postgresUrl(), "1", "100" });
        QVERIFY(desk.waitForFinished(60000));
        QCOMPARE(desk.exitCode(), 0);
        // No reload here: the notification brings the row.
        QTRY_COMPARE_WITH_TIMEOUT(page.table()->rowCount(), 1, 5000);
        QVERIFY(page.table()->item(0, 1)->text().startsWith("W"));
    }

    void detailShowsAndChecksTheDigest()
    {
        const QString path = m_appDir.filePath("REPORT-20210506080910123.csv");
        QVERIFY(writeFile(path, readAll(VESMIRA_TEST_DATA "/reports/en-temp.csv")));
        auto record = std::make_shared<CRecord>();
        readReport(path, *record);
        record->reportPath = path;
        record->reportDigest = CRecord::fileDigest(path);
        CHistoryRecordContent detail;
        detail.showRecord(record);
        QCOMPARE(detail.digestLabel()->text(),
            "Report SHA-256: " + record->reportDigest + "\nThe report file is unchanged since it was read.");

        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("1,2021/05/06 23:00:00,99.9\n");
        file.close();
        m_messages.clear();
        m_dialogs.clear();
        detail.OnSaveAsOriginalPdfBtnClick();
        detail.OnExportPdfBtnClick();
        const QString refused
            = "The report file REPORT-20210506080910123.csv has changed since it was read (its "
              "SHA-256 differs); it is not exported or saved.";
        QCOMPARE(m_messages, QStringList({ refused, refused }));
        QVERIFY(m_dialogs.isEmpty());
        detail.showRecord(record);
        QVERIFY(detail.digestLabel()->text().endsWith("has CHANGED since it was read."));
    }

    void unreachableSharedHistoryIsToldOnce()
    {
        qputenv("VESMIRA_HISTORY", "postgresql://127.0.0.1:1/vesmira");
        m_messages.clear();
        {
            CDravik window;
            QVERIFY(window.database()->isShared());
            QVERIFY(!window.database()->isOpen());
            QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 10000);
            QVERIFY(
                m_messages.first().startsWith("The shared history cannot be reached (cannot open the shared "
                                              "history postgresql://127.0.0.1:1/vesmira:"));
            window.HistoryRecordAction(false);
            QCOMPARE(window.historyList()->table()->rowCount(), 0);
        }
        qunsetenv("VESMIRA_HISTORY");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!QFileInfo::exists(m_appDir.filePath("db")));
    }
};

QTEST_MAIN(TestHistoryLive)
#include "tst_historylive.moc"
