#include "gui/app/cdialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>

namespace {
CDialogs::TestHandlers &handlers()
{
    static CDialogs::TestHandlers h;
    return h;
}
} // namespace

QString CDialogs::getSaveFileName(
    QWidget *parent, const QString &caption, const QString &startPath, const QString &filter)
{
    if (handlers().saveFile)
        return handlers().saveFile(caption, startPath, filter);
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
}

QString CDialogs::getOpenFileName(
    QWidget *parent, const QString &caption, const QString &startPath, const QString &filter)
{
    if (handlers().openFile)
        return handlers().openFile(caption, startPath, filter);
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

QString CDialogs::getText(QWidget *parent, const QString &title, const QString &label, const QString &text,
    const QString &okText, const QString &cancelText, bool *ok)
{
    if (handlers().text)
        return handlers().text(title, label, text, ok);
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    dialog.setOkButtonText(okText);
    dialog.setCancelButtonText(cancelText);
    *ok = dialog.exec() == QDialog::Accepted;
    return *ok ? dialog.textValue() : QString();
}

QAction *CDialogs::execMenu(QMenu *menu, const QPoint &pos)
{
    if (handlers().menu) {
        QAction *chosen = handlers().menu(menu);
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    return menu->exec(pos);
}

void CDialogs::setTestHandlers(const TestHandlers &h)
{
    handlers() = h;
}
