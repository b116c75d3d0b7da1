#ifndef PDFPARSER_H
#define PDFPARSER_H

#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;
class CTempData;

// The summary of a logger's PDF report: sets info.fileType to "pdf", then
// fills summary and the normalised configuration in info and
// containHumidity from the model code. A file that cannot be opened leaves
// the record as it was apart from fileType.
void ProcessPdf(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info);
// The samples of a temperature or a temperature/humidity PDF report; the
// list is cleared first. A file that cannot be opened leaves it empty.
void ParseTempPdfFile(const QString &path, CTempData &data);
void ParseTempHumidityPdfFile(const QString &path, CTempData &data);

#endif // PDFPARSER_H
