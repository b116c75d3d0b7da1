#ifndef CSEARCHDEVICE_H
#define CSEARCHDEVICE_H

#include <QWidget>

class QMovie;

// Left column while no logger is read: what to do, and an animation.
class CSearchDevice : public QWidget {
    Q_OBJECT
public:
    explicit CSearchDevice(QWidget *parent = nullptr);

private:
    QMovie *m_movie = nullptr;
};

#endif // CSEARCHDEVICE_H
