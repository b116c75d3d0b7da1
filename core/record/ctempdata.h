#ifndef CTEMPDATA_H
#define CTEMPDATA_H

#include "core/record/crecordtime.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QVector>
#include <iterator>

// One sample of a record, as printed by the logger, with its time read once.
struct TempDataItem {
    TempDataItem() = default;
    // A sample whose time is read from recordTime at once.
    TempDataItem(const QString &temp, const QString &shidu, const QString &recordTime);

    QString temp; // temperature without unit
    QString shidu; // humidity without "%"; empty (CSV/TXT) or "0" (PDF) without humidity
    QString recordTime; // English reports: "yyyy/a/b hh:mm:ss"; Chinese: the report's own form

    // The time of recordTime: its fields, and the seconds since 1970 UTC of
    // that local time (CRecordTime::invalidSecs when the text is no time).
    // Read once per sample when it is added to a record (a parser that read
    // the numbers of an English time passes them); every later step (curve,
    // list, range, export) uses these.
    CRecordTime time;
    qint64 secs = CRecordTime::invalidSecs;

    void readTime();
};

// Hands out the samples of a list one by one, as values (range-for).
template <typename List> class CSampleIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = TempDataItem;
    using difference_type = int;
    using pointer = void;
    using reference = TempDataItem;

    CSampleIterator(const List *list, int index)
        : m_list(list)
        , m_index(index)
    {
    }
    TempDataItem operator*() const { return m_list->at(m_index); }
    CSampleIterator &operator++()
    {
        ++m_index;
        return *this;
    }
    bool operator==(const CSampleIterator &other) const { return m_index == other.m_index; }
    bool operator!=(const CSampleIterator &other) const { return m_index != other.m_index; }

private:
    const List *m_list;
    int m_index;
};

// The ordered samples of a record, kept compact: a logger's trip may hold
// millions of them. Each sample is one row of 24 bytes: its time as seconds
// (and the offset of the printed clock from UTC), its time text as one of the
// two forms the parsers give ("yyyy/MM/dd hh:mm:ss", "yyyy年MM月dd日
// hh:mm:ss"), and each value as a decimal number of up to three decimals
// ("-0.0", "1.50" and "255" included). A text that none of these gives back
// character for character ("--", " 21.5", "+1.0", "1e5", a time of another
// form) is kept as it stands beside the rows. Every text a sample was given
// comes back exactly; TempDataItem values are made on demand.
//
// A copy shares the rows until one side changes (Qt's implicit sharing).
class CTempData {
public:
    int size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    void clear();
    void reserve(int count) { m_rows.reserve(count); }

    // Sample i with its texts and its time.
    TempDataItem at(int i) const;
    TempDataItem first() const { return at(0); }
    TempDataItem last() const { return at(size() - 1); }
    CSampleIterator<CTempData> begin() const { return { this, 0 }; }
    CSampleIterator<CTempData> end() const { return { this, size() }; }

    // Parts of sample i, without making the others.
    QString temp(int i) const;
    QString shidu(int i) const;
    QString recordTime(int i) const;
    // The value as QString::toDouble reads the text (0, ok false, for a text
    // that is no number).
    double tempValue(int i, bool *ok = nullptr) const;
    double shiduValue(int i, bool *ok = nullptr) const;
    qint64 secs(int i) const { return m_rows.at(i).secs; }
    CRecordTime time(int i) const;
    // The three texts of sample i as UTF-8, into buffers the caller reuses
    // from sample to sample (the history stores them so).
    void utf8(int i, QByteArray &temp, QByteArray &shidu, QByteArray &recordTime) const;

    // Adds a sample. time, when valid, is the time recordTime reads (a parser
    // that read its numbers passes it); otherwise the text is read here.
    void append(QStringView temp, QStringView shidu, QStringView recordTime, const CRecordTime &time = {});
    // The same for an item, whose time is read from its text.
    void append(const TempDataItem &item) { append(item.temp, item.shidu, item.recordTime); }
    CTempData &operator<<(const TempDataItem &item)
    {
        append(item);
        return *this;
    }
    // Sample i becomes item (its time read from its text).
    void replace(int i, const TempDataItem &item);

private:
    struct Row {
        qint64 secs; // CRecordTime::invalidSecs when the time text is no time
        qint32 offset; // the printed clock's seconds less secs
        quint32 time; // a time form, or a kept text
        quint32 temp; // a number code, or a kept text
        quint32 shidu;
    };
    Q_STATIC_ASSERT(sizeof(Row) == 24);

    Row row(QStringView temp, QStringView shidu, QStringView recordTime, const CRecordTime &time);
    quint32 valueCode(QStringView text);
    quint32 keep(QStringView text);
    QString text(quint32 code) const;
    QString value(quint32 code) const;
    void utf8Value(quint32 code, QByteArray &out) const;
    double number(quint32 code, bool *ok) const;

    QVector<Row> m_rows;
    // The kept texts, one after another over chunks of ChunkSize characters
    // (no single block grows huge); m_textStarts: where each one starts.
    QVector<QString> m_chunks;
    QVector<qint64> m_textStarts;
    qint64 m_textSize = 0;
};

#endif // CTEMPDATA_H
