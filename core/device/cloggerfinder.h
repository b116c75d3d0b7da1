#ifndef CLOGGERFINDER_H
#define CLOGGERFINDER_H

#include <QString>
#include <QStringList>

class CDriveProbe;

// Recognises a logger among the drives: a candidate drive (removable, remote
// or CD-ROM) whose storage device reports a vendor string containing "STM"
// and whose root directory exists (a card reader without a card has none).
// Only the vendor string counts: product, serial number and volume label are
// never looked at.
class CLoggerFinder {
public:
    explicit CLoggerFinder(CDriveProbe &probe);

    // Lists the drives anew and returns the root of the first logger, empty
    // when there is none.
    QString findLogger();
    // The roots of every logger plugged in, in list order (several can be
    // read one after the other).
    QStringList findLoggers();

    // The position of the first logger in the drive list, -1 when none. The
    // vendor is tested before the root, so a drive that cannot be a logger
    // (a dead network mount, say) is never touched.
    static int recognise(const QStringList &driveList, const QStringList &vendorList);

    // Case-sensitive, at any position: "stm" is not a logger.
    static bool isLoggerVendor(const QString &vendor);

private:
    CDriveProbe &m_probe;
};

#endif // CLOGGERFINDER_H
