#ifndef CSVTXTSAMPLES_H
#define CSVTXTSAMPLES_H

#include <QString>

class CTempData;

// The samples of a logger's CSV or TXT report, for a temperature or a
// temperature/humidity report; the list is cleared first. A file that
// cannot be opened leaves the list empty.
void ParseTempCsvFile(const QString &path, CTempData &data);
void ParseTempHumidityCsvFile(const QString &path, CTempData &data);
void ParseTempTxtFile(const QString &path, CTempData &data);
void ParseTempHumidityTxtFile(const QString &path, CTempData &data);

#endif // CSVTXTSAMPLES_H
