// The configuration page, its templates and the preferences dialog, driven
// through their controls (found by object name) on the offscreen platform.
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "core/record/crecordconfig.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/report/gbkcodeutils.h"
#include "core/report/reportparse.h"
#include "gui/app/cmessagebox.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/configuration/csettingfilemanager.h"
#include "gui/configuration/ctemplatenamedialog.h"
#include "gui/configuration/switchbutton.h"
#include "helpers/configtemplates.h"
#include "helpers/faultfs.h"
#include "helpers/framefile.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

const QDateTime saturday(QDate(2026, 3, 7), QTime(14, 5, 9));

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray reference(const QString &name)
{
    QString error;
    return readFrameFile(QString(VESMIRA_TEST_DATA "/frames/") + name, &error);
}

QVector<int> ints(int a, int b, int c)
{
    return { a, b, c };
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestDeviceSetting : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_appDir;
    QTranslator m_translator;
    QVector<CMessageBox::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    QVector<CTemplateNameDialog::Request> m_nameRequests;
    QString m_name;
    bool m_nameOk = true;

    QString lastText() const { return m_boxes.isEmpty() ? QString() : m_boxes.last().text; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid());
        applicationDir = m_appDir.path();
        languageCode = "en";
        tempAdjust = 0;
        CRecordConfig::instance()->load();
        QVERIFY(m_translator.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&m_translator);
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            m_boxes.append(request);
            return m_answer;
        });
        CTemplateNameDialog::setHandler([this](const CTemplateNameDialog::Request &request, bool *ok) {
            m_nameRequests.append(request);
            *ok = m_nameOk;
            return m_name;
        });
        CDeviceSetting::setEnvironmentOverride([] { return saturday; }, "(UTC+05:30) Chennai");
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
    }

    void init()
    {
        m_boxes.clear();
        m_nameRequests.clear();
        m_answer = QMessageBox::Ok;
        m_nameOk = true;
        languageCode = "en";
        tempAdjust = 0;
    }

    void constructedState()
    {
        CDeviceSetting page;
        QVERIFY(QDir(applicationDir + "/setting_file_dir").exists());
        QVERIFY(child<QRadioButton>(&page, "baseConfigModelRb")->isChecked());
        QCOMPARE(
            child<QStackedWidget>(&page, "configStack")->currentWidget(), child<QWidget>(&page, "basePage"));
        QVERIFY(child<QPushButton>(&page, "saveSettingBtn")->isHidden());
        QVERIFY(child<QPushButton>(&page, "defaultSettingBtn")->isHidden());
        QVERIFY(!child<QPushButton>(&page, "writeSettingBtn")->isEnabled());
        QVERIFY(!page.controlsEnabled());
        QVERIFY(!page.humidityApplies());
        QVERIFY(child<QDoubleSpinBox>(&page, "humidityHighSpinBox")->isHidden());
        QVERIFY(child<QDoubleSpinBox>(&page, "humidityLowSpinBox2")->isHidden());
        QVERIFY(child<QDoubleSpinBox>(&page, "adjustTempSpinBox")->isHidden()); // tempAdjust 0
        QVERIFY(child<QRadioButton>(&page, "tempUnitDuRb")->isChecked());
        QVERIFY(child<QRadioButton>(&page, "reportZhRb")->isChecked());
        QCOMPARE(child<QLineEdit>(&page, "runwayIdTxt")->text(), QString("XC000000"));
        QCOMPARE(child<QLineEdit>(&page, "runwayIdTxt2")->text(), QString("XC000000"));
        QCOMPARE(child<QDateTimeEdit>(&page, "startDateTimeEdit")->dateTime(), saturday);
        QCOMPARE(
            child<QDateTimeEdit>(&page, "stopDateTimeEdit")->displayFormat(), QString("yyyy/MM/dd hh:mm"));
        auto *tabs = child<QTabWidget>(&page, "otherSettingTab");
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(tabs->tabText(0), QString("Alarm settings"));
        QCOMPARE(tabs->styleSheet(), QString("QTabBar::tab{min-height: 40px; min-width: 120px;}"));
        QVERIFY(qobject_cast<QListView *>(child<QComboBox>(&page, "startTypeCb")->view()));
        QCOMPARE(child<QComboBox>(&page, "startTypeCb")->itemText(3), QString("Always start"));
        QCOMPARE(child<QComboBox>(&page, "lcdLightComboBox")->itemText(1), QString("Always on"));
        QCOMPARE(
            child<QRadioButton>(&page, "highConfigModelRb")->text(), QString("Advanced configuration mode"));
        QCOMPARE(child<QLabel>(&page, "tempHighUnitLb")->text(), QString::fromUtf8("℃"));
        QVERIFY(child<QLabel>(&page, "baseTipLb")->text().contains("The trip number only supports letters"));

        struct Range {
            const char *name;
            double min, max, step, value;
        };
        for (const Range &r : { Range { "normalRecordSpace", 10, 86400, 10, 60 },
                 Range { "alarmRecordSpace2", 10, 86400, 10, 30 }, Range { "startDelayTime", 0, 240, 1, 0 },
                 Range { "spinBox", 0, 240, 1, 0 } }) {
            auto *box = child<QSpinBox>(&page, r.name);
            QVERIFY2(box->minimum() == r.min && box->maximum() == r.max && box->singleStep() == r.step
                    && box->value() == r.value,
                r.name);
        }
        for (const Range &r : { Range { "tempHighSpinBox", -1000, 1000, 0.1, 70.0 },
                 Range { "tempLowSpinBox2", -1000, 1000, 0.1, -30.0 },
                 Range { "adjustTempSpinBox", -1000, 1000, 0.1, 0.0 },
                 Range { "humidityHighSpinBox", 1.0, 99.9, 0.1, 99.9 },
                 Range { "humidityLowSpinBox2", 1.0, 99.9, 0.1, 1.0 },
                 Range { "humidityAdjSpinBox", 0.0, 99.9, 0.1, 0.0 } }) {
            auto *box = child<QDoubleSpinBox>(&page, r.name);
            QVERIFY2(box->decimals() == 1 && box->minimum() == r.min && box->maximum() == r.max
                    && box->singleStep() == r.step && box->value() == r.value,
                r.name);
        }

        tempAdjust = 1;
        CDeviceSetting shown;
        QVERIFY(!child<QDoubleSpinBox>(&shown, "adjustTempSpinBox")->isHidden());
        QVERIFY(shown.calibrationVisible());
    }

    void tripIdAndDescriptionInput()
    {
        CDeviceSetting page;
        page.setControlsEnabled(true);
        for (const char *name : { "runwayIdTxt", "runwayIdTxt2" }) {
            auto *edit = child<QLineEdit>(&page, name);
            edit->clear();
            QTest::keyClicks(edit, "AB1 -c.D9XYZ");
            QCOMPARE(edit->text(), QString("AB1cD9XY")); // no blank or punctuation, no ninth character
        }
        for (const char *name : { "runwayDescTxt", "runwayDescTxt2" }) {
            auto *edit = child<QTextEdit>(&page, name);
            edit->clear();
            edit->insertPlainText(QString(40, 'p')); // a paste
            QCOMPARE(edit->toPlainText(), QString(32, 'p'));
            edit->setPlainText(QString(20, 'a'));
            edit->moveCursor(QTextCursor::End);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUtf8("冷"), Qt::NoModifier);
            QCOMPARE(edit->toPlainText(), QString(16, 'a'));
            QCOMPARE(edit->textCursor().position(), 16);
        }
    }

    void modesAndDependencies()
    {
        CDeviceSetting page;
        page.setControlsEnabled(true);
        auto *stack = child<QStackedWidget>(&page, "configStack");
        auto *save = child<QPushButton>(&page, "saveSettingBtn");
        child<QRadioButton>(&page, "highConfigModelRb")->setChecked(true);
        QCOMPARE(stack->currentWidget(), child<QWidget>(&page, "highPage"));
        QVERIFY(!save->isHidden());
        QVERIFY(!child<QWidget>(&page, "saveSettingLine")->isHidden());
        child<QRadioButton>(&page, "baseConfigModelRb")->setChecked(true);
        QCOMPARE(stack->currentWidget(), child<QWidget>(&page, "basePage"));
        QVERIFY(save->isHidden());

        auto *start = child<QComboBox>(&page, "startTypeCb");
        auto *delay = child<QSpinBox>(&page, "startDelayTime");
        auto *startTime = child<QDateTimeEdit>(&page, "startDateTimeEdit");
        auto *stopTime = child<QDateTimeEdit>(&page, "stopDateTimeEdit");
        QVERIFY(!delay->isEnabled() && !startTime->isEnabled() && !stopTime->isEnabled());
        const QVector<QPair<bool, bool>> expected
            = { { false, false }, { true, false }, { false, true }, { false, false } };
        for (int index : { 1, 2, 3, 0, 2 }) {
            start->setCurrentIndex(index);
            QCOMPARE(qMakePair(delay->isEnabled(), startTime->isEnabled()), expected.at(index));
        }
        child<QComboBox>(&page, "stopTypeCb")->setCurrentIndex(1);
        QVERIFY(stopTime->isEnabled());
        // Enabling the page disables them whatever the modes.
        page.setControlsEnabled(true);
        QVERIFY(!startTime->isEnabled() && !stopTime->isEnabled());
        child<QComboBox>(&page, "stopTypeCb")->setCurrentIndex(0);
        QVERIFY(!stopTime->isEnabled());

        // The unit switch changes the labels, never the numbers.
        auto *high = child<QDoubleSpinBox>(&page, "tempHighSpinBox");
        high->setValue(158.0);
        child<QRadioButton>(&page, "tempUnitFRb")->setChecked(true);
        for (const char *unit : { "tempHighUnitLb", "tempLowUnitLb", "adjustTempUnitLb" })
            QCOMPARE(child<QLabel>(&page, unit)->text(), QString::fromUtf8("℉"));
        QCOMPARE(high->value(), 158.0);
        child<QRadioButton>(&page, "tempUnitDuRb")->setChecked(true);
        QCOMPARE(child<QLabel>(&page, "adjustTempUnitLb")->text(), QString::fromUtf8("℃"));
        QCOMPARE(high->value(), 158.0);
    }

    void enablingHumidityCalibrationAndModel()
    {
        QTemporaryDir drive;
        CDeviceSetting page;
        auto *fileType = child<QComboBox>(&page, "exportFileTypeCb");
        page.setLogger(drive.path(), "TL-30-83WQ");
        page.setControlsEnabled(true);
        for (const char *name :
            { "writeSettingBtn", "tempUnitFRb", "reportEnRb", "runwayDescTxt", "settingFilePathCB",
                "deviceSettingBtn", "otherSettingTab", "tempHighSpinBox2", "runwayIdTxt2" })
            QVERIFY2(child<QWidget>(&page, name)->isEnabled(), name);
        QVERIFY(fileType->isEnabled());
        QCOMPARE(fileType->currentIndex(), 0);
        page.setControlsEnabled(false);
        for (const char *name : { "writeSettingBtn", "openSettingPathBtn", "stopTypeCb", "spinBox",
                 "humidityHighSpinBox2", "runwayDescTxt2", "exportFileTypeCb" })
            QVERIFY2(!child<QWidget>(&page, name)->isEnabled(), name);

        page.setLogger(drive.path(), "RZ-83K-01");
        page.setControlsEnabled(true);
        QCOMPARE(fileType->currentIndex(), 1);
        QVERIFY(!fileType->isEnabled());

        page.setHumidityApplies(true);
        for (const char *name :
            { "humidityHighSpinBox", "humidityLowLb", "humidityHighSpinBox2", "humidityLowLb2" })
            QVERIFY2(!child<QWidget>(&page, name)->isHidden(), name);
        QVERIFY(child<QWidget>(&page, "humidityAdjSpinBox")->isHidden()); // calibration values hidden
        tempAdjust = 1;
        page.setHumidityApplies(true);
        QVERIFY(!child<QWidget>(&page, "humidityAdjSpinBox")->isHidden());
        QVERIFY(!child<QWidget>(&page, "humidityAdjLb")->isHidden());
        page.setHumidityApplies(false);
        QVERIFY(child<QWidget>(&page, "humidityAdjSpinBox")->isHidden());
        QVERIFY(child<QWidget>(&page, "humidityLowSpinBox")->isHidden());

        page.setCalibrationVisible(true);
        for (const char *name : { "adjustTempSpinBox", "adjustTempLb", "adjustTempUnitLb" })
            QVERIFY2(!child<QWidget>(&page, name)->isHidden(), name);
        page.setCalibrationVisible(false);
        for (const char *name : { "adjustTempSpinBox", "adjustTempLb", "adjustTempUnitLb" })
            QVERIFY2(child<QWidget>(&page, name)->isHidden(), name);
    }

    void fillFromTheLoggerRead()
    {
        CDeviceSetting page;
        page.setControlsEnabled(true);
        CDeviceSettingInfo info;
        info.wayId = "EH210500";
        info.wayDesc = "Cold chain";
        info.tempUnit = QString::fromUtf8("°F");
        info.recordStartModel = "Manual+Delay";
        info.delayStart = "30";
        info.recordStopModel = "Timing";
        info.stopAt = "2026/03/20 18:00";
        info.normalRecordSpace = "900";
        info.alarmSpace = "90";
        info.alarmDelay = "5";
        info.tempHigh = "86.0";
        info.tempLow = "35.6";
        info.humidityHigh = "80.0";
        info.humidityLow = "20.0";
        info.language = "EN";
        info.fileType = "txt";
        info.isRecycleRecord = "OFF";
        info.lcdMode = "Automatic OFF";
        page.fillFromDeviceInfo(&info);
        QCOMPARE(child<QLineEdit>(&page, "runwayIdTxt")->text(), QString("EH210500"));
        QCOMPARE(child<QTextEdit>(&page, "runwayDescTxt")->toPlainText(), QString("Cold chain"));
        QVERIFY(child<QRadioButton>(&page, "tempUnitFRb")->isChecked());
        QCOMPARE(child<QLabel>(&page, "tempHighUnitLb")->text(), QString::fromUtf8("℉"));
        QCOMPARE(child<QComboBox>(&page, "startTypeCb")->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>(&page, "startDelayTime")->value(), 30);
        QVERIFY(child<QSpinBox>(&page, "startDelayTime")->isEnabled());
        QVERIFY(!child<QDateTimeEdit>(&page, "startDateTimeEdit")->isEnabled());
        QCOMPARE(child<QDateTimeEdit>(&page, "stopDateTimeEdit")->dateTime(),
            QDateTime(QDate(2026, 3, 20), QTime(18, 0)));
        QVERIFY(child<QDateTimeEdit>(&page, "stopDateTimeEdit")->isEnabled());
        QCOMPARE(child<QSpinBox>(&page, "normalRecordSpace")->value(), 900);
        QCOMPARE(child<QDoubleSpinBox>(&page, "tempHighSpinBox")->value(), 86.0);
        QVERIFY(child<QRadioButton>(&page, "reportEnRb")->isChecked());
        QCOMPARE(child<QComboBox>(&page, "exportFileTypeCb")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(&page, "repeatRecordComboBox")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(&page, "restartComboBox")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(&page, "lcdLightComboBox")->currentIndex(), 0);

        info.recordStartModel = "Timing";
        info.startAt = " 2026/04/01 07:30 ";
        info.recordStopModel = "Manual";
        page.fillFromDeviceInfo(&info);
        QCOMPARE(child<QComboBox>(&page, "startTypeCb")->currentIndex(), 2);
        QCOMPARE(child<QSpinBox>(&page, "startDelayTime")->value(), 0);
        QVERIFY(!child<QSpinBox>(&page, "startDelayTime")->isEnabled());
        QVERIFY(child<QDateTimeEdit>(&page, "startDateTimeEdit")->isEnabled());
        QCOMPARE(child<QDateTimeEdit>(&page, "startDateTimeEdit")->dateTime(),
            QDateTime(QDate(2026, 4, 1), QTime(7, 30)));
        QCOMPARE(child<QDateTimeEdit>(&page, "stopDateTimeEdit")->dateTime(), saturday);
        QVERIFY(!child<QDateTimeEdit>(&page, "stopDateTimeEdit")->isEnabled());

        // The basic page follows the unit of the logger read last.
        page.setReadState(&info, true);
        QVERIFY(page.basicFahrenheit());
        QCOMPARE(child<QLabel>(&page, "tempLowUnitLb2")->text(), QString::fromUtf8("℉"));
        page.setReadState(&info, false);
        QVERIFY(!page.basicFahrenheit());
        QCOMPARE(child<QLabel>(&page, "tempHighUnitLb2")->text(), QString::fromUtf8("℃"));
    }

    // "Sync device parameters" after reading each report of tests/data/reports:
    // every mode, time, interval, limit and option as that report printed it.
    void syncFromEveryReport_data()
    {
        QTest::addColumn<QVector<int>>("modes"); // start mode, start delay, stop mode
        QTest::addColumn<QString>("startAt"); // empty: not timed, stays now
        QTest::addColumn<QString>("stopAt");
        QTest::addColumn<QVector<int>>("intervals"); // normal, over limit (s), alarm delay (min)
        QTest::addColumn<QVector<double>>("limits"); // temperature high, low[, humidity high, low]
        // ℉, English report, file type, circular, clear saved records, multiple start, long-press clear,
        // display always on
        QTest::addColumn<QVector<int>>("options");
        using I = QVector<int>;
        using D = QVector<double>;
        const QString none;
        const QString may6("2021/05/06 22:00"), may7("2021/05/07 06:00");
        const QString may31("2021/05/31 22:00"), jun1("2021/06/01 06:00");
        QTest::newRow("zh-temp.csv") << I { 1, 30, 0 } << none << none << I { 900, 300, 10 } << D { 8, 2 }
                                     << I { 0, 0, 2, 0, 1, 1, 0, 1 };
        QTest::newRow("zh-temp.txt") << I { 2, 0, 1 } << may6 << may7 << I { 900, 300, 10 } << D { 8, 2 }
                                     << I { 0, 0, 1, 0, 1, 1, 0, 0 };
        QTest::newRow("zh-temp.pdf") << I { 1, 30, 0 } << none << none << I { 3600, 300, 10 } << D { 8, 2 }
                                     << I { 0, 0, 0, 0, 1, 1, 0, 1 };
        QTest::newRow("zh-th.csv") << I { 2, 0, 1 } << may6 << may7 << I { 900, 90, 0 } << D { 30, 2, 80, 20 }
                                   << I { 0, 0, 2, 1, 0, 0, 1, 0 };
        QTest::newRow("zh-th.txt") << I { 1, 30, 0 } << none << none << I { 900, 90, 0 }
                                   << D { 30, 2, 80, 20 } << I { 0, 0, 1, 0, 1, 1, 0, 1 };
        QTest::newRow("zh-th.pdf") << I { 2, 0, 1 } << may6 << may7 << I { 900, 90, 0 } << D { 30, 2, 80, 20 }
                                   << I { 0, 0, 0, 0, 0, 0, 0, 0 };
        QTest::newRow("en-temp.csv") << I { 2, 0, 0 } << may6 << none << I { 900, 300, 10 }
                                     << D { 46.4, 35.6 } << I { 1, 1, 2, 0, 1, 1, 0, 1 };
        QTest::newRow("en-temp.txt") << I { 3, 0, 1 } << none << may7 << I { 900, 300, 15 } << D { 8, 2 }
                                     << I { 0, 1, 1, 1, 0, 0, 1, 1 };
        QTest::newRow("en-temp.pdf") << I { 1, 30, 0 } << none << none << I { 900, 300, 10 }
                                     << D { 46.4, 35.6 } << I { 1, 1, 0, 0, 1, 1, 0, 1 };
        QTest::newRow("en-th.csv") << I { 1, 30, 1 } << none << jun1 << I { 900, 90, 0 }
                                   << D { 30, 2, 80, 20 } << I { 0, 1, 2, 0, 1, 0, 0, 0 };
        QTest::newRow("en-th.txt") << I { 2, 0, 0 } << may31 << none << I { 900, 90, 5 }
                                   << D { 30, 2, 80, 20 } << I { 0, 1, 1, 0, 0, 1, 0, 0 };
        QTest::newRow("en-th.pdf") << I { 2, 0, 1 } << may31 << jun1 << I { 900, 90, 0 }
                                   << D { 30, 2, 80, 20 } << I { 0, 1, 0, 1, 0, 0, 0, 0 };
        // A report added to the folder needs its row here.
        QCOMPARE(QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" }).size(), 12);
    }

    void syncFromEveryReport()
    {
        QFETCH(QVector<int>, modes);
        QFETCH(QString, startAt);
        QFETCH(QString, stopAt);
        QFETCH(QVector<int>, intervals);
        QFETCH(QVector<double>, limits);
        QFETCH(QVector<int>, options);
        CSummeryParam summary;
        CDeviceSettingInfo info;
        CTempData samples;
        QVERIFY(parseReportFile(
                    QString(VESMIRA_TEST_DATA "/reports/") + QTest::currentDataTag(), summary, info, samples)
            != ReportKind::None);
        CDeviceSetting page;
        page.setControlsEnabled(true);
        page.fillFromDeviceInfo(&info);

        auto time = [](const QString &text) {
            return text.isEmpty() ? saturday : QDateTime::fromString(text, "yyyy/MM/dd hh:mm");
        };
        auto index = [&page](const char *name) { return child<QComboBox>(&page, name)->currentIndex(); };
        auto spin = [&page](const char *name) { return child<QSpinBox>(&page, name)->value(); };
        auto decimal = [&page](const char *name) { return child<QDoubleSpinBox>(&page, name)->value(); };
        QCOMPARE(ints(index("startTypeCb"), spin("startDelayTime"), index("stopTypeCb")), modes);
        QCOMPARE(child<QDateTimeEdit>(&page, "startDateTimeEdit")->dateTime(), time(startAt));
        QCOMPARE(child<QDateTimeEdit>(&page, "stopDateTimeEdit")->dateTime(), time(stopAt));
        QCOMPARE(ints(spin("normalRecordSpace"), spin("alarmRecordSpace"), spin("spinBox")), intervals);
        QVector<double> shown { decimal("tempHighSpinBox"), decimal("tempLowSpinBox") };
        if (limits.size() == 4)
            shown << decimal("humidityHighSpinBox") << decimal("humidityLowSpinBox");
        QCOMPARE(shown, limits);
        const QVector<int> chosen { child<QRadioButton>(&page, "tempUnitFRb")->isChecked(),
            child<QRadioButton>(&page, "reportEnRb")->isChecked(), index("exportFileTypeCb"),
            index("repeatRecordComboBox"), index("clearRecordComboBox"), index("restartComboBox"),
            index("longPressedClearRecordComboBox"), index("lcdLightComboBox") };
        QCOMPARE(chosen, options);
    }

    void writeFromThePage()
    {
        QTemporaryDir drive;
        const QString file = drive.path() + "/setting.ini";
        CDeviceSetting page;
        page.setLogger(drive.path(), "TL-30");
        page.setControlsEnabled(true);
        auto *write = child<QPushButton>(&page, "writeSettingBtn");

        // Advanced mode as built.
        child<QRadioButton>(&page, "highConfigModelRb")->setChecked(true);
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(firstDifference(readAll(file), reference("advanced-defaults.hex")), QString());
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.last().icon, QMessageBox::Information);
        QCOMPARE(m_boxes.last().title, QString("Information"));
        QCOMPARE(lastText(),
            QString("Configuration written successfully, please disconnect logger to make "
                    "configuration effective."));

        // Basic mode of a humidity logger reporting in ℉.
        child<QRadioButton>(&page, "baseConfigModelRb")->setChecked(true);
        CDeviceSettingInfo info;
        info.tempUnit = QString::fromUtf8("℉");
        page.setReadState(&info, true);
        page.setHumidityApplies(true);
        child<QSpinBox>(&page, "normalRecordSpace2")->setValue(65);
        child<QDoubleSpinBox>(&page, "tempHighSpinBox2")->setValue(158.0);
        child<QDoubleSpinBox>(&page, "tempLowSpinBox2")->setValue(32.0);
        child<QDoubleSpinBox>(&page, "humidityHighSpinBox2")->setValue(80.0);
        child<QDoubleSpinBox>(&page, "humidityLowSpinBox2")->setValue(30.0);
        child<QLineEdit>(&page, "runwayIdTxt2")->setText("BASIC001");
        child<QSpinBox>(&page, "spinBox")->setValue(5);
        CDeviceSetting::setEnvironmentOverride([] { return saturday; }, "(UTC+08:00) Beijing");
        QTest::mouseClick(write, Qt::LeftButton);
        CDeviceSetting::setEnvironmentOverride([] { return saturday; }, "(UTC+05:30) Chennai");
        QCOMPARE(firstDifference(readAll(file), reference("basic-fahrenheit-humidity.hex")), QString());
        QCOMPARE(child<QSpinBox>(&page, "normalRecordSpace2")->value(), 60);

        // Refusals: the message of the check, the old file stays.
        const QByteArray old = readAll(file);
        m_boxes.clear();
        child<QLineEdit>(&page, "runwayIdTxt2")->setText("BASIC01");
        child<QSpinBox>(&page, "normalRecordSpace2")->setValue(75);
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(m_boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(m_boxes.last().title, QString("Error"));
        QCOMPARE(m_boxes.last().okText, QString("OK"));
        QCOMPARE(lastText(), QString("Trip ID should be 8 characters"));
        QCOMPARE(child<QSpinBox>(&page, "normalRecordSpace2")->value(), 75);
        child<QLineEdit>(&page, "runwayIdTxt2")->setText("BASIC001");

        child<QDoubleSpinBox>(&page, "humidityLowSpinBox2")->setValue(80.1);
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(lastText(),
            QString("The upper limit of humidity cannot be less than the lower limit of humidity"));
        QCOMPARE(m_boxes.last().title, QString("Error"));
        QCOMPARE(child<QSpinBox>(&page, "normalRecordSpace2")->value(), 75);
        languageCode = "zh_CN";
        child<QDoubleSpinBox>(&page, "tempLowSpinBox2")->setValue(158.1);
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(lastText(), QString::fromUtf8("温度上限不能小于温度下限"));
        QCOMPARE(m_boxes.last().title, QString::fromUtf8("错误"));
        QCOMPARE(m_boxes.last().okText, QString::fromUtf8("确 定"));
        QCOMPARE(m_boxes.last().icon, QMessageBox::Warning);
        languageCode = "en";
        child<QDoubleSpinBox>(&page, "tempLowSpinBox2")->setValue(158.0);
        // On a temperature-only logger the humidity limits are not checked.
        page.setHumidityApplies(false);
        child<QTextEdit>(&page, "runwayDescTxt2")->setPlainText(QString::fromUtf8("，").repeated(17));
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(
            lastText(), QString("Trip description no longer than 32 characters (or 16 Chinese characters)"));
        QCOMPARE(readAll(file), old);
        child<QTextEdit>(&page, "runwayDescTxt2")->clear();

        page.setLogger(drive.path() + "/unplugged", "TL-30");
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(lastText(), QString("Logger device unavailable"));
        QCOMPARE(readAll(file), old);
    }

    void failedWritesAreShown()
    {
        const QString cannotCreate(
            "Cannot create setting.ini on the logger. Please check that the logger drive is writable.");
        CDeviceSetting page;
        page.setControlsEnabled(true);
        auto *write = child<QPushButton>(&page, "writeSettingBtn");
        // One error box with text, then forgotten.
        auto errorShown = [this](const QString &text) {
            const bool shown = m_boxes.size() == 1 && m_boxes.last().icon == QMessageBox::Warning
                && m_boxes.last().title == "Error" && m_boxes.last().okText == "OK" && lastText() == text;
            m_boxes.clear();
            return shown;
        };

        QTemporaryDir blocked;
        QVERIFY(QDir(blocked.path()).mkdir("setting.ini"));
        page.setLogger(blocked.path(), "TL-30");
        QTest::mouseClick(write, Qt::LeftButton);
        QVERIFY2(errorShown(cannotCreate), qPrintable(lastText()));

        SmallTmpfs drive(64 * 1024);
        if (!drive.isMounted())
            QSKIP(qPrintable(drive.skipReason()));
        const QByteArray old(102, 'o');
        QFile file(drive.filePath("setting.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == 102);
        file.close();
        page.setLogger(drive.path(), "TL-30");
        QVERIFY(drive.setReadOnly(true));
        QTest::mouseClick(write, Qt::LeftButton);
        QVERIFY2(errorShown(cannotCreate), qPrintable(lastText()));
        QCOMPARE(readAll(file.fileName()), old);

        QVERIFY(drive.setReadOnly(false));
        QVERIFY(drive.fill());
        QTest::mouseClick(write, Qt::LeftButton);
        QVERIFY2(errorShown("Writing the configuration to the logger failed. Please check that the logger is "
                            "still connected and has free space."),
            qPrintable(lastText()));
        QCOMPARE(readAll(file.fileName()), old);
        QCOMPARE(QDir(drive.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({ "filler", "setting.ini" }));
    }

    void valuesThatCannotBeWrittenAreRefused()
    {
        const QString dir = applicationDir + "/setting_file_dir";
        QTemporaryDir drive;
        CDeviceSetting page;
        page.setLogger(drive.path(), "TL-30");
        page.setControlsEnabled(true);
        child<QRadioButton>(&page, "highConfigModelRb")->setChecked(true);
        auto *write = child<QPushButton>(&page, "writeSettingBtn");
        auto *tripId = child<QLineEdit>(&page, "runwayIdTxt");
        tripId->setText("BEFORE01");

        // A damaged template: no field can hold the number, nothing is loaded.
        for (const char *key : { "tempHighSpinBox", "tempLowSpinBox", "adjustTempSpinBox",
                 "humidityHighSpinBox", "humidityLowSpinBox", "humidityAdjSpinBox" }) {
            for (const char *number : { "nan", "inf", "-inf" }) {
                QFile ini(dir + "/damaged.ini");
                QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
                ini.write(QByteArray("[base]\nrunwayIdTxt=DAMAGED1\n[alarm]\n") + key + "=" + number + "\n");
                ini.close();
                page.reloadTemplates();
                child<QComboBox>(&page, "settingFilePathCB")->setCurrentText("damaged.ini");
                m_boxes.clear();
                QTest::mouseClick(child<QPushButton>(&page, "openSettingPathBtn"), Qt::LeftButton);
                QVERIFY2(lastText() == "Alarm limits and calibration values must be valid numbers", key);
                QCOMPARE(m_boxes.last().title, QString("Error"));
                QCOMPARE(tripId->text(), QString("BEFORE01"));
            }
        }
        // Binary data where QSettings would decode any type from it.
        QFile ini(dir + "/damaged.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[base]\nrunwayIdTxt=DAMAGED1, @DateTime(\\0\\0\\0\\v\\0 eic)\n");
        ini.close();
        QTest::mouseClick(child<QPushButton>(&page, "openSettingPathBtn"), Qt::LeftButton);
        QCOMPARE(lastText(), QString("The template file is damaged and was not loaded."));
        QCOMPARE(tripId->text(), QString("BEFORE01"));
        QFile::remove(dir + "/damaged.ini");

        // Years the frame cannot carry: the computer's clock, a timed start.
        const QString years("The computer's date and the timing start and stop times must lie between the "
                            "years 2000 and 2255");
        CDeviceSetting::setEnvironmentOverride(
            [] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59)); }, "(UTC+05:30) Chennai");
        QTest::mouseClick(write, Qt::LeftButton);
        CDeviceSetting::setEnvironmentOverride([] { return saturday; }, "(UTC+05:30) Chennai");
        QCOMPARE(lastText(), years);
        child<QDateTimeEdit>(&page, "startDateTimeEdit")
            ->setDateTime(QDateTime(QDate(2300, 1, 1), QTime(0, 0)));
        QTest::mouseClick(write, Qt::LeftButton);
        QCOMPARE(lastText(), years);
        QVERIFY(QDir(drive.path()).isEmpty());
    }

    void templatesOnThePage()
    {
        const QString dir = applicationDir + "/setting_file_dir";
        QDir(dir).removeRecursively();
        CDeviceSetting page;
        QTemporaryDir drive;
        page.setLogger(drive.path(), "TL-30");
        page.setControlsEnabled(true);
        child<QRadioButton>(&page, "highConfigModelRb")->setChecked(true);
        auto *list = child<QComboBox>(&page, "settingFilePathCB");
        auto *save = child<QPushButton>(&page, "saveSettingBtn");

        // A ℉ page with a timed start, saved as "cold".
        child<QRadioButton>(&page, "tempUnitFRb")->setChecked(true);
        child<QLineEdit>(&page, "runwayIdTxt")->setText("TRIP2026");
        child<QComboBox>(&page, "startTypeCb")->setCurrentIndex(2);
        child<QDateTimeEdit>(&page, "startDateTimeEdit")
            ->setDateTime(QDateTime(QDate(2026, 3, 8), QTime(6, 30)));
        child<QDoubleSpinBox>(&page, "tempHighSpinBox")->setValue(46.4);
        child<QDoubleSpinBox>(&page, "humidityLowSpinBox")->setValue(20.0); // hidden here, saved all the same
        child<QComboBox>(&page, "exportFileTypeCb")->setCurrentIndex(2);
        m_name = "cold";
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(m_nameRequests.last().title, QString("Template information"));
        QCOMPARE(m_nameRequests.last().label, QString("please input template file name"));
        QCOMPARE(m_nameRequests.last().preset, QString());
        QCOMPARE(m_nameRequests.last().cancelText, QString("cancel"));
        QVERIFY(QFile::exists(dir + "/cold.ini"));
        QCOMPARE(lastText(), QString("current template file save success"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QString("cold.ini"));

        const QByteArray saved = readAll(dir + "/cold.ini");
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(lastText(), QString("file name repeated, save failure"));
        QCOMPARE(m_boxes.last().title, QString("Error"));
        QCOMPARE(readAll(dir + "/cold.ini"), saved);
        for (const char *bad : { "", "a/b" }) {
            m_name = bad;
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(lastText(), QString("The template name must not be empty or contain \"/\"."));
        }
        m_boxes.clear();
        m_nameOk = false;
        m_name = "cancelled";
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(!QFile::exists(dir + "/cancelled.ini"));
        m_nameOk = true;

        // A template with start mode 0, written by hand; files the page does not offer.
        {
            QSettings manual(dir + "/plain.ini", QSettings::IniFormat);
            manual.setValue("base/startTypeCb", 0);
            manual.setValue("base/startDelayTime", 99);
            manual.setValue("base/runwayIdTxt", "PLAIN001");
            manual.setValue("base/startDateTimeEdit", QDateTime(QDate(2027, 1, 1), QTime(0, 0)));
        }
        QFile::copy(dir + "/plain.ini", dir + "/A.INI");
        QFile::copy(dir + "/plain.ini", dir + "/x.tmp.ini");
        page.reloadTemplates();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(1), QString("plain.ini"));

        // Change the page, then load "cold" back.
        child<QRadioButton>(&page, "tempUnitDuRb")->setChecked(true);
        child<QComboBox>(&page, "startTypeCb")->setCurrentIndex(0);
        child<QDoubleSpinBox>(&page, "tempHighSpinBox")->setValue(10.0);
        list->setCurrentIndex(0);
        QTest::mouseClick(child<QPushButton>(&page, "openSettingPathBtn"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(&page, "tempUnitFRb")->isChecked());
        QCOMPARE(child<QLabel>(&page, "tempHighUnitLb")->text(), QString::fromUtf8("℉"));
        QCOMPARE(child<QDoubleSpinBox>(&page, "tempHighSpinBox")->value(), 46.4);
        QCOMPARE(child<QComboBox>(&page, "startTypeCb")->currentIndex(), 2);
        QCOMPARE(child<QDateTimeEdit>(&page, "startDateTimeEdit")->dateTime(),
            QDateTime(QDate(2026, 3, 8), QTime(6, 30)));
        QVERIFY(child<QDateTimeEdit>(&page, "startDateTimeEdit")->isEnabled());
        QCOMPARE(child<QDoubleSpinBox>(&page, "humidityLowSpinBox")->value(), 20.0);
        QCOMPARE(child<QComboBox>(&page, "exportFileTypeCb")->currentIndex(), 2);

        list->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(&page, "openSettingPathBtn"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(&page, "runwayIdTxt")->text(), QString("PLAIN001"));
        QCOMPARE(child<QComboBox>(&page, "startTypeCb")->currentIndex(), 0);
        QCOMPARE(child<QDateTimeEdit>(&page, "startDateTimeEdit")->dateTime(), saturday);
        QCOMPARE(child<QSpinBox>(&page, "startDelayTime")->value(), 0);
        QVERIFY(child<QRadioButton>(&page, "tempUnitDuRb")->isChecked());
        QCOMPARE(child<QSpinBox>(&page, "normalRecordSpace")->value(), 10); // missing: 0, raised by the field

        QFile::remove(dir + "/plain.ini");
        QFile::remove(dir + "/A.INI");
        QFile::remove(dir + "/x.tmp.ini");

        // Loaded and written by the page, the templates of the reference
        // frames give the frames vesmira-cli writes from them.
        writeTemplateF(dir + "/f.ini");
        writeTemplateC(dir + "/c.ini");
        page.reloadTemplates();
        const QVector<std::tuple<QString, bool, QString, QString>> cases = {
            { "f.ini", true, "(UTC-05:00) Eastern Time (US & Canada)", "advanced-fahrenheit-humidity.hex" },
            { "c.ini", false, "(UTC+09:30) Adelaide", "advanced-celsius-chinese.hex" }
        };
        for (const auto &c : cases) {
            list->setCurrentText(std::get<0>(c));
            QTest::mouseClick(child<QPushButton>(&page, "openSettingPathBtn"), Qt::LeftButton);
            page.setHumidityApplies(std::get<1>(c));
            CDeviceSetting::setEnvironmentOverride([] { return saturday; }, std::get<2>(c));
            QTest::mouseClick(child<QPushButton>(&page, "writeSettingBtn"), Qt::LeftButton);
            QCOMPARE(firstDifference(readAll(drive.path() + "/setting.ini"), reference(std::get<3>(c))),
                QString());
        }
        CDeviceSetting::setEnvironmentOverride([] { return saturday; }, "(UTC+05:30) Chennai");
        QCOMPARE(child<QSpinBox>(&page, "alarmRecordSpace")->value(), 300);
    }

    void preferencesDialog()
    {
        const QString dir = applicationDir + "/setting_file_dir";
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const auto &f : { qMakePair(QString("big.ini"), 300), qMakePair(QString("A.INI"), 10),
                 qMakePair(QString("x.tmp.ini"), 20), qMakePair(QString("notes.txt"), 5) }) {
            QFile file(dir + "/" + f.first);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(f.second, 'x'));
        }
        const QString config = applicationDir + "/config/record-config.ini";
        int restarts = 0;
        CSettingFileManager::setRestartHandler([&restarts] { ++restarts; });

        tempAdjust = 1;
        CSettingFileManager dialog(nullptr);
        QVERIFY(m_boxes.isEmpty()); // opening asks nothing
        QCOMPARE(dialog.windowTitle(), QString("Configuration and template management"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        auto *language = child<QComboBox>(&dialog, "languageCb");
        QCOMPARE(language->currentIndex(), 0);
        auto *adjust = child<SwitchButton>(&dialog, "adjustSwitchBtn");
        QVERIFY(adjust->isChecked());
        QCOMPARE(adjust->property("textOn").toString(), QString("display"));
        QCOMPARE(adjust->property("textOff").toString(), QString("no display"));
        auto *list = child<QListWidget>(&dialog, "templateList");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        QCOMPARE(names, QStringList({ "A.INI", "x.tmp.ini", "big.ini" }));

        // The calibration switch takes effect and is stored at once.
        QTest::mouseClick(adjust, Qt::LeftButton);
        QVERIFY(!adjust->isChecked());
        QCOMPARE(tempAdjust, 0);
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("record/tempAdjust").toInt(), 0);
        adjust->setChecked(true);
        QCOMPARE(tempAdjust, 1);
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("record/tempAdjust").toInt(), 1);

        // Language: stored, then a restart offered in the running language.
        m_answer = QMessageBox::Cancel;
        language->setCurrentIndex(1);
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("record/formLan").toString(), QString("2052"));
        QCOMPARE(m_boxes.last().title, QString("tips"));
        QCOMPARE(m_boxes.last().text, QString("The language change will take effect after restart."));
        QCOMPARE(m_boxes.last().okText, QString("Restart Now"));
        QCOMPARE(m_boxes.last().cancelText, QString("Later"));
        QCOMPARE(restarts, 0);
        QCOMPARE(languageCode, QString("en")); // "Later" keeps the running language
        languageCode = "zh_CN";
        m_answer = QMessageBox::Ok;
        language->setCurrentIndex(0);
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("record/formLan").toString(), QString("1033"));
        QCOMPARE(m_boxes.last().text, QString::fromUtf8("语言更改将在重新启动后生效."));
        QCOMPARE(m_boxes.last().okText, QString::fromUtf8("现在重启"));
        QCOMPARE(restarts, 1);
        languageCode = "en";

        // Rename: preset up to the first ".", refused duplicates, result.
        list->setCurrentRow(1); // x.tmp.ini
        m_name = "big";
        QTest::mouseClick(child<QPushButton>(&dialog, "renameBtn"), Qt::LeftButton);
        QCOMPARE(m_nameRequests.last().preset, QString("x"));
        QCOMPARE(m_nameRequests.last().title, QString("Configuration info"));
        QCOMPARE(m_nameRequests.last().cancelText, QString("Cancle"));
        QCOMPARE(lastText(), QString("File name repeated, save failure"));
        QVERIFY(QFile::exists(dir + "/x.tmp.ini"));
        m_name = "y";
        QTest::mouseClick(child<QPushButton>(&dialog, "renameBtn"), Qt::LeftButton);
        QVERIFY(QFile::exists(dir + "/y.ini"));
        QVERIFY(!QFile::exists(dir + "/x.tmp.ini"));
        QCOMPARE(list->count(), 3);
        m_name = "";
        list->setCurrentRow(0);
        QTest::mouseClick(child<QPushButton>(&dialog, "renameBtn"), Qt::LeftButton);
        QCOMPARE(lastText(), QString("The template name must not be empty or contain \"/\"."));

        // Delete asks first.
        list->setCurrentRow(0);
        const QString first = list->currentItem()->text();
        m_answer = QMessageBox::Cancel;
        QTest::mouseClick(child<QPushButton>(&dialog, "deleteBtn"), Qt::LeftButton);
        QCOMPARE(m_boxes.last().icon, QMessageBox::Question);
        QCOMPARE(m_boxes.last().title, QString("Prompt"));
        QCOMPARE(
            lastText(), QString("Are you sure to delete file  named as %1  de wen jian ma ?").arg(first));
        QVERIFY(QFile::exists(dir + "/" + first));
        m_answer = QMessageBox::Ok;
        QTest::mouseClick(child<QPushButton>(&dialog, "deleteBtn"), Qt::LeftButton);
        QVERIFY(!QFile::exists(dir + "/" + first));
        QCOMPARE(list->count(), 2);
        CSettingFileManager::setRestartHandler(nullptr);
    }

    void switchButton()
    {
        SwitchButton button;
        QSignalSpy spy(&button, SIGNAL(checkedChanged(bool)));
        button.setChecked(false);
        QCOMPARE(spy.count(), 0);
        button.setChecked(true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toBool(), true);
        button.resize(button.sizeHint());
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(!button.isChecked());
        QTest::keyClick(&button, Qt::Key_Space);
        QVERIFY(button.isChecked());
        QCOMPARE(spy.count(), 3);
        button.setProperty("textOn", "on");
        QCOMPARE(button.textOn(), QString("on"));
    }
};

QTEST_MAIN(TestDeviceSetting)
#include "tst_devicesetting.moc"
