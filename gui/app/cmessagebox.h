#ifndef CMESSAGEBOX_H
#define CMESSAGEBOX_H

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every modal message box of the application goes through here: the caller
// gives the translated title, text and button texts (OK, and Cancel when the
// box asks a question). Tests install a handler that records the box and
// answers it instead of running it.
namespace CMessageBox {

struct Request {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QString okText;
    QString cancelText; // empty: a single OK button
    QString file; // showWritten: the file written
};

using Handler = std::function<QMessageBox::StandardButton(const Request &)>;

// Runs the box modally; returns QMessageBox::Ok or QMessageBox::Cancel (also
// when the box was closed without a button).
QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
    const QString &text, const QString &okText, const QString &cancelText = QString());

// The information box after a file was written (an export): OK, and
// "Open file" and "Open folder", which hand the file or its folder to the
// desktop's default handlers.
void showWritten(
    QWidget *parent, const QString &title, const QString &text, const QString &okText, const QString &file);

// Null restores the real boxes.
void setHandler(Handler handler);

} // namespace CMessageBox

#endif // CMESSAGEBOX_H
