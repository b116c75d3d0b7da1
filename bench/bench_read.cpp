// Reading a 48,640-sample temperature/humidity logger end to end, step by
// step: copy, parse, store, list, curve, and the whole read from the arrival
// of the drive to the data view shown. Run it with TZ set and unset.
//
//   QT_QPA_PLATFORM=offscreen bench_read [REPORT]
//
// REPORT defaults to a large-th.csv made by scripts/make-test-reports.py --large.
#include "core/device/cloggerreader.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/reportparse.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/history/chistoryrecord.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/fakedrives.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

namespace {

void print(const char *step, qint64 ns)
{
    std::printf("%-34s %8.1f ms\n", step, ns / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    applicationDir = work.path() + "/app";
    QDir().mkpath(applicationDir + "/db");
    CMessageBox::setHandler([](const CMessageBox::Request &) { return QMessageBox::Ok; });

    QString report = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (report.isEmpty()) {
        QProcess make;
        make.start("python3",
            { QStringLiteral(VESMIRA_TEST_DATA "/../../scripts/make-test-reports.py"), "--large",
                work.path() });
        if (!make.waitForFinished(120000) || make.exitCode() != 0) {
            std::fprintf(stderr, "bench_read: cannot make the large report\n");
            return 1;
        }
        report = work.path() + "/large-th.csv";
    }
    std::printf("report: %s, TZ=%s\n", qPrintable(QFileInfo(report).fileName()),
        qEnvironmentVariableIsSet("TZ") ? qPrintable(qEnvironmentVariable("TZ")) : "(unset)");

    FakeDrives drives;
    drives.exportEnvironment();
    const QString root = drives.addDrive("LOGGER", "STM");
    QFile::copy(report, root + "/" + QFileInfo(report).fileName());
    FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));

    CDravik window;
    window.resize(1600, 900);
    window.show();
    QCoreApplication::processEvents();

    // The steps one by one.
    QElapsedTimer t;
    t.start();
    const QString copy
        = CLoggerReader::copyReportFile(root, applicationDir + "/data_files", QDateTime::currentDateTime());
    print("copy", t.nsecsElapsed());
    auto record = std::make_shared<CRecord>();
    t.restart();
    readReport(copy, *record);
    print("parse (head and samples)", t.nsecsElapsed());
    std::printf("samples: %d\n", record->data.size());
    record->reportPath = copy;
    record->name = CLoggerReader::recordName(record->summary.deviceNo, QDateTime::currentDateTime());
    record->limits = CAlarmLimits::fromSettings(record->settings, record->hasHumidity());
    t.restart();
    window.database()->storeRecord(*record);
    const int id = record->id;
    const QString name = record->name;
    print("store", t.nsecsElapsed());
    window.dataPage()->showSummary(record);
    t.restart();
    window.dataPage()->showSamples();
    print("fill list and draw curve", t.nsecsElapsed());

    // Opening the stored record on the history page: load, summary, list, curve.
    t.restart();
    window.openStoredRecord(id, name);
    print("open stored record", t.nsecsElapsed());

    // The whole read, from the drive's arrival to the data view shown.
    drives.plug(root);
    t.restart();
    window.OnUDiskCome(root);
    QCoreApplication::processEvents();
    print("whole read (arrival to data view)", t.nsecsElapsed());

    // The history list with 5,000 records (rows written directly, in one
    // transaction: the listing is measured, not the storing).
    QSqlDatabase::database().transaction();
    QSqlQuery insert;
    insert.prepare("insert into t_record(data_name, wayDesc) values(:name, 'cold room')");
    for (int i = 0; i < 5000; ++i) {
        insert.bindValue(":name", QString("EH00000001_%1").arg(i));
        insert.exec();
    }
    QSqlDatabase::database().commit();
    t.restart();
    window.historyList()->reload();
    print("history list, 5,000 records", t.nsecsElapsed());
    return window.loggerRead() && window.record()->data.size() == record->data.size() ? 0 : 1;
}
