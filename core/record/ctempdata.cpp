#include "core/record/ctempdata.h"

#include <cstring>

namespace {

// The code of a value: a kept text (TextFlag with its index), the empty text,
// or a decimal number as magnitude << 3 | minus << 2 | decimals (0 to 3).
constexpr quint32 TextFlag = 0x80000000u;
constexpr quint32 EmptyCode = 0x7fffffffu;
constexpr quint32 MaxMagnitude = (EmptyCode >> 3) - 1;
const double Scale[] = { 1, 10, 100, 1000 };

// The code of a time text: one of the two forms of its fields, or (with
// TextFlag) a kept text.
constexpr quint32 SlashForm = 0; // "yyyy/MM/dd hh:mm:ss"
constexpr quint32 ChineseForm = 1; // "yyyy年MM月dd日 hh:mm:ss"

// Kept texts lie in chunks of this many characters.
constexpr int ChunkSize = 1 << 20;

// The text of t in a form, into out (room for 20); its length.
int formText(const CRecordTime &t, quint32 form, QChar *out)
{
    QChar *p = out;
    const auto put = [&p](int v, int width) {
        for (int i = width - 1; i >= 0; --i, v /= 10)
            p[i] = QLatin1Char(char('0' + v % 10));
        p += width;
    };
    const bool chinese = form == ChineseForm;
    put(t.year, 4);
    *p++ = chinese ? QChar(0x5E74) : QChar(QLatin1Char('/'));
    put(t.month, 2);
    *p++ = chinese ? QChar(0x6708) : QChar(QLatin1Char('/'));
    put(t.day, 2);
    if (chinese)
        *p++ = QChar(0x65E5);
    *p++ = QLatin1Char(' ');
    put(t.hour, 2);
    *p++ = QLatin1Char(':');
    put(t.minute, 2);
    *p++ = QLatin1Char(':');
    put(t.second, 2);
    return int(p - out);
}

// The digits of a number code (no kept text, not empty) into out (room for
// 16); their count.
int numberText(quint32 code, char *out)
{
    quint32 magnitude = code >> 3;
    const int decimals = int(code & 3);
    char digits[12];
    int count = 0;
    do {
        digits[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude || count <= decimals);
    int length = 0;
    if (code & 4)
        out[length++] = '-';
    for (int k = count - 1; k >= 0; --k) {
        out[length++] = digits[k];
        if (k == decimals && decimals > 0)
            out[length++] = '.';
    }
    return length;
}

// An empty text that is not null (the history stores '' for it, not NULL).
QString emptyText()
{
    return QString(QLatin1String(""));
}

} // namespace

TempDataItem::TempDataItem(const QString &temp, const QString &shidu, const QString &recordTime)
    : temp(temp)
    , shidu(shidu)
    , recordTime(recordTime)
{
    readTime();
}

void TempDataItem::readTime()
{
    time = CRecordTime::fromText(recordTime);
    secs = time.toSecsSinceEpoch();
}

void CTempData::clear()
{
    // Assigned, not cleared: clear() would keep the capacity of a long trip.
    m_rows = QVector<Row>();
    m_chunks = QVector<QString>();
    m_textStarts = QVector<qint64>();
    m_textSize = 0;
}

TempDataItem CTempData::at(int i) const
{
    TempDataItem item;
    const Row &r = m_rows.at(i);
    item.temp = value(r.temp);
    item.shidu = value(r.shidu);
    item.recordTime = recordTime(i);
    item.time = time(i);
    item.secs = r.secs;
    return item;
}

QString CTempData::temp(int i) const
{
    return value(m_rows.at(i).temp);
}

QString CTempData::shidu(int i) const
{
    return value(m_rows.at(i).shidu);
}

QString CTempData::recordTime(int i) const
{
    const Row &r = m_rows.at(i);
    if (r.time & TextFlag)
        return text(r.time & ~TextFlag);
    QChar form[20];
    return QString(form, formText(time(i), r.time, form));
}

double CTempData::tempValue(int i, bool *ok) const
{
    return number(m_rows.at(i).temp, ok);
}

double CTempData::shiduValue(int i, bool *ok) const
{
    return number(m_rows.at(i).shidu, ok);
}

CRecordTime CTempData::time(int i) const
{
    const Row &r = m_rows.at(i);
    if (r.secs == CRecordTime::invalidSecs)
        return CRecordTime();
    return CRecordTime::fromWallSecs(r.secs + r.offset);
}

void CTempData::append(QStringView temp, QStringView shidu, QStringView recordTime, const CRecordTime &time)
{
    m_rows.append(row(temp, shidu, recordTime, time));
}

void CTempData::replace(int i, const TempDataItem &item)
{
    m_rows[i] = row(item.temp, item.shidu, item.recordTime, CRecordTime());
}

CTempData::Row CTempData::row(
    QStringView temp, QStringView shidu, QStringView recordTime, const CRecordTime &given)
{
    Row r;
    const CRecordTime t = given.isValid() ? given : CRecordTime::fromText(recordTime);
    r.secs = t.toSecsSinceEpoch();
    r.offset = 0;
    r.time = TextFlag;
    if (r.secs != CRecordTime::invalidSecs) {
        const qint64 offset = t.toWallSecs() - r.secs;
        if (offset == qint32(offset))
            r.offset = qint32(offset);
        else
            r.secs = CRecordTime::invalidSecs; // no zone is that far off
    }
    if (r.secs != CRecordTime::invalidSecs) {
        QChar form[20];
        for (const quint32 code : { SlashForm, ChineseForm }) {
            if (QStringView(form, formText(t, code, form)) == recordTime) {
                r.time = code;
                break;
            }
        }
    }
    if (r.time == TextFlag)
        r.time = keep(recordTime);
    r.temp = valueCode(temp);
    r.shidu = valueCode(shidu);
    return r;
}

quint32 CTempData::valueCode(QStringView text)
{
    const int n = text.size();
    if (n == 0)
        return EmptyCode;
    const bool minus = text.front() == QLatin1Char('-');
    const int first = minus ? 1 : 0;
    int dot = -1;
    quint64 magnitude = 0;
    for (int i = first; i < n; ++i) {
        const ushort c = text[i].unicode();
        if (c >= '0' && c <= '9') {
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > MaxMagnitude)
                return keep(text);
        } else if (c == '.' && dot < 0) {
            dot = i;
        } else {
            return keep(text);
        }
    }
    // Digits before the point, without a leading zero ("05.0" stays a text);
    // one to three after it.
    const int whole = (dot < 0 ? n : dot) - first;
    const int decimals = dot < 0 ? 0 : n - dot - 1;
    if (whole == 0 || (whole > 1 && text[first] == QLatin1Char('0')) || (dot >= 0 && decimals == 0)
        || decimals > 3)
        return keep(text);
    return quint32(magnitude) << 3 | (minus ? 4u : 0u) | quint32(decimals);
}

quint32 CTempData::keep(QStringView text)
{
    const int index = m_textStarts.size();
    m_textStarts.append(m_textSize);
    while (!text.isEmpty()) {
        if (m_chunks.isEmpty() || m_chunks.last().size() >= ChunkSize)
            m_chunks.append(QString());
        QString &chunk = m_chunks.last();
        const int n = qMin(int(text.size()), ChunkSize - chunk.size());
        chunk.append(text.data(), n);
        text = text.mid(n);
        m_textSize += n;
    }
    return TextFlag | quint32(index);
}

QString CTempData::text(quint32 index) const
{
    const qint64 start = m_textStarts.at(int(index));
    const qint64 end = int(index) + 1 < m_textStarts.size() ? m_textStarts.at(int(index) + 1) : m_textSize;
    if (start == end)
        return emptyText();
    const int offset = int(start % ChunkSize);
    if (end - start <= ChunkSize - offset)
        return m_chunks.at(int(start / ChunkSize)).mid(offset, int(end - start));
    QString out;
    out.reserve(int(end - start));
    for (qint64 p = start; p < end;) {
        const int at = int(p % ChunkSize);
        const int n = int(qMin<qint64>(end - p, ChunkSize - at));
        out.append(m_chunks.at(int(p / ChunkSize)).constData() + at, n);
        p += n;
    }
    return out;
}

QString CTempData::value(quint32 code) const
{
    if (code & TextFlag)
        return text(code & ~TextFlag);
    if (code == EmptyCode)
        return emptyText();
    char out[16];
    return QString::fromLatin1(out, numberText(code, out));
}

void CTempData::utf8Value(quint32 code, QByteArray &out) const
{
    if (code & TextFlag) {
        out = text(code & ~TextFlag).toUtf8();
    } else if (code == EmptyCode) {
        out.resize(0);
    } else {
        char digits[16];
        const int n = numberText(code, digits);
        out.resize(n);
        std::memcpy(out.data(), digits, size_t(n));
    }
}

void CTempData::utf8(int i, QByteArray &temp, QByteArray &shidu, QByteArray &recordTime) const
{
    const Row &r = m_rows.at(i);
    utf8Value(r.temp, temp);
    utf8Value(r.shidu, shidu);
    if (r.time == SlashForm) {
        QChar form[20];
        const int n = formText(time(i), SlashForm, form);
        recordTime.resize(n);
        for (int k = 0; k < n; ++k)
            recordTime[k] = char(form[k].unicode());
    } else {
        recordTime = this->recordTime(i).toUtf8();
    }
}

double CTempData::number(quint32 code, bool *ok) const
{
    if (code & TextFlag)
        return text(code & ~TextFlag).toDouble(ok);
    if (ok)
        *ok = code != EmptyCode;
    if (code == EmptyCode)
        return 0;
    // Both exact, so the quotient is the double nearest to the decimal
    // number, as QString::toDouble reads it.
    const double value = double(code >> 3) / Scale[code & 3];
    return code & 4 ? -value : value;
}
