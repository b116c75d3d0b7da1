#ifndef CSAMPLECLOCK_H
#define CSAMPLECLOCK_H

#include <QHash>
#include <QString>

// Sample times are texts of the fixed form "yyyy/MM/dd hh:mm:ss" in local
// time. Parsing them through QDateTime for every sample is slow (each
// conversion consults the time zone again), so the fields are read by hand
// and the UTC offset is looked up once per hour of local time.
class CSampleClock
{
public:
    // The value of a text that is not such a time: the invalid date and
    // time, the largest unsigned 32-bit number of seconds.
    static constexpr qint64 Invalid = 4294967295LL;

    // Seconds since 1970-01-01 00:00:00 UTC, or Invalid.
    qint64 toSecsSinceEpoch(const QString &text);

    // The local-time fields of a time text; false when it is not one.
    static bool parseFields(const QString &text, int *year, int *month, int *day, int *hour, int *minute,
                            int *second);

private:
    QHash<qint64, int> m_offsetByHour; // local hour since 1970 -> UTC offset in seconds
};

#endif // CSAMPLECLOCK_H
