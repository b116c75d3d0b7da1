#ifndef CABOUTSOFTINFO_H
#define CABOUTSOFTINFO_H

#include <QDialog>

// The about box: logo, product name, description, version.
class CAboutSoftInfo : public QDialog {
    Q_OBJECT
public:
    explicit CAboutSoftInfo(QWidget *parent = nullptr);
};

#endif // CABOUTSOFTINFO_H
