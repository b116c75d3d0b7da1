#ifndef VESMIRA_TESTS_REPORTRECORD_H
#define VESMIRA_TESTS_REPORTRECORD_H

// Helpers of the report parser tests: a record to parse into and look at,
// and small reports written as a logger writes them.
#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/recordjson.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"
#include "testfiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

struct Record {
    CSummeryParam summary;
    CDeviceSettingInfo info;
    CTempData data;

    ReportKind parse(const QString &path) { return parseReportFile(path, summary, info, data); }

    QByteArray json() const
    {
        QByteArray bytes;
        QTextStream out(&bytes);
        out.setCodec("UTF-8");
        writeRecordJson(out, summary, info, data);
        out.flush();
        return bytes;
    }

    QJsonObject object() const { return QJsonDocument::fromJson(json()).object(); }

    // "summary.deviceModel", "settings.tempHigh", ... as text.
    QString value(const QString &path) const
    {
        const QStringList parts = path.split('.');
        return object().value(parts.at(0)).toObject().value(parts.at(1)).toVariant().toString();
    }

    // The samples as "temp|shidu|recordTime".
    QStringList samples() const
    {
        QStringList out;
        for (const TempDataItem &item : data)
            out << item.temp + '|' + item.shidu + '|' + item.recordTime;
        return out;
    }
};

// A CSV or TXT report as the logger writes it: GBK, CRLF.
inline QByteArray gbkReport(const QString &text)
{
    QString crlf = text;
    crlf.replace("\n", "\r\n");
    return GbkCodeUtils::toGbk(crlf);
}

// A PDF text line with a hexadecimal operand: GBK codes, the degree sign as B0.
inline QString hexTj(const QString &text)
{
    QString marked = text;
    marked.replace(QString::fromUtf8("°"), QChar(0xE000)); // placeholder for the logger's single byte
    QByteArray bytes;
    for (const QChar c : marked)
        bytes += c == QChar(0xE000) ? QByteArray("\xB0") : GbkCodeUtils::toGbk(QString(c));
    return "<" + QString::fromLatin1(bytes.toHex().toUpper()) + "> Tj";
}

// A PDF whose text items are given; "<...>" and "(...)" lines are used as they
// stand, other texts become hexadecimal operands.
inline QByteArray pdfReport(const QStringList &items)
{
    QString body = "%PDF-1.4\n1 0 obj\n<< /Length 0 >>\nstream\nBT\n/F1 10 Tf\n";
    for (const QString &item : items) {
        if (item.endsWith(" Tj") || item.startsWith("%") || item.endsWith(" Td"))
            body += item + "\n";
        else
            body += hexTj(item) + "\n";
    }
    body += "ET\nendstream\nendobj\n%%EOF\n";
    return body.toUtf8();
}

// A temporary folder for reports; the GBK table of the build loaded.
class ReportFiles {
public:
    bool init()
    {
        GbkCodeUtils::instance()->load(QStringLiteral(VESMIRA_APP_DIR "/config/gbk_code.txt"));
        return tmp.isValid() && GbkCodeUtils::instance()->entryCount() > 21000;
    }

    QString path(const QString &name) const { return tmp.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = tmp.filePath(name);
        if (!writeFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Parses bytes as a report with the suffix and tests "group.field=value" checks.
    void check(const QString &suffix, const QByteArray &bytes, const QStringList &checks)
    {
        Record record;
        record.parse(write("report." + suffix, bytes));
        for (const QString &check : checks) {
            const int eq = check.indexOf('=');
            QCOMPARE(record.value(check.left(eq)), check.mid(eq + 1));
        }
    }

private:
    QTemporaryDir tmp;
};

// One data row of a "report, checks" table.
inline void addChecks(const char *name, const QString &report, const QStringList &checks)
{
    QTest::newRow(name) << report << checks;
}

#endif // VESMIRA_TESTS_REPORTRECORD_H
