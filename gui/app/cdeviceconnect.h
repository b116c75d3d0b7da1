#ifndef CDEVICECONNECT_H
#define CDEVICECONNECT_H

#include <QWidget>

class CDravik;
class QPushButton;

// Left column while a logger is read; its button reads the logger again.
class CDeviceConnect : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceConnect(QWidget *parent = nullptr);

    void setMainWindow(CDravik *window) { m_mainWindow = window; }
    QPushButton *downloadButton() const { return m_downloadBtn; }

public slots:
    void OnDownloadUsbDataBtnClick();

private:
    CDravik *m_mainWindow = nullptr;
    QPushButton *m_downloadBtn = nullptr;
};

#endif // CDEVICECONNECT_H
