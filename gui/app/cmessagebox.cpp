#include "gui/app/cmessagebox.h"

#include <QPushButton>

namespace {
CMessageBox::Handler &handler()
{
    static CMessageBox::Handler h;
    return h;
}
} // namespace

QMessageBox::StandardButton CMessageBox::show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
    const QString &text, const QString &okText, const QString &cancelText)
{
    if (handler())
        return handler()(Request { icon, title, text, okText, cancelText });

    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(okText);
    if (!cancelText.isEmpty()) {
        box.addButton(QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(cancelText);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return box.exec() == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
}

void CMessageBox::setHandler(Handler h)
{
    handler() = std::move(h);
}
