#ifndef CRECORDTIME_H
#define CRECORDTIME_H

#include <QDateTime>
#include <QString>
#include <QStringView>

// A sample time of a record, read from its "yyyy/MM/dd hh:mm:ss" text.
//
// The fixed form is parsed by hand: QDateTime::fromString with that format
// costs tens of microseconds per call, and every local-time conversion asks
// the C library about the zone again (which stats /etc/localtime when TZ is
// unset). Local time is converted to UTC through a small per-hour cache of the
// zone's UTC offset, so a record of fifty thousand samples asks the zone once
// per hour of its span.
//
// An invalid text keeps the fields QDate/QTime report for invalid values:
// the date parts read 0 and the time parts -1.
class CRecordTime {
public:
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = -1;
    int minute = -1;
    int second = -1;

    // Exactly 19 characters "yyyy/MM/dd hh:mm:ss" (or the Chinese date form
    // "yyyy年MM月dd日 hh:mm:ss") with a real calendar date and a time of day;
    // anything else gives an invalid time.
    static CRecordTime fromText(QStringView text);
    // The same checks on numbers already read (a report parser's fast path).
    static CRecordTime fromFields(int year, int month, int day, int hour, int minute, int second);
    static CRecordTime fromDateTime(const QDateTime &dateTime);

    bool isValid() const { return hour >= 0; }
    bool sameDate(const CRecordTime &other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }

    // Seconds since 1970-01-01 00:00:00 UTC of this local time, as
    // QDateTime(date, time, Qt::LocalTime).toSecsSinceEpoch() gives it; an
    // invalid time gives invalidSecs.
    qint64 toSecsSinceEpoch() const;
    QDateTime toDateTime() const;
    // Seconds since 1970-01-01 00:00:00 of these fields taken as they stand,
    // without a time zone: the time as printed, for spacing samples on a
    // page that prints their own times; invalidSecs for an invalid time.
    qint64 toWallSecs() const;
    // The fields of toWallSecs() seconds (of a valid time).
    static CRecordTime fromWallSecs(qint64 secs);

    // "yyyy/MM/dd hh:mm:ss".
    QString toText() const;

    static constexpr qint64 invalidSecs = -0x7fffffffffffffffLL;

    // Forgets the cached UTC offsets of the calling thread; needed only after
    // the process changes its time zone (tests that set TZ).
    static void resetZoneCache();
};

#endif // CRECORDTIME_H
