#ifndef CEMPTYCONTENT_H
#define CEMPTYCONTENT_H

#include <QWidget>

// Right column while no logger is read: an empty frame under a title bar.
class CEmptyContent : public QWidget {
    Q_OBJECT
public:
    explicit CEmptyContent(QWidget *parent = nullptr);
};

#endif // CEMPTYCONTENT_H
