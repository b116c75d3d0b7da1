#include "gui/app/cdravik.h"

#include "core/device/cdriveprobe.h"
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
#include "gui/app/csearchdevice.h"
#include "gui/app/cudisk.h"
#include "gui/app/cwindowplaces.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/configuration/csettingfilemanager.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/cdevicedatainfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

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
    m_historyDetail->setDatabase(m_db);
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
