#include "gui/app/crecentreports.h"

#include "core/record/crecordconfig.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString Key = QStringLiteral("reports/recent");
} // namespace

CRecentReports::CRecentReports(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    fillMenu();
}

QStringList CRecentReports::files() const
{
    return CRecordConfig::instance()->remembered(Key).toStringList().mid(0, MaxEntries);
}

void CRecentReports::add(const QString &file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, MaxEntries));
}

void CRecentReports::remove(const QString &file)
{
    QStringList list = files();
    if (list.removeAll(QFileInfo(file).absoluteFilePath()) > 0)
        store(list);
}

void CRecentReports::store(const QStringList &list)
{
    CRecordConfig::instance()->remember(Key, list);
    fillMenu();
}

void CRecentReports::fillMenu()
{
    m_menu->clear();
    const QStringList list = files();
    int number = 0;
    for (const QString &file : list) {
        // "&1 name" for the keyboard; the whole path as the tip.
        QString name = QFileInfo(file).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = m_menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(name));
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setStatusTip(QDir::toNativeSeparators(file));
        connect(action, &QAction::triggered, this, [this, file] { emit openRequested(file); });
    }
    m_menu->setToolTipsVisible(true);
    if (!list.isEmpty()) {
        m_menu->addSeparator();
        QAction *clear = m_menu->addAction(tr("qing chu lie biao"));
        clear->setObjectName("clearRecentReportsAction");
        connect(clear, &QAction::triggered, this, [this] { store(QStringList()); });
    }
    m_menu->setEnabled(!list.isEmpty());
}
