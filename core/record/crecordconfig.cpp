#include "core/record/crecordconfig.h"

#include "core/record/appglobals.h"

#include <QMutexLocker>
#include <QSettings>

CRecordConfig *CRecordConfig::m_instance = nullptr;
QMutex CRecordConfig::m_mutex;

CRecordConfig::CRecordConfig(QObject *parent)
    : QObject(parent)
{
}

CRecordConfig *CRecordConfig::instance()
{
    QMutexLocker locker(&m_mutex);
    if (!m_instance)
        m_instance = new CRecordConfig;
    return m_instance;
}

void CRecordConfig::load()
{
    if (m_settings)
        return;
    m_settings = new QSettings(configDirectory() + "/record-config.ini", QSettings::IniFormat, this);
    m_settings->beginGroup("record");
    // Only "1033" means English; a missing key or anything else is Chinese.
    const QString formLan = m_settings->value("formLan").toString();
    languageCode = formLan == QLatin1String("1033") ? QStringLiteral("en") : QStringLiteral("zh_CN");
    // A missing or non-numeric value reads as 0 (toInt fails to 0).
    tempAdjust = m_settings->value("tempAdjust").toInt();
    m_settings->endGroup();
}

void CRecordConfig::setTempAdjust(int value)
{
    if (!m_settings)
        return;
    if (m_mainWindow)
        m_mainWindow->calibrationDisplayChanged(value == 1);
    m_settings->beginGroup("record");
    m_settings->setValue("tempAdjust", value);
    m_settings->endGroup();
    m_settings->sync();
}

void CRecordConfig::setFormLan(const QString &value)
{
    if (!m_settings)
        return;
    m_settings->beginGroup("record");
    m_settings->setValue("formLan", value);
    m_settings->endGroup();
    m_settings->sync();
}

QString CRecordConfig::historyUrl() const
{
    if (qEnvironmentVariableIsSet("VESMIRA_HISTORY"))
        return qEnvironmentVariable("VESMIRA_HISTORY").trimmed();
    if (!m_settings)
        return QString();
    return m_settings->value(QStringLiteral("history/url")).toString().trimmed();
}

QVariant CRecordConfig::remembered(const QString &key) const
{
    return m_settings ? m_settings->value(key) : QVariant();
}

void CRecordConfig::remember(const QString &key, const QVariant &value)
{
    if (!m_settings)
        return;
    m_settings->setValue(key, value);
    m_settings->sync();
}

void CRecordConfig::setMainWindow(CCalibrationDisplayListener *window)
{
    m_mainWindow = window;
}

CCalibrationDisplayListener *CRecordConfig::mainWindow() const
{
    return m_mainWindow;
}
