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
const QString years("The computer's date and the timing start and stop times must lie between the years 2000 "
                    "and 2255");
const QString numbers("Alarm limits and calibration values must be valid numbers");

QByteArray reference(const QString &name)
{
    QString error;
    return readFrameFile(QString(VESMIRA_TEST_DATA "/frames/") + name, &error);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

CConfigWriter::Environment environment(const QString &zone, bool humidity)
{
    CConfigWriter::Environment env;
    env.now = saturday;
    env.zoneComment = zone;
    env.humidity = humidity;
    return env;
}

// The advanced page's values in one line.
QString text(const CConfigValues &v)
{
    const auto n = [](double x) { return QString::number(x); };
    const auto t = [](const QDateTime &x) { return x.toString("yyyy/MM/dd hh:mm"); };
    return QStringList(
        { v.fahrenheit ? "F" : "C", v.tripId, "[" + v.description + "]", "start", n(v.startType),
            "+" + n(v.startDelay), t(v.startTime), "stop", n(v.stopType), t(v.stopTime), "every",
            n(v.normalInterval) + "/" + n(v.alarmInterval), "delay", n(v.alarmDelay), "limits", n(v.tempHigh),
            n(v.tempLow), n(v.tempAdjust), n(v.humidityHigh), n(v.humidityLow), n(v.humidityAdjust),
            v.reportEnglish ? "EN" : "ZH", "type", n(v.fileType), "options",
            n(v.circular) + n(v.clearRecords) + n(v.multipleStart) + n(v.longPressClear) + n(v.display) })
        .join(' ');
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_appDir;

    struct Cli {
        int code;
        QString out, err;
    };
    static Cli configure(const QStringList &args)
    {
        QProcess cli;
        cli.start(VESMIRA_CLI, QStringList { "configure" } + args);
        cli.waitForFinished(-1);
        return { cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardOutput()), QString::fromUtf8(cli.readAllStandardError()) };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid());
        applicationDir = m_appDir.path();
    }

    // Integer part with the sign in bit 7, then the tenths; a ℉ limit goes in
    // as the exact tenth of ℃ it stands for, even where the plain conversion
    // lies a hair below it.
    void limitValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QByteArray>("expected");
        const QList<std::tuple<const char *, double, const char *>> celsius = { { "70.0", 70.0, "4600" },
            { "-30.0", -30.0, "9e00" }, { "25.96 caps the tenths at 9", 25.96, "1909" },
            { "-12.34", -12.34, "8c03" }, { "0.25 rounds half away from zero", 0.25, "0003" },
            { "-0.5 keeps its sign", -0.5, "8005" }, { "-0.04 is zero", -0.04, "0000" },
            { "127.9", 127.9, "7f09" }, { "99.9 %RH", 99.9, "6309" } };
        for (const auto &c : celsius)
            QTest::newRow(std::get<0>(c)) << std::get<1>(c) << false << QByteArray(std::get<2>(c));
        const QList<QPair<double, const char *>> fahrenheit = { { 158.0, "4600" }, { 0.0, "9108" },
            { 33.8, "0100" }, { 26.6, "8300" }, { 37.4, "0300" }, { 42.8, "0600" }, { 51.8, "0b00" },
            { 71.6, "1600" }, { 80.6, "1b00" }, { 129.2, "3600" }, { 32.0, "0000" }, { 31.0, "8006" } };
        for (const auto &f : fahrenheit)
            QTest::addRow("%.1f F", f.first) << f.first << true << QByteArray(f.second);
    }

    void limitValues()
    {
        QFETCH(double, value);
        QFETCH(bool, fahrenheit);
        QFETCH(QByteArray, expected);
        QCOMPARE(CSettingFrame::limitBytes(fahrenheit ? CSettingFrame::celsiusFromFahrenheit(value) : value)
                     .toHex(),
            expected);
    }

    void intervalsZonesAndClock()
    {
        namespace F = CSettingFrame;
        QCOMPARE(F::intervalBytes(F::correctInterval(60)).toHex()
                + F::intervalBytes(F::correctInterval(86400)).toHex(),
            QByteArray("000621c0"));
        QCOMPARE(QVector<int>({ F::correctInterval(65), F::correctInterval(5), F::correctInterval(10) }),
            QVector<int>({ 60, 10, 10 }));
        // Only the bracket counts, not a city that names another offset.
        QByteArray codes;
        for (const char *zone : { "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi",
                 "(UTC-05:00) Eastern Time (US & Canada)", "(UTC+09:30) Adelaide",
                 "(UTC+08:00) Beijing, Chongqing", "(UTC-12:00) International Date Line West",
                 "(UTC+12:00) Auckland", "(UTC+03:30) Tehran UTC+08:00", "Coordinated Universal Time" })
            codes.append(char(F::zoneCode(zone)));
        QCOMPARE(codes.toHex(' '), QByteArray("37 85 00 08 8c 0c 00 00"));

        // The text is made from the standard offset, whatever daylight saving
        // is in force at that moment.
        const QDateTime summer(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC);
        for (const auto &zone : QVector<QPair<QByteArray, QString>> { { "Asia/Kolkata", "(UTC+05:30)" },
                 { "America/New_York", "(UTC-05:00)" }, { "Australia/Adelaide", "(UTC+09:30)" },
                 { "Europe/London", "(UTC+00:00)" } }) {
            if (!QTimeZone(zone.first).isValid())
                QSKIP("the time zone database is not installed");
            QCOMPARE(F::zoneComment(QTimeZone(zone.first), summer), zone.second);
        }

        QCOMPARE(F::clockBytes(saturday).toHex(), QByteArray("1a03070e050906"));
        QCOMPARE(F::clockBytes(QDateTime(QDate(2026, 3, 8), QTime(0, 0))).right(1).toHex(),
            QByteArray("07")); // Sunday
        QCOMPARE(F::timeBytes(QDateTime()).toHex(), QByteArray("ffffffffff"));
    }

    // The basic page's frame (the advanced one and the check byte are in
    // every reference frame the page and vesmira-cli write).
    void basicFrame()
    {
        QTemporaryDir drive;
        QByteArray frame;
        CConfigValues values = CConfigValues::defaults(saturday);
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

    // 32 bytes of GBK at offset 55, the flag at 97 (1: no Chinese character).
    void descriptions()
    {
        QTemporaryDir drive;
        QByteArray frame;
        auto build = [&](const QString &description) {
            CConfigValues values = CConfigValues::defaults(saturday);
            values.description = description;
            return CConfigWriter::buildFrame(
                values, CConfigWriter::Advanced, drive.path(), environment("(UTC+08:00)", false), &frame);
        };
        const QString ascii32 = "abcdefghijklmnopqrstuvwxyz012345";
        const QString chinese16 = QString::fromUtf8("行程描述").repeated(4);
        QCOMPARE(build(ascii32), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 40) + frame.at(97), ascii32.toLatin1() + "XC000000" + char(1));
        QCOMPARE(build(chinese16), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 32).toHex(), QByteArray("d0d0b3ccc3e8caf6").repeated(4));
        QCOMPARE(int(frame.at(97)), 0);
        QCOMPARE(build(QString()), CConfigWriter::Written);
        QCOMPARE(frame.mid(55, 32) + frame.mid(97, 1), QByteArray(32, '\0') + char(1));
        // Full-width punctuation is no Chinese character for the flag but
        // takes two bytes.
        for (const QString &tooLong :
            { ascii32 + "6", chinese16 + QString::fromUtf8("行"), QString::fromUtf8("，").repeated(17) })
            QCOMPARE(build(tooLong), CConfigWriter::DescriptionTooLong);
    }

    // Every refusal leaves the old setting.ini as it was, and the intervals
    // are corrected only once the checks passed.
    void refusals()
    {
        QTemporaryDir drive;
        const QString path = CConfigWriter::settingFilePath(drive.path());
        QCOMPARE(path, drive.path() + "/setting.ini");
        const QByteArray old("the frame of an earlier write");
        writeFile(path, old);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QDateTime y1999(QDate(1999, 12, 31), QTime(23, 59, 59));
        using V = CConfigValues &;
        using E = CConfigWriter::Environment &;
        const auto A = CConfigWriter::Advanced;
        const auto B = CConfigWriter::Basic;
        struct Case {
            const char *name;
            std::function<void(V, E)> edit;
            CConfigWriter::Mode mode;
            CConfigWriter::Status status;
        };
        const QVector<Case> cases = {
            { "7-character trip ID", [](V v, E) { v.tripId = "ABC1234"; }, A, CConfigWriter::TripIdLength },
            { "9-character trip ID", [](V v, E) { v.tripId = "ABC123456"; }, A, CConfigWriter::TripIdLength },
            { "basic trip ID", [](V v, E) { v.basicTripId = "SHORT"; }, B, CConfigWriter::TripIdLength },
            { "33-character description", [](V v, E) { v.description = QString(33, 'x'); }, A,
                CConfigWriter::DescriptionTooLong },
            { "temperature limits reversed", [](V v, E) { v.tempLow = 70.1; }, A,
                CConfigWriter::TempLimitsReversed },
            { "humidity limits reversed",
                [](V v, E e) {
                    v.humidityLow = 99.9;
                    v.humidityHigh = 99.8;
                    e.humidity = true;
                },
                A, CConfigWriter::HumidityLimitsReversed },
            { "beyond the 7-bit integer part", [](V v, E) { v.tempHigh = 128.0; }, A,
                CConfigWriter::ValueOutOfRange },
            { "calibration in F beyond it",
                [](V v, E) {
                    v.fahrenheit = true;
                    v.tempHigh = 100;
                    v.tempLow = 0;
                    v.tempAdjust = -300;
                },
                A, CConfigWriter::ValueOutOfRange },
            { "NaN upper limit", [&](V v, E) { v.tempHigh = nan; }, A, CConfigWriter::NotANumber },
            { "NaN lower limit", [&](V v, E) { v.tempLow = nan; }, A, CConfigWriter::NotANumber },
            { "infinite calibration", [&](V v, E) { v.tempAdjust = -inf; }, A, CConfigWriter::NotANumber },
            { "infinite humidity limit", [&](V v, E e) { v.humidityHigh = inf, e.humidity = true; }, A,
                CConfigWriter::NotANumber },
            { "NaN humidity calibration", [&](V v, E e) { v.humidityAdjust = nan, e.humidity = true; }, A,
                CConfigWriter::NotANumber },
            { "NaN basic limit", [&](V v, E) { v.basicTempLow = nan; }, B, CConfigWriter::NotANumber },
            { "NaN basic humidity limit", [&](V v, E e) { v.basicHumidityHigh = nan, e.humidity = true; }, B,
                CConfigWriter::NotANumber },
            { "clock in 1900", [](V, E e) { e.now.setDate(QDate(1900, 1, 1)); }, A,
                CConfigWriter::YearOutOfRange },
            { "clock in 9999", [](V, E e) { e.now.setDate(QDate(9999, 1, 1)); }, B,
                CConfigWriter::YearOutOfRange },
            { "clock in 1999", [&](V, E e) { e.now = y1999; }, A, CConfigWriter::YearOutOfRange },
            { "timed start in 2256", [&](V v, E) { v.startTime = QDateTime(QDate(2256, 1, 1), QTime(0, 0)); },
                A, CConfigWriter::YearOutOfRange },
            { "timed stop in 1999", [&](V v, E) { v.stopTime = y1999; }, A, CConfigWriter::YearOutOfRange },
            { "drive gone", [](V, E) {}, A, CConfigWriter::DeviceUnavailable },
        };
        for (const Case &c : cases) {
            CConfigValues values = CConfigValues::defaults(saturday);
            values.normalInterval = values.basicNormalInterval = 65;
            CConfigWriter::Environment env = environment("", false);
            c.edit(values, env);
            const QString root
                = c.status == CConfigWriter::DeviceUnavailable ? drive.path() + "/gone" : drive.path();
            QVERIFY2(CConfigWriter::write(values, c.mode, root, env) == c.status, c.name);
            QVERIFY2(readAll(path) == old, c.name);
            QVERIFY2(values.normalInterval == 65 && values.basicNormalInterval == 65, c.name);
        }
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(CConfigWriter::write(values, CConfigWriter::Advanced, QString(), environment("", false)),
            CConfigWriter::DeviceUnavailable);
        QCOMPARE(CConfigWriter::englishMessage(CConfigWriter::NotANumber), numbers);
        QCOMPARE(CConfigWriter::englishMessage(CConfigWriter::YearOutOfRange), years);

        // What is not written is not refused: humidity without a sensor, the
        // advanced page's times in a basic frame. Equal limits pass. The
        // years at both ends fit.
        QByteArray frame;
        values = CConfigValues::defaults(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
        values.tempLow = values.tempHigh;
        values.humidityLow = nan;
        values.humidityHigh = 1.0;
        values.humidityAdjust = inf;
        values.stopTime = QDateTime(QDate(2255, 12, 31), QTime(23, 59));
        CConfigWriter::Environment env = environment("", false);
        env.now = values.startTime;
        QCOMPARE(CConfigWriter::buildFrame(values, A, drive.path(), env, &frame), CConfigWriter::Written);
        QCOMPARE(frame.mid(14, 5).toHex() + frame.mid(20, 5).toHex(), QByteArray("0001010000ff0c1f173b"));
        QCOMPARE(frame.mid(30, 4).toHex() + frame.mid(36, 6).toHex(), QByteArray("46004600ffffffffffff"));
        values.startTime = QDateTime(QDate(2256, 1, 1), QTime(0, 0));
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
        QFile file(image);
        QVERIFY(QDir().mkpath(mountPoint) && file.open(QIODevice::WriteOnly) && file.resize(4 * 1024 * 1024));
        file.close();
        if (QProcess::execute(mkfs, { "-F", "12", image }) != 0)
            QSKIP("mkfs.fat failed");
        if (QProcess::execute("mount", { "-o", "loop", "-t", "vfat", image, mountPoint }) != 0)
            QSKIP("loop mounts of FAT images are not possible here");
        CConfigValues values = CConfigValues::defaults(saturday);
        const CConfigWriter::Status status
            = CConfigWriter::write(values, CConfigWriter::Advanced, mountPoint, environment("", false));
        __u32 attributes = 0;
        file.setFileName(mountPoint + "/setting.ini");
        const bool queried = file.open(QIODevice::ReadOnly)
            && ::ioctl(file.handle(), FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0;
        const qint64 size = file.size();
        file.close();
        QProcess::execute("umount", { mountPoint });
        QCOMPARE(status, CConfigWriter::Written);
        QVERIFY(queried && (attributes & ATTR_HIDDEN));
        QCOMPARE(size, qint64(102));
    }

    void templatesRoundTrip()
    {
        QTemporaryDir dir;
        const QDateTime later(QDate(2026, 5, 1), QTime(10, 0));
        // A timed start keeps its time; the delay only counts for a delayed
        // start; limits stay in ℉; the intervals are corrected at write time only.
        const QString f = dir.filePath("f.ini");
        writeTemplateF(f);
        CConfigValues loaded = CConfigValues::defaults(saturday);
        CConfigTemplate::load(f, loaded, later);
        const QString fText
            = "F TRIP2026 [Cold chain 7] start 2 +0 2026/03/08 06:30 stop 1 2026/03/20 18:00 every "
              "300/65 delay 10 limits 46.4 33.8 32.9 85.5 20 1.5 EN type 2 options 11011";
        QCOMPARE(text(loaded), fText);

        // Saved again and reloaded: the same page.
        const QString copy = dir.filePath("copy.ini");
        QVERIFY(CConfigTemplate::save(copy, loaded));
        CConfigValues again = CConfigValues::defaults(saturday);
        CConfigTemplate::load(copy, again, later);
        QCOMPARE(text(again), fText);
        QSettings saved(copy, QSettings::IniFormat);
        QCOMPARE(saved.value("base/temp-unit").toInt() * 10 + saved.value("export/file-lan").toInt(), 22);
        QCOMPARE(saved.childGroups(), QStringList({ "alarm", "base", "export", "option" }));

        // Start mode 0: start time now and no delay; stop mode 0: stop time now.
        QSettings(f, QSettings::IniFormat).setValue("base/startTypeCb", 0);
        QSettings(f, QSettings::IniFormat).setValue("base/stopTypeCb", 0);
        loaded = CConfigValues::defaults(saturday);
        CConfigTemplate::load(f, loaded, later);
        QCOMPARE(
            text(loaded).section(' ', 5, 13), QString("start 0 +0 2026/05/01 10:00 stop 0 2026/05/01 10:00"));

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
        QCOMPARE(text(loaded),
            "C ABCDEFGH [" + QString(32, 'd')
                + "] start 2 +0 2026/03/07 14:05 stop 1 2026/03/07 14:05 every 10/10 delay 0 limits 26 0 0 1 "
                  "1 0 "
                  "ZH type 0 options 0000-1");
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
            QVERIFY2(CConfigTemplate::load(path, loaded, saturday) == CConfigTemplate::LoadResult::Loaded,
                qPrintable(readAll(path)));
            QCOMPARE(loaded.startTime, saved.startTime);
            QCOMPARE(loaded.stopTime, saved.stopTime);
            QCOMPARE(loaded.description, saved.description);
        }
    }

    // Templates are never overwritten, never read through a link or from a
    // directory; the page lists what it can load, the manager what it can
    // rename or delete, smallest first.
    void templateFiles()
    {
        QTemporaryDir dir;
        const QString d = dir.path();
        using R = CConfigTemplate::Result;
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(CConfigTemplate::saveNamed(d, "a", values), R::Done);
        QFile(d + "/a.ini").resize(QFileInfo(d + "/a.ini").size() + 100); // larger than b
        values.tripId = "OTHER001";
        QCOMPARE(CConfigTemplate::saveNamed(d, "a", values), R::Exists);
        QCOMPARE(CConfigTemplate::saveNamed(d, "b", values), R::Done);
        writeFile(d + "/A.INI", "1");
        writeFile(d + "/x.tmp.ini", "12");
        writeFile(d + "/notes.txt", "1");
        QVERIFY(QDir(d).mkdir("dir.ini") && QFile::link(d + "/b.ini", d + "/link.ini"));
        QCOMPARE(CConfigTemplate::pageList(d), QStringList({ "a.ini", "b.ini" }));
        const QStringList managed = CConfigTemplate::managerList(d);
        QCOMPARE(QSet<QString>(managed.begin(), managed.end()),
            QSet<QString>({ "A.INI", "x.tmp.ini", "a.ini", "b.ini", "dir.ini" }));
        QVERIFY(managed.indexOf("A.INI") < managed.indexOf("b.ini")
            && managed.indexOf("b.ini") < managed.indexOf("a.ini"));
        QCOMPARE(CConfigTemplate::rename(d, "a.ini", "b"), R::Exists);
        QCOMPARE(CConfigTemplate::rename(d, "gone.ini", "d"), R::Failed);
        CConfigValues check;
        CConfigTemplate::load(d + "/a.ini", check, saturday);
        QCOMPARE(check.tripId, QString("XC000000"));
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
        QCOMPARE(text(v),
            "F TRIP1234 [" + QString::fromUtf8("冷").repeated(16)
                + "] start 1 +30 2026/01/02 03:04 stop 1 2026/02/03 04:05 every 900/90 delay 0 limits 30 2 0 "
                  "80 1 "
                  "0 EN type 2 options 01010");

        info.recordStartModel = QString::fromUtf8("定时开启");
        info.startAt = "not a time";
        info.recordStopModel = "Manual";
        info.language = QString::fromUtf8("中文");
        info.fileType = "txt";
        info.lcdMode = QString::fromUtf8("常亮");
        v.fillFromDeviceInfo(info, now);
        // An unreadable start time stays now.
        QCOMPARE(text(v).section(' ', 3, 9), QString("start 2 +0 2026/01/02 03:04 stop 0"));
        QCOMPARE(text(v).section(' ', 23), QString("ZH type 1 options 01011"));
        for (const auto &mode : { qMakePair(QString("Right Now"), 3), qMakePair(QString("Manual"), 0) }) {
            info.recordStartModel = mode.first;
            v.fillFromDeviceInfo(info, now);
            QCOMPARE(v.startType, mode.second);
        }
        QVERIFY(CConfigValues::txtOnlyModel("RZ-83K-01") && CConfigValues::txtOnlyModel("XRZ-83P"));
        QVERIFY(!CConfigValues::txtOnlyModel("RZ-83"));
    }

    void descriptionLimitCutsAtTheCursor_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("40 letters pasted")
            << QString(32, 'a') + QString(8, 'b') << 40 << QString(32, 'a') << 32;
        QTest::newRow("a Chinese character typed after 20 letters: limit 16")
            << QString(20, 'a') + QString::fromUtf8("冷") << 21 << QString(16, 'a') << 16;
        QTest::newRow("typed in the middle: the run before the cursor goes")
            << QString(10, 'a') + "XY" + QString(22, 'c') << 12 << QString(10, 'a') + QString(22, 'c') << 10;
        QTest::newRow("set as a whole: the beginning stays")
            << QString(20, 'a') + QString(20, 'b') << 0 << QString(20, 'a') + QString(12, 'b') << 0;
        QTest::newRow("short") << "short" << 3 << "short" << 3;
    }
    void descriptionLimitCutsAtTheCursor()
    {
        QFETCH(QString, typed);
        QFETCH(int, cursor);
        QFETCH(QString, kept);
        QFETCH(int, cursorAfter);
        QCOMPARE(CConfigValues::limitDescription(typed, &cursor), kept);
        if (cursorAfter)
            QCOMPARE(cursor, cursorAfter);
    }

    void cliConfigure_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reference");
        QTest::newRow("page defaults")
            << QStringList({ "--zone", "(UTC+05:30) Chennai" }) << "advanced-defaults.hex";
        QTest::newRow("F template with humidity") << QStringList(
            { "--template", "F", "--humidity", "--zone", "(UTC-05:00) Eastern Time (US & Canada)" })
                                                  << "advanced-fahrenheit-humidity.hex";
        QTest::newRow("C template without humidity")
            << QStringList({ "--template", "C", "--no-humidity", "--zone", "(UTC+09:30) Adelaide" })
            << "advanced-celsius-chinese.hex";
        QTest::newRow("F template, trip ID and description replaced") << QStringList(
            { "--template", "F", "--trip-id", "CHINA001", "--desc", QString::fromUtf8("冷链运输"), "--zone",
                "(UTC+09:30) Adelaide" }) << "";
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
        const int at = args.indexOf("--template") + 1;
        if (at > 0)
            args[at] = work.filePath(args[at].toLower() + ".ini");
        const Cli r = configure(QStringList({ drive, "--now", "2026-03-07 14:05:09" }) + args);
        QCOMPARE(r.code, 0);
        const QByteArray frame = readAll(drive + "/setting.ini");
        if (reference.isEmpty()) {
            // GBK description, Chinese flag, no report: no humidity.
            QCOMPARE(frame.mid(87, 8), QByteArray("CHINA001"));
            QCOMPARE(frame.mid(55, 8).toHex() + frame.mid(97, 1).toHex(), QByteArray("c0e4c1b4d4cbcae400"));
            QCOMPARE(frame.mid(36, 6), QByteArray(6, char(0xFF)));
            return;
        }
        QCOMPARE(r.out + r.err,
            QString("Configuration written successfully, please disconnect logger to make configuration "
                    "effective.\n"));
        QCOMPARE(firstDifference(frame, ::reference(reference)), QString());
    }

    // Refused: exit 2, the message, nothing on stdout, the old file intact.
    void cliRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("trip ID") << QStringList { "--trip-id", "ABC1234" }
                                 << "Trip ID should be 8 characters\n";
        QTest::newRow("description") << QStringList {
            "--desc", QString(33, 'x')
        } << "Trip description no longer than 32 characters (or 16 Chinese characters)\n";
        QTest::newRow("1900") << QStringList { "--now", "1900-03-07 14:05:09" } << years + "\n";
        QTest::newRow("NaN limit") << QStringList { "--template", "alarm/tempHighSpinBox=nan" }
                                   << numbers + "\n";
        QTest::newRow("humidity limits reversed")
            << QStringList { "--humidity", "--template", "F:alarm/humidityLowSpinBox=90" }
            << "The upper limit of humidity cannot be less than the lower limit of humidity\n";
        QTest::newRow("no drive") << QStringList { "DRIVE" } << "Logger device unavailable\n";
        QTest::newRow("no drive named") << QStringList { "NODRIVE" } << "";
        QTest::newRow("bad time") << QStringList { "--now", "07.03.2026" } << "";
        QTest::newRow("bad trip ID") << QStringList { "--trip-id", "AB-12345" } << "";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << "";
    }
    void cliRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir work;
        writeFile(work.filePath("setting.ini"), "old");
        const int at = args.indexOf("--template") + 1;
        if (at > 0) {
            // A template of one key, or the F template with one key changed.
            const QString tpl = work.filePath("t.ini");
            QString key = args[at];
            if (key.startsWith("F:")) {
                writeTemplateF(tpl);
                key = key.mid(2);
            }
            QSettings(tpl, QSettings::IniFormat).setValue(key.section('=', 0, 0), key.section('=', 1));
            args[at] = tpl;
        }
        const Cli r = configure(args.value(0) == "NODRIVE" ? QStringList()
                : args.value(0) == "DRIVE"                 ? QStringList { work.filePath("no-such-drive") }
                                                           : QStringList { work.path() } + args);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.out, QString());
        if (!message.isEmpty())
            QCOMPARE(r.err, message);
        QCOMPARE(readAll(work.filePath("setting.ini")), QByteArray("old"));
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
        const Cli r = configure(
            { work.path(), "--template", work.filePath("damaged.ini"), "--now", "2026-03-07 14:05:09" });
        if (!damaged) {
            // The time is not one: the field keeps its start value, now.
            QCOMPARE(r.code, 0);
            QCOMPARE(readAll(work.filePath("setting.ini")).mid(12, 7).toHex(), QByteArray("03001a03070e05"));
            return;
        }
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, QString("vesmira-cli: %1: damaged template\n").arg(work.filePath("damaged.ini")));
        QVERIFY(!QFile::exists(work.filePath("setting.ini")));
    }

    void cliTakesHumidityAndModelFromTheReport()
    {
        const QString report = VESMIRA_TEST_DATA "/reports/en-th.csv";
        QTemporaryDir drive;
        QVERIFY(QFile::copy(report, drive.filePath("report.csv")));
        writeFile(drive.filePath("setting.ini"), "a larger file that is never taken for the report....");
        QCOMPARE(configure({ drive.path(), "--now", "2026-03-07 14:05:09" }).code, 0);
        QByteArray frame = readAll(drive.filePath("setting.ini"));
        QCOMPARE(frame.mid(36, 4).toHex() + frame.mid(10, 1).toHex(), QByteArray("6309010001")); // 99.9, 1.0

        // An RZ-83K logger writes TXT reports only.
        QByteArray text = readAll(report);
        QVERIFY(text.contains("TL-30-83WQ"));
        writeFile(drive.filePath("report.csv"), text.replace("TL-30-83WQ", "RZ-83K-83WQ"));
        QCOMPARE(configure({ drive.path(), "--no-humidity" }).code, 0);
        frame = readAll(drive.filePath("setting.ini"));
        QCOMPARE(int(frame.at(10)), 2);
        QCOMPARE(frame.mid(36, 6), QByteArray(6, char(0xFF)));
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
