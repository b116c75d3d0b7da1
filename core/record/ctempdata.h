#ifndef CTEMPDATA_H
#define CTEMPDATA_H

#include "core/record/crecordtime.h"

#include <QList>
#include <QString>

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
    // Set once per sample by the parse (a parser that reads the numbers of
    // an English time sets the fields at once) or the history's read;
    // every later step (curve, list, range, export) uses these.
    CRecordTime time;
    qint64 secs = CRecordTime::invalidSecs;

    void readTime();
};

// The ordered samples of a record. Owns its items: clear() and the
// destructor delete them; a copy copies the samples.
class CTempData {
public:
    CTempData() = default;
    ~CTempData();
    CTempData(const CTempData &other);
    CTempData &operator=(const CTempData &other);
    CTempData(CTempData &&other) noexcept;
    CTempData &operator=(CTempData &&other) noexcept;

    void clear();
    // The seconds of every sample, and its fields where no parser set them.
    void readTimes();

    // The samples of a logger's report file, for a temperature or a
    // temperature/humidity report; the list is cleared first. A file that
    // cannot be opened leaves the list empty.
    void ParseTempCsvFile(const QString &path);
    void ParseTempHumidityCsvFile(const QString &path);
    void ParseTempTxtFile(const QString &path);
    void ParseTempHumidityTxtFile(const QString &path);
    void ParseTempPdfFile(const QString &path);
    void ParseTempHumidityPdfFile(const QString &path);

    QList<TempDataItem *> dataList;
};

#endif // CTEMPDATA_H
