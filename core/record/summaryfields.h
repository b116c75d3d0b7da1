#ifndef SUMMARYFIELDS_H
#define SUMMARYFIELDS_H

#include "core/record/csummeryparam.h"

#include <QString>
#include <array>

// One text field of a summary and everything that names it: the field
// itself (its name is also its JSON key and, where it is stored, its column
// in t_record_summery), the data view's line and the history detail page's
// cell. Clearing, the history's columns, the JSON of `vesmira-cli parse` and
// both summary pages go through this one list.
struct CSummaryField {
    enum Group { Device, Configuration, Statistics };

    const char *name;
    QString CSummeryParam::*member;
    // Column of t_record_summery (1..38), 0 for a field the history does not
    // keep (the report's firmware, unit, format, language and battery).
    int column;

    // Data view: the group, the line inside it, the caption (context
    // CDeviceDataInfo) and, where a temperature/humidity record words it
    // differently, its caption then.
    Group group;
    int line;
    const char *caption;
    const char *humidityCaption;

    // History detail page: row and column (0 or 3) of the caption, -1 when
    // the field has no cell there, and the captions (context
    // CHistoryRecordContent; "MKT" stands untranslated).
    int historyRow;
    int historyColumn;
    const char *historyCaption;
    const char *historyHumidityCaption;

    // The alarm lines: green without an alarm, red with one.
    bool alarm;

    const QString &of(const CSummeryParam &summary) const { return summary.*member; }
};

namespace CSummaryFields {

constexpr int Count = 40;

// The forty text fields in the summary's declaration order (the order of
// the JSON keys).
const std::array<CSummaryField, Count> &all();
// The field of a name; null for a name that is no field.
const CSummaryField *find(const QString &name);
// The index of a field in all().
int indexOf(const CSummaryField &field);

// The history's section rows: row and caption (context CHistoryRecordContent).
struct Section {
    int row;
    const char *caption;
};
const std::array<Section, 3> &historySections();
constexpr int HistoryRows = 21;

} // namespace CSummaryFields

#endif // SUMMARYFIELDS_H
