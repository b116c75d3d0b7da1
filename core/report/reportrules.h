#ifndef REPORTRULES_H
#define REPORTRULES_H

#include "core/record/crecordtime.h"

#include <QString>
#include <QStringView>

// Conversions shared by the CSV, TXT and PDF report parsers: how a printed
// value of a logger's report becomes the normalised form of
// CDeviceSettingInfo and how sample times are brought to one form.
namespace ReportRules {

// The decimal integer in text (blanks around it allowed, as QString::toInt);
// 0 when the text is not a number.
int toInt(QStringView text);

// The text before the first occurrence of mark, or the whole text when the
// mark does not occur.
QString textBefore(const QString &text, const QString &mark);

// The unit marks of a printed temperature, in the order they are tested.
extern const QString TemperatureMarks[4];

// A printed temperature limit: the unit marks "°C", "℃", "°F", "℉" are tested
// in that order and each one found at a position greater than 0 sets target
// to the text before it (so the last matching mark in that order decides).
// Without such a mark target is left as it is.
void applyUnitMark(const QString &value, QString &target);

// Whole seconds of a CSV/TXT interval: "1小时30分15秒" (Chinese units) or
// "1h 30min 15sec" (English units, one blank after each unit). Each unit
// present contributes the number between the previous unit present and itself.
int intervalSeconds(const QString &value, bool english);

// Whole seconds of a PDF interval: numbers followed by "小时", "分", "秒", "h",
// "min" or "sec", with or without blanks between a number and its unit.
int pdfIntervalSeconds(const QString &value);

// A Chinese report date: "年" and "月" become "/", "日" is removed.
QString chineseDate(QString value);

// An English timed start or stop time "a/b/c h:m" becomes "c/a/b h:m" with c
// as four digits and the rest as two, zero-padded. A value of another shape
// (for example "-----") is returned as it is.
QString englishTimedTime(const QString &value);

// An English sample time "a/b/c h:m:s" (one blank between date and time)
// becomes "c/a/b hh:mm:ss" (c four digits, the rest two, zero-padded). Text
// of another shape is returned as it is. When readTime is given, it receives the
// time the result reads (CRecordTime::fromText of it), read from the numbers
// at hand.
QString englishSampleTime(QStringView text, CRecordTime *readTime = nullptr);
// The same for a field whose blanks are not yet simplified (QString::simplified).
QString englishSampleTimeSimplified(QStringView text, CRecordTime *readTime = nullptr);

// The start delay in minutes of a Chinese "按键延时开启" report: the text after
// the first "时" (from the start without one) up to "分" (to the end without one).
QString chineseStartDelay(const QString &value);

// The start delay in minutes of an English "Manual+Delay" report: the number
// between "Delay " and "min", as in "Manual+Delay 30 min".
QString englishStartDelay(const QString &value);

// True when QString::simplified() would return the text unchanged.
bool isSimplified(QStringView text);

// "-----" when the value starts with five dashes (the logger's "no value"),
// else the value.
QString dashes(const QString &value);

} // namespace ReportRules

#endif // REPORTRULES_H
