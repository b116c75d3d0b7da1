#include "gui/configuration/ctemplatenamedialog.h"

#include <QInputDialog>

namespace {
CTemplateNameDialog::Handler &handler()
{
    static CTemplateNameDialog::Handler h;
    return h;
}
} // namespace

QString CTemplateNameDialog::getName(QWidget *parent, const Request &request, bool *ok)
{
    *ok = false;
    if (handler())
        return handler()(request, ok);

    QInputDialog dialog(
        parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.label);
    dialog.setTextValue(request.preset);
    dialog.setOkButtonText(request.okText);
    dialog.setCancelButtonText(request.cancelText);
    // 360 pixels wide; the height is what the label, field and buttons need.
    dialog.setFixedSize(360, dialog.sizeHint().height());
    *ok = dialog.exec() == QDialog::Accepted;
    return *ok ? dialog.textValue() : QString();
}

void CTemplateNameDialog::setHandler(Handler h)
{
    handler() = std::move(h);
}
