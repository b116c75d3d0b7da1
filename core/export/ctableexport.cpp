#include "core/export/ctableexport.h"

#include "core/export/cexportcsv.h"
#include "core/export/pdftext.h"
#include "core/export/pdfwriter.h"

#include <QSaveFile>
#include <algorithm>

namespace {

// The page: A4 portrait, the table between the rules.
constexpr int Left = 38;
constexpr int Right = 558;
constexpr int TitleY = 800;
constexpr int TopRule = 794;
constexpr int FirstLineY = 780;
constexpr int LineStep = 11; // the lines of page 1, 8 points
constexpr int HeaderHeight = 12;
constexpr float CellSize = 7.0f;
constexpr int CellStep = 9;
constexpr int Padding = 2; // around a cell's text
constexpr int Bottom = 52; // rows end above it
constexpr int FootRule = 44;
constexpr int FootY = 32;
// Every page takes three objects of PdfWriter's table after its first six.
constexpr int MaxPages = (PdfWriter::tableSize - 6) / 3;

struct Line {
    int font = 1;
    QByteArray bytes;
};

Line line(const QString &text)
{
    Line l;
    l.font = PdfText::fontFor(text);
    l.bytes = PdfText::encode(l.font, text);
    return l;
}

double width(const QString &text, double size)
{
    const int font = PdfText::fontFor(text);
    return PdfText::textWidth(font, PdfText::encode(font, text), size);
}

// text in lines no wider than room: broken between words, and a word too
// long for a line between its characters (a hash, a path).
QVector<Line> wrap(const QString &text, double room, double size)
{
    QVector<Line> out;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString current;
        for (QString word : paragraph.split(QLatin1Char(' '))) {
            const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (width(candidate, size) <= room) {
                current = candidate;
                continue;
            }
            if (!current.isEmpty())
                out.append(line(current));
            while (word.size() > 1 && width(word, size) > room) {
                int lo = 1, hi = word.size() - 1;
                while (lo < hi) {
                    const int mid = (lo + hi + 1) / 2;
                    if (width(word.left(mid), size) <= room)
                        lo = mid;
                    else
                        hi = mid - 1;
                }
                if (word.at(lo - 1).isHighSurrogate() && lo > 1)
                    --lo;
                out.append(line(word.left(lo)));
                word = word.mid(lo);
            }
            current = word;
        }
        if (!current.isEmpty())
            out.append(line(current));
    }
    return out;
}

class TablePages {
public:
    TablePages(PdfWriter &writer, const CTableReport &report)
        : w(writer)
        , r(report)
    {
    }

    // Wraps every cell and shares the rows out among the pages.
    void layOut();
    bool write();
    int printedRows() const { return printed; }
    int pageCount() const { return int(pages.size()); }

private:
    struct PageRows {
        int first = 0;
        int count = 0;
    };
    void drawPage(int index);
    void text(int font, float size, int x, int y, const QByteArray &bytes)
    {
        PdfTextAt(w, page, font, size, x, y, bytes);
    }
    void rule(double y, float lineWidth, float grey)
    {
        PdfStrokeRgbF(w, page, grey, grey, grey);
        PdfLineWidth(w, page, lineWidth);
        PdfMoveToF(w, page, Left, y);
        PdfLineToF(w, page, Right, y);
        PdfStroke(w, page);
    }
    int columnX(int column) const
    {
        int x = Left;
        for (int c = 0; c < column; ++c)
            x += r.columns.at(c).width;
        return x;
    }
    int header(int top);

    PdfWriter &w;
    const CTableReport &r;
    PdfPage page;
    QVector<Line> title;
    QVector<Line> introduction;
    QVector<QVector<QVector<Line>>> cells; // row, column, lines
    QVector<QVector<Line>> titles; // column titles
    int titleLines = 1;
    QVector<PageRows> pages;
    int printed = 0;
};

void TablePages::layOut()
{
    title = wrap(r.title, Right - Left - 4, 14).mid(0, 1);
    for (const QString &text : r.lines)
        introduction += wrap(text, Right - Left, 8);
    for (const CTableColumn &column : r.columns) {
        titles.append(wrap(column.title, column.width - 2 * Padding, CellSize));
        titleLines = std::max(titleLines, int(titles.last().size()));
    }
    cells.reserve(r.rows.size());
    for (const QStringList &row : r.rows) {
        QVector<QVector<Line>> wrapped;
        for (int c = 0; c < r.columns.size(); ++c)
            wrapped.append(wrap(row.value(c), r.columns.at(c).width - 2 * Padding, CellSize));
        cells.append(wrapped);
    }
    const int headerHeight = std::max(HeaderHeight, titleLines * CellStep + 3);
    int next = 0;
    do {
        const bool first = pages.isEmpty();
        const bool last = pages.size() + 1 == MaxPages;
        int y = (first ? FirstLineY - introduction.size() * LineStep - 4 : FirstLineY) - headerHeight;
        // The last page keeps room for the line that tells what is left out.
        const int bottom = last ? Bottom + LineStep : Bottom;
        PageRows rows;
        rows.first = next;
        while (next < cells.size()) {
            int lines = 1;
            for (const QVector<Line> &cell : qAsConst(cells.at(next)))
                lines = std::max(lines, int(cell.size()));
            const int height = lines * CellStep + 2 * Padding;
            // A row taller than a whole page is cut at its foot, never left out.
            if (y - height < bottom && rows.count > 0)
                break;
            y -= height;
            ++rows.count;
            ++next;
        }
        pages.append(rows);
    } while (next < cells.size() && pages.size() < MaxPages);
    printed = next;
}

int TablePages::header(int top)
{
    const int height = std::max(HeaderHeight, titleLines * CellStep + 3);
    PdfFillRgbF(w, page, 0.88f, 0.88f, 0.88f);
    PdfStrokeRgbF(w, page, 0.88f, 0.88f, 0.88f);
    PdfLineWidth(w, page, 0.5f);
    PdfRect(w, page, quint16(Left), quint16(top - height), quint16(Right - Left), quint16(height));
    PdfFillRgb(w, page, 0, 0, 0);
    for (int c = 0; c < titles.size(); ++c) {
        int y = top - CellStep + 1;
        for (const Line &l : qAsConst(titles.at(c))) {
            text(l.font, CellSize, columnX(c) + Padding, y, l.bytes);
            y -= CellStep;
        }
    }
    return top - height;
}

void TablePages::drawPage(int index)
{
    page = PdfBeginPage(w);
    PdfFillRgb(w, page, 0, 0, 1);
    for (const Line &l : qAsConst(title))
        text(l.font, 14, Left + 2, TitleY, l.bytes);
    rule(TopRule, 1.5f, 0.4f);
    PdfFillRgb(w, page, 0, 0, 0);
    int y = FirstLineY;
    if (index == 0) {
        for (const Line &l : qAsConst(introduction)) {
            text(l.font, 8, Left, y - 8, l.bytes);
            y -= LineStep;
        }
        y -= 4;
    }
    y = header(y);
    const PageRows rows = pages.at(index);
    for (int k = rows.first; k < rows.first + rows.count; ++k) {
        const QVector<QVector<Line>> &row = cells.at(k);
        int lines = 1;
        for (const QVector<Line> &cell : row)
            lines = std::max(lines, int(cell.size()));
        PdfFillRgb(w, page, 0, 0, 0);
        for (int c = 0; c < row.size(); ++c) {
            int ly = y - Padding - CellSize;
            for (const Line &l : row.at(c)) {
                if (ly < FootRule + 2)
                    break;
                text(l.font, CellSize, columnX(c) + Padding, ly, l.bytes);
                ly -= CellStep;
            }
        }
        y -= lines * CellStep + 2 * Padding;
        rule(std::max(y, FootRule + 2), 0.3f, 0.75f);
    }
    PdfFillRgbF(w, page, 0.3f, 0.3f, 0.3f);
    if (index + 1 == pages.size() && printed < cells.size()) {
        const Line note
            = line(CTableExport::tr("%n more rows are not printed here: the CSV export holds them all.", "",
                int(cells.size()) - printed));
        text(note.font, 8, Left, Bottom, note.bytes);
    }
    rule(FootRule, 1.5f, 0.3f);
    const Line number = line(CTableExport::tr("Page %1 of %2").arg(index + 1).arg(pages.size()));
    text(number.font, 8, 270, FootY, number.bytes);
    PdfEndPage(w, page);
}

bool TablePages::write()
{
    // The page tree lists the page begun last first: the first page is
    // drawn after the others.
    for (int index = 1; index < pages.size(); ++index)
        drawPage(index);
    drawPage(0);
    return PdfClose(w) == 0;
}

} // namespace

CTableExport::Result CTableExport::writePdf(const CTableReport &report, const QString &path)
{
    Result result;
    PdfWriter writer;
    TablePages pages(writer, report);
    pages.layOut();
    if (!PdfOpen(writer, path) || !pages.write()) {
        result.error = qt_error_string(writer.errorNumber);
        return result;
    }
    result.written = true;
    result.printedRows = pages.printedRows();
    result.pages = pages.pageCount();
    return result;
}

QByteArray CTableExport::csvContent(const CTableReport &report)
{
    const auto field = [](const QString &text) { return CExportCsv::field(text); };
    QByteArray out("\xEF\xBB\xBF");
    out += field(report.title) + "\r\n";
    for (const QString &text : report.lines)
        out += field(text) + "\r\n";
    out += "\r\n";
    QByteArrayList titles;
    for (const CTableColumn &column : report.columns)
        titles.append(field(column.title));
    out += titles.join(',') + "\r\n";
    for (const QStringList &row : report.rows) {
        QByteArrayList fields;
        for (int c = 0; c < report.columns.size(); ++c)
            fields.append(field(row.value(c)));
        out += fields.join(',') + "\r\n";
    }
    return out;
}

CTableExport::Result CTableExport::writeCsv(const CTableReport &report, const QString &path)
{
    Result result;
    QSaveFile file(path);
    // Unbuffered: QSaveFile's commit() takes a failed flush of its own
    // buffer (a full disk) for success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = csvContent(report);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    result.written = true;
    result.printedRows = report.rows.size();
    return result;
}
