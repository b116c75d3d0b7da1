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

QString frameDifference(const QString &path, const QString &reference)
{
    QString error;
    return firstDifference(
        readAll(path), readFrameFile(QString(VESMIRA_TEST_DATA "/frames/") + reference, &error));
}

QObject *control(QObject *page, const QString &name)
{
    QObject *found = page->findChild<QObject *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// What the named controls show, blank-separated: the index of a combo box,
// the value of a spin box, the text of an edit or label, the time of a
// date-time edit, 1 or 0 for a checked or unchecked button, the page a
// stack shows.
QString show(QObject *page, const QString &names)
{
    QStringList out;
    for (const QString &name : names.split(' ')) {
        QObject *o = control(page, name);
        if (auto *c = qobject_cast<QComboBox *>(o))
            out << QString::number(c->currentIndex());
        else if (auto *s = qobject_cast<QSpinBox *>(o))
            out << QString::number(s->value());
        else if (auto *d = qobject_cast<QDoubleSpinBox *>(o))
            out << QString::number(d->value());
        else if (auto *e = qobject_cast<QLineEdit *>(o))
            out << e->text();
        else if (auto *t = qobject_cast<QTextEdit *>(o))
            out << t->toPlainText();
        else if (auto *dt = qobject_cast<QDateTimeEdit *>(o))
            out << dt->dateTime().toString("yyyy/MM/dd hh:mm");
        else if (auto *b = qobject_cast<QAbstractButton *>(o))
            out << QString::number(b->isChecked());
        else if (auto *l = qobject_cast<QLabel *>(o))
            out << l->text();
        else if (auto *stack = qobject_cast<QStackedWidget *>(o))
            out << stack->currentWidget()->objectName();
        else
            qFatal("%s shows no value", qPrintable(name));
    }
    return out.join(' ');
}

// Sets controls from "name=value ..." (a time as yyyy/MM/dd-hh:mm; 1 checks a button).
void set(QObject *page, const QString &assignments)
{
    for (const QString &assignment : assignments.split(' ')) {
        const QString name = assignment.section('=', 0, 0);
        const QString value = assignment.section('=', 1);
        QObject *o = control(page, name);
        if (auto *c = qobject_cast<QComboBox *>(o))
            c->setCurrentIndex(value.toInt());
        else if (auto *s = qobject_cast<QSpinBox *>(o))
            s->setValue(value.toInt());
        else if (auto *d = qobject_cast<QDoubleSpinBox *>(o))
            d->setValue(value.toDouble());
        else if (auto *e = qobject_cast<QLineEdit *>(o))
            e->setText(value);
        else if (auto *dt = qobject_cast<QDateTimeEdit *>(o))
            dt->setDateTime(QDateTime::fromString(value, "yyyy/MM/dd-hh:mm"));
        else
            qobject_cast<QAbstractButton *>(o)->setChecked(value == "1");
    }
}

// "1" or "0" per named widget for enabled, or for not hidden.
QString flags(QObject *page, const QString &names, bool visibility)
{
    QString out;
    for (const QString &name : names.split(' ')) {
        auto *w = qobject_cast<QWidget *>(control(page, name));
        out += (visibility ? !w->isHidden() : w->isEnabled()) ? '1' : '0';
    }
    return out;
}
QString enabled(QObject *page, const QString &names)
{
    return flags(page, names, false);
}
QString visible(QObject *page, const QString &names)
{
    return flags(page, names, true);
}

void click(QObject *page, const char *button)
{
    QTest::mouseClick(qobject_cast<QWidget *>(control(page, button)), Qt::LeftButton);
}

void setZone(const QString &zone)
{
    CDeviceSetting::setEnvironmentOverride([] { return saturday; }, zone);
}

} // namespace

class TestDeviceSetting : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_appDir;
    QTranslator m_translator;
    QStringList m_boxes; // "icon|title|text|OK text[|cancel text]" of each message box
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    QVector<CTemplateNameDialog::Request> m_nameRequests;
    QString m_name;
    bool m_nameOk = true;

    QString lastText() const { return m_boxes.value(m_boxes.size() - 1).section('|', 2, 2); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid());
        applicationDir = m_appDir.path();
        CRecordConfig::instance()->load();
        QVERIFY(m_translator.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&m_translator);
        CMessageBox::setHandler([this](const CMessageBox::Request &r) {
            m_boxes << QString("%1|%2|%3|%4").arg(r.icon).arg(r.title, r.text, r.okText)
                    + (r.cancelText.isEmpty() ? QString() : "|" + r.cancelText);
            return m_answer;
        });
        CTemplateNameDialog::setHandler([this](const CTemplateNameDialog::Request &request, bool *ok) {
            m_nameRequests.append(request);
            *ok = m_nameOk;
            return m_name;
        });
        setZone("(UTC+05:30) Chennai");
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

    // The English interface shows no Chinese source text.
    void englishTexts()
    {
        CDeviceSetting page;
        CSettingFileManager dialog(nullptr);
        QStringList texts;
        for (QObject *o : page.findChildren<QObject *>() + dialog.findChildren<QObject *>()) {
            auto *c = qobject_cast<QComboBox *>(o);
            auto *t = qobject_cast<QTabWidget *>(o);
            for (int i = 0; c && i < c->count(); ++i)
                texts << c->itemText(i);
            for (int i = 0; t && i < t->count(); ++i)
                texts << t->tabText(i);
            texts << o->property("text").toString();
        }
        for (const QString &text : texts)
            QVERIFY2(!QString(text)
                          .remove(QRegularExpression("<[^>]*>"))
                          .contains(QRegularExpression("[\\x{4e00}-\\x{9fa5}]")),
                qPrintable(text));
        QVERIFY(texts.contains("Alarm settings") && texts.contains("Always start")
            && texts.contains("Advanced configuration mode"));
    }

    void tripIdAndDescriptionInput()
    {
        CDeviceSetting page;
        page.setControlsEnabled(true);
        for (const char *name : { "runwayIdTxt", "runwayIdTxt2" }) {
            auto *edit = qobject_cast<QLineEdit *>(control(&page, name));
            edit->clear();
            QTest::keyClicks(edit, "AB1 -c.D9XYZ");
            QCOMPARE(edit->text(), QString("AB1cD9XY")); // no blank or punctuation, no ninth character
        }
        for (const char *name : { "runwayDescTxt", "runwayDescTxt2" }) {
            auto *edit = qobject_cast<QTextEdit *>(control(&page, name));
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
        set(&page, "highConfigModelRb=1");
        QCOMPARE(show(&page, "configStack") + visible(&page, "saveSettingBtn saveSettingLine"),
            QString("highPage11"));
        set(&page, "baseConfigModelRb=1");
        QCOMPARE(show(&page, "configStack") + visible(&page, "saveSettingBtn"), QString("basePage0"));

        const QString times = "startDelayTime startDateTimeEdit stopDateTimeEdit";
        QCOMPARE(enabled(&page, times), QString("000"));
        for (const char *mode : { "1 100", "2 010", "3 000", "0 000", "2 010" }) { // start mode, expected
            set(&page, QString("startTypeCb=") + mode[0]);
            QCOMPARE(enabled(&page, times), QString(mode + 2));
        }
        set(&page, "stopTypeCb=1");
        QCOMPARE(enabled(&page, times), QString("011"));
        // Enabling the page disables them whatever the modes.
        page.setControlsEnabled(true);
        QCOMPARE(enabled(&page, times), QString("000"));

        // The unit switch changes the labels, never the numbers.
        set(&page, "tempHighSpinBox=158 tempUnitFRb=1");
        QCOMPARE(show(&page, "tempHighUnitLb tempLowUnitLb adjustTempUnitLb tempHighSpinBox"),
            QString::fromUtf8("℉ ℉ ℉ 158"));
        set(&page, "tempUnitDuRb=1");
        QCOMPARE(show(&page, "adjustTempUnitLb tempHighSpinBox"), QString::fromUtf8("℃ 158"));
    }

    void enablingHumidityCalibrationAndModel()
    {
        CDeviceSetting page;
        QVERIFY(QDir(applicationDir + "/setting_file_dir").exists());
        QVERIFY(!page.controlsEnabled() && !page.humidityApplies());
        QCOMPARE(enabled(&page, "writeSettingBtn"), QString("0"));
        QCOMPARE(visible(&page, "humidityHighSpinBox humidityLowSpinBox2 adjustTempSpinBox"), QString("000"));
        QTemporaryDir drive;
        page.setLogger(drive.path(), "TL-30-83WQ");
        page.setControlsEnabled(true);
        QCOMPARE(
            enabled(&page,
                "writeSettingBtn tempUnitFRb reportEnRb runwayDescTxt settingFilePathCB deviceSettingBtn "
                "otherSettingTab tempHighSpinBox2 runwayIdTxt2 exportFileTypeCb"),
            QString("1111111111"));
        QCOMPARE(show(&page, "exportFileTypeCb"), QString("0"));
        page.setControlsEnabled(false);
        QCOMPARE(
            enabled(&page,
                "writeSettingBtn openSettingPathBtn stopTypeCb spinBox humidityHighSpinBox2 runwayDescTxt2 "
                "exportFileTypeCb"),
            QString("0000000"));
        // An RZ-83K logger writes TXT reports only.
        page.setLogger(drive.path(), "RZ-83K-01");
        page.setControlsEnabled(true);
        QCOMPARE(show(&page, "exportFileTypeCb") + enabled(&page, "exportFileTypeCb"), QString("10"));

        page.setHumidityApplies(true);
        QCOMPARE(
            visible(&page,
                "humidityHighSpinBox humidityLowLb humidityHighSpinBox2 humidityLowLb2 humidityAdjSpinBox"),
            QString("11110")); // calibration values hidden
        tempAdjust = 1;
        page.setHumidityApplies(true);
        QCOMPARE(visible(&page, "humidityAdjSpinBox humidityAdjLb"), QString("11"));
        page.setHumidityApplies(false);
        QCOMPARE(visible(&page, "humidityAdjSpinBox humidityLowSpinBox"), QString("00"));
        page.setCalibrationVisible(true);
        QCOMPARE(visible(&page, "adjustTempSpinBox adjustTempLb adjustTempUnitLb"), QString("111"));
        page.setCalibrationVisible(false);
        QCOMPARE(visible(&page, "adjustTempSpinBox adjustTempLb adjustTempUnitLb"), QString("000"));
        CDeviceSetting shown; // tempAdjust 1 at its start
        QVERIFY(shown.calibrationVisible() && !shown.findChild<QWidget *>("adjustTempSpinBox")->isHidden());
    }

    // "Sync device parameters" after reading each report of tests/data/reports:
    // every mode, time, interval, limit and option as that report printed it.
    void syncFromEveryReport_data()
    {
        QTest::addColumn<QString>("shown");
        auto row = [](const char *report, const char *shown) { QTest::newRow(report) << QString(shown); };
        // Start mode, delay, stop mode, start and stop time, normal and alarm
        // interval, alarm delay, limits; ℉, English report, file type,
        // circular, clear saved records, multiple start, long-press clear,
        // display always on.
        row("zh-temp.csv", "1 30 0 2026/03/07 14:05 2026/03/07 14:05 900 300 10 8 2 0 0 2 0 1 1 0 1");
        row("zh-temp.txt", "2 0 1 2021/05/06 22:00 2021/05/07 06:00 900 300 10 8 2 0 0 1 0 1 1 0 0");
        row("zh-temp.pdf", "1 30 0 2026/03/07 14:05 2026/03/07 14:05 3600 300 10 8 2 0 0 0 0 1 1 0 1");
        row("zh-th.csv", "2 0 1 2021/05/06 22:00 2021/05/07 06:00 900 90 0 30 2 80 20 0 0 2 1 0 0 1 0");
        row("zh-th.txt", "1 30 0 2026/03/07 14:05 2026/03/07 14:05 900 90 0 30 2 80 20 0 0 1 0 1 1 0 1");
        row("zh-th.pdf", "2 0 1 2021/05/06 22:00 2021/05/07 06:00 900 90 0 30 2 80 20 0 0 0 0 0 0 0 0");
        row("en-temp.csv", "2 0 0 2021/05/06 22:00 2026/03/07 14:05 900 300 10 46.4 35.6 1 1 2 0 1 1 0 1");
        row("en-temp.txt", "3 0 1 2026/03/07 14:05 2021/05/07 06:00 900 300 15 8 2 0 1 1 1 0 0 1 1");
        row("en-temp.pdf", "1 30 0 2026/03/07 14:05 2026/03/07 14:05 900 300 10 46.4 35.6 1 1 0 0 1 1 0 1");
        row("en-th.csv", "1 30 1 2026/03/07 14:05 2021/06/01 06:00 900 90 0 30 2 80 20 0 1 2 0 1 0 0 0");
        row("en-th.txt", "2 0 0 2021/05/31 22:00 2026/03/07 14:05 900 90 5 30 2 80 20 0 1 1 0 0 1 0 0");
        row("en-th.pdf", "2 0 1 2021/05/31 22:00 2021/06/01 06:00 900 90 0 30 2 80 20 0 1 0 1 0 0 0 0");
        // A report added to the folder needs its row here.
        QCOMPARE(QDir(VESMIRA_TEST_DATA "/reports").entryList({ "*.csv", "*.txt", "*.pdf" }).size(), 12);
    }

    void syncFromEveryReport()
    {
        QFETCH(QString, shown);
        CSummeryParam summary;
        CDeviceSettingInfo info;
        CTempData samples;
        const QString report = QTest::currentDataTag();
        QVERIFY(parseReportFile(VESMIRA_TEST_DATA "/reports/" + report, summary, info, samples)
            != ReportKind::None);
        CDeviceSetting page;
        page.setControlsEnabled(true);
        page.fillFromDeviceInfo(&info);
        QCOMPARE(
            show(&page,
                "startTypeCb startDelayTime stopTypeCb startDateTimeEdit stopDateTimeEdit normalRecordSpace "
                "alarmRecordSpace spinBox tempHighSpinBox tempLowSpinBox "
                    + QString(report.contains("-th") ? "humidityHighSpinBox humidityLowSpinBox " : "")
                    + "tempUnitFRb reportEnRb exportFileTypeCb repeatRecordComboBox clearRecordComboBox "
                      "restartComboBox longPressedClearRecordComboBox lcdLightComboBox"),
            shown);
    }

    void writeFromThePage()
    {
        QTemporaryDir drive;
        const QString file = drive.path() + "/setting.ini";
        CDeviceSetting page;
        page.setLogger(drive.path(), "TL-30");
        page.setControlsEnabled(true);

        // Advanced mode as built.
        set(&page, "highConfigModelRb=1");
        click(&page, "writeSettingBtn");
        QCOMPARE(frameDifference(file, "advanced-defaults.hex"), QString());
        QCOMPARE(m_boxes,
            QStringList {
                QString("%1|Information|Configuration written successfully, please disconnect logger "
                        "to make configuration effective.|OK")
                    .arg(QMessageBox::Information) });

        // Basic mode of a humidity logger reporting in ℉.
        set(&page, "baseConfigModelRb=1");
        CDeviceSettingInfo info;
        info.tempUnit = QString::fromUtf8("℉");
        page.setReadState(&info, true);
        page.setHumidityApplies(true);
        QVERIFY(page.basicFahrenheit());
        QCOMPARE(show(&page, "tempLowUnitLb2"), QString::fromUtf8("℉"));
        set(&page,
            "normalRecordSpace2=65 tempHighSpinBox2=158 tempLowSpinBox2=32 humidityHighSpinBox2=80 "
            "humidityLowSpinBox2=30 runwayIdTxt2=BASIC001 spinBox=5");
        setZone("(UTC+08:00) Beijing");
        click(&page, "writeSettingBtn");
        setZone("(UTC+05:30) Chennai");
        QCOMPARE(frameDifference(file, "basic-fahrenheit-humidity.hex"), QString());
        QCOMPARE(show(&page, "normalRecordSpace2"), QString("60"));

        // Refusals: the message of the check, the old file stays, the
        // interval is corrected only once the checks passed.
        const QByteArray old = readAll(file);
        const QString error = QString("%1|Error|%2|OK").arg(QMessageBox::Warning);
        const QVector<std::tuple<QString, QString, QString>> refusals = {
            { "runwayIdTxt2=BASIC01 normalRecordSpace2=75", "en",
                error.arg("Trip ID should be 8 characters") },
            { "runwayIdTxt2=BASIC001 humidityLowSpinBox2=80.1", "en",
                error.arg("The upper limit of humidity cannot be less than the lower limit of humidity") },
            { "tempLowSpinBox2=158.1", "zh_CN",
                QString::fromUtf8("%1|错误|温度上限不能小于温度下限|确 定").arg(QMessageBox::Warning) },
        };
        for (const auto &refusal : refusals) {
            set(&page, std::get<0>(refusal));
            languageCode = std::get<1>(refusal);
            click(&page, "writeSettingBtn");
            QCOMPARE(m_boxes.last(), std::get<2>(refusal));
            QCOMPARE(show(&page, "normalRecordSpace2"), QString("75"));
        }
        languageCode = "en";
        // On a temperature-only logger the humidity limits are not checked.
        set(&page, "tempLowSpinBox2=158");
        page.setHumidityApplies(false);
        qobject_cast<QTextEdit *>(control(&page, "runwayDescTxt2"))
            ->setPlainText(QString::fromUtf8("，").repeated(17));
        click(&page, "writeSettingBtn");
        QCOMPARE(
            lastText(), QString("Trip description no longer than 32 characters (or 16 Chinese characters)"));
        qobject_cast<QTextEdit *>(control(&page, "runwayDescTxt2"))->clear();
        page.setLogger(drive.path() + "/unplugged", "TL-30");
        click(&page, "writeSettingBtn");
        QCOMPARE(lastText(), QString("Logger device unavailable"));
        QCOMPARE(readAll(file), old);
    }

    void failedWritesAreShown()
    {
        const QString cannotCreate
            = QString("%1|Error|Cannot create setting.ini on the logger. Please check that "
                      "the logger drive is writable.|OK")
                  .arg(QMessageBox::Warning);
        CDeviceSetting page;
        page.setControlsEnabled(true);
        QTemporaryDir blocked;
        QVERIFY(QDir(blocked.path()).mkdir("setting.ini"));
        page.setLogger(blocked.path(), "TL-30");
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes, QStringList { cannotCreate });

        SmallTmpfs drive(64 * 1024);
        if (!drive.isMounted())
            QSKIP(qPrintable(drive.skipReason()));
        const QByteArray old(102, 'o');
        QFile file(drive.filePath("setting.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == 102);
        file.close();
        page.setLogger(drive.path(), "TL-30");
        QVERIFY(drive.setReadOnly(true));
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes, QStringList({ cannotCreate, cannotCreate }));
        QCOMPARE(readAll(file.fileName()), old);

        QVERIFY(drive.setReadOnly(false));
        QVERIFY(drive.fill());
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes.size(), 3);
        QCOMPARE(m_boxes.last(),
            QString(
                "%1|Error|Writing the configuration to the logger failed. Please check that the logger is "
                "still connected and has free space.|OK")
                .arg(QMessageBox::Warning));
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
        set(&page, "highConfigModelRb=1 runwayIdTxt=BEFORE01");

        // A damaged template: no field can hold the number, nothing is loaded.
        auto load = [&](const QByteArray &ini) {
            QFile file(dir + "/damaged.ini");
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(ini) == ini.size());
            file.close();
            page.reloadTemplates();
            qobject_cast<QComboBox *>(control(&page, "settingFilePathCB"))->setCurrentText("damaged.ini");
            m_boxes.clear();
            click(&page, "openSettingPathBtn");
        };
        for (const char *key : { "tempHighSpinBox", "tempLowSpinBox", "adjustTempSpinBox",
                 "humidityHighSpinBox", "humidityLowSpinBox", "humidityAdjSpinBox" }) {
            for (const char *number : { "nan", "inf", "-inf" }) {
                load(QByteArray("[base]\nrunwayIdTxt=DAMAGED1\n[alarm]\n") + key + "=" + number + "\n");
                QCOMPARE(m_boxes,
                    QStringList {
                        QString("%1|Error|Alarm limits and calibration values must be valid numbers|OK")
                            .arg(QMessageBox::Warning) });
                QCOMPARE(show(&page, "runwayIdTxt"), QString("BEFORE01"));
            }
        }
        // Binary data where QSettings would decode any type from it.
        load("[base]\nrunwayIdTxt=DAMAGED1, @DateTime(\\0\\0\\0\\v\\0 eic)\n");
        QCOMPARE(lastText(), QString("The template file is damaged and was not loaded."));
        QCOMPARE(show(&page, "runwayIdTxt"), QString("BEFORE01"));
        QFile::remove(dir + "/damaged.ini");

        // Years the frame cannot carry: the computer's clock, a timed start.
        const QString years("The computer's date and the timing start and stop times must lie between the "
                            "years 2000 and 2255");
        CDeviceSetting::setEnvironmentOverride(
            [] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59)); }, "(UTC+05:30) Chennai");
        click(&page, "writeSettingBtn");
        setZone("(UTC+05:30) Chennai");
        QCOMPARE(lastText(), years);
        set(&page, "startDateTimeEdit=2300/01/01-00:00");
        click(&page, "writeSettingBtn");
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
        auto *list = qobject_cast<QComboBox *>(control(&page, "settingFilePathCB"));

        // A ℉ page with a timed start, saved as "cold"; the hidden humidity
        // limit is saved all the same.
        const QString cold
            = "tempUnitFRb=1 runwayIdTxt=TRIP2026 startTypeCb=2 startDateTimeEdit=2026/03/08-06:30 "
              "tempHighSpinBox=46.4 humidityLowSpinBox=20 exportFileTypeCb=2";
        set(&page, "highConfigModelRb=1 " + cold);
        m_name = "cold";
        click(&page, "saveSettingBtn");
        QCOMPARE(lastText(), QString("current template file save success"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QString("cold.ini"));

        // The name is taken: nothing overwritten.
        const QByteArray saved = readAll(dir + "/cold.ini");
        click(&page, "saveSettingBtn");
        QCOMPARE(m_boxes.last(),
            QString("%1|Error|file name repeated, save failure|OK").arg(QMessageBox::Warning));
        QCOMPARE(readAll(dir + "/cold.ini"), saved);

        // Change the page, then load "cold" back.
        set(&page, "tempUnitDuRb=1 startTypeCb=0 tempHighSpinBox=10");
        list->setCurrentIndex(0);
        click(&page, "openSettingPathBtn");
        const QString names = "tempUnitFRb tempHighUnitLb startTypeCb startDateTimeEdit tempHighSpinBox "
                              "humidityLowSpinBox exportFileTypeCb";
        QCOMPARE(show(&page, names), QString::fromUtf8("1 ℉ 2 2026/03/08 06:30 46.4 20 2"));
        QCOMPARE(enabled(&page, "startDateTimeEdit"), QString("1"));

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
            click(&page, "openSettingPathBtn");
            page.setHumidityApplies(std::get<1>(c));
            setZone(std::get<2>(c));
            click(&page, "writeSettingBtn");
            QCOMPARE(frameDifference(drive.path() + "/setting.ini", std::get<3>(c)), QString());
        }
        setZone("(UTC+05:30) Chennai");
        QCOMPARE(show(&page, "alarmRecordSpace"), QString("300"));
    }

    void preferencesDialog()
    {
        const QString dir = applicationDir + "/setting_file_dir";
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const auto &f : { qMakePair(QString("big.ini"), 300), qMakePair(QString("A.INI"), 10),
                 qMakePair(QString("x.tmp.ini"), 20), qMakePair(QString("notes.txt"), 5) }) {
            QFile file(dir + "/" + f.first);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(f.second, 'x')) == f.second);
        }
        const QString config = applicationDir + "/config/record-config.ini";
        auto stored = [&config](const char *key) {
            return QSettings(config, QSettings::IniFormat).value(key).toString();
        };
        int restarts = 0;
        CSettingFileManager::setRestartHandler([&restarts] { ++restarts; });

        tempAdjust = 1;
        CSettingFileManager dialog(nullptr);
        QVERIFY(m_boxes.isEmpty()); // opening asks nothing
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        auto *adjust = qobject_cast<SwitchButton *>(control(&dialog, "adjustSwitchBtn"));
        QCOMPARE(QStringList({ dialog.windowTitle(),
                     show(&dialog, "languageCb") + QString::number(adjust->isChecked()),
                     adjust->property("textOn").toString(), adjust->property("textOff").toString() }),
            QStringList({ "Configuration and template management", "01", "display", "no display" }));
        auto *list = qobject_cast<QListWidget *>(control(&dialog, "templateList"));
        auto names = [list] {
            QStringList out;
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
            return out;
        };
        QCOMPARE(names(), QStringList({ "A.INI", "x.tmp.ini", "big.ini" })); // smallest first

        // The calibration switch takes effect and is stored at once.
        QTest::mouseClick(adjust, Qt::LeftButton);
        QCOMPARE(
            QString::number(adjust->isChecked()) + QString::number(tempAdjust) + stored("record/tempAdjust"),
            QString("000"));
        adjust->setChecked(true);
        QCOMPARE(QString::number(tempAdjust) + stored("record/tempAdjust"), QString("11"));

        // Language: stored, then a restart offered in the running language;
        // "Later" keeps the running language.
        m_answer = QMessageBox::Cancel;
        set(&dialog, "languageCb=1");
        QCOMPARE(stored("record/formLan"), QString("2052"));
        QCOMPARE(m_boxes.last(),
            QString("%1|tips|The language change will take effect after restart.|Restart Now|Later")
                .arg(QMessageBox::Information));
        QCOMPARE(restarts, 0);
        QCOMPARE(languageCode, QString("en"));
        languageCode = "zh_CN";
        m_answer = QMessageBox::Ok;
        set(&dialog, "languageCb=0");
        QCOMPARE(stored("record/formLan"), QString("1033"));
        QCOMPARE(
            m_boxes.last().section('|', 2, 3), QString::fromUtf8("语言更改将在重新启动后生效.|现在重启"));
        QCOMPARE(restarts, 1);
        languageCode = "en";

        // Rename: preset up to the first ".", refused duplicates, result.
        list->setCurrentRow(1); // x.tmp.ini
        m_name = "big";
        click(&dialog, "renameBtn");
        const CTemplateNameDialog::Request asked = m_nameRequests.last();
        QCOMPARE(QStringList({ asked.preset, asked.title, asked.cancelText }),
            QStringList({ "x", "Configuration info", "Cancle" }));
        QCOMPARE(lastText(), QString("File name repeated, save failure"));
        m_name = "y";
        click(&dialog, "renameBtn");
        QCOMPARE(names(), QStringList({ "A.INI", "y.ini", "big.ini" }));
        QVERIFY(QFile::exists(dir + "/y.ini") && !QFile::exists(dir + "/x.tmp.ini"));
        m_name = "";
        list->setCurrentRow(0);
        click(&dialog, "renameBtn");
        QCOMPARE(lastText(), QString("The template name must not be empty or contain \"/\"."));

        // Delete asks first.
        list->setCurrentRow(0);
        m_answer = QMessageBox::Cancel;
        click(&dialog, "deleteBtn");
        QCOMPARE(m_boxes.last(),
            QString("%1|Prompt|Are you sure to delete file  named as A.INI  de wen jian ma ?|OK|Cancle")
                .arg(QMessageBox::Question));
        QVERIFY(QFile::exists(dir + "/A.INI"));
        m_answer = QMessageBox::Ok;
        click(&dialog, "deleteBtn");
        QVERIFY(!QFile::exists(dir + "/A.INI"));
        QCOMPARE(list->count(), 2);
        CSettingFileManager::setRestartHandler(nullptr);
    }
};

QTEST_MAIN(TestDeviceSetting)
#include "tst_devicesetting.moc"
