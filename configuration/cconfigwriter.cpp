#include "configuration/cconfigwriter.h"

#include "configuration/cconfigvalues.h"
#include "configuration/chiddenfile.h"
#include "configuration/csettingframe.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTimeZone>
#include <cmath>
#include <optional>

namespace {

// A combo box index as a frame byte: index + offset, none selected leaves
// the setting unchanged.
std::optional<int> comboByte(int index, int offset)
{
    if (index < 0)
        return std::nullopt;
    return index + offset;
}

// The limit value of the frame carries a 7-bit integer part.
bool representable(double celsius)
{
    return int(std::fabs(celsius)) <= 127;
}

} // namespace

CConfigWriter::Environment CConfigWriter::systemEnvironment(bool humidity)
{
    Environment env;
    env.now = QDateTime::currentDateTime();
    env.zoneComment = systemZoneComment(env.now);
    env.humidity = humidity;
    return env;
}

QString CConfigWriter::systemZoneComment(const QDateTime &now)
{
    return CSettingFrame::zoneComment(QTimeZone::systemTimeZone(), now);
}

CConfigWriter::Status CConfigWriter::buildFrame(
    CConfigValues &v, Mode mode, const QString &driveRoot, const Environment &env, QByteArray *frame)
{
    const bool advanced = mode == Advanced;
    CSettingFrame::Values f;
    f.advanced = advanced;

    // Fields that need no validation; the basic page leaves them unchanged.
    if (advanced) {
        f.fileType = comboByte(v.fileType, 1);
        f.tempUnit = v.fahrenheit ? 2 : 1;
        f.startMode = comboByte(v.startType, 1);
        f.startTime = v.startTime;
        f.stopMode = comboByte(v.stopType, 1);
        f.stopTime = v.stopTime;
        f.circular = comboByte(v.circular, 0);
        f.clearRecords = comboByte(v.clearRecords, 0);
        f.multipleStart = comboByte(v.multipleStart, 0);
        f.longPressClear = comboByte(v.longPressClear, 0);
        f.reportLanguage = v.reportEnglish ? 2 : 1;
        // The first entry switches the display off after a time (2).
        if (v.display == 0)
            f.displayMode = 2;
        else if (v.display == 1)
            f.displayMode = 1;
    }
    // The alarm delay comes from the advanced page in both modes.
    f.alarmDelay = v.alarmDelay;
    f.zoneCode = CSettingFrame::zoneCode(env.zoneComment);
    f.clock = env.now;

    f.tripId = advanced ? v.tripId : v.basicTripId;
    if (f.tripId.size() != CSettingFrame::TripIdSize)
        return TripIdLength;
    if (driveRoot.isEmpty() || !QDir(driveRoot).exists())
        return DeviceUnavailable;
    f.description = advanced ? v.description : v.basicDescription;
    if (CSettingFrame::descriptionBytes(f.description).size() > CSettingFrame::DescriptionSize)
        return DescriptionTooLong;

    const double tempHigh = advanced ? v.tempHigh : v.basicTempHigh;
    const double tempLow = advanced ? v.tempLow : v.basicTempLow;
    const double humidityHigh = advanced ? v.humidityHigh : v.basicHumidityHigh;
    const double humidityLow = advanced ? v.humidityLow : v.basicHumidityLow;
    if (tempLow > tempHigh)
        return TempLimitsReversed;
    if (env.humidity && humidityLow > humidityHigh)
        return HumidityLimitsReversed;
    const bool fahrenheit = advanced ? v.fahrenheit : v.basicFahrenheit;
    auto celsius = [fahrenheit](double value) {
        return fahrenheit ? CSettingFrame::celsiusFromFahrenheit(value) : value;
    };
    f.tempHigh = celsius(tempHigh);
    f.tempLow = celsius(tempLow);
    if (advanced)
        f.tempAdjust = celsius(v.tempAdjust);
    if (!representable(f.tempHigh) || !representable(f.tempLow) || !representable(f.tempAdjust.value_or(0)))
        return ValueOutOfRange;

    if (advanced) {
        f.startDelay = v.startDelay;
        v.normalInterval = CSettingFrame::correctInterval(v.normalInterval);
        v.alarmInterval = CSettingFrame::correctInterval(v.alarmInterval);
        f.normalInterval = v.normalInterval;
        f.alarmInterval = v.alarmInterval;
    } else {
        v.basicNormalInterval = CSettingFrame::correctInterval(v.basicNormalInterval);
        v.basicAlarmInterval = CSettingFrame::correctInterval(v.basicAlarmInterval);
        f.normalInterval = v.basicNormalInterval;
        f.alarmInterval = v.basicAlarmInterval;
    }
    if (env.humidity) {
        f.humidityHigh = humidityHigh;
        f.humidityLow = humidityLow;
        if (advanced)
            f.humidityAdjust = v.humidityAdjust;
    }

    *frame = CSettingFrame::encode(f);
    return Written;
}

CConfigWriter::Status CConfigWriter::write(
    CConfigValues &values, Mode mode, const QString &driveRoot, const Environment &env)
{
    QByteArray frame;
    const Status status = buildFrame(values, mode, driveRoot, env, &frame);
    if (status != Written)
        return status;

    const QString path = settingFilePath(driveRoot);
    if (QFile::exists(path)) {
        QFile::remove(path);
        qDebug() << " remove the setting.ini";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug() << "Can't open file for writing";
        return OpenFailed;
    }
    // A drive pulled out or full shows as a short write or a failed flush.
    bool complete = file.write(frame) == CSettingFrame::FrameSize && file.flush();
    CHiddenFile::hide(file);
    file.close();
    complete = complete && file.error() == QFileDevice::NoError;
    if (!complete) {
        qDebug() << "Writing setting.ini failed:" << file.errorString();
        return WriteFailed;
    }
    return Written;
}

QString CConfigWriter::settingFilePath(const QString &driveRoot)
{
    return QDir(driveRoot).filePath(QStringLiteral("setting.ini"));
}

QString CConfigWriter::englishMessage(Status status)
{
    switch (status) {
    case Written:
        return QStringLiteral(
            "Configuration written successfully, please disconnect logger to make configuration effective.");
    case TripIdLength:
        return QStringLiteral("Trip ID should be 8 characters");
    case DeviceUnavailable:
        return QStringLiteral("Logger device unavailable");
    case DescriptionTooLong:
        return QStringLiteral("Trip description no longer than 32 characters (or 16 Chinese characters)");
    case TempLimitsReversed:
    case HumidityLimitsReversed:
        return limitMessage(status, QStringLiteral("en")).text;
    case ValueOutOfRange:
        return QString::fromUtf8("Temperature limits and calibration must lie between -127.9 ℃ and 127.9 ℃");
    case OpenFailed:
        return QStringLiteral("Can't open file for writing");
    case WriteFailed:
        return QStringLiteral(
            "Writing the configuration to the logger failed. Please check that the logger is "
            "still connected and has free space.");
    }
    return QString();
}

CConfigWriter::Message CConfigWriter::limitMessage(Status status, const QString &languageCode)
{
    const bool humidity = status == HumidityLimitsReversed;
    if (languageCode == QLatin1String("en")) {
        return { QStringLiteral("Error"),
            humidity ? QStringLiteral(
                "The upper limit of humidity cannot be less than the lower limit of humidity")
                     : QStringLiteral(
                         "The upper limit of temperature cannot be less than the lower limit of temperature"),
            QStringLiteral("OK") };
    }
    return { QString::fromUtf8("错误"),
        humidity ? QString::fromUtf8("湿度上限不能小于湿度下限")
                 : QString::fromUtf8("温度上限不能小于温度下限"),
        QString::fromUtf8("确 定") };
}
