#include "gui/app/ctaskrunner.h"

#include "core/history/chistorystore.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/ctaskprogress.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Lives on the worker thread with the histories it opened there.
class CTaskWorker : public QObject {
public:
    struct History {
        CTaskRunner::HistoryKey key;
        std::unique_ptr<CTempDbManager> db;
    };
    std::vector<History> histories;
    QString storeAppDir;
    QString storeUrl;
    std::unique_ptr<CHistoryStore> store;

    // Opened again when it failed or was found damaged: the next step may
    // find it sound again (a server back, a file restored).
    static bool usable(const CTempDbManager &db) { return db.isOpen() && !db.isDamaged(); }
};

// After a step let go of a big record on the worker thread: glibc keeps
// the million small blocks it freed in its fast lists, and the next large
// block freed in that arena (often by the GUI thread: a curve's points)
// would merge them all first, a stall of a tenth of a second. They are
// merged here, on the worker, and what is free goes back to the system.
void settle()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

CTaskRunner::HistoryKey CTaskRunner::keyOf(const CTempDbManager &history)
{
    return { history.openedPath(), history.isShared() };
}

CTempDbManager &CTaskRunner::Context::history(const HistoryKey &key)
{
    auto *worker = static_cast<CTaskWorker *>(m_worker);
    for (auto it = worker->histories.begin(); it != worker->histories.end(); ++it) {
        if (it->key.path != key.path || it->key.shared != key.shared)
            continue;
        if (CTaskWorker::usable(*it->db) && (key.shared ? it->db->reconnect() : true))
            return guarded(*it->db);
        worker->histories.erase(it);
        break;
    }
    CTaskWorker::History opened { key,
        key.shared ? std::make_unique<CTempDbManager>(CHistoryLocation::parse(key.path))
                   : std::make_unique<CTempDbManager>(key.path) };
    worker->histories.push_back(std::move(opened));
    return guarded(*worker->histories.back().db);
}

CHistoryStore &CTaskRunner::Context::store(const QString &appDir, const CHistoryLocation &location)
{
    auto *worker = static_cast<CTaskWorker *>(m_worker);
    if (!worker->store || worker->storeAppDir != appDir || worker->storeUrl != location.url()
        || (!location.isShared() && !CTaskWorker::usable(*worker->store->history()))) {
        worker->store.reset();
        worker->store = std::make_unique<CHistoryStore>(appDir, location);
        worker->storeAppDir = appDir;
        worker->storeUrl = location.url();
    }
    // The history the window's store writes to is the one readied there.
    guarded(*worker->store->history());
    return *worker->store;
}

CTempDbManager &CTaskRunner::Context::guarded(CTempDbManager &history)
{
    if (m_guard && std::find(m_guarded.begin(), m_guarded.end(), &history) == m_guarded.end()) {
        m_guarded.push_back(&history);
        m_held.push_back(m_guard(history));
    }
    return history;
}

namespace {
std::function<CTaskRunner::HistoryGuard()> &historyGuardMaker()
{
    static std::function<CTaskRunner::HistoryGuard()> made;
    return made;
}
} // namespace

void CTaskRunner::setHistoryGuard(const std::function<HistoryGuard()> &made)
{
    historyGuardMaker() = made;
}

CTaskRunner::CTaskRunner()
    : QObject(qApp)
    , m_thread(new QThread(this))
    , m_worker(new CTaskWorker)
{
    m_thread->setObjectName(QStringLiteral("vesmira-worker"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

CTaskRunner::~CTaskRunner()
{
    // The worker's connections close on the thread that opened them.
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

namespace {
QPointer<CTaskRunner> &runnerInstance()
{
    static QPointer<CTaskRunner> runner;
    return runner;
}
} // namespace

CTaskRunner *CTaskRunner::instance()
{
    QPointer<CTaskRunner> &runner = runnerInstance();
    if (!runner) {
        runner = new CTaskRunner;
        // Ended while the application still delivers events: the worker's
        // last step (closing its connections) is one.
        qAddPostRoutine([] { delete runnerInstance().data(); });
    }
    return runner;
}

bool CTaskRunner::run(QWidget *parent, const QString &label, const Work &work)
{
    QProgressDialog dialog(label, cancelText(), 0, 0, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(QuietMs);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    return run(dialog, work);
}

bool CTaskRunner::run(QProgressDialog &dialog, const Work &work)
{
    CTaskRunner *runner = instance();
    // A step whose share done is not known shows a busy bar until it tells.
    const bool busy = dialog.maximum() == 0;
    const QPointer<QProgressDialog> shown(&dialog);
    CTaskProgress progress([target = &dialog, shown, busy](int permille) {
        // Queued to the dialog (it outlives the step: run() waits for it).
        QMetaObject::invokeMethod(
            target,
            [shown, busy, permille] {
                if (!shown || shown->wasCanceled())
                    return;
                if (busy && shown->maximum() == 0)
                    shown->setRange(0, 1000);
                shown->setValue(permille);
            },
            Qt::QueuedConnection);
    });
    if (!busy)
        dialog.setRange(0, 1000);
    // Starts the dialog's clock: it shows itself after its minimum duration.
    dialog.setValue(0);
    const QMetaObject::Connection cancelling
        = connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress] { progress.cancel(); });

    // Only the dialog takes input while the step runs (a step started
    // meanwhile, nested, has its own, and the outer one's comes back).
    QProgressDialog *const outer = runner->m_dialog;
    runner->m_dialog = &dialog;
    if (runner->m_running++ == 0)
        qApp->installEventFilter(runner);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    QEventLoop loop;
    bool done = false;
    QObject *worker = runner->m_worker;
    const std::function<HistoryGuard()> &made = historyGuardMaker();
    HistoryGuard guard = made ? made() : HistoryGuard();
    QMetaObject::invokeMethod(
        worker,
        [&progress, &work, &loop, &done, &guard, worker] {
            // The loops deep inside the step (parsers, the history's sample
            // rows, exporters) find the progress here.
            const CTaskProgress::Scope scope(&progress);
            {
                Context context(progress, worker, std::move(guard));
                work(context);
            }
            settle();
            QMetaObject::invokeMethod(
                &loop,
                [&loop, &done] {
                    done = true;
                    loop.quit();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    if (!done)
        loop.exec();

    QApplication::restoreOverrideCursor();
    if (--runner->m_running == 0)
        qApp->removeEventFilter(runner);
    runner->m_dialog = outer;
    disconnect(cancelling);
    dialog.reset();
    dialog.hide();
    return !progress.isCancelled();
}

void CTaskRunner::release(std::shared_ptr<const void> object)
{
    // The only reference travels on its own, so that the last one goes on
    // the worker thread whatever copies the call makes of the functor.
    auto *held = new std::shared_ptr<const void>(std::move(object));
    QMetaObject::invokeMethod(
        instance()->m_worker,
        [held] {
            delete held;
            settle();
        },
        Qt::QueuedConnection);
}

bool CTaskRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_dialog)
        return false;
    // The window system's close of another window waits too.
    auto *window = qobject_cast<QWindow *>(watched);
    if (event->type() == QEvent::Close && window)
        return window != m_dialog->windowHandle();
    if (!isInput(event->type()))
        return false;
    if (auto *widget = qobject_cast<QWidget *>(watched)) {
        if (widget != m_dialog && !m_dialog->isAncestorOf(widget))
            return true;
        // Esc that reaches the dialog as a key (not as its shortcut) would
        // only hide it, and the step would go on unseen: it cancels too.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            emit m_dialog->canceled();
            return true;
        }
        return false;
    }
    if (window)
        return window != m_dialog->windowHandle();
    // The menus' and pages' shortcuts; the dialog's own (Esc, its Cancel)
    // goes through.
    return event->type() == QEvent::Shortcut && watched->parent() != m_dialog;
}
