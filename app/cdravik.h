#ifndef CDRAVIK_H
#define CDRAVIK_H

#include "app/crecordconfig.h"

#include <QMainWindow>

// The single main window: owns every page, the drive watcher, the history
// database and the record read last.
class CDravik : public QMainWindow, public CCalibrationDisplayListener
{
    Q_OBJECT
public:
    explicit CDravik(QWidget *parent = nullptr);
    ~CDravik() override;

    void calibrationDisplayChanged(bool show) override;
};

#endif // CDRAVIK_H
