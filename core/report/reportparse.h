#ifndef REPORTPARSE_H
#define REPORTPARSE_H

#include <QString>
#include <QtGlobal>
#include <functional>

class CSummeryParam;
class CDeviceSettingInfo;
class CTempData;
class CRecord;

// The largest file read as a report, and the length at which a line is too
// long to be one of its lines. A logger's report of 48,640 samples is a few
// MB and ten million samples still fit; a longer line is binary data or no
// report at all, and held whole in memory it could not be read.
const qint64 MaxReportBytes = qint64(1) << 30; // 1 GiB
const int MaxReportLine = 1 << 24; // 16 Mi bytes in the file, characters in a pass

// Why a file cannot be read as a report.
enum class ReportFileProblem {
    None, // a regular file that can be read to its end
    Missing, // nothing there (or a link that leads nowhere)
    NotRegular, // a directory, FIFO, device or socket, also behind a link
    TooLarge, // more than MaxReportBytes, or a line of MaxReportLine bytes or more
    Unreadable, // cannot be opened or read
    NotReport, // a file chosen by hand whose suffix names no report kind (not checked here)
};

// Checks a file before it is read or copied as a report: a regular file (a
// link is followed) of at most MaxReportBytes whose lines stay below
// MaxReportLine and that reads to its end. It never opens anything but a
// regular file, so a FIFO does not block it and a device is not read. why,
// when given, receives the problem in plain English for the command line and
// the debug output ("not a regular file (a FIFO, device or socket)").
ReportFileProblem checkReportFile(const QString &path, QString *why = nullptr);

// Whether a parsed report holds a record worth keeping: a device number or
// at least one sample. An empty file, binary garbage or a report cut off
// before its summary hold neither; a summary without samples is a record.
bool holdsRecord(const CSummeryParam &summary, const CTempData &data);

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
// that cannot be opened, or that is no regular file, is still "parsed": the
// record then holds only the reset, the file type and the flags. Callers
// check the file with checkReportFile() first, to say why it is not read.
ReportKind parseReportFile(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info,
    CTempData &data, const std::function<bool(int step)> &progress = {});

// A logger's report read into the record the application keeps:
// parseReportFile() into the record's summary, settings and samples, then
// the conversions the record is shown and stored with
// (CSummaryDisplay::applyStoredConversions). The samples keep their times as
// printed, read once as each sample is added. Reading a logger, the history
// page's export and vesmira-cli all read reports through here, so that they
// store, show and export one record. The record's other members are left
// as they are.
ReportKind readReport(
    const QString &path, CRecord &record, const std::function<bool(int step)> &progress = {});

#endif // REPORTPARSE_H
