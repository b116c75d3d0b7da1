#ifndef CSVTXTHEADER_H
#define CSVTXTHEADER_H

#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;

// The summary block of a logger's CSV or TXT report: fills summary and the
// normalised configuration in info, sets info.fileType to "csv" or "txt" and
// containHumidity from the model code. A file that cannot be opened leaves
// the record as it was apart from fileType and the flags (set to 1 and 0
// first). Most callers want parseReportFile() (core/report/reportparse.h),
// which also resets the record and reads the samples.
void ParseCsvHeader(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info);
void ParseTxtHeader(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info);

#endif // CSVTXTHEADER_H
