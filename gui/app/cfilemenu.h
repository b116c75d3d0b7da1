#ifndef CFILEMENU_H
#define CFILEMENU_H

#include "core/device/cloggerreader.h"

#include <QObject>
#include <QStringList>
#include <functional>

class CRecentReports;
class CRecordView;
class QAction;
class QMenu;
class QMimeData;
class QWidget;

// The File menu's entries beside the design's search action: Open report
// (Ctrl+O, starting in the folder of the last report opened), Recent
// reports, and Export PDF (Ctrl+E) and Export CSV (Ctrl+Shift+E), which
// press the export button of the record view on screen (shownView; none:
// nothing to export). Report files dropped on the window are asked for too.
// Reading is the main window's (openRequested).
class CFileMenu : public QObject {
    Q_OBJECT
public:
    CFileMenu(QMenu *fileMenu, QWidget *window, const std::function<CRecordView *()> &shownView);

    CRecentReports *recentReports() const { return m_recent; }
    QAction *openAction() const { return m_open; }
    QAction *exportPdfAction() const { return m_exportPdf; }
    QAction *exportCsvAction() const { return m_exportCsv; }

    // The local files of a drag (folders left out): the reports to read when
    // it is dropped.
    static QStringList droppedFiles(const QMimeData *mime);
    // Drops on the window.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Why a report opened by hand was not read: refused before the copy, or
    // (no problem given) copied but its suffix is no lower-case report kind.
    // A file that is gone leaves the recent reports.
    QString whyNotRead(const QString &file, const CLoggerReader::Refusal &refused);

signals:
    void openRequested(const QStringList &files);

private:
    void exportShown(bool csv);

    QWidget *m_window;
    std::function<CRecordView *()> m_shownView;
    CRecentReports *m_recent = nullptr;
    QAction *m_open = nullptr;
    QAction *m_exportPdf = nullptr;
    QAction *m_exportCsv = nullptr;
};

#endif // CFILEMENU_H
