#ifndef CRECORDCONFIG_H
#define CRECORDCONFIG_H

#include <QMutex>
#include <QObject>
#include <QVariant>

class QSettings;

// The receiver of calibration display changes: the main window registers
// itself so that a change made in the preferences reaches the configuration
// page at once. Kept abstract so the core library needs no widget header.
class CCalibrationDisplayListener {
public:
    virtual ~CCalibrationDisplayListener() = default;
    virtual void calibrationDisplayChanged(bool show) = 0;
};

// The application configuration in config/record-config.ini (group "record",
// keys formLan and tempAdjust; group "history", key url). One instance for
// the process.
class CRecordConfig : public QObject {
    Q_OBJECT
public:
    static CRecordConfig *instance();

    // Reads the file once and sets languageCode and tempAdjust; a second call
    // does nothing. The file is never created here.
    void load();
    // Both setters write nothing before load().
    void setTempAdjust(int value);
    void setFormLan(const QString &value);

    // Where the history lives: group "history", key url. Empty (or no key)
    // means the embedded history db/dravik.db; "postgresql://..." a shared
    // one. The environment variable VESMIRA_HISTORY, when set, wins (also
    // when it is empty). Never a password: libpq's own ~/.pgpass and
    // PGPASSWORD hold it. Empty before load().
    QString historyUrl() const;

    // What the desktop remembers between runs, by key: "window/geometry",
    // "window/<object name>" for splitters and tab widgets, "export/folder"
    // (the folder of the last export) and "reports/recent". remembered() is
    // invalid before load() and for a key never written; remember() writes
    // at once (QSettings replaces the file atomically) and nothing before
    // load().
    QVariant remembered(const QString &key) const;
    void remember(const QString &key, const QVariant &value);

    void setMainWindow(CCalibrationDisplayListener *window);
    CCalibrationDisplayListener *mainWindow() const;

private:
    explicit CRecordConfig(QObject *parent = nullptr);

    static CRecordConfig *m_instance;
    static QMutex m_mutex;

    QSettings *m_settings = nullptr;
    CCalibrationDisplayListener *m_mainWindow = nullptr;
};

#endif // CRECORDCONFIG_H
