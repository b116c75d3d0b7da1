#include "core/report/reportrules.h"

#include <algorithm>
#include <limits>

namespace ReportRules {

namespace {

struct Unit {
    QString text;
    int factor;
};

// The time units of printed intervals: the Chinese ones, then the English ones.
const Unit kUnits[]
    = { { QStringLiteral("小时"), 3600 }, { QStringLiteral("分"), 60 }, { QStringLiteral("秒"), 1 },
          { QStringLiteral("h"), 3600 }, { QStringLiteral("min"), 60 }, { QStringLiteral("sec"), 1 } };
const Unit *const kChineseUnits = kUnits;
const Unit *const kEnglishUnits = kUnits + 3;

// Adds without overflowing: absurd values saturate instead of wrapping.
qint64 addSaturating(qint64 total, qint64 add)
{
    if (add > 0 && total > std::numeric_limits<qint64>::max() - add)
        return std::numeric_limits<qint64>::max();
    if (add < 0 && total < std::numeric_limits<qint64>::min() - add)
        return std::numeric_limits<qint64>::min();
    return total + add;
}

void appendPadded(QString &out, int n, int width)
{
    if (n < 0) {
        out += QString("%1").arg(n, width, 10, QLatin1Char('0'));
        return;
    }
    char digits[16];
    int len = 0;
    do {
        digits[len++] = char('0' + n % 10);
        n /= 10;
    } while (n != 0);
    for (int i = len; i < width; ++i)
        out += QLatin1Char('0');
    while (len > 0)
        out += QLatin1Char(digits[--len]);
}

// What stands between the six numbers of a sample time "a/b/c h:m:s".
const char kSeparators[] = { '/', '/', ' ', ':', ':' };

// "c/a/b h:m" (count 5) or "c/a/b h:m:s" (count 6) from values in that
// order, c with four digits and the rest with two, zero-padded.
QString paddedDateTime(const int *values, int count)
{
    QString out;
    out.reserve(19);
    appendPadded(out, values[0], 4);
    for (int i = 1; i < count; ++i) {
        out += QLatin1Char(kSeparators[i - 1]);
        appendPadded(out, values[i], 2);
    }
    return out;
}

// Splits text at sep into exactly count parts; false when there are more or fewer.
bool splitExactly(QStringView text, QChar sep, QStringView *parts, int count)
{
    int start = 0;
    for (int i = 0; i < count - 1; ++i) {
        const int pos = text.indexOf(sep, start);
        if (pos < 0)
            return false;
        parts[i] = text.mid(start, pos - start);
        start = pos + 1;
    }
    parts[count - 1] = text.mid(start);
    return parts[count - 1].indexOf(sep) < 0;
}

// The usual shape "a/b/c h:m:s" of digits only, read in one pass; values
// in output order (c, a, b, h, m, s). False for anything else, which then
// takes the general way (same result, only slower).
bool plainSampleTime(QStringView text, int *values)
{
    static const int order[] = { 1, 2, 0, 3, 4, 5 }; // a, b, c, h, m, s -> output position
    int part = 0;
    int value = 0;
    int digits = 0;
    for (const QChar ch : text) {
        const ushort c = ch.unicode();
        if (c >= '0' && c <= '9') {
            if (++digits > 9)
                return false;
            value = value * 10 + (c - '0');
        } else if (part < 5 && c == ushort(kSeparators[part])) {
            values[order[part++]] = value;
            value = digits = 0;
        } else {
            return false;
        }
    }
    if (part != 5)
        return false;
    values[order[5]] = value;
    return true;
}

} // namespace

int toInt(QStringView text)
{
    // Fast path for the plain digits of sample times; everything else goes
    // through QString::toInt (blanks, signs), which yields 0 on failure.
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool plain = true;
        for (const QChar c : text) {
            const ushort u = c.unicode();
            if (u < '0' || u > '9') {
                plain = false;
                break;
            }
            value = value * 10 + (u - '0');
        }
        if (plain)
            return value;
    }
    return text.toString().toInt();
}

QString textBefore(const QString &text, const QString &mark)
{
    const int pos = text.indexOf(mark);
    return pos < 0 ? text : text.left(pos);
}

const QString TemperatureMarks[4]
    = { QStringLiteral("°C"), QStringLiteral("℃"), QStringLiteral("°F"), QStringLiteral("℉") };

void applyUnitMark(const QString &value, QString &target)
{
    for (const QString &mark : TemperatureMarks) {
        const int pos = value.indexOf(mark);
        if (pos > 0)
            target = value.left(pos);
    }
}

int intervalSeconds(const QString &value, bool english)
{
    const Unit *units = english ? kEnglishUnits : kChineseUnits;
    qint64 total = 0;
    int numberStart = 0;
    for (int i = 0; i < 3; ++i) {
        const int pos = value.indexOf(units[i].text);
        if (pos < 0)
            continue;
        // A unit standing before the end of the previous one has no number.
        const int number
            = pos >= numberStart ? toInt(QStringView(value).mid(numberStart, pos - numberStart)) : 0;
        total = addSaturating(total, qint64(number) * units[i].factor);
        // English units are followed by one blank before the next number.
        numberStart = pos + units[i].text.size() + (english ? 1 : 0);
    }
    return int(qBound<qint64>(std::numeric_limits<int>::min(), total, std::numeric_limits<int>::max()));
}

int pdfIntervalSeconds(const QString &value)
{
    const QStringView text(value);
    qint64 total = 0;
    int i = 0;
    while (i < text.size()) {
        if (text[i].unicode() < '0' || text[i].unicode() > '9') {
            ++i;
            continue;
        }
        int end = i;
        while (end < text.size() && text[end].unicode() >= '0' && text[end].unicode() <= '9')
            ++end;
        const int number = toInt(text.mid(i, end - i));
        int unitPos = end;
        while (unitPos < text.size() && text[unitPos].isSpace())
            ++unitPos;
        i = end;
        for (const Unit &unit : kUnits) {
            if (text.mid(unitPos).startsWith(unit.text)) {
                total = addSaturating(total, qint64(number) * unit.factor);
                i = unitPos + unit.text.size();
                break;
            }
        }
    }
    return int(qBound<qint64>(std::numeric_limits<int>::min(), total, std::numeric_limits<int>::max()));
}

QString chineseDate(QString value)
{
    value.replace(QStringLiteral("年"), QStringLiteral("/"));
    value.replace(QStringLiteral("月"), QStringLiteral("/"));
    value.remove(QStringLiteral("日"));
    return value;
}

QString englishTimedTime(const QString &value)
{
    QStringView dateTime[2];
    QStringView date[3];
    QStringView time[2];
    if (!splitExactly(value, QLatin1Char(' '), dateTime, 2)
        || !splitExactly(dateTime[0], QLatin1Char('/'), date, 3)
        || !splitExactly(dateTime[1], QLatin1Char(':'), time, 2))
        return value;
    const int values[5] = { toInt(date[2]), toInt(date[0]), toInt(date[1]), toInt(time[0]), toInt(time[1]) };
    return paddedDateTime(values, 5);
}

namespace {

// "c/a/b hh:mm:ss" of the values (c, a, b, h, m, s).
QString sampleTimeText(const int *values, CRecordTime *readTime)
{
    if (values[0] >= 0 && values[0] <= 9999
        && std::all_of(values + 1, values + 6, [](int v) { return v >= 0 && v <= 99; })) {
        if (readTime)
            *readTime
                = CRecordTime::fromFields(values[0], values[1], values[2], values[3], values[4], values[5]);
        // The common case, written straight into place: one allocation per sample.
        QString out(19, Qt::Uninitialized);
        QChar *p = out.data();
        const auto put = [&p](int v, int width) {
            for (int i = width - 1; i >= 0; --i, v /= 10)
                p[i] = QLatin1Char(char('0' + v % 10));
            p += width;
        };
        put(values[0], 4);
        *p++ = QLatin1Char('/');
        put(values[1], 2);
        *p++ = QLatin1Char('/');
        put(values[2], 2);
        *p++ = QLatin1Char(' ');
        put(values[3], 2);
        *p++ = QLatin1Char(':');
        put(values[4], 2);
        *p++ = QLatin1Char(':');
        put(values[5], 2);
        return out;
    }
    return paddedDateTime(values, 6);
}

} // namespace

QString englishSampleTime(QStringView text, CRecordTime *readTime)
{
    int values[6];
    if (!plainSampleTime(text, values)) {
        QStringView dateTime[2];
        QStringView date[3];
        QStringView time[3];
        if (!splitExactly(text, QLatin1Char(' '), dateTime, 2)
            || !splitExactly(dateTime[0], QLatin1Char('/'), date, 3)
            || !splitExactly(dateTime[1], QLatin1Char(':'), time, 3))
            return text.toString();
        const QStringView parts[6] = { date[2], date[0], date[1], time[0], time[1], time[2] };
        for (int i = 0; i < 6; ++i)
            values[i] = toInt(parts[i]);
    }
    return sampleTimeText(values, readTime);
}

QString englishSampleTimeSimplified(QStringView text, CRecordTime *readTime)
{
    // Digits and separators only: simplified already, and the usual case.
    int values[6];
    if (plainSampleTime(text, values))
        return sampleTimeText(values, readTime);
    if (isSimplified(text))
        return englishSampleTime(text, readTime);
    return englishSampleTime(text.toString().simplified(), readTime);
}

QString chineseStartDelay(const QString &value)
{
    const int hour = value.indexOf(QStringLiteral("时"));
    const int start = hour < 0 ? 0 : hour + 1;
    const int minute = value.indexOf(QStringLiteral("分"), start);
    return value.mid(start, minute < 0 ? -1 : minute - start);
}

QString englishStartDelay(const QString &value)
{
    const int delay = value.indexOf(QLatin1String("Delay"));
    const int start = delay < 0 ? 0 : delay + 5;
    const int minute = value.indexOf(QLatin1String("min"), start);
    return value.mid(start, minute < 0 ? -1 : minute - start).trimmed();
}

bool isSimplified(QStringView text)
{
    if (text.isEmpty())
        return true;
    if (text.front().isSpace() || text.back().isSpace())
        return false;
    for (int i = 1; i < text.size(); ++i) {
        if (text[i].isSpace() && (text[i] != QLatin1Char(' ') || text[i - 1].isSpace()))
            return false;
    }
    return true;
}

QString dashes(const QString &value)
{
    return value.startsWith(QLatin1String("-----")) ? QStringLiteral("-----") : value;
}

} // namespace ReportRules
