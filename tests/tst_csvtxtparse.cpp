// CSV and TXT reports: the summary rules and the sample tables, on small
// reports written as a logger writes them (GBK, CRLF).
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
        addChecks("Chinese value two fields on", "产品型号,,TL-30-83WQ\n",
            { "summary.deviceModel=TL-30-83WQ", "summary.containHumidity=1", "settings.containHumidity=1" });
        addChecks("English value three fields on", "Device Code,,,TL-30\n",
            { "summary.deviceModel=TL-30", "summary.containHumidity=0" });
        addChecks("two pairs on one row", "Device Code,,,TL-30,,Serial Number,,,EH1\n",
            { "summary.deviceModel=TL-30", "summary.deviceNo=EH1" });
        addChecks("value field missing", "产品型号,\nDevice Code,,\n", { "summary.deviceModel=" });
        addChecks("label only inside a field", "产品型号X,,TL-30\n", { "summary.deviceModel=" });
        addChecks("last occurrence wins", "产品型号,,TL-30-83WQ\n产品型号,,TL-30\n",
            { "summary.deviceModel=TL-30", "summary.containHumidity=0" });
        addChecks("MKT two fields on", "MKT,,24.8°C\n", { "summary.mkt=24.8°C", "settings.mkt=" });
        addChecks("MKT three fields on", "MKT,,,24.8°F\n", { "summary.mkt=24.8°F" });
        addChecks("MKT without value", "MKT,,\n", { "summary.mkt=" });
        addChecks("both Chinese language labels", "语    言,,中文\n",
            { "summary.language=中文", "settings.language=中文" });
        addChecks("short Chinese language label", "语言,,EN\n", { "summary.language=EN" });
        addChecks("serial number beside an alarm label stops the block",
            "序列号,,EH1,,报警延时,,5分钟\n固件版本,,V1\n",
            { "summary.deviceNo=", "summary.alarmDelay=5分钟", "summary.firmwareVersion=" });
        addChecks(
            "trip ID is no serial number", "行程序列号,,TR1\n", { "summary.deviceNo=", "summary.wayId=TR1" });
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
        addChecks("alarm delay", "报警延时,,10分钟\nAlarm Delay,,,15min\n", { "settings.alarmDelay=15" });
        addChecks("temperature limits by unit mark", "温度上限,,8.0°C\n温度下限,,35.6℉\n",
            { "settings.tempHigh=8.0", "settings.tempLow=35.6", "summary.tempHigh=8.0°C" });
        addChecks("a unit mark at the start sets nothing", "温度上限,,°C\n", { "settings.tempHigh=0" });
        addChecks("Chinese humidity limit", "温湿度上限,,30.0°C  80.0%\n温湿度下限,,2.0℃  20.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=80.0", "settings.tempLow=2.0",
                "settings.humidityLow=20.0", "summary.tempHigh=30.0°C  80.0%" });
        addChecks("English limit of a humidity logger",
            "Device Code,,,TL-30-83WQ\nUpper Limit,,,30.0°C  80.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=80.0" });
        addChecks("humidity limit without its two-blank divider",
            "Device Code,,,TL-30-83WQ\nUpper Limit,,,30.0°C 80.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=0" });
        addChecks("English limit of a temperature logger", "Upper Limit,,,30.0°C  80.0%\n",
            { "settings.tempHigh=30.0", "settings.humidityHigh=0" });
        addChecks("Chinese start delay", "记录开启模式,,按键延时开启\n延时开启方式,,按键开启延时30分钟\n",
            { "settings.delayStart=30", "summary.delayStart=按键开启延时30分钟" });
        addChecks("English start delay", "Start Mode,,,Manual+Delay\nStart Delay,,,Manual+Delay 30 min\n",
            { "settings.delayStart=30" });
        addChecks("start delay without the delay mode", "记录开启模式,,按键开启\n延时开启方式,,延时30分钟\n",
            { "settings.delayStart=", "summary.delayStart=延时30分钟" });
        addChecks("start delay before its mode", "延时开启方式,,延时30分钟\n记录开启模式,,按键延时开启\n",
            { "settings.delayStart=" });
        addChecks("Chinese timed start and stop",
            "记录开启模式,,定时开启\n定时开启时间,,2021年05月06日 22:00\n"
            "记录关闭模式,,定时关闭\n定时关闭时间,,2021年05月07日 06:00\n",
            { "settings.startAt=2021/05/06 22:00", "settings.stopAt=2021/05/07 06:00",
                "summary.startAt=2021年05月06日 22:00" });
        addChecks("English timed start, zero-padded year first",
            "Start Mode,,,Timing\nON TIME,,,5/6/2021 8:05\nStop Mode,,,Timing\nOFF TIME,,,12/31/2021 23:59\n",
            { "settings.startAt=2021/05/06 08:05", "settings.stopAt=2021/12/31 23:59" });
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
        addChecks("value after colon and blank", "产品型号： TL-30-83WQ\nSerial Number: EH1\n",
            { "summary.deviceModel=TL-30-83WQ", "summary.containHumidity=1", "summary.deviceNo=EH1" });
        addChecks("runs of blanks become one", "  Device    Code:    TL-30   extra\n",
            { "summary.deviceModel=TL-30" });
        addChecks("all labels on every line", "Device Code: TL-30 Serial Number: EH1\n",
            { "summary.deviceModel=TL-30", "summary.deviceNo=EH1" });
        addChecks(
            "Chinese serial number needs the full-width colon", "序列号: EH1\n", { "summary.deviceNo=" });
        addChecks("trip ID is no serial number", "行程序列号： TR1\n序列号： EH1\n",
            { "summary.deviceNo=EH1", "summary.wayId=TR1", "settings.wayId=TR1" });
        addChecks(
            "unit right after the colon", "温度单位：℃\n", { "summary.tempUnit=℃", "settings.tempUnit=℃" });
        addChecks("unit after the blank", "UoM: °F\n", { "summary.tempUnit=°F" });
        addChecks("label without value", "Device Code:\nSerial Number: \n",
            { "summary.deviceModel=", "summary.deviceNo=" });
        addChecks("two-word values",
            "Time Zone: (UTC+08:00) Beijing, Chongqing\nDevice Time: 05/08/2021 09:30:12 x\n",
            { "summary.deviceZone=(UTC+08:00) Beijing,", "summary.deviceTime=05/08/2021 09:30:12" });
        addChecks("one-word time zone", "Time Zone: UTC\n", { "summary.deviceZone=UTC" });
        addChecks(
            "start mode Right Now", "Start Mode: Right Now\n", { "summary.recordStartModel=Right Now" });
        addChecks("timed start of two words", "Start Mode: Timing\nON TIME: 05/06/2021 22:00\n",
            { "summary.startAt=05/06/2021 22:00", "settings.startAt=2021/05/06 22:00" });
        addChecks("Chinese timed start: the summary keeps its date, the settings its time too",
            "记录开启模式： 定时开启\n定时开启时间： 2021年05月06日 22:00\n",
            { "summary.startAt=2021年05月06日", "settings.startAt=2021/05/06 22:00" });
        addChecks("timed start dashes", "Start Mode: Timing\nON TIME: -----\n",
            { "summary.startAt=-----", "settings.startAt=-----" });
        addChecks("timed stop unless manual", "Stop Mode: Manual\nOFF TIME: 05/07/2021 06:00\n",
            { "summary.stopAt=05/07/2021", "settings.stopAt=" });
        addChecks("timed stop of two words", "记录关闭模式： 定时关闭\n定时关闭时间： 2021年05月07日 06:00\n",
            { "summary.stopAt=2021年05月07日 06:00", "settings.stopAt=2021/05/07 06:00" });
        addChecks("MKT of two words", "MKT: 24.8 °C\n", { "summary.mkt=24.8 °C", "settings.mkt=24.8 °C" });
        addChecks("MKT dashes alone", "MKT: -----\n", { "summary.mkt=-----", "settings.mkt=-----" });
        addChecks("statistic dashes", "Highest: ----- °C\n温度最小值： -----x 5\nStart Time: -----\n",
            { "summary.tempMax=-----", "summary.tempMin=-----", "summary.recordStartAt=-----" });
        addChecks("temperature statistic of two words",
            "温度最大值： 8.6 ℃\nStart Time: 05/06/2021 22:00:00\n",
            { "summary.tempMax=8.6 ℃", "summary.recordStartAt=05/06/2021 22:00:00" });
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
        addChecks("Chinese start delay", "记录开启模式： 按键延时开启\n延时开启方式： 按键开启延时30分钟\n",
            { "summary.delayStart=按键开启延时30", "settings.delayStart=30" });
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
        addChecks("language label of four blanks", "语    言： 中文\n",
            { "summary.language=中文", "settings.language=中文" });
        addChecks("short language label", "语言： EN\n", { "summary.language=EN" });
        addChecks("trip description keeps its blanks",
            "Trip Description: Cold chain  test 7\n行程描述： 冷链 测试\n",
            { "summary.wayDesc=冷链 测试", "settings.wayDesc=冷链 测试" });
        addChecks("battery", "Battery: 80%\n", { "summary.battery=80" });
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
        const QString csvZh = "序列号,日期时间,,,温度(°C),报警\n";
        const QString csvEn = "No.,Date/Time,,,Temperature(°C),ALARM\n";
        const QString csvEnTh = "Device Code,,,TL-30-83WQ\nNo.,Date/Time,,,T,,H,ALARM\n";
        QTest::newRow("English CSV time") << "csv" << csvEn + "1,05/06/2021 8:05:09,,,23.5,\n"
                                          << QStringList { "23.5||2021/05/06 08:05:09" };
        QTest::newRow("Chinese CSV time") << "csv" << csvZh + "1,2021年05月06日 08:05:09,,,23.5,\n"
                                          << QStringList { "23.5||2021/05/06 08:05:09" };
        QTest::newRow("humidity CSV") << "csv" << csvEnTh + "1,05/06/2021 08:05:09,,,23.5,,45.0,H\n"
                                      << QStringList { "23.5|45.0|2021/05/06 08:05:09" };
        QTest::newRow("last row without line end")
            << "csv" << csvEn + "1,05/06/2021 08:00:00,,,1.0,\n2,05/06/2021 08:01:00,,,2.0,"
            << QStringList { "1.0||2021/05/06 08:00:00", "2.0||2021/05/06 08:01:00" };
        QTest::newRow("no table header") << "csv"
                                         << "1,05/06/2021 08:00:00,,,1.0,\n2,x,,,2.0,\n"
                                         << QStringList {};
        QTest::newRow("rows before the header ignored")
            << "csv"
            << "1,05/06/2021 08:00:00,,,1.0,\n" + csvEn << QStringList {};
        QTest::newRow("header needs four fields") << "csv"
                                                  << "序列号,报警\n1,2021/05/06 08:00:00,,,1.0,\n"
                                                  << QStringList {};
        QTest::newRow("short rows skipped")
            << "csv"
            << csvEnTh + "1,05/06/2021 08:00:00,,,23.5,\n2,05/06/2021 08:01:00,,,23.6,,45.1\nfooter\n"
            << QStringList { "23.6|45.1|2021/05/06 08:01:00" };
        QTest::newRow("English CSV time simplified") << "csv" << csvEn + "1,  05/06/2021   8:05:09 ,,,1.0,\n"
                                                     << QStringList { "1.0||2021/05/06 08:05:09" };
        QTest::newRow("English CSV times of another shape kept")
            << "csv" << csvEn + "1,05/06/2021,,,1.0,\n2,05/06/2021 08:05,,,2.0,\n3,5-6-2021 8:05:09,,,3.0,\n"
            << QStringList { "1.0||05/06/2021", "2.0||05/06/2021 08:05", "3.0||5-6-2021 8:05:09" };
        QTest::newRow("Chinese TXT columns")
            << "txt"
            << "序列号\t\t日期\t时间\t\t温度(℃)\t报警\n1\t\t2021/05/06\t08:00:00\t\t5.2\t\n"
            << QStringList { "5.2||2021/05/06 08:00:00" };
        QTest::newRow("Chinese humidity TXT columns")
            << "txt"
            << "产品型号： "
               "TL-30-83WQ\n序列号\t\t日期\t时间\t\t温度\t\t湿度\t报警\n1\t\t2021/05/"
               "06\t08:00:00\t\t21.0\t\t55.0\t\n"
            << QStringList { "21.0|55.0|2021/05/06 08:00:00" };
        QTest::newRow("English TXT columns and time")
            << "txt"
            << "No.\tDATE\tTIME\t\tTEMPERATURE\tALARM\n1\t5/6/2021\t8:05:09\t\t5.2\t\n"
            << QStringList { "5.2||2021/05/06 08:05:09" };
        QTest::newRow("English TXT time is not simplified")
            << "txt"
            << "No.\tDATE\tTIME\t\tTEMPERATURE\tALARM\n1\t5/6/2021 \t8:05:09\t\t5.2\t\n"
            << QStringList { "5.2||5/6/2021  8:05:09" };
    }

    void tableSamples()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, report);
        QFETCH(QStringList, samples);
        Record record;
        record.parse(files.write("table." + suffix, gbkReport(report)));
        QCOMPARE(record.samples(), samples);
        for (const TempDataItem *item : record.data.dataList)
            QVERIFY(!item->shidu.isNull() && !item->temp.isNull() && !item->recordTime.isNull());
    }
};

QTEST_GUILESS_MAIN(TestCsvTxtParse)
#include "tst_csvtxtparse.moc"
