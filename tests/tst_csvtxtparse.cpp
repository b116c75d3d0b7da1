// CSV and TXT reports: the summary rules and the sample tables at their edges,
// on small reports written as a logger writes them (GBK, CRLF). The usual
// lines of both languages are checked whole on the reports of tests/data
// (tst_reportparse).
#include "helpers/reportrecord.h"

class TestCsvTxtParse : public QObject {
    Q_OBJECT

    ReportFiles files;

private slots:
    void initTestCase() { QVERIFY(files.init()); }

    // ---------------------------------------------------------------- CSV summary

    void csvSummary_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("checks");
        addChecks("value field missing", "产品型号,\nDevice Code,,\n", { "summary.deviceModel=" });
        addChecks("label only inside a field", "产品型号X,,TL-30\n", { "summary.deviceModel=" });
        addChecks("last occurrence wins", "产品型号,,TL-30-83WQ\n产品型号,,TL-30\n",
            { "summary.deviceModel=TL-30", "summary.containHumidity=0" });
        addChecks("MKT without value", "MKT,,\n", { "summary.mkt=" });
        addChecks("serial number beside an alarm label stops the block",
            "序列号,,EH1,,报警延时,,5分钟\n固件版本,,V1\n",
            { "summary.deviceNo=", "summary.alarmDelay=5分钟", "summary.firmwareVersion=" });
        addChecks("English table header stops the block", "No.,TIME,,,TEMP,ALARM\nDevice Code,,,TL-30\n",
            { "summary.deviceModel=" });
        addChecks("battery loses every percent sign", "电池电量,,9%0%\n", { "summary.battery=90" });
        addChecks("interval hours minutes seconds", "正常记录间隔,,1小时30分15秒\n",
            { "settings.normalRecordSpace=5415", "summary.normalRecordSpace=1小时30分15秒" });
        addChecks("interval minutes only", "正常记录间隔,,30分\n", { "settings.normalRecordSpace=1800" });
        addChecks("interval hours and seconds", "报警记录间隔,,1小时15秒\n", { "settings.alarmSpace=3615" });
        addChecks("English interval", "Log Interval,,,1h 30min 15sec\nAlarm Interval,,,45sec\n",
            { "settings.normalRecordSpace=5415", "settings.alarmSpace=45" });
        addChecks("interval without units", "Log Interval,,,-----\n", { "settings.normalRecordSpace=0" });
        addChecks("temperature limits by unit mark", "温度上限,,8.0°C\n温度下限,,35.6℉\n",
            { "settings.tempHigh=8.0", "settings.tempLow=35.6", "summary.tempHigh=8.0°C" });
        addChecks("a unit mark at the start sets nothing", "温度上限,,°C\n", { "settings.tempHigh=0" });
        addChecks("humidity limit without its two-blank divider",
            "Device Code,,,TL-30-83WQ\nUpper Limit,,,30.0°C 80.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=0" });
        addChecks("English limit of a temperature logger", "Upper Limit,,,30.0°C  80.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=0" });
        addChecks("start delay without the delay mode", "记录开启模式,,按键开启\n延时开启方式,,延时30分钟\n",
            { "settings.delayStart=", "summary.delayStart=延时30分钟" });
        addChecks("start delay before its mode", "延时开启方式,,延时30分钟\n记录开启模式,,按键延时开启\n",
            { "settings.delayStart=" });
        addChecks("older English labels", "Start Mode,,,Timing\nTiming start time,,,5/6/2021 8:05\n",
            { "settings.startAt=2021/05/06 08:05" });
        addChecks("timed time printed as dashes", "Start Mode,,,Timing\nON TIME,,,-----\n",
            { "settings.startAt=-----" });
        addChecks("English timed time with seconds kept as printed",
            "Start Mode,,,Timing\nON TIME,,,05/06/2021 22:00:00\n",
            { "settings.startAt=05/06/2021 22:00:00" });
        addChecks("timed time without the timed mode", "Start Mode,,,Manual\nON TIME,,,5/6/2021 8:05\n",
            { "settings.startAt=", "summary.startAt=5/6/2021 8:05" });
    }

    void csvSummary()
    {
        QFETCH(QString, report);
        QFETCH(QStringList, checks);
        files.check("csv", gbkReport(report), checks);
    }

    // ---------------------------------------------------------------- TXT summary

    void txtSummary_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("checks");
        addChecks("runs of blanks become one", "  Device    Code:    TL-30   extra\n",
            { "summary.deviceModel=TL-30" });
        addChecks("all labels on every line", "Device Code: TL-30 Serial Number: EH1\n",
            { "summary.deviceModel=TL-30", "summary.deviceNo=EH1" });
        addChecks(
            "Chinese serial number needs the full-width colon", "序列号: EH1\n", { "summary.deviceNo=" });
        addChecks("label without value", "Device Code:\nSerial Number: \n",
            { "summary.deviceModel=", "summary.deviceNo=" });
        addChecks("one-word time zone", "Time Zone: UTC\n", { "summary.deviceZone=UTC" });
        addChecks("timed start dashes", "Start Mode: Timing\nON TIME: -----\n",
            { "summary.startAt=-----", "settings.startAt=-----" });
        addChecks("timed stop unless manual", "Stop Mode: Manual\nOFF TIME: 05/07/2021 06:00\n",
            { "summary.stopAt=05/07/2021", "settings.stopAt=" });
        addChecks("MKT dashes alone", "MKT: -----\n", { "summary.mkt=-----", "settings.mkt=-----" });
        addChecks("statistic dashes", "Highest: ----- °C\n温度最小值： -----x 5\nStart Time: -----\n",
            { "summary.tempMax=-----", "summary.tempMin=-----", "summary.recordStartAt=-----" });
        addChecks("humidity statistics",
            "温湿度最大值： 24.0°C  71.5% 12:00\nLowest: 18.5°C  40.2%\nAverage: ----- -----%\n",
            { "summary.tempMax=24.0°C,71.5%", "summary.tempMin=18.5°C,40.2%", "summary.tempAvg=-----" });
        addChecks("humidity limits", "温湿度上限： 30.0°C  80.0%\nLower Limit: 2.0°C 20.0%\n",
            { "summary.tempHigh=30.0°C,80.0%", "settings.tempHigh=30.0", "settings.humidityHigh=80.0",
                "settings.tempLow=2.0", "settings.humidityLow=20.0" });
        addChecks("temperature limit", "Upper Limit: 8.0°C alarm\n",
            { "summary.tempHigh=8.0°C", "settings.tempHigh=8.0" });
        addChecks("intervals run to their unit",
            "Log Interval: 1h 30min 15sec (fixed)\n正常记录间隔： 1小时30分15秒 注\n",
            { "summary.normalRecordSpace=1小时30分15秒", "settings.normalRecordSpace=5415" });
        addChecks("interval without its unit", "Alarm Interval: 90\n",
            { "summary.alarmSpace=90", "settings.alarmSpace=0" });
        addChecks("elapsed times run to their unit",
            "Total Elapsed Time: 1d 2h 3min 4sec x\n报警总时长： 0秒 无\n",
            { "summary.recordTimeLen=1d 2h 3min 4sec", "summary.alarmTimeLen=0秒" });
        addChecks("alarm delay runs to its unit", "Alarm Delay: 10min later\n",
            { "summary.alarmDelay=10min", "settings.alarmDelay=10" });
        addChecks("English start delay", "Start Mode: Manual+Delay\nStart Delay: Manual+Delay 30 min\n",
            { "summary.delayStart=Manual+Delay 30 ", "settings.delayStart=30" });
        addChecks("start delay of another mode", "Start Delay: ----- x\n", { "summary.delayStart=-----" });
        addChecks("alarm type without colon words",
            "报警类型： 温度高于上限 湿度低于下限\nAlarm Type: a:b [No Alarm]\n",
            { "summary.alarmType=[No Alarm]" });
        addChecks("label words inside a value are no label",
            "Upper Limit: 8.0°C\nAlarm Type: [Temp Exceed Upper Limit] [Temp Below Lower Limit]\n",
            { "summary.tempHigh=8.0°C", "settings.tempHigh=8.0",
                "summary.tempLow=", "summary.alarmType=[Temp Exceed Upper Limit] [Temp Below Lower Limit]" });
        addChecks("Chinese alarm types", "报警类型： 温度高于上限 湿度低于下限\n",
            { "summary.alarmType=温度高于上限 湿度低于下限" });
        addChecks("short language label", "语言： EN\n", { "summary.language=EN" });
        addChecks("trip description keeps its blanks",
            "Trip Description: Cold chain  test 7\n行程描述： 冷链 测试\n",
            { "summary.wayDesc=冷链 测试", "settings.wayDesc=冷链 测试" });
        addChecks("Chinese table header stops the block",
            "序列号\t\t日期\t时间\t\t温度\t报警\n产品型号： TL-30\n", { "summary.deviceModel=" });
        addChecks("English table header stops the block",
            "No.\tDATE\tTIME\t\tTEMPERATURE\tALARM\nMKT: 1 °C\n", { "summary.mkt=", "settings.mkt=" });
    }

    void txtSummary()
    {
        QFETCH(QString, report);
        QFETCH(QStringList, checks);
        files.check("txt", gbkReport(report), checks);
    }

    // ---------------------------------------------------------------- CSV/TXT samples

    void tableSamples_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("samples");
        const auto row
            = [](const char *name, const char *suffix, const QString &report, const QStringList &samples) {
                  QTest::newRow(name) << QString(suffix) << report << samples;
              };
        const QString csvEn = "No.,Date/Time,,,Temperature(°C),ALARM\n";
        const QString csvEnTh = "Device Code,,,TL-30-83WQ\nNo.,Date/Time,,,T,,H,ALARM\n";
        const QString txtEn = "No.\tDATE\tTIME\t\tTEMPERATURE\tALARM\n";
        row("last row without line end", "csv",
            csvEn + "1,05/06/2021 08:00:00,,,1.0,\n2,05/06/2021 08:01:00,,,2.0,",
            { "1.0||2021/05/06 08:00:00", "2.0||2021/05/06 08:01:00" });
        row("no table header", "csv", "1,05/06/2021 08:00:00,,,1.0,\n2,x,,,2.0,\n", {});
        row("rows before the header ignored", "csv", "1,05/06/2021 08:00:00,,,1.0,\n" + csvEn, {});
        row("header needs four fields", "csv", "序列号,报警\n1,2021/05/06 08:00:00,,,1.0,\n", {});
        row("short rows skipped", "csv",
            csvEnTh + "1,05/06/2021 08:00:00,,,23.5,\n2,05/06/2021 08:01:00,,,23.6,,45.1\nfooter\n",
            { "23.6|45.1|2021/05/06 08:01:00" });
        row("English CSV time simplified", "csv", csvEn + "1,  05/06/2021   8:05:09 ,,,1.0,\n",
            { "1.0||2021/05/06 08:05:09" });
        row("English CSV times of another shape kept", "csv",
            csvEn + "1,05/06/2021,,,1.0,\n2,05/06/2021 08:05,,,2.0,\n3,5-6-2021 8:05:09,,,3.0,\n",
            { "1.0||05/06/2021", "2.0||05/06/2021 08:05", "3.0||5-6-2021 8:05:09" });
        row("English TXT columns and time", "txt", txtEn + "1\t5/6/2021\t8:05:09\t\t5.2\t\n",
            { "5.2||2021/05/06 08:05:09" });
        row("English TXT time is not simplified", "txt", txtEn + "1\t5/6/2021 \t8:05:09\t\t5.2\t\n",
            { "5.2||5/6/2021  8:05:09" });
    }

    void tableSamples()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, report);
        QFETCH(QStringList, samples);
        Record record;
        record.parse(files.write("table." + suffix, gbkReport(report)));
        QCOMPARE(record.samples(), samples);
        for (const TempDataItem &item : record.data)
            QVERIFY(!item.shidu.isNull() && !item.temp.isNull() && !item.recordTime.isNull());
    }
};

QTEST_GUILESS_MAIN(TestCsvTxtParse)
#include "tst_csvtxtparse.moc"
