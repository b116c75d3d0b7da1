#include "core/record/cdevicesettinginfo.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"

#include <QPointer>
#include <QtTest>

class TestRecordModel : public QObject {
    Q_OBJECT
private slots:
    void summaryClear()
    {
        CSummeryParam summary;
        QCOMPARE(summary.metaObject()->className(), "CSummeryParam");
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
    }

    void deviceSettingDefaults()
    {
        QObject parent;
        auto *info = new CDeviceSettingInfo(&parent);
        QCOMPARE(info->metaObject()->className(), "CDeviceSettingInfo");
        QCOMPARE(info->containTemp, 1);
        QCOMPARE(info->containHumidity, 0);
        QVERIFY(info->tempHigh.isEmpty());
        QCOMPARE(info->parent(), &parent);
    }

    // CTempData owns its samples; the sanitizer build proves nothing leaks.
    void tempDataOwnership()
    {
        CTempData data;
        QCOMPARE(data.metaObject()->className(), "CTempData");
        data.clear(); // empty list: nothing happens
        QVERIFY(data.dataList.isEmpty());
        for (int i = 0; i < 1000; ++i)
            data.dataList.append(new TempDataItem { QString::number(i), QString(), "2021/05/06 08:00:00" });
        QCOMPARE(data.dataList.size(), 1000);
        QCOMPARE(data.dataList.at(999)->temp, QString("999"));
        data.clear();
        QVERIFY(data.dataList.isEmpty());

        QPointer<CTempData> child;
        {
            QObject parent;
            child = new CTempData(&parent);
            child->dataList.append(new TempDataItem { "1", "2", "3" });
        } // the parent deletes the list, the list its samples
        QVERIFY(child.isNull());
    }
};

QTEST_GUILESS_MAIN(TestRecordModel)
#include "tst_recordmodel.moc"
