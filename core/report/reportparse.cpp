#include "core/report/reportparse.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctaskprogress.h"
#include "core/record/ctempdata.h"
#include "core/report/csvtxtheader.h"
#include "core/report/csvtxtsamples.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/pdfparser.h"
#include "core/report/reportparser_p.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>

namespace ReportParser {

void setGbk(QTextStream &in)
{
    in.setCodec(GbkCodeUtils::codec());
}

void setUtf8(QTextStream &in)
{
    in.setCodec("UTF-8");
}

bool openReport(QFile &file, QTextStream &in, ReportForm form)
{
    if (!QFileInfo(file.fileName()).isFile()) {
        qDebug().noquote() << "not a regular file:" << file.fileName();
        return false;
    }
    const bool pdf = form == ReportForm::Pdf;
    if (!file.open(pdf ? QIODevice::OpenMode(QIODevice::ReadOnly) : QIODevice::ReadOnly | QIODevice::Text))
        return false;
    in.setDevice(&file);
    if (pdf)
        setUtf8(in);
    else
        setGbk(in);
    return true;
}

void readSamples(const QString &path, ReportForm form, CTempData &data, bool humidity)
{
    if (!data.isEmpty())
        data.clear();
    QFile file(path);
    QTextStream in;
    if (!openReport(file, in, form)) {
        if (form == ReportForm::Pdf && humidity)
            qDebug() << "ParseTempHumidityPdfFile open failed";
        return;
    }
    switch (form) {
    case ReportForm::Csv:
        qDebug().noquote() << " csv  parse .................";
        csvSamples(in, data, humidity);
        break;
    case ReportForm::Txt:
        qDebug().noquote() << " txt  parse .................";
        txtSamples(in, data, humidity);
        break;
    case ReportForm::Pdf:
        pdfSamples(in, data, humidity);
        break;
    }
}

bool readLine(QTextStream &in, QString &line)
{
    // A long report tells the step that reads it how far it is, and a
    // cancelled step ends the pass here, as if the file ended.
    static thread_local unsigned lines = 0;
    if ((++lines & 1023) == 0 && in.device() && !CTaskProgress::poll(in.device()->pos(), in.device()->size()))
        return false;
    while (in.readLineInto(&line, MaxReportLine)) {
        if (line.size() < MaxReportLine)
            return true;
        // Cut at the limit: read on to the end of this line and drop it.
        while (in.readLineInto(&line, MaxReportLine) && line.size() == MaxReportLine) { }
    }
    return false;
}

} // namespace ReportParser

ReportFileProblem checkReportFile(const QString &path, QString *why)
{
    const auto problem = [why](ReportFileProblem found, const QString &text) {
        if (why)
            *why = text;
        return found;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return problem(ReportFileProblem::Missing, QStringLiteral("no such file"));
    if (info.isDir())
        return problem(ReportFileProblem::NotRegular, QStringLiteral("a directory, not a regular file"));
    if (!info.isFile())
        return problem(
            ReportFileProblem::NotRegular, QStringLiteral("not a regular file (a FIFO, device or socket)"));
    const QString tooLarge = QStringLiteral("too large for a logger report: ");
    if (info.size() > MaxReportBytes)
        return problem(ReportFileProblem::TooLarge,
            tooLarge + QStringLiteral("%1 bytes, at most %2").arg(info.size()).arg(MaxReportBytes));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(
            ReportFileProblem::Unreadable, QStringLiteral("cannot be opened (%1)").arg(file.errorString()));
    // Read it through once: it must end, and no line may come near the limit
    // (the passes decode at most one character per byte).
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    qint64 line = 0;
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n < 0)
            return problem(
                ReportFileProblem::Unreadable, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        if (n == 0)
            break;
        total += n;
        if (total > MaxReportBytes)
            return problem(ReportFileProblem::TooLarge,
                tooLarge + QStringLiteral("more than %1 bytes").arg(MaxReportBytes));
        const char *p = block.constData();
        const char *const end = p + n;
        while (p < end) {
            const char *newline = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            line += (newline ? newline : end) - p;
            if (line >= MaxReportLine)
                return problem(ReportFileProblem::TooLarge,
                    tooLarge + QStringLiteral("a line of %1 bytes or more").arg(MaxReportLine));
            if (!newline)
                break;
            line = 0;
            p = newline + 1;
        }
    }
    if (why)
        why->clear();
    return ReportFileProblem::None;
}

bool holdsRecord(const CSummeryParam &summary, const CTempData &data)
{
    return !summary.deviceNo.trimmed().isEmpty() || !data.isEmpty();
}

ReportKind parseReportFile(const QString &path, CSummeryParam &summary, CDeviceSettingInfo &info,
    CTempData &data, const std::function<bool(int step)> &progress)
{
    info.tempHigh = QStringLiteral("0");
    info.humidityHigh = QStringLiteral("0");
    info.tempLow = QStringLiteral("0");
    info.humidityLow = QStringLiteral("0");
    info.tempAdj = QStringLiteral("0");
    info.humidityAdj = QStringLiteral("0");
    summary.clear();

    struct Kind {
        const char *suffix;
        ReportKind kind;
        void (*head)(const QString &, CSummeryParam &, CDeviceSettingInfo &);
        void (*temperature)(const QString &, CTempData &);
        void (*humidity)(const QString &, CTempData &);
    };
    static const Kind kinds[] = {
        { "pdf", ReportKind::Pdf, &ProcessPdf, &ParseTempPdfFile, &ParseTempHumidityPdfFile },
        { "csv", ReportKind::Csv, &ParseCsvHeader, &ParseTempCsvFile, &ParseTempHumidityCsvFile },
        { "txt", ReportKind::Txt, &ParseTxtHeader, &ParseTempTxtFile, &ParseTempHumidityTxtFile },
    };
    // The stage of a step that reads the report: the summary's pass takes
    // the first tenth, the samples' pass most of the rest.
    CTaskProgress *task = CTaskProgress::current();
    const int from = task ? task->stageFrom() : 0;
    const int to = task ? task->stageTo() : 0;
    const auto stage = [&](int first, int last) {
        if (task)
            task->setStage(from + (to - from) * first / 100, from + (to - from) * last / 100);
    };
    // Three tests, each on its own: a suffix may name more than one kind.
    const QString suffix = QFileInfo(path).suffix();
    ReportKind parsed = ReportKind::None;
    for (const Kind &kind : kinds) {
        if (!suffix.contains(QLatin1String(kind.suffix)))
            continue;
        if (progress && !progress(2))
            continue; // cancelled: this kind is skipped
        stage(0, 10);
        kind.head(path, summary, info);
        info.containTemp = summary.containTemp;
        info.containHumidity = summary.containHumidity;
        stage(10, 90);
        if (summary.containHumidity == 1)
            kind.humidity(path, data);
        else
            kind.temperature(path, data);
        parsed = kind.kind;
    }
    // The samples' pass had the rest of the stage (times are read as each
    // sample is added).
    if (task)
        task->setStage(from, to);
    return parsed;
}

ReportKind readReport(const QString &path, CRecord &record, const std::function<bool(int step)> &progress)
{
    const ReportKind kind = parseReportFile(path, record.summary, record.settings, record.data, progress);
    if (kind != ReportKind::None)
        CSummaryDisplay::applyStoredConversions(record.summary);
    return kind;
}
