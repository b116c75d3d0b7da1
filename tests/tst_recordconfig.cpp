// CRecordConfig reads record-config.ini once per process, so every case runs
// in a child process of this executable ("--probe DIR") on its own directory.
#include "core/record/appglobals.h"
#include "core/record/crecordconfig.h"
#include "helpers/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int probe(const QString &mode, const QString &dir)
{
    applicationDir = dir;
    CRecordConfig *config = CRecordConfig::instance();
    if (mode == QLatin1String("--setters-first")) {
        // Setters before load must write nothing.
        config->setTempAdjust(1);
        config->setFormLan("1033");
        const bool written = QFile::exists(dir + "/config/record-config.ini");
        config->load();
        QTextStream(stdout) << (written ? "written" : "untouched") << ' ' << languageCode << ' ' << tempAdjust
                            << '\n';
        return 0;
    }
    config->load();
    config->load(); // a second load does nothing
    QTextStream(stdout) << languageCode << ' ' << tempAdjust << '\n';
    if (mode == QLatin1String("--write")) {
        config->setFormLan("1033");
        config->setTempAdjust(1);
    }
    return 0;
}

} // namespace

class TestRecordConfig : public QObject {
    Q_OBJECT

    QString runProbe(const QString &dir, const QString &mode = QStringLiteral("--probe"))
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), { mode, dir });
        if (!child.waitForFinished(30000))
            return QStringLiteral("timeout");
        return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    }

private slots:
    void values_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no configuration folder") << QByteArray() << "zh_CN 0";
        QTest::newRow("english") << QByteArray("[record]\nformLan=1033\n") << "en 0";
        QTest::newRow("chinese") << QByteArray("[record]\nformLan=2052\n") << "zh_CN 0";
        QTest::newRow("other formLan") << QByteArray("[record]\nformLan=en\n") << "zh_CN 0";
        QTest::newRow("tempAdjust 1") << QByteArray("[record]\nformLan=1033\ntempAdjust=1\n") << "en 1";
        QTest::newRow("garbage file") << QByteArray("\x01\x02\xff\xfe garbage") << "zh_CN 0";
    }
    void values()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (!ini.isNull())
            QVERIFY(QDir().mkpath(dir.path() + "/config")
                && writeFile(dir.filePath("config/record-config.ini"), ini));
        QCOMPARE(runProbe(dir.path()), expected);
        // Start-up never creates the file.
        QCOMPARE(QFile::exists(dir.path() + "/config/record-config.ini"), !ini.isNull());
    }

    void settersWriteOnlyAfterLoad()
    {
        QTemporaryDir dir;
        QCOMPARE(runProbe(dir.path(), "--setters-first"), QString("untouched zh_CN 0"));
        QVERIFY(!QFile::exists(dir.path() + "/config/record-config.ini"));

        // After load the setters write both keys (tst_devicesetting has
        // their names), read back by the next start.
        QCOMPARE(runProbe(dir.path(), "--write"), QString("zh_CN 0"));
        QCOMPARE(runProbe(dir.path()), QString("en 1"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]).startsWith("--"))
        return probe(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    TestRecordConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordconfig.moc"
