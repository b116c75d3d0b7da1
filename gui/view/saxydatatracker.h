#ifndef SAXYDATATRACKER_H
#define SAXYDATATRACKER_H

#include <QObject>

// The home ranges of a curve: what a right click on the plot restores after
// the user dragged or zoomed. All zero until the first drawing.
class SAXYDataTracker : public QObject {
    Q_OBJECT
public:
    explicit SAXYDataTracker(QObject *parent = nullptr);

    double timeLower = 0, timeUpper = 0;
    double tempLower = 0, tempUpper = 0;
    double humidityLower = 0, humidityUpper = 0;
};

#endif // SAXYDATATRACKER_H
