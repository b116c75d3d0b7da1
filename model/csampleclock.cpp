#include "model/csampleclock.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {

// Reads 1..maxDigits decimal digits at pos; -1 when there is none.
int number(const QString &text, int &pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text.at(pos).isDigit() && text.at(pos).unicode() < 128) {
        value = value * 10 + (text.at(pos).unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits ? value : -1;
}

bool expect(const QString &text, int &pos, char c)
{
    if (pos < text.size() && text.at(pos) == QLatin1Char(c)) {
        ++pos;
        return true;
    }
    return false;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
qint64 daysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

bool CSampleClock::parseFields(const QString &text, int *year, int *month, int *day, int *hour, int *minute,
                              int *second)
{
    int pos = 0;
    *year = number(text, pos, 4);
    if (*year < 0 || pos != 4 || !expect(text, pos, '/'))
        return false;
    *month = number(text, pos, 2);
    if (*month < 0 || !expect(text, pos, '/'))
        return false;
    *day = number(text, pos, 2);
    if (*day < 0 || !expect(text, pos, ' '))
        return false;
    *hour = number(text, pos, 2);
    if (*hour < 0 || !expect(text, pos, ':'))
        return false;
    *minute = number(text, pos, 2);
    if (*minute < 0 || !expect(text, pos, ':'))
        return false;
    *second = number(text, pos, 2);
    if (*second < 0 || pos != text.size())
        return false;
    return QDate::isValid(*year, *month, *day) && QTime::isValid(*hour, *minute, *second);
}

qint64 CSampleClock::toSecsSinceEpoch(const QString &text)
{
    int y, mo, d, h, mi, s;
    if (!parseFields(text, &y, &mo, &d, &h, &mi, &s))
        return Invalid;
    const qint64 naive = daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
    const qint64 hourKey = naive / 3600 - (naive % 3600 < 0 ? 1 : 0);
    auto it = m_offsetByHour.constFind(hourKey);
    if (it == m_offsetByHour.constEnd()) {
        const QDateTime local(QDate(y, mo, d), QTime(h, 0, 0), Qt::LocalTime);
        it = m_offsetByHour.insert(hourKey, local.isValid() ? local.offsetFromUtc() : 0);
    }
    return naive - *it;
}
