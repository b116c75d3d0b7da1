#ifndef PDFWRITER_H
#define PDFWRITER_H

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>

// A minimal PDF 1.4 writer: two fonts, A4-sized pages (596 x 842 points), a
// dozen drawing and text operators, written sequentially and byte-exact.
//
// Object layout of every file:
//
//   object   content
//   1        catalog (written after 2..5, points at the page tree 6)
//   2        font F1: Type1 "Arial,Bold", WinAnsiEncoding
//   3        font F2: Type0 "SimHei,Bold", encoding GB-EUC-H, descendant 4
//   4        CIDFontType0 "SimHei,Bold" (Adobe-GB1), widths, descriptor 5
//   5        font descriptor
//   6        page tree, written by PdfClose; its kids list the page begun
//            last first, then the other pages in the order they were begun
//   7+3n     page object of the n-th page begun (from 0), written at its end
//   8+3n     its content stream ("<</Length 9+3n 0 R>>"), written as drawn
//   9+3n     the stream's length as a plain integer, written at its end
//
// The objects are recorded in a fixed table of 264 entries (entry k is
// object k+1), which allows 86 pages; PdfBeginPage refuses a page that would
// not fit. The cross-reference table lists the entries in object order with
// the exact byte offsets of their "N 0 obj" lines.
//
// The document is written to a temporary file beside the target, which
// PdfClose renames over the target only when every byte reached the disk: a
// failed write (full disk, file size limit) leaves the file that was there
// before untouched and removes the temporary file. Numbers are formatted in
// the C locale, whatever locale the process runs in.
//
// Usage: PdfOpen, then for every page PdfBeginPage, operators, PdfEndPage,
// and finally PdfClose. All operators return 0, or -1 when the page handle
// is not the page being written (nothing is written then).

struct PdfObjectEntry {
    std::uint8_t isPage = 0;
    // Bytes written into the page's content stream so far. Kept at 32 bits:
    // a first page with a long chart passes 65535 bytes.
    std::uint32_t streamLength = 0;
    std::uint32_t offset = 0;
};

struct PdfWriter {
    static constexpr int tableSize = 264;

    PdfObjectEntry objects[tableSize];
    std::uint32_t fileOffset = 0;
    std::uint16_t pagesIndex = 5;
    std::uint16_t currentPage = 0;
    std::uint16_t nextIndex = 0;

    // Output state: the file, bytes not yet handed to it, and whether a write
    // failed since PdfOpen. The file is written under tempName and renamed
    // to targetName by PdfClose (both as the file system spells them).
    std::FILE *file = nullptr;
    QByteArray targetName;
    QByteArray tempName;
    QByteArray pending;
    bool inPage = false;
    bool writeFailed = false;
    // The system's error number of the first failure since PdfOpen (ENOSPC,
    // EFBIG, EROFS, ...); 0 while nothing failed.
    int errorNumber = 0;

    PdfWriter() = default;
    ~PdfWriter();
    PdfWriter(const PdfWriter &) = delete;
    PdfWriter &operator=(const PdfWriter &) = delete;
};

// Handle of a begun page: designates its table entry.
struct PdfPage {
    int index = -1;
    bool isValid() const { return index >= 0; }
};

// Creates the temporary file beside path and writes the header and objects 1
// to 5; a file at path stays as it is until PdfClose replaces it. When the
// file cannot be created, prints "open fail errno = N" to the standard output,
// keeps N in errorNumber and returns false.
bool PdfOpen(PdfWriter &writer, const QString &path);
// Starts the content stream of a new page. Returns an invalid handle when a
// page is still open, the writer is not open, or the object table is full.
PdfPage PdfBeginPage(PdfWriter &writer);
int PdfEndPage(PdfWriter &writer, PdfPage page);
// Writes the page tree, cross-reference table and trailer, closes the file
// and renames it over the target. Returns 0, or -1 when the file was not
// open or a write, the flush to disk or the rename failed (errorNumber says
// why); the target then keeps its previous content (or stays absent) and the
// temporary file is gone.
int PdfClose(PdfWriter &writer);
// Gives up the document being written (an export cancelled): the temporary
// file is removed, the target stays as it was; errorNumber becomes ECANCELED.
void PdfDiscard(PdfWriter &writer);

int PdfBeginText(PdfWriter &writer, PdfPage page);
int PdfEndText(PdfWriter &writer, PdfPage page);
int PdfSetFont(PdfWriter &writer, PdfPage page, int font, float size);
int PdfTextPos(PdfWriter &writer, PdfPage page, int x, int y);
// A text of 7-bit bytes is written as a literal string, with "(", ")" and
// "\" escaped (and control bytes as octal escapes); any other text, all of
// it, as one hexadecimal string. Texts of any length are written whole.
int PdfShowText(PdfWriter &writer, PdfPage page, const QByteArray &text);
// One text object of its own: font, position and text between BT and ET.
void PdfTextAt(PdfWriter &writer, PdfPage page, int font, float size, int x, int y, const QByteArray &text);
int PdfMoveTo(PdfWriter &writer, PdfPage page, std::uint16_t x, std::uint16_t y);
int PdfLineTo(PdfWriter &writer, PdfPage page, std::uint16_t x, std::uint16_t y);
int PdfMoveToF(PdfWriter &writer, PdfPage page, double x, double y);
int PdfLineToF(PdfWriter &writer, PdfPage page, double x, double y);
int PdfStroke(PdfWriter &writer, PdfPage page);
// Fills and strokes a rectangle.
int PdfRect(PdfWriter &writer, PdfPage page, std::uint16_t x, std::uint16_t y, std::uint16_t width,
    std::uint16_t height);
int PdfLineWidth(PdfWriter &writer, PdfPage page, float width);
// 0 gives a solid line.
int PdfDash(PdfWriter &writer, PdfPage page, float length);
int PdfFillRgb(PdfWriter &writer, PdfPage page, std::uint8_t r, std::uint8_t g, std::uint8_t b);
int PdfStrokeRgb(PdfWriter &writer, PdfPage page, std::uint8_t r, std::uint8_t g, std::uint8_t b);
int PdfFillRgbF(PdfWriter &writer, PdfPage page, float r, float g, float b);
int PdfStrokeRgbF(PdfWriter &writer, PdfPage page, float r, float g, float b);

#endif // PDFWRITER_H
