#ifndef CTEMPDATA_H
#define CTEMPDATA_H

#include <QList>
#include <QObject>
#include <QString>

// One sample of a record, as printed by the logger.
struct TempDataItem {
    QString temp; // temperature without unit
    QString shidu; // humidity without "%"; empty (CSV/TXT) or "0" (PDF) without humidity
    QString recordTime; // English reports: "yyyy/a/b hh:mm:ss"; Chinese: the report's own form
};

// The ordered samples of a record. Owns its items: clear() and the destructor
// delete them.
class CTempData : public QObject {
    Q_OBJECT
public:
    explicit CTempData(QObject *parent = nullptr);
    ~CTempData() override;

    CTempData(const CTempData &) = delete;
    CTempData &operator=(const CTempData &) = delete;

    void clear();

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
