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
#include "helpers/faultfs.h"
#include "helpers/framefile.h"
#include "helpers/testfiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaEnum>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

const QDateTime saturday(QDate(2026, 3, 7), QTime(14, 5, 9));
const QString written("Information|Information|Configuration written successfully, please disconnect logger "
                      "to make configuration effective.|OK");

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

// The property of what a control shows: the index of a combo box, the value
// of a spin box, the time of a date-time edit, the state of a button or
// switch, the text of an edit or label.
const char *shownProperty(QObject *o)
{
    for (const char *name : { "currentIndex", "value", "dateTime", "checked", "plainText", "text" }) {
        if (o->metaObject()->indexOfProperty(name) >= 0)
            return name;
    }
    qFatal("%s shows no value", qPrintable(o->objectName()));
    return nullptr;
}

// What the named controls show, blank-separated (1 or 0 for a state, the
// page a stack shows).
QString show(QObject *page, const QString &names)
{
    QStringList out;
    for (const QString &name : names.split(' ')) {
        QObject *o = control(page, name);
        const QVariant v = o->property(shownProperty(o));
        if (auto *stack = qobject_cast<QStackedWidget *>(o))
            out << stack->currentWidget()->objectName();
        else if (v.userType() == QMetaType::QDateTime)
            out << v.toDateTime().toString("yyyy/MM/dd hh:mm");
        else
            out << (v.userType() == QMetaType::Bool ? QString::number(v.toBool()) : v.toString());
    }
    return out.join(' ');
}

// Sets controls from "name=value ..." as show gives them (a time as yyyy/MM/dd-hh:mm).
void set(QObject *page, const QString &assignments)
{
    for (const QString &assignment : assignments.split(' ')) {
        QObject *o = control(page, assignment.section('=', 0, 0));
        const char *property = shownProperty(o);
        const QString value = assignment.section('=', 1);
        if (!o->setProperty(property,
                qstrcmp(property, "dateTime") ? QVariant(value)
                                              : QVariant(QDateTime::fromString(value, "yyyy/MM/dd-hh:mm"))))
            qFatal("%s does not take %s", property, qPrintable(assignment));
    }
}

// "1" or "0" per named widget: enabled, or not hidden.
QString flags(QObject *page, const QString &names, bool visibility)
{
    QString out;
    for (const QString &name : names.split(' ')) {
        auto *w = qobject_cast<QWidget *>(control(page, name));
        out += (visibility ? !w->isHidden() : w->isEnabled()) ? '1' : '0';
    }
    return out;
}
const auto enabled = [](QObject *page, const QString &names) { return flags(page, names, false); };
const auto visible = [](QObject *page, const QString &names) { return flags(page, names, true); };

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
    CTemplateNameDialog::Request m_asked;
    QString m_name;

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
            m_boxes << QStringList({ QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(r.icon), r.title,
                                       r.text, r.okText, r.cancelText })
                           .join('|')
                           .remove(QRegularExpression("\\|$"));
            return m_answer;
        });
        CTemplateNameDialog::setHandler([this](const CTemplateNameDialog::Request &request, bool *ok) {
            m_asked = request;
            *ok = true;
            return m_name;
        });
        setZone("(UTC+05:30) Chennai");
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
    }

    void init()
    {
        m_boxes.clear();
        m_answer = QMessageBox::Ok;
        languageCode = "en";
        tempAdjust = 0;
    }

    // The English interface shows no Chinese source text.
    void englishTexts()
    {
        CDeviceSetting page;
        CSettingFileManager dialog(nullptr);
        QStringList texts = { dialog.windowTitle() };
        for (QObject *o : page.findChildren<QObject *>() + dialog.findChildren<QObject *>()) {
            auto *c = qobject_cast<QComboBox *>(o);
            auto *t = qobject_cast<QTabWidget *>(o);
            for (int i = 0; c && i < c->count(); ++i)
                texts << c->itemText(i);
            for (int i = 0; t && i < t->count(); ++i)
                texts << t->tabText(i);
            for (const char *property : { "text", "textOn", "textOff" })
                texts << o->property(property).toString();
        }
        for (const QString &text : texts)
            QVERIFY2(!QString(text)
                          .remove(QRegularExpression("<[^>]*>"))
                          .contains(QRegularExpression("[\\x{4e00}-\\x{9fa5}]")),
                qPrintable(text));
    }

    // Trip IDs take 8 letters and digits. A description over its limit loses
    // what was typed or pasted last, just before the cursor (its end when it
    // was set as a whole), and the cursor ("|") stays where the cut began.
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
        const QString a10(10, 'a'), a20(20, 'a');
        // The text before the cursor, what is typed or pasted there (none:
        // the text is set), the text after it; the result.
        const QVector<std::tuple<QString, QString, QString, QString>> edits = {
            { "", QString(40, 'p'), "", QString(32, 'p') + "|" },
            { a20, QString::fromUtf8("冷"), "", QString(16, 'a') + "|" }, // limit 16
            { a10, "XY", QString(22, 'c'), a10 + "|" + QString(22, 'c') },
            { a20 + QString(20, 'b'), "", "", "|" + a20 + QString(12, 'b') },
            { "sh", "o", "rt", "sho|rt" },
        };
        for (const char *name : { "runwayDescTxt", "runwayDescTxt2" }) {
            auto *edit = qobject_cast<QTextEdit *>(control(&page, name));
            for (const auto &e : edits) {
                edit->setPlainText(std::get<0>(e) + std::get<2>(e));
                if (!std::get<1>(e).isEmpty()) {
                    QTextCursor cursor = edit->textCursor();
                    cursor.setPosition(std::get<0>(e).size());
                    edit->setTextCursor(cursor);
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, std::get<1>(e), Qt::NoModifier);
                }
                QCOMPARE(edit->toPlainText().insert(edit->textCursor().position(), '|'), std::get<3>(e));
            }
        }
    }

    // What the page enables and shows: the inputs while a logger is read,
    // the basic or the advanced page, the times a start or stop mode asks
    // for, the unit labels, the model rule, humidity and calibration fields.
    void enablingAndShowing()
    {
        CDeviceSetting page;
        QVERIFY(QDir(applicationDir + "/setting_file_dir").exists());
        QCOMPARE(enabled(&page, "writeSettingBtn")
                + visible(&page, "humidityHighSpinBox humidityLowSpinBox2 adjustTempSpinBox"),
            QString("0000"));
        QTemporaryDir drive;
        page.setLogger(drive.path(), "TL-30-83WQ");
        page.setControlsEnabled(true);
        QCOMPARE(
            enabled(&page,
                "writeSettingBtn tempUnitFRb reportEnRb runwayDescTxt settingFilePathCB deviceSettingBtn "
                "otherSettingTab tempHighSpinBox2 runwayIdTxt2 exportFileTypeCb")
                + show(&page, "exportFileTypeCb"),
            QString("11111111110"));

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

        page.setControlsEnabled(false);
        QCOMPARE(
            enabled(&page, "writeSettingBtn openSettingPathBtn stopTypeCb runwayDescTxt2"), QString("0000"));
        // An RZ-83K logger writes TXT reports only.
        page.setLogger(drive.path(), "RZ-83K-01");
        page.setControlsEnabled(true);
        QCOMPARE(show(&page, "exportFileTypeCb") + enabled(&page, "exportFileTypeCb"), QString("10"));

        // Humidity calibration values only when calibration values are shown.
        const QString humidity = "humidityHighSpinBox humidityLowLb humidityHighSpinBox2 humidityLowLb2 "
                                 "humidityAdjSpinBox humidityAdjLb";
        page.setHumidityApplies(true);
        QCOMPARE(visible(&page, humidity), QString("111100"));
        tempAdjust = 1;
        page.setHumidityApplies(true);
        QCOMPARE(visible(&page, humidity), QString("111111"));
        page.setHumidityApplies(false);
        QCOMPARE(visible(&page, humidity), QString("000000"));
        CDeviceSetting shown; // tempAdjust 1 at its start
        QCOMPARE(visible(&shown, "adjustTempSpinBox adjustTempLb adjustTempUnitLb"), QString("111"));
    }

    // "Sync device parameters" after reading a report (tst_reportparse checks
    // every report's settings, tst_configuration their conversion, ℉ too):
    // every mode, time, interval, limit and option reaches its control.
    void syncFromEveryReport_data()
    {
        QTest::addColumn<QString>("shown");
        auto row = [](const char *report, const char *shown) { QTest::newRow(report) << QString(shown); };
        // Start mode, delay, stop mode, start and stop time, normal and alarm
        // interval, alarm delay, limits; ℉, English report, file type,
        // circular, clear saved records, multiple start, long-press clear,
        // display always on.
        // A report without humidity leaves the humidity fields as they were
        // (55.5, 22.2).
        row("zh-temp.csv",
            "1 30 0 2026/03/07 14:05 2026/03/07 14:05 900 300 10 8 2 55.5 22.2 0 0 2 0 1 1 0 1");
        row("en-temp.txt",
            "3 0 1 2026/03/07 14:05 2021/05/07 06:00 900 300 15 8 2 55.5 22.2 0 1 1 1 0 0 1 1");
        row("en-th.csv", "1 30 1 2026/03/07 14:05 2021/06/01 06:00 900 90 0 30 2 80 20 0 1 2 0 1 0 0 0");
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
        set(&page, "humidityHighSpinBox=55.5 humidityLowSpinBox=22.2");
        page.fillFromDeviceInfo(&info);
        QCOMPARE(
            show(&page,
                "startTypeCb startDelayTime stopTypeCb startDateTimeEdit stopDateTimeEdit normalRecordSpace "
                "alarmRecordSpace spinBox tempHighSpinBox tempLowSpinBox humidityHighSpinBox "
                "humidityLowSpinBox tempUnitFRb reportEnRb exportFileTypeCb repeatRecordComboBox "
                "clearRecordComboBox restartComboBox longPressedClearRecordComboBox lcdLightComboBox"),
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
        // In ℉ with the calibration hidden (it holds 0.0): the limits are
        // converted, the calibration stays 0.0 ℃.
        set(&page, "tempUnitFRb=1 tempHighSpinBox=158 tempLowSpinBox=32");
        click(&page, "writeSettingBtn");
        QCOMPARE(readAll(file).mid(30, 6).toHex(' '), QByteArray("46 00 00 00 00 00"));
        QCOMPARE(m_boxes, QStringList({ written, written }));
        const QByteArray old = readAll(file);

        // A timed start in a year the frame cannot carry (the other refusals:
        // tst_configuration, in the core and through vesmira-cli).
        set(&page, "startTypeCb=2 startDateTimeEdit=2300/01/01-00:00");
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes.mid(2),
            QStringList { "Warning|Error|The computer's date and the timing start and stop times must lie "
                          "between the years 2000 and 2255|OK" });
        QCOMPARE(readAll(file), old);
        QCOMPARE(QDir(drive.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "setting.ini" });

        // Basic mode of a humidity logger reporting in ℉; what only the
        // advanced page sets (that timed start too) never reaches a basic frame.
        set(&page, "tempUnitFRb=1 adjustTempSpinBox=5 humidityAdjSpinBox=3 baseConfigModelRb=1");
        CDeviceSettingInfo info;
        info.tempUnit = QString::fromUtf8("℉");
        page.setReadState(&info, true);
        page.setHumidityApplies(true);
        QCOMPARE(show(&page, "tempLowUnitLb2"), QString::fromUtf8("℉"));
        set(&page,
            "normalRecordSpace2=65 tempHighSpinBox2=158 tempLowSpinBox2=32 humidityHighSpinBox2=80 "
            "humidityLowSpinBox2=30 runwayIdTxt2=BASIC001 spinBox=5");
        setZone("(UTC+08:00) Beijing");
        click(&page, "writeSettingBtn");
        setZone("(UTC+05:30) Chennai");
        QCOMPARE(frameDifference(file, "basic-fahrenheit-humidity.hex"), QString());
        QCOMPARE(show(&page, "normalRecordSpace2"), QString("60"));

        // A refusal in the running language (the limit messages are not
        // translated but chosen by it): the old file stays, the interval is
        // corrected only once the checks passed.
        const QByteArray basic = readAll(file);
        set(&page, "tempLowSpinBox2=158.1 normalRecordSpace2=75");
        languageCode = "zh_CN";
        click(&page, "writeSettingBtn");
        languageCode = "en";
        QCOMPARE(m_boxes.last(), QString::fromUtf8("Warning|错误|温度上限不能小于温度下限|确 定"));
        QCOMPARE(show(&page, "normalRecordSpace2"), QString("75"));
        QCOMPARE(readAll(file), basic);
        QVERIFY(old != basic);

        // A setting.ini that cannot be replaced, a full drive.
        const QString cannotCreate = "Warning|Error|Cannot create setting.ini on the logger. Please check "
                                     "that the logger drive is writable.|OK";
        set(&page, "tempLowSpinBox2=158");
        QVERIFY(QFile::remove(file) && QDir(drive.path()).mkdir("setting.ini"));
        page.setLogger(drive.path(), "TL-30");
        m_boxes.clear();
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes, QStringList { cannotCreate });
        SmallTmpfs small(64 * 1024);
        if (!small.isMounted())
            QSKIP(qPrintable(small.skipReason()));
        QVERIFY(writeFile(small.filePath("setting.ini"), old) && small.fill());
        page.setLogger(small.path(), "TL-30");
        click(&page, "writeSettingBtn");
        QCOMPARE(m_boxes.mid(1),
            QStringList { "Warning|Error|Writing the configuration to the logger failed. Please check that "
                          "the logger is still connected and has free space.|OK" });
        QCOMPARE(readAll(small.filePath("setting.ini")), old);
        QCOMPARE(QDir(small.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({ "filler", "setting.ini" }));
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
        const auto open = [&](const QString &name) {
            page.reloadTemplates();
            list->setCurrentText(name);
            m_boxes.clear();
            click(&page, "openSettingPathBtn");
        };

        // A ℉ page with a timed start, saved as "cold"; the hidden humidity
        // limit is saved all the same.
        set(&page,
            "highConfigModelRb=1 tempUnitFRb=1 runwayIdTxt=TRIP2026 startTypeCb=2 "
            "startDateTimeEdit=2026/03/08-06:30 tempHighSpinBox=46.4 humidityLowSpinBox=20 "
            "exportFileTypeCb=2");
        m_name = "cold";
        click(&page, "saveSettingBtn");
        QCOMPARE(lastText(), QString("current template file save success"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QString("cold.ini"));

        // The name is taken: nothing overwritten.
        const QByteArray saved = readAll(dir + "/cold.ini");
        click(&page, "saveSettingBtn");
        QCOMPARE(m_boxes.last(), QString("Warning|Error|file name repeated, save failure|OK"));
        QCOMPARE(readAll(dir + "/cold.ini"), saved);
        // A template folder that cannot take the file: told so, not "saved".
        const QString kept = dir + ".kept";
        QVERIFY(QDir().rename(dir, kept) && writeFile(dir, "not a folder"));
        m_name = "warm";
        click(&page, "saveSettingBtn");
        QCOMPARE(m_boxes.last(),
            QString("Warning|Error|The template could not be saved. Please check that the template folder is "
                    "writable.|OK"));
        QVERIFY(QFile::remove(dir) && QDir().rename(kept, dir));

        // Change the page, then load "cold" back.
        set(&page, "tempUnitDuRb=1 startTypeCb=0 tempHighSpinBox=10");
        open("cold.ini");
        QCOMPARE(show(&page,
                     "tempUnitFRb tempHighUnitLb startTypeCb startDateTimeEdit tempHighSpinBox "
                     "humidityLowSpinBox exportFileTypeCb")
                + enabled(&page, "startDateTimeEdit"),
            QString::fromUtf8("1 ℉ 2 2026/03/08 06:30 46.4 20 21"));

        // A damaged template: no field can hold the number (each key:
        // tst_configuration), nothing is loaded.
        set(&page, "runwayIdTxt=BEFORE01");
        QVERIFY(writeFile(
            dir + "/damaged.ini", "[base]\nrunwayIdTxt=DAMAGED1\n[alarm]\nhumidityAdjSpinBox=-inf\n"));
        open("damaged.ini");
        QCOMPARE(m_boxes,
            QStringList { "Warning|Error|Alarm limits and calibration values must be valid numbers|OK" });
        QCOMPARE(show(&page, "runwayIdTxt"), QString("BEFORE01"));
        // Binary data where QSettings would decode any type from it.
        QVERIFY(writeFile(
            dir + "/damaged.ini", "[base]\nrunwayIdTxt=DAMAGED1, @DateTime(\\0\\0\\0\\v\\0 eic)\n"));
        open("damaged.ini");
        QCOMPARE(lastText(), QString("The template file is damaged and was not loaded."));
        QCOMPARE(show(&page, "runwayIdTxt"), QString("BEFORE01"));
    }

    void preferencesDialog()
    {
        const QString dir = applicationDir + "/setting_file_dir";
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const auto &f : { qMakePair(QString("big.ini"), 300), qMakePair(QString("A.INI"), 10),
                 qMakePair(QString("x.tmp.ini"), 20), qMakePair(QString("notes.txt"), 5) })
            QVERIFY(writeFile(dir + "/" + f.first, QByteArray(f.second, 'x')));
        const QString config = applicationDir + "/config/record-config.ini";
        auto stored = [&config](const char *key) {
            return QSettings(config, QSettings::IniFormat).value(key).toString();
        };
        int restarts = 0;
        CSettingFileManager::setRestartHandler([&restarts] { ++restarts; });

        tempAdjust = 1;
        CSettingFileManager dialog(nullptr);
        QVERIFY(m_boxes.isEmpty()); // opening asks nothing
        QCOMPARE(show(&dialog, "languageCb adjustSwitchBtn"), QString("0 1"));
        auto *list = qobject_cast<QListWidget *>(control(&dialog, "templateList"));
        auto names = [list] {
            QStringList out;
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
            return out;
        };
        QCOMPARE(names(), QStringList({ "A.INI", "x.tmp.ini", "big.ini" })); // smallest first

        // The calibration switch takes effect and is stored at once.
        click(&dialog, "adjustSwitchBtn");
        QCOMPARE(show(&dialog, "adjustSwitchBtn") + QString::number(tempAdjust) + stored("record/tempAdjust"),
            QString("000"));
        set(&dialog, "adjustSwitchBtn=1");
        QCOMPARE(QString::number(tempAdjust) + stored("record/tempAdjust"), QString("11"));

        // Language: stored, then a restart offered; "Later" keeps the
        // running language.
        m_answer = QMessageBox::Cancel;
        set(&dialog, "languageCb=1");
        QCOMPARE(stored("record/formLan") + languageCode + QString::number(restarts), QString("2052en0"));
        QCOMPARE(m_boxes.last(),
            QString(
                "Information|tips|The language change will take effect after restart.|Restart Now|Later"));
        m_answer = QMessageBox::Ok;
        set(&dialog, "languageCb=0");
        QCOMPARE(stored("record/formLan") + QString::number(restarts), QString("10331"));

        // Rename: preset up to the first ".", refused duplicates, result.
        list->setCurrentRow(1); // x.tmp.ini
        m_name = "big";
        click(&dialog, "renameBtn");
        QCOMPARE(QStringList({ m_asked.preset, m_asked.title, m_asked.cancelText }),
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
            QString(
                "Question|Prompt|Are you sure to delete file  named as A.INI  de wen jian ma ?|OK|Cancle"));
        QVERIFY(QFile::exists(dir + "/A.INI"));
        m_answer = QMessageBox::Ok;
        click(&dialog, "deleteBtn");
        QVERIFY(!QFile::exists(dir + "/A.INI"));

        // A template gone behind the dialog's back: told so, and the list
        // follows the folder.
        QVERIFY(QFile::remove(dir + "/y.ini"));
        list->setCurrentRow(0);
        click(&dialog, "deleteBtn");
        QCOMPARE(lastText(), QString("The template could not be deleted."));
        QCOMPARE(names(), QStringList({ "big.ini" }));
        CSettingFileManager::setRestartHandler(nullptr);
    }
};

QTEST_MAIN(TestDeviceSetting)
#include "tst_devicesetting.moc"
