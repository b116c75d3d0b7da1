#include "core/record/crecord.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <memory>
#include <openssl/evp.h>

namespace {

const QString units[] = { QStringLiteral("\u00B0C"), QStringLiteral("\u2103"), QStringLiteral("\u00B0F"),
    QStringLiteral("\u2109") };

// Locale-independent decimal conversion; anything that is not a number is 0.
double number(const QString &text)
{
    return text.trimmed().toDouble();
}

// A temperature/humidity limit such as "40.0°C,90.0%RH", or with two blanks
// (CSV reports) or one (English PDF reports) instead of the comma:
// temperature from the first part, humidity from the second.
void combinedLimit(const QString &text, double &temp, double &humidity, QString &tempUnit)
{
    QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() == 1)
        parts = text.split(QStringLiteral("  "));
    if (parts.size() == 1) {
        // One blank: the humidity part follows the unit mark.
        for (const QString &unit : units) {
            const int pos = text.indexOf(unit);
            const int end = pos + unit.size();
            if (pos > 0 && !text.mid(end).trimmed().isEmpty()) {
                parts = QStringList { text.left(end), text.mid(end) };
                break;
            }
        }
    }
    const QString &first = parts.at(0);
    for (const QString &unit : units) {
        const int pos = first.indexOf(unit);
        if (pos > 0) {
            temp = number(first.left(pos));
            tempUnit = unit;
        }
    }
    if (parts.size() > 1) {
        const QString &second = parts.at(1);
        humidity = number(second.left(second.indexOf(QLatin1Char('%'))));
    }
}

void temperatureLimit(const QString &text, double &temp, QString &tempUnit)
{
    for (const QString &unit : units) {
        const int pos = text.indexOf(unit);
        if (pos >= 0) {
            temp = number(text.left(pos));
            tempUnit = unit;
        }
    }
}

} // namespace

CAlarmLimits CAlarmLimits::fromSettings(const CDeviceSettingInfo &settings, bool humidity)
{
    CAlarmLimits limits;
    limits.tempHigh = settings.tempHigh.toDouble();
    limits.tempLow = settings.tempLow.toDouble();
    if (humidity) {
        limits.humidityHigh = settings.humidityHigh.toDouble();
        limits.humidityLow = settings.humidityLow.toDouble();
    }
    return limits;
}

CAlarmLimits CAlarmLimits::fromSummary(CSummeryParam &summary, const CAlarmLimits &start)
{
    CAlarmLimits limits = start;
    if (summary.containHumidity == 1) {
        combinedLimit(summary.tempHigh, limits.tempHigh, limits.humidityHigh, summary.tempUnit);
        combinedLimit(summary.tempLow, limits.tempLow, limits.humidityLow, summary.tempUnit);
    } else {
        limits.humidityHigh = limits.humidityLow = 0.0;
        temperatureLimit(summary.tempHigh, limits.tempHigh, summary.tempUnit);
        temperatureLimit(summary.tempLow, limits.tempLow, summary.tempUnit);
    }
    return limits;
}

namespace {

// OpenSSL's SHA-256 uses the processor's SHA instructions where it has them:
// ten times Qt's own on a report of a few MB, which every read and every
// opening of a stored record hash.
struct DigestContext {
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context { EVP_MD_CTX_new(), &EVP_MD_CTX_free };
    bool ok = context && EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) == 1;

    bool add(const char *data, qint64 size)
    {
        ok = ok && EVP_DigestUpdate(context.get(), data, size_t(size)) == 1;
        return ok;
    }
    QString hex()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (!ok || EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
            return QString();
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
    }
};

} // namespace

QString CRecord::digest(const QByteArray &bytes)
{
    DigestContext context;
    context.add(bytes.constData(), bytes.size());
    return context.hex();
}

QString CRecord::fileDigest(const QString &path)
{
    QFile file(path);
    // A FIFO or a device would block or never end: regular files only.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    DigestContext context;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        if (!context.add(buffer.constData(), got))
            return QString();
    }
    return context.hex();
}

CReportCheck CRecord::checkReport(const QString &path, const QString &digest)
{
    if (digest.isEmpty())
        return CReportCheck::NoDigest;
    const QString actual = fileDigest(path);
    if (actual.isEmpty())
        return CReportCheck::Missing;
    return actual.compare(digest, Qt::CaseInsensitive) == 0 ? CReportCheck::Unchanged : CReportCheck::Changed;
}
