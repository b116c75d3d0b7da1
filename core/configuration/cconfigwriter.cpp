#include "core/configuration/cconfigwriter.h"

#include "core/configuration/cconfigvalues.h"
#include "core/configuration/csettingframe.h"
#include "core/device/chiddenfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTimeZone>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

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

bool finite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// A new file beside setting.ini for the frame. Its name ends in ".ini", so a
// file left behind by a killed process is never taken for the logger's
// report (the reading flow skips ".ini" files).
QString temporaryPath(const QString &driveRoot)
{
    const quint32 random = QRandomGenerator::global()->generate();
    return QDir(driveRoot).filePath(QStringLiteral("setting-%1.ini").arg(random, 8, 16, QLatin1Char('0')));
}

// A rename is durable once the directory holding it is synced too. Some file
// systems refuse to sync a directory; the rename stands all the same.
void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

void setReason(QString *reason, const QString &path, const QString &error)
{
    if (reason)
        *reason = QDir::toNativeSeparators(path) + QStringLiteral(": ") + error;
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
    // Every time of the frame carries its year in one byte.
    if (!CSettingFrame::yearFits(f.clock) || !CSettingFrame::yearFits(f.startTime)
        || !CSettingFrame::yearFits(f.stopTime))
        return YearOutOfRange;

    const double tempHigh = advanced ? v.tempHigh : v.basicTempHigh;
    const double tempLow = advanced ? v.tempLow : v.basicTempLow;
    const double humidityHigh = advanced ? v.humidityHigh : v.basicHumidityHigh;
    const double humidityLow = advanced ? v.humidityLow : v.basicHumidityLow;
    // NaN passes every comparison below and has no integer part to encode.
    if (!finite({ tempHigh, tempLow }) || (advanced && !finite({ v.tempAdjust }))
        || (env.humidity && !finite({ humidityHigh, humidityLow }))
        || (env.humidity && advanced && !finite({ v.humidityAdjust })))
        return NotANumber;
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
    // The calibration is written even while its field is hidden (it then
    // holds 0.0, which must stay 0.0 ℃ in either unit).
    if (advanced)
        f.tempAdjust = fahrenheit ? CSettingFrame::celsiusDifference(v.tempAdjust) : v.tempAdjust;
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

CConfigWriter::Status CConfigWriter::write(CConfigValues &values, Mode mode, const QString &driveRoot,
    const Environment &env, QString *reason, QByteArray *written)
{
    QByteArray frame;
    const Status status = buildFrame(values, mode, driveRoot, env, &frame);
    if (status != Written)
        return status;

    const QString path = settingFilePath(driveRoot);
    const QFileInfo old(path);
    const bool replacing = old.exists() || old.isSymLink();
    // A link is never followed (a dangling one would create its target
    // wherever it points): the rename below replaces the link itself.
    if (old.isSymLink()) {
        qDebug() << "setting.ini is a symbolic link; the link is replaced, its target left alone";
    } else if (old.isDir()) {
        qDebug() << "Can't open file for writing";
        setReason(reason, path, qt_error_string(EISDIR));
        return OpenFailed;
    }

    // A new file (O_EXCL: never an existing file or link), so that setting.ini
    // stays whole until the frame is safely on the drive.
    QFile file;
    for (int attempt = 0; attempt < 8 && !file.isOpen(); ++attempt) {
        file.setFileName(temporaryPath(driveRoot));
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
    }
    if (!file.isOpen()) {
        qDebug() << "Can't open file for writing";
        setReason(reason, path, file.errorString());
        return OpenFailed;
    }
    // A full drive or a file size limit shows as a short write, a pulled-out
    // drive at the latest when the file is synced.
    QString error;
    if (file.write(frame) != CSettingFrame::FrameSize)
        error = file.errorString();
    CHiddenFile::hide(file);
    if (error.isEmpty() && ::fsync(file.handle()) != 0)
        error = qt_error_string(errno);
    const QByteArray from = QFile::encodeName(file.fileName());
    if (error.isEmpty() && std::rename(from.constData(), QFile::encodeName(path).constData()) != 0)
        error = qt_error_string(errno);
    if (!error.isEmpty()) {
        qDebug() << "Writing setting.ini failed:" << error;
        file.close();
        file.remove();
        setReason(reason, path, error);
        return WriteFailed;
    }
    if (replacing)
        qDebug() << " remove the setting.ini";

    // The new name on the drive: FAT writes a file's directory entry when the
    // file is synced, other file systems when the directory is.
    if (::fsync(file.handle()) != 0)
        error = qt_error_string(errno);
    syncDirectory(driveRoot);
    file.close();
    if (!error.isEmpty()) {
        // Past the rename the old frame is gone; the drive may or may not keep
        // the new one.
        qDebug() << "Writing setting.ini failed:" << error;
        setReason(reason, path, error);
        return WriteFailed;
    }
    if (written)
        *written = frame;
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
    case NotANumber:
        return QStringLiteral("Alarm limits and calibration values must be valid numbers");
    case YearOutOfRange:
        return QStringLiteral("The computer's date and the timing start and stop times must lie between the "
                              "years 2000 and 2255");
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
