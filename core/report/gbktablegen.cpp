// Writes the GBK code table (config/gbk_code.txt) from Qt's GBK codec: one
// "CODE,TEXT" line, UTF-8, for every double-byte code (lead 0x81-0xFE, trail
// 0x40-0xFE except 0x7F) that decodes to exactly one character.
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gbk-table-gen OUTPUT\n");
        return 2;
    }
    QTextCodec *codec = QTextCodec::codecForName("GBK");
    if (!codec) {
        std::fprintf(stderr, "gbk-table-gen: Qt has no GBK codec\n");
        return 1;
    }
    QByteArray out;
    out.reserve(22000 * 8);
    int count = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[2] = { char(lead), char(trail) };
            QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
            const QString text = codec->toUnicode(bytes, 2, &state);
            if (state.invalidChars != 0 || state.remainingChars != 0 || text.size() != 1
                || text.at(0) == QChar::ReplacementCharacter || text.at(0).isNull()
                || text.at(0).isSurrogate())
                continue;
            out += QByteArray::number(lead, 16).toUpper() + QByteArray::number(trail, 16).toUpper();
            out += ',';
            out += text.toUtf8();
            out += '\n';
            ++count;
        }
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "gbk-table-gen: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("gbk-table-gen: %d codes\n", count);
    return 0;
}
