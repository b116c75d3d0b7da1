#ifndef CSETTINGFRAME_H
#define CSETTINGFRAME_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

class QTimeZone;

// The configuration frame a logger reads from "setting.ini" in the root of
// its drive when it is unplugged. The file is not text: it is this one frame
// of exactly 102 bytes, written in one piece and never read back.
//
//  Offset  Size  Meaning
//     0     1    head marker 0xFF
//     1     1    head marker 0x55
//     2     8    reserved, 0xFF each
//    10     1    report file type: 1 PDF, 2 TXT, 3 CSV
//    11     1    temperature unit: 1 ℃, 2 ℉
//    12     1    start mode: 1 key, 2 key after a delay, 3 timed, 4 at once
//    13     1    start delay, minutes 0..240
//    14     5    timed start: year - 2000, month, day, hour, minute
//    19     1    stop mode: 1 key, 2 timed
//    20     5    timed stop, as the timed start
//    25     2    normal record interval, units of 10 s, most significant first
//    27     2    over-limit record interval, as above
//    29     1    alarm delay, minutes 0..240
//    30     2    temperature upper limit    (limit value, ℃)
//    32     2    temperature lower limit    (limit value, ℃)
//    34     2    temperature calibration    (limit value, ℃)
//    36     2    humidity upper limit       (limit value, %RH)
//    38     2    humidity lower limit       (limit value, %RH)
//    40     2    humidity calibration       (limit value, %RH)
//    42     1    time zone code (zoneCode)
//    43     6    clock, local: year - 2000, month, day, hour, minute, second
//    49     1    day of week of the clock: 1 Monday .. 7 Sunday
//    50     1    circular logging: 0 stop when full, 1 circular
//    51     1    clear stored records: 0 keep, 1 clear
//    52     1    multiple start: 0 not allowed, 1 allowed
//    53     1    clear data by long key press: 0 not allowed, 1 allowed
//    54     1    report language: 1 Chinese, 2 English
//    55    32    trip description, GBK, the rest 0x00 (no terminator when full)
//    87     8    trip ID, ASCII letters and digits
//    95     1    display: 2 switches off after a time, 1 always on
//    96     1    reserved: 0x00 advanced configuration, 0xFF basic
//    97     1    description flag: 1 no Chinese character in it, 0 otherwise
//    98     1    reserved 0xFF
//    99     1    check byte: bitwise NOT of the XOR of bytes 1..98
//   100     1    tail marker 0xAA
//   101     1    tail marker 0xFF
//
// 0xFF in a one-byte field, in both bytes of a limit value or in every byte
// of a time leaves that setting of the logger unchanged.
//
// Limit value: the first byte is the integer part truncated toward zero, a
// negative value as 0x80 | magnitude (sign bit 7, magnitude 0..127); the
// second is the tenths digit of the magnitude, rounded half away from zero,
// a 10 stored as 9. So 25.96 is 0x19 0x09 and -12.34 is 0x8C 0x03.
namespace CSettingFrame {

constexpr int FrameSize = 102;
constexpr int DescriptionSize = 32;
constexpr int TripIdSize = 8;
// A time of the frame carries its year as year - 2000 in one byte.
constexpr int MinYear = 2000;
constexpr int MaxYear = 2000 + 255;

// The values of one frame in the logger's units (temperatures in ℃,
// intervals in seconds). Unset fields are written as "unchanged".
struct Values {
    std::optional<int> fileType; // 1 PDF, 2 TXT, 3 CSV
    std::optional<int> tempUnit; // 1 ℃, 2 ℉
    std::optional<int> startMode; // 1..4
    std::optional<int> startDelay; // minutes
    QDateTime startTime; // invalid: unchanged
    std::optional<int> stopMode; // 1, 2
    QDateTime stopTime; // invalid: unchanged
    int normalInterval = 60; // seconds, a multiple of 10 (correctInterval)
    int alarmInterval = 30;
    int alarmDelay = 0;
    double tempHigh = 0;
    double tempLow = 0;
    std::optional<double> tempAdjust;
    std::optional<double> humidityHigh;
    std::optional<double> humidityLow;
    std::optional<double> humidityAdjust;
    quint8 zoneCode = 0;
    QDateTime clock; // the moment of writing, local
    std::optional<int> circular;
    std::optional<int> clearRecords;
    std::optional<int> multipleStart;
    std::optional<int> longPressClear;
    std::optional<int> reportLanguage; // 1 Chinese, 2 English
    QString description; // at most 32 bytes in GBK (descriptionBytes)
    QString tripId; // 8 characters
    std::optional<int> displayMode; // 2 off after a time, 1 always on
    bool advanced = true; // byte 96
};

// The whole frame, check byte included. A description longer than 32 GBK
// bytes is cut (callers refuse it before); a trip ID is cut or zero-padded to
// 8 bytes.
QByteArray encode(const Values &values);

// The two bytes of a limit value. Values between -1 and 0 keep their sign
// (-0.5 is 0x80 0x05): written without it the logger would read +0.5.
QByteArray limitBytes(double value);

// (value - 32) * 5 / 9, rounded to the nearest tenth: the exact conversion of
// a one-decimal ℉ value is often a hair below the tenth it stands for (33.8 ℉
// is 0.99999... in binary), and truncating would write 0.9 ℃ for 1.0 ℃.
double celsiusFromFahrenheit(double fahrenheit);
// A calibration is a difference, not a temperature: one entered in ℉ is
// value * 5 / 9 ℃ (0.0 ℉ is 0.0 ℃, 1.8 ℉ is 1.0 ℃), to the nearest tenth
// as above. The limits go through celsiusFromFahrenheit.
double celsiusDifference(double fahrenheit);
// A calibration the logger keeps in ℃ as a page in ℉ shows it: value * 9 / 5,
// to the nearest tenth.
double fahrenheitDifference(double celsius);

// An interval as the logger counts it: below 10 s raised to 10, otherwise
// lowered to a multiple of 10.
int correctInterval(int seconds);
// The two bytes of a corrected interval: seconds / 10, most significant first.
QByteArray intervalBytes(int seconds);

// The zone code of a zone comment as Windows shows it, e.g. "(UTC+05:30)
// Chennai, Kolkata": the text is cut after its first ")" and the first label
// of the zone table found in it gives the code; 0x00 when none is found.
quint8 zoneCode(const QString &zoneComment);
// "(UTC+hh:mm)" or "(UTC-hh:mm)" for the standard (non-daylight) offset of a
// zone at a moment, as the Windows display name of the zone begins. Linux
// zone comments carry no offset, so this is the text the code is looked up in.
QString zoneComment(const QTimeZone &zone, const QDateTime &at);

// The five bytes of a timed start or stop: year - 2000, month, day, hour,
// minute; 0xFF each for an invalid time.
QByteArray timeBytes(const QDateTime &time);
// False for a valid time whose year lies outside MinYear..MaxYear: its year
// byte would wrap (1900 and 2156 would both be written as 0x9C).
bool yearFits(const QDateTime &time);
// The seven bytes of the clock: year - 2000, month, day, hour, minute,
// second, then the day of week (1 Monday .. 7 Sunday).
QByteArray clockBytes(const QDateTime &now);

// The description as the logger gets it (GBK, whatever the platform's local
// encoding), before padding.
QByteArray descriptionBytes(const QString &description);
// True when text holds a character in U+4E00..U+9FA5.
bool holdsChinese(const QString &text);

// Bitwise NOT of the XOR of bytes 1 to 98 of a frame.
quint8 checkByte(const QByteArray &frame);

} // namespace CSettingFrame

#endif // CSETTINGFRAME_H
