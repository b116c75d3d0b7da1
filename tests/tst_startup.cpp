#include "core/record/appglobals.h"
#include "gui/app/cdravik.h"

#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void titleFollowsLanguage()
    {
        languageCode = "en";
        {
            CDravik window;
            QCOMPARE(window.windowTitle(), QString("Vesmira"));
            QCOMPARE(window.objectName(), QString("CDravikClass"));
        }
        languageCode = "zh_CN";
        CDravik window;
        QCOMPARE(window.windowTitle(), QString::fromUtf8("记录仪产品上位机软件"));
    }

    void resourcesAreEmbedded()
    {
        for (const char *name :
            { ":/CDravik/dravik_en.qm", ":/CDravik/dravik_zh.qm", ":/CDravik/qt_en.qm",
                ":/CDravik/qtbase_en.qm", ":/CDravik/qt_zh_CN.qm", ":/CDravik/image/logo_neut.ico",
                ":/CDravik/image/loading.gif", ":/CDravik/image/Devices_64.png",
                ":/CDravik/image/settings_64.png", ":/CDravik/image/database_64.png",
                ":/CDravik/image/device.png", ":/CDravik/image/download.png", ":/CDravik/image/stats_alt.png",
                ":/CDravik/image/view_statistics.png", ":/CDravik/image/list.png" })
            QVERIFY2(QFile::exists(name), name);

        // Qt's own Chinese texts really load from the resource.
        QTranslator qt;
        QVERIFY(qt.load(":/CDravik/qt_zh_CN.qm"));
        QVERIFY(!qt.isEmpty());
        QTranslator app;
        QVERIFY(app.load(":/CDravik/dravik_en.qm"));
        QCOMPARE(app.translate("QObject", "cuo wu"), QString("Error"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
