// A record keeps its samples compact (times as seconds, values as numbers),
// and every text a report printed comes back character for character: every
// report of tests/data/reports as written and with odd texts in its sample
// table, read and then reopened from the history.
#include "core/history/ctempdbmanager.h"
#include "core/record/crecord.h"
#include "helpers/reportrecord.h"

#include <QJsonArray>
#include <QTextCodec>
#include <cmath>

namespace {

// Texts where a logger prints a value; none holds a blank, "/", "%" or ":",
// so that each stands in every report form as the field or part it is.
const QStringList OddValues = { "--", "255", "-0.0", "+1.0", "1.50", "05.0", "1e5", "nan", "-", ".5", "5.",
    "123456789", "0.05", "-----", "1.2345", QString::fromUtf8("—"), "0", "-0", "99999999999" };
// A CSV or TXT field also keeps its blanks; a humidity field may be empty.
const QStringList OddFields = { " 21.5", "21.5 ", "" };

// English CSV times as printed and as the record keeps them.
const QVector<QPair<QString, QString>> OddEnglishTimes = { { "5/31/2021 22:00", "5/31/2021 22:00" },
    { "2021-05-31 22:00:00", "2021-05-31 22:00:00" }, { "13/31/2021 22:00:00", "2021/13/31 22:00:00" },
    { "5/31/2021  22:0:0", "2021/05/31 22:00:00" }, { "", "" } };
// Chinese TXT dates, kept as printed.
const QStringList OddChineseDates
    = { "2021-05-07", "2021/5/7", QString::fromUtf8("2021年05月07日"), "", "2021/02/30" };

struct Sample {
    QString temp, shidu, time;
};

QString odd(int k, bool fields)
{
    const QStringList all = fields ? OddValues + OddFields : OddValues;
    return all.at(k % all.size());
}

// The sample table of a CSV or TXT report with odd texts written into it.
QByteArray oddTable(const QString &name, const QByteArray &bytes, QVector<Sample> &want)
{
    QTextCodec *gbk = QTextCodec::codecForName("GBK");
    QStringList lines = gbk->toUnicode(bytes).split("\r\n");
    const bool csv = name.endsWith(".csv");
    const bool chinese = name.startsWith("zh");
    const bool humidity = name.contains("-th");
    const QChar sep = csv ? ',' : '\t';
    const int base = !csv && chinese ? 1 : 0;
    int k = -1;
    for (QString &line : lines) {
        QStringList fields = line.split(sep);
        if (k < 0) {
            if (fields.size() > 3 && (fields.first().contains("No.") || fields.first().contains("序列号"))
                && (fields.last().contains("ALARM") || fields.last().contains("报警")))
                k = 0;
            continue;
        }
        if (k >= want.size() || fields.size() < 5 + base)
            continue;
        Sample &s = want[k];
        fields[4 + base] = s.temp = odd(k, true);
        if (humidity)
            fields[6 + base] = s.shidu = odd(k + 7, true);
        if (csv && !chinese && k % 3 == 0) {
            const auto &time = OddEnglishTimes.at(k / 3 % OddEnglishTimes.size());
            fields[1] = time.first;
            s.time = time.second;
        } else if (!csv && chinese && k % 3 == 0) {
            fields[2] = OddChineseDates.at(k / 3 % OddChineseDates.size());
            s.time = fields[2] + ' ' + fields[3];
        }
        line = fields.join(sep);
        ++k;
    }
    return gbk->fromUnicode(lines.join("\r\n"));
}

// The sample lines of a PDF report ("<hex> Tj": a time, the temperature
// before its unit mark, the humidity before "%") with odd values.
QByteArray oddPdf(const QByteArray &bytes, QVector<Sample> &want)
{
    QList<QByteArray> lines = bytes.split('\n');
    int k = 0;
    for (QByteArray &line : lines) {
        if (k >= want.size() || !line.startsWith('<') || !line.endsWith("> Tj"))
            continue;
        QList<QByteArray> parts = QByteArray::fromHex(line.mid(1, line.size() - 5)).split(' ');
        const auto mark = [](const QByteArray &part) {
            const int celsius = part.indexOf("\xB0"
                                             "C");
            return celsius >= 0 ? celsius
                                : part.indexOf("\xB0"
                                               "F");
        };
        int time = -1;
        int temp = -1;
        for (int i = 0; i < parts.size() && temp < 0; ++i) {
            if (time < 0 && parts.at(i).contains(':'))
                time = i;
            temp = time >= 0 && mark(parts.at(i)) > 0 ? i : -1;
        }
        if (temp < 0)
            continue;
        Sample &s = want[k];
        s.temp = odd(k, false);
        parts[temp] = GbkCodeUtils::toGbk(s.temp) + parts.at(temp).mid(mark(parts.at(temp)));
        if (temp + 1 < parts.size() && parts.at(temp + 1).endsWith('%')) {
            s.shidu = odd(k + 7, false);
            parts[temp + 1] = GbkCodeUtils::toGbk(s.shidu) + '%';
        }
        line = '<' + parts.join(' ').toHex().toUpper() + "> Tj";
        ++k;
    }
    return lines.join('\n');
}

QStringList texts(const QVector<Sample> &samples)
{
    QStringList out;
    for (const Sample &s : samples)
        out << s.temp + '|' + s.shidu + '|' + s.time;
    return out;
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

    // The texts of the record expected for the report (NAME.json), with the
    // odd texts written in where asked, come back from the record as read
    // and as reopened from the history; each time is the one its text reads.
    void everyText()
    {
        QFETCH(QString, name);
        QFETCH(bool, oddTexts);
        const QString path = VESMIRA_TEST_DATA "/reports/" + name;
        QFile reference(path + ".json");
        QFile report(path);
        QVERIFY(reference.open(QIODevice::ReadOnly) && report.open(QIODevice::ReadOnly));
        QVector<Sample> want;
        for (const QJsonValue &v : QJsonDocument::fromJson(reference.readAll())["samples"].toArray())
            want.append({ v["temp"].toString(), v["shidu"].toString(), v["recordTime"].toString() });
        QByteArray bytes = report.readAll();
        if (oddTexts)
            bytes = name.endsWith(".pdf") ? oddPdf(bytes, want) : oddTable(name, bytes, want);

        CRecord record;
        QVERIFY(readReport(files.write(name, bytes), record) != ReportKind::None);
        Record parsed;
        parsed.data = record.data;
        QCOMPARE(parsed.samples(), texts(want));
        for (const TempDataItem &item : record.data) {
            const CRecordTime time = CRecordTime::fromText(item.recordTime);
            QCOMPARE(item.time.toText(), time.toText());
            QCOMPARE(item.secs, time.toSecsSinceEpoch());
        }

        // The history keeps "0" as the humidity of a temperature-only record.
        CTempDbManager db(files.path(name + ".db"));
        record.name = "R";
        QVERIFY(db.storeRecord(record));
        CRecord back;
        QVERIFY(db.readRecord(record.id, back));
        if (!record.hasHumidity()) {
            for (Sample &s : want)
                s.shidu = "0";
        }
        parsed.data = back.data;
        QCOMPARE(parsed.samples(), texts(want));
    }

    // Each text as given, however it is kept; its value as QString::toDouble
    // reads it, the sign of zero included; times of another form or no time.
    void edgeCases()
    {
        const QStringList values = OddValues + OddFields
            + QStringList { "21.5", "-40.0", "0.5", "100", "1.500", "00", "-.5", "1..5", "2147483647",
                  "26843545.4", "26843545.5", "-26843545.4", QString(), QString(1, QChar(0)) };
        const QStringList times = { "2021/05/06 08:00:00", QString::fromUtf8("2021年05月06日 08:00:00"),
            "2021/5/6 08:00:00", " 2021/05/06 08:00:00", "2021/05/06 08:00:00 ", "2021/02/29 08:00:00",
            "2021/05/06 24:00:00", "--:--", "" };
        CTempData data;
        for (int i = 0; i < values.size(); ++i)
            data.append(values.at(i), values.value(values.size() - 1 - i), times.at(i % times.size()));
        QCOMPARE(data.size(), values.size());
        for (int i = 0; i < values.size(); ++i) {
            const TempDataItem item = data.at(i);
            QCOMPARE(item.temp, values.at(i).isNull() ? QString("") : values.at(i));
            QVERIFY(!item.temp.isNull() && !item.shidu.isNull());
            QCOMPARE(item.shidu, values.value(values.size() - 1 - i, ""));
            QCOMPARE(item.recordTime, times.at(i % times.size()));
            const TempDataItem made(values.at(i), QString(), item.recordTime);
            QCOMPARE(item.time.toText(), made.time.toText());
            QCOMPARE(item.secs, made.secs);
            bool ok = false;
            bool want = false;
            const double value = data.tempValue(i, &ok);
            const double expected = values.at(i).toDouble(&want);
            QCOMPARE(ok, want);
            QVERIFY2((std::isnan(value) && std::isnan(expected))
                    || (value == expected && std::signbit(value) == std::signbit(expected)),
                qPrintable(values.at(i)));
        }
        QVERIFY(data.at(0).time.isValid() && data.at(1).time.isValid() && !data.at(2).time.isValid());
        QCOMPARE(data.time(1).toText(), QString("2021/05/06 08:00:00"));

        // A copy stays as it is when the original changes.
        const CTempData copy = data;
        data.replace(0, TempDataItem("x", "y", "z"));
        QCOMPARE(copy.temp(0), values.at(0));
        QCOMPARE(data.at(0).temp + data.at(0).shidu + data.at(0).recordTime, QString("xyz"));
    }
};

QTEST_GUILESS_MAIN(TestCompactSamples)
#include "tst_compactsamples.moc"
