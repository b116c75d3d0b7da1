#ifndef CCURVETRACER_H
#define CCURVETRACER_H

#include "core/record/ccurvedata.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class CRecord;
class QCPItemStraightLine;
class QCPItemText;
class QCPItemTracer;
class QCPLayer;
class QCustomPlot;
class QMouseEvent;

// The read-out of a record's curve: while the pointer is over the plot, a
// mark on the sample nearest to it and a small label with that sample's time
// and values, exactly as the logger recorded them (the curve may draw a pixel
// column of many samples by its extremes; the read-out names one sample).
//
// Its items live on a layer of their own with its own paint buffer, so that
// following the pointer repaints that layer only, not the 48,640 points of
// the curve below it.
class CCurveTracer : public QObject {
    Q_OBJECT
public:
    explicit CCurveTracer(QCustomPlot *plot, QObject *parent = nullptr);

    // The record and the points just drawn for it (drawing clears the plot's
    // items, so the read-out makes its own again here). Hidden until the
    // pointer moves over the plot.
    void setCurve(const std::shared_ptr<const CRecord> &record, const CCurveData &curve);

    // Puts the read-out on the point nearest to a pointer at pos (widget
    // pixels); hides it when pos is outside the plot's axis rectangle or
    // there is no point. Returns the point shown, or -1.
    int followPointer(const QPointF &pos);
    void hide();

    bool isShown() const { return m_point >= 0; }
    int currentPoint() const { return m_point; }
    // The label's text; empty while hidden.
    QString text() const;
    QCPLayer *layer() const { return m_layer; }

    // The label of one sample: its time, then temperature with the unit
    // sign and, with humidity, the humidity in percent.
    static QString labelText(const TempDataItem &sample, const QString &unitSign, bool withHumidity);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onMouseMove(QMouseEvent *event);

private:
    void createItems();

    QCustomPlot *m_plot = nullptr;
    QCPLayer *m_layer = nullptr;
    std::shared_ptr<const CRecord> m_record;
    CCurveData m_curve;
    QString m_unitSign;
    bool m_humidity = false;
    int m_point = -1;
    QPointer<QCPItemTracer> m_tempMark;
    QPointer<QCPItemTracer> m_humidityMark;
    QPointer<QCPItemStraightLine> m_keyLine;
    QPointer<QCPItemText> m_label;
};

#endif // CCURVETRACER_H
