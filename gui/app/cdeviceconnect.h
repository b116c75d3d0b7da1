#ifndef CDEVICECONNECT_H
#define CDEVICECONNECT_H

#include <QWidget>

class QPushButton;

// Left column while a logger is read; its button reads the logger again.
class CDeviceConnect : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceConnect(QWidget *parent = nullptr);

    QPushButton *downloadButton() const { return m_downloadBtn; }

signals:
    // The button: read the connected logger again, also after a failed read.
    void readAgainRequested();

public slots:
    void OnDownloadUsbDataBtnClick();

private:
    QPushButton *m_downloadBtn = nullptr;
};

#endif // CDEVICECONNECT_H
