#include "core/record/ctaskprogress.h"

namespace {
thread_local CTaskProgress *installed = nullptr;
} // namespace

void CTaskProgress::report(int permille)
{
    permille = qBound(0, permille, 1000);
    // Only growth is told: a dialog's bar does not go back, and a loop that
    // asks often costs its owner one call per thousandth at most.
    if (permille <= m_reported)
        return;
    m_reported = permille;
    if (m_report)
        m_report(permille);
}

void CTaskProgress::setStage(int from, int to)
{
    m_from = from;
    m_to = qMax(from, to);
    report(from);
}

bool CTaskProgress::advance(qint64 done, qint64 total)
{
    if (total > 0)
        report(m_from + int((m_to - m_from) * qBound<qint64>(0, done, total) / total));
    return !isCancelled();
}

CTaskProgress *CTaskProgress::current()
{
    return installed;
}

bool CTaskProgress::poll(qint64 done, qint64 total)
{
    return !installed || installed->advance(done, total);
}

bool CTaskProgress::cancelledHere()
{
    return installed && installed->isCancelled();
}

CTaskProgress::Scope::Scope(CTaskProgress *progress)
    : m_previous(installed)
{
    installed = progress;
}

CTaskProgress::Scope::~Scope()
{
    installed = m_previous;
}
