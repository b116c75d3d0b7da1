// The configuration frame, the write to the logger drive, templates and
// `vesmira-cli configure`. Expected bytes come from the byte tables in this
// file and from the annotated reference frames in tests/data/frames.
#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/configuration/cconfigwriter.h"
#include "core/configuration/csettingframe.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "helpers/configtemplates.h"
#include "helpers/framefile.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <csignal>
#include <limits>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>

namespace {

const QDateTime saturday(QDate(2026, 3, 7), QTime(14, 5, 9));

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out.append(char(b));
    return out;
}

QByteArray reference(const QString &name)
{
    QString error;
    const QByteArray frame = readFrameFile(QString(VESMIRA_TEST_DATA "/frames/") + name, &error);
    if (frame.size() != CSettingFrame::FrameSize)
        qWarning() << name << error << frame.size();
    return frame;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

CConfigWriter::Environment environment(const QString &zone, bool humidity)
{
    CConfigWriter::Environment env;
    env.now = saturday;
    env.zoneComment = zone;
    env.humidity = humidity;
    return env;
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_appDir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid());
        applicationDir = m_appDir.path();
    }

    void limitValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("70.0") << 70.0 << bytes({ 0x46, 0x00 });
        QTest::newRow("-30.0") << -30.0 << bytes({ 0x9E, 0x00 });
        QTest::newRow("25.96 caps the tenths at 9") << 25.96 << bytes({ 0x19, 0x09 });
        QTest::newRow("-12.34") << -12.34 << bytes({ 0x8C, 0x03 });
        QTest::newRow("0.25 rounds half away from zero") << 0.25 << bytes({ 0x00, 0x03 });
        QTest::newRow("-0.5 keeps its sign") << -0.5 << bytes({ 0x80, 0x05 });
        QTest::newRow("-0.04 is zero") << -0.04 << bytes({ 0x00, 0x00 });
        QTest::newRow("127.9") << 127.9 << bytes({ 0x7F, 0x09 });
        QTest::newRow("99.9 %RH") << 99.9 << bytes({ 0x63, 0x09 });
    }

    void limitValues()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(CSettingFrame::limitBytes(value).toHex(), expected.toHex());
    }

    void fahrenheitConvertsToTheExactTenth()
    {
        // (℉, ℃ bytes): the one-decimal values whose plain conversion lies a
        // hair below the tenth they stand for must not lose that tenth.
        const QVector<QPair<double, QByteArray>> cases = {
            { 158.0, bytes({ 0x46, 0x00 }) },
            { 0.0, bytes({ 0x91, 0x08 }) },
            { 33.8, bytes({ 0x01, 0x00 }) },
            { 26.6, bytes({ 0x83, 0x00 }) },
            { 37.4, bytes({ 0x03, 0x00 }) },
            { 42.8, bytes({ 0x06, 0x00 }) },
            { 51.8, bytes({ 0x0B, 0x00 }) },
            { 71.6, bytes({ 0x16, 0x00 }) },
            { 80.6, bytes({ 0x1B, 0x00 }) },
            { 129.2, bytes({ 0x36, 0x00 }) },
            { 32.0, bytes({ 0x00, 0x00 }) },
            { 31.0, bytes({ 0x80, 0x06 }) },
        };
        for (const auto &c : cases) {
            QCOMPARE(CSettingFrame::limitBytes(CSettingFrame::celsiusFromFahrenheit(c.first)).toHex(),
                c.second.toHex());
        }
    }

    void intervalsZonesAndClock()
    {
        QCOMPARE(
            CSettingFrame::intervalBytes(CSettingFrame::correctInterval(60)).toHex(), QByteArray("0006"));
        QCOMPARE(
            CSettingFrame::intervalBytes(CSettingFrame::correctInterval(86400)).toHex(), QByteArray("21c0"));
        QCOMPARE(CSettingFrame::correctInterval(65), 60);
        QCOMPARE(CSettingFrame::correctInterval(5), 10);
        QCOMPARE(CSettingFrame::correctInterval(10), 10);

        QCOMPARE(int(CSettingFrame::zoneCode("(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi")), 0x37);
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC-05:00) Eastern Time (US & Canada)")), 0x85);
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC+09:30) Adelaide")), 0x00);
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC+08:00) Beijing, Chongqing")), 0x08);
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC-12:00) International Date Line West")), 0x8C);
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC+12:00) Auckland")), 0x0C);
        // Only the bracket counts, not a city that names another offset.
        QCOMPARE(int(CSettingFrame::zoneCode("(UTC+03:30) Tehran UTC+08:00")), 0x00);
        QCOMPARE(int(CSettingFrame::zoneCode("Coordinated Universal Time")), 0x00);

        // The text is made from the standard offset, whatever daylight saving
        // is in force at that moment.
        const QDateTime summer(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC);
        const QVector<QPair<QByteArray, QString>> zones
            = { { "Asia/Kolkata", "(UTC+05:30)" }, { "America/New_York", "(UTC-05:00)" },
                  { "Australia/Adelaide", "(UTC+09:30)" }, { "Europe/London", "(UTC+00:00)" } };
        for (const auto &zone : zones) {
            const QTimeZone tz(zone.first);
            if (!tz.isValid())
                QSKIP("the time zone database is not installed");
            QCOMPARE(CSettingFrame::zoneComment(tz, summer), zone.second);
        }
        QCOMPARE(
            int(CSettingFrame::zoneCode(CSettingFrame::zoneComment(QTimeZone("America/New_York"), summer))),
            0x85);

        QCOMPARE(CSettingFrame::clockBytes(saturday).toHex(), QByteArray("1a03070e050906"));
        QCOMPARE(CSettingFrame::clockBytes(QDateTime(QDate(2026, 3, 8), QTime(0, 0))).right(1).toHex(),
            QByteArray("07")); // Sunday
        QCOMPARE(CSettingFrame::timeBytes(QDateTime()).toHex(), QByteArray("ffffffffff"));

        QByteArray frame(102, '\0');
        frame[0] = char(0x77); // byte 0 is not part of the check
        frame[1] = char(0x30);
        frame[98] = char(0x0C); // bytes 1..98 XOR to 0x3C
        frame[99] = char(0x55);
        QCOMPARE(int(CSettingFrame::checkByte(frame)), 0xC3);
    }

    void referenceFrames()
    {
        QTemporaryDir drive;
        CConfigValues values = CConfigValues::defaults(saturday);
        QByteArray frame;
        QCOMPARE(CConfigWriter::buildFrame(values, CConfigWriter::Advanced, drive.path(),
                     environment("(UTC+05:30) Chennai", false), &frame),
            CConfigWriter::Written);
        QCOMPARE(firstDifference(frame, reference("advanced-defaults.hex")), QString());

        values = CConfigValues::defaults(saturday);
        values.basicNormalInterval = 65;
        values.basicTempHigh = 158.0;
        values.basicTempLow = 32.0;
        values.basicHumidityHigh = 80.0;
        values.basicHumidityLow = 30.0;
        values.basicTripId = "BASIC001";
        values.basicFahrenheit = true;
        values.alarmDelay = 5;
        // Advanced-only values never reach a basic frame.
        values.fahrenheit = true;
        values.tempAdjust = 5.0;
        values.humidityAdjust = 3.0;
        values.startType = 2;
        QCOMPARE(CConfigWriter::buildFrame(values, CConfigWriter::Basic, drive.path(),
                     environment("(UTC+08:00) Beijing", true), &frame),
            CConfigWriter::Written);
        QCOMPARE(firstDifference(frame, reference("basic-fahrenheit-humidity.hex")), QString());
        QCOMPARE(values.basicNormalInterval, 60); // corrected as the page then shows it
    }

    void descriptions()
    {
        QTemporaryDir drive;
        const auto env = environment("(UTC+08:00)", false);
        auto build = [&](const QString &description, QByteArray *frame) {
            CConfigValues values = CConfigValues::defaults(saturday);
            values.description = description;
            return CConfigWriter::buildFrame(values, CConfigWriter::Advanced, drive.path(), env, frame);
        };
        QByteArray frame;
        const QString ascii32 = QString("abcdefghijklmnopqrstuvwxyz012345");
        QCOMPARE(build(ascii32, &frame), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 32), ascii32.toLatin1());
        QCOMPARE(frame.mid(87, 8), QByteArray("XC000000"));
        QCOMPARE(int(frame.at(97)), 1);
        QCOMPARE(build(ascii32 + "6", &frame), CConfigWriter::DescriptionTooLong);

        const QString chinese16 = QString::fromUtf8("行程描述").repeated(4);
        QCOMPARE(build(chinese16, &frame), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 8).toHex(), QByteArray("d0d0b3ccc3e8caf6"));
        QCOMPARE(frame.mid(55 + 24, 8).toHex(), QByteArray("d0d0b3ccc3e8caf6"));
        QCOMPARE(int(frame.at(97)), 0);
        QCOMPARE(build(chinese16 + QString::fromUtf8("行"), &frame), CConfigWriter::DescriptionTooLong);
        // Full-width punctuation is no Chinese character for the flag but
        // takes two bytes.
        QCOMPARE(build(QString::fromUtf8("，").repeated(17), &frame), CConfigWriter::DescriptionTooLong);

        QCOMPARE(build(QString(), &frame), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 32), QByteArray(32, '\0'));
        QCOMPARE(int(frame.at(97)), 1);
    }

    void refusalsLeaveTheOldFileUntouched()
    {
        QTemporaryDir drive;
        const QString path = CConfigWriter::settingFilePath(drive.path());
        QCOMPARE(path, drive.path() + "/setting.ini");
        const QByteArray old("the frame of an earlier write");
        writeFile(path, old);

        struct Case {
            const char *name;
            std::function<void(CConfigValues &)> edit;
            bool humidity;
            CConfigWriter::Status status;
        };
        const QVector<Case> cases = {
            { "7-character trip ID", [](CConfigValues &v) { v.tripId = "ABC1234"; }, false,
                CConfigWriter::TripIdLength },
            { "9-character trip ID", [](CConfigValues &v) { v.tripId = "ABC123456"; }, false,
                CConfigWriter::TripIdLength },
            { "33-character description", [](CConfigValues &v) { v.description = QString(33, 'x'); }, false,
                CConfigWriter::DescriptionTooLong },
            { "temperature limits reversed", [](CConfigValues &v) { v.tempLow = 70.1; }, false,
                CConfigWriter::TempLimitsReversed },
            { "humidity limits reversed",
                [](CConfigValues &v) {
                    v.humidityLow = 99.9;
                    v.humidityHigh = 99.8;
                },
                true, CConfigWriter::HumidityLimitsReversed },
            { "beyond the 7-bit integer part", [](CConfigValues &v) { v.tempHigh = 128.0; }, false,
                CConfigWriter::ValueOutOfRange },
            { "calibration in F beyond it",
                [](CConfigValues &v) {
                    v.fahrenheit = true;
                    v.tempHigh = 100;
                    v.tempLow = 0;
                    v.tempAdjust = -300;
                },
                false, CConfigWriter::ValueOutOfRange },
        };
        for (const Case &c : cases) {
            CConfigValues values = CConfigValues::defaults(saturday);
            values.normalInterval = 65;
            c.edit(values);
            QCOMPARE(CConfigWriter::write(
                         values, CConfigWriter::Advanced, drive.path(), environment("", c.humidity)),
                c.status);
            QVERIFY2(readAll(path) == old, c.name);
            QVERIFY2(values.normalInterval == 65, c.name); // corrected only once the checks passed
        }
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(CConfigWriter::write(
                     values, CConfigWriter::Advanced, drive.path() + "/gone", environment("", false)),
            CConfigWriter::DeviceUnavailable);
        QCOMPARE(CConfigWriter::write(values, CConfigWriter::Advanced, QString(), environment("", false)),
            CConfigWriter::DeviceUnavailable);
        // The basic page has its own trip ID.
        values.basicTripId = "SHORT";
        QCOMPARE(CConfigWriter::write(values, CConfigWriter::Basic, drive.path(), environment("", false)),
            CConfigWriter::TripIdLength);
        QCOMPARE(readAll(path), old);

        // Equal limits pass; without a humidity sensor reversed humidity
        // limits pass and are not written.
        values = CConfigValues::defaults(saturday);
        values.tempLow = values.tempHigh;
        values.humidityLow = 99.9;
        values.humidityHigh = 1.0;
        QCOMPARE(CConfigWriter::write(values, CConfigWriter::Advanced, drive.path(), environment("", false)),
            CConfigWriter::Written);
        const QByteArray written = readAll(path);
        QCOMPARE(written.size(), 102);
        QCOMPARE(written.mid(36, 6), QByteArray(6, char(0xFF)));
        QCOMPARE(written.mid(30, 4).toHex(), QByteArray("46004600"));
    }

    void valuesTheFrameCannotCarryAreRefused()
    {
        QTemporaryDir drive;
        const QString path = CConfigWriter::settingFilePath(drive.path());
        const QByteArray old("the frame of an earlier write");
        writeFile(path, old);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QDateTime y1999(QDate(1999, 12, 31), QTime(23, 59, 59));
        const QDateTime y2256(QDate(2256, 1, 1), QTime(0, 0));

        struct Case {
            const char *name;
            std::function<void(CConfigValues &, CConfigWriter::Environment &)> edit;
            CConfigWriter::Mode mode;
            QString message;
        };
        using V = CConfigValues &;
        using E = CConfigWriter::Environment &;
        const auto A = CConfigWriter::Advanced;
        const auto B = CConfigWriter::Basic;
        const QString NaN("Alarm limits and calibration values must be valid numbers");
        const QString Year("The computer's date and the timing start and stop times must lie between the "
                           "years 2000 and 2255");
        const QVector<Case> cases = {
            { "NaN upper limit", [&](V v, E) { v.tempHigh = nan; }, A, NaN },
            { "NaN lower limit", [&](V v, E) { v.tempLow = nan; }, A, NaN },
            { "infinite calibration", [&](V v, E) { v.tempAdjust = -inf; }, A, NaN },
            { "infinite humidity limit", [&](V v, E) { v.humidityHigh = inf; }, A, NaN },
            { "NaN humidity calibration", [&](V v, E) { v.humidityAdjust = nan; }, A, NaN },
            { "NaN basic limit", [&](V v, E) { v.basicTempLow = nan; }, B, NaN },
            { "NaN basic humidity limit", [&](V v, E) { v.basicHumidityHigh = nan; }, B, NaN },
            { "clock in 1900", [](V, E e) { e.now.setDate(QDate(1900, 1, 1)); }, A, Year },
            { "clock in 9999", [](V, E e) { e.now.setDate(QDate(9999, 1, 1)); }, B, Year },
            { "clock in 1999", [&](V, E e) { e.now = y1999; }, A, Year },
            { "timed start in 2256", [&](V v, E) { v.startTime = y2256; }, A, Year },
            { "timed stop in 1999", [&](V v, E) { v.stopTime = y1999; }, A, Year },
        };
        for (const Case &c : cases) {
            CConfigValues values = CConfigValues::defaults(saturday);
            CConfigWriter::Environment env = environment("", true);
            c.edit(values, env);
            const CConfigWriter::Status status = CConfigWriter::write(values, c.mode, drive.path(), env);
            QVERIFY2(CConfigWriter::englishMessage(status) == c.message, c.name);
            QVERIFY2(readAll(path) == old, c.name);
        }

        // What is not written is not refused: humidity without a sensor, the
        // advanced page's times in a basic frame. The years at both ends fit.
        QByteArray frame;
        CConfigValues values = CConfigValues::defaults(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
        values.humidityLow = nan;
        values.humidityAdjust = inf;
        values.stopTime = QDateTime(QDate(2255, 12, 31), QTime(23, 59));
        CConfigWriter::Environment env = environment("", false);
        env.now = values.startTime;
        QCOMPARE(CConfigWriter::buildFrame(values, A, drive.path(), env, &frame), CConfigWriter::Written);
        QCOMPARE(frame.mid(14, 5).toHex(), QByteArray("0001010000"));
        QCOMPARE(frame.mid(20, 5).toHex(), QByteArray("ff0c1f173b"));
        values.startTime = y2256;
        QCOMPARE(CConfigWriter::buildFrame(values, B, drive.path(), env, &frame), CConfigWriter::Written);
    }

    void writeFailuresAreReported()
    {
        // setting.ini that cannot be replaced: a directory of that name.
        QTemporaryDir drive;
        QVERIFY(QDir(drive.path()).mkdir("setting.ini"));
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(CConfigWriter::write(values, CConfigWriter::Advanced, drive.path(), environment("", false)),
            CConfigWriter::OpenFailed);

        // A drive that takes fewer than 102 bytes (as a full or pulled-out
        // drive does): the file size limit makes every write beyond 50 bytes fail.
        QTemporaryDir small;
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = saved;
        limited.rlim_cur = 50;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const CConfigWriter::Status status
            = CConfigWriter::write(values, CConfigWriter::Advanced, small.path(), environment("", false));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(status, CConfigWriter::WriteFailed);
    }

    void writtenFileIsHiddenOnFat()
    {
        const QString mkfs = QStandardPaths::findExecutable("mkfs.fat");
        if (mkfs.isEmpty())
            QSKIP("mkfs.fat is not installed");
        QTemporaryDir work;
        const QString image = work.filePath("fat.img");
        const QString mountPoint = work.filePath("mnt");
        QVERIFY(QDir().mkpath(mountPoint));
        {
            QFile file(image);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(4 * 1024 * 1024));
        }
        if (QProcess::execute(mkfs, { "-F", "12", image }) != 0)
            QSKIP("mkfs.fat failed");
        if (QProcess::execute("mount", { "-o", "loop", "-t", "vfat", image, mountPoint }) != 0)
            QSKIP("loop mounts of FAT images are not possible here");
        CConfigValues values = CConfigValues::defaults(saturday);
        const CConfigWriter::Status status
            = CConfigWriter::write(values, CConfigWriter::Advanced, mountPoint, environment("", false));
        __u32 attributes = 0;
        QFile file(mountPoint + "/setting.ini");
        const bool opened = file.open(QIODevice::ReadOnly);
        const bool queried = opened && ::ioctl(file.handle(), FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0;
        const qint64 size = file.size();
        file.close();
        QProcess::execute("umount", { mountPoint });
        QCOMPARE(status, CConfigWriter::Written);
        QVERIFY(queried);
        QVERIFY(attributes & ATTR_HIDDEN);
        QCOMPARE(size, qint64(102));
    }

    void templatesRoundTrip()
    {
        QTemporaryDir dir;
        const QDateTime later(QDate(2026, 5, 1), QTime(10, 0));

        // A timed start keeps its time; the delay only counts for a delayed start.
        const QString f = dir.filePath("f.ini");
        writeTemplateF(f);
        CConfigValues loaded = CConfigValues::defaults(saturday);
        CConfigTemplate::load(f, loaded, later);
        QVERIFY(loaded.fahrenheit);
        QCOMPARE(loaded.tempHigh, 46.4); // kept in ℉, not converted
        QCOMPARE(loaded.tempLow, 33.8);
        QCOMPARE(loaded.startType, 2);
        QCOMPARE(loaded.startTime, QDateTime(QDate(2026, 3, 8), QTime(6, 30)));
        QCOMPARE(loaded.stopTime, QDateTime(QDate(2026, 3, 20), QTime(18, 0)));
        QCOMPARE(loaded.startDelay, 0);
        QCOMPARE(loaded.alarmInterval, 65); // corrected at write time only
        QVERIFY(loaded.reportEnglish);
        QCOMPARE(loaded.fileType, 2);
        QCOMPARE(loaded.display, 1);

        // Saved again and reloaded: the same page.
        const QString copy = dir.filePath("copy.ini");
        QVERIFY(CConfigTemplate::save(copy, loaded));
        CConfigValues again = CConfigValues::defaults(saturday);
        CConfigTemplate::load(copy, again, later);
        QCOMPARE(again.tripId, loaded.tripId);
        QCOMPARE(again.description, loaded.description);
        QCOMPARE(again.startTime, loaded.startTime);
        QCOMPARE(again.humidityAdjust, loaded.humidityAdjust);
        QCOMPARE(again.longPressClear, loaded.longPressClear);
        QSettings saved(copy, QSettings::IniFormat);
        QCOMPARE(saved.value("base/temp-unit").toInt(), 2);
        QCOMPARE(saved.value("export/file-lan").toInt(), 2);
        QCOMPARE(saved.childGroups(), QStringList({ "alarm", "base", "export", "option" }));

        // Start mode 0: start time now and no delay; stop mode 0: stop time now.
        QSettings(f, QSettings::IniFormat).setValue("base/startTypeCb", 0);
        QSettings(f, QSettings::IniFormat).setValue("base/stopTypeCb", 0);
        loaded = CConfigValues::defaults(saturday);
        CConfigTemplate::load(f, loaded, later);
        QCOMPARE(loaded.startTime, later);
        QCOMPARE(loaded.stopTime, later);
        QCOMPARE(loaded.startDelay, 0);

        // Missing keys give 0 and empty texts, as far as the controls take
        // them; missing times stay as they were; overlong texts are cut.
        const QString sparse = dir.filePath("sparse.ini");
        {
            QSettings ini(sparse, QSettings::IniFormat);
            ini.setValue("base/startTypeCb", 2);
            ini.setValue("base/stopTypeCb", 1);
            ini.setValue("base/runwayIdTxt", "ABCDEFGHIJK");
            ini.setValue("base/runwayDescTxt", QString(40, 'd'));
            ini.setValue("alarm/tempHighSpinBox", 25.96);
            ini.setValue("option/lcdLightComboBox", 7);
        }
        loaded = CConfigValues::defaults(saturday);
        CConfigTemplate::load(sparse, loaded, later);
        QCOMPARE(loaded.startTime, saturday);
        QCOMPARE(loaded.tripId, QString("ABCDEFGH"));
        QCOMPARE(loaded.description, QString(32, 'd'));
        QCOMPARE(loaded.normalInterval, 10);
        QCOMPARE(loaded.tempHigh, 26.0);
        QCOMPARE(loaded.humidityHigh, 1.0);
        QCOMPARE(loaded.display, -1);
        QVERIFY(!loaded.fahrenheit);
        QVERIFY(!loaded.reportEnglish);
    }

    // Whatever the page saves loads back: every time of a day and every day
    // of a year (their bytes go into the file), texts with "@", "," and quotes.
    void everySavedTemplateLoadsBack()
    {
        // In memory where possible: QSettings syncs every file it saves.
        QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/tst_configuration-XXXXXX" : QString());
        const QString path = dir.filePath("t.ini");
        CConfigValues saved = CConfigValues::defaults(saturday);
        saved.startType = 2;
        saved.stopType = 1;
        const QStringList descriptions = { "@home, a@b", "x,@y", "\"@q\"", "=@", QString::fromUtf8("冷@链") };
        for (int i = 0; i < 1440 + 366; ++i) {
            saved.startTime = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * qMin(i, 1439));
            saved.stopTime = QDateTime(QDate(2028, 1, 1).addDays(qMax(0, i - 1440)), QTime(23, 59, 59));
            saved.description = descriptions.at(i % descriptions.size());
            QFile::remove(path);
            QVERIFY(CConfigTemplate::save(path, saved));
            CConfigValues loaded = CConfigValues::defaults(saturday);
            const CConfigTemplate::LoadResult result = CConfigTemplate::load(path, loaded, saturday);
            QVERIFY2(result == CConfigTemplate::LoadResult::Loaded, qPrintable(readAll(path)));
            QCOMPARE(loaded.startTime, saved.startTime);
            QCOMPARE(loaded.stopTime, saved.stopTime);
            QCOMPARE(loaded.description, saved.description);
        }
    }

    void templateFiles()
    {
        QTemporaryDir dir;
        const QString d = dir.path();
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(CConfigTemplate::saveNamed(d, "a", values), CConfigTemplate::Result::Done);
        QVERIFY(QFile::exists(d + "/a.ini"));
        QFile(d + "/a.ini").resize(QFileInfo(d + "/a.ini").size() + 100); // larger than b
        values.tripId = "OTHER001";
        QCOMPARE(CConfigTemplate::saveNamed(d, "a", values), CConfigTemplate::Result::Exists);
        CConfigValues check;
        CConfigTemplate::load(d + "/a.ini", check, saturday);
        QCOMPARE(check.tripId, QString("XC000000")); // never overwritten
        QCOMPARE(CConfigTemplate::saveNamed(d, "", values), CConfigTemplate::Result::InvalidName);
        QCOMPARE(CConfigTemplate::saveNamed(d, "x/y", values), CConfigTemplate::Result::InvalidName);
        QCOMPARE(CConfigTemplate::saveNamed(d, "b", values), CConfigTemplate::Result::Done);

        writeFile(d + "/A.INI", "1");
        writeFile(d + "/x.tmp.ini", "12");
        writeFile(d + "/notes.txt", "1");
        QVERIFY(QDir(d).mkdir("dir.ini"));
        QVERIFY(QFile::link(d + "/b.ini", d + "/link.ini"));
        QCOMPARE(CConfigTemplate::pageList(d), QStringList({ "a.ini", "b.ini" }));
        const QStringList managed = CConfigTemplate::managerList(d);
        QCOMPARE(QSet<QString>(managed.begin(), managed.end()),
            QSet<QString>({ "A.INI", "x.tmp.ini", "a.ini", "b.ini", "dir.ini" }));
        QVERIFY(managed.indexOf("A.INI") < managed.indexOf("x.tmp.ini")); // smallest first
        QVERIFY(managed.indexOf("b.ini") < managed.indexOf("a.ini"));

        QCOMPARE(CConfigTemplate::rename(d, "a.ini", "b"), CConfigTemplate::Result::Exists);
        QCOMPARE(CConfigTemplate::rename(d, "a.ini", ""), CConfigTemplate::Result::InvalidName);
        QCOMPARE(CConfigTemplate::rename(d, "a.ini", "c"), CConfigTemplate::Result::Done);
        QVERIFY(!QFile::exists(d + "/a.ini"));
        QVERIFY(QFile::exists(d + "/c.ini"));
        QCOMPARE(CConfigTemplate::rename(d, "gone.ini", "d"), CConfigTemplate::Result::Failed);
        QVERIFY(CConfigTemplate::remove(d, "c.ini"));
        QVERIFY(!CConfigTemplate::remove(d, "c.ini"));
        QCOMPARE(CConfigTemplate::directory(), applicationDir + "/setting_file_dir");
    }

    void pageValuesFromDeviceInfo()
    {
        const QDateTime now(QDate(2026, 1, 2), QTime(3, 4));
        CDeviceSettingInfo info;
        info.wayId = "TRIP12345";
        info.wayDesc = QString::fromUtf8("冷").repeated(20);
        info.tempUnit = QString::fromUtf8("°F");
        info.recordStartModel = "Manual+Delay";
        info.delayStart = "30";
        info.recordStopModel = "Timing";
        info.stopAt = " 2026/02/03 04:05 ";
        info.normalRecordSpace = "900";
        info.alarmSpace = "90";
        info.alarmDelay = "abc";
        info.tempHigh = "30.0";
        info.tempLow = "2.0";
        info.humidityHigh = "80.0";
        info.humidityLow = "0";
        info.language = "EN";
        info.fileType = "csv";
        info.isRecycleRecord = "OFF";
        info.isSettingClearRecord = "ON";
        info.isRestart = QString::fromUtf8("否");
        info.isLongPressed = "";
        info.lcdMode = "Automatic OFF";
        CConfigValues v = CConfigValues::defaults(saturday);
        v.fillFromDeviceInfo(info, now);
        QCOMPARE(v.tripId, QString("TRIP1234"));
        QCOMPARE(v.description.size(), 16);
        QVERIFY(v.fahrenheit);
        QCOMPARE(v.startType, 1);
        QCOMPARE(v.startDelay, 30);
        QCOMPARE(v.startTime, now);
        QCOMPARE(v.stopType, 1);
        QCOMPARE(v.stopTime, QDateTime(QDate(2026, 2, 3), QTime(4, 5)));
        QCOMPARE(v.normalInterval, 900);
        QCOMPARE(v.alarmDelay, 0);
        QCOMPARE(v.humidityLow, 1.0);
        QVERIFY(v.reportEnglish);
        QCOMPARE(v.fileType, 2);
        QCOMPARE(QVector<int>({ v.circular, v.clearRecords, v.multipleStart, v.longPressClear, v.display }),
            QVector<int>({ 0, 1, 0, 1, 0 }));

        info.recordStartModel = QString::fromUtf8("定时开启");
        info.startAt = "2026/06/07 08:09";
        info.recordStopModel = "Manual";
        info.language = QString::fromUtf8("中文");
        info.fileType = "txt";
        info.lcdMode = QString::fromUtf8("常亮");
        info.startAt = "not a time";
        v.fillFromDeviceInfo(info, now);
        QCOMPARE(v.startType, 2);
        QCOMPARE(v.startTime, now); // unreadable: stays now
        QCOMPARE(v.startDelay, 0);
        QCOMPARE(v.stopType, 0);
        QVERIFY(!v.reportEnglish);
        QCOMPARE(v.fileType, 1);
        QCOMPARE(v.display, 1);
        info.recordStartModel = "Right Now";
        v.fillFromDeviceInfo(info, now);
        QCOMPARE(v.startType, 3);
        info.recordStartModel = "Manual";
        v.fillFromDeviceInfo(info, now);
        QCOMPARE(v.startType, 0);

        QVERIFY(CConfigValues::txtOnlyModel("RZ-83K-01"));
        QVERIFY(CConfigValues::txtOnlyModel("XRZ-83P"));
        QVERIFY(!CConfigValues::txtOnlyModel("RZ-83"));
    }

    void descriptionLimitCutsAtTheCursor()
    {
        int cursor = 40; // 40 letters pasted into an empty field
        QCOMPARE(
            CConfigValues::limitDescription(QString(32, 'a') + QString(8, 'b'), &cursor), QString(32, 'a'));
        QCOMPARE(cursor, 32);
        // One Chinese character typed at the end of 20 letters: limit 16.
        cursor = 21;
        QCOMPARE(CConfigValues::limitDescription(QString(20, 'a') + QString::fromUtf8("冷"), &cursor),
            QString(16, 'a'));
        QCOMPARE(cursor, 16);
        // Typed in the middle: the run before the cursor goes.
        cursor = 12;
        QCOMPARE(CConfigValues::limitDescription(QString(10, 'a') + "XY" + QString(22, 'c'), &cursor),
            QString(10, 'a') + QString(22, 'c'));
        QCOMPARE(cursor, 10);
        // Cursor at the start (a text set as a whole): the beginning stays.
        cursor = 0;
        QCOMPARE(CConfigValues::limitDescription(QString(20, 'a') + QString(20, 'b'), &cursor),
            QString(20, 'a') + QString(12, 'b'));
        cursor = 3;
        QCOMPARE(CConfigValues::limitDescription("short", &cursor), QString("short"));
        QCOMPARE(cursor, 3);
    }

    void cliConfigure_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reference");
        QTest::newRow("page defaults")
            << QStringList({ "--zone", "(UTC+05:30) Chennai" }) << "advanced-defaults.hex";
        QTest::newRow("F template with humidity") << QStringList(
            { "--template", "TEMPLATE_F", "--humidity", "--zone", "(UTC-05:00) Eastern Time (US & Canada)" })
                                                  << "advanced-fahrenheit-humidity.hex";
        QTest::newRow("C template without humidity")
            << QStringList({ "--template", "TEMPLATE_C", "--no-humidity", "--zone", "(UTC+09:30) Adelaide" })
            << "advanced-celsius-chinese.hex";
        QTest::newRow("F template, trip ID and description replaced") << QStringList(
            { "--template", "TEMPLATE_F", "--trip-id", "CHINA001", "--desc", QString::fromUtf8("冷链运输"),
                "--zone", "(UTC+09:30) Adelaide" }) << "";
    }

    void cliConfigure()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, reference);
        QTemporaryDir work;
        const QString drive = work.filePath("drive");
        QVERIFY(QDir().mkpath(drive));
        writeTemplateF(work.filePath("f.ini"));
        writeTemplateC(work.filePath("c.ini"));
        args.replaceInStrings("TEMPLATE_F", work.filePath("f.ini"));
        args.replaceInStrings("TEMPLATE_C", work.filePath("c.ini"));

        QProcess cli;
        cli.start(VESMIRA_CLI, QStringList({ "configure", drive, "--now", "2026-03-07 14:05:09" }) + args);
        QVERIFY(cli.waitForFinished(-1));
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        if (reference.isEmpty()) {
            // The F template with the trip ID and description replaced.
            QCOMPARE(cli.exitCode(), 0);
            const QByteArray frame = readAll(drive + "/setting.ini");
            QCOMPARE(frame.mid(87, 8), QByteArray("CHINA001"));
            QCOMPARE(frame.mid(55, 8).toHex(), QByteArray("c0e4c1b4d4cbcae4"));
            QCOMPARE(int(frame.at(97)), 0);
            QCOMPARE(frame.mid(36, 6), QByteArray(6, char(0xFF))); // no report: no humidity
            return;
        }
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(out,
            QString("Configuration written successfully, please disconnect logger to make configuration "
                    "effective.\n"));
        QCOMPARE(err, QString());
        QCOMPARE(
            firstDifference(readAll(drive + "/setting.ini"), this->referenceFrame(reference)), QString());
    }

    void cliRefusals()
    {
        QTemporaryDir work;
        const QString drive = work.path();
        writeFile(drive + "/setting.ini", "old");
        const QString years(
            "The computer's date and the timing start and stop times must lie between the years "
            "2000 and 2255\n");
        const QString numbers("Alarm limits and calibration values must be valid numbers\n");
        auto damaged = [&work](const char *key, const char *value) {
            const QString tpl = work.filePath(QString("%1-%2.ini").arg(key, value));
            writeFile(tpl, QByteArray("[alarm]\n") + key + "=" + value + "\n");
            return tpl;
        };
        const QVector<QPair<QStringList, QString>> cases = {
            { { "--trip-id", "ABC1234" }, "Trip ID should be 8 characters\n" },
            { { "--desc", QString(33, 'x') },
                "Trip description no longer than 32 characters (or 16 Chinese characters)\n" },
            { { "--now", "1900-03-07 14:05:09" }, years },
            { { "--now", "9999-03-07 14:05:09" }, years },
            { { "--template", damaged("tempHighSpinBox", "nan") }, numbers },
            { { "--template", damaged("adjustTempSpinBox", "inf") }, numbers },
            { { "--no-humidity", "--template", damaged("humidityLowSpinBox", "-inf") }, numbers },
        };
        for (const auto &c : cases) {
            QProcess cli;
            cli.start(VESMIRA_CLI, QStringList({ "configure", drive }) + c.first);
            QVERIFY(cli.waitForFinished(-1));
            QCOMPARE(cli.exitCode(), 2);
            QCOMPARE(QString::fromUtf8(cli.readAllStandardError()), c.second);
            QCOMPARE(cli.readAllStandardOutput(), QByteArray());
            QCOMPARE(readAll(drive + "/setting.ini"), QByteArray("old"));
        }
        const QString tpl = work.filePath("reversed.ini");
        writeTemplateF(tpl);
        QSettings(tpl, QSettings::IniFormat).setValue("alarm/humidityLowSpinBox", 90.0);
        QProcess cli;
        cli.start(VESMIRA_CLI, { "configure", drive, "--template", tpl, "--humidity" });
        QVERIFY(cli.waitForFinished(-1));
        QCOMPARE(cli.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
            QString("The upper limit of humidity cannot be less than the lower limit of humidity\n"));
        QCOMPARE(readAll(drive + "/setting.ini"), QByteArray("old"));

        cli.start(VESMIRA_CLI, { "configure", work.filePath("no-such-drive") });
        QVERIFY(cli.waitForFinished(-1));
        QCOMPARE(cli.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()), QString("Logger device unavailable\n"));

        for (const QStringList &bad :
            { QStringList({ "configure" }), QStringList({ "configure", drive, "--now", "07.03.2026" }),
                QStringList({ "configure", drive, "--trip-id", "AB-12345" }),
                QStringList({ "configure", drive, "--bogus" }) }) {
            cli.start(VESMIRA_CLI, bad);
            QVERIFY(cli.waitForFinished(-1));
            QCOMPARE(cli.exitCode(), 2);
        }
        QCOMPARE(readAll(drive + "/setting.ini"), QByteArray("old"));
    }

    // A template is an INI file anyone can edit; QSettings decodes values
    // written as "@DateTime(...)" or "@Variant(...)" as binary data of any
    // type, and a count in it used to exhaust the memory (the command
    // aborted). Damaged templates are refused; the times stay readable.
    void cliSurvivesDamagedTemplates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("damaged");
        const QByteArray list = "@DateTime(\\0\\0\\0\\v\\0 eic)"; // a string list of 543,516,003 entries
        QTest::newRow("list element") << "[alarm]\ntempHighSpinBox=1, " + list + "\n" << true;
        QTest::newRow("quoted") << "[alarm]\ntempHighSpinBox=a,\"" + list + "\"\n" << true;
        QTest::newRow("octal @") << "[base]\nrunwayDescTxt=\\100" + list.mid(1) + "\n" << true;
        QTest::newRow("continued line") << "[option]\nrestartComboBox=\\\n" + list + "\n" << true;
        QTest::newRow("after a carriage return") << "[base]\nspinBox=1\rspinBox=2, " + list + "\n" << true;
        QTest::newRow("variant") << QByteArray(
            "[alarm]\ntempHighSpinBox=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\n")
                                 << true;
        QTest::newRow("time of the page")
            << "[base]\nrunwayIdTxt=ABCDEFGH\nstartTypeCb=2\nstartDateTimeEdit=" + list + "\n"
            << false;
    }

    void cliSurvivesDamagedTemplates()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, damaged);
        QTemporaryDir work;
        writeFile(work.filePath("damaged.ini"), text);
        QProcess cli;
        cli.start(VESMIRA_CLI,
            { "configure", work.path(), "--template", work.filePath("damaged.ini"), "--now",
                "2026-03-07 14:05:09" });
        QVERIFY(cli.waitForFinished(-1));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        if (!damaged) {
            // The time is not one: the field keeps its start value, now.
            QCOMPARE(cli.exitCode(), 0);
            QCOMPARE(readAll(work.filePath("setting.ini")).mid(12, 7).toHex(), QByteArray("03001a03070e05"));
            return;
        }
        QCOMPARE(cli.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
            QString("vesmira-cli: %1: damaged template\n").arg(work.filePath("damaged.ini")));
        QVERIFY(!QFile::exists(work.filePath("setting.ini")));
    }

    void cliTakesHumidityAndModelFromTheReport()
    {
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        if (!QFile::exists(report))
            QSKIP("no temperature/humidity report in tests/data/reports");
        QTemporaryDir drive;
        QVERIFY(QFile::copy(report, drive.filePath("report.csv")));
        writeFile(drive.filePath("setting.ini"), "a larger file that is never taken for the report....");
        QProcess cli;
        cli.start(VESMIRA_CLI, { "configure", drive.path(), "--now", "2026-03-07 14:05:09" });
        QVERIFY(cli.waitForFinished(-1));
        QCOMPARE(cli.exitCode(), 0);
        QByteArray frame = readAll(drive.filePath("setting.ini"));
        QCOMPARE(frame.mid(36, 4).toHex(), QByteArray("63090100")); // humidity 99.9 and 1.0
        QCOMPARE(int(frame.at(10)), 1);

        // An RZ-83K logger writes TXT reports only.
        QByteArray text = readAll(report);
        QVERIFY(text.contains("TL-30-83WQ"));
        writeFile(drive.filePath("report.csv"), text.replace("TL-30-83WQ", "RZ-83K-83WQ"));
        cli.start(VESMIRA_CLI, { "configure", drive.path(), "--no-humidity" });
        QVERIFY(cli.waitForFinished(-1));
        QCOMPARE(cli.exitCode(), 0);
        frame = readAll(drive.filePath("setting.ini"));
        QCOMPARE(int(frame.at(10)), 2);
        QCOMPARE(frame.mid(36, 6), QByteArray(6, char(0xFF)));
    }

private:
    QByteArray referenceFrame(const QString &name) { return reference(name); }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
