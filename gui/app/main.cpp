#include "core/record/appglobals.h"
#include "core/record/cappdirs.h"
#include "core/record/crecordconfig.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdravik.h"
#include "gui/app/csingleinstance.h"
#include "gui/compliance/ccomplianceui.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

namespace {

// End-to-end tests cannot press a button of an offscreen message box: with
// VESMIRA_AUTOCLOSE_MS set, the active modal box is closed after that delay.
void closeModalBoxesForTests()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VESMIRA_AUTOCLOSE_MS", &ok);
    if (!ok)
        return;
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        // A progress dialog closed would cancel its step: it closes itself.
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && !qobject_cast<QProgressDialog *>(modal))
            modal->close();
    });
    timer->start(ms);
}

void installTranslator(QTranslator &translator, const QString &file)
{
    // A file that fails to load is installed empty and translates nothing.
    translator.load(file);
    QCoreApplication::installTranslator(&translator);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    // The installed desktop entry (share/applications/org.vesmira.Vesmira.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vesmira.Vesmira"));
    // The executable's directory, or the XDG folders of an installed program.
    GbkCodeUtils::instance()->load(CAppDirs::setUp(QCoreApplication::applicationDirPath()));

    CRecordConfig::instance()->load();

    static QTranslator qtTranslator;
    static QTranslator qtBaseTranslator;
    static QTranslator appTranslator;
    if (languageCode == QLatin1String("en")) {
        installTranslator(qtTranslator, ":/CDravik/qt_en.qm");
        installTranslator(qtBaseTranslator, ":/CDravik/qtbase_en.qm");
        installTranslator(appTranslator, ":/CDravik/dravik_en.qm");
    } else {
        installTranslator(qtTranslator, ":/CDravik/qt_zh_CN.qm");
        installTranslator(appTranslator, ":/CDravik/dravik_zh.qm");
    }

    QApplication::setWindowIcon(QIcon(":/CDravik/image/logo_neut.ico"));
    closeModalBoxesForTests();

    CSingleInstance guard("RI-viriru");
    if (!guard.tryAcquire()) {
        QMessageBox box(QMessageBox::Critical, QObject::tr("cuo wu"),
            QObject::tr("cheng xu ji jing zai yun xing,qing guan bi hou zai chong xin da kai"),
            QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QObject::tr("que ding"));
        box.exec();
        return 1;
    }
    CSingleInstance::setCurrent(&guard);

    auto *window = new CDravik;
    // Compliance mode: nobody sees the window before signing in.
    if (!window->compliance()->signInAtStart()) {
        delete window;
        return 0;
    }
    window->showRestored();
    // `vesmira REPORT...`: each report is read as a logger's would be.
    const QStringList reports = app.arguments().mid(1);
    if (!reports.isEmpty())
        QTimer::singleShot(0, window, [window, reports] { window->openReportFiles(reports); });
    const int code = app.exec();
    delete window;
    return code;
}
