#ifndef CSETTINGFILEMANAGER_H
#define CSETTINGFILEMANAGER_H

#include <QDialog>
#include <functional>

class QComboBox;
class QListWidget;
class QPushButton;
class SwitchButton;

// The preferences dialog: whether calibration values are shown on the
// configuration page, the interface language (effective after a restart)
// and renaming and deleting templates. Both preferences are written to
// record-config.ini at once; there is no separate save step.
class CSettingFileManager : public QDialog {
    Q_OBJECT
public:
    explicit CSettingFileManager(QWidget *parent = nullptr);

    QString templateDirectory() const { return m_templateDir; }

    // What "Restart Now" does: hand the single-instance guard on, start the
    // executable again as a detached process and quit. Tests replace it.
    using RestartHandler = std::function<void()>;
    static void setRestartHandler(RestartHandler handler);
    static void restartApplication();

signals:
    // A template was renamed or deleted: the configuration page's list is
    // out of date.
    void templatesChanged();

public slots:
    void OnAdjustSwitch(bool on);
    void OnLanguageChanged(int index);
    void OnRenameBtnClick();
    void OnDeleteBtnClick();
    // Refills the template list from the template directory.
    void refreshTemplateList();

private:
    void templateFilesChanged();

    QString m_templateDir;
    SwitchButton *m_adjustSwitch = nullptr;
    QComboBox *m_languageCb = nullptr;
    QListWidget *m_templateList = nullptr;
    QPushButton *m_renameBtn = nullptr;
    QPushButton *m_deleteBtn = nullptr;
};

#endif // CSETTINGFILEMANAGER_H
