#ifndef CSETTINGFILEMANAGER_H
#define CSETTINGFILEMANAGER_H

#include <QDialog>

class CDravik;

// The preferences dialog: templates, interface language, calibration display.
class CSettingFileManager : public QDialog
{
    Q_OBJECT
public:
    explicit CSettingFileManager(CDravik *window, QWidget *parent = nullptr);

private:
    CDravik *m_mainWindow = nullptr;
};

#endif // CSETTINGFILEMANAGER_H
