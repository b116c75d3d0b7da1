#ifndef CCONFIGVALUES_H
#define CCONFIGVALUES_H

#include <QDateTime>
#include <QString>

class CDeviceSettingInfo;

// Everything the configuration page holds, in the page's own terms: combo
// box indexes, temperatures in the unit chosen beside them, intervals in
// seconds. The page and vesmira-cli both work on it, so both load templates,
// validate and write exactly alike. Every setter of the page's controls keeps
// the values inside the ranges below, and so does every function here that
// stands in for a control (bound, boundDecimal, comboIndex, tripIdText,
// limitDescription).
struct CConfigValues {
    // ---- advanced page
    bool fahrenheit = false; // tempUnitFRb checked (else tempUnitDuRb)
    QString tripId = QStringLiteral("XC000000"); // runwayIdTxt
    QString description; // runwayDescTxt, plain text
    int startType = 0; // startTypeCb: 0 key, 1 key after a delay, 2 timed, 3 at once
    int stopType = 0; // stopTypeCb: 0 key, 1 timed
    int startDelay = 0; // startDelayTime, minutes
    QDateTime startTime; // startDateTimeEdit
    QDateTime stopTime; // stopDateTimeEdit
    int normalInterval = 60; // normalRecordSpace, seconds
    int alarmInterval = 30; // alarmRecordSpace, seconds
    int alarmDelay = 0; // spinBox, minutes
    double tempHigh = 70.0; // tempHighSpinBox
    double tempLow = -30.0; // tempLowSpinBox
    double tempAdjust = 0.0; // adjustTempSpinBox
    double humidityHigh = 99.9; // humidityHighSpinBox
    double humidityLow = 1.0; // humidityLowSpinBox
    double humidityAdjust = 0.0; // humidityAdjSpinBox
    bool reportEnglish = false; // reportEnRb checked (else reportZhRb)
    int fileType = 0; // exportFileTypeCb: 0 PDF, 1 TXT, 2 CSV
    int circular = 0; // repeatRecordComboBox
    int clearRecords = 0; // clearRecordComboBox
    int multipleStart = 0; // restartComboBox
    int display = 0; // lcdLightComboBox: 0 off after a time, 1 always on
    int longPressClear = 0; // longPressedClearRecordComboBox

    // ---- basic page
    int basicNormalInterval = 60; // normalRecordSpace2
    int basicAlarmInterval = 30; // alarmRecordSpace2
    double basicTempHigh = 70.0; // tempHighSpinBox2
    double basicTempLow = -30.0; // tempLowSpinBox2
    double basicHumidityHigh = 99.9; // humidityHighSpinBox2
    double basicHumidityLow = 1.0; // humidityLowSpinBox2
    QString basicTripId = QStringLiteral("XC000000"); // runwayIdTxt2
    QString basicDescription; // runwayDescTxt2
    // The logger read last reports in ℉ (the basic page has no unit choice).
    bool basicFahrenheit = false;

    // The page as constructed: the values above, both times now.
    static CConfigValues defaults(const QDateTime &now);

    // Fills the advanced page from a logger's configuration as its report
    // states it (texts compared by substring). Numbers that do not parse give
    // 0; a start or stop time that does not parse stays now. The humidity
    // fields stay as they are for a record without humidity; a ℃ calibration
    // is shown in ℉ when the report is in ℉.
    void fillFromDeviceInfo(const CDeviceSettingInfo &info, const QDateTime &now);

    // The model rule: loggers of these models write TXT reports only.
    static bool txtOnlyModel(const QString &deviceModel);

    // What the controls do with a value set on them: spin boxes clamp,
    // decimal spin boxes round to one decimal and clamp, combo boxes take -1
    // (no entry) for an index out of range, the trip ID fields keep 8
    // characters.
    static int bound(int value, int min, int max);
    static double boundDecimal(double value, double min, double max);
    static int comboIndex(int index, int count);
    static QString tripIdText(const QString &text);

    // The description length limit: 16 characters when the text holds a
    // Chinese character, else 32.
    static int descriptionLimit(const QString &text);
    // Applies the limit after an edit that left the cursor at cursor: the
    // characters over the limit are removed just before the cursor (what was
    // typed or pasted last); when fewer stand before it the text keeps its
    // beginning. cursor is moved to where the removed run began.
    static QString limitDescription(const QString &text, int *cursor);
};

// The ranges of the page's controls.
namespace CConfigRange {
constexpr int DelayMin = 0, DelayMax = 240;
constexpr int IntervalMin = 10, IntervalMax = 86400, IntervalStep = 10;
constexpr double TempMin = -1000.0, TempMax = 1000.0;
constexpr double HumidityMin = 1.0, HumidityMax = 99.9;
constexpr double HumidityAdjustMin = 0.0, HumidityAdjustMax = 99.9;
constexpr int StartTypes = 4, StopTypes = 2, FileTypes = 3, OptionEntries = 2;
} // namespace CConfigRange

#endif // CCONFIGVALUES_H
