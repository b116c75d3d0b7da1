#include "core/history/creportreopen.h"

#include "core/history/ctempdbmanager.h"
#include "core/record/ctaskprogress.h"

CReopenOutcome CReportReopen::reopen(
    CTempDbManager &history, int id, const QString &dataDir, Need need, CRecord &record, CTaskProgress *task)
{
    CRecord stored;
    stored.name = history.recordName(id);
    if (stored.name.isNull()) {
        record = CRecord();
        return CReopenOutcome();
    }
    stored.id = id;
    stored.reportPath = history.GetPdfPathById(id);
    CReportFile file;
    if (history.reportFile(id, file, false))
        stored.reportDigest = file.sha256;
    return reopen(&history, stored, dataDir, need, record, task);
}

CReopenOutcome CReportReopen::reopen(CTempDbManager *history, const CRecord &stored, const QString &dataDir,
    Need need, CRecord &record, CTaskProgress *task)
{
    const CTaskProgress::Scope scope(task);
    const auto stage = [task](int from, int to) {
        if (task)
            task->setStage(from, to);
    };
    const auto cancelled = [task] { return task && task->isCancelled(); };
    CReopenOutcome outcome;
    record = CRecord();
    record.id = stored.id;
    record.name = stored.name;
    record.reportDigest = stored.reportDigest;
    const bool whole = need == WholeRecord;

    // 1. and 3.: the copy found is checked against the digest on the way.
    stage(0, whole ? 100 : 500);
    if (history) {
        CReportFile file;
        if (!stored.reportPath.isEmpty() || history->reportFile(stored.id, file, false))
            outcome.path = history->localReport(stored, dataDir, &outcome.check);
    } else if (!stored.reportPath.isEmpty()) {
        outcome.path = stored.reportPath;
        outcome.check = CRecord::checkReport(outcome.path, stored.reportDigest);
    }
    record.reportPath = outcome.path;
    if (outcome.path.isEmpty()) {
        outcome.status = CReopenOutcome::NoReport;
        return outcome;
    }
    if (cancelled()) {
        outcome.status = CReopenOutcome::Cancelled;
        return outcome;
    }
    // 2.
    stage(whole ? 100 : 500, whole ? 200 : 1000);
    outcome.problem = checkReportFile(outcome.path, &outcome.why);
    if (outcome.problem == ReportFileProblem::Missing) {
        outcome.status = CReopenOutcome::Missing;
        return outcome;
    }
    if (outcome.problem != ReportFileProblem::None) {
        outcome.status = CReopenOutcome::Unreadable;
        return outcome;
    }
    if (outcome.check == CReportCheck::Changed || outcome.check == CReportCheck::Missing) {
        outcome.status = CReopenOutcome::Changed;
        return outcome;
    }
    if (!whole) {
        outcome.status = cancelled() ? CReopenOutcome::Cancelled : CReopenOutcome::Reopened;
        return outcome;
    }
    // 4. and 5.
    stage(200, 1000);
    const ReportKind kind = readReport(outcome.path, record);
    if (cancelled()) {
        outcome.status = CReopenOutcome::Cancelled;
        return outcome;
    }
    if (kind == ReportKind::None || !holdsRecord(record.summary, record.data)) {
        outcome.status = CReopenOutcome::NotReport;
        return outcome;
    }
    record.limits = CAlarmLimits::fromSettings(record.settings, record.hasHumidity());
    if (task)
        task->report(1000);
    outcome.status = CReopenOutcome::Reopened;
    return outcome;
}
