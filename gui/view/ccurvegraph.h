#ifndef CCURVEGRAPH_H
#define CCURVEGRAPH_H

#include <QVector>
#include <qcustomplot.h>

// One graph of a record's curve. QCPGraph's adaptive sampling chooses what
// is drawn: where the visible samples come two or more to a pixel column,
// each column is drawn by its first, lowest, highest and last value, so that
// no excursion disappears; zoomed in, the line runs through the samples
// themselves again. A column of several values is painted as one bar from
// its lowest to its highest value, as wide as the pen, and only the steps
// between columns as lines: a wide line through every value of the column
// costs the painter a hundred times more and looks the same. On top of that
// the line breaks where the logger stopped (breaks), a lone sample between
// two stops is drawn as a dot, and samples beyond the alarm limits get a red
// mark, thinned like the line to the highest and the lowest of each column.
class CCurveGraph : public QCPGraph {
    Q_OBJECT
public:
    CCurveGraph(QCPAxis *keyAxis, QCPAxis *valueAxis);

    // The points (indices into the graph's data, ascending) that begin a
    // new stretch of the line: no segment joins point i - 1 to point i.
    void setBreaks(const QVector<int> &breaks) { m_breaks = breaks; }
    const QVector<int> &breaks() const { return m_breaks; }

    // The points (indices into the graph's data, ascending) to mark.
    void setAlarmPoints(const QVector<int> &points) { m_alarmPoints = points; }
    const QVector<int> &alarmPoints() const { return m_alarmPoints; }

    // What the graph draws at the present axis ranges, in pixels: the line
    // (a point with a NaN ordinate where it breaks) and the alarm marks.
    QVector<QPointF> drawnLine() const;
    QVector<QPointF> drawnMarks() const;

protected:
    void draw(QCPPainter *painter) override;
    void drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const override;
    void getOptimizedLineData(QVector<QCPGraphData> *lineData,
        const QCPGraphDataContainer::const_iterator &begin,
        const QCPGraphDataContainer::const_iterator &end) const override;

private:
    // The visible points, as indices [from, to).
    bool visiblePoints(int &from, int &to) const;

    QVector<int> m_breaks;
    QVector<int> m_alarmPoints;
};

#endif // CCURVEGRAPH_H
