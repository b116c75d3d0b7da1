#include "gui/export/exportoption.h"

#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/record/crecordconfig.h"
#include "core/record/crecordtime.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/ctaskrunner.h"
#include "gui/export/cexporthook.h"
#include "ui_exportoption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>

ExportOption::ExportOption(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ExportOption)
{
    ui->setupUi(this);
    connect(ui->chooseButton, SIGNAL(clicked()), this, SLOT(OnChooseButtonClick()));
    connect(ui->sureBtn, SIGNAL(clicked()), this, SLOT(OnSureBtnClick()));
    connect(ui->cancleBtn, SIGNAL(clicked()), this, SLOT(reject()));
}

ExportOption::~ExportOption()
{
    delete ui;
}

namespace {
// The folder of the last export, where the next one starts.
const QString FolderKey = QStringLiteral("export/folder");
} // namespace

bool ExportOption::run(QWidget *parent, const CRecord &record, QString *written)
{
    ExportOption dialog(parent);
    dialog.setSource(&record);
    if (dialog.exec() == QDialog::Accepted) {
        if (written)
            *written = dialog.ui->pathEdit->text();
        return true;
    }
    if (dialog.failed) {
        const QString path = QDir::toNativeSeparators(dialog.ui->pathEdit->text());
        const QString why = dialog.exportPdf.error();
        CMessageBox::show(parent, QMessageBox::Critical, tr("cuo wu"),
            tr("PDF wen jian xie ru shi bai: %1")
                .arg(why.isEmpty() ? path : path + QStringLiteral(": ") + why),
            tr("queding"));
    }
    return false;
}

ExportOption::Result ExportOption::runCsv(
    QWidget *parent, const CRecord &record, QString *error, QString *written)
{
    ExportOption dialog(parent);
    dialog.setFormat(Csv);
    dialog.setSource(&record);
    if (dialog.exec() == QDialog::Accepted) {
        if (written)
            *written = dialog.ui->pathEdit->text();
        return Written;
    }
    if (error)
        *error = dialog.exportCsv.error();
    return dialog.failed ? Failed : Cancelled;
}

void ExportOption::setFormat(Format value)
{
    format = value;
    if (format == Csv && !csvGroup) {
        // How the spreadsheet reads the file: separator and decimal mark, and
        // the trip's details above the samples (off: the plain table).
        csvGroup = new QGroupBox(tr("CSV layout"), this);
        csvGroup->setObjectName("csvGroupBox");
        auto *form = new QFormLayout(csvGroup);
        csvLayout = new QComboBox(csvGroup);
        csvLayout->setObjectName("csvLayoutCombo");
        csvLayout->addItem(tr("Comma, decimal point (1.5)"));
        csvLayout->addItem(tr("Semicolon, decimal comma (1,5)"));
        form->addRow(tr("Separator:"), csvLayout);
        csvTripDetails = new QCheckBox(tr("Trip details above the samples"), csvGroup);
        csvTripDetails->setObjectName("csvTripDetailsCheck");
        form->addRow(csvTripDetails);
        ui->mainLayout->insertWidget(ui->mainLayout->indexOf(ui->pathGroupBox) + 1, csvGroup);
    }
    const QString suffix = format == Csv ? QStringLiteral("csv") : QStringLiteral("pdf");
    const QDateTime now = QDateTime::currentDateTime();
    ui->pathEdit->setText(source
            ? CExportRange::proposedTargetPath(
                CRecordConfig::instance()->remembered(FolderKey).toString(), *source, now, suffix)
            : CExportRange::defaultTargetPath(now, suffix));
}

void ExportOption::setSource(const CRecord *record)
{
    source = record;
    if (record && !record->data.isEmpty()) {
        // A time that does not parse leaves the edit at its previous value.
        const QDateTime first = record->data.time(0).toDateTime();
        const QDateTime last = record->data.time(record->data.size() - 1).toDateTime();
        if (first.isValid())
            ui->startDateTimeEdit->setDateTime(first);
        if (last.isValid())
            ui->endDateTimeEdit->setDateTime(last);
    }
    // A record without samples keeps the edits' own 2000/01/01 00:00:00.
    presetStart = ui->startDateTimeEdit->dateTime();
    presetEnd = ui->endDateTimeEdit->dateTime();
    setFormat(format);
}

void ExportOption::OnChooseButtonClick()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("file export postion"), ui->pathEdit->text(),
        format == Csv ? tr("%1 Files (*.%2)").arg(QStringLiteral("CSV"), QStringLiteral("csv"))
                      : tr("%1 Files (*.%2)").arg(QStringLiteral("PDF"), QStringLiteral("pdf")));
    if (!path.isEmpty())
        ui->pathEdit->setText(path);
}

void ExportOption::OnSureBtnClick()
{
    if (!source) {
        reject();
        return;
    }
    const QDateTime startTime = ui->startDateTimeEdit->dateTime();
    const QDateTime endTime = ui->endDateTimeEdit->dateTime();
    const CExportRange::RangeKind kind = startTime == presetStart && endTime == presetEnd
        ? CExportRange::PresetRange
        : CExportRange::ChosenRange;
    if (format == Csv) {
        CExportCsv::Format layout;
        const bool european = csvLayout->currentIndex() == 1;
        layout.separator = european ? ';' : ',';
        layout.decimal = european ? ',' : '.';
        layout.tripDetails = csvTripDetails->isChecked();
        exportCsv = CExportCsv(layout);
    }
    CRecordExporter &exporter = format == Csv ? static_cast<CRecordExporter &>(exportCsv) : exportPdf;
    // In compliance mode the file shows the record's signatures and the
    // audit trail's head, and is audited once written.
    CExportHook *hook = CExportHook::installed();
    if (hook)
        exporter.setSignoff(hook->signoff(source->id));
    // Written on the worker thread; a cancelled export leaves no file and
    // keeps the dialog open.
    CExportRange::Status status = CExportRange::Cancelled;
    const QString path = ui->pathEdit->text();
    CTaskRunner::run(this, tr("Exporting..."), [&](CTaskRunner::Context &c) {
        status = CExportRange::exportRecord(*source, startTime.toSecsSinceEpoch(), endTime.toSecsSinceEpoch(),
            path, exporter, kind, &c.progress);
    });
    if (status == CExportRange::Cancelled)
        return;
    if (status == CExportRange::InvalidRange) {
        QMessageBox box(QMessageBox::Critical, tr("cuo wu"),
            tr("jie su shi jian bu neng zao yu kai shi shi jian  "), QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setText(tr("queding"));
        box.exec();
        return;
    }
    failed = status == CExportRange::WriteFailed;
    if (status == CExportRange::Written) {
        CRecordConfig::instance()->remember(FolderKey, QFileInfo(ui->pathEdit->text()).absolutePath());
        if (hook)
            hook->written(this, source->id, source->reportPath, ui->pathEdit->text());
        accept();
    } else
        reject();
}
