#include "core/export/cexportpdf.h"
#include "core/report/gbkcodeutils.h"
#include "helpers/commalocale.h"
#include "helpers/exportrecords.h"
#include "helpers/pdfreader.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <tuple>

using namespace ExportRecords;

class TestExportPdf : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    int files = 0;

    // Writes the record and reads it back.
    bool write(const CSummeryParam &s, const CTempData &data, PdfReader &r, QString *pathOut = nullptr)
    {
        const QString path = tmp.filePath(QString("report%1.pdf").arg(++files));
        CExportPdf pdf;
        pdf.setCreatedAt(QDateTime(QDate(2024, 3, 6), QTime(9, 30, 5)));
        const int pages = pdf.exportPdf(s, all(data), path);
        if (pathOut)
            *pathOut = path;
        if (!r.load(path)) {
            qWarning() << r.error;
            return false;
        }
        return pages == r.count;
    }

    static QByteArray gbk(const char *utf8) { return GbkCodeUtils::toGbk(QString::fromUtf8(utf8)); }

    // The one run at (x, y).
    static PdfTextRun at(const PdfPageContent &page, double x, double y)
    {
        const QVector<PdfTextRun> runs = page.textsAt(x, y);
        return runs.size() == 1 ? runs.first() : PdfTextRun();
    }

    // The body lines of a data page (the 5.5-point text) in order.
    static QVector<PdfTextRun> body(const PdfPageContent &page)
    {
        QVector<PdfTextRun> out;
        for (const PdfTextRun &t : page.texts)
            if (t.size == 5.5)
                out << t;
        return out;
    }

    // Curve points: move/line operators with "%f" operands, split per stroke.
    static QVector<QVector<QPointF>> curves(const PdfPageContent &page)
    {
        QVector<QVector<QPointF>> out;
        QVector<QPointF> current;
        for (const PdfOp &op : page.ops) {
            if ((op.op == "m" || op.op == "l") && op.operands.value(0).contains('.'))
                current << QPointF(op.operands[0].toDouble(), op.operands[1].toDouble());
            else if (op.op == "S" && !current.isEmpty()) {
                out << current;
                current.clear();
            }
        }
        return out;
    }

    // The fill colour in force at the rectangle with these operands.
    static QString rectFill(const PdfPageContent &page, const QStringList &rect)
    {
        QString fill;
        for (const PdfOp &op : page.ops) {
            if (op.op == "rg")
                fill = op.operands.join(' ');
            if (op.op == "B" && op.operands.isEmpty())
                continue;
            if (op.op == "re" && op.operands == rect)
                return fill;
        }
        return "none";
    }

private slots:
    void englishFirstPage()
    {
        CSummeryParam s;
        englishSummary(s, false);
        CTempData data;
        samples(data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
        PdfReader r;
        QVERIFY(write(s, data, r));
        QCOMPARE(r.count, 3);
        const PdfPageContent &p = r.pages.at(0);

        PdfTextRun t = at(p, 42, 797);
        QCOMPARE(t.bytes, QByteArray("DATA REPORT"));
        QCOMPARE(t.fill, QString("0 0 1"));
        QCOMPARE(t.size, 23.0);
        t = at(p, 387, 797);
        QCOMPARE(t.bytes, QByteArray("File Created At: 2024/03/06 09:30:05"));
        QCOMPARE(t.fill, QString("0.3 0.3 0.3"));
        QCOMPARE(at(p, 42, 762).bytes, QByteArray("Device Information"));
        QCOMPARE(at(p, 42, 662).bytes, QByteArray("Configuration Information"));
        QCOMPARE(at(p, 42, 517).bytes, QByteArray("Logging Summary"));
        QCOMPARE(at(p, 147, 745).bytes, QByteArray("TL-30"));
        QCOMPARE(at(p, 287, 730).bytes, QByteArray("UoM:"));
        QCOMPARE(at(p, 392, 730).bytes,
            QByteArray("\xB0"
                       "C"));
        QCOMPARE(at(p, 392, 700).bytes, QByteArray("EN"));
        t = at(p, 432, 685);
        QCOMPARE(t.bytes, QByteArray("85%"));
        QCOMPARE(t.size, 8.0);
        QCOMPARE(at(p, 147, 630).bytes, QByteArray("Manual+Delay 30min"));
        QCOMPARE(at(p, 287, 540).bytes, QByteArray("Reset record after configuration:OFF"));
        QCOMPARE(at(p, 392, 615).bytes,
            QByteArray("30.0\xB0"
                       "C"));
        QCOMPARE(at(p, 147, 500).bytes,
            QByteArray("31.5\xB0"
                       "C"));
        QCOMPARE(at(p, 42, 455).bytes, QByteArray("MKT:"));
        QCOMPARE(at(p, 147, 455).bytes,
            QByteArray("24.5\xB0"
                       "C"));
        QCOMPARE(at(p, 392, 410).bytes, QByteArray("Cold chain (test) \\ route"));
        QCOMPARE(at(p, 285, 34).bytes, QByteArray("Page 1"));
        QCOMPARE(at(p, 54, 362).bytes,
            QByteArray("[ \xB0"
                       "C ]"));
        QCOMPARE(at(p, 285, 362).bytes, QByteArray("Temperature"));
        QVERIFY(at(p, 405, 362).bytes.isEmpty());

        // An alarm: the three alarm labels red, their values black.
        for (int y : { 470, 455, 440 }) {
            QCOMPARE(at(p, 287, y).fill, QString("1 0 0"));
            QCOMPARE(at(p, 392, y).fill, QString("0 0 0"));
        }
        QCOMPARE(at(p, 42, 440).fill, QString("0 0 0"));
        // Battery gauge: frame and an 85-point green bar.
        QCOMPARE(rectFill(p, { "393", "684", "102", "9" }), QString("0.8 0.8 0.8"));
        QCOMPARE(rectFill(p, { "394", "685", "85", "7" }), QString("0 1 0"));

        // No alarm and no MKT: the rows from 470 down move, alarm labels green.
        s.alarmType = "[No Alarm]";
        s.mkt.clear();
        s.battery = "15";
        PdfReader r2;
        QVERIFY(write(s, data, r2));
        const PdfPageContent &q = r2.pages.at(0);
        QCOMPARE(at(q, 287, 470).bytes, QByteArray("Trip Counts:"));
        QCOMPARE(at(q, 287, 455).bytes, QByteArray("Total Elapsed Time:"));
        QCOMPARE(at(q, 287, 440).bytes, QByteArray("Total Data Points:"));
        QCOMPARE(at(q, 42, 410).bytes, QByteArray("Trip SN:"));
        QCOMPARE(q.find("MKT:").font, 0);
        QCOMPARE(at(q, 42, 455).bytes, QByteArray("Alarm Elapsed Time:"));
        for (int y : { 455, 440, 425 })
            QCOMPARE(at(q, 42, y).fill, QString("0 1 0"));
        QCOMPARE(rectFill(q, { "394", "685", "15", "7" }), QString("0.5 0.3 0.3"));
    }

    void chineseWithHumidity()
    {
        CSummeryParam s;
        chineseSummary(s, true);
        CTempData data;
        samples(data, 100, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        PdfReader r;
        QVERIFY(write(s, data, r));
        const PdfPageContent &p = r.pages.at(0);
        PdfTextRun t = at(p, 42, 797);
        QCOMPARE(t.bytes, gbk("数 据 报 表"));
        QCOMPARE(t.font, 2);
        QVERIFY(t.hex);
        QCOMPARE(at(p, 387, 797).bytes, gbk("文件创建于：") + "2024/03/06 09:30:05");
        QCOMPARE(at(p, 42, 745).bytes, gbk("产品型号："));
        t = at(p, 137, 745);
        QCOMPARE(t.bytes, QByteArray("TL-83WQ"));
        QCOMPARE(t.font, 1);
        // Values holding Chinese characters go out in the Chinese font.
        for (auto [x, y, text] : { std::make_tuple(137, 645, "按键开启"), std::make_tuple(382, 555, "是"),
                 std::make_tuple(137, 440, "9时 59分 "), std::make_tuple(382, 700, "中文"),
                 std::make_tuple(137, 630, "按键开启 + 延时"),
                 std::make_tuple(382, 410, "冷链运输（测试）") }) {
            t = at(p, x, y);
            QCOMPARE(t.bytes, gbk(text));
            QCOMPARE(t.font, 2);
        }
        QCOMPARE(at(p, 287, 615).bytes, gbk("温湿度上限："));
        t = at(p, 382, 615);
        QCOMPARE(t.bytes,
            QByteArray("30.0\xB0"
                       "C  80.0%"));
        QCOMPARE(t.font, 1);
        QCOMPARE(at(p, 287, 470).fill, QString("0 1 0")); // "无报警"
        QCOMPARE(at(p, 285, 34).bytes, gbk("第 1 页"));
        QCOMPARE(rectFill(p, { "383", "684", "102", "9" }), QString("0.8 0.8 0.8"));
        t = at(p, 405, 362);
        QCOMPARE(t.bytes, gbk("湿度"));
        QCOMPARE(t.fill, QString("0.4 0.4 0.6"));
        QCOMPARE(at(p, 540, 350).fill, QString("0.4 0.4 0.6"));
        QCOMPARE(curves(p).size(), 2);

        const QVector<PdfTextRun> lines = body(r.pages.at(1));
        QCOMPARE(lines.at(1).bytes, QByteArray("2024/03/05"));
        QCOMPARE(lines.at(2).bytes,
            "  08:00:00      " + data.dataList.at(0)->temp.toLatin1()
                + "\xB0"
                  "C   "
                + data.dataList.at(0)->shidu.toLatin1() + "%");
        QCOMPARE(at(r.pages.at(1), 42, 797).bytes, gbk("数 据 列 表"));
        QCOMPARE(at(r.pages.at(1), 285, 29).bytes, gbk("第 2 页"));
    }

    // Line layout of the data pages, page breaks and date lines.
    void dataPages()
    {
        CSummeryParam s;
        englishSummary(s, false);
        CTempData data;
        samples(data, 600, "2024/03/05 08:00:00", 60, wavyTemp);
        PdfReader r;
        QVERIFY(write(s, data, r));
        QVector<PdfTextRun> lines = body(r.pages.at(1));
        QCOMPARE(lines.size(), 600);
        QCOMPARE(lines.at(0).bytes, QByteArray("Trip 0:"));
        QCOMPARE(lines.at(1).bytes, QByteArray("03/05/2024"));
        QCOMPARE(lines.at(2).bytes,
            "  08:00:00      " + data.dataList.at(0)->temp.toLatin1()
                + "\xB0"
                  "C");
        const double columnX[] = { 52, 136, 219, 302, 385, 468 };
        for (int i = 0; i < 600; ++i) {
            QCOMPARE(lines.at(i).x, columnX[i / 100]);
            QCOMPARE(lines.at(i).y, 764.0 - 7 * (i % 100));
        }
        QCOMPARE(lines.at(599).bytes.left(10), QByteArray("  17:57:00"));
        QCOMPARE(at(r.pages.at(1), 285, 29).bytes, QByteArray("Page 2"));
        lines = body(r.pages.at(2));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0).bytes, QByteArray("Trip 0:"));
        QCOMPARE(lines.at(1).bytes, QByteArray("03/05/2024"));
        QCOMPARE(lines.at(3).bytes.left(10), QByteArray("  17:59:00"));
        QCOMPARE(at(r.pages.at(2), 285, 29).bytes, QByteArray("Page 3"));

        // A new date on line 599 starts the next page; on line 598 it fits.
        samples(data, 700, "2024/03/05 14:03:00", 60, wavyTemp);
        QVERIFY(write(s, data, r = PdfReader()));
        lines = body(r.pages.at(1));
        QCOMPARE(lines.size(), 599);
        QCOMPARE(body(r.pages.at(2)).at(1).bytes, QByteArray("03/06/2024"));
        QCOMPARE(body(r.pages.at(2)).at(2).bytes.left(10), QByteArray("  00:00:00"));
        samples(data, 700, "2024/03/05 14:05:00", 60, wavyTemp);
        QVERIFY(write(s, data, r = PdfReader()));
        lines = body(r.pages.at(1));
        QCOMPARE(lines.size(), 600);
        QCOMPARE(lines.at(597).bytes, QByteArray("03/06/2024"));
        QCOMPARE(lines.at(599).bytes.left(10), QByteArray("  00:01:00"));
        QCOMPARE(body(r.pages.at(2)).at(2).bytes.left(10), QByteArray("  00:02:00"));

        // At most 83 data pages.
        samples(data, 50000, "2024/03/05 00:00:00", 1, [](int) { return QString("20.0"); });
        QVERIFY(write(s, data, r = PdfReader()));
        QCOMPARE(r.count, 84);
        QCOMPARE(at(r.pages.at(83), 285, 29).bytes, QByteArray("Page 84"));
        QCOMPARE(body(r.pages.at(83)).last().bytes.left(10), QByteArray("  13:47:13")); // sample 83 * 598 - 1

        // No samples: the first page alone.
        data.clear();
        QVERIFY(write(s, data, r = PdfReader()));
        QCOMPARE(r.count, 1);
        QVERIFY(curves(r.pages.at(0)).isEmpty());
    }

    // Dashes, humidity, Fahrenheit.
    void sampleLinesAndUnits()
    {
        CSummeryParam s;
        englishSummary(s, true);
        CTempData data;
        samples(
            data, 10, "2024/03/05 08:00:00", 60,
            [](int i) { return i == 3 ? QString("--") : QString("21.5"); },
            [](int i) { return i == 3 ? QString("--") : QString("55.0"); });
        PdfReader r;
        QVERIFY(write(s, data, r));
        QVector<PdfTextRun> lines = body(r.pages.at(1));
        QCOMPARE(lines.at(5).bytes, QByteArray("  08:03:00      ----   ----"));
        QCOMPARE(lines.at(6).bytes,
            QByteArray("  08:04:00      21.5\xB0"
                       "C   55.0%"));

        englishSummary(s, false);
        s.tempUnit = QString::fromUtf8("°F");
        s.tempHigh = QString::fromUtf8("86.0℉");
        QVERIFY(write(s, data, r = PdfReader()));
        lines = body(r.pages.at(1));
        QCOMPARE(lines.at(5).bytes, QByteArray("  08:03:00      ----"));
        QCOMPARE(lines.at(6).bytes,
            QByteArray("  08:04:00      21.5\xB0"
                       "F"));
        const PdfPageContent &p = r.pages.at(0);
        QCOMPARE(at(p, 392, 730).bytes,
            QByteArray("\xB0"
                       "F"));
        QCOMPARE(at(p, 54, 362).bytes,
            QByteArray("[ \xB0"
                       "F ]"));
        QCOMPARE(at(p, 392, 615).bytes,
            QByteArray("86.0\xB0"
                       "F"));
        QCOMPARE(at(p, 28, 350).bytes, QByteArray("23.5")); // left axis at x 28 for Fahrenheit
    }

    // Scale, axis labels, curve points, thinning, time labels.
    void chart()
    {
        CSummeryParam s;
        englishSummary(s, false);
        CTempData data;
        const QStringList temps
            = { "20.0", "21.0", "--", "22.0", "255", "23.0", "24.0", "25.0", "22.5", "21.5", "20.5" };
        samples(data, temps.size(), "2024/03/05 08:00:00", 60, [&](int i) { return temps.at(i); });
        PdfReader r;
        QVERIFY(write(s, data, r));
        PdfPageContent p = r.pages.at(0);
        // 20.0 .. 25.0: top 27.0, span 9.0 -> steps of 0.3.
        const QList<QPair<int, QByteArray>> labels
            = { { 350, "27.0" }, { 292, "24.0" }, { 232, "21.0" }, { 172, "18.0" }, { 117, "15.0" } };
        for (const auto &l : labels)
            QCOMPARE(at(p, 31, l.first).bytes, l.second);
        QVector<QVector<QPointF>> c = curves(p);
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].size(), 9); // "--" and 255 leave no point
        QCOMPARE(c[0].first(), QPointF(55, 115 + 240.0 * 50 / 120));
        QCOMPARE(c[0].last(), QPointF(535, 115 + 240.0 * 55 / 120));
        QCOMPARE(c[0].at(2), QPointF(55 + 48 * 3, 115 + 240.0 * 70 / 120));
        QCOMPARE(at(p, 37, 100).bytes, QByteArray("2024/03/05"));
        QCOMPARE(at(p, 32, 90).bytes, QByteArray("08:00:00"));
        QCOMPARE(at(p, 517, 90).bytes, QByteArray("08:10:00"));

        // Below zero: -25 .. -18 gives top -16.0 and steps of 0.3.
        samples(data, 8, "2024/03/05 08:00:00", 60, [](int i) { return QString::number(-25 + i); });
        QVERIFY(write(s, data, r = PdfReader()));
        p = r.pages.at(0);
        for (const auto &l : QList<QPair<int, QByteArray>> {
                 { 350, "-16.0" }, { 292, "-19.0" }, { 232, "-22.0" }, { 172, "-25.0" }, { 117, "-28.0" } })
            QCOMPARE(at(p, 31, l.first).bytes, l.second);

        // 5120 samples: every second one plotted; a label under every darker
        // grid line.
        samples(data, 5120, "2024/03/05 00:00:00", 10, wavyTemp);
        QVERIFY(write(s, data, r = PdfReader()));
        p = r.pages.at(0);
        QCOMPARE(curves(p).at(0).size(), 2560);
        QVERIFY(qAbs(curves(p).at(0).at(1).x() - (55 + 480.0 * 2 / 5119)) < 1e-6);
        for (int g = 120; g <= 480; g += 60) {
            const PdfTextRun date = at(p, g - 22, 100);
            QCOMPARE(date.bytes.size(), 10);
            QVERIFY(at(p, g - 18, 90).bytes.contains(':'));
        }
        samples(data, 5119, "2024/03/05 00:00:00", 10, wavyTemp);
        QVERIFY(write(s, data, r = PdfReader()));
        QCOMPARE(curves(r.pages.at(0)).at(0).size(), 5119);

        // One sample: a short mark in the middle, no division by zero.
        samples(data, 1, "2024/03/05 08:00:00", 60, [](int) { return QString("20.0"); });
        QVERIFY(write(s, data, r = PdfReader()));
        p = r.pages.at(0);
        QCOMPARE(curves(p).at(0), QVector<QPointF>({ QPointF(292, 235), QPointF(298, 235) }));
        QVERIFY(!p.stream.contains("nan") && !p.stream.contains("inf"));
        QCOMPARE(at(p, 273, 100).bytes, QByteArray("2024/03/05"));
    }

    // NaN and infinite readings are left out like the missing-reading mark;
    // huge finite ones draw at the edge of a scale that still labels sanely.
    void hostileValues()
    {
        CSummeryParam s;
        englishSummary(s, true);
        const QStringList temps
            = { "20.0", "nan", "inf", "21.0", "-inf", "3e8", "22.0", "-3e8", "1e308", "1e999" };
        CTempData data;
        samples(
            data, temps.size(), "2024/03/05 08:00:00", 60, [&](int i) { return temps.at(i); },
            [&](int i) { return temps.at(temps.size() - 1 - i); });
        PdfReader r;
        QVERIFY(write(s, data, r));
        const PdfPageContent &p = r.pages.at(0);
        QVERIFY(!p.stream.contains("nan") && !p.stream.contains("inf"));
        const QRegularExpression oneDecimal("^-?[0-9]+\\.[0-9]$");
        for (const bool left : { true, false }) {
            QVector<double> values;
            for (const int y : { 350, 292, 232, 172, 117 }) {
                // Wide labels move left to end before the frame.
                QByteArray label;
                for (const PdfTextRun &t : p.texts)
                    if (t.y == y && t.size == 9 && (left ? t.x <= 31 : t.x == 540))
                        label = t.bytes;
                QVERIFY2(oneDecimal.match(QString::fromLatin1(label)).hasMatch(), label.constData());
                values << label.toDouble();
            }
            // Evenly spaced from the top down, over the finite readings.
            const double step = values[0] - values[1];
            QVERIFY(step > 0);
            for (int k = 1; k < 4; ++k)
                QVERIFY(qAbs(values[k] - values[k + 1] - step) < 0.05);
            QVERIFY(values[0] >= 22.0 && values[4] <= 20.0);
            QVERIFY(qAbs(values[0]) < 1e6 && qAbs(values[4]) < 1e6);
        }
        const QVector<QVector<QPointF>> c = curves(p);
        QCOMPARE(c.size(), 2);
        for (const QVector<QPointF> &points : c) {
            QCOMPARE(points.size(), 6); // 20, 21, 3e8, 22, -3e8, 1e308
            for (const QPointF &point : points)
                QVERIFY(point.y() >= 115 && point.y() <= 355);
        }
        // 3e8 and 1e308 at the top, -3e8 at the bottom, the others between.
        QCOMPARE(c[0][5].y(), c[0][2].y());
        for (int i : { 0, 1, 3 })
            QVERIFY(c[0][4].y() < c[0][i].y() && c[0][i].y() < c[0][2].y());
        // The data list prints the texts as they are.
        QCOMPARE(body(r.pages.at(1)).at(3).bytes,
            QByteArray("  08:01:00      nan\xB0"
                       "C   1e308%"));

        // Nothing but NaN: no curve, the scale of an empty record.
        samples(
            data, 5, "2024/03/05 08:00:00", 60, [](int) { return QString("nan"); },
            [](int) { return QString("NaN"); });
        QVERIFY(write(s, data, r = PdfReader()));
        QVERIFY(curves(r.pages.at(0)).isEmpty());
        QCOMPARE(at(r.pages.at(0), 31, 350).bytes, QByteArray("2.0"));
        QCOMPARE(at(r.pages.at(0), 540, 117).bytes, QByteArray("-2.0"));
    }

    // Each axis label is the value at its own height, with its decimal; every
    // darker vertical grid line carries the time at its place.
    void axisAndTimeLabels()
    {
        CSummeryParam s;
        englishSummary(s, true);
        // 8.0 .. 10.6 and 55.3 .. 60.1 over a trip of 30 samples across midnight.
        CTempData data;
        samples(
            data, 30, "2021/05/31 22:00:00", 900,
            [](int i) { return i == 7 ? QString("10.6") : QString("8.0"); },
            [](int i) { return i == 3 ? QString("55.3") : QString("60.1"); });
        PdfReader r;
        QVERIFY(write(s, data, r));
        const PdfPageContent &p = r.pages.at(0);
        const QVector<QVector<QPointF>> c = curves(p);
        QCOMPARE(c.size(), 2);
        struct Axis {
            int x;
            QVector<QPointF> points;
            double low, high; // the values of the points at index 0 and at the odd one
            int odd;
        };
        for (const Axis &axis : { Axis { 31, c[0], 8.0, 10.6, 7 }, Axis { 540, c[1], 60.1, 55.3, 3 } }) {
            // The value at a height, from where the curve drew two known values.
            const double y0 = axis.points.at(0).y();
            const double y1 = axis.points.at(axis.odd).y();
            auto valueAt = [&](double y) { return axis.low + (y - y0) * (axis.high - axis.low) / (y1 - y0); };
            const QList<QPair<int, int>> rows
                = { { 350, 355 }, { 292, 295 }, { 232, 235 }, { 172, 175 }, { 117, 115 } };
            for (const auto &row : rows) {
                const QByteArray label = at(p, axis.x, row.first).bytes;
                QCOMPARE(label, QByteArray::number(valueAt(row.second), 'f', 1));
            }
        }
        QCOMPARE(at(p, 31, 292).bytes, QByteArray("10.6"));

        // Times: the first and last sample at the ends, and between them the
        // time at each grid line, the whole trip spread over 480 points.
        const QDateTime first(QDate(2021, 5, 31), QTime(22, 0), Qt::UTC);
        const qint64 span = 29 * 900;
        QCOMPARE(at(p, 37, 100).bytes, QByteArray("2021/05/31"));
        QCOMPARE(at(p, 32, 90).bytes, QByteArray("22:00:00"));
        QCOMPARE(at(p, 522, 100).bytes, QByteArray("2021/06/01"));
        QCOMPARE(at(p, 517, 90).bytes, QByteArray("05:15:00"));
        for (int g = 120; g <= 480; g += 60) {
            const QDateTime t = first.addSecs(qRound64(span * (g - 55) / 480.0));
            QCOMPARE(at(p, g - 22, 100).bytes, t.toString("yyyy/MM/dd").toLatin1());
            QCOMPARE(at(p, g - 18, 90).bytes, t.toString("hh:mm:ss").toLatin1());
        }
        QCOMPARE(at(p, 120 - 18, 90).bytes, QByteArray("22:58:54"));
        QCOMPARE(at(p, 480 - 18, 90).bytes, QByteArray("04:25:09"));

        // Below zero the sign stays with the tenths: -0.1, not -0.0.
        samples(data, 4, "2024/03/05 08:00:00", 60,
            [](int i) { return QString::number(-0.1 * (i + 1), 'f', 1); });
        QVERIFY(write(s, data, r = PdfReader()));
        const QList<QPair<int, QByteArray>> labels
            = { { 350, "1.9" }, { 292, "-0.1" }, { 232, "-2.1" }, { 172, "-4.1" }, { 117, "-6.1" } };
        for (const auto &l : labels)
            QCOMPARE(at(r.pages.at(0), 31, l.first).bytes, l.second);
    }

    // Every value of the first page stays inside its column: long ones are
    // drawn smaller or cut with "...". Checked on poppler's word boxes.
    void valuesStayInTheirColumns_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void valuesStayInTheirColumns()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("poppler-utils are needed (scripts/install-deps.sh)");
        QFETCH(bool, chinese);
        CSummeryParam s;
        chinese ? chineseSummary(s, true) : englishSummary(s, true);
        const QString longText = chinese
            ? QString::fromUtf8("冷链运输（测试）Route 66 温湿度记录仪外置探头编号 12345")
            : QString("Cold chain (test) \\ route 66 with a probe of WWW-MMM 12345");
        for (QString *field :
            { &s.deviceModel, &s.deviceSensor, &s.deviceNo, &s.firmwareVersion, &s.fileFormat, &s.deviceTime,
                &s.battery, &s.recordStartModel, &s.recordStopModel, &s.stopAt, &s.startAt, &s.tempHigh,
                &s.normalRecordSpace, &s.tempLow, &s.alarmSpace, &s.alarmDelay, &s.lcd_mode,
                &s.isRecycleRecord, &s.isLongPressed, &s.isRestart, &s.isSettingClearRecord, &s.tempMax,
                &s.recordStartAt, &s.tempMin, &s.recordStopAt, &s.tempAvg, &s.alarmTimeLen, &s.mkt,
                &s.alarmCount, &s.recordTimeLen, &s.alarmType, &s.recordCount, &s.wayId, &s.recordTimes })
            *field = longText;
        s.deviceZone = "(UTC-05:00) Eastern Time (US & Canada)";
        s.delayStart += " " + longText;
        s.wayDesc = "a(b)c\\d" + QString(2000, 'x');
        CTempData data;
        samples(data, 30, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        PdfReader r;
        QString path;
        QVERIFY(write(s, data, r, &path));
        const PdfPageContent &p = r.pages.at(0);
        const PdfTextRun desc = at(p, chinese ? 382 : 392, 410);
        QCOMPARE(desc.size, 6.0);
        QVERIFY(desc.bytes.startsWith("a(b)c\\dxxx") && desc.bytes.endsWith("x..."));
        QVERIFY(at(p, chinese ? 137 : 147, 700).size < 9); // the time zone, smaller

        QProcess tool;
        tool.start(pdftotext, { "-f", "1", "-l", "1", "-bbox", path, "-" });
        QVERIFY(tool.waitForFinished(-1));
        const QString html = QString::fromUtf8(tool.readAllStandardOutput());
        struct Word {
            double xMin, yMin, xMax, yMax;
            QString text;
        };
        QVector<Word> words;
        const QRegularExpression wordRe("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                        "yMax=\"([0-9.]+)\">([^<]*)</word>");
        for (auto it = wordRe.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            words << Word { m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                m.captured(4).toDouble(), m.captured(5) };
        }
        const int rows[] = { 745, 730, 715, 700, 685, 645, 630, 615, 600, 585, 570, 555, 540, 500, 485, 470,
            455, 440, 425, 410 };
        for (int y : rows) {
            QVector<Word> row;
            for (const Word &w : words)
                if (w.yMin < 842 - y && 842 - y < w.yMax)
                    row << w;
            std::sort(row.begin(), row.end(), [](const Word &a, const Word &b) { return a.xMin < b.xMin; });
            QVERIFY2(row.size() >= 2, qPrintable(QString::number(y)));
            for (int i = 0; i < row.size(); ++i) {
                const Word &w = row.at(i);
                const QString where
                    = QString("row %1: \"%2\" %3..%4").arg(y).arg(w.text).arg(w.xMin).arg(w.xMax);
                QVERIFY2(w.xMin >= 286.5 || w.xMax <= 287.0, qPrintable(where + " reaches the right column"));
                QVERIFY2(w.xMax <= 558.5, qPrintable(where + " leaves the page"));
                if (i > 0)
                    QVERIFY2(row.at(i - 1).xMax <= w.xMin + 0.01,
                        qPrintable(where + " overprints " + row.at(i - 1).text));
            }
        }
    }

    // A locale with a decimal comma changes not a byte of the file, and
    // poppler renders and reads page 1 without a complaint.
    void commaLocale()
    {
        CommaLocale locale;
        if (!locale.isValid())
            QSKIP(qPrintable(locale.skipReason()));
        CSummeryParam s;
        englishSummary(s, true);
        CTempData data;
        samples(data, 1000, "2024/03/05 08:00:00", 60, wavyTemp, wavyHumidity);
        PdfReader c;
        QVERIFY(write(s, data, c));

        const QByteArray saved = std::setlocale(LC_ALL, nullptr);
        const bool applied = locale.apply();
        PdfReader r;
        QString path;
        const bool written = write(s, data, r, &path);
        std::setlocale(LC_ALL, saved.constData());
        QVERIFY2(applied, "glibc does not write a decimal comma in de_DE.UTF-8");
        QVERIFY(written);

        const QRegularExpression number("^-?[0-9]+(\\.[0-9]+)?$");
        const QStringList known
            = { "BT", "ET", "Tf", "Td", "Tj", "m", "l", "S", "re", "B", "w", "d", "rg", "RG" };
        for (const PdfPageContent &page : r.pages) {
            for (const PdfOp &op : page.ops) {
                QVERIFY2(known.contains(op.op), qPrintable("operator " + op.op));
                for (const QString &operand : op.operands) {
                    if (operand.at(0).isDigit() || operand.startsWith('-') || operand.startsWith('.'))
                        QVERIFY2(number.match(operand).hasMatch(), qPrintable(operand + " " + op.op));
                }
            }
        }
        QCOMPARE(r.bytes, c.bytes);

        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftoppm.isEmpty() || pdftotext.isEmpty())
            QSKIP("poppler-utils are needed (scripts/install-deps.sh)");
        QProcess p;
        p.start(pdftoppm, { "-f", "1", "-l", "1", "-r", "36", "-gray", "-png", "-singlefile", path, path });
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
        const QImage image(path + ".png");
        QVERIFY(!image.isNull());
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY2(dark > image.width() * image.height() / 50, qPrintable(QString::number(dark)));
        p.start(pdftotext, { "-f", "1", "-l", "1", path, "-" });
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *expected : { "DATA REPORT", "Logging Summary", "Trip Description:", "2024/03/05" })
            QVERIFY2(text.contains(expected), expected);
    }

    // Every kind of report passes qpdf's check; poppler agrees on the pages
    // and extracts the English labels.
    void externalTools()
    {
        const QString qpdf = QStandardPaths::findExecutable("qpdf");
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (qpdf.isEmpty() || pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("qpdf and poppler-utils are needed (scripts/install-deps.sh)");
        for (int kind = 0; kind < 4; ++kind) {
            const bool chinese = kind & 1;
            const bool humidity = kind & 2;
            CSummeryParam s;
            chinese ? chineseSummary(s, humidity) : englishSummary(s, humidity);
            CTempData data;
            samples(data, 1000, "2024/03/05 08:00:00", 60, wavyTemp, humidity ? wavyHumidity : nullptr);
            PdfReader r;
            QString path;
            QVERIFY(write(s, data, r, &path));

            QProcess p;
            p.start(qpdf, { "--check", path });
            QVERIFY(p.waitForFinished(-1));
            const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
            QVERIFY2(p.exitCode() == 0 && !out.contains("WARNING", Qt::CaseInsensitive), qPrintable(out));
            QVERIFY2(out.contains("No syntax or stream encoding errors found"), qPrintable(out));

            p.start(pdfinfo, { path });
            QVERIFY(p.waitForFinished(-1));
            QVERIFY(
                QString::fromUtf8(p.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+3\\n")));

            p.start(pdftotext, { "-enc", "UTF-8", path, "-" });
            QVERIFY(p.waitForFinished(-1));
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            const QStringList expected = chinese
                ? QStringList { QString::fromUtf8("产品型号"), QString::fromUtf8("统 计 信 息"), "Trip 0:" }
                : QStringList { "DATA REPORT", "Device Information", "Configuration Information",
                      "Logging Summary", "Product Model:", "Alarm Type:", "Trip Description:", "DATA LIST",
                      "Trip 0:", "Page 3" };
            for (const QString &e : expected)
                QVERIFY2(text.contains(e), qPrintable(e + " missing in:\n" + text.left(2000)));
        }
    }
};

QTEST_GUILESS_MAIN(TestExportPdf)
#include "tst_exportpdf.moc"
