#ifndef CRECORDVIEW_H
#define CRECORDVIEW_H

#include "gui/view/cdatacurve.h"

#include <QWidget>
#include <memory>

class CCurveTracer;
class CRecord;
class CTempDataModel;
class QCustomPlot;
class QHBoxLayout;
class QLabel;
class QMouseEvent;
class QPushButton;
class QTabWidget;
class QTableView;
class SAXYDataTracker;

// One record as the data view (the record just read) and the history detail
// page (a stored record) show it: a title with the record's name, two
// buttons, and three tabs: the summary, the curve and the list of samples.
// The pages differ only in the summary tab, the texts and what their buttons
// do; the curve (with the record's alarm limits and the read-out that
// follows the pointer), the list, the curve's right click and showing a
// record are here.
class CRecordView : public QWidget {
    Q_OBJECT
public:
    // The record shown; null before the first.
    const std::shared_ptr<const CRecord> &record() const { return m_record; }

    // The summary of a record (the page keeps the record for its buttons);
    // the list's temperature header and the curve's axis label follow its
    // unit. Null empties the page: no summary, list or curve stays of the
    // record shown before.
    void showSummary(const std::shared_ptr<const CRecord> &record);
    void showRecordName(const QString &name);
    // The list and the curve of the record shown, in the temperature or the
    // temperature/humidity form by the record. curve: what
    // CDataCurve::prepare() made of it already (off the GUI thread), or null.
    void showSamples(const CDataCurve::Prepared *curve = nullptr);
    // All of it at once: name (first tab shown), summary, list and curve;
    // null empties the page.
    void showRecord(
        const std::shared_ptr<const CRecord> &record, const CDataCurve::Prepared *curve = nullptr);

    // The record's name, cut to the width there is (the whole name in its tip).
    QLabel *titleLabel() const { return m_title; }
    QPushButton *exportPdfButton() const { return m_firstButton; }
    QPushButton *exportCsvButton() const { return m_csvButton; }
    QTabWidget *tabWidget() const { return m_tabs; }
    QTableView *listView() const { return m_list; }
    CTempDataModel *listModel() const { return m_model; }
    // Under the list when the record has more samples than it shows.
    QLabel *listNote() const { return m_listNote; }
    QCustomPlot *plot() const { return m_plot; }
    SAXYDataTracker *homeRanges() const { return m_tracker; }
    CCurveTracer *curveTracer() const { return m_curveTracer; }
    // Under the curve: how many samples it leaves out for their time.
    QLabel *curveNote() const { return m_curveNote; }

public slots:
    // A right click puts the curve back to its home ranges.
    void mousePress(QMouseEvent *mevent);

protected:
    // The object names and texts of one page.
    struct Form {
        const char *objectName;
        const char *titleName;
        QString title;
        const char *firstButtonName;
        QString firstButtonText;
        const char *secondButtonName;
        QString secondButtonText;
        QString csvButtonText; // "Export CSV", beside the two

        const char *tabsName;
        const char *plotName;
        QString curveTabTitle;
        QString listTabTitle;
    };
    CRecordView(const Form &form, QWidget *parent);
    // Puts the page's summary tab in front of the curve and the list.
    void setSummaryTab(QWidget *tab, const QString &title);

    // Fills the page's summary tab; empties it.
    virtual void fillSummary(const CRecord &record) = 0;
    virtual void clearSummary() = 0;

    QPushButton *m_firstButton = nullptr;
    QPushButton *m_secondButton = nullptr;
    QPushButton *m_csvButton = nullptr;

private:
    std::shared_ptr<const CRecord> m_record;
    QLabel *m_title = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableView *m_list = nullptr;
    CTempDataModel *m_model = nullptr;
    QLabel *m_listNote = nullptr;
    QCustomPlot *m_plot = nullptr;
    SAXYDataTracker *m_tracker = nullptr;
    CCurveTracer *m_curveTracer = nullptr;
    QLabel *m_curveNote = nullptr;
    int m_listWidth = 0;
};

#endif // CRECORDVIEW_H
