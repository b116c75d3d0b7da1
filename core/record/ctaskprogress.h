#ifndef CTASKPROGRESS_H
#define CTASKPROGRESS_H

#include <QtGlobal>
#include <atomic>
#include <functional>

// How far a long step is (reading a report, reopening a stored one, an
// export, a copy to the shared history) and whether its user cancelled it.
// Whoever starts the step makes one (the window's progress dialog, a test)
// and hands it down; the step may run on another thread than its owner.
//
// The step reports the share of the whole it has done, in thousandths; it
// divides the whole into stages (copy, parse, store) and the loops of a
// stage tell how much of it they did. Once cancel() is called the step
// stops at its next check and leaves nothing behind: no record, no local
// copy, no file at the target.
//
// The loops deep inside a step (a report's lines, a record's samples going
// into or out of the history, an export's pages) take no progress argument:
// the step installs its progress for its thread with a Scope, and the loops
// ask poll(), which costs nothing where no step installed one.
class CTaskProgress {
public:
    // Called on the step's thread with the thousandths done, whenever that
    // number grows.
    using Report = std::function<void(int permille)>;
    explicit CTaskProgress(Report report = {})
        : m_report(std::move(report))
    {
    }
    CTaskProgress(const CTaskProgress &) = delete;
    CTaskProgress &operator=(const CTaskProgress &) = delete;

    // Any thread.
    void cancel() { m_cancelled.store(true); }
    bool isCancelled() const { return m_cancelled.load(); }

    // The thousandths of the whole done now.
    void report(int permille);
    // The stage that runs next covers [from, to] of the whole; report(from).
    void setStage(int from, int to);
    int stageFrom() const { return m_from; }
    int stageTo() const { return m_to; }
    // done of total of the current stage (total 0 or less: not known, only
    // the cancel is checked). False once cancelled.
    bool advance(qint64 done, qint64 total);

    // The progress installed for the calling thread; null when none is.
    static CTaskProgress *current();
    // advance() on the calling thread's progress; true without one.
    static bool poll(qint64 done, qint64 total);
    // Whether the calling thread's step was cancelled.
    static bool cancelledHere();

    // Installs a progress (null: none) for the calling thread until the
    // scope ends.
    class Scope {
    public:
        explicit Scope(CTaskProgress *progress);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        CTaskProgress *m_previous;
    };

private:
    Report m_report;
    std::atomic<bool> m_cancelled { false };
    int m_from = 0;
    int m_to = 1000;
    int m_reported = -1;
};

#endif // CTASKPROGRESS_H
