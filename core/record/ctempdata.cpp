#include "core/record/ctempdata.h"

CTempData::CTempData(QObject *parent)
    : QObject(parent)
{
}

CTempData::~CTempData()
{
    clear();
}

void CTempData::clear()
{
    qDeleteAll(dataList);
    dataList.clear();
}
