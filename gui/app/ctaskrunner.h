#ifndef CTASKRUNNER_H
#define CTASKRUNNER_H

#include "core/history/chistorylocation.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CHistoryStore;
class CTaskProgress;
class CTempDbManager;
class QProgressDialog;
class QThread;
class QWidget;

// The window's long steps (reading a report, reopening and comparing stored
// records, exports, save-as, copies to the shared history) run here, on a
// thread of their own, while the event loop goes on: the window repaints,
// the progress moves and Cancel works. The caller waits for the step's end
// in a local event loop, so that it goes on with the result as if the step
// had run in place; meanwhile the windows take no input but the progress
// dialog's. The dialog shows after a moment (a step that ends sooner
// shows none) or at once, as the read's does.
//
// A database connection serves only the thread that opened it: the step
// gets histories of its own on the worker thread (Context), opened for the
// same file or URL as the window's and kept for the next step while they
// stay the same. A change made there is told to the window's history with
// CTempDbManager::announceChange() by the caller.
class CTaskRunner : public QObject {
    Q_OBJECT
public:
    // What a history on the GUI thread is, for the worker to open its own.
    struct HistoryKey {
        QString path; // file or URL
        bool shared = false;
    };
    static HistoryKey keyOf(const CTempDbManager &history);

    // What readies a history on the worker thread (setHistoryGuard).
    using HistoryGuard = std::function<std::shared_ptr<void>(CTempDbManager &history)>;

    // What a step gets on the worker thread.
    class Context {
    public:
        CTaskProgress &progress;
        // The history of key on this thread's own connection.
        CTempDbManager &history(const HistoryKey &key);
        // The window's store (the embedded history, or the shared one with
        // the embedded as its fallback) on this thread's own connections.
        CHistoryStore &store(const QString &appDir, const CHistoryLocation &location);

    private:
        friend class CTaskRunner;
        Context(CTaskProgress &progress, QObject *worker, HistoryGuard guard)
            : progress(progress)
            , m_worker(worker)
            , m_guard(std::move(guard))
        {
        }
        CTempDbManager &guarded(CTempDbManager &history);
        QObject *m_worker;
        HistoryGuard m_guard;
        std::vector<const CTempDbManager *> m_guarded;
        std::vector<std::shared_ptr<void>> m_held;
    };
    using Work = std::function<void(Context &context)>;

    // Readies each history a step gets on the worker thread, the way the
    // window's own is (compliance mode: its journal, under a copy of the
    // signed-in session). made runs on the GUI thread as a step starts; the
    // guard it returns (none: nothing to ready) runs on the worker for each
    // history the step gets, and what that returns is kept until the step
    // ends. An empty made removes it.
    static void setHistoryGuard(const std::function<HistoryGuard()> &made);

    // Runs work with a progress dialog of label and Cancel, shown when the
    // step takes longer than a moment; false when it was cancelled.
    static bool run(QWidget *parent, const QString &label, const Work &work);
    // The same with the caller's dialog, shown as it is (at once, when its
    // minimum duration is 0); its range becomes 0..1000.
    static bool run(QProgressDialog &dialog, const Work &work);

    // Lets go of object on the worker thread, when it is free, without
    // waiting: a record of a million samples takes a while to free. The
    // caller holds no other reference.
    static void release(std::shared_ptr<const void> object);

    // The text of a progress dialog's Cancel button.
    static QString cancelText() { return tr("qu xiao"); }

    // A step that takes no longer than this shows no dialog (ms).
    static constexpr int QuietMs = 300;

    ~CTaskRunner() override;

private:
    CTaskRunner();
    static CTaskRunner *instance();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    // The dialog of the step that runs (the one widget that takes input).
    QProgressDialog *m_dialog = nullptr;
    int m_running = 0;
};

#endif // CTASKRUNNER_H
