#include "gui/view/saxydatatracker.h"

SAXYDataTracker::SAXYDataTracker(QObject *parent)
    : QObject(parent)
{
}
