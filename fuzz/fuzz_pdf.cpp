// libFuzzer: PDF reports: the summary labels and both sample passes on arbitrary
// bytes. Any input must give a record (crash, hang or sanitizer report = bug).
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    loadGbkTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CSummeryParam summary;
    CDeviceSettingInfo info;
    readAs(data, size, Form::Pdf, [&](QTextStream &in) { ReportParser::pdfHeader(in, summary, info); });
    CTempData samples;
    readAs(data, size, Form::Pdf, [&](QTextStream &in) { ReportParser::pdfSamples(in, samples, false); });
    readAs(data, size, Form::Pdf, [&](QTextStream &in) { ReportParser::pdfSamples(in, samples, true); });
    checkTimes(samples);
    return 0;
}
