#!/usr/bin/env python3
"""Compares two builds of the report parsers: runs `vesmira-cli parse` of
both over the reports of tests/data/reports, over mutations of them and over
any corpus directories given, and requires the same exit code, the same
standard output (the record as JSON) and the same debug output, byte for byte.

    scripts/compare-parsers.py OLD_CLI NEW_CLI [--mutations N] [--seed S]
                               [--corpus DIR:SUFFIX ...] [--keep DIR]

OLD_CLI and NEW_CLI are vesmira-cli executables of two builds, for example
one of the commit before a change to core/report/ (`git archive REV | tar -x
-C DIR`, then a build of the target vesmira-cli there) and one after it. Each
mutation is written with the suffix of the report it came from and, for every
fourth one, with the other two suffixes as well, so that every pass also reads
the other forms. A corpus directory (the inputs a fuzz target kept) is read
with the suffix given. Exit 0 when every input agrees; 1 with the first
differences otherwise. --keep keeps the inputs that differ in DIR.
"""

import argparse
import concurrent.futures
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPORTS = os.path.join(ROOT, "tests", "data", "reports")
SUFFIXES = ("csv", "txt", "pdf")

# Texts the passes look for: the summary labels of every form (some only in
# some forms), the markers of the PDF sample pages and of the tables, the
# modes that steer other fields.
TEXTS = [
    "产品型号", "Device Code", "探头类型", "Probe Type", "序列号", "Serial Number", "温度单位", "UoM",
    "固件版本", "Firmware Version", "文件格式", "Format", "设备时区", "Time Zone", "语    言", "语言",
    "语 言", "Language", "设备时间", "Device Time", "电池电量", "Battery", "记录开启模式", "Start Mode",
    "记录关闭模式", "Stop Mode", "延时开启方式", "Start Delay", "定时关闭时间", "OFF TIME",
    "Timing stop time", "定时开启时间", "ON TIME", "Timing start time", "温度上限", "温湿度上限",
    "Upper Limit", "正常记录间隔", "Log Interval", "Normal record interval", "温度下限", "温湿度下限",
    "Lower Limit", "报警记录间隔", "Alarm Interval", "Alarm record interval", "报警延时", "Alarm Delay",
    "屏幕常显", "On-Screen Mode", "LCD Mode", "循环记录", "Circular Mode", "Circular log",
    "按键长按重置记录", "Manual to Reset Log", "重复启动", "Multiple Trips Allowed", "Multiple start",
    "下发配置时重置记录", "Optimset to Reset Log", "Reset record after configuration", "温度最大值",
    "温湿度最大值", "Highest", "记录开始时间", "Start Time", "温度最小值", "温湿度最小值", "Lowest",
    "记录停止时间", "Stop Time", "温度平均值", "温湿度平均值", "Average", "记录开启次数", "Trip Counts",
    "报警总时长", "Alarm Elapsed Time", "记录总时长", "Total Elapsed Time", "报警条数",
    "Alarm Data Points", "记录条数", "Total Data Points", "报警类型", "Alarm Type", "行程序列号",
    "Trip ID", "Trip SN", "行程描述", "Trip Description", "MKT",
    "文件创建于", "File Created At", "设 备 信 息", "Device Information", "Trip", "报警", "No.",
    "ALARM", "日期", "时间", "温度", "DATE", "TIME", "TEMPERATURE",
    "-83WQ", "按键延时开启", "Manual+Delay", "定时开启", "定时关闭", "Timing", "Manual", "Right Now",
    "按键开启",
]
BLANKS = [b" ", b"  ", b"\t", b"", b"\xa3\xba", b":", b",", b"\r", "：".encode("gbk")]


def gbk(text):
    return text.encode("gbk")


def hexed(text):
    return b"<" + gbk(text).hex().upper().encode() + b">"


def forms_of(text, pdf):
    """The byte forms a text takes in a report: GBK, and in a PDF also as a
    hex operand (without and with its brackets) and a literal."""
    forms = [gbk(text)]
    if pdf:
        forms += [gbk(text).hex().upper().encode(), hexed(text), b"(" + gbk(text) + b")"]
    return forms


def mutate(data, rng, pdf):
    lines = data.split(b"\n")
    kind = rng.randrange(14)
    if kind == 0:  # truncation
        return data[: rng.randrange(len(data) + 1)]
    if kind == 1 and len(lines) > 1:  # a line less
        del lines[rng.randrange(len(lines))]
    elif kind == 2:  # a line twice
        i = rng.randrange(len(lines))
        lines.insert(i, lines[i])
    elif kind == 3 and len(lines) > 1:  # two lines swapped
        i, j = rng.randrange(len(lines)), rng.randrange(len(lines))
        lines[i], lines[j] = lines[j], lines[i]
    elif kind in (4, 5):  # one label for another
        old, new = rng.choice(TEXTS), rng.choice(TEXTS)
        pairs = list(zip(forms_of(old, pdf), forms_of(new, pdf)))
        rng.shuffle(pairs)
        for a, b in pairs:
            if a in data:
                parts = data.split(a)
                k = rng.randrange(len(parts) - 1)
                return a.join(parts[: k + 1]) + b + a.join(parts[k + 1 :])
        return data.replace(gbk(old[:1]), gbk(new), 1)
    elif kind == 6:  # a label put into a line
        i = rng.randrange(len(lines))
        text = rng.choice(forms_of(rng.choice(TEXTS), pdf)) + rng.choice(BLANKS)
        p = rng.randrange(len(lines[i]) + 1)
        lines[i] = lines[i][:p] + text + lines[i][p:]
    elif kind == 7:  # a new line with a label and a value
        text = rng.choice(TEXTS)
        value = rng.choice([b"12.5\xa1\xe6", b"30.0\xa1\xe3C  80.0%", b"1h 30min 15sec", b"-----",
                            b"05/06/2021 8:05", gbk("2021年05月06日 08:05:09"), b"", b"(", b"%"])
        if pdf:
            line = rng.choice([hexed(text), b"(" + gbk(text) + b")"]) + b" Tj\n" + rng.choice(
                [b"<" + value.hex().upper().encode() + b"> Tj", b"(" + value + b") Tj"])
        else:
            line = gbk(text) + rng.choice(BLANKS) + rng.choice(BLANKS) + value
        lines.insert(rng.randrange(len(lines) + 1), line)
    elif kind == 8:  # blanks changed
        i = rng.randrange(len(lines))
        line = lines[i]
        p = rng.randrange(len(line) + 1)
        choice = rng.randrange(4)
        if choice == 0:
            line = line[:p] + rng.choice(BLANKS) + line[p:]
        elif choice == 1:
            line = line.replace(b" ", b"", 1) if rng.random() < 0.5 else line.replace(b"  ", b" ")
        elif choice == 2:
            line = line.replace(b" ", rng.choice(BLANKS))
        else:
            line = line.replace(b",", rng.choice([b"", b",,", b" ,", b"\t"]), 1)
        lines[i] = line
    elif kind == 9:  # bytes changed
        b = bytearray(data)
        for _ in range(rng.randrange(1, 8)):
            if b:
                b[rng.randrange(len(b))] = rng.randrange(256)
        return bytes(b)
    elif kind == 10:  # digits and separators changed
        b = bytearray(data)
        for _ in range(rng.randrange(1, 6)):
            if b:
                p = rng.randrange(len(b))
                b[p : p + 1] = rng.choice([b"0", b"9", b"/", b":", b"-", b".", b"%", b"99999999999"])
        return bytes(b)
    elif kind == 11:  # line ends
        choice = rng.randrange(3)
        if choice == 0:
            return data.replace(b"\n", b"\r\n")
        if choice == 1:
            return data.rstrip(b"\n")
        return data.replace(b"\n", b"\r")
    elif kind == 12 and pdf:  # operands: hex and literal forms, case, brackets
        i = rng.randrange(len(lines))
        line = lines[i]
        choice = rng.randrange(5)
        if choice == 0 and line.startswith(b"(") and b") Tj" in line:
            line = b"<" + line[1 : line.index(b") Tj")].hex().upper().encode() + b"> Tj"
        elif choice == 1:
            line = line.lower() if rng.random() < 0.5 else line.replace(b">", b"", 1)
        elif choice == 2:
            line = line.replace(b"Tj", rng.choice([b"", b"TJ", b"Tj Tj", b"T j"]), 1)
        elif choice == 3:
            line = line.replace(b"B043", rng.choice([b"B046", b"B0", b"b043", b"A1E6", b"80"]))
        else:
            line = line.replace(b"<", b"(", 1)
        lines[i] = line
    else:  # a model code with or without the humidity mark
        if b"-83WQ" in data:
            return data.replace(b"-83WQ", rng.choice([b"", b"-83W", b"-83WQ-83WQ"]), 1)
        return data.replace(b"TL-30", b"TL-30-83WQ", 1)
    return b"\n".join(lines)


def run(cli, path):
    result = subprocess.run([cli, "parse", path], capture_output=True, timeout=120)
    # The debug output names no build; the path is the same for both.
    return result.returncode, result.stdout, result.stderr


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--mutations", type=int, default=300, help="mutations per report")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--corpus", action="append", default=[], help="DIR:SUFFIX")
    parser.add_argument("--keep", help="directory for inputs that differ")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    work = tempfile.mkdtemp(prefix="compare-parsers-")
    inputs = []
    try:
        for name in sorted(os.listdir(REPORTS)):
            stem, dot, suffix = name.rpartition(".")
            if suffix not in SUFFIXES:
                continue
            source = os.path.join(REPORTS, name)
            inputs.append(source)
            with open(source, "rb") as f:
                original = f.read()
            for n in range(args.mutations):
                data = original
                for _ in range(rng.choice((1, 1, 1, 2, 3))):
                    data = mutate(data, rng, suffix == "pdf")
                suffixes = SUFFIXES if n % 4 == 0 else (suffix,)
                for s in suffixes:
                    path = os.path.join(work, "%s-%d.%s" % (stem, n, s))
                    with open(path, "wb") as f:
                        f.write(data)
                    inputs.append(path)
        for entry in args.corpus:
            directory, _, suffix = entry.rpartition(":")
            target = os.path.join(work, "corpus-" + os.path.basename(directory.rstrip("/")))
            os.makedirs(target, exist_ok=True)
            for name in sorted(os.listdir(directory)):
                path = os.path.join(target, name + "." + suffix)
                shutil.copyfile(os.path.join(directory, name), path)
                inputs.append(path)

        differ = []
        with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
            results = pool.map(lambda p: (p, run(args.old, p), run(args.new, p)), inputs)
            for path, old, new in results:
                if old != new:
                    differ.append(path)
                    if args.keep:
                        os.makedirs(args.keep, exist_ok=True)
                        shutil.copy(path, args.keep)
                    if len(differ) <= 5:
                        which = [k for k, a, b in zip(("exit code", "stdout", "stderr"), old, new) if a != b]
                        print("DIFFERS (%s): %s" % (", ".join(which), path))
        print("%d inputs compared, %d differ" % (len(inputs), len(differ)))
        return 1 if differ else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
