#include "core/configuration/cconfigtemplate.h"

#include "core/configuration/cconfigvalues.h"
#include "core/record/appglobals.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <cmath>

QString CConfigTemplate::directory()
{
    return applicationDir + QStringLiteral("/setting_file_dir");
}

QString CConfigTemplate::pathFor(const QString &dir, const QString &name)
{
    return dir + QLatin1Char('/') + name + QStringLiteral(".ini");
}

bool CConfigTemplate::validName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/'));
}

bool CConfigTemplate::save(const QString &path, const CConfigValues &v)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue("base/temp-unit", v.fahrenheit ? 2 : 1);
    ini.setValue("base/runwayIdTxt", v.tripId);
    ini.setValue("base/runwayDescTxt", v.description);
    ini.setValue("base/startTypeCb", v.startType);
    ini.setValue("base/stopTypeCb", v.stopType);
    ini.setValue("base/startDelayTime", v.startDelay);
    ini.setValue("base/startDateTimeEdit", v.startTime);
    ini.setValue("base/stopDateTimeEdit", v.stopTime);
    ini.setValue("base/normalRecordSpace", v.normalInterval);
    ini.setValue("base/alarmRecordSpace", v.alarmInterval);
    ini.setValue("base/spinBox", v.alarmDelay);
    ini.setValue("alarm/tempHighSpinBox", v.tempHigh);
    ini.setValue("alarm/tempLowSpinBox", v.tempLow);
    ini.setValue("alarm/adjustTempSpinBox", v.tempAdjust);
    ini.setValue("alarm/humidityHighSpinBox", v.humidityHigh);
    ini.setValue("alarm/humidityLowSpinBox", v.humidityLow);
    ini.setValue("alarm/humidityAdjSpinBox", v.humidityAdjust);
    ini.setValue("export/file-lan", v.reportEnglish ? 2 : 1);
    ini.setValue("export/exportFileTypeCb", v.fileType);
    ini.setValue("option/repeatRecordComboBox", v.circular);
    ini.setValue("option/clearRecordComboBox", v.clearRecords);
    ini.setValue("option/restartComboBox", v.multipleStart);
    ini.setValue("option/lcdLightComboBox", v.display);
    ini.setValue("option/longPressedClearRecordComboBox", v.longPressClear);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

CConfigTemplate::Result CConfigTemplate::saveNamed(
    const QString &dir, const QString &name, const CConfigValues &values)
{
    if (!validName(name))
        return Result::InvalidName;
    const QString path = pathFor(dir, name);
    if (QFileInfo::exists(path))
        return Result::Exists;
    return save(path, values) ? Result::Done : Result::Failed;
}

namespace {

// Larger than any template the page writes (about 600 bytes).
constexpr qint64 MaxTemplateSize = 64 * 1024;

// How Qt before 5.6 wrote a date-time into an INI file (and any other type
// it had no text for); safeLine keeps the mark at the start of the bytes.
constexpr char OlderTimeMark[] = "@Variant(";

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// Whether the escape whose digits start at start makes an "@": QSettings
// keeps the low 16 bits of the number, however many digits follow.
bool escapeMakesAt(const QByteArray &line, int start, int base)
{
    quint32 value = 0;
    for (int i = start; i < line.size() && digitValue(line.at(i)) < base; ++i) {
        if (i - start >= (base == 16 ? 4 : 6))
            return true; // longer than any escape QSettings writes
        value = value * quint32(base) + quint32(digitValue(line.at(i)));
    }
    return (value & 0xFFFF) == '@';
}

// One line of an INI file; see safeIniText. A value starts after the first
// "=", after a "," outside quotes, and its first character may stand inside
// quotes.
bool safeLine(QByteArray &line)
{
    int allowedAt = -1; // the "@" of a time value, read as bytes
    const int equals = line.indexOf('=');
    if (equals >= 0) {
        int at = equals + 1;
        while (at < line.size() && quint8(line.at(at)) <= ' ')
            ++at;
        if (at < line.size() && line.at(at) == '"')
            ++at;
        if (line.mid(at).startsWith("@DateTime(")) {
            line.replace(at, 10, "@ByteArray(");
            allowedAt = at;
        } else if (line.mid(at).startsWith(OlderTimeMark)) {
            // Read as bytes that still name their form: "@Variant(" + payload.
            line.insert(at, "@ByteArray(");
            allowedAt = at;
        }
    }
    bool elementStart = true;
    bool inQuotes = false;
    bool seenEquals = false;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\') {
            if (i + 1 >= line.size())
                return false; // a value continued on the next line
            const char next = line.at(++i);
            if ((next == 'x' && escapeMakesAt(line, i + 1, 16))
                || (next >= '0' && next <= '7' && escapeMakesAt(line, i, 8)))
                return false;
            elementStart = false;
            continue;
        }
        if (c == '"') {
            inQuotes = !inQuotes;
            continue;
        }
        if (!inQuotes) {
            if (quint8(c) <= ' ') // blanks and control characters around a value
                continue;
            if (c == ',' || (c == '=' && !seenEquals)) {
                seenEquals = seenEquals || c == '=';
                elementStart = true;
                continue;
            }
        }
        if (c == '@' && elementStart && i != allowedAt) {
            if (i + 1 >= line.size() || line.at(i + 1) != '@')
                return false;
            ++i; // "@@" stands for a plain "@"
        }
        elementStart = false;
    }
    return !inQuotes; // QSettings never writes a quote over two lines
}

// A value that stood as "@Variant(...)" in the file (see safeLine): the
// date-time it holds, or invalid. *older is false for any other value.
QDateTime olderTime(const QVariant &value, bool *older)
{
    const QByteArray bytes = value.userType() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
    *older = bytes.startsWith(OlderTimeMark);
    if (!*older)
        return QDateTime();
    return CConfigTemplate::dateTimeFromBytes(
        bytes.mid(int(sizeof(OlderTimeMark)) - 1), CConfigTemplate::TimeForm::Qt40);
}

} // namespace

bool CConfigTemplate::safeIniText(QByteArray &text)
{
    // A line ends at "\n" or "\r" (either may end a line for QSettings).
    QByteArray checked;
    int start = 0;
    while (start <= text.size()) {
        int end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        QByteArray line = text.mid(start, end - start);
        if (!safeLine(line))
            return false;
        checked += line;
        if (end < text.size())
            checked += text.at(end);
        start = end + 1;
    }
    text = checked;
    return true;
}

QDateTime CConfigTemplate::dateTimeFromBytes(const QByteArray &bytes, TimeForm form)
{
    QDataStream in(bytes);
    in.setVersion(form == TimeForm::Qt56 ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
    quint32 type = 0;
    qint8 null = 0; // not written before 5.6
    qint64 julianDay = 0;
    quint32 msecs = 0;
    qint8 zoneKind = 0; // local, UTC or an offset
    qint32 offset = 0;
    in >> type;
    if (form == TimeForm::Qt56) {
        in >> null >> julianDay >> msecs >> zoneKind;
        if (zoneKind == Qt::OffsetFromUTC)
            in >> offset;
    } else {
        // No null flag yet, the Julian day in 32 bits (0 for no date), and
        // the zone kinds of those versions: -1, 0 and 1 local time (unknown,
        // standard, daylight), 2 UTC, 3 an offset whose value was never
        // written (Qt reads it as UTC), 4 a named zone without its name.
        quint32 day = 0;
        qint8 kind = 0;
        in >> day >> msecs >> kind;
        if (day == 0 || kind < -1 || kind > 3)
            return QDateTime();
        julianDay = day;
        zoneKind = kind <= 1 ? Qt::LocalTime : Qt::UTC;
    }
    if (in.status() != QDataStream::Ok || type != QMetaType::QDateTime || null != 0 || !in.atEnd()
        || (zoneKind != Qt::LocalTime && zoneKind != Qt::UTC && zoneKind != Qt::OffsetFromUTC))
        return QDateTime();
    const QDate date = QDate::fromJulianDay(julianDay);
    if (!date.isValid() || msecs >= 24u * 3600 * 1000)
        return QDateTime();
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)), Qt::TimeSpec(zoneKind), offset);
}

CConfigTemplate::LoadResult CConfigTemplate::load(const QString &path, CConfigValues &v, const QDateTime &now)
{
    using namespace CConfigRange;
    using V = CConfigValues;
    // QSettings reads a checked copy of the file (a missing or unreadable
    // file reads as empty, as QSettings has it).
    QByteArray text;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        text = file.read(MaxTemplateSize + 1);
        if (text.size() > MaxTemplateSize)
            return LoadResult::Damaged;
    }
    if (!safeIniText(text))
        return LoadResult::Damaged;
    QTemporaryFile checked(QDir::temp().filePath(QStringLiteral("vesmira-template-XXXXXX.ini")));
    if (!checked.open() || checked.write(text) != text.size() || !checked.flush())
        return LoadResult::Damaged;
    checked.close();
    const QSettings ini(checked.fileName(), QSettings::IniFormat);
    // A value in the older form must be a date-time, whatever its key: any
    // other type it could name is refused with the file.
    for (const QString &key : ini.allKeys()) {
        bool older = false;
        const QDateTime time = olderTime(ini.value(key), &older);
        if (older && !time.isValid())
            return LoadResult::Damaged;
    }
    const auto time = [&](const char *key) {
        const QVariant value = ini.value(QLatin1String(key));
        bool older = false;
        const QDateTime olderValue = olderTime(value, &older);
        if (older)
            return olderValue;
        return value.userType() == QMetaType::QByteArray ? dateTimeFromBytes(value.toByteArray())
                                                         : value.toDateTime();
    };
    bool finite = true;
    for (const char *key : { "alarm/tempHighSpinBox", "alarm/tempLowSpinBox", "alarm/adjustTempSpinBox",
             "alarm/humidityHighSpinBox", "alarm/humidityLowSpinBox", "alarm/humidityAdjSpinBox" })
        finite = finite && std::isfinite(ini.value(QLatin1String(key)).toDouble());

    v.fahrenheit = ini.value("base/temp-unit").toInt() == 2;
    v.tripId = V::tripIdText(ini.value("base/runwayIdTxt").toString());
    // Set as a whole text, the cursor stands at the start: an overlong
    // description keeps its beginning.
    int cursor = 0;
    v.description = V::limitDescription(ini.value("base/runwayDescTxt").toString(), &cursor);
    v.startType = V::comboIndex(ini.value("base/startTypeCb").toInt(), StartTypes);
    v.stopType = V::comboIndex(ini.value("base/stopTypeCb").toInt(), StopTypes);
    const QDateTime start = time("base/startDateTimeEdit");
    if (start.isValid())
        v.startTime = start;
    const QDateTime stop = time("base/stopDateTimeEdit");
    if (stop.isValid())
        v.stopTime = stop;
    v.startDelay = V::bound(ini.value("base/startDelayTime").toInt(), DelayMin, DelayMax);
    v.normalInterval = V::bound(ini.value("base/normalRecordSpace").toInt(), IntervalMin, IntervalMax);
    v.alarmInterval = V::bound(ini.value("base/alarmRecordSpace").toInt(), IntervalMin, IntervalMax);
    v.alarmDelay = V::bound(ini.value("base/spinBox").toInt(), DelayMin, DelayMax);
    v.tempHigh = V::boundDecimal(ini.value("alarm/tempHighSpinBox").toDouble(), TempMin, TempMax);
    v.tempLow = V::boundDecimal(ini.value("alarm/tempLowSpinBox").toDouble(), TempMin, TempMax);
    v.tempAdjust = V::boundDecimal(ini.value("alarm/adjustTempSpinBox").toDouble(), TempMin, TempMax);
    v.humidityHigh
        = V::boundDecimal(ini.value("alarm/humidityHighSpinBox").toDouble(), HumidityMin, HumidityMax);
    v.humidityLow
        = V::boundDecimal(ini.value("alarm/humidityLowSpinBox").toDouble(), HumidityMin, HumidityMax);
    v.humidityAdjust = V::boundDecimal(
        ini.value("alarm/humidityAdjSpinBox").toDouble(), HumidityAdjustMin, HumidityAdjustMax);

    if (v.startType != 1)
        v.startDelay = 0;
    if (v.startType != 2)
        v.startTime = now;
    if (v.stopType != 1)
        v.stopTime = now;

    v.reportEnglish = ini.value("export/file-lan").toInt() == 2;
    v.fileType = V::comboIndex(ini.value("export/exportFileTypeCb").toInt(), FileTypes);
    v.circular = V::comboIndex(ini.value("option/repeatRecordComboBox").toInt(), OptionEntries);
    v.clearRecords = V::comboIndex(ini.value("option/clearRecordComboBox").toInt(), OptionEntries);
    v.multipleStart = V::comboIndex(ini.value("option/restartComboBox").toInt(), OptionEntries);
    v.display = V::comboIndex(ini.value("option/lcdLightComboBox").toInt(), OptionEntries);
    v.longPressClear
        = V::comboIndex(ini.value("option/longPressedClearRecordComboBox").toInt(), OptionEntries);
    return finite ? LoadResult::Loaded : LoadResult::NotANumber;
}

QStringList CConfigTemplate::pageList(const QString &dir)
{
    QStringList names;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.completeSuffix() == QLatin1String("ini"))
            names.append(entry.fileName());
    }
    return names;
}

QStringList CConfigTemplate::managerList(const QString &dir)
{
    QStringList names;
    // QDir's size order is largest first.
    const QFileInfoList entries = QDir(dir).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot,
        QDir::Size | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().toLower() == QLatin1String("ini"))
            names.append(entry.fileName());
    }
    return names;
}

CConfigTemplate::Result CConfigTemplate::rename(
    const QString &dir, const QString &fileName, const QString &newName)
{
    if (!validName(newName))
        return Result::InvalidName;
    const QString target = pathFor(dir, newName);
    if (QFileInfo::exists(target))
        return Result::Exists;
    return QFile::rename(dir + QLatin1Char('/') + fileName, target) ? Result::Done : Result::Failed;
}

bool CConfigTemplate::remove(const QString &dir, const QString &fileName)
{
    return QFile::remove(dir + QLatin1Char('/') + fileName);
}
