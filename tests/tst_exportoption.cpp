// The export options dialog: presets, the save button's range check and
// result, a record of one sample or none, run().
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordconfig.h"
#include "gui/export/exportoption.h"
#include "helpers/exportrecords.h"
#include "helpers/testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using namespace ExportRecords;

class TestExportOption : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QTranslator translator;
    CRecord record;
    QStringList boxes; // "icon|title|text|button" of every message box shown
    QTimer answer; // answers the message boxes

    template <typename T> static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(name);
        if (!c)
            qFatal("no %s", name);
        return c;
    }

    // Clicks the named button of the export dialog that the next modal loop
    // shows, its target set to path when one is given.
    void clickInNextDialog(const char *button, const QString &path = QString())
    {
        QTimer::singleShot(0, this, [this, button, path] {
            auto *d = qobject_cast<ExportOption *>(QApplication::activeModalWidget());
            if (!d)
                return clickInNextDialog(button, path);
            if (!path.isEmpty())
                d->findChild<QLineEdit *>("pathEdit")->setText(path);
            d->findChild<QPushButton *>(button)->click();
        });
    }

    static QString range(ExportOption &dialog)
    {
        return child<QDateTimeEdit>(dialog, "startDateTimeEdit")->dateTime().toString("yyyy/MM/dd hh:mm:ss")
            + " - " + child<QDateTimeEdit>(dialog, "endDateTimeEdit")->dateTime().toString("hh:mm:ss");
    }

    static void setRange(ExportOption &dialog, const QTime &from, const QTime &to)
    {
        child<QDateTimeEdit>(dialog, "startDateTimeEdit")->setDateTime(QDateTime(QDate(2024, 3, 5), from));
        child<QDateTimeEdit>(dialog, "endDateTimeEdit")->setDateTime(QDateTime(QDate(2024, 3, 5), to));
    }

private slots:
    void initTestCase()
    {
        applicationDir = tmp.path();
        QVERIFY(translator.load(":/CDravik/dravik_en.qm"));
        QApplication::installTranslator(&translator);
        englishSummary(record.summary, false);
        samples(record.data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
        connect(&answer, &QTimer::timeout, this, [this] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes << QString("%1|%2|%3|%4")
                             .arg(m->icon())
                             .arg(m->windowTitle(), m->text(), m->buttons().value(0)->text());
                m->buttons().value(0)->click();
            }
        });
        answer.start(5);
    }

    void init() { boxes.clear(); }

    // The English texts of the dialog, and the range and target it presets.
    void textsAndPresets()
    {
        ExportOption dialog;
        dialog.setSource(&record);
        QStringList texts { dialog.windowTitle() };
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            texts << b->text();
        for (QGroupBox *g : dialog.findChildren<QGroupBox *>())
            texts << g->title();
        for (QLabel *l : dialog.findChildren<QLabel *>())
            texts << l->text();
        texts.sort();
        QCOMPARE(texts,
            QStringList({ "&cancel", "&save", "Export setting option", "se&lect",
                "start time:", "stop time:", "storage path", "time setting" }));
        QCOMPARE(range(dialog), QString("2024/03/05 08:00:00 - 17:59:00"));
        const QString path = child<QLineEdit>(dialog, "pathEdit")->text();
        QCOMPARE(path, tmp.path() + "/export/7.pdf"); // no name: the trip ID alone
    }

    // The target starts in the folder of the last export, named after the
    // record and its trip (characters a share refuses replaced), never over
    // an earlier file.
    void proposedTarget()
    {
        CRecordConfig::instance()->load();
        CRecord named = record;
        named.name = "EH21050032 dock:B/2";
        QDir().mkpath(tmp.filePath("mail"));
        QStringList written { tmp.filePath("mail/first.pdf"), "", "" };
        for (QString &file : written) {
            ExportOption dialog;
            dialog.setSource(&named);
            if (file.isEmpty())
                file = child<QLineEdit>(dialog, "pathEdit")->text();
            child<QLineEdit>(dialog, "pathEdit")->setText(file);
            child<QPushButton>(dialog, "sureBtn")->click();
            QVERIFY(dialog.result() == QDialog::Accepted && QFile::exists(file));
        }
        const QString mail = tmp.path() + "/mail/EH21050032 dock_B_2_7";
        QCOMPARE(written.mid(1), QStringList({ mail + ".pdf", mail + "-2.pdf" }));
        CRecordConfig::instance()->remember("export/folder", QVariant());
    }

    void saveButton()
    {
        ExportOption dialog;
        dialog.setSource(&record);
        const QString path = tmp.filePath("range.pdf");
        child<QLineEdit>(dialog, "pathEdit")->setText(path);
        dialog.show();

        // Equal start and end: the error, the dialog stays open.
        setRange(dialog, QTime(9, 0), QTime(9, 0));
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(boxes,
            QStringList { QString("%1|Error|stop time could not be early than start time, please reset.|OK")
                              .arg(QMessageBox::Critical) });
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(path));

        // A partial range: written (its content: tst_exportrange), Accepted.
        setRange(dialog, QTime(9, 0), QTime(10, 0));
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible() && QFile::exists(path));
    }

    // The CSV form of the dialog: the layout for the spreadsheet and the trip
    // details.
    void csvLayout()
    {
        ExportOption dialog;
        dialog.setFormat(ExportOption::Csv);
        dialog.setSource(&record);
        auto *layout = child<QComboBox>(dialog, "csvLayoutCombo");
        auto *details = child<QCheckBox>(dialog, "csvTripDetailsCheck");
        layout->setCurrentIndex(1);
        details->setChecked(true);
        const QString path = tmp.filePath("layout.csv");
        child<QLineEdit>(dialog, "pathEdit")->setText(path);
        dialog.show();
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QString text = QString::fromUtf8(readAll(path));
        QVERIFY2(
            text.startsWith(QString::fromUtf8("\xEF\xBB\xBF") + "Device;TL-30\r\nSerial number;ID000123\r\n"),
            qPrintable(text.left(200)));
        QVERIFY2(text.contains("\r\n\r\nNo.;Time;Temperature(°C)\r\n1;2024-03-05 08:00:00;24,8\r\n"),
            qPrintable(text.left(400)));
    }

    // A record of one sample, or of none: the preset range (start = end)
    // is taken (an equal range the user sets is refused: saveButton; the
    // content written: tst_exportrange).
    void presetRangeOfOneSampleOrNone_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one sample") << 1;
        QTest::newRow("no sample") << 0;
    }
    void presetRangeOfOneSampleOrNone()
    {
        QFETCH(int, count);
        CRecord tiny;
        samples(tiny.data, count, "2024/03/05 08:00:00", 60, wavyTemp);
        englishSummary(tiny.summary, false);
        tiny.summary.recordCount = QString::number(count);
        ExportOption dialog;
        dialog.setSource(&tiny);
        QCOMPARE(child<QDateTimeEdit>(dialog, "startDateTimeEdit")->dateTime(),
            child<QDateTimeEdit>(dialog, "endDateTimeEdit")->dateTime());
        const QString path = tmp.filePath(QString("tiny-%1.pdf").arg(count));
        child<QLineEdit>(dialog, "pathEdit")->setText(path);
        dialog.show();
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(boxes, QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(path));
    }

    // run(): the caller's one call; save on the whole range, or cancel; a
    // report that cannot be written is told with the system's reason.
    void run()
    {
        clickInNextDialog("sureBtn");
        QVERIFY(ExportOption::run(nullptr, record));
        clickInNextDialog("cancleBtn");
        QVERIFY(!ExportOption::run(nullptr, record));
        QCOMPARE(boxes, QStringList());
        const QString path = tmp.filePath("no/such/dir/x.pdf");
        clickInNextDialog("sureBtn", path);
        QVERIFY(!ExportOption::run(nullptr, record));
        QCOMPARE(boxes,
            QStringList {
                QString("%1|Error|The PDF file could not be written: %2: No such file or directory|OK")
                    .arg(QMessageBox::Critical)
                    .arg(path) });
    }
};

QTEST_MAIN(TestExportOption)
#include "tst_exportoption.moc"
