#include "gui/app/cudisk.h"

#include "core/device/cdriveprobe.h"
#include "core/device/cloggerfinder.h"
#include "core/device/cvolumewatcher.h"

CUdisk::CUdisk(QWidget *parent, std::unique_ptr<CDriveProbe> probe, std::unique_ptr<CVolumeWatcher> watcher)
    : QWidget(parent)
    , m_watcher(watcher ? std::move(watcher) : CVolumeWatcher::create())
    , m_probe(probe ? std::move(probe) : CDriveProbe::create())
{
    connect(m_watcher.get(), &CVolumeWatcher::volumeArrived, this, &CUdisk::sigUDiskCome);
    connect(m_watcher.get(), &CVolumeWatcher::volumeRemoved, this, [this] { emit sigUDiskRemove(); });
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
