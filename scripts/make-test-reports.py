#!/usr/bin/env python3
"""Writes the logger report fixtures of tests/data/reports/.

For every combination of {Chinese, English} x {temperature,
temperature/humidity} x {CSV, TXT, PDF} one report as a logger writes it
(CSV/TXT: GBK with CRLF line ends; PDF: uncompressed, one text operation
"<hex> Tj" or "(text) Tj" per line, Chinese as GBK hex, the degree sign as the
byte B0 before "C" or "F"), and beside it NAME.json: the record vesmira-cli
parse is expected to print for it.

The expected records are written out by hand below (EXPECT_* tables): which
summary values stay as printed, which ones the report rules cut or convert,
and the normalised settings. Only the samples' expected time stamps are
computed here, from the same sample list that is printed.

    make-test-reports.py              writes tests/data/reports/
    make-test-reports.py --large DIR  writes DIR/large-th.csv, .txt and .pdf:
                                      English temperature/humidity reports
                                      of 48,640 samples for the benchmarks
    make-test-reports.py --large DIR N
                                      writes DIR/large-th-N.csv only: the
                                      same report of N samples (a million for
                                      the window's read benchmark)
"""
import datetime as dt
import json
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "tests", "data", "reports")

SUMMARY_FIELDS = [
    "deviceModel", "deviceNo", "firmwareVersion", "deviceZone", "deviceTime", "deviceSensor", "tempUnit",
    "fileFormat", "language", "battery", "recordStartModel", "delayStart", "startAt", "normalRecordSpace",
    "alarmSpace", "alarmDelay", "isRecycleRecord", "isRestart", "recordStopModel", "stopAt", "tempHigh",
    "tempLow", "tempAdj", "isLongPressed", "isSettingClearRecord", "tempMax", "tempMin", "tempAvg",
    "alarmTimeLen", "alarmCount", "alarmType", "wayId", "recordStartAt", "recordStopAt", "recordTimes",
    "recordTimeLen", "recordCount", "wayDesc", "mkt", "lcd_mode",
]
SETTINGS_FIELDS = [
    "mkt", "wayId", "wayDesc", "recordStartModel", "recordStopModel", "delayStart", "stopAt", "startAt",
    "fileType", "language", "tempUnit", "tempHigh", "humidityHigh", "tempLow", "humidityLow", "tempAdj",
    "humidityAdj", "normalRecordSpace", "alarmSpace", "alarmDelay", "isRecycleRecord", "isLongPressed",
    "isRestart", "isSettingClearRecord", "lcdMode",
]

# Labels as the logger prints them (summary field -> Chinese, English).
LABELS = {
    "deviceModel": ("产品型号", "Device Code"),
    "deviceNo": ("序列号", "Serial Number"),
    "firmwareVersion": ("固件版本", "Firmware Version"),
    "deviceZone": ("设备时区", "Time Zone"),
    "deviceTime": ("设备时间", "Device Time"),
    "deviceSensor": ("探头类型", "Probe Type"),
    "tempUnit": ("温度单位", "UoM"),
    "fileFormat": ("文件格式", "Format"),
    "language": ("语    言", "Language"),
    "battery": ("电池电量", "Battery"),
    "recordStartModel": ("记录开启模式", "Start Mode"),
    "delayStart": ("延时开启方式", "Start Delay"),
    "startAt": ("定时开启时间", "ON TIME"),
    "normalRecordSpace": ("正常记录间隔", "Log Interval"),
    "alarmSpace": ("报警记录间隔", "Alarm Interval"),
    "alarmDelay": ("报警延时", "Alarm Delay"),
    "isRecycleRecord": ("循环记录", "Circular Mode"),
    "isRestart": ("重复启动", "Multiple Trips Allowed"),
    "recordStopModel": ("记录关闭模式", "Stop Mode"),
    "stopAt": ("定时关闭时间", "OFF TIME"),
    "tempHigh": ("温度上限", "Upper Limit"),
    "tempLow": ("温度下限", "Lower Limit"),
    "isLongPressed": ("按键长按重置记录", "Manual to Reset Log"),
    "isSettingClearRecord": ("下发配置时重置记录", "Optimset to Reset Log"),
    "tempMax": ("温度最大值", "Highest"),
    "tempMin": ("温度最小值", "Lowest"),
    "tempAvg": ("温度平均值", "Average"),
    "alarmTimeLen": ("报警总时长", "Alarm Elapsed Time"),
    "alarmCount": ("报警条数", "Alarm Data Points"),
    "alarmType": ("报警类型", "Alarm Type"),
    "wayId": ("行程序列号", "Trip ID"),
    "recordStartAt": ("记录开始时间", "Start Time"),
    "recordStopAt": ("记录停止时间", "Stop Time"),
    "recordTimes": ("记录开启次数", "Trip Counts"),
    "recordTimeLen": ("记录总时长", "Total Elapsed Time"),
    "recordCount": ("记录条数", "Total Data Points"),
    "wayDesc": ("行程描述", "Trip Description"),
    "mkt": ("MKT", "MKT"),
    "lcd_mode": ("屏幕常显", "On-Screen Mode"),
}
HUMIDITY_LABELS = {"tempHigh": "温湿度上限", "tempLow": "温湿度下限", "tempMax": "温湿度最大值",
                   "tempMin": "温湿度最小值", "tempAvg": "温湿度平均值"}

# The order in which the logger prints its summary, in three groups.
DEVICE_GROUP = ["deviceModel", "deviceNo", "firmwareVersion", "deviceZone", "deviceTime", "deviceSensor",
                "tempUnit", "fileFormat", "language", "battery"]
CONFIG_GROUP = ["recordStartModel", "delayStart", "startAt", "normalRecordSpace", "alarmSpace", "alarmDelay",
                "isRecycleRecord", "isRestart", "recordStopModel", "stopAt", "tempHigh", "tempLow",
                "isLongPressed", "isSettingClearRecord", "lcd_mode"]
STATS_GROUP = ["tempMax", "tempMin", "tempAvg", "alarmTimeLen", "alarmCount", "alarmType", "wayId",
               "recordStartAt", "recordStopAt", "recordTimes", "recordTimeLen", "recordCount", "wayDesc", "mkt"]
HEADINGS = {"zh": ("设 备 信 息", "配 置 信 息", "统 计 信 息"),
            "en": ("Device Information", "Configuration Information", "Logging Summary")}


# ---------------------------------------------------------------- samples

def make_samples(start, minutes, count, temps, hums=None, high=None, low=None):
    """[(datetime, temp text, humidity text or None, alarm mark)]"""
    out = []
    for i in range(count):
        t = temps[i % len(temps)]
        h = hums[i % len(hums)] if hums else None
        mark = ""
        if high is not None and t > high:
            mark = "H"
        elif low is not None and t < low:
            mark = "L"
        out.append((start + dt.timedelta(minutes=minutes * i), "%.1f" % t, None if h is None else "%.1f" % h,
                    mark))
    return out


COLD_C = [5.2, 5.0, 4.8, 4.6, 4.5, 4.3, 4.1, 3.9, 3.6, 3.2, 2.8, 2.4, 2.1, 2.3, 2.9, 3.5, 4.2, 5.1, 6.0, 7.2,
          8.3, 8.6, 7.9, 7.0, 6.2, 5.8, 5.5, 5.3, 5.2, 5.1]
COLD_F = [round(c * 9 / 5 + 32, 1) for c in COLD_C]
ROOM_C = [21.0, 20.8, 20.5, 20.1, 19.8, 19.5, 19.2, 19.0, 18.8, 18.6, 18.5, 18.6, 18.9, 19.3, 19.8, 20.3,
          20.9, 21.5, 22.0, 22.6, 23.1, 23.5, 23.8, 24.0, 23.7, 23.1, 22.4, 21.8, 21.3, 21.0]
ROOM_H = [55.0, 55.4, 56.1, 57.0, 58.2, 59.5, 60.8, 62.0, 63.1, 64.5, 65.8, 67.0, 68.3, 69.5, 70.4, 71.5,
          70.2, 68.0, 65.1, 62.2, 58.9, 55.0, 51.2, 47.5, 44.0, 41.7, 40.2, 42.5, 46.0, 50.3]


def stat_texts(samples):
    temps = [float(s[1]) for s in samples]
    avg = sum(temps) / len(temps)
    # Mean kinetic temperature, activation energy 83.144 kJ/mol.
    kelvin = [t + 273.15 for t in temps]
    mkt = 10000.0 / -math.log(sum(math.exp(-10000.0 / k) for k in kelvin) / len(kelvin)) - 273.15
    return "%.1f" % max(temps), "%.1f" % min(temps), "%.1f" % avg, "%.1f" % mkt


# ---------------------------------------------------------------- encodings

def gbk_lines(lines):
    return ("\r\n".join(lines) + "\r\n").encode("gbk")


def pdf_hex(text):
    """A hexadecimal PDF string as the logger writes it: ASCII bytes, GBK codes,
    and the degree sign as the single byte B0 before C or F."""
    data = bytearray()
    i = 0
    while i < len(text):
        if text.startswith("°C", i) or text.startswith("°F", i):
            data += b"\xb0" + text[i + 1].encode()
            i += 2
        else:
            data += text[i].encode("gbk")
            i += 1
    return "<" + data.hex().upper() + ">"


def pdf_literal(text, escape):
    body = text.replace("\\", "\\\\")
    if escape:
        body = body.replace("(", "\\(").replace(")", "\\)")
    return "(" + body + ")"


def pdf_operand(text, mode):
    """mode: "hex", "lit" (parentheses balanced, written as they are) or "esc"
    (parentheses escaped with a backslash)."""
    if mode == "hex":
        return pdf_hex(text)
    return pdf_literal(text, mode == "esc")


def pdf_document(summary_page, data_pages):
    """Pages are lists of (text, mode). The logger writes the sample pages'
    objects first and the summary page last, while the page tree shows the
    summary first."""
    def content(items):
        lines = ["BT", "/F1 10 Tf", "40 800 Td"]
        for n, (text, mode) in enumerate(items):
            if n:
                lines.append("0 -16 Td" if n % 48 else "270 752 Td")
            lines.append(pdf_operand(text, mode) + " Tj")
        lines.append("ET")
        return ("\n".join(lines) + "\n").encode("latin-1")

    objects = {}
    page_ids = []
    next_id = 6
    for items in data_pages + [summary_page]:
        page_id, content_id = next_id, next_id + 1
        next_id += 2
        stream = content(items)
        objects[content_id] = b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"endstream"
        objects[page_id] = (b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
                            b"/Resources << /Font << /F1 3 0 R >> >> /Contents %d 0 R >>" % content_id)
        page_ids.append(page_id)
    kids = [page_ids[-1]] + page_ids[:-1]
    objects[1] = b"<< /Type /Catalog /Pages 2 0 R >>"
    objects[2] = b"<< /Type /Pages /Kids [%s] /Count %d >>" % (
        b" ".join(b"%d 0 R" % k for k in kids), len(kids))
    objects[3] = (b"<< /Type /Font /Subtype /Type0 /BaseFont /STSong-Light /Encoding /GB-EUC-H "
                  b"/DescendantFonts [4 0 R] >>")
    objects[4] = (b"<< /Type /Font /Subtype /CIDFontType0 /BaseFont /STSong-Light "
                  b"/CIDSystemInfo << /Registry (Adobe) /Ordering (GB1) /Supplement 2 >> "
                  b"/FontDescriptor 5 0 R >>")
    objects[5] = (b"<< /Type /FontDescriptor /FontName /STSong-Light /Flags 6 /FontBBox [-25 -254 1000 880] "
                  b"/ItalicAngle 0 /Ascent 880 /Descent -120 /CapHeight 880 /StemV 93 >>")
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = {}
    order = [1, 2, 3, 4, 5] + sorted(k for k in objects if k > 5)
    for k in order:
        offsets[k] = len(out)
        out += b"%d 0 obj\n" % k + objects[k] + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(order) + 1)
    for k in range(1, len(order) + 1):
        out += b"%010d 00000 n \n" % offsets[k]
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(order) + 1, xref)
    return bytes(out)


# ---------------------------------------------------------------- layouts

def label_of(field, lang, humidity, report):
    if humidity and lang == "zh" and field in HUMIDITY_LABELS:
        return HUMIDITY_LABELS[field]
    return report.get("labels", {}).get(field, LABELS[field][0 if lang == "zh" else 1])


def summary_groups(report):
    printed = report["printed"]
    return [[f for f in group if f in printed] for group in (DEVICE_GROUP, CONFIG_GROUP, STATS_GROUP)]


def csv_report(report):
    lang, humidity, printed = report["lang"], report["humidity"], report["printed"]
    pad = ",," if lang == "zh" else ",,,"  # Chinese values stand two fields on, English three
    unit = printed["tempUnit"]
    lines = ["温湿度记录仪数据报告" if lang == "zh" else "Data Logger Report", ""]
    for heading, group in zip(HEADINGS[lang], summary_groups(report)):
        lines.append(heading)
        pairs = report.get("csv_pairs", set())
        i = 0
        while i < len(group):
            field = group[i]
            row = label_of(field, lang, humidity, report) + pad + printed[field]
            # Some rows hold two label/value pairs.
            if field in pairs and i + 1 < len(group):
                nxt = group[i + 1]
                row += ",," + label_of(nxt, lang, humidity, report) + pad + printed[nxt]
                i += 1
            lines.append(row)
            i += 1
        lines.append("")
    if lang == "zh":
        header = ["序列号", "日期时间", "", "", "温度(%s)" % unit] + (["", "湿度(%RH)"] if humidity else []) + ["报警"]
    else:
        header = ["No.", "Date/Time", "", "", "Temperature(%s)" % unit] + (
            ["", "Humidity(%RH)"] if humidity else []) + ["ALARM"]
    lines.append(",".join(header))
    for n, (when, temp, hum, mark) in enumerate(report["samples"], 1):
        row = [str(n), report["csv_time"](when), "", "", temp] + (["", hum] if humidity else []) + [mark]
        lines.append(",".join(row))
    return gbk_lines(lines)


def txt_report(report):
    lang, humidity, printed = report["lang"], report["humidity"], report["printed"]
    colon = "： " if lang == "zh" else ": "
    lines = [" " * 20 + ("温湿度记录仪数据报告" if lang == "zh" else "Data Logger Report")]
    for heading, group in zip(HEADINGS[lang], summary_groups(report)):
        lines.append(" " * 24 + heading)
        for field in group:
            sep = report.get("txt_colon", {}).get(field, colon)
            lines.append(label_of(field, lang, humidity, report) + sep + printed[field])
        lines.append("")
    unit = printed["tempUnit"]
    if lang == "zh":
        header = ["序列号", "", "日期", "时间", "", "温度(%s)" % unit] + (["", "湿度(%RH)"] if humidity else []) + ["报警"]
    else:
        header = ["No.", "DATE", "TIME", "", "TEMPERATURE(%s)" % unit] + (
            ["", "HUMIDITY(%RH)"] if humidity else []) + ["ALARM"]
    lines.append("\t".join(header))
    for n, (when, temp, hum, mark) in enumerate(report["samples"], 1):
        date, time = report["txt_date"](when), when.strftime("%H:%M:%S")
        row = ([str(n), "", date, time, "", temp] if lang == "zh" else [str(n), date, time, "", temp])
        row += (["", hum] if humidity else []) + [mark]
        lines.append("\t".join(row))
    return gbk_lines(lines)


def pdf_report(report, per_page=20):
    lang, humidity, printed = report["lang"], report["humidity"], report["printed"]
    modes = report.get("pdf_modes", {})
    colon = "：" if lang == "zh" else ":"
    unit = printed["tempUnit"]

    def text_mode(text):
        return "lit" if all(ord(c) < 128 for c in text) else "hex"

    samples = report["samples"]
    chunks = [samples[i:i + per_page] for i in range(0, len(samples), per_page)]
    total = len(chunks) + 1
    data_pages = []
    for number, chunk in enumerate(chunks, 1):
        items = []
        if lang == "zh":
            items.append(("文件创建于：" + report["created"], "hex"))
            items.append(("行程序列号：" + printed["wayId"], "hex"))
        else:
            items.append(("File Created At: " + report["created"], "lit"))
            # The page header's trip line is followed by the page's first date.
            items.append(("Trip ID: " + printed["wayId"], "lit"))
        date = None
        columns = ["时间", "温度"] + (["湿度"] if humidity else []) if lang == "zh" else \
            ["Time", "Temperature"] + (["Humidity"] if humidity else [])
        for when, temp, hum, mark in chunk:
            day = report["pdf_date"](when)
            if day != date:
                items.append((day, "lit"))
                if date is None:
                    items += [(c, text_mode(c)) for c in columns]
                date = day
            items.append((report["pdf_sample"](when, temp + unit, None if hum is None else hum + "%"), "hex"))
        items.append(("第 %d 页 共 %d 页" % (number, total) if lang == "zh" else "Page %d of %d" % (number, total),
                      "hex" if lang == "zh" else "lit"))
        data_pages.append(items)

    summary_page = []
    for heading, group in zip(HEADINGS[lang], summary_groups(report)):
        summary_page.append((heading, text_mode(heading)))
        for field in group:
            label = label_of(field, lang, humidity, report) + colon
            value = printed[field]
            summary_page.append((label, text_mode(label)))
            summary_page.append((value, modes.get(field, text_mode(value) if "°" not in value else "hex")))
    summary_page.append(("第 %d 页 共 %d 页" % (total, total) if lang == "zh" else "Page %d of %d" % (total, total),
                         "hex" if lang == "zh" else "lit"))
    return pdf_document(summary_page, data_pages)


# ---------------------------------------------------------------- the fixtures

def zh_date(when, seconds=True):
    return when.strftime("%Y年%m月%d日 %H:%M:%S" if seconds else "%Y年%m月%d日 %H:%M")


def en_date(when, seconds=True):
    return when.strftime("%m/%d/%Y %H:%M:%S" if seconds else "%m/%d/%Y %H:%M")


def en_date_unpadded(when):
    return "%d/%d/%d %d:%02d:%02d" % (when.month, when.day, when.year, when.hour, when.minute, when.second)


def slash_date(when):
    return when.strftime("%Y/%m/%d")


def us_date(when):
    return when.strftime("%m/%d/%Y")


def stats(samples, lang, unit, humidity, fmt):
    """The statistics block as the logger prints it in one report form."""
    hi, lo, avg, mkt = stat_texts(samples)
    out = {}
    if humidity:
        hums = [float(s[2]) for s in samples]
        hh, hl = "%.1f%%" % max(hums), "%.1f%%" % min(hums)
        ha = "%.1f%%" % (sum(hums) / len(hums))
        sep = {"csv": "  ", "txt": "  ", "pdf": ","}[fmt]
        out.update(tempMax=hi + unit + sep + hh, tempMin=lo + unit + sep + hl, tempAvg=avg + unit + sep + ha)
    elif fmt == "txt":
        # The TXT form prints the number and the unit as two words.
        out.update(tempMax=hi + " " + unit, tempMin=lo + " " + unit, tempAvg=avg + " " + unit)
    else:
        out.update(tempMax=hi + unit, tempMin=lo + unit, tempAvg=avg + unit)
    out["mkt"] = mkt + (" " + unit if fmt == "txt" else unit)
    return out


def fixtures():
    reports = {}
    may6 = dt.datetime(2021, 5, 6, 22, 0, 0)
    may31 = dt.datetime(2021, 5, 31, 22, 0, 0)

    # ---- Chinese, temperature
    cold = make_samples(may6, 15, 30, COLD_C, high=8.0, low=2.0)
    cold_hourly = make_samples(may6, 60, 30, COLD_C, high=8.0, low=2.0)
    zh_device = {
        "deviceModel": "TL-30", "firmwareVersion": "V2.13",
        "deviceZone": "(UTC+08:00) 北京，重庆，香港特别行政区，乌鲁木齐", "deviceSensor": "内置温度",
        "language": "中文",
    }
    reports["zh-temp.csv"] = dict(
        lang="zh", humidity=False, samples=cold, csv_time=lambda w: zh_date(w),
        csv_pairs={"deviceModel", "firmwareVersion", "deviceTime", "tempUnit", "recordStartModel", "tempHigh",
                   "tempMax"},
        printed=dict(zh_device, deviceNo="EH21050011", deviceTime="2021年05月08日 09:30:12", tempUnit="°C",
                     fileFormat="CSV", battery="90%", recordStartModel="按键延时开启",
                     delayStart="按键开启延时30分钟", startAt="-----", normalRecordSpace="0小时15分0秒",
                     alarmSpace="0小时5分0秒", alarmDelay="10分钟", isRecycleRecord="否", isRestart="是",
                     recordStopModel="按键关闭", stopAt="-----", tempHigh="8.0°C", tempLow="2.0°C",
                     isLongPressed="否", isSettingClearRecord="是", lcd_mode="开启",
                     **stats(cold, "zh", "°C", False, "csv"), alarmTimeLen="0小时30分0秒", alarmCount="2条",
                     alarmType="温度高于上限", wayId="TR2105060001",
                     recordStartAt="2021年05月06日 22:00:00", recordStopAt="2021年05月07日 05:15:00",
                     recordTimes="1次", recordTimeLen="7小时15分0秒", recordCount="30条",
                     wayDesc="疫苗冷链 上海-杭州 第2批"))
    reports["zh-temp.txt"] = dict(
        lang="zh", humidity=False, samples=cold, txt_date=slash_date,
        txt_colon={"tempUnit": "："},  # "温度单位：℃", no blank after the colon
        printed=dict(zh_device, deviceNo="EH21050021", deviceTime="2021年05月08日 09:30:12", tempUnit="℃",
                     deviceSensor="外置温度", fileFormat="TXT", battery="85%", recordStartModel="定时开启",
                     delayStart="-----", startAt="2021年05月06日 22:00", normalRecordSpace="0小时15分0秒",
                     alarmSpace="0小时5分0秒", alarmDelay="10分钟", isRecycleRecord="否", isRestart="是",
                     recordStopModel="定时关闭", stopAt="2021年05月07日 06:00", tempHigh="8.0℃",
                     tempLow="2.0℃", isLongPressed="否", isSettingClearRecord="是", lcd_mode="关闭",
                     **stats(cold, "zh", "℃", False, "txt"), alarmTimeLen="0小时30分0秒", alarmCount="2条",
                     alarmType="温度高于上限", wayId="TR2105060003",
                     recordStartAt="2021年05月06日 22:00:00", recordStopAt="2021年05月07日 05:15:00",
                     recordTimes="1次", recordTimeLen="7小时15分0秒", recordCount="30条",
                     wayDesc="生鲜 配送 第3批"))
    reports["zh-temp.pdf"] = dict(
        lang="zh", humidity=False, samples=cold_hourly, created="2021/05/08 09:30:12", pdf_date=slash_date,
        pdf_sample=lambda w, t, h: w.strftime("%H:%M:%S") + " " + t,
        printed=dict(zh_device, deviceNo="EH21050031", deviceTime="2021/05/08 09:30:12", tempUnit="°C",
                     fileFormat="PDF", battery="90%", recordStartModel="按键延时开启",
                     delayStart="按键 延时 开启 30 分钟", startAt="-----", normalRecordSpace="1 小时 0 分 0 秒",
                     alarmSpace="0 小时 5 分 0 秒", alarmDelay="10 分钟", isRecycleRecord="否",
                     isRestart="是", recordStopModel="按键关闭", stopAt="-----", tempHigh="8.0°C",
                     tempLow="2.0°C", isLongPressed="否", isSettingClearRecord="是", lcd_mode="开启",
                     **stats(cold_hourly, "zh", "°C", False, "pdf"), alarmTimeLen="2 小时 0 分 0 秒",
                     alarmCount="2 条", alarmType="温度高于上限", wayId="TR2105060005",
                     recordStartAt="2021/05/06 22:00:00", recordStopAt="2021/05/08 03:00:00",
                     recordTimes="1 次", recordTimeLen="29 小时 0 分 0 秒", recordCount="30 条",
                     wayDesc="疫苗 冷链 (A线)"))

    # ---- Chinese, temperature/humidity
    room = make_samples(may6, 15, 30, ROOM_C, ROOM_H)
    zh_th_device = dict(zh_device, deviceModel="TL-30-83WQ", deviceSensor="内置温湿度")
    th_csv = stats(room, "zh", "°C", True, "csv")
    del th_csv["mkt"]
    th_txt = stats(room, "zh", "°C", True, "txt")
    del th_txt["mkt"]
    th_pdf = stats(room, "zh", "°C", True, "pdf")
    del th_pdf["mkt"]
    reports["zh-th.csv"] = dict(
        lang="zh", humidity=True, samples=room, csv_time=lambda w: zh_date(w),
        labels={"language": "语言"}, csv_pairs={"deviceNo", "deviceSensor", "alarmSpace", "recordStartAt"},
        printed=dict(zh_th_device, deviceNo="EH21050012", deviceTime="2021年05月08日 09:30:12", tempUnit="°C",
                     fileFormat="CSV", battery="60%", recordStartModel="定时开启", delayStart="-----",
                     startAt="2021年05月06日 22:00", normalRecordSpace="15分0秒", alarmSpace="1分30秒",
                     alarmDelay="0分钟", isRecycleRecord="是", isRestart="否", recordStopModel="定时关闭",
                     stopAt="2021年05月07日 06:00", tempHigh="30.0°C  80.0%", tempLow="2.0°C  20.0%",
                     isLongPressed="是", isSettingClearRecord="否", lcd_mode="关闭", **th_csv,
                     alarmTimeLen="0秒", alarmCount="0条", alarmType="无报警", wayId="TR2105060002",
                     recordStartAt="2021年05月06日 22:00:00", recordStopAt="2021年05月07日 05:15:00",
                     recordTimes="2次", recordTimeLen="7小时15分0秒", recordCount="30条",
                     wayDesc="仓库 B区 温湿度巡检"))
    reports["zh-th.txt"] = dict(
        lang="zh", humidity=True, samples=room, txt_date=slash_date,
        printed=dict(zh_th_device, deviceNo="EH21050022", deviceTime="2021年05月08日 09:30:12", tempUnit="°C",
                     fileFormat="TXT", battery="70%", recordStartModel="按键延时开启",
                     delayStart="按键开启延时30分钟", startAt="-----", normalRecordSpace="0小时15分0秒",
                     alarmSpace="0小时1分30秒", alarmDelay="0分钟", isRecycleRecord="否", isRestart="是",
                     recordStopModel="按键关闭", stopAt="-----", tempHigh="30.0°C  80.0%",
                     tempLow="2.0°C  20.0%", isLongPressed="否", isSettingClearRecord="是", lcd_mode="开启",
                     **th_txt, alarmTimeLen="0秒", alarmCount="0条", alarmType="无报警", wayId="TR2105060004",
                     recordStartAt="2021年05月06日 22:00:00", recordStopAt="2021年05月07日 05:15:00",
                     recordTimes="1次", recordTimeLen="7小时15分0秒", recordCount="30条",
                     wayDesc="冷库 巡检 A区 3号架"))
    reports["zh-th.pdf"] = dict(
        lang="zh", humidity=True, samples=room, created="2021/05/08 09:30:12", pdf_date=slash_date,
        # This logger prints each sample with its own date; the date lines still come.
        pdf_sample=lambda w, t, h: w.strftime("%Y/%m/%d %H:%M:%S") + " " + t + " " + h,
        printed=dict(zh_th_device, deviceNo="EH21050032", deviceTime="2021/05/08 09:30:12",
                     deviceSensor="外置温湿度", tempUnit="°C", fileFormat="PDF", battery="95%",
                     recordStartModel="定时开启", delayStart="-----", startAt="2021/05/06 22:00",
                     normalRecordSpace="0小时15分0秒", alarmSpace="1分30秒", alarmDelay="0 分钟",
                     isRecycleRecord="否", isRestart="否", recordStopModel="定时关闭",
                     stopAt="2021/05/07 06:00", tempHigh="30.0°C,80.0%", tempLow="2.0°C,20.0%",
                     isLongPressed="否", isSettingClearRecord="否", lcd_mode="关闭", **th_pdf,
                     alarmTimeLen="0 秒", alarmCount="0 条", alarmType="无报警", wayId="TR2105060006",
                     recordStartAt="2021/05/06 22:00:00", recordStopAt="2021/05/07 05:15:00",
                     recordTimes="1 次", recordTimeLen="7 小时 15 分 0 秒", recordCount="30 条",
                     wayDesc="实验室 恒温箱"))

    # ---- English, temperature
    cold_f = make_samples(may6, 15, 30, COLD_F, high=46.4, low=35.6)
    en_device = {"deviceModel": "TL-30", "firmwareVersion": "V2.13", "language": "EN"}
    reports["en-temp.csv"] = dict(
        lang="en", humidity=False, samples=cold_f, csv_time=lambda w: en_date(w),
        csv_pairs={"deviceModel", "deviceTime", "fileFormat", "recordStartModel", "isRecycleRecord", "tempMax",
                   "recordStartAt"},
        printed=dict(en_device, deviceNo="EH21050013", deviceZone="(UTC-05:00) Eastern Time (US & Canada)",
                     deviceTime="05/08/2021 09:30:12", deviceSensor="Temperature(external)", tempUnit="°F",
                     fileFormat="CSV", battery="75%", recordStartModel="Timing", delayStart="-----",
                     startAt="5/6/2021 22:00", normalRecordSpace="0h 15min 0sec", alarmSpace="0h 5min 0sec",
                     alarmDelay="10min", isRecycleRecord="OFF", isRestart="ON", recordStopModel="Manual",
                     stopAt="-----", tempHigh="46.4°F", tempLow="35.6°F", isLongPressed="OFF",
                     isSettingClearRecord="ON", lcd_mode="Always ON", **stats(cold_f, "en", "°F", False, "csv"),
                     alarmTimeLen="0h 30min 0sec", alarmCount="2",
                     alarmType="[Temp Exceed Upper Limit]", wayId="TR2105060007",
                     recordStartAt="05/06/2021 22:00:00", recordStopAt="05/07/2021 05:15:00", recordTimes="1",
                     recordTimeLen="7h 15min 0sec", recordCount="30", wayDesc="Cold chain Boston to Albany"))
    reports["en-temp.txt"] = dict(
        lang="en", humidity=False, samples=cold, txt_date=us_date,
        printed=dict(en_device, deviceNo="EH21050023", deviceZone="(UTC+01:00) Amsterdam, Berlin, Bern, Rome",
                     deviceTime="05/08/2021 09:30:12", deviceSensor="Temperature(internal)", tempUnit="°C",
                     fileFormat="TXT", battery="100%", recordStartModel="Right Now", delayStart="-----",
                     startAt="-----", normalRecordSpace="0h 15min 0sec", alarmSpace="0h 5min 0sec",
                     alarmDelay="15min", isRecycleRecord="ON", isRestart="OFF", recordStopModel="Timing",
                     stopAt="05/07/2021 06:00", tempHigh="8.0°C", tempLow="2.0°C", isLongPressed="ON",
                     isSettingClearRecord="OFF", lcd_mode="Always ON", **stats(cold, "en", "°C", False, "txt"),
                     alarmTimeLen="0h 30min 0sec", alarmCount="2", alarmType="[Temp High]",
                     wayId="TR2105060008", recordStartAt="05/06/2021 22:00:00",
                     recordStopAt="05/07/2021 05:15:00", recordTimes="1", recordTimeLen="7h 15min 0sec",
                     recordCount="30", wayDesc="Pharma route 7 north"))
    reports["en-temp.pdf"] = dict(
        lang="en", humidity=False, samples=cold_f, created="05/08/2021 09:30:12", pdf_date=us_date,
        pdf_sample=lambda w, t, h: w.strftime("%H:%M:%S") + " " + t,
        pdf_modes={"deviceZone": "lit", "deviceSensor": "hex", "wayDesc": "esc"},
        printed=dict(en_device, deviceNo="EH21050033", deviceZone="(UTC-05:00) Eastern Time (US & Canada)",
                     deviceTime="05/08/2021 09:30:12", deviceSensor="Temperature(internal)", tempUnit="°F",
                     fileFormat="PDF", battery="80%", recordStartModel="Manual+Delay",
                     delayStart="Manual + Delay 30 min", startAt="-----", normalRecordSpace="0h 15min 0sec",
                     alarmSpace="0h 5min 0sec", alarmDelay="10 min", isRecycleRecord="OFF", isRestart="ON",
                     recordStopModel="Manual", stopAt="-----", tempHigh="46.4°F", tempLow="35.6°F",
                     isLongPressed="OFF", isSettingClearRecord="ON", lcd_mode="Always ON",
                     **stats(cold_f, "en", "°F", False, "pdf"), alarmTimeLen="0h 30min 0sec", alarmCount="2",
                     alarmType="[Temp Exceed Upper Limit]", wayId="TR2105060009",
                     recordStartAt="05/06/2021 22:00:00", recordStopAt="05/07/2021 05:15:00", recordTimes="1",
                     recordTimeLen="7h 15min 0sec", recordCount="30", wayDesc="Cold chain (route 12)"))

    # ---- English, temperature/humidity (over a month end)
    room31 = make_samples(may31, 15, 30, ROOM_C, ROOM_H)
    en_th_device = dict(en_device, deviceModel="TL-30-83WQ")
    eth_csv = stats(room31, "en", "°C", True, "csv")
    del eth_csv["mkt"]
    eth_txt = stats(room31, "en", "°C", True, "txt")
    del eth_txt["mkt"]
    eth_pdf = stats(room31, "en", "°C", True, "pdf")
    del eth_pdf["mkt"]
    eth_pdf = {k: v.replace(",", " ") for k, v in eth_pdf.items()}
    reports["en-th.csv"] = dict(
        lang="en", humidity=True, samples=room31, csv_time=en_date_unpadded,
        csv_pairs={"deviceNo", "deviceSensor", "alarmSpace", "wayId"},
        printed=dict(en_th_device, deviceNo="EH21050014", deviceZone="(UTC+08:00) Beijing",
                     deviceTime="06/01/2021 09:30:12", deviceSensor="Temperature&Humidity(internal)",
                     tempUnit="°C", fileFormat="CSV", battery="60%", recordStartModel="Manual+Delay",
                     delayStart="Manual+Delay 30 min", startAt="-----", normalRecordSpace="0h 15min 0sec",
                     alarmSpace="0h 1min 30sec", alarmDelay="0min", isRecycleRecord="OFF", isRestart="OFF",
                     recordStopModel="Timing", stopAt="6/1/2021 6:00", tempHigh="30.0°C  80.0%",
                     tempLow="2.0°C  20.0%", isLongPressed="OFF", isSettingClearRecord="ON",
                     lcd_mode="Automatic OFF", **eth_csv, alarmTimeLen="0sec", alarmCount="0",
                     alarmType="[No Alarm]", wayId="TR2105310001", recordStartAt="05/31/2021 22:00:00",
                     recordStopAt="06/01/2021 05:15:00", recordTimes="1", recordTimeLen="7h 15min 0sec",
                     recordCount="30", wayDesc="Server room rack 4"))
    reports["en-th.txt"] = dict(
        lang="en", humidity=True, samples=room31, txt_date=us_date,
        printed=dict(en_th_device, deviceNo="EH21050024", deviceZone="(UTC+08:00) Beijing",
                     deviceTime="06/01/2021 09:30:12", deviceSensor="Temperature&Humidity(external)",
                     tempUnit="°C", fileFormat="TXT", battery="55%", recordStartModel="Timing",
                     delayStart="-----", startAt="05/31/2021 22:00", normalRecordSpace="0h 15min 0sec",
                     alarmSpace="0h 1min 30sec", alarmDelay="5min", isRecycleRecord="OFF", isRestart="ON",
                     recordStopModel="Manual", stopAt="-----", tempHigh="30.0°C  80.0%",
                     tempLow="2.0°C  20.0%", isLongPressed="OFF", isSettingClearRecord="OFF",
                     lcd_mode="Automatic OFF", **eth_txt, alarmTimeLen="0sec", alarmCount="0",
                     alarmType="[No Alarm]", wayId="TR2105310002", recordStartAt="05/31/2021 22:00:00",
                     recordStopAt="06/01/2021 05:15:00", recordTimes="1", recordTimeLen="7h 15min 0sec",
                     recordCount="30", wayDesc="Greenhouse 4 east wing"))
    reports["en-th.pdf"] = dict(
        lang="en", humidity=True, samples=room31, created="06/01/2021 09:30:12", pdf_date=us_date,
        pdf_sample=lambda w, t, h: w.strftime("%H:%M:%S") + " " + t + " " + h,
        pdf_modes={"deviceSensor": "esc", "deviceZone": "lit"},
        printed=dict(en_th_device, deviceNo="EH21050034",
                     deviceZone="(UTC+00:00) Dublin, Edinburgh, Lisbon, London", deviceTime="06/01/2021 09:30:12",
                     deviceSensor="Temperature&Humidity(external)", tempUnit="°C", fileFormat="PDF",
                     battery="65%", recordStartModel="Timing", delayStart="-----", startAt="05/31/2021 22:00",
                     normalRecordSpace="0 h 15 min 0 sec", alarmSpace="0 h 1 min 30 sec", alarmDelay="0 min",
                     isRecycleRecord="ON", isRestart="OFF", recordStopModel="Timing", stopAt="06/01/2021 06:00",
                     tempHigh="30.0°C 80.0%", tempLow="2.0°C 20.0%", isLongPressed="OFF",
                     isSettingClearRecord="OFF", lcd_mode="Automatic OFF", **eth_pdf, alarmTimeLen="0sec",
                     alarmCount="0", alarmType="[No Alarm]", wayId="TR2105310003",
                     recordStartAt="05/31/2021 22:00:00", recordStopAt="06/01/2021 05:15:00", recordTimes="1",
                     recordTimeLen="7h 15min 0sec", recordCount="30", wayDesc="Museum hall (west)"))
    return reports


# ---------------------------------------------------------------- expected records
#
# What the parsers must make of each report. Summary values not named under
# "summary" are expected exactly as printed; "settings" lists every field of
# the normalised configuration. Empty settings are those no rule fills for
# that report (the CLI starts from a fresh record); "0" are the reset limits
# and calibrations.

def settings(**values):
    base = {f: "" for f in SETTINGS_FIELDS}
    base.update(tempHigh="0", humidityHigh="0", tempLow="0", humidityLow="0", tempAdj="0", humidityAdj="0")
    base.update(values)
    return base


EXPECT = {
    "zh-temp.csv": dict(
        summary=dict(battery="90"),
        settings=settings(wayId="TR2105060001", wayDesc="疫苗冷链 上海-杭州 第2批", recordStartModel="按键延时开启",
                          recordStopModel="按键关闭", delayStart="30", fileType="csv", language="中文",
                          tempUnit="°C", tempHigh="8.0", tempLow="2.0", normalRecordSpace="900",
                          alarmSpace="300", alarmDelay="10", isRecycleRecord="否", isLongPressed="否",
                          isRestart="是", isSettingClearRecord="是", lcdMode="开启")),
    "zh-th.csv": dict(
        summary=dict(battery="60"),
        settings=settings(wayId="TR2105060002", wayDesc="仓库 B区 温湿度巡检", recordStartModel="定时开启",
                          recordStopModel="定时关闭", stopAt="2021/05/07 06:00", startAt="2021/05/06 22:00",
                          fileType="csv", language="中文", tempUnit="°C", tempHigh="30.0", humidityHigh="80.0",
                          tempLow="2.0", humidityLow="20.0", normalRecordSpace="900", alarmSpace="90",
                          alarmDelay="0", isRecycleRecord="是", isLongPressed="是", isRestart="否",
                          isSettingClearRecord="否", lcdMode="关闭")),
    "en-temp.csv": dict(
        summary=dict(battery="75"),
        settings=settings(wayId="TR2105060007", wayDesc="Cold chain Boston to Albany", recordStartModel="Timing",
                          recordStopModel="Manual", startAt="2021/05/06 22:00", fileType="csv", language="EN",
                          tempUnit="°F", tempHigh="46.4", tempLow="35.6", normalRecordSpace="900",
                          alarmSpace="300", alarmDelay="10", isRecycleRecord="OFF", isLongPressed="OFF",
                          isRestart="ON", isSettingClearRecord="ON", lcdMode="Always ON")),
    "en-th.csv": dict(
        summary=dict(battery="60"),
        settings=settings(wayId="TR2105310001", wayDesc="Server room rack 4", recordStartModel="Manual+Delay",
                          recordStopModel="Timing", delayStart="30", stopAt="2021/06/01 06:00", fileType="csv",
                          language="EN", tempUnit="°C", tempHigh="30.0", humidityHigh="80.0", tempLow="2.0",
                          humidityLow="20.0", normalRecordSpace="900", alarmSpace="90", alarmDelay="0",
                          isRecycleRecord="OFF", isLongPressed="OFF", isRestart="OFF",
                          isSettingClearRecord="ON", lcdMode="Automatic OFF")),
    # TXT: values end at the first blank unless their rule says otherwise.
    "zh-temp.txt": dict(
        # A Chinese timed start keeps only its first word (the date) in the
        # summary; the settings keep its time of day too.
        summary=dict(battery="85", startAt="2021年05月06日"),
        settings=settings(mkt="5.1 ℃", wayId="TR2105060003", wayDesc="生鲜 配送 第3批", recordStartModel="定时开启",
                          recordStopModel="定时关闭", stopAt="2021/05/07 06:00", startAt="2021/05/06 22:00",
                          fileType="txt", language="中文", tempUnit="℃", tempHigh="8.0", tempLow="2.0",
                          normalRecordSpace="900", alarmSpace="300", alarmDelay="10", isRecycleRecord="否",
                          isLongPressed="否", isRestart="是", isSettingClearRecord="是", lcdMode="关闭")),
    "zh-th.txt": dict(
        summary=dict(battery="70", delayStart="按键开启延时30", tempHigh="30.0°C,80.0%", tempLow="2.0°C,20.0%",
                     tempMax="24.0°C,71.5%", tempMin="18.5°C,40.2%", tempAvg="20.9°C,58.2%"),
        settings=settings(wayId="TR2105060004", wayDesc="冷库 巡检 A区 3号架", recordStartModel="按键延时开启",
                          recordStopModel="按键关闭", delayStart="30", fileType="txt", language="中文",
                          tempUnit="°C", tempHigh="30.0", humidityHigh="80.0", tempLow="2.0", humidityLow="20.0",
                          normalRecordSpace="900", alarmSpace="90", alarmDelay="0", isRecycleRecord="否",
                          isLongPressed="否", isRestart="是", isSettingClearRecord="是", lcdMode="开启")),
    "en-temp.txt": dict(
        summary=dict(battery="100", deviceZone="(UTC+01:00) Amsterdam,", lcd_mode="Always"),
        settings=settings(mkt="5.1 °C", wayId="TR2105060008", wayDesc="Pharma route 7 north",
                          recordStartModel="Right Now", recordStopModel="Timing", stopAt="2021/05/07 06:00",
                          fileType="txt", language="EN", tempUnit="°C", tempHigh="8.0", tempLow="2.0",
                          normalRecordSpace="900", alarmSpace="300", alarmDelay="15", isRecycleRecord="ON",
                          isLongPressed="ON", isRestart="OFF", isSettingClearRecord="OFF", lcdMode="Always")),
    "en-th.txt": dict(
        summary=dict(battery="55", tempHigh="30.0°C,80.0%", tempLow="2.0°C,20.0%", tempMax="24.0°C,71.5%",
                     tempMin="18.5°C,40.2%", tempAvg="20.9°C,58.2%", lcd_mode="Automatic"),
        settings=settings(wayId="TR2105310002", wayDesc="Greenhouse 4 east wing", recordStartModel="Timing",
                          recordStopModel="Manual", startAt="2021/05/31 22:00", fileType="txt", language="EN",
                          tempUnit="°C", tempHigh="30.0", humidityHigh="80.0", tempLow="2.0", humidityLow="20.0",
                          normalRecordSpace="900", alarmSpace="90", alarmDelay="5", isRecycleRecord="OFF",
                          isLongPressed="OFF", isRestart="ON", isSettingClearRecord="OFF", lcdMode="Automatic")),
    # PDF: values are whole text items.
    "zh-temp.pdf": dict(
        summary=dict(battery="90"),
        settings=settings(mkt="5.1°C", wayId="TR2105060005", wayDesc="疫苗 冷链 (A线)", recordStartModel="按键延时开启",
                          recordStopModel="按键关闭", delayStart="30", stopAt="-----", startAt="-----",
                          fileType="pdf", language="中文", tempUnit="°C", tempHigh="8.0", tempLow="2.0",
                          normalRecordSpace="3600", alarmSpace="300", alarmDelay="10", isRecycleRecord="否",
                          isLongPressed="否", isRestart="是", isSettingClearRecord="是", lcdMode="开启")),
    "zh-th.pdf": dict(
        summary=dict(battery="95"),
        settings=settings(wayId="TR2105060006", wayDesc="实验室 恒温箱", recordStartModel="定时开启",
                          recordStopModel="定时关闭", delayStart="-----", stopAt="2021/05/07 06:00",
                          startAt="2021/05/06 22:00", fileType="pdf", language="中文", tempUnit="°C",
                          tempHigh="30.0", humidityHigh="80.0", tempLow="2.0", humidityLow="20.0",
                          normalRecordSpace="900", alarmSpace="90", alarmDelay="0", isRecycleRecord="否",
                          isLongPressed="否", isRestart="否", isSettingClearRecord="否", lcdMode="关闭")),
    "en-temp.pdf": dict(
        summary=dict(battery="80"),
        settings=settings(mkt="41.3°F", wayId="TR2105060009", wayDesc="Cold chain (route 12)",
                          recordStartModel="Manual+Delay", recordStopModel="Manual", delayStart="30",
                          stopAt="-----", startAt="-----", fileType="pdf", language="EN", tempUnit="°F",
                          tempHigh="46.4", tempLow="35.6", normalRecordSpace="900", alarmSpace="300",
                          alarmDelay="10", isRecycleRecord="OFF", isLongPressed="OFF", isRestart="ON",
                          isSettingClearRecord="ON", lcdMode="Always ON")),
    "en-th.pdf": dict(
        summary=dict(battery="65"),
        settings=settings(wayId="TR2105310003", wayDesc="Museum hall (west)", recordStartModel="Timing",
                          recordStopModel="Timing", delayStart="-----", stopAt="06/01/2021 06:00",
                          startAt="05/31/2021 22:00", fileType="pdf", language="EN", tempUnit="°C",
                          tempHigh="30.0", humidityHigh="80.0", tempLow="2.0", humidityLow="20.0",
                          normalRecordSpace="900", alarmSpace="90", alarmDelay="0", isRecycleRecord="ON",
                          isLongPressed="OFF", isRestart="OFF", isSettingClearRecord="OFF",
                          lcdMode="Automatic OFF")),
}


def expected_record(name, report):
    exp = EXPECT[name]
    summary = {f: report["printed"].get(f, "") for f in SUMMARY_FIELDS}
    summary["tempAdj"] = ""
    summary.update(exp["summary"])
    fmt = name.rsplit(".", 1)[1]
    samples = []
    for when, temp, hum, _ in report["samples"]:
        if report["humidity"]:
            shidu = hum
        else:
            shidu = "0" if fmt == "pdf" else ""
        samples.append({"temp": temp, "shidu": shidu, "recordTime": when.strftime("%Y/%m/%d %H:%M:%S")})
    flags = {"containTemp": 1, "containHumidity": 1 if report["humidity"] else 0}
    return summary, exp["settings"], flags, samples


def json_text(summary, settings_, flags, samples):
    """The record in vesmira-cli's layout."""
    def s(v):
        return json.dumps(v, ensure_ascii=False)

    out = ["{", '  "summary": {']
    out += ['    "%s": %s,' % (f, s(summary[f])) for f in SUMMARY_FIELDS]
    out += ['    "containTemp": %d,' % flags["containTemp"], '    "containHumidity": %d' % flags["containHumidity"],
            "  },", '  "settings": {']
    out += ['    "%s": %s,' % (f, s(settings_[f])) for f in SETTINGS_FIELDS]
    out += ['    "containTemp": %d,' % flags["containTemp"], '    "containHumidity": %d' % flags["containHumidity"],
            "  },"]
    if samples:
        out.append('  "samples": [')
        rows = ['    {"temp": %s, "shidu": %s, "recordTime": %s}' % (s(x["temp"]), s(x["shidu"]),
                                                                     s(x["recordTime"])) for x in samples]
        out.append(",\n".join(rows))
        out.append("  ]")
    else:
        out.append('  "samples": []')
    out.append("}")
    return "\n".join(out) + "\n"


def render(name, report):
    fmt = name.rsplit(".", 1)[1]
    return {"csv": csv_report, "txt": txt_report, "pdf": pdf_report}[fmt](report)


def write_fixtures():
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, report in fixtures().items():
        with open(os.path.join(OUT_DIR, name), "wb") as f:
            f.write(render(name, report))
        with open(os.path.join(OUT_DIR, name + ".json"), "w", encoding="utf-8", newline="\n") as f:
            f.write(json_text(*expected_record(name, report)))
        print("wrote", os.path.relpath(os.path.join(OUT_DIR, name), ROOT))


def write_large(directory, count=None):
    """English temperature/humidity reports of 48,640 one-minute samples
    (or the CSV report alone of count samples)."""
    os.makedirs(directory, exist_ok=True)
    start = dt.datetime(2021, 1, 1, 0, 0, 0)
    temps = [20.0 + 5.0 * math.sin(i / 97.0) for i in range(997)]
    hums = [55.0 + 20.0 * math.cos(i / 61.0) for i in range(991)]
    samples = make_samples(start, 1, count or 48640, temps, hums)
    for fmt in ("csv",) if count else ("csv", "txt", "pdf"):
        base = fixtures()["en-th." + fmt]
        report = dict(base, samples=samples)
        data = pdf_report(report, per_page=40) if fmt == "pdf" else render("x." + fmt, report)
        path = os.path.join(directory, "large-th%s.%s" % ("-%d" % count if count else "", fmt))
        with open(path, "wb") as f:
            f.write(data)
        print("wrote", path, len(data), "bytes")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--large":
        write_large(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "--large" and sys.argv[3].isdigit():
        write_large(sys.argv[2], int(sys.argv[3]))
    elif len(sys.argv) == 1:
        write_fixtures()
    else:
        sys.exit(__doc__)
