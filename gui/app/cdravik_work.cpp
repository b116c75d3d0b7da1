// CDravik: the window's long steps, run on the worker thread (CTaskRunner)
// with the window alive: reading a logger or a report file, opening and
// comparing stored records, copying what waited to the shared history.
#include "core/device/cloggerreader.h"
#include "core/history/chistorystore.h"
#include "core/history/creportreopen.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"
#include "core/record/ccomparedata.h"
#include "core/record/crecord.h"
#include "core/record/ctaskprogress.h"
#include "gui/app/cdravik.h"
#include "gui/app/cfilemenu.h"
#include "gui/app/cmessagebox.h"
#include "gui/app/crecentreports.h"
#include "gui/app/ctaskrunner.h"
#include "gui/compliance/ccomplianceui.h"
#include "gui/configuration/cdevicesetting.h"
#include "gui/history/chistoryrecordcontent.h"
#include "gui/view/ccompareview.h"
#include "gui/view/cdevicedatainfo.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QStackedWidget>
#include <vector>

void CDravik::syncSharedHistory()
{
    if (!m_store->isShared())
        return;
    if (m_store->location().kind() == CHistoryLocation::Invalid) {
        tellSharedHistoryAway(m_store->location().error(), true);
        return;
    }
    const QString appDir = applicationDir;
    const CHistoryLocation location = m_store->location();
    CHistoryStore::SyncResult result;
    QString why;
    CTaskRunner::run(
        this, tr("zheng zai fu zhi dao gong xiang li shi ji lu ..."), [&](CTaskRunner::Context &c) {
            CHistoryStore &store = c.store(appDir, location);
            result = store.syncPending(
                [](const QString &line) { qDebug().noquote() << "shared history:" << line; });
            why = store.lastError();
        });
    if (!result.reachable)
        tellSharedHistoryAway(why);
}

void CDravik::tellSharedHistoryAway(const QString &why, bool urlRefused)
{
    if (m_toldSharedAway)
        return;
    m_toldSharedAway = true;
    QApplication::restoreOverrideCursor();
    if (urlRefused) {
        CMessageBox::show(this, QMessageBox::Warning, tr("ti shi"),
            tr("gong xiang li shi ji lu de di zhi bu ke yong (%1). Du qu de ji lu bao cun zai ben ji, di zhi "
               "geng zheng hou zi dong fu zhi dao gong xiang li shi ji lu.")
                .arg(why),
            tr("que ding"));
        return;
    }
    CMessageBox::show(this, QMessageBox::Warning, tr("ti shi"),
        tr("wu fa lian jie gong xiang li shi ji lu (%1). Du qu de ji lu bao cun zai ben ji, ke yi lian jie "
           "shi "
           "zi dong fu zhi dao gong xiang li shi ji lu.")
            .arg(why),
        tr("que ding"));
}

void CDravik::readAndShow(const QString &source, bool logger)
{
    m_reading = true;
    const auto readEnds = qScopeGuard([this] { m_reading = false; });
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // The read's frameless grey dialog, its Cancel leaving nothing of the
    // read behind (a little taller for the button).
    QProgressDialog progress;
    progress.setCancelButtonText(CTaskRunner::cancelText());
    progress.setWindowFlags(progress.windowFlags() | Qt::FramelessWindowHint);
    progress.setStyleSheet("QWidget{background-color: rgb(193,193,193);}");
    progress.setFixedSize(300, 110);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setWindowTitle(tr("ti shi"));
    progress.setLabelText(tr("shu ju du qu zhong ..."));
    progress.setRange(0, 9);
    progress.setMinimumDuration(0);
    progress.show();
    const auto error = [this](const QString &text) {
        QApplication::restoreOverrideCursor();
        CMessageBox::show(this, QMessageBox::Critical, tr("cuo wu"), text, tr("que ding"));
    };

    // Read, stored and its curve's points computed on the worker thread;
    // the summary is shown as soon as the report is parsed, before the
    // record is stored.
    auto record = std::make_shared<CRecord>();
    CReadOutcome outcome;
    CHistoryStore::Place place = CHistoryStore::Nowhere;
    QString placeError;
    CDataCurve::Prepared curve;
    const QString appDir = applicationDir;
    const CHistoryLocation location = m_store->location();
    std::shared_ptr<const CRecord> before = m_dataPage->record();
    CTaskRunner::run(progress, [&](CTaskRunner::Context &c) {
        CHistoryStore &store = c.store(appDir, location);
        outcome = readLogger(
            source, appDir, store, *record,
            [this](int step, const CRecord &read) {
                if (step == 3) {
                    auto summary = std::make_shared<CRecord>();
                    summary->summary = read.summary;
                    summary->settings = read.settings;
                    summary->limits = read.limits;
                    summary->reportPath = read.reportPath;
                    QMetaObject::invokeMethod(
                        this, [this, summary] { m_dataPage->showSummary(summary); }, Qt::QueuedConnection);
                }
                return true;
            },
            &c.progress);
        place = store.lastPlace();
        placeError = store.lastError();
        if (outcome.status == CReadOutcome::Stored || outcome.status == CReadOutcome::AlreadyStored)
            curve = CDataCurve::prepare(record->data, record->limits, record->hasHumidity());
    });
    const QString copy = QFileInfo(record->reportPath).fileName();
    // The record shown before, once the data view shows another one, and
    // the one read, when it is not kept (cancelled), are let go of off this
    // thread.
    std::shared_ptr<const CRecord> previous = m_record;
    const auto releaseRecords = qScopeGuard([&previous, &before, &record, this] {
        before.reset();
        if (previous != m_record && previous != m_dataPage->record())
            CTaskRunner::release(std::move(previous));
        if (record != m_record && record != m_dataPage->record())
            CTaskRunner::release(std::move(record));
    });
    switch (outcome.status) {
    case CReadOutcome::NoReport: {
        // A failed read ends here: the logger stays marked as read until it
        // is plugged in again or the download button is pressed.
        const QString name = QFileInfo(outcome.refused.path).fileName();
        const CLoggerReader::Failure &failure = outcome.failure;
        const QString device
            = tr("du qu she bei zhong de shu ju chu quo ,qing jian cha she bei shi fou you wen ti ");
        if (failure.part == CLoggerReader::Failure::LocalCopy)
            error(tr("bao gao wu fa fu zhi dao ben ji %1: %2").arg(failure.path, failure.why));
        else if (!logger)
            error(m_fileMenu->whyNotRead(source, outcome.refused));
        else if (outcome.refused.problem == ReportFileProblem::NotRegular)
            error(tr("bao gao wen jian %1 bu shi pu tong wen jian, wei du qu").arg(name));
        else if (outcome.refused.problem == ReportFileProblem::TooLarge)
            error(tr("bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu").arg(name));
        else if (failure.part == CLoggerReader::Failure::LoggerDrive)
            error(device + QLatin1Char('\n') + tr("ji lu yi ci pan %1: %2").arg(failure.path, failure.why));
        else
            error(device);
        progress.close();
        return;
    }
    case CReadOutcome::NoRecord:
        // Empty, garbage or cut off before its summary: no record to keep,
        // and none to export from the data view either.
        m_dataPage->showRecord(nullptr);
        error(tr("bao gao wen jian %1 zhong mei you she bei hao he shu ju, wei bao cun").arg(copy));
        progress.close();
        return;
    case CReadOutcome::NotParsed:
        // A report of another kind is copied, not read: the data view keeps
        // what it showed. A file opened by hand says why.
        if (!logger) {
            error(m_fileMenu->whyNotRead(source, {}));
            progress.close();
            return;
        }
        m_record = record;
        break;
    case CReadOutcome::Cancelled:
        // Nothing was kept: the data view shows again what it showed.
        QApplication::restoreOverrideCursor();
        progress.close();
        m_dataPage->showSummary(before);
        m_dataPage->showRecordName(before ? before->name : QString());
        return;
    case CReadOutcome::StoreFailed:
        // Nothing of the record reached the history (a full disk, a
        // read-only db folder): the user must know it is not kept.
        m_record = record;
        m_dataPage->showSummary(record);
        m_dataPage->showRecordName(record->name);
        error(tr("ji lu bao cun shi bai ,li shi ji lu mei you gai bian ,qing jian cha ci pan kong jian ")
            + (outcome.failure.why.isEmpty()
                    ? QString()
                    : QLatin1Char('\n') + tr("li shi ji lu: %1").arg(outcome.failure.why)));
        break;
    case CReadOutcome::AlreadyStored:
        // The same report was read before: the data view shows that record,
        // under its name, and nothing new is stored.
        m_record = record;
        showReadRecord(curve);
        if (!logger)
            m_fileMenu->recentReports()->add(source);
        m_compliance->duplicateRead(*record);
        break;
    case CReadOutcome::Stored:
        m_record = record;
        showReadRecord(curve);
        // The list of the embedded history hears of it here; a shared one
        // tells every desk itself.
        if (!m_db->isShared())
            m_db->announceChange();
        if (place == CHistoryStore::KeptLocally || place == CHistoryStore::KeptLocallyUrlRefused)
            tellSharedHistoryAway(placeError, place == CHistoryStore::KeptLocallyUrlRefused);
        if (!logger)
            m_fileMenu->recentReports()->add(source);
        break;
    }
    QApplication::restoreOverrideCursor();
    progress.close();
    m_rightStack->setCurrentWidget(m_dataPage);
    m_fileShown = !logger;
    // A report opened by hand is no logger to configure.
    if (logger) {
        updateSettingPageLogger();
        m_settingPage->setControlsEnabled(true);
    }
    // Said over the record it names.
    if (outcome.status == CReadOutcome::AlreadyStored)
        CMessageBox::show(this, QMessageBox::Information, tr("ti shi"),
            tr("yi jing zai li shi ji lu zhong: %1").arg(record->name), tr("que ding"));
}

void CDravik::showReadRecord(const CDataCurve::Prepared &curve)
{
    // The page with the summary first, laid out; then the list and the
    // curve at the page's own size (drawn once), each part in a turn of
    // the event loop of its own. The read's dialog still takes the input.
    m_dataPage->showSummary(m_record);
    m_dataPage->showRecordName(m_record->name);
    m_rightStack->setCurrentWidget(m_dataPage);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_dataPage->showSamples(&curve);
}

void CDravik::openStoredRecord(int id, const QString &name)
{
    // The stored record goes to the detail page: the record read last stays
    // as it is (the data view's export and the configuration page still
    // need it). Its report is found as an export would reopen it (read at
    // another desk, it comes from the shared history) and checked against
    // its digest.
    auto record = std::make_shared<CRecord>();
    CReopenOutcome report;
    CDataCurve::Prepared curve;
    const CTaskRunner::HistoryKey key = CTaskRunner::keyOf(*m_db);
    const QString dataDir = applicationDir + "/data_files";
    const bool opened
        = CTaskRunner::run(this, tr("zheng zai da kai ji lu ..."), [&](CTaskRunner::Context &c) {
              CTempDbManager &history = c.history(key);
              c.progress.setStage(0, 700);
              history.readRecord(id, *record);
              c.progress.setStage(700, 900);
              CRecord found;
              report = CReportReopen::reopen(&history, *record, dataDir, CReportReopen::ReportFile, found);
              c.progress.setStage(900, 1000);
              curve = CDataCurve::prepare(record->data, record->limits, record->hasHumidity());
          });
    if (!opened)
        return;
    if (!report.path.isEmpty())
        record->reportPath = report.path;
    // The name as the list shows it.
    record->name = name;
    std::shared_ptr<const CRecord> previous = m_historyDetail->record();
    m_historyDetail->showStoredRecord(record, report.check, &curve);
    m_compliance->recordOpened(id);
    if (previous != m_record)
        CTaskRunner::release(std::move(previous));
}

void CDravik::compareStoredRecords(const QVector<int> &ids, const QStringList &names)
{
    // Read and set side by side on the worker thread; the records are let
    // go of there too (a million samples take a while to free).
    CCompareData comparison;
    QVector<int> opened;
    const CTaskRunner::HistoryKey key = CTaskRunner::keyOf(*m_db);
    const bool read = CTaskRunner::run(this, tr("zheng zai du qu ji lu ..."), [&](CTaskRunner::Context &c) {
        CTempDbManager &history = c.history(key);
        std::vector<CRecord> records(size_t(ids.size()));
        QVector<const CRecord *> loaded;
        for (int i = 0; i < ids.size() && !c.progress.isCancelled(); ++i) {
            c.progress.setStage(900 * i / ids.size(), 900 * (i + 1) / ids.size());
            CRecord &record = records[size_t(i)];
            history.readRecord(ids.at(i), record);
            // A record deleted meanwhile is left out; one with a damaged
            // summary is still shown, as opening it shows it.
            if (record.id == 0) {
                qDebug() << "compare: no record" << ids.at(i);
                continue;
            }
            record.name = names.value(i);
            loaded.append(&record);
            opened.append(record.id);
        }
        if (!c.progress.isCancelled())
            comparison = CCompareData::compute(loaded);
    });
    if (!read || comparison.trips.isEmpty())
        return;
    m_compliance->recordsCompared(opened);
    // A window of its own that closes itself; drawn, then shown, each in a
    // turn of the event loop of its own.
    auto *view = new CCompareView(this);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->showComparison(comparison);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    view->show();
}
