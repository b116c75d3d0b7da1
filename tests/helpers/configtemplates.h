#ifndef CONFIGTEMPLATES_H
#define CONFIGTEMPLATES_H

#include <QDateTime>
#include <QSettings>
#include <QString>

// The two templates of the reference frames, written key by key as the
// configuration page stores them.
inline void writeTemplateF(const QString &path)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue("base/temp-unit", 2);
    ini.setValue("base/runwayIdTxt", "TRIP2026");
    ini.setValue("base/runwayDescTxt", "Cold chain 7");
    ini.setValue("base/startTypeCb", 2);
    ini.setValue("base/stopTypeCb", 1);
    ini.setValue("base/startDelayTime", 15);
    ini.setValue("base/startDateTimeEdit", QDateTime(QDate(2026, 3, 8), QTime(6, 30)));
    ini.setValue("base/stopDateTimeEdit", QDateTime(QDate(2026, 3, 20), QTime(18, 0)));
    ini.setValue("base/normalRecordSpace", 300);
    ini.setValue("base/alarmRecordSpace", 65);
    ini.setValue("base/spinBox", 10);
    ini.setValue("alarm/tempHighSpinBox", 46.4);
    ini.setValue("alarm/tempLowSpinBox", 33.8);
    ini.setValue("alarm/adjustTempSpinBox", 32.9);
    ini.setValue("alarm/humidityHighSpinBox", 85.5);
    ini.setValue("alarm/humidityLowSpinBox", 20.0);
    ini.setValue("alarm/humidityAdjSpinBox", 1.5);
    ini.setValue("export/file-lan", 2);
    ini.setValue("export/exportFileTypeCb", 2);
    ini.setValue("option/repeatRecordComboBox", 1);
    ini.setValue("option/clearRecordComboBox", 1);
    ini.setValue("option/restartComboBox", 0);
    ini.setValue("option/lcdLightComboBox", 1);
    ini.setValue("option/longPressedClearRecordComboBox", 1);
}

inline void writeTemplateC(const QString &path)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue("base/temp-unit", 1);
    ini.setValue("base/runwayIdTxt", "CHINA001");
    ini.setValue("base/runwayDescTxt", QString::fromUtf8("冷链运输"));
    ini.setValue("base/startTypeCb", 1);
    ini.setValue("base/stopTypeCb", 0);
    ini.setValue("base/startDelayTime", 45);
    ini.setValue("base/startDateTimeEdit", QDateTime(QDate(2026, 4, 1), QTime(0, 0)));
    ini.setValue("base/stopDateTimeEdit", QDateTime(QDate(2026, 4, 2), QTime(0, 0)));
    ini.setValue("base/normalRecordSpace", 600);
    ini.setValue("base/alarmRecordSpace", 300);
    ini.setValue("base/spinBox", 0);
    ini.setValue("alarm/tempHighSpinBox", 8.0);
    ini.setValue("alarm/tempLowSpinBox", -20.5);
    ini.setValue("alarm/adjustTempSpinBox", -0.5);
    ini.setValue("alarm/humidityHighSpinBox", 70.0);
    ini.setValue("alarm/humidityLowSpinBox", 90.0); // reversed, but no humidity sensor
    ini.setValue("alarm/humidityAdjSpinBox", 0.0);
    ini.setValue("export/file-lan", 1);
    ini.setValue("export/exportFileTypeCb", 1);
    ini.setValue("option/repeatRecordComboBox", 0);
    ini.setValue("option/clearRecordComboBox", 0);
    ini.setValue("option/restartComboBox", 1);
    ini.setValue("option/lcdLightComboBox", 0);
    ini.setValue("option/longPressedClearRecordComboBox", 0);
}

#endif // CONFIGTEMPLATES_H
