#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecord.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/summaryfields.h"

#include <QSet>
#include <QtTest>

class TestRecordModel : public QObject {
    Q_OBJECT
private slots:
    void summaryClear()
    {
        CSummeryParam summary;
        summary.deviceModel = "RZ-83WQ";
        summary.lcd_mode = "On";
        summary.battery = "80";
        summary.containTemp = 1;
        summary.containHumidity = 1;
        summary.clear();
        QVERIFY(summary.deviceModel.isEmpty());
        QVERIFY(summary.lcd_mode.isEmpty());
        QVERIFY(summary.battery.isEmpty());
        // Cleared fields are empty texts (not null), so they are stored as ''.
        QVERIFY(!summary.deviceModel.isNull());
        QVERIFY(!summary.tempAdj.isNull());
        // The flags are left to the next parse.
        QCOMPARE(summary.containHumidity, 1);

        CDeviceSettingInfo info;
        QCOMPARE(info.containTemp, 1);
        QCOMPARE(info.containHumidity, 0);
        QVERIFY(info.tempHigh.isEmpty());
    }

    // The one list of summary fields: every text field once, in declaration
    // order, each stored column and each history cell used once.
    void summaryFieldTable()
    {
        QSet<int> columns;
        QSet<int> cells;
        QSet<QString> names;
        CSummeryParam probe;
        for (const CSummaryField &field : CSummaryFields::all()) {
            QVERIFY2(!names.contains(field.name), field.name);
            names.insert(field.name);
            QCOMPARE(CSummaryFields::find(field.name), &field);
            if (field.column > 0) {
                QVERIFY2(!columns.contains(field.column), field.name);
                columns.insert(field.column);
            }
            if (field.historyRow >= 0) {
                QVERIFY2(!cells.contains(field.historyRow * 5 + field.historyColumn), field.name);
                cells.insert(field.historyRow * 5 + field.historyColumn);
            }
            // Every member is a distinct field of the summary.
            probe.*field.member = field.name;
        }
        QCOMPARE(names.size(), CSummaryFields::Count);
        QCOMPARE(columns.size(), 35); // 38 columns but the link and the two flags
        for (const CSummaryField &field : CSummaryFields::all())
            QCOMPARE(field.of(probe), QString(field.name));
        QCOMPARE(CSummaryFields::all().front().name, "deviceModel");
        QCOMPARE(CSummaryFields::all().back().name, "lcd_mode");
        QVERIFY(!CSummaryFields::find("nonsense"));
    }

    // CTempData owns its samples; a copy copies them; the sanitizer build
    // proves nothing leaks. Sample times are read once, when made.
    void tempDataOwnership()
    {
        CTempData data;
        data.clear(); // empty list: nothing happens
        QVERIFY(data.dataList.isEmpty());
        for (int i = 0; i < 1000; ++i)
            data.dataList.append(new TempDataItem { QString::number(i), QString(), "2021/05/06 08:00:00" });
        QCOMPARE(data.dataList.size(), 1000);
        QCOMPARE(data.dataList.at(999)->temp, QString("999"));
        QCOMPARE(data.dataList.at(0)->time.hour, 8);
        QVERIFY(data.dataList.at(0)->secs != CRecordTime::invalidSecs);

        CTempData copy = data;
        QCOMPARE(copy.dataList.size(), 1000);
        QVERIFY(copy.dataList.at(5) != data.dataList.at(5));
        QCOMPARE(copy.dataList.at(5)->secs, data.dataList.at(5)->secs);
        CTempData moved = std::move(copy);
        QCOMPARE(moved.dataList.size(), 1000);
        data.clear();
        QVERIFY(data.dataList.isEmpty());

        TempDataItem odd { "1", "2", "not a time" };
        QVERIFY(!odd.time.isValid());
        QCOMPARE(odd.secs, CRecordTime::invalidSecs);

        CRecord record;
        record.data = std::move(moved);
        QVERIFY(!record.hasHumidity());
        record.summary.containHumidity = 1;
        QVERIFY(record.hasHumidity());
    }
};

QTEST_GUILESS_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
