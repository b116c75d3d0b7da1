#ifndef CTEMPLATENAMEDIALOG_H
#define CTEMPLATENAMEDIALOG_H

#include <QString>
#include <functional>

class QWidget;

// The small modal dialog that asks for a template name when a template is
// saved or renamed: a text field, OK and Cancel, and a close button as the
// only title-bar button. Tests install a handler that answers instead.
namespace CTemplateNameDialog {

struct Request {
    QString title;
    QString label;
    QString preset;
    QString okText;
    QString cancelText;
};

// Returns the entered text; *ok tells whether OK was pressed.
using Handler = std::function<QString(const Request &request, bool *ok)>;

QString getName(QWidget *parent, const Request &request, bool *ok);

// Null restores the real dialog.
void setHandler(Handler handler);

} // namespace CTemplateNameDialog

#endif // CTEMPLATENAMEDIALOG_H
