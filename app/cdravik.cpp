#include "app/cdravik.h"

#include "app/appglobals.h"

CDravik::CDravik(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName("CDravikClass");
    resize(981, 747);
    CRecordConfig::instance()->setMainWindow(this);
    // The title is not translated: it follows the configured language.
    setWindowTitle(languageCode == QLatin1String("en") ? QStringLiteral("Vesmira")
                                                       : QStringLiteral("记录仪产品上位机软件"));
}

CDravik::~CDravik()
{
    if (CRecordConfig::instance()->mainWindow() == this)
        CRecordConfig::instance()->setMainWindow(nullptr);
}

void CDravik::calibrationDisplayChanged(bool show)
{
    Q_UNUSED(show)
}
