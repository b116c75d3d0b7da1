#include "core/export/cexportrange.h"

#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int mktFirstTenth = -500; // -50.0
constexpr int mktEntries = 1600; // up to 109.9

double kineticValue(double t)
{
    const double kelvin = t + 273.1;
    return kelvin > 0 ? std::exp(-10000.0 / kelvin) : 0.0;
}

// Computed once per process: the values grow with t.
const std::array<double, mktEntries> &mktTable()
{
    static const std::array<double, mktEntries> table = [] {
        std::array<double, mktEntries> t {};
        for (int i = 0; i < mktEntries; ++i)
            t[size_t(i)] = kineticValue((mktFirstTenth + i) / 10.0);
        return t;
    }();
    return table;
}

// The reading of a temperature or humidity text. The missing-reading marks
// ("--", the value 255) and values that are not finite (NaN, infinity, a
// number beyond the range of a double) are no reading; text that is not a
// number reads as 0.
bool reading(const QString &text, double *value)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (text.contains(QLatin1String("--")) || (ok && v == 255.0) || !std::isfinite(v))
        return false;
    *value = ok ? v : 0;
    return true;
}

// The mean of finite values. Readings near the largest double make the plain
// sum infinite; the sum of the shares stays finite.
double mean(const QVector<double> &values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    if (std::isfinite(sum))
        return sum / values.size();
    double share = 0;
    for (double v : values)
        share += v / values.size();
    return share;
}

QString statistic(double value, const QString &unit)
{
    return QString::number(value, 'f', 1) + QLatin1Char(' ') + unit;
}

} // namespace

double CExportRange::meanKineticTemperature(const QVector<double> &temperatures)
{
    const auto &table = mktTable();
    double sum = 0;
    int count = 0;
    for (double t : temperatures) {
        if (!std::isfinite(t))
            continue;
        // Rounded in double: a huge reading has no integer tenth (its
        // exp(-10000 / (t + 273.1)) is 1 or 0, and each term stays below 1).
        const double tenth = std::round(t * 10);
        const double index = tenth - mktFirstTenth;
        sum += index >= 0 && index < mktEntries ? table[size_t(index)] : kineticValue(tenth / 10.0);
        ++count;
    }
    if (count == 0)
        return 0;
    // The sum of n equal values divided by n may miss the value by an ulp;
    // a constant 25.0 must still find the entry of 25.0.
    const double mean = sum / count * (1 + 1e-12);
    if (mean > table.back() * (1 + 2e-12))
        return 160.0;
    // The largest entry not above the mean; below the table, its first entry.
    const auto it = std::upper_bound(table.begin(), table.end(), mean);
    const int index = it == table.begin() ? 0 : int(it - table.begin()) - 1;
    return (mktFirstTenth + index) / 10.0;
}

QString CExportRange::durationText(qint64 seconds, bool english)
{
    const qint64 days = seconds / 86400;
    const qint64 hours = seconds % 86400 / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    const qint64 secs = seconds % 60;
    QString text;
    if (days)
        text += QString::number(days) + (english ? QStringLiteral("d ") : QStringLiteral("天 "));
    if (hours)
        text += QString::number(hours) + (english ? QStringLiteral("h ") : QStringLiteral("时 "));
    if (minutes)
        text += QString::number(minutes) + (english ? QStringLiteral("min ") : QStringLiteral("分 "));
    if (secs)
        text += QString::number(secs) + (english ? QStringLiteral("sec") : QStringLiteral("秒"));
    return text;
}

bool CExportRange::cutToRange(const CSummeryParam &source, const CTempData &data, qint64 startSecs,
    qint64 endSecs, CSummeryParam &summary, CSampleSelection &kept)
{
    summary = source;
    kept.select(data);
    kept.reserve(data.size());
    qint64 firstSecs = 0;
    qint64 lastSecs = 0;
    for (int i = 0; i < data.size(); ++i) {
        const qint64 secs = data.secs(i);
        if (secs == CRecordTime::invalidSecs || secs < startSecs || secs > endSecs)
            continue;
        if (kept.isEmpty())
            firstSecs = secs;
        lastSecs = secs;
        kept.append(i);
    }
    if (kept.size() == data.size() && !kept.isEmpty())
        return true;

    const bool english = source.language == QLatin1String("EN");
    if (kept.isEmpty()) {
        const QString none = QStringLiteral("-----");
        summary.tempMax = summary.tempMin = summary.tempAvg = summary.mkt = none;
        summary.alarmTimeLen = english ? QStringLiteral("0sec") : QStringLiteral("0秒");
        summary.alarmCount = QStringLiteral("0");
        summary.alarmType = english ? QStringLiteral("[No Alarm]") : QStringLiteral("无报警");
        summary.recordTimeLen = english ? QStringLiteral("0sec") : QStringLiteral("0秒");
        summary.recordCount = summary.recordTimes = QStringLiteral("0");
        summary.recordStartAt = summary.recordStopAt = none;
        return false;
    }

    const bool humidity = source.containHumidity == 1;
    QVector<double> temps;
    QVector<double> humidities;
    temps.reserve(kept.size());
    for (int k = 0; k < kept.size(); ++k) {
        const QString temp = data.temp(kept.row(k));
        double value = 0;
        if (reading(temp, &value))
            temps.append(value);
        if (humidity && !temp.contains(QLatin1String("--")) && reading(data.shidu(kept.row(k)), &value))
            humidities.append(value);
    }

    const QString none = QStringLiteral("-----");
    if (temps.isEmpty()) {
        summary.tempMax = summary.tempMin = summary.tempAvg = none;
    } else {
        const auto [lo, hi] = std::minmax_element(temps.cbegin(), temps.cend());
        summary.tempMax = statistic(*hi, source.tempUnit);
        summary.tempMin = statistic(*lo, source.tempUnit);
        summary.tempAvg = statistic(mean(temps), source.tempUnit);
    }
    if (humidity && !temps.isEmpty()) {
        if (humidities.isEmpty()) {
            const QString dashes = QStringLiteral("  ") + none;
            summary.tempMax += dashes;
            summary.tempMin += dashes;
            summary.tempAvg += dashes;
        } else {
            auto part = [](double v) {
                return QStringLiteral("  ") + QString::number(v, 'f', 1) + QLatin1Char('%');
            };
            const auto [lo, hi] = std::minmax_element(humidities.cbegin(), humidities.cend());
            summary.tempMax += part(*hi);
            summary.tempMin += part(*lo);
            summary.tempAvg += part(mean(humidities));
        }
    }
    if (!source.mkt.isEmpty()) {
        summary.mkt = temps.isEmpty()
            ? none
            : QString::number(meanKineticTemperature(temps), 'g', 6) + QLatin1Char(' ') + source.tempUnit;
    }
    summary.recordStartAt = data.recordTime(kept.row(0));
    summary.recordStopAt = data.recordTime(kept.row(kept.size() - 1));
    summary.recordTimeLen = durationText(std::llabs(lastSecs - firstSecs), english);
    summary.recordCount = QString::number(kept.size());
    return false;
}

CExportRange::Range CExportRange::presetRange(const CTempData &data)
{
    const auto secs = [&data](int i) { return data.secs(i) == CRecordTime::invalidSecs ? 0 : data.secs(i); };
    if (data.isEmpty())
        return {};
    return { secs(0), secs(data.size() - 1) };
}

bool CExportRange::isAcceptedRange(const CTempData &data, qint64 startSecs, qint64 endSecs, RangeKind kind)
{
    if (isValidRange(startSecs, endSecs))
        return true;
    if (kind != PresetRange || endSecs != startSecs)
        return false;
    for (int i = 0; i < data.size(); ++i) {
        if (data.secs(i) != startSecs)
            return false;
    }
    return true;
}

CExportRange::Status CExportRange::exportRecord(const CRecord &record, qint64 startSecs, qint64 endSecs,
    const QString &path, CRecordExporter &exporter, RangeKind kind)
{
    if (!isAcceptedRange(record.data, startSecs, endSecs, kind))
        return InvalidRange;
    CSummeryParam summary;
    CSampleSelection selected;
    cutToRange(record.summary, record.data, startSecs, endSecs, summary, selected);
    return exporter.write(summary, record.settings, selected, path) ? Written : WriteFailed;
}

QString CExportRange::defaultTargetPath(const QDateTime &now, const QString &suffix)
{
    const QString dir = applicationDir + QStringLiteral("/export");
    QDir().mkpath(dir);
    const QDate d = now.date();
    const QTime t = now.time();
    const QString name = QStringLiteral("%1-%2%3%4%5%6%7.%8")
                             .arg(QStringLiteral("record"))
                             .arg(d.year(), 4, 10, QLatin1Char('0'))
                             .arg(d.month(), 2, 10, QLatin1Char('0'))
                             .arg(d.day(), 2, 10, QLatin1Char('0'))
                             .arg(t.hour(), 2, 10, QLatin1Char('0'))
                             .arg(t.minute(), 2, 10, QLatin1Char('0'))
                             .arg(t.second(), 2, 10, QLatin1Char('0'))
                             .arg(suffix);
    return dir + QLatin1Char('/') + name;
}

QString CExportRange::proposedTargetPath(
    const QString &dir, const CRecord &record, const QDateTime &now, const QString &suffix)
{
    QString base;
    for (const QString &part : { record.name.trimmed(), record.summary.wayId.trimmed() }) {
        if (!part.isEmpty())
            base += (base.isEmpty() ? QString() : QStringLiteral("_")) + part;
    }
    const QString folder
        = !dir.isEmpty() && QFileInfo(dir).isDir() ? dir : QFileInfo(defaultTargetPath(now, suffix)).path();
    if (base.isEmpty())
        return folder + QLatin1Char('/') + QFileInfo(defaultTargetPath(now, suffix)).fileName();
    for (QChar &c : base) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // Room for "-NN" and the suffix within the 255 bytes of a name.
    const int room = 255 - 4 - QFile::encodeName(QLatin1Char('.') + suffix).size();
    while (QFile::encodeName(base).size() > room) {
        base.chop(1);
        if (!base.isEmpty() && base.at(base.size() - 1).isHighSurrogate())
            base.chop(1);
    }
    QString path = QStringLiteral("%1/%2.%3").arg(folder, base, suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1/%2-%3.%4").arg(folder, base, QString::number(n), suffix);
    return path;
}
