#ifndef CDOCK_H
#define CDOCK_H

#include "core/device/cdriveprobe.h"
#include "core/device/cvolumewatcher.h"
#include "core/export/creportsignoff.h"

#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CHistoryStore;
class CRecord;

// What the dock does with every logger besides reading and storing it.
struct CDockOptions {
    // Where the PDF data report of each logger goes; empty: no export.
    QString exportDir;
    // The samples as CSV too, under the same name.
    bool csv = false;
    // The file name without suffix; see CDockFiles::expandName.
    QString namePattern;
    // The configuration written back to the logger after a good read
    // (a template file); empty: the logger is left as it is.
    QString templatePath;
};

// What became of one logger.
struct CDockResult {
    enum Read {
        Stored, // a new record in the history
        AlreadyStored, // the same report was in the history: nothing new stored
        Unplugged, // the drive went away before the report was copied
        NoReport, // nothing on the drive could be copied
        NotParsed, // the report's suffix names no report kind
        NoRecord, // neither a device number nor a sample
        StoreFailed, // the history refused the record
    };
    enum Step { NotAsked, Done, Failed };

    QDateTime time; // when the logger was done with
    QString root; // its drive
    Read read = NoReport;
    QString serial; // the summary's device number
    QString tripId;
    int samples = 0;
    int recordId = 0; // the record stored (or found)
    QString recordName;
    bool keptLocally = false; // stored in the embedded history while the shared one was away
    Step exportStep = NotAsked;
    QStringList exported; // the files written
    Step rearmStep = NotAsked;
    QByteArray frame; // the configuration frame written when re-armed
    QString error; // plain English: why the read, the export or the re-arm failed

    bool readOk() const { return read == Stored || read == AlreadyStored; }
    // Everything that was asked for was done.
    bool ok() const { return readOk() && exportStep != Failed && rearmStep != Failed; }
};

// The receiving dock: loggers read, filed and re-armed with nobody at the
// keyboard. Every logger that appears (recognised as the application
// recognises one, noticed through the same volume watcher) is read and stored
// by readLogger(), then, as the options say, its PDF data report (and CSV) is
// written to the export folder and the template is written back to it.
//
// Loggers are handled one after the other in the order they appear, however
// many are plugged in at once; each is handled once per plug: pulled out and
// plugged in again, it is read again (the same report then is
// AlreadyStored, and is still exported and re-armed). A logger pulled out in
// the middle loses nothing stored: the read goes on from its local copy.
//
// Everything runs on the caller's thread inside its event loop.
class CDock : public QObject {
    Q_OBJECT
public:
    // appDir holds data_files; store is the history (kept by the caller).
    // The probe and the watcher of the platform unless given.
    CDock(const QString &appDir, CHistoryStore &store, const CDockOptions &options,
        std::unique_ptr<CDriveProbe> probe = nullptr, std::unique_ptr<CVolumeWatcher> watcher = nullptr,
        QObject *parent = nullptr);
    ~CDock() override;

    // Handles the loggers plugged in now and, unless once, every one that
    // appears afterwards. With once, finished() follows the last of them.
    void start(bool once);
    // Ends the loop: the logger in hand is finished, no other is started,
    // then finished().
    void stop();

    // Reads, stores, exports and re-arms the logger at root.
    CDockResult handle(const QString &root);

    // Where the exports of a record get the sign-off they show (its
    // signatures, the head of an audit trail); none by default.
    void setSignoff(const std::function<CReportSignoff(int recordId)> &signoff) { m_signoff = signoff; }

signals:
    // The read step at root reached step (see readLogger).
    void reading(const QString &root, int step);
    void handled(const CDockResult &result);
    void finished();

private slots:
    void onVolumeArrived();
    void onVolumeRemoved();
    void handleNext();

private:
    void enqueueLoggers();
    void scheduleNext();
    void exportRecord(const CRecord &record, CDockResult &result);
    void rearm(const CRecord &record, CDockResult &result);

    QString m_appDir;
    CHistoryStore &m_store;
    CDockOptions m_options;
    std::function<CReportSignoff(int recordId)> m_signoff;
    std::unique_ptr<CDriveProbe> m_probe;
    std::unique_ptr<CVolumeWatcher> m_watcher;
    QQueue<QString> m_queue;
    QSet<QString> m_done; // handled during this plug
    bool m_once = false;
    bool m_stopping = false;
    bool m_scheduled = false;
    bool m_finished = false;
};

#endif // CDOCK_H
