#include "gui/app/cdravik.h"

#include "core/device/cdriveprobe.h"
#include "core/device/cloggerreader.h"
#include "core/device/cvolumewatcher.h"
#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "gui/app/caboutsoftinfo.h"
#include "gui/app/cdeviceconnect.h"
#include "gui/app/cemptycontent.h"
#include "gui/app/cfilemenu.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/crecentreports.h"
#include "gui/app/csearchdevice.h"
#include "gui/app/cudisk.h"
#include "gui/app/cwindowplaces.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/configuration/csettingfilemanager.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/ccompareview.h"
#include "gui/view/cdevicedatainfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <vector>

CDravik::CDravik(QWidget *parent)
    : QMainWindow(parent)
{
    // 1. The record of the logger read last: none yet.

    // 2. The form.
    buildForm();

    // 3. The drive watcher.
    m_udisk = new CUdisk;
    qApp->installNativeEventFilter(m_udisk);
    connect(m_udisk, SIGNAL(sigUDiskCome(QString)), this, SLOT(OnUDiskCome(QString)));
    connect(m_udisk, SIGNAL(sigUDiskRemove()), this, SLOT(OnUDiskRemove()));

    // 4. Actions.
    connect(m_searchDeviceAction, SIGNAL(triggered(bool)), this, SLOT(TestRearchDeviceAction(bool)));
    connect(m_deviceSettingAction, SIGNAL(triggered(bool)), this, SLOT(TestDeviceSettingAction(bool)));
    connect(m_recordHistoryAction, SIGNAL(triggered(bool)), this, SLOT(HistoryRecordAction(bool)));
    connect(m_otherPropertyAction, SIGNAL(triggered(bool)), this, SLOT(OnOtherPropertiesAction(bool)));
    connect(m_aboutSoftAction, SIGNAL(triggered(bool)), this, SLOT(OnAboutAction(bool)));

    // 5. Pages.
    buildPages();

    // 6. The history database: db/dravik.db, or the shared history the
    // configuration names (with db/dravik.db keeping what is read while it
    // is away).
    // An older history gets the index of its samples once; that may take
    // a while, said in a dialog.
    std::unique_ptr<QProgressDialog> indexing;
    CTempDbManager::setNoticeHandler([&indexing](const QString &) {
        indexing = std::make_unique<QProgressDialog>(
            tr("zheng zai wei li shi ji lu jian li suo yin (jin yi ci)..."), QString(), 0, 0);
        indexing->setMinimumDuration(0);
        indexing->show();
        QCoreApplication::processEvents();
    });
    m_store = std::make_unique<CHistoryStore>(applicationDir, CHistoryLocation::configured());
    m_db = m_store->history();
    CTempDbManager::setNoticeHandler({});
    indexing.reset();
    m_historyList->setDatabase(m_db);
    // Compliance mode: sign-in, audit and signatures (nothing while it is off).
    m_compliance = new CComplianceUi(*m_db, this);
    m_compliance->install(menuBar(), m_topStack, m_historyDetail);
    m_historyList->setCompliance(m_compliance);
    connect(m_settingPage, &CDeviceSetting::configurationWritten, m_compliance,
        &CComplianceUi::configurationWritten);
    // A damaged history is no empty one: said once, and left as it is.
    if (m_db->isDamaged())
        QTimer::singleShot(0, this, [this] {
            CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"),
                tr("li shi ji lu %1 yi sun huai, wu fa du qu (%2). Wen jian bao chi yuan yang, bu hui xie "
                   "ru ren he nei rong; qing cong bei fen hui fu.")
                    .arg(QDir::toNativeSeparators(m_db->path()), m_db->damage()),
                tr("que ding"));
        });

    // 7. The left column: wider on a wide screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int leftWidth = screen && screen->geometry().width() >= 1400 ? 410 : 330;
    m_leftContent->setFixedWidth(leftWidth);
    m_leftStack->setFixedWidth(leftWidth);

    // 8. The title follows the configured language; it is not translated.
    setWindowTitle(languageCode == QLatin1String("en") ? QStringLiteral("Vesmira")
                                                       : QStringLiteral("记录仪产品上位机软件"));

    // 9. A logger plugged in before the start is read a second after it;
    // what waited for the shared history goes there first.
    QTimer::singleShot(1000, this, [this] {
        m_compliance->whenReady([this] {
            syncSharedHistory();
            CheckDravikIsOn();
        });
    });
}

CDravik::~CDravik()
{
    if (CRecordConfig::instance()->mainWindow() == this)
        CRecordConfig::instance()->setMainWindow(nullptr);
    qApp->removeNativeEventFilter(m_udisk);
    delete m_udisk;
    // Compliance mode ends before its history.
    delete m_compliance;
    m_db = nullptr;
    m_store.reset();
}

void CDravik::syncSharedHistory()
{
    if (!m_store->isShared())
        return;
    if (m_store->location().kind() == CHistoryLocation::Invalid) {
        tellSharedHistoryAway(m_store->location().error(), true);
        return;
    }
    const CHistoryStore::SyncResult result
        = m_store->syncPending([](const QString &line) { qDebug().noquote() << "shared history:" << line; });
    if (!result.reachable)
        tellSharedHistoryAway(m_store->lastError());
}

void CDravik::tellSharedHistoryAway(const QString &why, bool urlRefused)
{
    if (m_toldSharedAway)
        return;
    m_toldSharedAway = true;
    QApplication::restoreOverrideCursor();
    if (urlRefused) {
        CMessageBox::show(this, QMessageBox::Warning, tr("ti shi"),
            tr("gong xiang li shi ji lu de di zhi bu ke yong (%1). Du qu de ji lu bao cun zai ben ji, di zhi "
               "geng zheng hou zi dong fu zhi dao gong xiang li shi ji lu.")
                .arg(why),
            tr("que ding"));
        return;
    }
    CMessageBox::show(this, QMessageBox::Warning, tr("ti shi"),
        tr("wu fa lian jie gong xiang li shi ji lu (%1). Du qu de ji lu bao cun zai ben ji, ke yi lian jie "
           "shi "
           "zi dong fu zhi dao gong xiang li shi ji lu.")
            .arg(why),
        tr("que ding"));
}

namespace {

// The white 64-pixel icon for the blue tool bar and a blue 32-pixel one for
// the light menus: each place takes the size closest to its own.
QIcon actionIcon(const char *name)
{
    QIcon icon(QStringLiteral(":/CDravik/image/%1_64.png").arg(QLatin1String(name)));
    icon.addFile(QStringLiteral(":/CDravik/image/%1_32.png").arg(QLatin1String(name)));
    return icon;
}

} // namespace

void CDravik::buildForm()
{
    setObjectName("CDravikClass");
    resize(981, 747);

    auto *central = new QWidget(this);
    central->setObjectName("centralWidget");
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    m_topStack = new QStackedWidget(central);
    m_topStack->setObjectName("stackedWidget");
    centralLayout->addWidget(m_topStack);

    m_firstPage = new QWidget;
    m_firstPage->setObjectName("firstPage");
    auto *firstLayout = new QVBoxLayout(m_firstPage);
    firstLayout->setContentsMargins(0, 0, 0, 0);
    auto *mainContentArea = new QWidget(m_firstPage);
    mainContentArea->setObjectName("mainContentArea");
    auto *areaLayout = new QHBoxLayout(mainContentArea);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    m_leftContent = new QWidget(mainContentArea);
    m_leftContent->setObjectName("leftContentWidget");
    m_leftContent->setStyleSheet("#leftContentWidget{background-color: rgb(245, 247, 250);}");
    auto *leftLayout = new QVBoxLayout(m_leftContent);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_leftStack = new QStackedWidget(m_leftContent);
    m_leftStack->setObjectName("leftStackedWidget");
    m_leftStack->setMinimumWidth(400);
    m_leftStack->setMaximumWidth(400);
    m_leftStack->addWidget(new QWidget); // placeholder of the form
    leftLayout->addWidget(m_leftStack);
    auto *rightContent = new QWidget(mainContentArea);
    rightContent->setObjectName("rightContentWidget");
    auto *rightLayout = new QVBoxLayout(rightContent);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_rightStack = new QStackedWidget(rightContent);
    m_rightStack->setObjectName("rightStackedWidget");
    m_rightStack->addWidget(new QWidget); // placeholder of the form
    rightLayout->addWidget(m_rightStack);
    areaLayout->addWidget(m_leftContent);
    areaLayout->addWidget(rightContent, 1);
    firstLayout->addWidget(mainContentArea);

    m_secondPage = new QWidget;
    m_secondPage->setObjectName("secondPage");
    auto *secondLayout = new QVBoxLayout(m_secondPage);
    secondLayout->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(m_secondPage);
    scroll->setObjectName("secondPageScrollArea");
    scroll->setWidgetResizable(true);
    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName("splitter");
    m_historySplitter = splitter;
    m_secondPageLeft = new QWidget(splitter);
    m_secondPageLeft->setObjectName("secondPageLeft");
    m_secondPageRight = new QWidget(splitter);
    m_secondPageRight->setObjectName("secondPageRight");
    for (QWidget *pane : { m_secondPageLeft, m_secondPageRight }) {
        auto *paneLayout = new QVBoxLayout(pane);
        paneLayout->setContentsMargins(0, 0, 0, 0);
        paneLayout->setSpacing(0);
    }
    splitter->addWidget(m_secondPageLeft);
    splitter->addWidget(m_secondPageRight);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({ 460, 1000 });
    scroll->setWidget(splitter);
    secondLayout->addWidget(scroll);

    m_topStack->addWidget(m_firstPage);
    m_topStack->addWidget(m_secondPage);
    setCentralWidget(central);

    const auto formText = [](const char *text) { return QCoreApplication::translate("CDravikClass", text); };
    m_searchDeviceAction
        = new QAction(actionIcon("Devices"), formText(QT_TRANSLATE_NOOP("CDravikClass", "搜索设备")), this);
    m_searchDeviceAction->setObjectName("searchDeviceAction");
    m_deviceSettingAction
        = new QAction(actionIcon("settings"), formText(QT_TRANSLATE_NOOP("CDravikClass", "设备参数")), this);
    m_deviceSettingAction->setObjectName("deviceSettingAction");
    m_recordHistoryAction
        = new QAction(actionIcon("database"), formText(QT_TRANSLATE_NOOP("CDravikClass", "历史记录")), this);
    m_recordHistoryAction->setObjectName("recordHistoryAction");
    m_otherPropertyAction = new QAction(formText(QT_TRANSLATE_NOOP("CDravikClass", "其他设置")), this);
    m_otherPropertyAction->setObjectName("otherPropertyAction");
    m_aboutSoftAction = new QAction(formText(QT_TRANSLATE_NOOP("CDravikClass", "关于上位机")), this);
    m_aboutSoftAction->setObjectName("aboutSoftAction");

    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    menuBar->setStyleSheet("border-top-color: 1px solid rgb(0, 0, 0);");
    QMenu *fileMenu = menuBar->addMenu(formText(QT_TRANSLATE_NOOP("CDravikClass", "文件")));
    fileMenu->setObjectName("menuFile");
    fileMenu->addAction(m_searchDeviceAction);
    m_fileMenu = new CFileMenu(fileMenu, this, [this] { return shownRecordView(); });
    connect(m_fileMenu, &CFileMenu::openRequested, this, &CDravik::openReportFiles);
    QMenu *deviceMenu = menuBar->addMenu(formText(QT_TRANSLATE_NOOP("CDravikClass", "设备")));
    deviceMenu->setObjectName("menuDevice");
    deviceMenu->addAction(m_deviceSettingAction);
    deviceMenu->addAction(m_recordHistoryAction);
    QMenu *optionMenu = menuBar->addMenu(formText(QT_TRANSLATE_NOOP("CDravikClass", "选项 ")));
    optionMenu->setObjectName("menuOption");
    optionMenu->addAction(m_otherPropertyAction);
    QMenu *helpMenu = menuBar->addMenu(formText(QT_TRANSLATE_NOOP("CDravikClass", "帮助")));
    helpMenu->setObjectName("menuHelp");
    helpMenu->addAction(m_aboutSoftAction);
    setMenuBar(menuBar);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName("mainToolBar");
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(72, 48));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setStyleSheet("#mainToolBar{\n\tbackground-color: rgb(0, 117, 175);\n    \n}");
    toolBar->addAction(m_searchDeviceAction);
    toolBar->addAction(m_deviceSettingAction);
    toolBar->addAction(m_recordHistoryAction);
    addToolBar(Qt::TopToolBarArea, toolBar);
    // White icons on the blue bar: a hovered or pressed button darkens the
    // blue instead of turning white.
    for (QAction *action : { m_searchDeviceAction, m_deviceSettingAction, m_recordHistoryAction })
        toolBar->widgetForAction(action)->setStyleSheet(
            "QToolButton{border: none; padding: 4px;}"
            "QToolButton:hover{background-color: rgb(0, 95, 145);}"
            "QToolButton:pressed{background-color: rgb(0, 75, 115);}");
}

CRecordView *CDravik::shownRecordView() const
{
    if (m_topStack->currentWidget() == m_secondPage)
        return m_historyDetail;
    if (m_rightStack->currentWidget() == m_dataPage)
        return m_dataPage;
    return nullptr;
}

void CDravik::buildPages()
{
    m_searchDeviceAction->setToolTip(tr("sou suo she bei"));
    m_deviceSettingAction->setToolTip(tr("she bei she zhi"));
    m_recordHistoryAction->setToolTip(tr("shu ju ji lu"));

    // The form's placeholders make room for the real pages.
    while (m_leftStack->count() > 0) {
        QWidget *placeholder = m_leftStack->widget(0);
        m_leftStack->removeWidget(placeholder);
        delete placeholder;
    }
    while (m_rightStack->count() > 0) {
        QWidget *placeholder = m_rightStack->widget(0);
        m_rightStack->removeWidget(placeholder);
        delete placeholder;
    }

    m_searchPage = new CSearchDevice(m_leftStack);
    m_connectPage = new CDeviceConnect(m_leftStack);
    connect(m_connectPage, &CDeviceConnect::readAgainRequested, this, &CDravik::readAgain);
    m_leftStack->addWidget(m_searchPage);
    m_leftStack->addWidget(m_connectPage);
    m_leftStack->setCurrentWidget(m_searchPage);

    m_emptyPage = new CEmptyContent(m_rightStack);
    m_settingPage = new CDeviceSetting(m_rightStack);
    connect(
        m_settingPage, &CDeviceSetting::deviceConfigurationRequested, this, &CDravik::loadReadConfiguration);
    m_dataPage = new CDeviceDataInfo(m_rightStack);
    m_rightStack->addWidget(m_emptyPage);
    m_rightStack->addWidget(m_settingPage);
    m_rightStack->addWidget(m_dataPage);
    m_rightStack->setCurrentWidget(m_emptyPage);

    m_historyDetail = new CHistoryRecordContent(m_secondPageRight);
    m_secondPageRight->layout()->addWidget(m_historyDetail);
    m_historyList = new CHistoryRecord(m_secondPageLeft);
    connect(m_historyList, &CHistoryRecord::openRequested, this, &CDravik::openStoredRecord);
    connect(m_historyList, &CHistoryRecord::compareRequested, this, &CDravik::compareStoredRecords);
    // A record deleted from the history is not shown (nor exported) any more.
    connect(m_historyList, &CHistoryRecord::recordDeleted, this, [this](int id) {
        if (m_historyDetail->record() && m_historyDetail->record()->id == id)
            m_historyDetail->showRecord(nullptr);
    });
    m_secondPageLeft->layout()->addWidget(m_historyList);

    CRecordConfig::instance()->setMainWindow(this);

    // Splitter and tabs as the user left them.
    m_rememberedTabs = { m_dataPage->tabWidget(), m_settingPage->findChild<QTabWidget *>("otherSettingTab") };
    CWindowPlaces::restore({ m_historySplitter }, m_rememberedTabs);
}

void CDravik::showRestored()
{
    if (CWindowPlaces::restoreGeometry(this))
        show();
    else
        showMaximized();
}

QString CDravik::localReportPath() const
{
    return m_record ? m_record->reportPath : QString();
}

int CDravik::containHumidity() const
{
    return m_record ? m_record->summary.containHumidity : 0;
}

void CDravik::showReadingPages()
{
    m_leftStack->setCurrentWidget(m_connectPage);
}

void CDravik::showSearchingPages()
{
    m_leftStack->setCurrentWidget(m_searchPage);
    // A report opened by hand stays on screen.
    m_rightStack->setCurrentWidget(m_fileShown ? static_cast<QWidget *>(m_dataPage) : m_emptyPage);
}

bool CDravik::CheckDravikIsOn()
{
    // A report opened by hand is being read: the logger follows it.
    if (m_reading) {
        QTimer::singleShot(500, this, [this] { CheckDravikIsOn(); });
        return false;
    }
    // Locked or nobody signed in (compliance mode): read once someone is.
    if (!m_compliance->isReady()) {
        m_compliance->whenReady([this] { CheckDravikIsOn(); });
        return false;
    }
    const QString root = CUdisk::findLogger(m_udisk->probe());
    if (root.isEmpty())
        return false;
    // The logger whose record is shown keeps its drive while it is plugged
    // in; otherwise the drive recognition chose is the logger's.
    if (!m_loggerRead || !m_udisk->probe().isDrivePresent(m_currentDrivePath))
        m_currentDrivePath = root;
    updateSettingPageLogger();
    readLoggerData();
    return true;
}

void CDravik::OnUDiskCome(const QString &root)
{
    qDebug() << " usb is ok " << root;
    // currentDrivePath is the root recognition chose, never simply the
    // volume that arrived (another USB stick next to the logger).
    CheckDravikIsOn();
}

void CDravik::OnUDiskRemove()
{
    qDebug() << " usb is removed ";
    if (m_currentDrivePath.isEmpty() || m_udisk->probe().isDrivePresent(m_currentDrivePath))
        return;
    qDebug() << " usb is removed ---------------------------------------------";
    m_loggerRead = false;
    m_settingPage->setControlsEnabled(false);
    showSearchingPages();
}

void CDravik::readLoggerData()
{
    if (m_loggerRead) {
        qDebug() << "read success ....... ";
        return;
    }
    m_loggerRead = true;
    showReadingPages();
    readAndShow(m_currentDrivePath, true);
}

void CDravik::openReportFiles(const QStringList &files)
{
    for (const QString &file : files)
        openReportFile(file);
}

void CDravik::openReportFile(const QString &file)
{
    if (m_reading) {
        QTimer::singleShot(200, this, [this, file] { openReportFile(file); });
        return;
    }
    if (!m_compliance->isReady()) {
        m_compliance->whenReady([this, file] { openReportFile(file); });
        return;
    }
    m_topStack->setCurrentWidget(m_firstPage);
    readAndShow(file, false);
}

void CDravik::readAndShow(const QString &source, bool logger)
{
    m_reading = true;
    const auto readEnds = qScopeGuard([this] { m_reading = false; });
    QApplication::setOverrideCursor(Qt::WaitCursor);

    QProgressDialog progress;
    progress.setCancelButton(nullptr);
    progress.setWindowFlags(progress.windowFlags() | Qt::FramelessWindowHint);
    progress.setStyleSheet("QWidget{background-color: rgb(193,193,193);}");
    progress.setFixedSize(300, 80);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setWindowTitle(tr("ti shi"));
    progress.setLabelText(tr("shu ju du qu zhong ..."));
    progress.setRange(0, 9);
    progress.setMinimumDuration(0);
    progress.show();
    const auto step = [&progress](int value) {
        progress.setValue(value);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const auto error = [this](const QString &text) {
        QApplication::restoreOverrideCursor();
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"), text, tr("que ding"));
    };

    // The summary is shown as soon as the report is parsed, before the
    // record is stored.
    auto record = std::make_shared<CRecord>();
    const CReadOutcome outcome
        = readLogger(source, applicationDir, *m_store, *record, [&](int value, const CRecord &) {
              if (value == 3) {
                  const bool going = step(3);
                  m_dataPage->showSummary(record);
                  return going && step(4) && step(5);
              }
              return step(value);
          });
    const QString copy = QFileInfo(record->reportPath).fileName();
    switch (outcome.status) {
    case CReadOutcome::NoReport: {
        // A failed read ends here: the logger stays marked as read until it
        // is plugged in again or the download button is pressed.
        step(9);
        const QString name = QFileInfo(outcome.refused.path).fileName();
        const CLoggerReader::Failure &failure = outcome.failure;
        const QString device
            = tr("du qu she bei zhong de shu ju chu quo ,qing jian cha she bei shi fou you wen ti ");
        if (failure.part == CLoggerReader::Failure::LocalCopy)
            error(tr("bao gao wu fa fu zhi dao ben ji %1: %2").arg(failure.path, failure.why));
        else if (!logger)
            error(m_fileMenu->whyNotRead(source, outcome.refused));
        else if (outcome.refused.problem == ReportFileProblem::NotRegular)
            error(tr("bao gao wen jian %1 bu shi pu tong wen jian, wei du qu").arg(name));
        else if (outcome.refused.problem == ReportFileProblem::TooLarge)
            error(tr("bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu").arg(name));
        else if (failure.part == CLoggerReader::Failure::LoggerDrive)
            error(device + QLatin1Char('\n') + tr("ji lu yi ci pan %1: %2").arg(failure.path, failure.why));
        else
            error(device);
        progress.close();
        return;
    }
    case CReadOutcome::NoRecord:
        // Empty, garbage or cut off before its summary: no record to keep,
        // and none to export from the data view either.
        step(9);
        m_dataPage->showRecord(nullptr);
        error(tr("bao gao wen jian %1 zhong mei you she bei hao he shu ju, wei bao cun").arg(copy));
        progress.close();
        return;
    case CReadOutcome::NotParsed:
        // A report of another kind is copied, not read: the data view keeps
        // what it showed. A file opened by hand says why.
        if (!logger) {
            step(9);
            error(m_fileMenu->whyNotRead(source, {}));
            progress.close();
            return;
        }
        m_record = record;
        break;
    case CReadOutcome::Cancelled:
        break;
    case CReadOutcome::StoreFailed:
        // Nothing of the record reached the history (a full disk, a
        // read-only db folder): the user must know it is not kept.
        m_record = record;
        m_dataPage->showRecordName(record->name);
        step(9);
        error(tr("ji lu bao cun shi bai ,li shi ji lu mei you gai bian ,qing jian cha ci pan kong jian ")
            + (outcome.failure.why.isEmpty()
                    ? QString()
                    : QLatin1Char('\n') + tr("li shi ji lu: %1").arg(outcome.failure.why)));
        break;
    case CReadOutcome::AlreadyStored:
        // The same report was read before: the data view shows that record,
        // under its name, and nothing new is stored.
        m_record = record;
        m_dataPage->showRecordName(record->name);
        m_dataPage->showSamples();
        step(9);
        if (!logger)
            m_fileMenu->recentReports()->add(source);
        m_compliance->duplicateRead(*record);
        break;
    case CReadOutcome::Stored:
        m_record = record;
        m_dataPage->showRecordName(record->name);
        step(7);
        m_dataPage->showSamples();
        step(8);
        step(9);
        if (m_store->lastPlace() == CHistoryStore::KeptLocally
            || m_store->lastPlace() == CHistoryStore::KeptLocallyUrlRefused)
            tellSharedHistoryAway(
                m_store->lastError(), m_store->lastPlace() == CHistoryStore::KeptLocallyUrlRefused);
        if (!logger)
            m_fileMenu->recentReports()->add(source);
        break;
    }
    QApplication::restoreOverrideCursor();
    progress.close();
    m_rightStack->setCurrentWidget(m_dataPage);
    m_fileShown = !logger;
    // A report opened by hand is no logger to configure.
    if (logger) {
        updateSettingPageLogger();
        m_settingPage->setControlsEnabled(true);
    }
    // Said over the record it names.
    if (outcome.status == CReadOutcome::AlreadyStored)
        CMessageBox::show(this, QMessageBox::Information, tr("ti shi"),
            tr("yi jing zai li shi ji lu zhong: %1").arg(record->name), tr("que ding"));
}

void CDravik::readAgain()
{
    m_loggerRead = false;
    readLoggerData();
}

void CDravik::updateSettingPageLogger()
{
    m_settingPage->setLogger(m_currentDrivePath, m_record ? m_record->summary.deviceModel : QString());
}

void CDravik::TestRearchDeviceAction(bool)
{
    m_topStack->setCurrentWidget(m_firstPage);
    if (m_loggerRead) {
        m_leftStack->setCurrentWidget(m_connectPage);
        m_rightStack->setCurrentWidget(m_dataPage);
    } else {
        showSearchingPages();
    }
}

void CDravik::TestDeviceSettingAction(bool)
{
    m_topStack->setCurrentWidget(m_firstPage);
    if (m_loggerRead)
        m_leftStack->setCurrentWidget(m_connectPage);
    m_settingPage->setHumidityApplies(m_loggerRead && containHumidity() == 1);
    m_rightStack->setCurrentWidget(m_settingPage);
    m_settingPage->setReadState(m_record ? &m_record->settings : nullptr, m_loggerRead);
}

void CDravik::HistoryRecordAction(bool)
{
    m_topStack->setCurrentWidget(m_secondPage);
    m_historyList->reload();
}

void CDravik::OnAboutAction(bool)
{
    CAboutSoftInfo about(this);
    about.exec();
}

void CDravik::OnOtherPropertiesAction(bool)
{
    CSettingFileManager preferences(this);
    connect(&preferences, &CSettingFileManager::templatesChanged, this, &CDravik::reloadTemplates);
    preferences.exec();
}

void CDravik::calibrationDisplayChanged(bool show)
{
    m_settingPage->setCalibrationVisible(show);
    if (!m_loggerRead)
        m_settingPage->setHumidityApplies(false);
    else if (containHumidity() == 1)
        m_settingPage->setHumidityApplies(true);
}

void CDravik::reloadTemplates()
{
    m_settingPage->reloadTemplates();
}

void CDravik::loadReadConfiguration()
{
    if (m_record)
        m_settingPage->fillFromDeviceInfo(&m_record->settings);
}

void CDravik::openStoredRecord(int id, const QString &name)
{
    // The stored record goes to the detail page: the record read last stays
    // as it is (the data view's export and the configuration page still
    // need it).
    auto record = std::make_shared<CRecord>();
    m_db->readRecord(id, *record);
    // Read at another desk: the report comes from the shared history.
    const QString report = m_db->localReport(*record, applicationDir + "/data_files");
    if (!report.isEmpty())
        record->reportPath = report;
    // The name as the list shows it.
    record->name = name;
    m_historyDetail->showRecord(record);
    m_compliance->recordOpened(id);
}

void CDravik::compareStoredRecords(const QVector<int> &ids, const QStringList &names)
{
    std::vector<CRecord> records(size_t(ids.size()));
    QVector<const CRecord *> loaded;
    for (int i = 0; i < ids.size(); ++i) {
        CRecord &record = records[size_t(i)];
        m_db->readRecord(ids.at(i), record);
        // A record deleted meanwhile is left out; one with a damaged summary
        // is still shown, as opening it shows it.
        if (record.id == 0) {
            qDebug() << "compare: no record" << ids.at(i);
            continue;
        }
        record.name = names.value(i);
        loaded.append(&record);
    }
    if (loaded.isEmpty())
        return;
    QVector<int> opened;
    for (const CRecord *record : qAsConst(loaded))
        opened.append(record->id);
    m_compliance->recordsCompared(opened);
    // A window of its own that closes itself; the curves keep no reference
    // to the records.
    auto *view = new CCompareView(this);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->showRecords(loaded);
    view->show();
}

void CDravik::closeEvent(QCloseEvent *event)
{
    const auto answer = CMessageBox::show(this, QMessageBox::Question, tr("ti shi"),
        tr("que ding tui chu Fenmor shang wei ji ruan jian ma ?"), tr("que ding"), tr("qu xiao"));
    if (answer == QMessageBox::Ok) {
        CWindowPlaces::save(this, { m_historySplitter }, m_rememberedTabs);
        event->accept();
    } else {
        event->ignore();
    }
}
