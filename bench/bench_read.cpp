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
    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;
    t.restart();
    parseReportFile(copy, summary, info, data);
    CSummaryDisplay::applyStoredConversions(summary);
    print("parse (head and samples)", t.nsecsElapsed());
    std::printf("samples: %d\n", data.dataList.size());
    t.restart();
    QString name;
    const int id = CLoggerReader::storeRecord(
        *window.database(), summary, data, copy, QDateTime::currentDateTime(), &name);
    print("store", t.nsecsElapsed());
    t.restart();
    window.dataPage()->fillTempHumidityList(data);
    print("fill list", t.nsecsElapsed());
    t.restart();
    window.dataPage()->drawTempHumidityCurve(data);
    print("draw curve", t.nsecsElapsed());

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

    // The history list with 5,000 records.
    CSummeryParam small;
    small.clear();
    small.deviceNo = "EH00000001";
    small.wayDesc = "cold room";
    CTempData none;
    window.database()->InsertRecordParam(&small, "warm-up");
    QSqlDatabase::database().transaction();
    for (int i = 0; i < 5000; ++i)
        window.database()->InsertRecordParam(&small, QString("EH00000001_%1").arg(i));
    QSqlDatabase::database().commit();
    t.restart();
    window.historyList()->reload();
    print("history list, 5,000 records", t.nsecsElapsed());
    return window.loggerRead() && window.tempData()->dataList.size() == data.dataList.size() ? 0 : 1;
}
