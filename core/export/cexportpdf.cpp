#include "core/export/cexportpdf.h"

#include "core/export/pdftext.h"
#include "core/record/ccurvedata.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecordtime.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctaskprogress.h"
#include "core/record/ctempdata.h"
#include "core/report/gbkcodeutils.h"

#include <QVector>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

using PdfText::needsChineseFont;
using PdfText::textWidth;

// printf into a byte array; the texts formatted here are short.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
QByteArray
format(const char *fmt, ...)
{
    char buffer[96];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return QByteArray(buffer, qBound(0, n, int(sizeof buffer) - 1));
}

// A number of tenths, truncated toward zero. The small bias keeps a decimal
// text such as 25.3 (25.29999... as a double) at 253.
int tenths(double value)
{
    return int(value * 10 + (value >= 0 ? 1e-6 : -1e-6));
}

// A value that the chart leaves out: the missing-reading marks ("--", the
// value 255) and values that are not finite (NaN, infinity, a number beyond
// the range of a double).
bool isMissingMark(const QString &text, double value, bool ok)
{
    return text.contains(QLatin1String("--")) || (ok && value == 255.0) || !std::isfinite(value);
}

// The chart's scale ends at this value either way: beyond it a reading draws
// at the edge, and every tenth of the scale is a small integer.
constexpr double chartLimit = 9999.9;

double onChart(double value)
{
    return qBound(-chartLimit, value, chartLimit);
}

// One sample prepared for the report.
struct Sample {
    int row = 0; // in the record's samples
    CRecordTime time;
    qint64 wall = CRecordTime::invalidSecs; // its time as printed, in seconds (toWallSecs)
    double temp = 0;
    double humidity = 0;
    bool dashed = false; // temperature text holds "--": printed as dashes
    bool tempValid = false; // a reading: not "--", not the mark 255, finite
    bool humidityValid = false;
};

// A vertical scale of the chart in tenths: 40 steps of 6 points over the
// plot height of 240 points.
struct Scale {
    int top = 20;
    int step = 1;
    int bottom() const { return top - 40 * step; }

    static Scale from(bool any, double minimum, double maximum)
    {
        if (!any)
            minimum = maximum = 0;
        minimum = onChart(minimum);
        maximum = onChart(maximum);
        Scale s;
        s.top = tenths(maximum + 2);
        const int span = std::abs(tenths((maximum + 2) - (minimum - 2)));
        if (span == 0) {
            s.top += 20;
            s.step = 1;
        } else {
            s.step = span / 40 + (span % 40 ? 1 : 0);
        }
        return s;
    }
    double y(double value) const
    {
        return 115 + 240.0 * (tenths(onChart(value)) - bottom()) / (top - bottom());
    }
};

// A value in tenths with its one decimal: 106 gives "10.6", -5 gives "-0.5".
QByteArray axisLabel(int value)
{
    const int magnitude = std::abs(value);
    return QByteArray(value < 0 ? "-" : "") + QByteArray::number(magnitude / 10) + '.'
        + QByteArray::number(magnitude % 10);
}

// Values shrink to fit their column down to this size, and are cut below it.
constexpr float minValueSize = 6.0f;
// The first page's two columns: a left value ends a little before the right
// column's labels, a right value at the end of the rules.
constexpr int leftColumnEnd = 284;
constexpr int rightColumnEnd = 558;

QString withDegreeSign(QString text)
{
    text.replace(QChar(0x2103),
        QLatin1String("\xB0"
                      "C"));
    text.replace(QChar(0x2109),
        QLatin1String("\xB0"
                      "F"));
    return text;
}

// Latin-1 text for font 1 (WinAnsi agrees with Latin-1 on what we write).
QByteArray latin(const QString &text)
{
    return text.toLatin1();
}

class Composer {
public:
    Composer(PdfWriter &writer, const CSummeryParam &summary, const CSampleSelection &data,
        const QDateTime &created)
        : w(writer)
        , s(summary)
        , source(data.data())
        , created(created)
    {
        chinese = summary.language.contains(QStringLiteral("中"));
        fahrenheit
            = summary.tempUnit.contains(QChar(0x2109)) || summary.tempUnit.contains(QStringLiteral("°F"));
        humidity = summary.containHumidity == 1;
        degree = fahrenheit ? QByteArray("\xB0"
                                         "F")
                            : QByteArray("\xB0"
                                         "C");
        prepare(data);
    }

    int writeDataPages();
    bool writeFirstPage();
    // Signatures and audit head on the first page; none by default.
    const CReportSignoff *signoff = nullptr;
    // The samples the data pages printed (writeDataPages).
    int listed = 0;

private:
    void prepare(const CSampleSelection &data);

    // Text helpers: one BT/ET block per item.
    void text(int font, float size, int x, int y, const QByteArray &bytes)
    {
        PdfTextAt(w, page, font, size, x, y, bytes);
    }
    // A fixed label of the report: English in font 1, Chinese in font 2.
    void label(float size, int x, int y, const char *english, const char *chineseText)
    {
        if (chinese)
            text(2, size, x, y, GbkCodeUtils::toGbk(QString::fromUtf8(chineseText)));
        else
            text(1, size, x, y, english);
    }
    // A value as the record holds it: font 2 when it needs more than Latin-1.
    // It stays left of right: a long value is drawn smaller, down to
    // minValueSize, and below that cut with "...".
    void value(float size, int x, int y, const QString &raw, int right)
    {
        QString v = withDegreeSign(raw);
        const int font = needsChineseFont(v) ? 2 : 1;
        auto encode = [font](const QString &t) { return font == 2 ? GbkCodeUtils::toGbk(t) : latin(t); };
        QByteArray bytes = encode(v);
        const double room = right - x;
        const double width = textWidth(font, bytes, size);
        if (width > room) {
            // Rounded down to the one decimal the size is written with.
            const float fitting = float(std::floor(size * room / width * 10) / 10);
            if (fitting >= minValueSize) {
                size = fitting;
            } else {
                size = minValueSize;
                const QString dots = QStringLiteral("...");
                int lo = 0, hi = v.size();
                while (lo < hi) {
                    const int mid = (lo + hi + 1) / 2;
                    if (textWidth(font, encode(v.left(mid) + dots), size) <= room)
                        lo = mid;
                    else
                        hi = mid - 1;
                }
                if (lo > 0 && v.at(lo - 1).isHighSurrogate())
                    --lo;
                bytes = encode(v.left(lo) + dots);
            }
        }
        text(font, size, x, y, bytes);
    }
    void line(int x1, int y1, int x2, int y2)
    {
        PdfMoveTo(w, page, quint16(x1), quint16(y1));
        PdfLineTo(w, page, quint16(x2), quint16(y2));
        PdfStroke(w, page);
    }
    // A closed outline from the top-left corner, drawn clockwise.
    void box(int left, int top, int right, int bottom)
    {
        PdfMoveTo(w, page, quint16(left), quint16(top));
        PdfLineTo(w, page, quint16(right), quint16(top));
        PdfLineTo(w, page, quint16(right), quint16(bottom));
        PdfLineTo(w, page, quint16(left), quint16(bottom));
        PdfLineTo(w, page, quint16(left), quint16(top));
        PdfStroke(w, page);
    }

    void topRule();
    void bottomRule(int y);
    void header(const char *english, const char *chineseTitle);
    void pageNumber(int number, int y);

    void deviceAndConfiguration();
    void loggingSummary();
    void signatures();
    void batteryGauge();
    void chartFrame();
    void chart();
    void curve(bool forHumidity, const Scale &scale);
    void axisLabels(int x, const Scale &scale);
    void timeLabels();
    double chartX(const Sample &sample) const { return 55 + 480.0 * double(sample.wall - firstWall) / span; }
    void timeLabel(const CRecordTime &t, int dateX, int timeX);

    QByteArray dateLine(const CRecordTime &t) const;
    QByteArray sampleLine(const Sample &sample) const;

    PdfWriter &w;
    const CSummeryParam &s;
    const CTempData *source; // the record whose samples are printed
    QDateTime created;
    PdfPage page;
    bool chinese = false;
    bool fahrenheit = false;
    bool humidity = false;
    QByteArray degree;
    QVector<Sample> samples;
    // The chart: the samples with a readable time, in list order, the places
    // among them where the line breaks (CCurveData::lineBreaks), and the
    // earliest and the latest of their times, which the time axis spans.
    QVector<int> timed;
    QVector<int> breaks;
    qint64 firstWall = 0;
    qint64 lastWall = 0;
    double span = 0;
};

void Composer::prepare(const CSampleSelection &data)
{
    samples.resize(data.size());
    for (int k = 0; k < data.size(); ++k) {
        Sample &sample = samples[k];
        sample.row = data.row(k);
        sample.time = source->time(sample.row);
        sample.wall = sample.time.toWallSecs();
        const QString temp = source->temp(sample.row);
        bool ok = false;
        sample.temp = temp.toDouble(&ok);
        sample.dashed = temp.contains(QLatin1String("--"));
        sample.tempValid = !isMissingMark(temp, sample.temp, ok);
        if (humidity) {
            const QString shidu = source->shidu(sample.row);
            sample.humidity = shidu.toDouble(&ok);
            sample.humidityValid = !sample.dashed && !isMissingMark(shidu, sample.humidity, ok);
        }
    }
}

// ------------------------------------------------------------------ frame

void Composer::topRule()
{
    PdfStrokeRgbF(w, page, 0.4f, 0.4f, 0.4f);
    PdfFillRgbF(w, page, 0.4f, 0.4f, 0.4f);
    PdfLineWidth(w, page, 2);
    PdfDash(w, page, 0);
    line(38, 794, 558, 794);
}

void Composer::bottomRule(int y)
{
    PdfStrokeRgbF(w, page, 0.3f, 0.3f, 0.3f);
    PdfFillRgbF(w, page, 0.3f, 0.3f, 0.3f);
    PdfLineWidth(w, page, 2);
    PdfDash(w, page, 0);
    line(38, y, 558, y);
}

void Composer::header(const char *english, const char *chineseTitle)
{
    PdfFillRgb(w, page, 0, 0, 1);
    label(23, 42, 797, english, chineseTitle);
    PdfFillRgbF(w, page, 0.3f, 0.3f, 0.3f);
    const QDateTime now = created.isValid() ? created : QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const QByteArray stamp = format(
        "%02d/%02d/%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
    if (chinese)
        text(2, 10, 387, 797, GbkCodeUtils::toGbk(QStringLiteral("文件创建于：")) + stamp);
    else
        text(1, 10, 387, 797, "File Created At: " + stamp);
}

void Composer::pageNumber(int number, int y)
{
    PdfFillRgbF(w, page, 0.3f, 0.3f, 0.3f);
    if (chinese)
        text(2, 10, 285, y, GbkCodeUtils::toGbk(QString::fromUtf8("第 %1 页").arg(number)));
    else
        text(1, 10, 285, y, QByteArray("Page ") + QByteArray::number(number));
}

// ------------------------------------------------------------------ data pages

QByteArray Composer::dateLine(const CRecordTime &t) const
{
    // English: month/day/year as the logger's English reports print dates.
    if (chinese)
        return format("%02d/%02d/%02d", t.year, t.month, t.day);
    return format("%02d/%02d/%04d", t.month, t.day, t.year);
}

QByteArray Composer::sampleLine(const Sample &sample) const
{
    const CRecordTime &t = sample.time;
    QByteArray out = format("  %02d:%02d:%02d      ", t.hour, t.minute, t.second);
    if (sample.dashed) {
        out += humidity ? "----   ----" : "----";
        return out;
    }
    out += latin(source->temp(sample.row));
    out += degree;
    if (humidity) {
        out += "   ";
        out += latin(source->shidu(sample.row));
        out += '%';
    }
    return out;
}

int Composer::writeDataPages()
{
    static const int shadeX[] = { 49, 133, 216, 299, 382, 465 };
    static const int separatorX[] = { 132, 215, 298, 381, 464 };
    int next = 0;
    int pages = 0;
    while (next < samples.size() && pages < CExportPdf::maxDataPages) {
        if (!CTaskProgress::poll(pages, qMin(CExportPdf::maxDataPages, samples.size() / 598 + 1)))
            break; // cancelled: the document is discarded
        page = PdfBeginPage(w);
        if (!page.isValid())
            break;
        topRule();
        PdfStrokeRgbF(w, page, 0.9f, 0.9f, 0.9f);
        PdfFillRgbF(w, page, 0.9f, 0.9f, 0.9f);
        PdfDash(w, page, 0);
        for (int x : shadeX)
            PdfRect(w, page, quint16(x), 70, 31, 699);
        PdfStrokeRgb(w, page, 0, 0, 0);
        PdfLineWidth(w, page, 1);
        PdfDash(w, page, 0);
        box(48, 770, 548, 69);
        PdfStrokeRgbF(w, page, 0.3f, 0.3f, 0.3f);
        PdfLineWidth(w, page, 0.5f);
        PdfDash(w, page, 2);
        for (int x : separatorX)
            line(x, 770, x, 69);
        bottomRule(50);
        header("DATA LIST", "数 据 列 表");

        // Body: 100 lines of 7 points per column, six columns.
        PdfFillRgb(w, page, 0, 0, 0);
        PdfBeginText(w, page);
        PdfSetFont(w, page, 1, 5.5f);
        PdfTextPos(w, page, 52, 764);
        int lines = 0;
        auto emitLine = [&](const QByteArray &bytes) {
            if (lines > 0) {
                if (lines % 100 == 0)
                    PdfTextPos(w, page, lines == 100 ? 84 : 83, 99 * 7);
                else
                    PdfTextPos(w, page, 0, -7);
            }
            PdfShowText(w, page, bytes);
            ++lines;
        };
        emitLine("Trip 0:");
        emitLine(dateLine(samples.at(next).time));
        CRecordTime shownDate = samples.at(next).time;
        while (next < samples.size()) {
            const Sample &sample = samples.at(next);
            if (!sample.time.sameDate(shownDate)) {
                // A date line never takes one of the last two lines.
                if (lines >= 598)
                    break;
                emitLine(dateLine(sample.time));
                shownDate = sample.time;
            }
            if (lines >= 600)
                break;
            emitLine(sampleLine(sample));
            ++next;
        }
        PdfEndText(w, page);
        pageNumber(pages + 2, 29);
        PdfEndPage(w, page);
        ++pages;
    }
    listed = next;
    return pages;
}

// ------------------------------------------------------------------ first page

void Composer::batteryGauge()
{
    bool ok = false;
    const int level = s.battery.trimmed().toInt(&ok);
    const int x = chinese ? 383 : 393;
    PdfStrokeRgb(w, page, 0, 0, 0);
    PdfFillRgbF(w, page, 0.8f, 0.8f, 0.8f);
    PdfLineWidth(w, page, 1);
    PdfRect(w, page, quint16(x), 684, 102, 9);
    PdfStrokeRgbF(w, page, 0.8f, 0.8f, 0.8f);
    PdfLineWidth(w, page, 0.1f);
    const int shown = ok ? level : 0;
    if (shown <= 10)
        PdfFillRgb(w, page, 1, 0, 0);
    else if (shown <= 20)
        PdfFillRgbF(w, page, 0.5f, 0.3f, 0.3f);
    else
        PdfFillRgb(w, page, 0, 1, 0);
    // The bar stays inside the 100-point gauge.
    PdfRect(w, page, quint16(x + 1), 685, quint16(qBound(4, shown, 100)), 7);
}

void Composer::chartFrame()
{
    PdfStrokeRgb(w, page, 0, 0, 0);
    PdfLineWidth(w, page, 1.2f);
    PdfDash(w, page, 0);
    box(55, 355, 535, 115);

    PdfLineWidth(w, page, 0.1f);
    PdfDash(w, page, 6);
    PdfStrokeRgbF(w, page, 0.8f, 0.8f, 0.8f);
    for (int y : { 145, 205, 265, 325 })
        line(55, y, 535, y);
    PdfStrokeRgbF(w, page, 0.5f, 0.5f, 0.5f);
    for (int y : { 175, 235, 295 })
        line(55, y, 535, y);
    PdfDash(w, page, 4);
    PdfStrokeRgbF(w, page, 0.8f, 0.8f, 0.8f);
    for (int x = 90; x <= 510; x += 60)
        line(x, 115, x, 355);
    PdfStrokeRgbF(w, page, 0.5f, 0.5f, 0.5f);
    for (int x = 120; x <= 480; x += 60)
        line(x, 115, x, 355);
}

bool Composer::writeFirstPage()
{
    page = PdfBeginPage(w);
    if (!page.isValid())
        return false;
    topRule();
    PdfStrokeRgbF(w, page, 0.8f, 0.8f, 0.8f);
    PdfFillRgbF(w, page, 0.8f, 0.8f, 0.8f);
    for (int y : { 760, 660, 515 })
        PdfRect(w, page, 38, quint16(y), 520, 13);
    batteryGauge();
    chartFrame();
    bottomRule(55);
    header("DATA REPORT", "数 据 报 表");

    PdfFillRgb(w, page, 0, 0, 0);
    label(11, 42, 762, "Device Information", "设 备 信 息");
    label(11, 42, 662, "Configuration Information", "配 置 信 息");
    label(11, 42, 517, "Logging Summary", "统 计 信 息");
    deviceAndConfiguration();
    loggingSummary();
    if (signoff && !signoff->isEmpty())
        signatures();
    chart();
    pageNumber(1, 34);
    PdfEndPage(w, page);
    return true;
}

void Composer::deviceAndConfiguration()
{
    const int leftValue = chinese ? 137 : 147;
    const int rightValue = chinese ? 382 : 392;
    auto row = [&](int y, const char *en, const char *cn, const QString &v) {
        label(9, 42, y, en, cn);
        value(9, leftValue, y, v, leftColumnEnd);
    };
    auto right = [&](int y, const char *en, const char *cn, const QString &v) {
        label(9, 287, y, en, cn);
        value(9, rightValue, y, v, rightColumnEnd);
    };
    PdfFillRgb(w, page, 0, 0, 0);
    row(745, "Product Model:", "产品型号：", s.deviceModel);
    right(745, "Probe Type:", "探头类型：", s.deviceSensor);
    row(730, "Serial Number:", "序列号：", s.deviceNo);
    label(9, 287, 730, "UoM:", "温度单位：");
    text(1, 9, rightValue, 730, degree);
    row(715, "Firmware Version:", "固件版本：", s.firmwareVersion);
    right(715, "Format:", "文件格式：", s.fileFormat);
    row(700, "Time Zone:", "设备时区：", s.deviceZone);
    right(700, "Language:", "语    言：", chinese ? QStringLiteral("中文") : QStringLiteral("EN"));
    row(685, "Device Time:", "设备时间：", s.deviceTime);
    label(9, 287, 685, "Battery:", "电池电量：");
    value(8, chinese ? 422 : 432, 685, s.battery + QLatin1Char('%'), rightColumnEnd);

    row(645, "Start Mode:", "记录开启模式：", s.recordStartModel);
    right(645, "Stop Mode:", "记录关闭模式：", s.recordStopModel);
    const bool delayed = s.delayStart.contains(QLatin1String("Manual+Delay"))
        || s.delayStart.contains(QStringLiteral("按键开启 + 延时"));
    row(630, "Start Delay:", "延时开启方式：", delayed ? s.delayStart : QStringLiteral("-----"));
    right(630, "Timing stop time:", "定时关闭时间：", s.stopAt);
    row(615, "Timing start time:", "定时开启时间：", s.startAt);
    right(615, "Upper Limit:", humidity ? "温湿度上限：" : "温度上限：", s.tempHigh);
    row(600, "Normal record interval:", "正常记录间隔：", s.normalRecordSpace);
    right(600, "Lower Limit:", humidity ? "温湿度下限：" : "温度下限：", s.tempLow);
    row(585, "Alarm record interval:", "报警记录间隔：", s.alarmSpace);
    row(570, "Alarm Delay:", "报警延时：", s.alarmDelay);
    right(570, "LCD Mode:", "屏幕常显：", s.lcd_mode);
    row(555, "Circular log:", "循环记录：", s.isRecycleRecord);
    right(555, "Manual to Reset Log:", "按键长按重置记录：", s.isLongPressed);
    row(540, "Multiple start:", "重复启动：", s.isRestart);
    if (chinese)
        right(540, "", "下发配置时重置记录：", s.isSettingClearRecord);
    else
        value(9, 287, 540, QStringLiteral("Reset record after configuration:") + s.isSettingClearRecord,
            rightColumnEnd);
}

void Composer::loggingSummary()
{
    const int leftValue = chinese ? 137 : 147;
    const int rightValue = chinese ? 382 : 392;
    // Alarm labels are green without an alarm, red with one.
    const bool noAlarm
        = s.alarmType == QLatin1String("[No Alarm]") || s.alarmType == QStringLiteral("无报警");
    enum Kind { Plain, Alarm };
    auto pair = [&](int x, int valueX, int y, Kind kind, const char *en, const char *cn, const QString &v) {
        const int end = x < 287 ? leftColumnEnd : rightColumnEnd;
        if (kind == Alarm) {
            if (noAlarm)
                PdfFillRgb(w, page, 0, 1, 0);
            else
                PdfFillRgb(w, page, 1, 0, 0);
        }
        label(9, x, y, en, cn);
        if (kind == Alarm)
            PdfFillRgb(w, page, 0, 0, 0);
        value(9, valueX, y, v, end);
    };
    auto left = [&](int y, Kind kind, const char *en, const char *cn, const QString &v) {
        pair(42, leftValue, y, kind, en, cn, v);
    };
    auto right = [&](int y, Kind kind, const char *en, const char *cn, const QString &v) {
        pair(287, rightValue, y, kind, en, cn, v);
    };
    PdfFillRgb(w, page, 0, 0, 0);
    left(500, Plain, "Highest:", humidity ? "温湿度最大值：" : "温度最大值：", s.tempMax);
    right(500, Plain, "Start Time:", "记录开始时间：", s.recordStartAt);
    left(485, Plain, "Lowest:", humidity ? "温湿度最小值：" : "温度最小值：", s.tempMin);
    right(485, Plain, "Stop Time:", "记录停止时间：", s.recordStopAt);
    left(470, Plain, "Average:", humidity ? "温湿度平均值：" : "温度平均值：", s.tempAvg);
    if (!s.mkt.isEmpty()) {
        right(470, Alarm, "Alarm Elapsed Time:", "报警总时长：", s.alarmTimeLen);
        left(455, Plain, "MKT:", "MKT：", s.mkt);
        right(455, Alarm, "Alarm Data Points:", "报警条数：", s.alarmCount);
        left(440, Plain, "Total Elapsed Time:", "记录总时长：", s.recordTimeLen);
        right(440, Alarm, "Alarm Type:", "报警类型：", s.alarmType);
        left(425, Plain, "Total Data Points:", "记录条数：", s.recordCount);
        right(425, Plain, "Trip SN:", "行程序列号：", s.wayId);
        left(410, Plain, "Trip Counts:", "记录开启次数：", s.recordTimes);
    } else {
        right(470, Plain, "Trip Counts:", "记录开启次数：", s.recordTimes);
        left(455, Alarm, "Alarm Elapsed Time:", "报警总时长：", s.alarmTimeLen);
        right(455, Plain, "Total Elapsed Time:", "记录总时长：", s.recordTimeLen);
        left(440, Alarm, "Alarm Data Points:", "报警条数：", s.alarmCount);
        right(440, Plain, "Total Data Points:", "记录条数：", s.recordCount);
        left(425, Alarm, "Alarm Type:", "报警类型：", s.alarmType);
        left(410, Plain, "Trip SN:", "行程序列号：", s.wayId);
    }
    right(410, Plain, "Trip Description:", "行程描述：", s.wayDesc);
}

// Below the summary, above the chart: two rows of two signatures (meaning,
// then name, date and time and zone), the fourth cell counting those that
// do not fit; the audit trail's head above the page number.
void Composer::signatures()
{
    const QVector<CReportSignature> &list = signoff->signatures;
    PdfFillRgb(w, page, 0, 0, 0);
    for (int i = 0; i < list.size() && i < 4; ++i) {
        const int x = i % 2 == 0 ? 42 : 287;
        const int y = i < 2 ? 396 : 384;
        const int end = i % 2 == 0 ? leftColumnEnd : rightColumnEnd;
        if (i == 3 && list.size() > 4) {
            const int more = list.size() - 3;
            value(8, x, y,
                chinese ? QStringLiteral("另有 %1 个签名").arg(more)
                        : QStringLiteral("and %1 more signatures").arg(more),
                end);
            break;
        }
        const CReportSignature &s = list.at(i);
        if (s.meaning == QLatin1String("reviewed"))
            label(8, x, y, "Reviewed:", "已审核：");
        else if (s.meaning == QLatin1String("approved"))
            label(8, x, y, "Approved:", "已批准：");
        else if (s.meaning == QLatin1String("rejected"))
            label(8, x, y, "Rejected:", "已驳回：");
        else
            value(8, x, y, s.meaning, x + 48);
        value(8, x + 50, y, s.name + QStringLiteral(", ") + s.signedAt, end);
    }
    if (!signoff->auditHead.isEmpty()) {
        PdfFillRgbF(w, page, 0.3f, 0.3f, 0.3f);
        label(6, 42, 44, "Audit trail:", "审计追踪：");
        value(6, 80, 44, signoff->auditHead, rightColumnEnd);
    }
}

// ------------------------------------------------------------------ chart

void Composer::chart()
{
    const float hr = 0.4f, hg = 0.4f, hb = 0.6f;
    PdfFillRgb(w, page, 0, 0, 0);
    text(1, 12, 54, 362, "[ " + degree + " ]");
    label(9, 285, 362, "Temperature", "温度");
    if (humidity) {
        PdfFillRgbF(w, page, hr, hg, hb);
        label(9, 405, 362, "Humidity", "湿度");
    }
    PdfLineWidth(w, page, 0.6f);
    PdfDash(w, page, 0);
    // The legend lines follow their texts; the English words are longer
    // than the Chinese ones and would be struck through at 315 and 435.
    const int tempLine = chinese ? 315 : 345;
    const int humidityLine = chinese ? 435 : 449;
    PdfStrokeRgb(w, page, 0, 0, 0);
    line(tempLine, 365, tempLine + 20, 365);
    if (humidity) {
        PdfStrokeRgbF(w, page, hr, hg, hb);
        line(humidityLine, 365, humidityLine + 20, 365);
    }

    // A sample whose time cannot be read has no place on the time axis (the
    // range selection leaves such samples out before they come here).
    QVector<qint64> walls;
    for (int i = 0; i < samples.size(); ++i) {
        const qint64 wall = samples.at(i).wall;
        if (wall == CRecordTime::invalidSecs)
            continue;
        firstWall = timed.isEmpty() ? wall : std::min(firstWall, wall);
        lastWall = timed.isEmpty() ? wall : std::max(lastWall, wall);
        timed.append(i);
        walls.append(wall);
    }
    breaks = CCurveData::lineBreaks(walls);
    span = double(lastWall - firstWall);

    bool anyT = false, anyH = false;
    double minT = 0, maxT = 0, minH = 0, maxH = 0;
    for (const int i : qAsConst(timed)) {
        const Sample &sample = samples.at(i);
        if (sample.tempValid) {
            minT = anyT ? std::min(minT, sample.temp) : sample.temp;
            maxT = anyT ? std::max(maxT, sample.temp) : sample.temp;
            anyT = true;
        }
        if (sample.humidityValid) {
            minH = anyH ? std::min(minH, sample.humidity) : sample.humidity;
            maxH = anyH ? std::max(maxH, sample.humidity) : sample.humidity;
            anyH = true;
        }
    }
    const Scale tScale = Scale::from(anyT, minT, maxT);
    const Scale hScale = Scale::from(anyH, minH, maxH);

    PdfFillRgb(w, page, 0, 0, 0);
    axisLabels(fahrenheit ? 28 : 31, tScale);
    if (humidity) {
        PdfFillRgbF(w, page, hr, hg, hb);
        axisLabels(540, hScale);
    }

    PdfLineWidth(w, page, 0.6f);
    PdfDash(w, page, 0);
    PdfStrokeRgb(w, page, 0, 0, 0);
    curve(false, tScale);
    if (humidity) {
        PdfStrokeRgbF(w, page, hr, hg, hb);
        curve(true, hScale);
    }

    PdfFillRgb(w, page, 0, 0, 0);
    timeLabels();
}

// The value at the top, the bottom and the three darker grid lines, each
// the value at its own height. The left labels end before the chart frame.
void Composer::axisLabels(int x, const Scale &scale)
{
    static const int labelY[] = { 350, 292, 232, 172, 117 };
    for (int k = 0; k < 5; ++k) {
        const QByteArray label = axisLabel(scale.top - (k == 4 ? 40 : 10 * k) * scale.step);
        int labelX = x;
        if (x < 55)
            labelX = std::max(0, std::min(x, int(std::floor(54 - textWidth(1, label, 9)))));
        text(1, 9, labelX, labelY[k], label);
    }
}

// The earliest and the latest sample's time under the ends of the time
// axis, and under every darker vertical grid line the time at its place:
// the curve places each sample at its own time, so the time runs from the
// first to the last in proportion to x. Times as printed: the machine's time
// zone plays no part.
void Composer::timeLabels()
{
    if (timed.isEmpty())
        return;
    auto at = [](qint64 wall) {
        const QDateTime t = QDateTime::fromSecsSinceEpoch(wall, Qt::UTC);
        return CRecordTime::fromFields(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
            t.time().minute(), t.time().second());
    };
    if (span == 0) {
        timeLabel(at(firstWall), 295 - 22, 295 - 18);
        return;
    }
    timeLabel(at(firstWall), 37, 32);
    timeLabel(at(lastWall), 522, 517);
    for (int g = 120; g <= 480; g += 60)
        timeLabel(at(firstWall + std::llround(span * (g - 55) / 480.0)), g - 22, g - 18);
}

void Composer::curve(bool forHumidity, const Scale &scale)
{
    auto valid = [&](const Sample &sample) { return forHumidity ? sample.humidityValid : sample.tempValid; };
    auto y = [&](const Sample &sample) { return scale.y(forHumidity ? sample.humidity : sample.temp); };
    if (timed.isEmpty())
        return;
    if (span == 0) {
        // Samples of one time have no horizontal scale: a short mark in the
        // middle.
        const Sample &sample = samples.at(timed.first());
        if (valid(sample)) {
            PdfMoveToF(w, page, 292.0, y(sample));
            PdfLineToF(w, page, 298.0, y(sample));
            PdfStroke(w, page);
        }
        return;
    }
    // Long records are thinned to every k-th sample of each stretch between
    // two stops, from the stretch's first one.
    const int n = samples.size();
    const int k = n >= 40960 ? 16 : n >= 20480 ? 8 : n >= 10240 ? 4 : n >= 5120 ? 2 : 1;
    int points = 0;
    double lastX = 0, lastY = 0;
    auto endStretch = [&] {
        // A stretch of one point: a short tick, so that it shows (inward
        // at the right end of the chart).
        if (points == 1)
            PdfLineToF(w, page, lastX + 1.0 <= 535.0 ? lastX + 1.0 : lastX - 1.0, lastY);
        if (points > 0)
            PdfStroke(w, page);
        points = 0;
    };
    int nextBreak = 0;
    int inStretch = 0;
    for (int r = 0; r < timed.size(); ++r) {
        if (nextBreak < breaks.size() && breaks.at(nextBreak) == r) {
            ++nextBreak;
            endStretch();
            inStretch = 0;
        }
        const Sample &sample = samples.at(timed.at(r));
        if (inStretch++ % k != 0 || !valid(sample))
            continue;
        lastX = chartX(sample);
        lastY = y(sample);
        if (points++ == 0)
            PdfMoveToF(w, page, lastX, lastY);
        else
            PdfLineToF(w, page, lastX, lastY);
    }
    endStretch();
}

void Composer::timeLabel(const CRecordTime &t, int dateX, int timeX)
{
    text(1, 9, dateX, 100, format("%04d/%02d/%02d", t.year, t.month, t.day));
    text(1, 9, timeX, 90, format("%02d:%02d:%02d", t.hour, t.minute, t.second));
}

} // namespace

CExportPdf::CExportPdf(QObject *parent)
    : QObject(parent)
{
}

bool CExportPdf::write(const CSummeryParam &summary, const CDeviceSettingInfo &,
    const CSampleSelection &samples, const QString &path)
{
    return exportPdf(summary, samples, path) >= 1;
}

QString CExportPdf::error() const
{
    return writer.errorNumber == 0 ? QString() : qt_error_string(writer.errorNumber);
}

int CExportPdf::exportPdf(const CSummeryParam &summary, const CSampleSelection &samples, const QString &path)
{
    listed = 0;
    given = samples.size();
    if (!PdfOpen(writer, path))
        return -1;
    Composer composer(writer, summary, samples, createdAt);
    composer.signoff = &m_signoff;
    // The data pages first and the first page last: the page tree lists the
    // page begun last first.
    const int dataPages = composer.writeDataPages();
    listed = composer.listed;
    composer.writeFirstPage();
    if (CTaskProgress::cancelledHere()) {
        PdfDiscard(writer);
        return -1;
    }
    if (PdfClose(writer) != 0)
        return -1;
    return dataPages + 1;
}
