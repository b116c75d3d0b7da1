// The record and what the data view shows of it, without widgets: the
// record's fields and samples, summary values and the list model (the curve: tst_curve).
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/csummarydisplay.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdatamodel.h"
#include "core/record/summaryfields.h"

#include <QColor>
#include <QCryptographicHash>
#include <QTranslator>
#include <QtTest>

namespace {

TempDataItem sample(const QString &time, const QString &temp, const QString &humidity = QString())
{
    return TempDataItem { temp, humidity, time };
}

// A Chinese CSV report as the parser leaves it.
void fillChineseCsv(CSummeryParam &s)
{
    s.clear();
    s.fileFormat = "CSV";
    s.language = "中文";
    s.deviceTime = "2021年05月06日 08:05:09";
    s.startAt = "2021年05月07日 10:00";
    s.recordStartAt = "2021年05月06日 08:00:00";
    s.recordStopAt = "2021年05月08日 08:00:00";
    s.normalRecordSpace = "1小时0分0秒";
    s.alarmSpace = "5分30秒";
    s.alarmDelay = "5分钟";
    s.alarmTimeLen = "1天2小时5分0秒";
    s.recordTimeLen = "2小时5分0秒";
    s.alarmCount = "3条";
    s.recordCount = "1200条";
    s.recordTimes = "2次";
    s.alarmType = "温度高于上限 湿度低于下限";
    s.recordStartModel = "按键延时开启";
    s.delayStart = "按键开启 延时 30分钟";
    s.deviceSensor = "内置温湿度";
    s.isRecycleRecord = "是";
    s.isRestart = "否";
    s.lcd_mode = "开启";
}

QString shown(const CSummaryDisplay::Values &v, const char *names)
{
    QStringList out;
    for (const QString &name : QString(names).split(' '))
        out << v[qPrintable(name)];
    return out.join('|');
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT

    QTranslator english;

private slots:
    void initTestCase() { QVERIFY(english.load(QStringLiteral(VESMIRA_RESOURCE_DIR "/dravik_en.qm"))); }

    // Cleared fields are empty texts, never null (stored as '', not NULL);
    // the flags are left to the next parse.
    void summaryClear()
    {
        CSummeryParam summary;
        summary.deviceModel = "RZ-83WQ";
        summary.containHumidity = 1;
        summary.clear();
        for (const CSummaryField &field : CSummaryFields::all())
            QVERIFY2(field.of(summary).isEmpty() && !field.of(summary).isNull(), field.name);
        QCOMPARE(summary.containHumidity, 1);
    }

    // A copy of the samples is a copy: changing it leaves the original (the
    // sanitizer build proves nothing leaks); sample times are read once,
    // when made.
    void samplesOwnedAndTimed()
    {
        CTempData data;
        for (int i = 0; i < 1000; ++i)
            data << sample("2021/05/06 08:00:00", QString::number(i));
        QCOMPARE(data.at(0).time.hour, 8);
        CTempData copy = data;
        copy.replace(5, sample("2021/05/06 08:00:00", "x"));
        QVERIFY(data.temp(5) == "5" && copy.temp(5) == "x" && copy.secs(5) == data.secs(5));
        TempDataItem odd { "1", "2", "not a time" };
        QVERIFY(!odd.time.isValid() && odd.secs == CRecordTime::invalidSecs);
    }

    // The report digest of a file read in pieces larger than one buffer (a
    // changed or missing report: tst_historylive, tst_sharedhistory);
    // nothing for what is no file.
    void reportDigest()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("report.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = QByteArray("a").repeated(3 * 1024 * 1024 + 7);
        file.write(bytes);
        file.close();
        const QString expected
            = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        QCOMPARE(CRecord::fileDigest(file.fileName()), expected);
        QCOMPARE(CRecord::checkReport(file.fileName(), expected.toUpper()), CReportCheck::Unchanged);
        QVERIFY(CRecord::fileDigest(dir.path()).isEmpty());
    }

    void chineseReportInEnglishInterface()
    {
        languageCode = "en";
        QCoreApplication::installTranslator(&english);
        CSummeryParam s;
        fillChineseCsv(s);
        CSummaryDisplay::applyStoredConversions(s);
        // The record itself changes: it is stored that way; again, no change.
        CSummaryDisplay::applyStoredConversions(s);
        QCOMPARE(QStringList(
                     { s.deviceTime, s.startAt, s.recordStopAt, s.alarmCount, s.recordCount, s.recordTimes }),
            QStringList(
                { "2021/05/06 08:05:09", "2021/05/07 10:00", "2021/05/08 08:00:00", "3", "1200", "2" }));

        CSummaryDisplay::Values v = CSummaryDisplay::values(s);
        QCOMPARE(shown(v, "normalRecordSpace alarmSpace alarmDelay alarmTimeLen recordTimeLen alarmType"),
            QString("1h 0min 0sec|5min 30sec|5min|1d 2h 5min 0sec|2h 5min 0sec|[Temp Exceed Upper Limit] "
                    "[Humi Below "
                    "Lower Limit]"));
        QCOMPARE(
            shown(v, "recordStartModel delayStart deviceSensor language isRecycleRecord isRestart lcd_mode"),
            QString(
                "Manual+Delay|Manual+Delay 30 min |Temperature&Humidity(internal)|Chinese|ON|OFF|Always ON"));
        QVERIFY(v.alarmed && !v.mktShown);

        s.alarmType = "无报警 其他";
        s.alarmCount = "0";
        s.mkt = "25.3°C";
        v = CSummaryDisplay::values(s);
        QCOMPARE(v["alarmType"], QString("[No Alarm]"));
        QVERIFY(!v.alarmed && v.mktShown);

        // Blanks between numbers and units; the mode named before the delay;
        // units out of order shown as printed.
        s.delayStart = "延时开启 30分钟";
        QCOMPARE(CSummaryDisplay::values(s)["delayStart"], QString("Manual+Delay 30 min "));
        QCOMPARE(QStringList({ CSummaryDisplay::englishDuration("1 小时 0 分 0 秒", false),
                     CSummaryDisplay::englishDuration("30分", false),
                     CSummaryDisplay::englishDuration("15秒", false),
                     CSummaryDisplay::englishDuration("1天5分0秒", true) }),
            QStringList({ "1h 0min 0sec", "30分", "15sec", "1天5分0秒" }));

        // An English report: as written.
        CSummeryParam e;
        e.clear();
        e.language = "EN";
        e.fileFormat = "CSV";
        e.normalRecordSpace = "1h 0min 0sec";
        e.alarmType = "[No Alarm]";
        e.recordStartModel = "Manual";
        e.alarmCount = "0";
        CSummaryDisplay::applyStoredConversions(e);
        v = CSummaryDisplay::values(e);
        QCOMPARE(shown(v, "normalRecordSpace alarmType recordStartModel language"),
            QString("1h 0min 0sec|[No Alarm]|Manual|English"));
        QVERIFY(!v.alarmed);
        QCoreApplication::removeTranslator(&english);
    }

    void chineseInterface()
    {
        languageCode = "zh_CN";
        CSummeryParam s;
        fillChineseCsv(s);
        CSummaryDisplay::applyStoredConversions(s);
        // Dates are converted whatever the interface language; durations and
        // alarm types stay Chinese.
        QCOMPARE(s.deviceTime, QString("2021/05/06 08:05:09"));
        QCOMPARE(shown(CSummaryDisplay::values(s), "normalRecordSpace alarmType delayStart"),
            QString("1小时0分0秒|温度高于上限 湿度低于下限|按键开启 延时 30分钟"));
        // A Chinese PDF report keeps its dates.
        fillChineseCsv(s);
        s.fileFormat = "PDF";
        CSummaryDisplay::applyStoredConversions(s);
        QCOMPARE(s.deviceTime, QString("2021年05月06日 08:05:09"));
    }

    void listModel()
    {
        CTempData data;
        data << sample("2021/05/06 08:00:00", "8.0", "80.0") << sample("2021/05/06 08:01:00", "8.1", "80.1")
             << sample("2021/05/06 08:02:00", "2.0", "20.0") << sample("2021/05/06 08:03:00", "1.9", "19.9")
             << sample("2021/05/06 08:04:00", "abc", "");
        CTempDataModel model;
        model.setSamples(data, 8.0, 2.0, 80.0, 20.0);
        data.clear(); // the model keeps its own copy
        // Equal to a limit: not red; beyond: red; not a number reads as 0.
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            QString line;
            for (int column = 0; column < 4; ++column) {
                const QModelIndex index = model.index(row, column);
                line += index.data().toString()
                    + (index.data(Qt::ForegroundRole).value<QColor>() == Qt::red ? "! " : " ");
                QCOMPARE(index.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
            }
            rows << line.trimmed();
        }
        QCOMPARE(rows,
            QStringList({ "1 2021/05/06 08:00:00 8.0 80.0", "2 2021/05/06 08:01:00 8.1! 80.1!",
                "3 2021/05/06 08:02:00 2.0 20.0", "4 2021/05/06 08:03:00 1.9! 19.9!",
                "5 2021/05/06 08:04:00 abc! !" }));
    }
};

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
