#include "core/configuration/csettingframe.h"

#include "core/report/gbkcodeutils.h"

#include <QTimeZone>
#include <cmath>

namespace {

constexpr quint8 Unchanged = 0xFF;

// Offsets of the frame (see the table in the header).
enum Offset {
    OffHead = 0,
    OffFileType = 10,
    OffTempUnit = 11,
    OffStartMode = 12,
    OffStartDelay = 13,
    OffStartTime = 14,
    OffStopMode = 19,
    OffStopTime = 20,
    OffNormalInterval = 25,
    OffAlarmInterval = 27,
    OffAlarmDelay = 29,
    OffTempHigh = 30,
    OffTempLow = 32,
    OffTempAdjust = 34,
    OffHumidityHigh = 36,
    OffHumidityLow = 38,
    OffHumidityAdjust = 40,
    OffZone = 42,
    OffClock = 43,
    OffCircular = 50,
    OffClearRecords = 51,
    OffMultipleStart = 52,
    OffLongPressClear = 53,
    OffReportLanguage = 54,
    OffDescription = 55,
    OffTripId = 87,
    OffDisplay = 95,
    OffMode = 96,
    OffDescriptionFlag = 97,
    OffReserved98 = 98,
    OffCheck = 99,
    OffTail = 100,
};

struct ZoneLabel {
    const char *label;
    quint8 code;
};

// Searched in this order; the first label found wins.
const ZoneLabel zoneTable[] = {
    { "UTC+00:00", 0x00 },
    { "UTC+01:00", 0x01 },
    { "UTC+02:00", 0x02 },
    { "UTC+03:00", 0x03 },
    { "UTC+04:00", 0x04 },
    { "UTC+05:00", 0x05 },
    { "UTC+05:30", 0x37 },
    { "UTC+06:00", 0x06 },
    { "UTC+07:00", 0x07 },
    { "UTC+08:00", 0x08 },
    { "UTC+09:00", 0x09 },
    { "UTC+10:00", 0x0A },
    { "UTC+11:00", 0x0B },
    { "UTC+12:00", 0x0C },
    { "UTC-01:00", 0x81 },
    { "UTC-02:00", 0x82 },
    { "UTC-03:00", 0x83 },
    { "UTC-04:00", 0x84 },
    { "UTC-05:00", 0x85 },
    { "UTC-06:00", 0x86 },
    { "UTC-07:00", 0x87 },
    { "UTC-08:00", 0x88 },
    { "UTC-09:00", 0x89 },
    { "UTC-10:00", 0x8A },
    { "UTC-11:00", 0x8B },
    { "UTC-12:00", 0x8C },
};

void put(QByteArray &frame, int offset, const std::optional<int> &value)
{
    frame[offset] = char(value ? quint8(*value) : Unchanged);
}

void put(QByteArray &frame, int offset, const QByteArray &bytes)
{
    frame.replace(offset, bytes.size(), bytes);
}

void putLimit(QByteArray &frame, int offset, const std::optional<double> &value)
{
    put(frame, offset, value ? CSettingFrame::limitBytes(*value) : QByteArray(2, char(Unchanged)));
}

} // namespace

QByteArray CSettingFrame::encode(const Values &v)
{
    QByteArray frame(FrameSize, char(Unchanged));
    frame[OffHead] = char(0xFF);
    frame[OffHead + 1] = char(0x55);

    put(frame, OffFileType, v.fileType);
    put(frame, OffTempUnit, v.tempUnit);
    put(frame, OffStartMode, v.startMode);
    put(frame, OffStartDelay, v.startDelay);
    put(frame, OffStartTime, timeBytes(v.startTime));
    put(frame, OffStopMode, v.stopMode);
    put(frame, OffStopTime, timeBytes(v.stopTime));
    put(frame, OffNormalInterval, intervalBytes(v.normalInterval));
    put(frame, OffAlarmInterval, intervalBytes(v.alarmInterval));
    frame[OffAlarmDelay] = char(quint8(v.alarmDelay));
    putLimit(frame, OffTempHigh, v.tempHigh);
    putLimit(frame, OffTempLow, v.tempLow);
    putLimit(frame, OffTempAdjust, v.tempAdjust);
    putLimit(frame, OffHumidityHigh, v.humidityHigh);
    putLimit(frame, OffHumidityLow, v.humidityLow);
    putLimit(frame, OffHumidityAdjust, v.humidityAdjust);
    frame[OffZone] = char(v.zoneCode);
    put(frame, OffClock, clockBytes(v.clock));
    put(frame, OffCircular, v.circular);
    put(frame, OffClearRecords, v.clearRecords);
    put(frame, OffMultipleStart, v.multipleStart);
    put(frame, OffLongPressClear, v.longPressClear);
    put(frame, OffReportLanguage, v.reportLanguage);

    QByteArray description = descriptionBytes(v.description).left(DescriptionSize);
    description.append(QByteArray(DescriptionSize - description.size(), '\0'));
    put(frame, OffDescription, description);
    QByteArray tripId = v.tripId.toLatin1().left(TripIdSize);
    tripId.append(QByteArray(TripIdSize - tripId.size(), '\0'));
    put(frame, OffTripId, tripId);

    put(frame, OffDisplay, v.displayMode);
    frame[OffMode] = char(v.advanced ? 0x00 : Unchanged);
    frame[OffDescriptionFlag] = char(holdsChinese(v.description) ? 0 : 1);
    frame[OffReserved98] = char(Unchanged);
    frame[OffCheck] = char(checkByte(frame));
    frame[OffTail] = char(0xAA);
    frame[OffTail + 1] = char(0xFF);
    return frame;
}

QByteArray CSettingFrame::limitBytes(double value)
{
    const double magnitude = std::fabs(value);
    const int integer = int(magnitude); // truncated toward zero
    int tenths = int(std::round((magnitude - integer) * 10)); // halves away from zero
    if (tenths == 10)
        tenths = 9;
    int first = integer;
    if (value < 0 && (integer != 0 || tenths != 0))
        first = 0x80 + integer;
    QByteArray bytes(2, '\0');
    bytes[0] = char(quint8(first));
    bytes[1] = char(quint8(tenths));
    return bytes;
}

double CSettingFrame::celsiusFromFahrenheit(double fahrenheit)
{
    return std::round((fahrenheit - 32) * 5 / 9 * 10) / 10;
}

double CSettingFrame::celsiusDifference(double fahrenheit)
{
    return std::round(fahrenheit * 5 / 9 * 10) / 10;
}

double CSettingFrame::fahrenheitDifference(double celsius)
{
    return std::round(celsius * 9 / 5 * 10) / 10;
}

int CSettingFrame::correctInterval(int seconds)
{
    if (seconds < 10)
        return 10;
    return seconds - seconds % 10;
}

QByteArray CSettingFrame::intervalBytes(int seconds)
{
    const quint16 units = quint16(seconds / 10);
    QByteArray bytes(2, '\0');
    bytes[0] = char(units >> 8);
    bytes[1] = char(units & 0xFF);
    return bytes;
}

quint8 CSettingFrame::zoneCode(const QString &zoneComment)
{
    QString head = zoneComment;
    const int close = head.indexOf(QLatin1Char(')'));
    if (close >= 0)
        head.truncate(close + 1);
    for (const ZoneLabel &zone : zoneTable) {
        if (head.contains(QLatin1String(zone.label)))
            return zone.code;
    }
    return 0x00;
}

QString CSettingFrame::zoneComment(const QTimeZone &zone, const QDateTime &at)
{
    const int offset = zone.standardTimeOffset(at);
    const int minutes = std::abs(offset) / 60;
    return QString("(UTC%1%2:%3)")
        .arg(offset < 0 ? '-' : '+')
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QByteArray CSettingFrame::timeBytes(const QDateTime &time)
{
    if (!time.isValid())
        return QByteArray(5, char(Unchanged));
    const QDate date = time.date();
    const QTime clock = time.time();
    QByteArray bytes(5, '\0');
    bytes[0] = char(quint8(date.year() - 2000));
    bytes[1] = char(date.month());
    bytes[2] = char(date.day());
    bytes[3] = char(clock.hour());
    bytes[4] = char(clock.minute());
    return bytes;
}

bool CSettingFrame::yearFits(const QDateTime &time)
{
    if (!time.isValid())
        return true;
    const int year = time.date().year();
    return year >= MinYear && year <= MaxYear;
}

QByteArray CSettingFrame::clockBytes(const QDateTime &now)
{
    QByteArray bytes = timeBytes(now);
    bytes.append(char(now.time().second()));
    bytes.append(char(now.date().dayOfWeek()));
    return bytes;
}

QByteArray CSettingFrame::descriptionBytes(const QString &description)
{
    return GbkCodeUtils::toGbk(description);
}

bool CSettingFrame::holdsChinese(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FA5)
            return true;
    }
    return false;
}

quint8 CSettingFrame::checkByte(const QByteArray &frame)
{
    quint8 sum = 0;
    for (int i = 1; i <= 98 && i < frame.size(); ++i)
        sum ^= quint8(frame.at(i));
    return quint8(~sum);
}
