#include "core/record/crecordtime.h"

#include <QHash>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The date of a day since 1970-01-01 (the inverse of daysFromCivil).
void civilFromDays(qint64 z, int &y, int &m, int &d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = int(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = int(yoe + era * 400) + (m <= 2);
}

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Reads count digits at pos; -1 when one of them is not a digit.
int digits(QStringView text, int pos, int count)
{
    int value = 0;
    for (int i = pos; i < pos + count; ++i) {
        const ushort c = text[i].unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// UTC offsets of local hours (key: local seconds / 3600). An hour whose first
// and last second have different offsets (a transition inside it, or a time
// in a gap) is marked as not cacheable and converted exactly each time.
struct ZoneCache {
    static constexpr int uncacheable = 0x7fffffff;
    QHash<qint64, int> offsets;
    qint64 lastHour = CRecordTime::invalidSecs;
    int lastOffset = 0;
    // The hour asked last by its fields, for the next sample of that hour.
    int lastYear = 0, lastMonth = 0, lastDay = 0, lastHourOfDay = -1;
};

thread_local ZoneCache zoneCache;

qint64 exactSecs(const CRecordTime &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::LocalTime)
        .toSecsSinceEpoch();
}

int hourOffset(const CRecordTime &t)
{
    const QDate date(t.year, t.month, t.day);
    const QDateTime first(date, QTime(t.hour, 0, 0), Qt::LocalTime);
    const QDateTime last(date, QTime(t.hour, 59, 59), Qt::LocalTime);
    if (!first.isValid() || !last.isValid())
        return ZoneCache::uncacheable;
    const int offset = first.offsetFromUtc();
    // The offset must also describe the mapping itself: in a gap Qt moves
    // the time and the plain "local - offset" would not match it.
    if (last.offsetFromUtc() != offset || first.time() != QTime(t.hour, 0, 0)
        || last.time() != QTime(t.hour, 59, 59))
        return ZoneCache::uncacheable;
    return offset;
}

} // namespace

CRecordTime CRecordTime::fromText(QStringView text)
{
    CRecordTime t;
    // A Chinese text report may print its sample dates as "2021年08月02日":
    // the record keeps them as printed, their time is the same.
    if (text.size() == 20 && text[4] == QChar(0x5E74) && text[7] == QChar(0x6708)
        && text[10] == QChar(0x65E5)) {
        const QString plain = text.left(4).toString() + QLatin1Char('/') + text.mid(5, 2).toString()
            + QLatin1Char('/') + text.mid(8, 2).toString() + text.mid(11).toString();
        return fromText(plain);
    }
    if (text.size() != 19 || text[4] != QLatin1Char('/') || text[7] != QLatin1Char('/')
        || text[10] != QLatin1Char(' ') || text[13] != QLatin1Char(':') || text[16] != QLatin1Char(':'))
        return t;
    return fromFields(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2), digits(text, 11, 2),
        digits(text, 14, 2), digits(text, 17, 2));
}

CRecordTime CRecordTime::fromFields(int y, int mo, int d, int h, int mi, int s)
{
    CRecordTime t;
    // QDate has no year 0; a year of five digits has no text form here.
    if (y <= 0 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo) || h < 0 || h > 23
        || mi < 0 || mi > 59 || s < 0 || s > 59)
        return t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    return t;
}

CRecordTime CRecordTime::fromDateTime(const QDateTime &dateTime)
{
    CRecordTime t;
    if (!dateTime.isValid())
        return t;
    const QDateTime local = dateTime.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    return t;
}

qint64 CRecordTime::toSecsSinceEpoch() const
{
    if (!isValid())
        return invalidSecs;
    ZoneCache &cache = zoneCache;
    // Most samples share the hour of the one before.
    if (hour == cache.lastHourOfDay && day == cache.lastDay && month == cache.lastMonth
        && year == cache.lastYear && cache.lastOffset != ZoneCache::uncacheable)
        return cache.lastHour * 3600 + minute * 60 + second - cache.lastOffset;
    const qint64 local = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    const qint64 hourKey = local >= 0 ? local / 3600 : (local - 3599) / 3600;
    cache.lastYear = year;
    cache.lastMonth = month;
    cache.lastDay = day;
    cache.lastHourOfDay = hour;
    int offset;
    if (hourKey == cache.lastHour) {
        offset = cache.lastOffset;
    } else {
        const auto it = cache.offsets.constFind(hourKey);
        if (it != cache.offsets.constEnd()) {
            offset = *it;
        } else {
            offset = hourOffset(*this);
            // A record spans at most a few thousand hours; keep the cache
            // from growing without bound over many records anyway.
            if (cache.offsets.size() > 100000)
                cache.offsets.clear();
            cache.offsets.insert(hourKey, offset);
        }
        cache.lastHour = hourKey;
        cache.lastOffset = offset;
    }
    if (offset == ZoneCache::uncacheable)
        return exactSecs(*this);
    return local - offset;
}

QDateTime CRecordTime::toDateTime() const
{
    if (!isValid())
        return QDateTime();
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::LocalTime);
}

qint64 CRecordTime::toWallSecs() const
{
    if (!isValid())
        return invalidSecs;
    return daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

CRecordTime CRecordTime::fromWallSecs(qint64 secs)
{
    const qint64 days = secs >= 0 ? secs / 86400 : (secs - 86399) / 86400;
    const int rest = int(secs - days * 86400);
    CRecordTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = rest / 3600;
    t.minute = rest / 60 % 60;
    t.second = rest % 60;
    return t;
}

QString CRecordTime::toText() const
{
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
}

void CRecordTime::resetZoneCache()
{
    zoneCache.offsets.clear();
    zoneCache.lastHour = invalidSecs;
    zoneCache.lastHourOfDay = -1;
}
