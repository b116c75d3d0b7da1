// The sample tables of CSV and TXT reports.
//
// Rows before the table header are ignored; the header decides the table's
// language, which places the columns and the form of the time stamp. Each
// row after it gives one sample, in file order.
#include "core/report/csvtxtsamples.h"

#include "core/record/ctempdata.h"
#include "core/report/reportparser_p.h"
#include "core/report/reportrules.h"

#include <QTextStream>

namespace ReportParser {

namespace {

enum class Table { NotFound, Chinese, English };

// The header of the sample table: at least four fields, the first one
// holding the sequence-number title and the last one the alarm title.
Table tableHeader(QStringView line, QChar sep)
{
    int separators = 0;
    for (int pos = line.indexOf(sep); pos >= 0 && separators < 3; pos = line.indexOf(sep, pos + 1))
        ++separators;
    if (separators < 3)
        return Table::NotFound;
    const QStringView first = line.left(line.indexOf(sep));
    const QStringView last = line.mid(line.lastIndexOf(sep) + 1);
    if (first.contains(QStringLiteral("序列号")) && last.contains(QStringLiteral("报警")))
        return Table::Chinese;
    if (first.contains(QLatin1String("No.")) && last.contains(QLatin1String("ALARM")))
        return Table::English;
    return Table::NotFound;
}

// The first count fields of line split at sep; false when the line has fewer.
bool leadingFields(QStringView line, QChar sep, QStringView *fields, int count)
{
    const QChar *data = line.data();
    const int n = line.size();
    int start = 0;
    int found = 0;
    for (int i = 0; i < n && found < count; ++i) {
        if (data[i] == sep) {
            fields[found++] = line.mid(start, i - start);
            start = i + 1;
        }
    }
    if (found < count)
        fields[found++] = line.mid(start);
    return found == count;
}

} // namespace

void csvSamples(QTextStream &in, CTempData &data, bool humidity)
{
    // Rows too short to hold the columns the table uses are skipped: they
    // are no samples (a cut-off last line, a footer).
    const int needed = humidity ? 7 : 5;
    QStringView fields[7];
    Table table = Table::NotFound;
    QString line;
    while (readLine(in, line)) {
        if (line.indexOf(QLatin1Char(',')) < 0)
            continue; // fewer than two fields
        if (table == Table::NotFound) {
            table = tableHeader(line, QLatin1Char(','));
            continue;
        }
        if (!leadingFields(line, QLatin1Char(','), fields, needed))
            continue;
        const QStringView shidu = humidity ? fields[6] : QStringView();
        if (table == Table::Chinese) {
            data.append(fields[4], shidu, ReportRules::chineseDate(fields[1].toString()));
        } else {
            CRecordTime time;
            const QString text = ReportRules::englishSampleTimeSimplified(fields[1], &time);
            data.append(fields[4], shidu, text, time);
        }
    }
}

void txtSamples(QTextStream &in, CTempData &data, bool humidity)
{
    QStringView fields[8];
    Table table = Table::NotFound;
    QString line;
    QString time;
    while (readLine(in, line)) {
        if (line.indexOf(QLatin1Char('\t')) < 0)
            continue; // fewer than two fields
        if (table == Table::NotFound) {
            table = tableHeader(line, QLatin1Char('\t'));
            continue;
        }
        // Chinese tables have one column more before the date.
        const bool chinese = table == Table::Chinese;
        const int base = chinese ? 1 : 0;
        const int needed = (humidity ? 7 : 5) + base;
        if (!leadingFields(line, QLatin1Char('\t'), fields, needed))
            continue;
        const QStringView shidu = humidity ? fields[6 + base] : QStringView();
        time.clear();
        time += fields[1 + base];
        time += QLatin1Char(' ');
        time += fields[2 + base];
        if (chinese) {
            data.append(fields[4 + base], shidu, time);
        } else {
            CRecordTime read;
            data.append(fields[4 + base], shidu, ReportRules::englishSampleTime(time, &read), read);
        }
    }
}

} // namespace ReportParser

void ParseTempCsvFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Csv, data, false);
}

void ParseTempHumidityCsvFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Csv, data, true);
}

void ParseTempTxtFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Txt, data, false);
}

void ParseTempHumidityTxtFile(const QString &path, CTempData &data)
{
    ReportParser::readSamples(path, ReportParser::ReportForm::Txt, data, true);
}
