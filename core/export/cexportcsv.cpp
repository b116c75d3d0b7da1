#include "core/export/cexportcsv.h"

#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QSaveFile>

namespace {

// A field as RFC 4180 wants it: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.
QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// "yyyy-MM-dd HH:mm:ss" in ASCII digits, whatever the locale; a time that
// could not be read stays as the record holds it.
QByteArray timeField(const TempDataItem &item)
{
    const CRecordTime &t = item.time;
    if (!t.isValid())
        return field(item.recordTime);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
        t.minute, t.second);
    return QByteArray(text);
}

} // namespace

QByteArray CExportCsv::content(const CSummeryParam &summary, const CSampleSelection &samples)
{
    const bool chinese = summary.language.contains(QStringLiteral("中"));
    const bool fahrenheit
        = summary.tempUnit.contains(QChar(0x2109)) || summary.tempUnit.contains(QStringLiteral("°F"));
    const bool humidity = summary.containHumidity == 1;
    const QString unit = fahrenheit ? QStringLiteral("°F") : QStringLiteral("°C");

    QByteArray out("\xEF\xBB\xBF");
    out.reserve(samples.size() * 40 + 64);
    if (chinese)
        out += QStringLiteral("序号,时间,温度(%1)").arg(unit).toUtf8() + (humidity ? ",湿度(%RH)" : "");
    else
        out += QStringLiteral("No.,Time,Temperature(%1)").arg(unit).toUtf8()
            + (humidity ? ",Humidity(%RH)" : "");
    out += "\r\n";
    int number = 0;
    for (const TempDataItem *item : samples) {
        out += QByteArray::number(++number);
        out += ',';
        out += timeField(*item);
        out += ',';
        out += field(item->temp);
        if (humidity) {
            out += ',';
            out += field(item->shidu);
        }
        out += "\r\n";
    }
    return out;
}

bool CExportCsv::write(const CSummeryParam &summary, const CDeviceSettingInfo &,
    const CSampleSelection &samples, const QString &path)
{
    m_error.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = content(summary, samples);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
