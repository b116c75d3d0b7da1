// A record keeps its samples compact (times as seconds, values as numbers),
// and every text a report printed comes back character for character: every
// report of tests/data/reports as written and with odd texts in its sample
// table, read and then reopened from the history.
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "helpers/reportrecord.h"
#include "helpers/testfiles.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTextCodec>
#include <cmath>

namespace {

// Texts where a logger prints a value (none holds a blank, "/", "%" or ":",
// so each stands in every report form as the field or part it is), around
// the largest number kept as a number; a CSV or TXT field also keeps blanks
// and may be empty.
const QStringList OddValues
    = { "--", "255", "-0.0", "+1.0", "1.50", "05.0", "1e5", "nan", "-", ".5", "5.", "0.05", "-----", "1.2345",
          QString::fromUtf8("—"), "0", "-0", "00", "26843545.4", "26843545.5", "-1.500" };
const QStringList OddFields = { " 21.5", "21.5 ", "" };
// English CSV times as printed and as kept; Chinese TXT dates, kept as printed.
const QVector<QPair<QString, QString>> OddEnglishTimes = { { "5/31/2021 22:00", "5/31/2021 22:00" },
    { "2021-05-31 22:00:00", "2021-05-31 22:00:00" }, { "13/31/2021 22:00:00", "2021/13/31 22:00:00" },
    { "5/31/2021  22:0:0", "2021/05/31 22:00:00" }, { "", "" } };
const QStringList OddChineseDates
    = { "2021-05-07", "2021/5/7", QString::fromUtf8("2021年05月07日"), "", "2021/02/30" };

QString odd(int k, bool fields)
{
    const QStringList all = fields ? OddValues + OddFields : OddValues;
    return all.at(k % all.size());
}

// The report with odd texts in its sample table (CSV, TXT) or sample lines
// (PDF: "<hex> Tj" of a time, a value before "°C" or "°F", one before "%"),
// and in want, the samples expected as "temp|shidu|time".
QByteArray withOddTexts(const QString &name, const QByteArray &bytes, QStringList &want)
{
    const bool humidity = name.contains("-th");
    int k = 0;
    if (name.endsWith(".pdf")) {
        QList<QByteArray> lines = bytes.split('\n');
        for (QByteArray &line : lines) {
            QList<QByteArray> parts = QByteArray::fromHex(line.mid(1, line.size() - 5)).split(' ');
            const int temp = parts.size() - (humidity ? 2 : 1);
            if (k >= want.size() || !line.endsWith("> Tj") || temp < 1 || !parts.at(temp - 1).contains(':')
                || !parts.at(temp).contains("\xB0"))
                continue;
            QStringList texts = want.at(k).split('|');
            texts[0] = odd(k, false);
            parts[temp] = GbkCodeUtils::toGbk(texts[0]) + parts.at(temp).right(2);
            if (humidity)
                parts[temp + 1] = GbkCodeUtils::toGbk(texts[1] = odd(k + 7, false)) + '%';
            want[k++] = texts.join('|');
            line = '<' + parts.join(' ').toHex().toUpper() + "> Tj";
        }
        return lines.join('\n');
    }
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    QStringList lines = gbk->toUnicode(bytes).split("\r\n");
    const bool csv = name.endsWith(".csv");
    const bool chinese = name.startsWith("zh");
    const QChar sep = csv ? ',' : '\t';
    const int base = !csv && chinese ? 1 : 0; // Chinese TXT tables have a column more
    bool table = false;
    for (QString &line : lines) {
        QStringList fields = line.split(sep);
        if (!table) {
            table = fields.size() > 3 && (fields.first().contains("No.") || fields.first().contains("序列号"))
                && (fields.last().contains("ALARM") || fields.last().contains("报警"));
            continue;
        }
        if (k >= want.size() || fields.size() < 5 + base)
            continue;
        QStringList texts = want.at(k).split('|');
        fields[4 + base] = texts[0] = odd(k, true);
        if (humidity)
            fields[6 + base] = texts[1] = odd(k + 7, true);
        if (csv && !chinese && k % 3 == 0) {
            fields[1] = OddEnglishTimes.at(k / 3 % OddEnglishTimes.size()).first;
            texts[2] = OddEnglishTimes.at(k / 3 % OddEnglishTimes.size()).second;
        } else if (!csv && chinese && k % 3 == 0) {
            fields[2] = OddChineseDates.at(k / 3 % OddChineseDates.size());
            texts[2] = fields[2] + ' ' + fields[3];
        }
        want[k++] = texts.join('|');
        line = fields.join(sep);
    }
    return gbk->fromUnicode(lines.join("\r\n"));
}

} // namespace

class TestCompactSamples : public QObject {
    Q_OBJECT

    ReportFiles files;

private slots:
    void initTestCase() { QVERIFY(files.init()); }

    void everyText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("oddTexts");
        const QStringList names = QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" });
        QCOMPARE(names.size(), 12);
        for (const QString &name : names) {
            QTest::newRow(qPrintable(name)) << name << false;
            QTest::newRow(qPrintable(name + " odd texts")) << name << true;
        }
    }

    // The samples of the record expected for the report (NAME.json), odd
    // texts written in where asked, come back as read and as reopened from
    // the history; a time is the one its text reads (the parser sets it from
    // the numbers it read), a value the number
    // QString::toDouble reads (the sign of zero too).
    void everyText()
    {
        QFETCH(QString, name);
        QFETCH(bool, oddTexts);
        const QString path = VESMIRA_TEST_DATA "/reports/" + name;
        QStringList want;
        for (const QJsonValue &v : QJsonDocument::fromJson(readAll(path + ".json"))["samples"].toArray())
            want << v["temp"].toString() + '|' + v["shidu"].toString() + '|' + v["recordTime"].toString();
        QByteArray bytes = readAll(path);
        QVERIFY(!want.isEmpty() && !bytes.isEmpty());
        if (oddTexts) {
            const QStringList printed = want;
            bytes = withOddTexts(name, bytes, want);
            for (int i = 0; i < want.size(); ++i) // every sample has its odd value
                QVERIFY(want.at(i).section('|', 0, 0) != printed.at(i).section('|', 0, 0));
        }

        CRecord record;
        QVERIFY(readReport(files.write(name, bytes), record) != ReportKind::None);
        Record texts;
        texts.data = record.data;
        QCOMPARE(texts.samples(), want);
        for (int i = 0; i < record.data.size(); ++i) {
            const TempDataItem item = record.data.at(i);
            const CRecordTime time = CRecordTime::fromText(item.recordTime);
            QCOMPARE(item.time.toText(), time.toText());
            QCOMPARE(item.secs, time.toSecsSinceEpoch());
            bool ok = false;
            bool expectedOk = false;
            const double value = record.data.tempValue(i, &ok);
            const double expected = item.temp.toDouble(&expectedOk);
            QVERIFY2(ok == expectedOk && (value == expected || std::isnan(expected))
                    && std::signbit(value) == std::signbit(expected),
                qPrintable(item.temp));
        }

        // The history keeps "0" as the humidity of a temperature-only record.
        CTempDbManager db(files.path(name + ".db"));
        record.name = "R";
        QVERIFY(db.storeRecord(record));
        CRecord back;
        QVERIFY(db.readRecord(record.id, back));
        if (!record.hasHumidity())
            want.replaceInStrings(QRegularExpression("\\|[^|]*\\|"), "|0|");
        texts.data = back.data;
        QCOMPARE(texts.samples(), want);
    }
};

QTEST_GUILESS_MAIN(TestCompactSamples)
#include "tst_compactsamples.moc"
