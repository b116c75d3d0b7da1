#ifndef CCONFIGWRITER_H
#define CCONFIGWRITER_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct CConfigValues;

// Writing a configuration to a logger: checks, builds the frame of
// CSettingFrame and replaces setting.ini in the root of the logger drive.
// Every check runs before the old file is touched, and the replacement is
// atomic: after any failure the drive holds the setting.ini it had before
// (or none, as before). The caller shows the message of the result.
class CConfigWriter {
public:
    enum Mode { Basic, Advanced };

    enum Status {
        Written,
        TripIdLength, // not exactly 8 characters
        DeviceUnavailable, // the drive root does not exist
        DescriptionTooLong, // more than 32 bytes in GBK
        TempLimitsReversed, // lower temperature limit above the upper one
        HumidityLimitsReversed,
        ValueOutOfRange, // a temperature beyond what the frame can carry
        OpenFailed, // the drive refused to create the file (read-only, no permission)
        WriteFailed, // the frame did not reach the drive in full, or could not replace setting.ini
        NotANumber, // a limit or calibration is NaN or infinite (a damaged template)
        YearOutOfRange, // the clock or a timed start or stop outside 2000..2255
    };

    // What the write takes from outside the page.
    struct Environment {
        QDateTime now; // local date and time of the write
        QString zoneComment; // e.g. "(UTC+08:00) Beijing"; see CSettingFrame::zoneCode
        bool humidity = false; // the logger has a humidity sensor
    };

    // The computer's environment: local time now and the zone text of the
    // local zone's standard offset.
    static Environment systemEnvironment(bool humidity);
    // The zone text of the local zone at a moment.
    static QString systemZoneComment(const QDateTime &now);

    // Runs the checks and builds the frame, without touching the drive
    // beyond testing that its root exists. Once the limit checks passed the
    // record intervals of the active page in values are corrected
    // (CSettingFrame::correctInterval), as the page then shows them.
    static Status buildFrame(CConfigValues &values, Mode mode, const QString &driveRoot,
        const Environment &env, QByteArray *frame);
    // buildFrame, then replaces driveRoot/setting.ini (hidden) with the frame:
    // the frame goes to a new file beside it, is synced, and is renamed over
    // setting.ini. A setting.ini that is a symbolic link is replaced itself,
    // never written through. On OpenFailed and WriteFailed, reason (when
    // given) receives the path and the system's error text. written (when
    // given) receives the frame once it is on the drive.
    static Status write(CConfigValues &values, Mode mode, const QString &driveRoot, const Environment &env,
        QString *reason = nullptr, QByteArray *written = nullptr);

    static QString settingFilePath(const QString &driveRoot);

    // The English text of a result (what vesmira-cli prints).
    static QString englishMessage(Status status);

    // The alarm-limit messages are not translated: they exist in English and
    // Chinese and follow the interface language ("en" or else Chinese).
    struct Message {
        QString title;
        QString text;
        QString button;
    };
    static Message limitMessage(Status status, const QString &languageCode);
};

#endif // CCONFIGWRITER_H
