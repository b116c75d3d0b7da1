#ifndef VESMIRA_FUZZINPUT_H
#define VESMIRA_FUZZINPUT_H

// Shared by the fuzz targets: the input as a report file the parsers read.
#include "core/record/crecordtime.h"
#include "core/record/ctempdata.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparser_p.h"

#include <QBuffer>
#include <QTextStream>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The GBK table of the build, for the PDF text items.
inline void loadGbkTable()
{
    GbkCodeUtils::instance()->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));
}

enum class Form { Csv, Txt, Pdf };

// Runs pass over the bytes, set up as the application opens a report of the
// form: CSV and TXT in text mode through the GBK codec, PDF as UTF-8.
template <typename Pass> void readAs(const uint8_t *data, size_t size, Form form, Pass pass)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(form == Form::Pdf ? QIODevice::ReadOnly : QIODevice::ReadOnly | QIODevice::Text);
    QTextStream in(&buffer);
    if (form == Form::Pdf)
        ReportParser::setUtf8(in);
    else
        ReportParser::setGbk(in);
    pass(in);
}

// A time a parser set from the numbers it read must be the time of the text
// it kept, and the texts kept must come back as they went in when added
// again; anything else is a bug.
inline void checkTimes(const CTempData &samples)
{
    CTempData again;
    for (const TempDataItem &item : samples) {
        if (item.time.isValid() && item.time.toText() != CRecordTime::fromText(item.recordTime).toText())
            std::abort();
        again.append(item);
        const TempDataItem back = again.last();
        if (back.temp != item.temp || back.shidu != item.shidu || back.recordTime != item.recordTime
            || back.secs != item.secs)
            std::abort();
    }
}

#endif // VESMIRA_FUZZINPUT_H
