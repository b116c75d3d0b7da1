#ifndef CSUMMARYDISPLAY_H
#define CSUMMARYDISPLAY_H

#include "core/record/summaryfields.h"

#include <QCoreApplication>
#include <QString>

class CDeviceSettingInfo;
class CSummeryParam;
class CTempData;

// How a summary is shown: the data view, the history detail page and the
// command line all form the values here, so every path stores and shows the
// same record. Value texts are translated in the data view's context.
class CSummaryDisplay {
    Q_DECLARE_TR_FUNCTIONS(CDeviceDataInfo)
public:
    // The display values of one summary: the text of each field as the
    // pages show it, by the field's place in CSummaryFields::all().
    struct Values {
        std::array<QString, CSummaryFields::Count> texts;
        int battery = 0;
        bool alarmed = false; // the alarm count is not "0" (blanks aside): alarm lines in red
        bool mktShown = false;

        QString &operator[](const char *name);
        const QString &operator[](const char *name) const;
        const QString &text(const CSummaryField &field) const;
    };

    // A Chinese report shown in an English interface.
    static bool chineseReportInEnglish(const CSummeryParam &summary);
    // A Chinese CSV or TXT report (their dates carry year, month and day characters).
    static bool chineseTextReport(const CSummeryParam &summary);

    // The conversions that change the record itself, before it is stored:
    // the dates of a Chinese text report lose their date characters, and the
    // counts lose their unit character. Running it again changes nothing.
    static void applyStoredConversions(CSummeryParam &summary);

    // The shown values (the stored conversions applied first, to a copy).
    static Values values(const CSummeryParam &summary);

    static QString translateValue(const QString &value);
    // A Chinese duration ("2小时5分0秒") in English units ("2h 5min 0sec"); shown
    // unchanged when its units are not in the expected order.
    static QString englishDuration(const QString &value, bool withDays);
    static QString englishAlarmType(const QString &value);

    // Header of the list's temperature column and label of the curve's axis.
    static QString temperatureHeader(const QString &tempUnit);
    static QString temperatureAxisLabel(const QString &tempUnit);
};

#endif // CSUMMARYDISPLAY_H
