#ifndef CDEVICESETTINGFORM_H
#define CDEVICESETTINGFORM_H

#include <QCoreApplication>

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTextEdit;
class QWidget;

// The controls of the configuration page, built in code the way a form
// would build them: every control carries its object name (the template
// keys are made from them) and its texts are translated in the context
// "CDeviceSetting". Ranges, steps and start values are those of the page.
class CDeviceSettingForm {
    Q_DECLARE_TR_FUNCTIONS(CDeviceSetting)
public:
    void setupUi(QWidget *page);
    // The tip under the fields of both pages (rich text).
    static QString highTipText();

    // Title bar.
    QRadioButton *baseConfigModelRb;
    QRadioButton *highConfigModelRb;
    QPushButton *saveSettingBtn;
    QFrame *saveSettingLine;
    QPushButton *writeSettingBtn;
    QPushButton *defaultSettingBtn;
    QStackedWidget *configStack;

    // Basic page.
    QWidget *basePage;
    QSpinBox *normalRecordSpace2;
    QSpinBox *alarmRecordSpace2;
    QDoubleSpinBox *tempHighSpinBox2;
    QDoubleSpinBox *tempLowSpinBox2;
    QDoubleSpinBox *humidityHighSpinBox2;
    QDoubleSpinBox *humidityLowSpinBox2;
    QLineEdit *runwayIdTxt2;
    QTextEdit *runwayDescTxt2;
    QLabel *tempHighUnitLb2;
    QLabel *tempLowUnitLb2;
    QLabel *humidityHighLb2;
    QLabel *humidityLowLb2;
    QLabel *baseTipLb;

    // Advanced page, main block.
    QWidget *highPage;
    QRadioButton *tempUnitDuRb;
    QRadioButton *tempUnitFRb;
    QLineEdit *runwayIdTxt;
    QTextEdit *runwayDescTxt;
    QComboBox *settingFilePathCB;
    QPushButton *openSettingPathBtn;
    QComboBox *startTypeCb;
    QPushButton *deviceSettingBtn;
    QSpinBox *startDelayTime;
    QDateTimeEdit *startDateTimeEdit;
    QComboBox *stopTypeCb;
    QDateTimeEdit *stopDateTimeEdit;
    QSpinBox *normalRecordSpace;
    QSpinBox *alarmRecordSpace;
    QSpinBox *spinBox;
    QLabel *highTipLb;

    // Advanced page, tabs.
    QTabWidget *otherSettingTab;
    QDoubleSpinBox *tempHighSpinBox;
    QDoubleSpinBox *tempLowSpinBox;
    QDoubleSpinBox *adjustTempSpinBox;
    QDoubleSpinBox *humidityHighSpinBox;
    QDoubleSpinBox *humidityLowSpinBox;
    QDoubleSpinBox *humidityAdjSpinBox;
    QLabel *tempHighUnitLb;
    QLabel *tempLowUnitLb;
    QLabel *adjustTempUnitLb;
    QLabel *adjustTempLb;
    QLabel *humidityHighLb;
    QLabel *humidityLowLb;
    QLabel *humidityAdjLb;
    QGroupBox *reportLanGroup;
    QRadioButton *reportZhRb;
    QRadioButton *reportEnRb;
    QComboBox *exportFileTypeCb;
    QComboBox *repeatRecordComboBox;
    QComboBox *clearRecordComboBox;
    QComboBox *restartComboBox;
    QComboBox *longPressedClearRecordComboBox;
    QComboBox *lcdLightComboBox;

private:
    QWidget *buildTitleBar(QWidget *page);
    QWidget *buildBasicPage();
    QWidget *buildAdvancedPage();
    QTabWidget *buildTabs();
};

#endif // CDEVICESETTINGFORM_H
