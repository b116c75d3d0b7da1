// The PDF writer byte for byte: fixed objects, offsets, lengths, page tree,
// operator forms, the object table's limit and misuse of page handles. (A
// content stream past 65535 bytes and the page order of real reports are
// checked in tst_exportpdf.)
#include "core/export/pdfwriter.h"
#include "helpers/pdfreader.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPdfWriter : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    QString path(const char *name) const { return tmp.filePath(QString::fromLatin1(name)); }

private slots:
    // One page: nine objects, exact font objects, offsets and length.
    void onePageDocument()
    {
        PdfWriter w;
        QVERIFY(PdfOpen(w, path("one.pdf")));
        const PdfPage page = PdfBeginPage(w);
        QVERIFY(page.isValid());
        QCOMPARE(PdfMoveTo(w, page, 10, 20) + PdfLineTo(w, page, 30, 40) + PdfStroke(w, page), 0);
        QCOMPARE(PdfEndPage(w, page) + PdfClose(w), 0);

        PdfReader r;
        QVERIFY2(r.load(path("one.pdf")), qPrintable(r.error));
        QCOMPARE(r.size, 10);
        QCOMPARE(r.kids, QVector<int>({ 7 }));
        QCOMPARE(r.pages.at(0), QByteArray("10 20 m\n30 40 l\nS\n"));
        QCOMPARE(r.bodies.value(9), QByteArray("18\n"));
        QVERIFY(
            r.bytes.startsWith("%PDF-1.4\n2 0 obj\n<<\n/Type /Font\n/Subtype /Type1\n"
                               "/BaseFont /Arial,Bold\n/Encoding /WinAnsiEncoding\n>>\nendobj\n\n3 0 obj\n"));
        QCOMPARE(r.bodies.value(3),
            QByteArray("<<\n/Type /Font\n/Subtype /Type0\n/BaseFont /SimHei,Bold\n"
                       "/Encoding /GB-EUC-H\n/DescendantFonts [ 4 0 R ]\n>>\n"));
        QCOMPARE(r.bodies.value(1), QByteArray("<<\n/Type /Catalog\n/Pages 6 0 R\n>>\n"));
        QVERIFY(r.offsets[1] > r.offsets[5]);
        const QByteArray cid = r.bodies.value(4);
        QVERIFY(cid.startsWith("<<\n/Type /Font\n/Subtype /CIDFontType0\n/BaseFont /SimHei,Bold\n/DW 1000\n"
                               "/DW2 [ 880 -1000 ]\n/W [ 668[ 500"));
        QVERIFY(cid.endsWith(" ] 696[ 500 500 500 500 ] 814[ 500 500" + QByteArray(" 500").repeated(64)
            + " ] 7716[ 500 ] ]\n/FontDescriptor 5 0 R\n/CIDSystemInfo <<\n/Registry (Adobe)\n/Ordering "
              "(GB1)\n"
              "/Supplement 0\n>>\n>>\n"));
        QCOMPARE(cid.count(" 500"), 27 + 4 + 66 + 1);
        QVERIFY(r.bodies.value(5).contains("/FontBBox [ 0 -140 996 855 ]\n/ItalicAngle 0\n/StemV 78\n"));
        QVERIFY(r.bodies.value(7).contains("/Parent 6 0 R\n/Contents 8 0 R\n"));
        QVERIFY(r.bodies.value(7).contains("/F1 2 0 R\n/F2 3 0 R\n>>\n>>\n/MediaBox [ 0 0 596 842 ]\n>>\n"));
        QVERIFY(r.bytes.endsWith("trailer\n<<\n/Size 10\n/Root 1 0 R\n>>\nstartxref\n"
            + QByteArray::number(r.bytes.indexOf("xref\n0 10\n")) + "\n%%EOF"));
    }

    // Literal and hexadecimal strings, escaping, long texts, number forms.
    void operatorForms()
    {
        PdfWriter w;
        QVERIFY(PdfOpen(w, path("ops.pdf")));
        const PdfPage page = PdfBeginPage(w);
        PdfBeginText(w, page);
        for (const QByteArray &text : { QByteArray("ABC"), QByteArray("\xB2\xE2"), QByteArray("A\xB2\xE2"),
                 QByteArray(), QByteArray("a(b)c\\d)"), QByteArray("line\nend\r"), QByteArray(10000, 'x') })
            PdfShowText(w, page, text);
        PdfEndText(w, page);
        PdfDash(w, page, 0.0f);
        PdfDash(w, page, 3);
        PdfLineWidth(w, page, 0.6f);
        PdfFillRgb(w, page, 0, 0, 255);
        PdfStrokeRgbF(w, page, 0.4f, 0.4f, 0.6f);
        PdfRect(w, page, 38, 760, 520, 13);
        PdfMoveToF(w, page, 55, 115.5);
        PdfLineToF(w, page, 1e300, -2.25);
        PdfEndPage(w, page);
        QCOMPARE(PdfClose(w), 0);

        PdfReader r;
        QVERIFY2(r.load(path("ops.pdf")), qPrintable(r.error));
        const QByteArray s = r.pages.at(0);
        QVERIFY(s.startsWith("BT\n(ABC) Tj\n<B2E2> Tj\n<41B2E2> Tj\n() Tj\n(a\\(b\\)c\\\\d\\)) Tj\n"
                             "(line\\012end\\015) Tj\n("
            + QByteArray(10000, 'x') + ") Tj\nET\n"));
        QVERIFY(s.contains("[] 0 d\n[3.0] 0 d\n0.6 w\n0 0 255 rg\n0.4 0.4 0.6 RG\n38 760 520 13 re B\n"
                           "55.000000 115.500000 m\n1"));
        QVERIFY(s.endsWith(" -2.250000 l\n"));
    }

    // 86 pages fit the object table; the 87th is refused and nothing is
    // written for it; the page tree lists the page begun last first, then
    // the others in order. Misuse of handles and failed opens report errors.
    void limitsAndMisuse()
    {
        PdfWriter w;
        QVERIFY(PdfOpen(w, path("full.pdf")));
        for (int i = 0; i < 86; ++i) {
            const PdfPage page = PdfBeginPage(w);
            QVERIFY(page.isValid());
            QCOMPARE(PdfEndPage(w, page), 0);
        }
        const PdfPage refused = PdfBeginPage(w);
        QVERIFY(!refused.isValid());
        QCOMPARE(PdfStroke(w, refused), -1);
        QCOMPARE(PdfEndPage(w, refused), -1);
        QCOMPARE(PdfClose(w), 0);
        PdfReader r;
        QVERIFY2(r.load(path("full.pdf")), qPrintable(r.error));
        QCOMPARE(r.count, 86);
        QCOMPARE(r.size, 265);
        QCOMPARE(r.kids.mid(0, 3), QVector<int>({ 7 + 3 * 85, 7, 10 }));

        // Operators need the page being written.
        PdfWriter v;
        QVERIFY(PdfOpen(v, path("misuse.pdf")));
        const PdfPage first = PdfBeginPage(v);
        QVERIFY(!PdfBeginPage(v).isValid()); // one page at a time
        PdfEndPage(v, first);
        QCOMPARE(PdfMoveTo(v, first, 1, 1), -1);
        QCOMPARE(PdfClose(v), 0);
        QCOMPARE(PdfClose(v), -1);

        // A file that cannot be created; an existing file is replaced at the close.
        PdfWriter u;
        QVERIFY(!PdfOpen(u, path("no/such/dir/x.pdf")));
        QVERIFY(!PdfBeginPage(u).isValid());
        QVERIFY(writeFile(path("old.pdf"), QByteArray(100000, 'z')));
        QVERIFY(PdfOpen(u, path("old.pdf")));
        QCOMPARE(QFileInfo(path("old.pdf")).size(), qint64(100000));
        QCOMPARE(PdfClose(u), 0);
        QVERIFY2(r.load(path("old.pdf")), qPrintable(r.error));
        QCOMPARE(r.count, 0);

        // A document never closed leaves the old file and nothing else.
        const QStringList before = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
        {
            PdfWriter dropped;
            QVERIFY(PdfOpen(dropped, path("old.pdf")));
            PdfBeginPage(dropped);
            QVERIFY(PdfOpen(dropped, path("old.pdf"))); // a second open drops the first
        }
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), before);
        QVERIFY2(r.load(path("old.pdf")), qPrintable(r.error));
    }
};

QTEST_GUILESS_MAIN(TestPdfWriter)
#include "tst_pdfwriter.moc"
