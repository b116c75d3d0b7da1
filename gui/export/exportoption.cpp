#include "gui/export/exportoption.h"

#include "core/export/cexportrange.h"
#include "core/record/crecord.h"
#include "core/record/crecordconfig.h"
#include "core/record/crecordtime.h"
#include "ui_exportoption.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
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
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (written)
        *written = dialog.ui->pathEdit->text();
    return true;
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
    if (record && !record->data.dataList.isEmpty()) {
        // A time that does not parse leaves the edit at its previous value.
        const QDateTime first = record->data.dataList.first()->time.toDateTime();
        const QDateTime last = record->data.dataList.last()->time.toDateTime();
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
    CRecordExporter &exporter = format == Csv ? static_cast<CRecordExporter &>(exportCsv) : exportPdf;
    const CExportRange::Status status = CExportRange::exportRecord(*source, startTime.toSecsSinceEpoch(),
        endTime.toSecsSinceEpoch(), ui->pathEdit->text(), exporter, kind);
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
        accept();
    } else
        reject();
}
