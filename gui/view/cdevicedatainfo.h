#ifndef CDEVICEDATAINFO_H
#define CDEVICEDATAINFO_H

#include "gui/view/crecordview.h"

class QGridLayout;
class QProgressBar;

// The data view: the record read last, as summary (caption and value labels
// in three groups), curve and list, with its export and the save-as of the
// logger's own report.
class CDeviceDataInfo : public CRecordView {
    Q_OBJECT
public:
    explicit CDeviceDataInfo(QWidget *parent = nullptr);

    // The value and caption label of a summary field (by name, e.g. "alarmCount").
    QLabel *valueLabel(const QString &field) const;
    QLabel *captionLabel(const QString &field) const;
    QProgressBar *batteryBar() const { return m_battery; }

public slots:
    void OnExportPdfBtnClick();
    void OnSaveAsPdfPathBtnClick();
    void OnExportCsvBtnClick();

protected:
    void fillSummary(const CRecord &record) override;
    void clearSummary() override;

private:
    QWidget *buildSummaryTab();
    QProgressBar *m_battery = nullptr;
};

#endif // CDEVICEDATAINFO_H
