#ifndef REPORTPARSE_H
#define REPORTPARSE_H

#include <QString>
#include <functional>

class CSummeryParam;
class CDeviceSettingInfo;
class CTempData;

// The kind of report a file was read as.
enum class ReportKind { None, Pdf, Csv, Txt };

// Reads a logger's report file into a record; the one entry for every caller
// (reading a logger, exporting from the history, vesmira-cli).
//
// 1. Resets the record: info.tempHigh, humidityHigh, tempLow, humidityLow,
//    tempAdj and humidityAdj become "0" and the summary is cleared.
// 2. Tests the file's suffix (QFileInfo::suffix, case-sensitive) three times,
//    each test on its own: contains "pdf", contains "csv", contains "txt". For
//    each hit the summary parser of that kind fills summary and info, the
//    summary's containTemp and containHumidity are copied into info, and the
//    sample parser chosen by containHumidity (1: temperature/humidity, else
//    temperature) fills data.
//
// progress, when given, is called with 2 before each kind's parsers run; when
// it returns false (cancelled) that kind is skipped. It is the place for a
// progress dialog to repaint.
//
// Returns the kind parsed last, or None when the suffix holds none of the
// three (an upper-case "PDF" for instance) or every kind was cancelled. A file
// that cannot be opened is still "parsed": the record then holds only the
// reset, the file type and the flags.
ReportKind parseReportFile(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info,
    CTempData &data, const std::function<bool(int step)> &progress = {});

#endif // REPORTPARSE_H
