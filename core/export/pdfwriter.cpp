#include "core/export/pdfwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <unistd.h>

namespace {

// Hand the buffered bytes to the file in blocks of this size.
constexpr int flushThreshold = 1 << 16;

// Marks the document as failed, keeping the reason of the first failure.
void fail(PdfWriter &w)
{
    if (!w.writeFailed || w.errorNumber == 0)
        w.errorNumber = errno != 0 ? errno : EIO;
    w.writeFailed = true;
}

void flushPending(PdfWriter &w)
{
    if (w.pending.isEmpty() || !w.file)
        return;
    errno = 0;
    if (std::fwrite(w.pending.constData(), 1, size_t(w.pending.size()), w.file) != size_t(w.pending.size()))
        fail(w);
    w.pending.clear();
}

// Appends raw bytes to the file and counts them (and into the page stream
// when one is being written).
void emitBytes(PdfWriter &w, const char *data, int size)
{
    w.pending.append(data, size);
    w.fileOffset += std::uint32_t(size);
    if (w.inPage)
        w.objects[w.currentPage].streamLength += std::uint32_t(size);
    if (w.pending.size() >= flushThreshold)
        flushPending(w);
}

void emitText(PdfWriter &w, const char *text)
{
    emitBytes(w, text, int(std::strlen(text)));
}

// Numbers in a PDF are read by programs: they are formatted in the C locale
// whatever LC_NUMERIC the process runs with (QCoreApplication adopts the
// user's, and a German one would print "2,0 w"). uselocale switches the
// calling thread only, and printf keeps its exact rounding.
class CNumericLocale {
public:
    CNumericLocale()
    {
        static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
        previous = c ? uselocale(c) : locale_t(nullptr);
    }
    ~CNumericLocale()
    {
        if (previous)
            uselocale(previous);
    }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    locale_t previous = locale_t(nullptr);
};

// printf-style output without a fixed limit: short items use the stack,
// longer ones are formatted again into a buffer of their size.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void emitf(PdfWriter &w, const char *format, ...)
{
    const CNumericLocale numbers;
    char small[128];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if (n < int(sizeof small)) {
        emitBytes(w, small, n);
    } else {
        QByteArray big(n + 1, '\0');
        std::vsnprintf(big.data(), size_t(n) + 1, format, again);
        emitBytes(w, big.constData(), n);
    }
    va_end(again);
}

void recordOffset(PdfWriter &w, int objectNumber)
{
    w.objects[objectNumber - 1].offset = w.fileOffset;
}

bool isCurrent(const PdfWriter &w, PdfPage page)
{
    return w.file && w.inPage && page.index == w.currentPage;
}

const char *const font1Object = "2 0 obj\n<<\n/Type /Font\n/Subtype /Type1\n/BaseFont /Arial,Bold\n"
                                "/Encoding /WinAnsiEncoding\n>>\nendobj\n\n";
const char *const font2Object = "3 0 obj\n<<\n/Type /Font\n/Subtype /Type0\n/BaseFont /SimHei,Bold\n"
                                "/Encoding /GB-EUC-H\n/DescendantFonts [ 4 0 R ]\n>>\nendobj\n\n";
const char *const cidFontHead = "4 0 obj\n<<\n/Type /Font\n/Subtype /CIDFontType0\n/BaseFont /SimHei,Bold\n"
                                "/DW 1000\n/DW2 [ 880 -1000 ]\n";
const char *const cidFontTail
    = "/FontDescriptor 5 0 R\n/CIDSystemInfo <<\n/Registry (Adobe)\n/Ordering (GB1)\n"
      "/Supplement 0\n>>\n>>\nendobj\n\n";
const char *const descriptorObject
    = "5 0 obj\n<<\n/Type /FontDescriptor\n/FontName /SimHei,Bold\n/Ascent 859\n"
      "/Descent -140\n/CapHeight 683\n/MissingWidth 500\n/Flags 7\n"
      "/FontBBox [ 0 -140 996 855 ]\n/ItalicAngle 0\n/StemV 78\n>>\nendobj\n\n";

// The half-width glyph ranges of the Chinese font: first CID and the number
// of glyphs of width 500 that follow it. A blank stands before every number
// and every closing bracket: "/W [ 668[ 500 ... ] ... ]".
void emitWidthArray(PdfWriter &w)
{
    static const int ranges[][2] = { { 668, 27 }, { 696, 4 }, { 814, 66 }, { 7716, 1 } };
    QByteArray array("/W [");
    for (const auto &range : ranges) {
        array += ' ' + QByteArray::number(range[0]) + '[';
        for (int i = 0; i < range[1]; ++i)
            array += " 500";
        array += " ]";
    }
    array += " ]\n";
    emitBytes(w, array.constData(), array.size());
}

// Closes the file of an unfinished document and removes it.
void discard(PdfWriter &w)
{
    if (w.file) {
        std::fclose(w.file);
        w.file = nullptr;
    }
    if (!w.tempName.isEmpty())
        ::unlink(w.tempName.constData());
    w.tempName.clear();
}

// Creates a new file ".NAME.XXXXXX" in the directory of target, with the
// permissions a plain fopen would give it (0666 less the umask). Returns the
// descriptor, or -1 with errno set.
int createTemporary(const QByteArray &target, QByteArray &tempName)
{
    const QFileInfo info(QFile::decodeName(target));
    const QByteArray prefix
        = QFile::encodeName(info.path()) + "/." + QFile::encodeName(info.fileName()) + '.';
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = prefix;
        for (int i = 0; i < 6; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tempName = name;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

PdfWriter::~PdfWriter()
{
    // A writer dropped without PdfClose leaves no file behind.
    discard(*this);
}

bool PdfOpen(PdfWriter &w, const QString &path)
{
    discard(w);
    w.targetName = QFile::encodeName(path);
    int fd = -1;
    if (path.isEmpty())
        errno = ENOENT; // as fopen("") fails
    else
        fd = createTemporary(w.targetName, w.tempName);
    // "b": every byte counted is one byte in the file.
    w.file = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!w.file) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
            ::unlink(w.tempName.constData());
        }
        w.tempName.clear();
        w.errorNumber = error;
        std::printf("open fail errno = %d  \n", error);
        std::fflush(stdout);
        return false;
    }
    for (PdfObjectEntry &entry : w.objects)
        entry = PdfObjectEntry();
    w.fileOffset = 0;
    w.pending.clear();
    w.inPage = false;
    w.writeFailed = false;
    w.errorNumber = 0;
    w.currentPage = 0;

    emitText(w, "%PDF-1.4\n");
    recordOffset(w, 2);
    emitText(w, font1Object);
    recordOffset(w, 3);
    emitText(w, font2Object);
    recordOffset(w, 4);
    emitText(w, cidFontHead);
    emitWidthArray(w);
    emitText(w, cidFontTail);
    recordOffset(w, 5);
    emitText(w, descriptorObject);

    w.pagesIndex = 5;
    w.nextIndex = 6;
    recordOffset(w, 1);
    emitf(w, "1 0 obj\n<<\n/Type /Catalog\n/Pages %d 0 R\n>>\nendobj\n\n", w.pagesIndex + 1);
    return true;
}

PdfPage PdfBeginPage(PdfWriter &w)
{
    const int n = w.nextIndex;
    if (!w.file || w.inPage || n + 3 > PdfWriter::tableSize)
        return PdfPage();
    w.objects[n].isPage = 1;
    w.objects[n].streamLength = 0;
    w.currentPage = std::uint16_t(n);
    recordOffset(w, n + 2);
    emitf(w, "%d 0 obj\n<</Length %d 0 R>>\nstream\n", n + 2, n + 3);
    w.nextIndex = std::uint16_t(n + 3);
    w.inPage = true;
    return PdfPage { n };
}

int PdfEndPage(PdfWriter &w, PdfPage page)
{
    if (!isCurrent(w, page))
        return -1;
    w.inPage = false;
    const int n = page.index;
    emitText(w, "endstream\nendobj\n\n");
    recordOffset(w, n + 3);
    emitf(w, "%d 0 obj\n%u\nendobj\n\n", n + 3, unsigned(w.objects[n].streamLength));
    recordOffset(w, n + 1);
    emitf(w,
        "%d 0 obj\n<<\n/Type /Page\n/Parent %d 0 R\n/Contents %d 0 R\n/Resources <<\n"
        "/ProcSet [/PDF /TEXT]\n/Font <<\n",
        n + 1, w.pagesIndex + 1, n + 2);
    emitf(w, "/F%d %d 0 R\n", 1, 2);
    emitf(w, "/F%d %d 0 R\n", 2, 3);
    emitText(w, ">>\n");
    emitText(w, ">>\n");
    emitf(w, "/MediaBox [ 0 0 %d %d ]\n>>\nendobj\n\n", 596, 842);
    return 0;
}

void PdfDiscard(PdfWriter &w)
{
    discard(w);
    w.inPage = false;
    w.errorNumber = ECANCELED;
}

int PdfClose(PdfWriter &w)
{
    if (!w.file)
        return -1;
    if (w.inPage)
        PdfEndPage(w, PdfPage { w.currentPage });

    const int pagesObject = w.pagesIndex + 1;
    recordOffset(w, pagesObject);
    emitf(w, "%d 0 obj\n<<\n/Type /Pages\n/Kids [ ", pagesObject);
    int last = -1;
    int count = 0;
    for (int i = w.pagesIndex + 1; i < w.nextIndex; ++i) {
        if (w.objects[i].isPage) {
            last = i;
            ++count;
        }
    }
    if (last >= 0)
        emitf(w, "%d 0 R\n", last + 1);
    for (int i = w.pagesIndex + 1; i < w.nextIndex; ++i) {
        if (w.objects[i].isPage && i != last)
            emitf(w, "%d 0 R\n", i + 1);
    }
    emitf(w, "]\n/Count %d\n>>\nendobj\n\n", count);

    const std::uint32_t xref = w.fileOffset;
    emitf(w, "xref\n0 %d\n0000000000 65535 f\r\n", w.nextIndex + 1);
    for (int i = 0; i < w.nextIndex; ++i)
        emitf(w, "%010u 00000 n\r\n", unsigned(w.objects[i].offset));
    emitf(w, "trailer\n<<\n/Size %d\n/Root 1 0 R\n>>\nstartxref\n%u\n", w.nextIndex + 1, unsigned(xref));
    emitText(w, "%%EOF");

    flushPending(w);
    // The data reaches the disk before the name does: a crash after the
    // rename cannot leave a truncated report under the target's name.
    if (std::fflush(w.file) != 0 || ::fsync(fileno(w.file)) != 0)
        fail(w);
    if (std::fclose(w.file) != 0)
        fail(w);
    w.file = nullptr;
    if (!w.writeFailed && ::rename(w.tempName.constData(), w.targetName.constData()) != 0)
        fail(w);
    if (w.writeFailed)
        ::unlink(w.tempName.constData());
    w.tempName.clear();
    return w.writeFailed ? -1 : 0;
}

int PdfBeginText(PdfWriter &w, PdfPage page)
{
    if (!isCurrent(w, page))
        return -1;
    emitText(w, "BT\n");
    return 0;
}

int PdfEndText(PdfWriter &w, PdfPage page)
{
    if (!isCurrent(w, page))
        return -1;
    emitText(w, "ET\n");
    return 0;
}

int PdfSetFont(PdfWriter &w, PdfPage page, int font, float size)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "/F%d %.1f Tf\n", font, double(size));
    return 0;
}

int PdfTextPos(PdfWriter &w, PdfPage page, int x, int y)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d Td\n", x, y);
    return 0;
}

void PdfTextAt(PdfWriter &w, PdfPage page, int font, float size, int x, int y, const QByteArray &text)
{
    PdfBeginText(w, page);
    PdfSetFont(w, page, font, size);
    PdfTextPos(w, page, x, y);
    PdfShowText(w, page, text);
    PdfEndText(w, page);
}

int PdfShowText(PdfWriter &w, PdfPage page, const QByteArray &text)
{
    if (!isCurrent(w, page))
        return -1;
    bool ascii = true;
    for (char c : text) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    QByteArray out;
    if (ascii) {
        out.reserve(text.size() + 8);
        out += '(';
        for (char c : text) {
            if (c == '(' || c == ')' || c == '\\') {
                out += '\\';
                out += c;
            } else if (uchar(c) < 0x20 || c == 0x7f) {
                // A raw line end would be read back as "\n" whatever it was.
                char octal[5];
                std::snprintf(octal, sizeof octal, "\\%03o", unsigned(uchar(c)));
                out += octal;
            } else {
                out += c;
            }
        }
        out += ") Tj\n";
    } else {
        // Sample lines take this path (their degree sign is 0xB0): fill the
        // buffer directly rather than appending byte by byte.
        static const char hex[] = "0123456789ABCDEF";
        out.resize(text.size() * 2 + 6);
        char *p = out.data();
        *p++ = '<';
        for (char c : text) {
            *p++ = hex[uchar(c) >> 4];
            *p++ = hex[uchar(c) & 15];
        }
        std::memcpy(p, "> Tj\n", 5);
    }
    emitBytes(w, out.constData(), out.size());
    return 0;
}

int PdfMoveTo(PdfWriter &w, PdfPage page, std::uint16_t x, std::uint16_t y)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d m\n", x, y);
    return 0;
}

int PdfLineTo(PdfWriter &w, PdfPage page, std::uint16_t x, std::uint16_t y)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d l\n", x, y);
    return 0;
}

int PdfMoveToF(PdfWriter &w, PdfPage page, double x, double y)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%f %f m\n", x, y);
    return 0;
}

int PdfLineToF(PdfWriter &w, PdfPage page, double x, double y)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%f %f l\n", x, y);
    return 0;
}

int PdfStroke(PdfWriter &w, PdfPage page)
{
    if (!isCurrent(w, page))
        return -1;
    emitText(w, "S\n");
    return 0;
}

int PdfRect(
    PdfWriter &w, PdfPage page, std::uint16_t x, std::uint16_t y, std::uint16_t width, std::uint16_t height)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d %d %d re B\n", x, y, width, height);
    return 0;
}

int PdfLineWidth(PdfWriter &w, PdfPage page, float width)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%.1f w\n", double(width));
    return 0;
}

int PdfDash(PdfWriter &w, PdfPage page, float length)
{
    if (!isCurrent(w, page))
        return -1;
    if (length == 0.0f)
        emitText(w, "[] 0 d\n");
    else
        emitf(w, "[%.1f] 0 d\n", double(length));
    return 0;
}

int PdfFillRgb(PdfWriter &w, PdfPage page, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d %d rg\n", r, g, b);
    return 0;
}

int PdfStrokeRgb(PdfWriter &w, PdfPage page, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%d %d %d RG\n", r, g, b);
    return 0;
}

int PdfFillRgbF(PdfWriter &w, PdfPage page, float r, float g, float b)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%.1f %.1f %.1f rg\n", double(r), double(g), double(b));
    return 0;
}

int PdfStrokeRgbF(PdfWriter &w, PdfPage page, float r, float g, float b)
{
    if (!isCurrent(w, page))
        return -1;
    emitf(w, "%.1f %.1f %.1f RG\n", double(r), double(g), double(b));
    return 0;
}
