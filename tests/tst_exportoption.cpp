#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "gui/export/exportoption.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"

#include <QDateTimeEdit>
#include <QFileDialog>
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
    CSummeryParam &summary = record.summary;
    CTempData &data = record.data;

    // What the message box that the next modal loop shows said; it is
    // closed with its button.
    struct Box {
        QString title, text, button;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    void closeNextMessageBox(Box *box)
    {
        QTimer::singleShot(0, this, [this, box] {
            auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!m) {
                closeNextMessageBox(box); // not shown yet
                return;
            }
            box->title = m->windowTitle();
            box->text = m->text();
            box->icon = m->icon();
            QAbstractButton *ok = m->buttons().value(0);
            box->button = ok ? ok->text() : QString();
            if (ok)
                ok->click();
        });
    }

    // Clicks the named button of the export dialog that the next modal loop
    // shows.
    void clickInNextDialog(const char *button)
    {
        QTimer::singleShot(0, this, [this, button] {
            auto *d = qobject_cast<ExportOption *>(QApplication::activeModalWidget());
            if (d)
                d->findChild<QPushButton *>(button)->click();
            else
                clickInNextDialog(button);
        });
    }

    template <typename T> static T *child(QWidget &w, const char *name)
    {
        T *c = w.findChild<T *>(name);
        if (!c)
            qFatal("no %s", name);
        return c;
    }

private slots:
    void initTestCase()
    {
        applicationDir = tmp.path();
        QVERIFY(translator.load(":/CDravik/dravik_en.qm"));
        QApplication::installTranslator(&translator);
        englishSummary(summary, false);
        samples(data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
    }

    void formAndPresets()
    {
        ExportOption dialog;
        dialog.setSource(&record);
        QCOMPARE(dialog.windowTitle(), QString("Export setting option"));
        QCOMPARE(child<QPushButton>(dialog, "chooseButton")->text(), QString("select"));
        QCOMPARE(child<QPushButton>(dialog, "sureBtn")->text(), QString("save"));
        QCOMPARE(child<QPushButton>(dialog, "cancleBtn")->text(), QString("cancel"));
        QStringList texts;
        for (QGroupBox *g : dialog.findChildren<QGroupBox *>())
            texts << g->title();
        for (QLabel *l : dialog.findChildren<QLabel *>())
            texts << l->text();
        texts.sort();
        QCOMPARE(texts, QStringList({ "start time:", "stop time:", "storage path", "time setting" }));

        auto *start = child<QDateTimeEdit>(dialog, "startDateTimeEdit");
        auto *end = child<QDateTimeEdit>(dialog, "endDateTimeEdit");
        QCOMPARE(start->displayFormat(), QString("yyyy/MM/dd hh:mm:ss"));
        QCOMPARE(start->dateTime(), QDateTime(QDate(2024, 3, 5), QTime(8, 0, 0)));
        QCOMPARE(end->dateTime(), QDateTime(QDate(2024, 3, 5), QTime(17, 59, 0)));
        const QString path = child<QLineEdit>(dialog, "pathEdit")->text();
        QVERIFY2(
            QRegularExpression("^" + QRegularExpression::escape(tmp.path()) + "/export/record-\\d{14}\\.pdf$")
                .match(path)
                .hasMatch(),
            qPrintable(path));
        QVERIFY(QFileInfo(tmp.path() + "/export").isDir());
    }

    void saveButton()
    {
        ExportOption dialog;
        dialog.setSource(&record);
        auto *start = child<QDateTimeEdit>(dialog, "startDateTimeEdit");
        auto *end = child<QDateTimeEdit>(dialog, "endDateTimeEdit");
        auto *pathEdit = child<QLineEdit>(dialog, "pathEdit");
        const QString path = tmp.filePath("range.pdf");
        pathEdit->setText(path);
        dialog.show();

        // Equal start and end: the error, the dialog stays open.
        end->setDateTime(start->dateTime());
        Box box;
        closeNextMessageBox(&box);
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(box.title, QString("Error"));
        QCOMPARE(box.text, QString("stop time could not be early than start time, please reset."));
        QCOMPARE(box.button, QString("OK"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(path));

        // A partial range: written, Accepted.
        start->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 0, 0)));
        end->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.count, 2);
        QCOMPARE(r.pages.at(0).textsAt(147, 425).value(0).bytes, QByteArray("61"));

        // A file that cannot be written: Rejected, no message.
        dialog.show();
        pathEdit->setText(tmp.filePath("no/such/dir/x.pdf"));
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    // A record of one sample, or of none: the preset range (start = end)
    // writes its whole content; an equal range the user sets is refused.
    void presetRangeOfOneSampleOrNone_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QByteArray>("points");
        QTest::newRow("one sample") << 1 << 2 << QByteArray("1");
        QTest::newRow("no sample") << 0 << 1 << QByteArray("0");
    }
    void presetRangeOfOneSampleOrNone()
    {
        QFETCH(int, count);
        QFETCH(int, pages);
        QFETCH(QByteArray, points);
        CRecord tiny;
        samples(tiny.data, count, "2024/03/05 08:00:00", 60, wavyTemp);
        CSummeryParam &one = tiny.summary;
        englishSummary(one, false);
        one.recordCount = QString::number(count);
        ExportOption dialog;
        dialog.setSource(&tiny);
        auto *start = child<QDateTimeEdit>(dialog, "startDateTimeEdit");
        auto *end = child<QDateTimeEdit>(dialog, "endDateTimeEdit");
        QCOMPARE(start->dateTime(), end->dateTime());
        const QString path = tmp.filePath(QString("tiny-%1.pdf").arg(count));
        child<QLineEdit>(dialog, "pathEdit")->setText(path);
        // Every message box is answered and noted.
        QStringList boxes;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&boxes] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes << m->text();
                m->buttons().value(0)->click();
            }
        });
        answer.start(5);
        dialog.show();
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(boxes, QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        PdfReader r;
        QVERIFY2(r.load(path), qPrintable(r.error));
        QCOMPARE(r.count, pages);
        QCOMPARE(r.pages.at(0).textsAt(147, 425).value(0).bytes, points);

        // The same instant chosen by hand: still refused.
        QFile::remove(path);
        dialog.setSource(&tiny);
        dialog.show();
        start->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(9, 0, 0)));
        end->setDateTime(start->dateTime());
        child<QPushButton>(dialog, "sureBtn")->click();
        QCOMPARE(boxes, QStringList { "stop time could not be early than start time, please reset." });
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(path));
        dialog.reject();
    }

    void chooseButtonAndRun()
    {
        ExportOption dialog;
        dialog.setSource(&record);
        auto *pathEdit = child<QLineEdit>(dialog, "pathEdit");
        const QString before = pathEdit->text();
        const QString chosen = tmp.filePath("chosen.pdf");
        QString title;
        QStringList filters;
        std::function<void(bool)> answer = [&](bool accept) {
            QTimer::singleShot(0, this, [&, accept] {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    auto *fd = qobject_cast<QFileDialog *>(w);
                    if (fd && fd->isVisible()) {
                        title = fd->windowTitle();
                        filters = fd->nameFilters();
                        if (accept)
                            fd->selectFile(chosen);
                        accept ? static_cast<QDialog *>(fd)->accept() : fd->reject();
                        return;
                    }
                }
                answer(accept); // not shown yet
            });
        };
        answer(false);
        child<QPushButton>(dialog, "chooseButton")->click();
        QCOMPARE(pathEdit->text(), before);
        QCOMPARE(title, QString("File export position"));
        QCOMPARE(filters, QStringList({ "PDF Files (*.pdf)" }));
        answer(true);
        child<QPushButton>(dialog, "chooseButton")->click();
        QCOMPARE(pathEdit->text(), chosen);

        // run(): the caller's one call; save on the whole range, or cancel.
        clickInNextDialog("sureBtn");
        QVERIFY(ExportOption::run(nullptr, record));
        clickInNextDialog("cancleBtn");
        QVERIFY(!ExportOption::run(nullptr, record));
    }
};

QTEST_MAIN(TestExportOption)
#include "tst_exportoption.moc"
