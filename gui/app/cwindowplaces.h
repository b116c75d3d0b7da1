#ifndef CWINDOWPLACES_H
#define CWINDOWPLACES_H

#include <QList>

class QSplitter;
class QTabWidget;
class QWidget;

// Where the user left the main window: its geometry (with the maximised
// state), the positions of its splitters and the tab shown of its tab
// widgets, kept in the application configuration ("window/geometry",
// "window/<object name>") between runs.
namespace CWindowPlaces {

// Restores the splitters and tabs kept (as far as they were).
void restore(const QList<QSplitter *> &splitters, const QList<QTabWidget *> &tabs);
// Restores the window's geometry; false when none was kept (the first start).
bool restoreGeometry(QWidget *window);
void save(const QWidget *window, const QList<QSplitter *> &splitters, const QList<QTabWidget *> &tabs);

} // namespace CWindowPlaces

#endif // CWINDOWPLACES_H
