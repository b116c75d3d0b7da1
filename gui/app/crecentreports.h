#ifndef CRECENTREPORTS_H
#define CRECENTREPORTS_H

#include <QObject>
#include <QStringList>

class QMenu;

// File > Recent reports: the report files opened by hand last (newest first,
// at most MaxEntries), kept in the application configuration
// ("reports/recent") so that they are there at the next start.
class CRecentReports : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxEntries = 8;

    // Fills menu (owned by the caller) now and after every change.
    explicit CRecentReports(QMenu *menu, QObject *parent = nullptr);

    QStringList files() const;
    // Puts file first (once).
    void add(const QString &file);
    void remove(const QString &file);

signals:
    void openRequested(const QString &file);

private:
    void store(const QStringList &files);
    void fillMenu();

    QMenu *m_menu;
};

#endif // CRECENTREPORTS_H
