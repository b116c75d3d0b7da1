#ifndef CDATALIST_H
#define CDATALIST_H

#include <QCoreApplication>

struct CAlarmLimits;
class CTempData;
class CTempDataModel;
class QTableView;

// The data list of a record (number, time, temperature, humidity), shared by
// the data view and the history detail page. Texts are the data view's.
class CDataList {
    Q_DECLARE_TR_FUNCTIONS(CDeviceDataInfo)
public:
    // Sets the view up over the model: four columns sized after the page
    // width, the humidity column hidden, whole rows selected, no editing.
    static void setup(QTableView *view, CTempDataModel *model, int pageWidth);

    // Shows the samples, red beyond the limits. With humidity the fourth
    // column is shown.
    static void fill(QTableView *view, CTempDataModel *model, const CTempData &data,
        const CAlarmLimits &limits, bool withHumidity, int pageWidth);

    // What the list leaves out ("Showing the first 48,640 of N samples") for
    // a record longer than the list; empty otherwise.
    static QString note(const CTempData &data);
};

#endif // CDATALIST_H
