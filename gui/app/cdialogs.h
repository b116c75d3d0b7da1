#ifndef CDIALOGS_H
#define CDIALOGS_H

#include <QPoint>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// The modal file, text-input and menu dialogs of the application, in one
// place so that tests can answer them instead of a person (see
// CMessageBox for message boxes).
namespace CDialogs {

// A save-file dialog; empty when cancelled.
QString getSaveFileName(
    QWidget *parent, const QString &caption, const QString &startPath, const QString &filter);

// An open-file dialog for one existing file; empty when cancelled.
QString getOpenFileName(
    QWidget *parent, const QString &caption, const QString &startPath, const QString &filter);

// A text-input dialog preset with text; ok tells whether OK was pressed.
QString getText(QWidget *parent, const QString &title, const QString &label, const QString &text,
    const QString &okText, const QString &cancelText, bool *ok);

// Runs a context menu at pos; the chosen action (null when none) has been
// triggered when this returns.
QAction *execMenu(QMenu *menu, const QPoint &pos);

struct TestHandlers {
    std::function<QString(const QString &caption, const QString &startPath, const QString &filter)> saveFile;
    std::function<QString(const QString &caption, const QString &startPath, const QString &filter)> openFile;
    std::function<QString(const QString &title, const QString &label, const QString &text, bool *ok)> text;
    std::function<QAction *(QMenu *menu)> menu;
};
// Empty handlers restore the real dialogs.
void setTestHandlers(const TestHandlers &handlers);

} // namespace CDialogs

#endif // CDIALOGS_H
