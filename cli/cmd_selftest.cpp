// vesmira-cli selftest [--out DIR]: the installation checked against the
// reference reports bundled in the program (a PDF, CSV and TXT report of
// each kind, Chinese and English, temperature and temperature/humidity),
// for a site's installation and operational qualification. For each report:
//   parsed   the record read from it, every field and sample, against the
//            reference JSON kept beside it in the repository (the parser
//            tests' references);
//   stored   stored into a new history and read back, every stored field and
//            sample as parsed, and the SHA-256 of the stored rows;
//   pdf, csv the PDF data report (a fixed creation time) and the CSV export
//            of the whole record, against the SHA-256 of the expected files.
// The expected digests are resources/selftest/expected.json. A dated report
// (program, version, SHA-256 of the executable, every check, the result) is
// written to DIR (default: the application directory's selftest/) and shown.
// Exit 0 when every check passed, 1 otherwise.
//
// After a deliberate change of the parsers or exporters, `selftest
// --write-expected FILE` writes the digests this build gives, for review.
#include "cli/commands.h"
#include "core/compliance/csignaturebook.h"
#include "core/export/cexportpdf.h"
#include "core/export/cexportrange.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/recordjson.h"
#include "core/record/summaryfields.h"
#include "core/report/reportparse.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSqlDatabase>
#include <QSysInfo>
#include <QTemporaryDir>

namespace {

const char *const References[] = { "zh-temp.csv", "zh-th.csv", "en-temp.csv", "en-th.csv", "zh-temp.txt",
    "zh-th.txt", "en-temp.txt", "en-th.txt", "zh-temp.pdf", "zh-th.pdf", "en-temp.pdf", "en-th.pdf" };

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/selftest/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stored record against the parsed one: every field the history keeps,
// the flags and every sample (humidity "0" without humidity). Empty when
// equal, else the first difference.
QString storedDifference(const CRecord &parsed, const CRecord &stored)
{
    for (const CSummaryField &field : CSummaryFields::all()) {
        if (field.column > 0 && field.of(parsed.summary) != field.of(stored.summary))
            return QStringLiteral("field %1: \"%2\" stored as \"%3\"")
                .arg(QLatin1String(field.name), field.of(parsed.summary), field.of(stored.summary));
    }
    if (parsed.summary.containTemp != stored.summary.containTemp
        || parsed.summary.containHumidity != stored.summary.containHumidity)
        return QStringLiteral("the content flags differ");
    const CTempData &a = parsed.data;
    const CTempData &b = stored.data;
    if (a.size() != b.size())
        return QStringLiteral("%1 samples stored as %2").arg(a.size()).arg(b.size());
    for (int i = 0; i < a.size(); ++i) {
        const QString humidity = parsed.hasHumidity() ? a.shidu(i) : QStringLiteral("0");
        if (a.temp(i) != b.temp(i) || humidity != b.shidu(i) || a.recordTime(i) != b.recordTime(i))
            return QStringLiteral("sample %1 differs").arg(i + 1);
    }
    return QString();
}

struct Check {
    QString report;
    QString name;
    bool pass = false;
    QString note;
};

} // namespace

int runSelftest(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString outDir = applicationDir + QStringLiteral("/selftest");
    QString writeExpected;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--out") && i + 1 < args.size())
            outDir = args.at(++i);
        else if (args.at(i) == QLatin1String("--write-expected") && i + 1 < args.size())
            writeExpected = args.at(++i);
        else {
            err << "usage: vesmira-cli selftest [--out DIR]\n";
            return 2;
        }
    }
    const QJsonObject expected = QJsonDocument::fromJson(resource(QStringLiteral("expected.json"))).object();
    QTemporaryDir work;
    if (!work.isValid()) {
        err << "vesmira-cli: no temporary folder: " << work.errorString() << '\n';
        return 1;
    }
    // A history of its own on a connection of its own.
    const QString connection = QSqlDatabase::defaultConnection;
    if (QSqlDatabase::contains(connection))
        QSqlDatabase::removeDatabase(connection);
    QVector<Check> checks;
    QJsonObject actual;
    {
        CTempDbManager history(CTempDbManager::databasePath(work.path()));
        for (const char *name : References) {
            const QString report = QString::fromLatin1(name);
            const QString path = work.filePath(report);
            QFile copy(path);
            const QByteArray bytes = resource(QStringLiteral("reports/") + report);
            if (bytes.isEmpty() || !copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size()) {
                checks.append(
                    { report, QStringLiteral("bundled"), false, QStringLiteral("not in the program") });
                continue;
            }
            copy.close();
            const QJsonObject want = expected.value(report).toObject();
            QJsonObject got;

            // Parsed: the record as `vesmira-cli parse` prints it.
            CSummeryParam summary;
            CDeviceSettingInfo settings;
            CTempData data;
            parseReportFile(path, summary, settings, data);
            QByteArray json;
            {
                QBuffer buffer(&json);
                buffer.open(QIODevice::WriteOnly);
                QTextStream stream(&buffer);
                stream.setCodec("UTF-8");
                writeRecordJson(stream, summary, settings, data);
            }
            const bool parsedOk
                = json == resource(QStringLiteral("reports/") + report + QStringLiteral(".json"));
            checks.append({ report, QStringLiteral("parsed"), parsedOk,
                QStringLiteral("%1 fields, %2 samples").arg(CSummaryFields::Count).arg(data.size()) });

            // Stored and read back.
            CRecord record;
            record.reportPath = path;
            readReport(path, record);
            record.name = QStringLiteral("SELFTEST_") + report;
            CRecord stored;
            QString difference = QStringLiteral("not stored: %1").arg(history.lastError());
            QString rows;
            if (history.storeRecord(record) && history.readRecord(record.id, stored)) {
                difference = storedDifference(record, stored);
                rows = CSignatureBook(history.connection()).contentDigest(record.id);
            }
            got.insert(QStringLiteral("stored"), rows);
            const bool rowsOk = rows == want.value(QStringLiteral("stored")).toString();
            checks.append({ report, QStringLiteral("stored"), difference.isEmpty() && rowsOk,
                !difference.isEmpty() ? difference
                    : rowsOk          ? rows
                                      : QStringLiteral("rows SHA-256 %1").arg(rows) });

            // Exported, the whole record.
            const CExportRange::Range range = CExportRange::presetRange(record.data);
            CExportPdf pdf;
            pdf.setCreatedAt(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
            CExportCsv csv;
            for (CRecordExporter *exporter :
                { static_cast<CRecordExporter *>(&pdf), static_cast<CRecordExporter *>(&csv) }) {
                const QString kind = exporter->suffix();
                const QString target = work.filePath(report + QStringLiteral(".") + kind);
                const bool written = CExportRange::exportRecord(record, range.start, range.end, target,
                                         *exporter, CExportRange::PresetRange)
                    == CExportRange::Written;
                const QString digest = written ? CRecord::fileDigest(target) : QString();
                got.insert(kind, digest);
                checks.append({ report, kind, written && digest == want.value(kind).toString(),
                    written ? digest : QStringLiteral("not written: %1").arg(exporter->error()) });
            }
            actual.insert(report, got);
        }
    }
    QSqlDatabase::removeDatabase(connection);

    if (!writeExpected.isEmpty()) {
        QFile file(writeExpected);
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(actual).toJson()) < 0) {
            err << "vesmira-cli: " << writeExpected << ": " << file.errorString() << '\n';
            return 1;
        }
    }

    const QDateTime now = QDateTime::currentDateTime();
    const int passed
        = int(std::count_if(checks.cbegin(), checks.cend(), [](const Check &c) { return c.pass; }));
    const bool allPassed = passed == checks.size() && !checks.isEmpty();
    QString text;
    QTextStream report(&text);
    report << "Vesmira installation self-test\n"
           << "date: " << QLocale::c().toString(now, QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ' '
           << now.timeZoneAbbreviation() << '\n'
           << "program: " << QCoreApplication::applicationFilePath() << '\n'
           << "version: " << QStringLiteral(VESMIRA_VERSION) << " (Qt " << qVersion() << ")\n"
           << "SHA-256 of the program: " << CRecord::fileDigest(QCoreApplication::applicationFilePath())
           << '\n'
           << "desk: " << QSysInfo::machineHostName() << " (" << QSysInfo::prettyProductName() << ")\n\n";
    for (const Check &check : checks)
        report << (check.pass ? "pass  " : "FAIL  ") << check.report << '\t' << check.name << '\t'
               << check.note << '\n';
    report << "\nresult: " << (allPassed ? "PASS" : "FAIL") << " (" << passed << " of " << checks.size()
           << " checks passed)\n";
    report.flush();

    QDir().mkpath(outDir);
    const QString file = QDir(outDir).filePath(
        QStringLiteral("selftest-%1.txt").arg(QLocale::c().toString(now, QStringLiteral("yyyyMMdd-HHmmss"))));
    QFile saved(file);
    const QByteArray utf8 = text.toUtf8();
    if (!saved.open(QIODevice::WriteOnly | QIODevice::NewOnly) || saved.write(utf8) != utf8.size()) {
        err << "vesmira-cli: " << file << ": " << saved.errorString() << '\n';
        out << text;
        return 1;
    }
    out << text << "written to " << QDir::toNativeSeparators(file) << '\n';
    return allPassed ? 0 : 1;
}
