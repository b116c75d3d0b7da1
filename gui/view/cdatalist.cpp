#include "gui/view/cdatalist.h"

#include "core/record/appglobals.h"
#include "core/record/crecord.h"
#include "core/record/ctempdatamodel.h"

#include <QDebug>
#include <QHeaderView>
#include <QLocale>
#include <QTableView>

void CDataList::setup(QTableView *view, CTempDataModel *model, int pageWidth)
{
    model->setHeaderData(0, Qt::Horizontal, tr("序号"));
    model->setHeaderData(1, Qt::Horizontal, tr("时间"));
    model->setHeaderData(2, Qt::Horizontal, tr("°C"));
    model->setHeaderData(3, Qt::Horizontal, QString());
    view->setModel(model);
    const int w = pageWidth - 100;
    view->setColumnWidth(0, int(0.08 * w));
    view->setColumnWidth(1, int(0.25 * w));
    view->setColumnWidth(2, int(0.2 * w));
    view->setColumnWidth(3, int(0.05 * w));
    view->setColumnHidden(3, true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    // Rows of one height: the view need not measure 48,640 rows.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(26);
}

void CDataList::fill(QTableView *view, CTempDataModel *model, const CTempData &data,
    const CAlarmLimits &limits, bool withHumidity, int pageWidth)
{
    qDebug() << "list size is " << data.size();
    model->setSamples(data, limits.tempHigh, limits.tempLow, limits.humidityHigh, limits.humidityLow);
    if (withHumidity) {
        view->setColumnHidden(3, false);
        view->setColumnWidth(3, int(0.2 * (pageWidth - 100)));
        model->setHeaderData(3, Qt::Horizontal, tr("湿度") + "(%)");
    } else {
        view->setColumnHidden(3, true);
    }
}

QString CDataList::note(const CTempData &data)
{
    const int total = data.size();
    if (total <= CTempDataModel::MaxRows)
        return QString();
    // Grouped digits as the interface language writes them.
    const QLocale locale(languageCode == QLatin1String("en") ? QLocale::English : QLocale::Chinese);
    return tr("仅显示前 %1 条数据，共 %2 条")
        .arg(locale.toString(CTempDataModel::MaxRows), locale.toString(total));
}
