#include "gui/app/cfilemenu.h"

#include "core/record/crecordconfig.h"
#include "gui/app/cdialogs.h"
#include "gui/app/crecentreports.h"
#include "gui/view/crecordview.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

CFileMenu::CFileMenu(QMenu *fileMenu, QWidget *window, const std::function<CRecordView *()> &shownView)
    : QObject(window)
    , m_window(window)
    , m_shownView(shownView)
{
    fileMenu->addSeparator();
    m_open = fileMenu->addAction(tr("da kai bao gao wen jian..."));
    m_open->setObjectName("openReportAction");
    m_open->setShortcut(QKeySequence::Open);
    connect(m_open, &QAction::triggered, this, [this] {
        const QString folderKey = QStringLiteral("reports/folder");
        const QString file = CDialogs::getOpenFileName(m_window, tr("da kai bao gao wen jian"),
            CRecordConfig::instance()->remembered(folderKey).toString(),
            tr("ji lu yi bao gao (*.pdf *.csv *.txt);;suo you wen jian (*)"));
        if (file.isEmpty())
            return;
        CRecordConfig::instance()->remember(folderKey, QFileInfo(file).absolutePath());
        emit openRequested({ file });
    });
    QMenu *recent = fileMenu->addMenu(tr("zui jin da kai de bao gao"));
    recent->setObjectName("menuRecentReports");
    m_recent = new CRecentReports(recent, this);
    connect(m_recent, &CRecentReports::openRequested, this,
        [this](const QString &file) { emit openRequested({ file }); });

    fileMenu->addSeparator();
    m_exportPdf = fileMenu->addAction(tr("dao chu PDF wen jian..."));
    m_exportPdf->setObjectName("exportPdfAction");
    m_exportPdf->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_E));
    connect(m_exportPdf, &QAction::triggered, this, [this] { exportShown(false); });
    m_exportCsv = fileMenu->addAction(tr("dao chu CSV wen jian..."));
    m_exportCsv->setObjectName("exportCsvAction");
    m_exportCsv->setShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_E));
    connect(m_exportCsv, &QAction::triggered, this, [this] { exportShown(true); });
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // Greyed while no record view is on screen; the keys then do nothing.
    connect(fileMenu, &QMenu::aboutToShow, this, [this] {
        m_exportPdf->setEnabled(m_shownView() != nullptr);
        m_exportCsv->setEnabled(m_shownView() != nullptr);
    });
    connect(fileMenu, &QMenu::aboutToHide, this, [this] {
        m_exportPdf->setEnabled(true);
        m_exportCsv->setEnabled(true);
    });
}

void CFileMenu::exportShown(bool csv)
{
    if (CRecordView *view = m_shownView())
        (csv ? view->exportCsvButton() : view->exportPdfButton())->click();
}

bool CFileMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event); // QDragEnterEvent is one too
    const QStringList files = droppedFiles(drop->mimeData());
    if (files.isEmpty())
        return false;
    drop->acceptProposedAction();
    // Read after the drop has ended: the read runs its own progress dialog.
    if (event->type() == QEvent::Drop)
        QTimer::singleShot(0, this, [this, files] { emit openRequested(files); });
    return true;
}

QString CFileMenu::whyNotRead(const QString &file, const CLoggerReader::Refusal &refused)
{
    const QString name = QFileInfo(file).fileName();
    switch (refused.problem) {
    case ReportFileProblem::None:
        return tr("bao gao wen jian %1 de hou zhui bu shi xiao xie de pdf, csv huo txt, wei du qu").arg(name);
    case ReportFileProblem::NotReport:
        return tr("wen jian %1 bu shi PDF, CSV huo TXT bao gao, wei du qu").arg(name);
    case ReportFileProblem::NotRegular:
        return tr("bao gao wen jian %1 bu shi pu tong wen jian, wei du qu").arg(name);
    case ReportFileProblem::TooLarge:
        return tr("bao gao wen jian %1 tai da, bu shi ji lu yi bao gao, wei du qu").arg(name);
    case ReportFileProblem::Missing:
        m_recent->remove(file);
        break;
    case ReportFileProblem::Unreadable:
        break;
    }
    // The system's own reason, in English.
    return tr("wu fa du qu wen jian %1 (%2), wei du qu").arg(QDir::toNativeSeparators(file), refused.why);
}

QStringList CFileMenu::droppedFiles(const QMimeData *mime)
{
    QStringList files;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isDir())
            files << url.toLocalFile();
    }
    return files;
}
