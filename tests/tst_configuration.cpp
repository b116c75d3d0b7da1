// The configuration frame, the write to the logger drive, templates and
// `vesmira-cli configure`. Expected bytes come from the byte tables in this
// file and from the annotated reference frames in tests/data/frames.
#include "core/configuration/cconfigtemplate.h"
#include "core/configuration/cconfigvalues.h"
#include "core/configuration/cconfigwriter.h"
#include "core/configuration/csettingframe.h"
#include "core/record/appglobals.h"
#include "core/record/cdevicesettinginfo.h"
#include "helpers/cliprocess.h"
#include "helpers/configtemplates.h"
#include "helpers/framefile.h"
#include "helpers/testfiles.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <csignal>
#include <functional>
#include <limits>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>

namespace {

const QDateTime saturday(QDate(2026, 3, 7), QTime(14, 5, 9));
const CConfigWriter::Environment plain { saturday, "", false };

// The bytes of frame at the offsets of wanted ("offset=hex ..."), in the same form.
QString bytesAt(const QByteArray &frame, const QString &wanted)
{
    QStringList out;
    for (const QString &item : wanted.split(' ')) {
        const int at = item.section('=', 0, 0).toInt();
        out << QString("%1=%2").arg(at).arg(QString(frame.mid(at, item.section('=', 1).size() / 2).toHex()));
    }
    return out.join(' ');
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

// A template loaded onto the page as constructed on Saturday, in one line.
QString loaded(const QString &path, const QDateTime &now)
{
    CConfigValues values = CConfigValues::defaults(saturday);
    return CConfigTemplate::load(path, values, now) == CConfigTemplate::LoadResult::Loaded ? text(values)
                                                                                           : "not loaded";
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

    void frameFields()
    {
        namespace F = CSettingFrame;
        // Limit values: the integer part with the sign in bit 7, then the
        // tenths (25.96 caps them at 9, 0.25 rounds half away from zero, -0.5
        // keeps its sign). A ℉ limit goes in as the exact tenth of ℃ it stands
        // for, even where the plain conversion lies a hair below it.
        QStringList celsius, fahrenheit;
        for (double c : { 70.0, -30.0, 25.96, -12.34, 0.25, -0.5, -0.04, 127.9, 99.9 })
            celsius << F::limitBytes(c).toHex();
        for (double f : { 158.0, 0.0, 33.8, 26.6, 37.4, 42.8, 51.8, 71.6, 80.6, 129.2, 32.0, 31.0 })
            fahrenheit << F::limitBytes(F::celsiusFromFahrenheit(f)).toHex();
        QCOMPARE(celsius.join(' '), QString("4600 9e00 1909 8c03 0003 8005 0000 7f09 6309"));
        QCOMPARE(
            fahrenheit.join(' '), QString("4600 9108 0100 8300 0300 0600 0b00 1600 1b00 3600 0000 8006"));

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

        QCOMPARE(F::clockBytes(saturday).toHex(), QByteArray("1a03070e050906"));
        QCOMPARE(F::clockBytes(QDateTime(QDate(2026, 3, 8), QTime(0, 0))).right(1).toHex(),
            QByteArray("07")); // Sunday

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
    }

    // Every refusal leaves the old setting.ini as it was, and the intervals
    // are corrected only once the checks passed.
    void refusals()
    {
        QTemporaryDir drive;
        const QString path = CConfigWriter::settingFilePath(drive.path());
        QVERIFY(writeFile(path, "old"));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const QDateTime y1999(QDate(1999, 12, 31), QTime(23, 59, 59));
        using W = CConfigWriter;
        using V = CConfigValues &;
        using E = W::Environment &;
        const auto A = W::Advanced, B = W::Basic;
        struct Case {
            const char *name;
            W::Mode mode;
            W::Status status;
            std::function<void(V, E)> edit;
        };
        const QVector<Case> cases = {
            { "7-character trip ID", A, W::TripIdLength, [](V v, E) { v.tripId = "ABC1234"; } },
            { "9-character trip ID", A, W::TripIdLength, [](V v, E) { v.tripId = "ABC123456"; } },
            { "basic trip ID", B, W::TripIdLength, [](V v, E) { v.basicTripId = "SHORT"; } },
            { "33 characters", A, W::DescriptionTooLong, [](V v, E) { v.description = QString(33, 'x'); } },
            { "17 Chinese characters", A, W::DescriptionTooLong,
                [](V v, E) { v.description = QString::fromUtf8("行").repeated(17); } },
            // Full-width punctuation is no Chinese character for the flag but
            // takes two bytes.
            { "17 full-width commas", A, W::DescriptionTooLong,
                [](V v, E) { v.description = QString::fromUtf8("，").repeated(17); } },
            { "temperature limits reversed", A, W::TempLimitsReversed, [](V v, E) { v.tempLow = 70.1; } },
            { "humidity limits reversed", A, W::HumidityLimitsReversed,
                [](V v, E e) { v.humidityLow = 99.9, v.humidityHigh = 99.8, e.humidity = true; } },
            { "beyond the 7-bit integer part", A, W::ValueOutOfRange, [](V v, E) { v.tempHigh = 128.0; } },
            { "calibration in F beyond it", A, W::ValueOutOfRange,
                [](V v, E) { v.fahrenheit = true, v.tempHigh = 100, v.tempLow = 0, v.tempAdjust = -300; } },
            { "NaN upper limit", A, W::NotANumber, [&](V v, E) { v.tempHigh = nan; } },
            { "NaN lower limit", A, W::NotANumber, [&](V v, E) { v.tempLow = nan; } },
            { "infinite calibration", A, W::NotANumber, [&](V v, E) { v.tempAdjust = -inf; } },
            { "infinite humidity limit", A, W::NotANumber,
                [&](V v, E e) { v.humidityHigh = inf, e.humidity = true; } },
            { "NaN humidity calibration", A, W::NotANumber,
                [&](V v, E e) { v.humidityAdjust = nan, e.humidity = true; } },
            { "NaN basic limit", B, W::NotANumber, [&](V v, E) { v.basicTempLow = nan; } },
            { "NaN basic humidity limit", B, W::NotANumber,
                [&](V v, E e) { v.basicHumidityHigh = nan, e.humidity = true; } },
            { "clock in 1900", A, W::YearOutOfRange, [](V, E e) { e.now.setDate(QDate(1900, 1, 1)); } },
            { "clock in 9999", B, W::YearOutOfRange, [](V, E e) { e.now.setDate(QDate(9999, 1, 1)); } },
            { "clock in 1999", A, W::YearOutOfRange, [&](V, E e) { e.now = y1999; } },
            { "timed start in 2256", A, W::YearOutOfRange,
                [&](V v, E) { v.startTime = QDateTime(QDate(2256, 1, 1), QTime(0, 0)); } },
            { "timed stop in 1999", A, W::YearOutOfRange, [&](V v, E) { v.stopTime = y1999; } },
            { "drive gone", A, W::DeviceUnavailable, [](V, E) {} },
        };
        for (const Case &c : cases) {
            CConfigValues values = CConfigValues::defaults(saturday);
            values.normalInterval = values.basicNormalInterval = 65;
            W::Environment env = plain;
            c.edit(values, env);
            const QString root = c.status == W::DeviceUnavailable ? drive.path() + "/gone" : drive.path();
            QVERIFY2(W::write(values, c.mode, root, env) == c.status, c.name);
            QVERIFY2(readAll(path) == "old", c.name);
            QVERIFY2(values.normalInterval == 65 && values.basicNormalInterval == 65, c.name);
        }
        CConfigValues values = CConfigValues::defaults(saturday);
        QCOMPARE(W::write(values, A, QString(), plain), W::DeviceUnavailable);

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
        W::Environment env = plain;
        env.now = values.startTime;
        QCOMPARE(W::buildFrame(values, A, drive.path(), env, &frame), W::Written);
        const QString written = "14=0001010000 20=ff0c1f173b 30=46004600 36=ffffffffffff";
        QCOMPARE(bytesAt(frame, written), written);
        values.startTime = QDateTime(QDate(2256, 1, 1), QTime(0, 0));
        QCOMPARE(W::buildFrame(values, B, drive.path(), env, &frame), W::Written);

        // A full description: 32 bytes of GBK at offset 55, no terminator
        // before the trip ID; the flag at 97 is 1 for no Chinese character.
        for (const QString &description :
            { QString("abcdefghijklmnopqrstuvwxyz012345"), QString::fromUtf8("行程描述").repeated(4) }) {
            values = CConfigValues::defaults(saturday);
            values.description = description;
            QCOMPARE(W::buildFrame(values, A, drive.path(), plain, &frame), W::Written);
            const bool ascii = description.startsWith('a');
            const QString wanted = "55="
                + (ascii ? description.toLatin1().toHex() : QByteArray("d0d0b3ccc3e8caf6").repeated(4))
                + "5843303030303030 97=0" + QString::number(ascii);
            QCOMPARE(bytesAt(frame, wanted), wanted);
        }
    }

    // A drive that takes fewer than 102 bytes (as a full or pulled-out drive
    // does): the file size limit makes every write beyond 50 bytes fail.
    void shortWriteIsReported()
    {
        QTemporaryDir small;
        CConfigValues values = CConfigValues::defaults(saturday);
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = saved;
        limited.rlim_cur = 50;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const CConfigWriter::Status status
            = CConfigWriter::write(values, CConfigWriter::Advanced, small.path(), plain);
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
            = CConfigWriter::write(values, CConfigWriter::Advanced, mountPoint, plain);
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
        // start; limits stay in ℉; the intervals are corrected at write time
        // only. Saved again and reloaded: the same page.
        const QString f = dir.filePath("f.ini"), copy = dir.filePath("copy.ini");
        QVERIFY(writeTemplateF(f));
        const QString fText
            = "F TRIP2026 [Cold chain 7] start 2 +0 2026/03/08 06:30 stop 1 2026/03/20 18:00 every "
              "300/65 delay 10 limits 46.4 33.8 0.9 85.5 20 1.5 EN type 2 options 11011";
        QCOMPARE(loaded(f, later), fText);
        // The same template as Qt before 5.6 saved it, its times as
        // "@Variant(...)" (local time as Qt 5.0 to 5.5 and as Qt 4 marked
        // it): the same page, the times as Qt itself reads them.
        const QString older = VESMIRA_TEST_DATA "/templates/fahrenheit-humidity-qt55.ini";
        CConfigValues olderValues = CConfigValues::defaults(saturday);
        QVERIFY(CConfigTemplate::load(older, olderValues, later) == CConfigTemplate::LoadResult::Loaded);
        QCOMPARE(text(olderValues), fText);
        const QSettings trusted(older, QSettings::IniFormat);
        QCOMPARE(olderValues.startTime, trusted.value("base/startDateTimeEdit").toDateTime());
        QCOMPARE(olderValues.stopTime, trusted.value("base/stopDateTimeEdit").toDateTime());
        CConfigValues values = CConfigValues::defaults(saturday);
        CConfigTemplate::load(f, values, later);
        QVERIFY(CConfigTemplate::save(copy, values));
        QCOMPARE(loaded(copy, later), fText);
        QSettings saved(copy, QSettings::IniFormat);
        QCOMPARE(saved.value("base/temp-unit").toInt() * 10 + saved.value("export/file-lan").toInt(), 22);
        QCOMPARE(saved.childGroups(), QStringList({ "alarm", "base", "export", "option" }));

        // Start mode 0: start time now and no delay; stop mode 0: stop time now.
        QSettings(f, QSettings::IniFormat).setValue("base/startTypeCb", 0);
        QSettings(f, QSettings::IniFormat).setValue("base/stopTypeCb", 0);
        QCOMPARE(loaded(f, later).section(' ', 5, 13),
            QString("start 0 +0 2026/05/01 10:00 stop 0 2026/05/01 10:00"));

        // Missing keys give 0 and empty texts, as far as the controls take
        // them; missing times stay as they were; overlong texts are cut.
        const QString sparse = dir.filePath("sparse.ini");
        QVERIFY(writeFile(sparse,
            "[base]\nstartTypeCb=2\nstopTypeCb=1\nrunwayIdTxt=ABCDEFGHIJK\nrunwayDescTxt="
                + QByteArray(40, 'd') + "\n[alarm]\ntempHighSpinBox=25.96\n[option]\nlcdLightComboBox=7\n"));
        QCOMPARE(loaded(sparse, later),
            "C ABCDEFGH [" + QString(32, 'd')
                + "] start 2 +0 2026/03/07 14:05 stop 1 2026/03/07 14:05 every 10/10 delay 0 limits 26 0 0 1 "
                  "1 0 ZH type 0 options 0000-1");
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
        QVERIFY(writeFile(d + "/A.INI", "1") && writeFile(d + "/x.tmp.ini", "12")
            && writeFile(d + "/notes.txt", "1"));
        QVERIFY(QDir(d).mkdir("dir.ini") && QFile::link(d + "/b.ini", d + "/link.ini"));
        QCOMPARE(CConfigTemplate::pageList(d), QStringList({ "a.ini", "b.ini" }));
        const QStringList managed = CConfigTemplate::managerList(d);
        QCOMPARE(QSet<QString>(managed.begin(), managed.end()),
            QSet<QString>({ "A.INI", "x.tmp.ini", "a.ini", "b.ini", "dir.ini" }));
        QVERIFY(managed.indexOf("A.INI") < managed.indexOf("b.ini")
            && managed.indexOf("b.ini") < managed.indexOf("a.ini"));
        QCOMPARE(CConfigTemplate::rename(d, "a.ini", "b"), R::Exists);
        QCOMPARE(CConfigTemplate::rename(d, "gone.ini", "d"), R::Failed);
        QCOMPARE(loaded(d + "/a.ini", saturday).section(' ', 1, 1), QString("XC000000"));
        // No field can hold a number that is none: nothing is loaded.
        for (const char *key : { "tempHighSpinBox", "tempLowSpinBox", "adjustTempSpinBox",
                 "humidityHighSpinBox", "humidityLowSpinBox", "humidityAdjSpinBox" }) {
            for (const char *number : { "nan", "inf", "-inf" }) {
                QVERIFY(writeFile(d + "/n.ini", QByteArray("[alarm]\n") + key + "=" + number + "\n"));
                CConfigValues v = CConfigValues::defaults(saturday);
                QVERIFY2(CConfigTemplate::load(d + "/n.ini", v, saturday)
                        == CConfigTemplate::LoadResult::NotANumber,
                    key);
            }
        }
    }

    void pageValuesFromDeviceInfo()
    {
        const QDateTime now(QDate(2026, 1, 2), QTime(3, 4));
        // In the order of CDeviceSettingInfo: mkt, trip ID and description,
        // start and stop mode, delay, stop and start time, file type,
        // language, unit, limits and calibrations (high, humidity high, low,
        // humidity low, temperature, humidity), intervals, alarm delay,
        // circular, long-press clear, multiple start, clear records, display.
        CDeviceSettingInfo info { "", "TRIP12345", QString::fromUtf8("冷").repeated(20), "Manual+Delay",
            "Timing", "30", " 2026/02/03 04:05 ", "", "csv", "EN", "°F", "30.0", "80.0", "2.0", "0", "-5", "",
            "900", "90", "abc", "OFF", "", "否", "ON", "Automatic OFF", 1, 1 };
        CConfigValues v = CConfigValues::defaults(saturday);
        v.fillFromDeviceInfo(info, now);
        // The logger keeps its calibration in ℃: -5 ℃ is shown as -9 ℉.
        QCOMPARE(text(v),
            "F TRIP1234 [" + QString::fromUtf8("冷").repeated(16)
                + "] start 1 +30 2026/01/02 03:04 stop 1 2026/02/03 04:05 every 900/90 delay 0 limits 30 2 "
                  "-9 "
                  "80 1 0 EN type 2 options 01010");
        // Without humidity the humidity fields stay as they were.
        info.tempUnit = "°C";
        info.humidityHigh = "50";
        info.containHumidity = 0;
        v.humidityAdjust = 2.5;
        v.fillFromDeviceInfo(info, now);
        QCOMPARE(text(v).section(' ', 16, 22), QString("limits 30 2 -5 80 1 2.5"));

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
        QVERIFY(CConfigValues::txtOnlyModel("XRZ-83P") && !CConfigValues::txtOnlyModel("RZ-83"));
    }

    // vesmira-cli configure DRIVE --now "2026-03-07 14:05:09" with a row's
    // arguments (GONE: a drive that is not there, NONE: no drive), its
    // template (F and C: those of the reference frames) and its report on
    // the drive, over an old setting.ini. Written: the success message and
    // the reference frame or the bytes named ("offset=hex ..."). Refused:
    // exit 2, the message (or its beginning, up to "..."), nothing on
    // stdout, the old file intact.
    void cliConfigure_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QStringList &args, const QByteArray &ini,
                             const QString &expected, const QByteArray &report = QByteArray()) {
            QTest::newRow(name) << args << ini << report << expected;
        };
        row("page defaults", { "--zone", "(UTC+05:30) Chennai" }, "", "advanced-defaults.hex");
        row("F template with humidity", { "--humidity", "--zone", "(UTC-05:00) Eastern Time (US & Canada)" },
            "F", "advanced-fahrenheit-humidity.hex");
        row("C template without humidity", { "--no-humidity", "--zone", "(UTC+09:30) Adelaide" }, "C",
            "advanced-celsius-chinese.hex");
        // GBK description, Chinese flag, no report: no humidity.
        row("F template, trip ID and description replaced",
            { "--trip-id", "CHINA001", "--desc", QString::fromUtf8("冷链运输"), "--zone",
                "(UTC+09:30) Adelaide" },
            "F", "87=4348494e41303031 55=c0e4c1b4d4cbcae4 97=00 36=ffffffffffff");
        // The report decides humidity (99.9 and 1.0) unless a flag does; an
        // RZ-83K logger writes TXT reports only. setting.ini is never taken
        // for the report.
        QByteArray report = readAll(VESMIRA_TEST_DATA "/reports/en-th.csv");
        row("humidity from the report", {}, "", "10=01 36=63090100", report);
        row("TXT-only model", { "--no-humidity" }, "", "10=02 36=ffffffffffff",
            report.replace("TL-30-83WQ", "RZ-83K-83WQ"));

        // A refusal prints its English text (the refusals themselves: refusals()).
        row("humidity limits reversed", { "--humidity" },
            "[base]\nrunwayIdTxt=ABCDEFGH\n[alarm]\nhumidityHighSpinBox=10\nhumidityLowSpinBox=20\n",
            "The upper limit of humidity cannot be less than the lower limit of humidity\n");
        row("no drive", { "GONE" }, "", "Logger device unavailable\n");
        row("no drive named", { "NONE" }, "", "usage: vesmira-cli configure DRIVE_ROOT...");
        row("bad time", { "--now", "07.03.2026" }, "",
            "vesmira-cli: --now needs a time \"yyyy-MM-dd hh:mm:ss\"\n");
        row("bad trip ID", { "--trip-id", "AB-12345" }, "",
            "vesmira-cli: --trip-id takes letters and digits only\n");

        // A template is an INI file anyone can edit; QSettings decodes values
        // written as "@DateTime(...)" or "@Variant(...)" as binary data of any
        // type, and a count in it used to exhaust the memory (the command
        // aborted). Damaged templates are refused; the times stay readable.
        const QByteArray list = "@DateTime(\\0\\0\\0\\v\\0 eic)"; // a string list of 543,516,003 entries
        const QString damaged = "vesmira-cli: TEMPLATE: damaged template\n";
        row("list element", {}, "[alarm]\ntempHighSpinBox=1, " + list + "\n", damaged);
        row("quoted", {}, "[alarm]\ntempHighSpinBox=a,\"" + list + "\"\n", damaged);
        row("octal @", {}, "[base]\nrunwayDescTxt=\\100" + list.mid(1) + "\n", damaged);
        row("continued line", {}, "[option]\nrestartComboBox=\\\n" + list + "\n", damaged);
        row("after a carriage return", {}, "[base]\nspinBox=1\rspinBox=2, " + list + "\n", damaged);
        row("variant", {}, "[alarm]\ntempHighSpinBox=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\n", damaged);
        // Qt before 5.6 wrote times as "@Variant(...)": a date-time is read
        // (here 2026-03-08 06:30 UTC, in the quotes QSettings writes around a
        // value holding ",", ";" or "="), any other type or a named zone is
        // refused.
        const QByteArray time = "[base]\nrunwayIdTxt=ABCDEFGH\nstartTypeCb=2\nstartDateTimeEdit=";
        row("older time", {}, time + "\"@Variant(\\0\\0\\0\\x10\\0%\\x8d\\xb4\\x1\\x65\\xe@\\x2)\"\n",
            "12=03001a0308061e");
        row("older time in a named zone", {},
            time + "@Variant(\\0\\0\\0\\x10\\0%\\x8d\\xb4\\x1\\x65\\xe@\\x4)\n", damaged);
        row("older string", {}, time + "@Variant(\\0\\0\\0\\n\\0\\0\\0\\x2\\0x)\n", damaged);
        // The time is not one: the field keeps its start value, now. A
        // carriage return ends a line as a newline does.
        row("time of the page", {},
            "[base]\nrunwayIdTxt=ABCDEFGH\nstartTypeCb=2\rstartDateTimeEdit=" + list + "\n",
            "12=03001a03070e05");
    }

    void cliConfigure()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, report);
        QFETCH(QString, expected);
        QTemporaryDir work;
        const QString drive = work.filePath("drive"), tpl = work.filePath("t.ini");
        QVERIFY(QDir().mkpath(drive) && writeFile(drive + "/setting.ini", "old"));
        if (!report.isEmpty())
            QVERIFY(writeFile(drive + "/report.csv", report));
        if (!ini.isEmpty()) {
            QVERIFY(ini == "F"   ? writeTemplateF(tpl)
                    : ini == "C" ? writeTemplateC(tpl)
                                 : writeFile(tpl, ini));
            args << "--template" << tpl;
        }
        if (args.value(0) == "NONE")
            args.removeFirst();
        else if (args.value(0) == "GONE")
            args[0] = work.filePath("gone");
        else
            args.prepend(drive);
        const CliResult cli = runCli(QStringList { "configure", "--now", "2026-03-07 14:05:09" } + args);
        const QByteArray frame = readAll(drive + "/setting.ini");
        if (expected.endsWith(".hex") || expected.contains(QRegularExpression("^\\d+="))) {
            QCOMPARE(cli.code, 0);
            QCOMPARE(cli.out,
                QString("Configuration written successfully, please disconnect logger to make configuration "
                        "effective.\n"));
            QString error;
            if (expected.endsWith(".hex"))
                QCOMPARE(
                    firstDifference(frame, readFrameFile(VESMIRA_TEST_DATA "/frames/" + expected, &error)),
                    QString());
            else
                QCOMPARE(bytesAt(frame, expected), expected);
            return;
        }
        QCOMPARE(cli.code, 2);
        QCOMPARE(cli.out, QString());
        expected.replace("TEMPLATE", tpl);
        QCOMPARE(expected.endsWith("...") ? cli.err.left(expected.size() - 3) + "..." : cli.err, expected);
        QCOMPARE(frame, QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
