#ifndef REPORTPARSER_P_H
#define REPORTPARSER_P_H

// Internal to the report parsers. The public entry points
// (ParseCsvHeader, ParseTempCsvFile, ProcessPdf, ...) open the
// report, set up a text stream with the codec of its format and run one of
// these passes over it; the fuzz targets run the same passes from memory.

#include "core/record/csummeryparam.h"

#include <QString>

class QFile;
class QTextStream;
class CDeviceSettingInfo;
class CTempData;

namespace ReportParser {

// The report forms.
enum class ReportForm { Csv, Txt, Pdf };

// A stored value is never a null string (the database binds null as NULL).
inline QString filled(const QString &value)
{
    return value.isNull() ? QString("") : value;
}

// The codecs of the two report forms: CSV and TXT reports are GBK, the PDF
// passes read UTF-8 (only ASCII operators, hex digits and literals matter).
void setGbk(QTextStream &in);
void setUtf8(QTextStream &in);

// Opens a report file for reading and sets in up as the passes of its form
// read it: CSV and TXT in text mode through the GBK codec, PDF as UTF-8.
// Anything but a regular file is refused before it is opened: opening a FIFO
// blocks until a writer comes, and a device such as /dev/zero never ends.
bool openReport(QFile &file, QTextStream &in, ReportForm form);

// The next line of a pass, as QTextStream::readLineInto reads it; false at
// the end. A line of MaxReportLine characters or more is no line of a
// report: it is passed over whole, so that no pass holds more than that in
// memory however the file looks.
bool readLine(QTextStream &in, QString &line);

void csvHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info);
void txtHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info);
void pdfHeader(QTextStream &in, CSummeryParam &summary, CDeviceSettingInfo &info);

void csvSamples(QTextStream &in, CTempData &data, bool humidity);
void txtSamples(QTextStream &in, CTempData &data, bool humidity);
void pdfSamples(QTextStream &in, CTempData &data, bool humidity);

// What the sample entry points of CTempData do: clear the list, open the
// report and run the sample pass of its form over it.
void readSamples(const QString &path, ReportForm form, CTempData &data, bool humidity);

} // namespace ReportParser

#endif // REPORTPARSER_P_H
