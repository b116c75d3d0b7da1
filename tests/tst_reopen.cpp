// Every report of tests/data/reports (and Chinese TXT reports whose sample
// dates carry year, month and day characters), read through the main window
// as from a logger: the record reopened from the history shows what the data
// view showed, and the exports of the data view, the history page and
// vesmira-cli agree, for the preset range and for part of it.
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/crecordtime.h"
#include "core/record/csummeryparam.h"
#include "core/record/ctempdata.h"
#include "core/record/ctempdatamodel.h"
#include "core/report/gbkcodeutils.h"
#include "gui/app/cdravik.h"
#include "gui/app/cmessagebox.h"
#include "gui/export/exportoption.h"
#include "gui/history/chistoryrecord.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/cdevicedatainfo.h"
#include "helpers/cliprocess.h"
#include "helpers/fakedrives.h"
#include "helpers/pdfreader.h"
#include "helpers/testfiles.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextCodec>
#include <QtTest>
#include <qcustomplot.h>

namespace {

// Where the history detail's summary table shows each value of the data view.
struct SummaryCell {
    int row;
    int column;
    const char *field;
};
const SummaryCell summaryCells[]
    = { { 1, 1, "deviceModel" }, { 1, 4, "deviceNo" }, { 2, 1, "deviceTime" }, { 2, 4, "deviceSensor" },
          { 3, 1, "deviceZone" }, { 5, 1, "recordStartModel" }, { 5, 4, "recordStopModel" },
          { 6, 1, "delayStart" }, { 6, 4, "stopAt" }, { 7, 1, "startAt" }, { 7, 4, "tempHigh" },
          { 8, 1, "normalRecordSpace" }, { 8, 4, "tempLow" }, { 9, 1, "alarmSpace" }, { 10, 1, "alarmDelay" },
          { 10, 4, "isLongPressed" }, { 11, 1, "isRecycleRecord" }, { 11, 4, "isSettingClearRecord" },
          { 12, 1, "isRestart" }, { 12, 4, "lcd_mode" }, { 14, 1, "tempMax" }, { 14, 4, "recordStartAt" },
          { 15, 1, "tempMin" }, { 15, 4, "recordStopAt" }, { 16, 1, "tempAvg" }, { 16, 4, "recordTimes" },
          { 17, 1, "mkt" }, { 17, 4, "recordTimeLen" }, { 18, 1, "alarmTimeLen" }, { 18, 4, "recordCount" },
          { 19, 1, "alarmCount" }, { 19, 4, "wayId" }, { 20, 1, "alarmType" }, { 20, 4, "wayDesc" } };

// A written report as text, without its "created at" line.
QString reportContent(const PdfReader &pdf)
{
    return pdf.dump().remove(QRegularExpression(".* 387 797 Td .*\n"));
}

// The fill colour in force where the label is drawn.
QString fillAt(const QString &content, const QString &label)
{
    const int rg = content.lastIndexOf(" rg\n", content.indexOf(label));
    const int start = content.lastIndexOf('\n', rg) + 1;
    return content.mid(start, rg - start);
}

QString colourName(const QString &styleSheet)
{
    return styleSheet == QLatin1String("color:red")  ? "red"
        : styleSheet == QLatin1String("color:green") ? "green"
                                                     : "";
}

// What a data view or history detail shows beside its summary: title,
// limits, list (values and alarms), curve (points, ranges, label).
template <typename Page> QString shown(Page *page, const CAlarmLimits &l)
{
    const bool humidity = !page->listView()->isColumnHidden(3); // a hidden column is not compared
    QStringList out { page->titleLabel()->text(),
        QString("%1 %2 %3 %4").arg(l.tempHigh).arg(l.tempLow).arg(l.humidityHigh).arg(l.humidityLow),
        page->listModel()->headerData(2, Qt::Horizontal).toString() + (humidity ? "" : " -") };
    CTempDataModel *model = page->listModel();
    for (int row = 0; row < model->rowCount(); ++row)
        out << QString("%1 %2 %3 %4")
                   .arg(model->index(row, 1).data().toString(), model->index(row, 2).data().toString())
                   .arg(model->isTemperatureAlarm(row))
                   .arg(humidity ? model->index(row, 3).data().toString()
                               + QString::number(model->isHumidityAlarm(row))
                                 : "");
    QCustomPlot *plot = page->plot();
    for (QCPAxis *axis : { plot->xAxis, plot->yAxis, plot->yAxis2 })
        out << QString("%1 %2 %3").arg(axis->range().lower).arg(axis->range().upper).arg(axis->label());
    out << QString("%1 graphs, %2 points").arg(plot->graphCount()).arg(plot->graph(0)->dataCount());
    return out.join('\n');
}

} // namespace

class TestReopen : public QObject {
    Q_OBJECT

    QTemporaryDir appDir;
    QTemporaryDir work;
    FakeDrives drives;
    QTranslator translator;
    QStringList messages;
    int loggers = 0;
    QString plugged; // the drive of the row under test

    // A Chinese TXT fixture with its sample dates printed as 2021年05月06日.
    QString withChineseSampleDates(const QString &fixture)
    {
        QStringList lines
            = GbkCodeUtils::fromGbk(readAll(QStringLiteral(VESMIRA_TEST_DATA "/reports/") + fixture))
                  .split("\r\n");
        bool table = false;
        for (QString &line : lines) {
            QStringList fields = line.split('\t');
            if (!table) {
                table = fields.size() >= 4 && fields.first().contains("序列号")
                    && fields.last().contains("报警");
                continue;
            }
            if (fields.size() > 2) {
                fields[2] = QDate::fromString(fields[2], "yyyy/MM/dd").toString("yyyy年MM月dd日");
                line = fields.join('\t');
            }
        }
        const QString path = work.filePath(QFileInfo(fixture).completeBaseName() + "-dated.txt");
        return writeFile(path, GbkCodeUtils::toGbk(lines.join("\r\n"))) ? path : QString();
    }

    // Runs an entry point that opens the export dialog: the range stays as
    // preset (from invalid) or becomes [from, to], the target is set and
    // saved; a dialog that stays open (the range refused) is cancelled.
    void exportThroughDialog(
        const std::function<void()> &open, const QString &target, const QDateTime &from, const QDateTime &to)
    {
        bool done = false;
        QTimer timer;
        // The range error is a box of its own, shown while the dialog's timer
        // is still busy: another timer answers it.
        QTimer boxes;
        connect(&boxes, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->buttons().value(0)->click();
            }
        });
        boxes.start(5);
        connect(&timer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<ExportOption *>(QApplication::activeModalWidget());
            if (!dialog || done)
                return;
            done = true;
            dialog->findChild<QLineEdit *>("pathEdit")->setText(target);
            if (from.isValid()) {
                dialog->findChild<QDateTimeEdit *>("startDateTimeEdit")->setDateTime(from);
                dialog->findChild<QDateTimeEdit *>("endDateTimeEdit")->setDateTime(to);
            }
            dialog->findChild<QPushButton *>("sureBtn")->click();
            if (dialog->isVisible())
                dialog->findChild<QPushButton *>("cancleBtn")->click();
        });
        timer.start(5);
        open();
        timer.stop();
    }

private slots:
    void initTestCase()
    {
        applicationDir = appDir.path();
        languageCode = "en";
        GbkCodeUtils::instance()->load(VESMIRA_APP_DIR "/config/gbk_code.txt");
        QVERIFY(translator.load(":/CDravik/dravik_en.qm"));
        QCoreApplication::installTranslator(&translator);
        drives.exportEnvironment();
        CMessageBox::setHandler([this](const CMessageBox::Request &request) {
            messages << request.text;
            return QMessageBox::Ok;
        });
    }

    void readReopenExport_data()
    {
        QTest::addColumn<QString>("report");
        const QStringList fixtures = QDir(VESMIRA_TEST_DATA "/reports")
                                         .entryList({ "*.csv", "*.txt", "*.pdf" }, QDir::Files, QDir::Name);
        QVERIFY(fixtures.size() >= 12);
        for (const QString &name : fixtures)
            QTest::newRow(qPrintable(name)) << QStringLiteral(VESMIRA_TEST_DATA "/reports/") + name;
        for (const char *name : { "zh-temp.txt", "zh-th.txt" }) {
            const QString dated = withChineseSampleDates(name);
            QVERIFY(!dated.isEmpty());
            QTest::newRow(qPrintable(QString(name) + " dated 年月日")) << dated;
        }
    }

    void readReopenExport()
    {
        QFETCH(QString, report);
        messages.clear();

        // 1. Read from a logger drive.
        CDravik window;
        const QString root = plugged = drives.addDrive(QString("LOGGER%1").arg(++loggers), "STM");
        FakeDrives::write(root + "/setting.ini", QByteArray(102, '\0'));
        QVERIFY(QFile::copy(report, root + "/" + QFileInfo(report).fileName()));
        drives.plug(root);
        QTRY_VERIFY_WITH_TIMEOUT(
            window.loggerRead() && window.rightStack()->currentWidget() == window.dataPage(), 5000);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('|')));
        const CTempData &samples = window.record()->data;
        QVERIFY(samples.size() > 10);
        // The report of a record in "中文" is written in Chinese.
        const bool english = !window.record()->summary.language.contains("中");
        CDeviceDataInfo *view = window.dataPage();

        // Every sample time reads as a time (the Chinese date form of a
        // Chinese text report is kept as printed), and every sample is
        // plotted.
        for (const TempDataItem &item : samples)
            QVERIFY2(CRecordTime::fromText(item.recordTime).isValid(), qPrintable(item.recordTime));
        QCOMPARE(view->plot()->graph(0)->dataCount(), samples.size());

        // 2. Open the stored record on the history page.
        window.HistoryRecordAction(false);
        CHistoryRecord *list = window.historyList();
        QVERIFY(list->table()->rowCount() > 0);
        list->OnHistoryCellDoubleClick(0, 0); // newest first: the record just read
        CHistoryRecordContent *detail = window.historyDetail();
        QCOMPARE(detail->titleLabel()->text(), view->titleLabel()->text());
        QTableWidget *table = detail->summaryTable();

        // Summary lines, alarm colours.
        for (const SummaryCell &cell : summaryCells)
            QVERIFY2(table->item(cell.row, cell.column)->text() == view->valueLabel(cell.field)->text(),
                qPrintable(QString("%1: \"%2\" shown as \"%3\"")
                               .arg(cell.field, view->valueLabel(cell.field)->text(),
                                   table->item(cell.row, cell.column)->text())));
        const QString alarmColour = colourName(view->valueLabel("alarmCount")->styleSheet());
        QVERIFY(!alarmColour.isEmpty());
        for (const char *field : { "alarmTimeLen", "alarmCount", "alarmType" }) {
            QCOMPARE(colourName(view->captionLabel(field)->styleSheet()), alarmColour);
            QCOMPARE(colourName(view->valueLabel(field)->styleSheet()), alarmColour);
        }
        for (int row = 18; row <= 20; ++row) {
            QCOMPARE(table->item(row, 0)->foreground().color(), QColor(alarmColour));
            QCOMPARE(table->item(row, 1)->foreground().color(), QColor(alarmColour));
        }

        // Limits, the list with its colours, the curve.
        QCOMPARE(shown(detail, detail->record()->limits), shown(view, window.record()->limits));

        // 3. Exports of the preset range and of samples 4 to 10 from the data
        // view, the history page and vesmira-cli: one report each time.
        const QString from = samples.recordTime(3);
        const QString to = samples.recordTime(9);
        const QString stem = work.filePath(QString::number(loggers));
        for (const bool partial : { false, true }) {
            const QDateTime start = partial ? CRecordTime::fromText(from).toDateTime() : QDateTime();
            const QDateTime end = partial ? CRecordTime::fromText(to).toDateTime() : QDateTime();
            const QString suffix = partial ? "-part.pdf" : "-whole.pdf";
            const QStringList paths
                = { stem + "-view" + suffix, stem + "-history" + suffix, stem + "-cli" + suffix };
            messages.clear();
            exportThroughDialog([view] { view->OnExportPdfBtnClick(); }, paths[0], start, end);
            exportThroughDialog([detail] { detail->OnExportPdfBtnClick(); }, paths[1], start, end);
            QCOMPARE(messages, (QStringList { "File exported successfully", "File export success" }));
            const QStringList range = partial ? QStringList { "--from", from, "--to", to } : QStringList();
            QCOMPARE(runCli(QStringList { "export", window.localReportPath(), paths[2] } + range).code, 0);

            QString first;
            for (const QString &path : paths) {
                PdfReader pdf;
                QVERIFY2(pdf.load(path), qPrintable(path + ": " + pdf.error));
                QVERIFY(pdf.count >= 2);
                const QString content = reportContent(pdf);
                // The alarm labels in the colour of the data view.
                const QString label = english ? "(Alarm Data Points:)" : QString::fromUtf8("\"报警条数：\"");
                QVERIFY(content.contains(label));
                QCOMPARE(fillAt(content, label), QString(alarmColour == "red" ? "1 0 0" : "0 1 0"));
                if (first.isEmpty())
                    first = content;
                else
                    QVERIFY2(content == first, qPrintable(path + " differs from the data view's export"));
            }
        }
    }

    void cleanup()
    {
        if (!plugged.isEmpty())
            drives.unplug(plugged);
        plugged.clear();
    }
};

QTEST_MAIN(TestReopen)
#include "tst_reopen.moc"
