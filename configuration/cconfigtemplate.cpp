#include "configuration/cconfigtemplate.h"

#include "app/appglobals.h"
#include "configuration/cconfigvalues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cmath>

QString CConfigTemplate::directory()
{
    return applicationDir + QStringLiteral("/setting_file_dir");
}

QString CConfigTemplate::pathFor(const QString &dir, const QString &name)
{
    return dir + QLatin1Char('/') + name + QStringLiteral(".ini");
}

bool CConfigTemplate::validName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/'));
}

bool CConfigTemplate::save(const QString &path, const CConfigValues &v)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue("base/temp-unit", v.fahrenheit ? 2 : 1);
    ini.setValue("base/runwayIdTxt", v.tripId);
    ini.setValue("base/runwayDescTxt", v.description);
    ini.setValue("base/startTypeCb", v.startType);
    ini.setValue("base/stopTypeCb", v.stopType);
    ini.setValue("base/startDelayTime", v.startDelay);
    ini.setValue("base/startDateTimeEdit", v.startTime);
    ini.setValue("base/stopDateTimeEdit", v.stopTime);
    ini.setValue("base/normalRecordSpace", v.normalInterval);
    ini.setValue("base/alarmRecordSpace", v.alarmInterval);
    ini.setValue("base/spinBox", v.alarmDelay);
    ini.setValue("alarm/tempHighSpinBox", v.tempHigh);
    ini.setValue("alarm/tempLowSpinBox", v.tempLow);
    ini.setValue("alarm/adjustTempSpinBox", v.tempAdjust);
    ini.setValue("alarm/humidityHighSpinBox", v.humidityHigh);
    ini.setValue("alarm/humidityLowSpinBox", v.humidityLow);
    ini.setValue("alarm/humidityAdjSpinBox", v.humidityAdjust);
    ini.setValue("export/file-lan", v.reportEnglish ? 2 : 1);
    ini.setValue("export/exportFileTypeCb", v.fileType);
    ini.setValue("option/repeatRecordComboBox", v.circular);
    ini.setValue("option/clearRecordComboBox", v.clearRecords);
    ini.setValue("option/restartComboBox", v.multipleStart);
    ini.setValue("option/lcdLightComboBox", v.display);
    ini.setValue("option/longPressedClearRecordComboBox", v.longPressClear);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

CConfigTemplate::Result CConfigTemplate::saveNamed(
    const QString &dir, const QString &name, const CConfigValues &values)
{
    if (!validName(name))
        return Result::InvalidName;
    const QString path = pathFor(dir, name);
    if (QFileInfo::exists(path))
        return Result::Exists;
    return save(path, values) ? Result::Done : Result::Failed;
}

bool CConfigTemplate::load(const QString &path, CConfigValues &v, const QDateTime &now)
{
    using namespace CConfigRange;
    using V = CConfigValues;
    const QSettings ini(path, QSettings::IniFormat);
    bool finite = true;
    for (const char *key : { "alarm/tempHighSpinBox", "alarm/tempLowSpinBox", "alarm/adjustTempSpinBox",
             "alarm/humidityHighSpinBox", "alarm/humidityLowSpinBox", "alarm/humidityAdjSpinBox" })
        finite = finite && std::isfinite(ini.value(QLatin1String(key)).toDouble());

    v.fahrenheit = ini.value("base/temp-unit").toInt() == 2;
    v.tripId = V::tripIdText(ini.value("base/runwayIdTxt").toString());
    // Set as a whole text, the cursor stands at the start: an overlong
    // description keeps its beginning.
    int cursor = 0;
    v.description = V::limitDescription(ini.value("base/runwayDescTxt").toString(), &cursor);
    v.startType = V::comboIndex(ini.value("base/startTypeCb").toInt(), StartTypes);
    v.stopType = V::comboIndex(ini.value("base/stopTypeCb").toInt(), StopTypes);
    const QDateTime start = ini.value("base/startDateTimeEdit").toDateTime();
    if (start.isValid())
        v.startTime = start;
    const QDateTime stop = ini.value("base/stopDateTimeEdit").toDateTime();
    if (stop.isValid())
        v.stopTime = stop;
    v.startDelay = V::bound(ini.value("base/startDelayTime").toInt(), DelayMin, DelayMax);
    v.normalInterval = V::bound(ini.value("base/normalRecordSpace").toInt(), IntervalMin, IntervalMax);
    v.alarmInterval = V::bound(ini.value("base/alarmRecordSpace").toInt(), IntervalMin, IntervalMax);
    v.alarmDelay = V::bound(ini.value("base/spinBox").toInt(), DelayMin, DelayMax);
    v.tempHigh = V::boundDecimal(ini.value("alarm/tempHighSpinBox").toDouble(), TempMin, TempMax);
    v.tempLow = V::boundDecimal(ini.value("alarm/tempLowSpinBox").toDouble(), TempMin, TempMax);
    v.tempAdjust = V::boundDecimal(ini.value("alarm/adjustTempSpinBox").toDouble(), TempMin, TempMax);
    v.humidityHigh
        = V::boundDecimal(ini.value("alarm/humidityHighSpinBox").toDouble(), HumidityMin, HumidityMax);
    v.humidityLow
        = V::boundDecimal(ini.value("alarm/humidityLowSpinBox").toDouble(), HumidityMin, HumidityMax);
    v.humidityAdjust = V::boundDecimal(
        ini.value("alarm/humidityAdjSpinBox").toDouble(), HumidityAdjustMin, HumidityAdjustMax);

    if (v.startType != 1)
        v.startDelay = 0;
    if (v.startType != 2)
        v.startTime = now;
    if (v.stopType != 1)
        v.stopTime = now;

    v.reportEnglish = ini.value("export/file-lan").toInt() == 2;
    v.fileType = V::comboIndex(ini.value("export/exportFileTypeCb").toInt(), FileTypes);
    v.circular = V::comboIndex(ini.value("option/repeatRecordComboBox").toInt(), OptionEntries);
    v.clearRecords = V::comboIndex(ini.value("option/clearRecordComboBox").toInt(), OptionEntries);
    v.multipleStart = V::comboIndex(ini.value("option/restartComboBox").toInt(), OptionEntries);
    v.display = V::comboIndex(ini.value("option/lcdLightComboBox").toInt(), OptionEntries);
    v.longPressClear
        = V::comboIndex(ini.value("option/longPressedClearRecordComboBox").toInt(), OptionEntries);
    return finite;
}

QStringList CConfigTemplate::pageList(const QString &dir)
{
    QStringList names;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.completeSuffix() == QLatin1String("ini"))
            names.append(entry.fileName());
    }
    return names;
}

QStringList CConfigTemplate::managerList(const QString &dir)
{
    QStringList names;
    // QDir's size order is largest first.
    const QFileInfoList entries = QDir(dir).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot,
        QDir::Size | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().toLower() == QLatin1String("ini"))
            names.append(entry.fileName());
    }
    return names;
}

CConfigTemplate::Result CConfigTemplate::rename(
    const QString &dir, const QString &fileName, const QString &newName)
{
    if (!validName(newName))
        return Result::InvalidName;
    const QString target = pathFor(dir, newName);
    if (QFileInfo::exists(target))
        return Result::Exists;
    return QFile::rename(dir + QLatin1Char('/') + fileName, target) ? Result::Done : Result::Failed;
}

bool CConfigTemplate::remove(const QString &dir, const QString &fileName)
{
    return QFile::remove(dir + QLatin1Char('/') + fileName);
}
