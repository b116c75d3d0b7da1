#include "core/record/ctempdata.h"

TempDataItem::TempDataItem(const QString &temp, const QString &shidu, const QString &recordTime)
    : temp(temp)
    , shidu(shidu)
    , recordTime(recordTime)
{
    readTime();
}

void TempDataItem::readTime()
{
    time = CRecordTime::fromText(recordTime);
    secs = time.toSecsSinceEpoch();
}

CTempData::~CTempData()
{
    clear();
}

CTempData::CTempData(const CTempData &other)
{
    *this = other;
}

CTempData &CTempData::operator=(const CTempData &other)
{
    if (this == &other)
        return *this;
    clear();
    dataList.reserve(other.dataList.size());
    for (const TempDataItem *item : other.dataList)
        dataList.append(new TempDataItem(*item));
    return *this;
}

CTempData::CTempData(CTempData &&other) noexcept
    : dataList(std::move(other.dataList))
{
    other.dataList.clear();
}

CTempData &CTempData::operator=(CTempData &&other) noexcept
{
    if (this != &other) {
        clear();
        dataList.swap(other.dataList);
    }
    return *this;
}

void CTempData::clear()
{
    qDeleteAll(dataList);
    dataList.clear();
}

void CTempData::readTimes()
{
    // A parser that read the numbers of a time already set it.
    for (TempDataItem *item : qAsConst(dataList)) {
        if (!item->time.isValid())
            item->time = CRecordTime::fromText(item->recordTime);
        item->secs = item->time.toSecsSinceEpoch();
    }
}
