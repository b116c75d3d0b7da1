// Hostile files where a logger report is expected: a FIFO, a link to a
// device, files too large for memory. Every entry that reads a report
// (vesmira-cli parse, export and read, the history page's export) refuses
// them with a clear error and returns: none blocks, aborts or copies them.
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/report/reportparse.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecordcontent.h"
#include "helpers/testfiles.h"

#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

class TestHostileReports : public QObject {
    Q_OBJECT

    QTemporaryDir appDir; // a private application directory for vesmira-cli read
    QTranslator english;
    QStringList messages;

    struct Result {
        bool finished = false;
        int code = -1;
        QString err;
    };

    // A run that has not ended after a minute hangs (a FIFO blocks its open
    // until a writer comes); it is killed.
    static Result run(const QString &cli, const QStringList &args)
    {
        QProcess process;
        process.start(cli, args);
        Result result;
        result.finished = process.waitForFinished(60000);
        if (!result.finished) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        if (process.exitStatus() == QProcess::NormalExit)
            result.code = process.exitCode();
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // The hostile file of a kind at path; none takes disk space.
    static bool make(const QString &kind, const QString &path)
    {
        if (kind == "FIFO")
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        if (kind == "link to /dev/zero")
            return QFile::link("/dev/zero", path);
        // Sparse files (ftruncate): 2 GB, or exactly the largest report size
        // as one line without a line end.
        QFile file(path);
        const qint64 size = kind == "2 GB sparse file" ? qint64(2) << 30 : MaxReportBytes;
        return file.open(QIODevice::WriteOnly) && file.resize(size);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(appDir.isValid());
        QVERIFY(QFile::copy(VESMIRA_APP_DIR "/vesmira-cli", appDir.path() + "/vesmira-cli"));
        QFile::setPermissions(appDir.path() + "/vesmira-cli", QFile::ReadOwner | QFile::ExeOwner);
        QDir().mkpath(appDir.path() + "/config");
        QVERIFY(QFile::copy(VESMIRA_APP_DIR "/config/gbk_code.txt", appDir.path() + "/config/gbk_code.txt"));
        applicationDir = appDir.path();
        languageCode = "en";
        QVERIFY(english.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&english);
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return QMessageBox::Ok;
        });
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QString>("name"); // of the report on the drive
        QTest::addColumn<QString>("phrase"); // in every error
        const char *const rows[][3] = { { "FIFO", "REPORT.csv", "not a regular file" },
            { "link to /dev/zero", "REPORT.txt", "not a regular file" },
            { "2 GB sparse file", "REPORT.csv", "too large" },
            { "1 GiB without a line end", "REPORT.pdf", "too large" } };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }

    void hostileFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, phrase);
        QTemporaryDir drive;
        QVERIFY(writeFile(drive.filePath("setting.ini"), QByteArray(102, '\0')));
        const QString report = drive.filePath(name);
        QVERIFY(make(QTest::currentDataTag(), report));

        const QString cli = VESMIRA_APP_DIR "/vesmira-cli";
        Result r = run(cli, { "parse", report });
        QVERIFY2(r.finished, "parse hangs");
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(report + ": ") && r.err.contains(phrase), qPrintable(r.err));

        const QString pdf = appDir.filePath("out.pdf");
        r = run(cli, { "export", report, pdf });
        QVERIFY2(r.finished, "export hangs");
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(phrase), qPrintable(r.err));
        QVERIFY(!QFile::exists(pdf));

        // Reading the drive: refused by name, nothing copied into data_files.
        r = run(appDir.filePath("vesmira-cli"), { "read", drive.path() });
        QVERIFY2(r.finished, "read hangs");
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(name + ": ") && r.err.contains(phrase), qPrintable(r.err));
        QVERIFY(QDir(appDir.filePath("data_files")).entryList(QDir::Files).isEmpty());

        // The history page's export reads a stored report copy again.
        CHistoryRecordContent page;
        auto stored = std::make_shared<CRecord>();
        stored->reportPath = report;
        page.showRecord(stored);
        messages.clear();
        page.OnExportPdfBtnClick();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(name) && messages.first().contains(phrase),
            qPrintable(messages.first()));
    }
};

QTEST_MAIN(TestHostileReports)
#include "tst_hostilereports.moc"
