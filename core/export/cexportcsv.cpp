#include "core/export/cexportcsv.h"

#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QSaveFile>

namespace {

// A number as a spreadsheet reads one: an optional sign, ASCII digits with
// at most one decimal point (at least one digit), an optional exponent.
bool isPlainNumber(const QString &text)
{
    const int n = text.size();
    int i = 0;
    const auto digits = [&] {
        const int start = i;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            ++i;
        return i - start;
    };
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    int mantissa = digits();
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// "yyyy-MM-dd HH:mm:ss" in ASCII digits, whatever the locale; a time that
// could not be read stays as the record holds it.
QByteArray timeField(const CTempData &data, int row, const CExportCsv::Format &format)
{
    const CRecordTime t = data.time(row);
    if (!t.isValid())
        return CExportCsv::field(data.recordTime(row), format);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
        t.minute, t.second);
    return QByteArray(text);
}

} // namespace

QString CExportCsv::meaningText(const QString &meaning)
{
    if (meaning == QLatin1String("reviewed"))
        return tr("Reviewed");
    if (meaning == QLatin1String("approved"))
        return tr("Approved");
    if (meaning == QLatin1String("rejected"))
        return tr("Rejected");
    return meaning;
}

QByteArray CExportCsv::field(const QString &text, const Format &format)
{
    QString value = text;
    if (isPlainNumber(value)) {
        if (format.decimal != '.')
            value.replace(QLatin1Char('.'), QLatin1Char(format.decimal));
    } else if (!value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.at(0))) {
        // A formula to a spreadsheet: written as text.
        value.prepend(QLatin1Char('\''));
    }
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(format.separator) || bytes.contains('"') || bytes.contains('\n')
        || bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

QByteArray CExportCsv::content(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
    const CSampleSelection &samples, const Format &format, const CReportSignoff &signoff)
{
    const bool fahrenheit
        = summary.tempUnit.contains(QChar(0x2109)) || summary.tempUnit.contains(QStringLiteral("°F"));
    const bool humidity = summary.containHumidity == 1;
    const QString unit = fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C");
    const char sep = format.separator;

    QByteArray out("\xEF\xBB\xBF");
    out.reserve(samples.size() * 40 + 512);
    if (!signoff.isEmpty()) {
        out += field(tr("Signatures"), format) + "\r\n";
        for (const CReportSignature &s : signoff.signatures)
            out += field(meaningText(s.meaning), format) + sep + field(s.name, format) + sep
                + field(s.signedAt, format) + sep + field(s.comment, format) + "\r\n";
        if (!signoff.auditHead.isEmpty())
            out += field(tr("Audit trail"), format) + sep + field(signoff.auditHead, format) + "\r\n";
        out += "\r\n";
    }
    if (format.tripDetails) {
        const auto line = [&](const QString &label, const QString &value) {
            out += field(label, format) + sep + field(value, format) + "\r\n";
        };
        line(tr("Device"), summary.deviceModel);
        line(tr("Serial number"), summary.deviceNo);
        line(tr("Trip ID"), summary.wayId);
        line(tr("Trip description"), summary.wayDesc);
        line(tr("Temperature upper limit(%1)").arg(unit), settings.tempHigh);
        line(tr("Temperature lower limit(%1)").arg(unit), settings.tempLow);
        if (humidity) {
            line(tr("Humidity upper limit(%RH)"), settings.humidityHigh);
            line(tr("Humidity lower limit(%RH)"), settings.humidityLow);
        }
        line(tr("Time zone"), summary.deviceZone);
        out += "\r\n";
    }
    out += field(tr("No."), format) + sep + field(tr("Time"), format) + sep
        + field(tr("Temperature(%1)").arg(unit), format);
    if (humidity)
        out += sep + field(tr("Humidity(%RH)"), format);
    out += "\r\n";
    int number = 0;
    for (int k = 0; k < samples.size(); ++k) {
        const CTempData &data = *samples.data();
        const int row = samples.row(k);
        out += QByteArray::number(++number);
        out += sep;
        out += timeField(data, row, format);
        out += sep;
        out += field(data.temp(row), format);
        if (humidity) {
            out += sep;
            out += field(data.shidu(row), format);
        }
        out += "\r\n";
    }
    return out;
}

bool CExportCsv::write(const CSummeryParam &summary, const CDeviceSettingInfo &settings,
    const CSampleSelection &samples, const QString &path)
{
    m_error.clear();
    QSaveFile file(path);
    // Unbuffered: QSaveFile's commit() takes a failed flush of its own
    // buffer (a full disk) for success and leaves an empty file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = content(summary, settings, samples, m_format, m_signoff);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
