#include "core/report/gbkcodeutils.h"

#include <QFile>
#include <QTextCodec>
#include <QTextStream>

GbkCodeUtils::GbkCodeUtils(QObject *parent)
    : QObject(parent)
{
}

GbkCodeUtils *GbkCodeUtils::instance()
{
    // Created on first use and never destroyed (used until process end).
    static GbkCodeUtils *s_instance = new GbkCodeUtils;
    return s_instance;
}

void GbkCodeUtils::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");

    codeList.clear();
    firstIndex.clear();
    QString line;
    while (in.readLineInto(&line)) {
        const int comma = line.indexOf(QLatin1Char(','));
        if (comma < 0 || line.indexOf(QLatin1Char(','), comma + 1) >= 0)
            continue;
        Entry entry { line.left(comma), line.mid(comma + 1) };
        if (!firstIndex.contains(entry.code))
            firstIndex.insert(entry.code, codeList.size());
        codeList.append(std::move(entry));
    }
}

QString GbkCodeUtils::lookup(const QString &code) const
{
    const auto it = firstIndex.constFind(code);
    return it == firstIndex.constEnd() ? QString("") : codeList.at(*it).text;
}

namespace {
int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}
} // namespace

QString GbkCodeUtils::decodeHexText(const QString &line) const
{
    QString result("");
    const int open = line.indexOf(QLatin1Char('<'));
    if (open < 0)
        return result;
    int close = line.indexOf(QLatin1Char('>'), open + 1);
    if (close < 0)
        close = line.size();
    const QStringView digits = QStringView(line).mid(open + 1, close - open - 1);

    QString pending;
    for (int i = 0; i + 1 < digits.size(); i += 2) {
        const int hi = hexValue(digits[i]);
        const int lo = hexValue(digits[i + 1]);
        // A pair that is not hexadecimal reads as the byte 0.
        const int value = hi < 0 || lo < 0 ? 0 : hi * 16 + lo;
        if (value > 128 || !pending.isEmpty()) {
            pending.append(digits[i]);
            pending.append(digits[i + 1]);
            if (pending.size() == 4) {
                // The logger writes the degree sign as the single byte 0xB0
                // before "C" or "F".
                if (pending == QLatin1String("B043"))
                    result += QStringLiteral("°C");
                else if (pending == QLatin1String("B046"))
                    result += QStringLiteral("°F");
                else
                    result += lookup(pending);
                pending.clear();
            }
        } else {
            result += QChar(value);
        }
    }
    return result;
}

bool GbkCodeUtils::decodeOneByteHex(QStringView digits, QString &out)
{
    const int n = digits.size();
    out.resize(n / 2); // keeps the buffer of the previous item
    QChar *p = out.data();
    int len = 0;
    for (int i = 0; i + 1 < n; i += 2) {
        const int hi = hexValue(digits[i]);
        const int lo = hexValue(digits[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        const int value = hi * 16 + lo;
        if (value <= 128) {
            p[len++] = QChar(ushort(value));
            continue;
        }
        if (i + 3 >= n || digits[i] != QLatin1Char('B') || digits[i + 1] != QLatin1Char('0')
            || digits[i + 2] != QLatin1Char('4')
            || (digits[i + 3] != QLatin1Char('3') && digits[i + 3] != QLatin1Char('6')))
            return false;
        p[len++] = QChar(0xB0);
        p[len++] = QLatin1Char(digits[i + 3] == QLatin1Char('3') ? 'C' : 'F');
        i += 2;
    }
    out.resize(len);
    return true;
}

QTextCodec *GbkCodeUtils::codec()
{
    static QTextCodec *s_codec = QTextCodec::codecForName("GBK");
    return s_codec;
}

QByteArray GbkCodeUtils::toGbk(const QString &text)
{
    return codec()->fromUnicode(text);
}

QString GbkCodeUtils::fromGbk(const QByteArray &bytes)
{
    return codec()->toUnicode(bytes);
}
