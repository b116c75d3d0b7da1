#include "gui/app/cmessagebox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPushButton>
#include <QUrl>

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
        return handler()(Request { icon, title, text, okText, cancelText, QString() });

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

void CMessageBox::showWritten(
    QWidget *parent, const QString &title, const QString &text, const QString &okText, const QString &file)
{
    if (handler()) {
        handler()(Request { QMessageBox::Information, title, text, okText, QString(), file });
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(okText);
    QPushButton *openFile
        = box.addButton(QCoreApplication::translate("CMessageBox", "Open &file"), QMessageBox::ActionRole);
    QPushButton *openFolder
        = box.addButton(QCoreApplication::translate("CMessageBox", "Open f&older"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == openFile)
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    else if (box.clickedButton() == openFolder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

void CMessageBox::setHandler(Handler h)
{
    handler() = std::move(h);
}
