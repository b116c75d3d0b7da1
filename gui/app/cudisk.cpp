#include "gui/app/cudisk.h"

#include "core/device/cdriveprobe_linux.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cmountwatcher_linux.h"

CUdisk::CUdisk(QWidget *parent, const QString &mountInfoPath, const QString &sysfsRoot)
    : QWidget(parent)
    , m_watcher(new CMountWatcher(mountInfoPath, this))
    , m_probe(std::make_unique<CDriveProbeLinux>(mountInfoPath, sysfsRoot))
{
    connect(m_watcher, &CMountWatcher::mountArrived, this, &CUdisk::sigUDiskCome);
    connect(m_watcher, &CMountWatcher::mountRemoved, this, [this] { emit sigUDiskRemove(); });
}

CUdisk::~CUdisk() = default;

QString CUdisk::findLogger(CDriveProbe &probe)
{
    return CLoggerFinder(probe).findLogger();
}

bool CUdisk::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(eventType)
    Q_UNUSED(message)
    Q_UNUSED(result)
    return false;
}
