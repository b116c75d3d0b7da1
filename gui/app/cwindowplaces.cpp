#include "gui/app/cwindowplaces.h"

#include "core/record/crecordconfig.h"

#include <QEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QWidget>

namespace {

QString key(const QObject *object)
{
    return QStringLiteral("window/") + object->objectName();
}

// A splitter on a page not shown yet has no width of its own: its state is
// restored when it first gets one on screen.
class CSplitterRestorer : public QObject {
public:
    CSplitterRestorer(QSplitter *splitter, const QByteArray &state)
        : QObject(splitter)
        , m_state(state)
    {
        splitter->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *splitter = static_cast<QSplitter *>(watched);
        if (event->type() == QEvent::Resize && splitter->isVisible()) {
            splitter->removeEventFilter(this);
            splitter->restoreState(m_state);
            deleteLater();
        }
        return false;
    }

private:
    QByteArray m_state;
};

} // namespace

void CWindowPlaces::restore(const QList<QSplitter *> &splitters, const QList<QTabWidget *> &tabs)
{
    CRecordConfig *config = CRecordConfig::instance();
    for (QSplitter *splitter : splitters) {
        const QByteArray state = config->remembered(key(splitter)).toByteArray();
        if (state.isEmpty())
            continue;
        if (splitter->isVisible())
            splitter->restoreState(state);
        else
            new CSplitterRestorer(splitter, state);
    }
    for (QTabWidget *tab : tabs) {
        bool ok = false;
        const int index = config->remembered(key(tab)).toInt(&ok);
        if (ok && index >= 0 && index < tab->count())
            tab->setCurrentIndex(index);
    }
}

bool CWindowPlaces::restoreGeometry(QWidget *window)
{
    // restoreGeometry keeps the window on a screen that is there now.
    return window->restoreGeometry(
        CRecordConfig::instance()->remembered(QStringLiteral("window/geometry")).toByteArray());
}

void CWindowPlaces::save(
    const QWidget *window, const QList<QSplitter *> &splitters, const QList<QTabWidget *> &tabs)
{
    CRecordConfig *config = CRecordConfig::instance();
    config->remember(QStringLiteral("window/geometry"), window->saveGeometry());
    for (QSplitter *splitter : splitters)
        config->remember(key(splitter), splitter->saveState());
    for (QTabWidget *tab : tabs)
        config->remember(key(tab), tab->currentIndex());
}
