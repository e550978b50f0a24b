// The writer's operations on the document in memory, the RTF file it writes
// and the page count of its layout.
#include "document/document_fonts.h"
#include "document/report_writer.h"
#include "layout/document_layout.h"
#include "layout/page_count.h"
#include "output/rtf_writer.h"
#include "report_fixtures.h"
#include "test_layout.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

using namespace tipolab;

namespace {

// Runs a script of writer operations separated by "|": T:text type text,
// S:n typing size, E end paragraph, Z:n paragraph size, P:text paragraph text,
// A:rows,columns append table, X:n table size, C:text every cell of the table,
// F table format, J justify all. In texts "^" is a paragraph end and "~" a page
// break.
void run(ReportWriter& w, const QString& script)
{
    for (const QString& op : script.split(QLatin1Char('|'))) {
        QString arg = op.mid(2);
        arg.replace(QLatin1Char('^'), kParagraphEnd).replace(QLatin1Char('~'), kPageBreak);
        switch (op.at(0).toLatin1()) {
        case 'T':
            w.typeText(arg);
            break;
        case 'S':
            w.setTypingSize(arg.toInt());
            break;
        case 'E':
            w.appendEndParagraph();
            break;
        case 'Z':
            w.setParagraphSize(arg.toInt());
            break;
        case 'P':
            w.setParagraphText(arg);
            break;
        case 'A':
            w.appendTable(arg.section(QLatin1Char(','), 0, 0).toInt(),
                          arg.section(QLatin1Char(','), 1, 1).toInt());
            break;
        case 'X':
            w.setTableSize(arg.toInt());
            break;
        case 'C':
            for (int r = 1; r <= w.document().table(w.tableCount())->rows; ++r) {
                for (int c = 1; c <= w.document().table(w.tableCount())->columns; ++c)
                    w.setCellText(r, c, arg);
            }
            break;
        case 'F':
            w.applyTableFormat();
            break;
        case 'J':
            w.justifyAll();
            break;
        default:
            qFatal("unknown operation %s", qPrintable(op));
        }
    }
}

// Blocks as "text(size of the paragraph end)" and tables as "[rowsxcolumns@size]".
QString describe(const ReportDocument& d)
{
    QStringList out;
    for (const Block& block : d.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            QString text = p->text();
            text.replace(kPageBreak, QLatin1Char('~'));
            out << QStringLiteral("%1(%2)").arg(text).arg(p->mark.size);
        } else {
            const Table& t = std::get<Table>(block);
            out << QStringLiteral("[%1x%2@%3]").arg(t.rows).arg(t.columns).arg(t.format.size);
        }
    }
    return out.join(QLatin1Char('|'));
}

// `lines` lines, a picture `picture` twips high (none when 0), then `breaks`
// page breaks.
ReportDocument linesWithBreaks(int lines, int breaks, int picture = 0)
{
    ReportWriter w;
    for (int i = 0; i < lines; ++i)
        w.typeText(QStringLiteral("riga") + kParagraphEnd);
    if (picture > 0) {
        Picture p;
        QBuffer png(&p.png);
        png.open(QIODevice::WriteOnly);
        QImage(1, 1, QImage::Format_RGB32).save(&png, "PNG");
        p.pixels = QSize(1, 1);
        p.size = QSize(5000, picture);
        w.appendPicture(p);
    }
    for (int i = 0; i < breaks; ++i)
        w.typeText(kPageBreak + QStringLiteral("pagina"));
    return w.document();
}

} // namespace

void TestReportWriter::operations_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("blocks");
    QTest::newRow("typed text splits at paragraph ends") << "S:24|T:a^b^"
                                                         << "a(24)|b(24)|(24)";
    QTest::newRow("typing size applies to what follows") << "S:24|T:x^|S:14|T:y"
                                                         << "x(24)|y(14)";
    QTest::newRow("page break stays inside its paragraph") << "T:a~b^"
                                                           << "a~b(12)|(12)";
    QTest::newRow("end paragraph takes the format before it") << "S:14|T:x|E"
                                                              << "x(14)|(14)";
    QTest::newRow("paragraph text splits, the last piece stays current")
        << "E|Z:16|P:~H^^|Z:12|P:S"
        << "(12)|~H(16)|(16)|S(12)";
    QTest::newRow("paragraph text replaces the content") << "E|P:uno|P:due"
                                                         << "(12)|due(12)";
    QTest::newRow("table takes an empty last paragraph and its size") << "T:L|E|Z:10|A:7,5"
                                                                      << "L(12)|[7x5@10]|(10)";
    QTest::newRow("table follows a paragraph with text") << "T:Legenda|A:5,2"
                                                         << "Legenda(12)|[5x2@12]|(12)";
    QTest::newRow("tables one end paragraph apart") << "T:S|E|A:2,1|X:10|E|A:2,2"
                                                    << "S(12)|[2x1@10]|(12)|[2x2@12]|(12)";
}

void TestReportWriter::operations()
{
    QFETCH(QString, script);
    QFETCH(QString, blocks);
    ReportWriter w;
    run(w, script);
    QCOMPARE(describe(w.document()), blocks);
}

void TestReportWriter::rtfCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("plain") << "sicuro di s" << QByteArray("sicuro di s");
    QTest::newRow("accented letters in code page 1252")
        << "s\u00e8 citt\u00e0" << QByteArray("s\\'e8 citt\\'e0");
    QTest::newRow("upper half of the code page") << "\u20ac \u2019" << QByteArray("\\'80 \\'92");
    QTest::newRow("outside the code page") << "\u0141ukasz" << QByteArray("\\u321?ukasz");
    QTest::newRow("beyond 16 bits, as two units")
        << "\U0001F600" << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("RTF's own characters") << "{a}\\b" << QByteArray("\\{a\\}\\\\b");
    QTest::newRow("tab and stray control characters") << "a\tb\x01" << QByteArray("a\\tab b");
}

void TestReportWriter::rtfCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(rtfText(text), rtf);
}

void TestReportWriter::rtfFile()
{
    ReportWriter w;
    w.setTypingSize(14);
    w.typeText(QStringLiteral("Citt\u00e0") + kPageBreak + QStringLiteral("dopo") + kParagraphEnd);
    w.appendTable(2, 2);
    w.setTableSize(10);
    w.setCellText(1, 1, QStringLiteral("tipo"));
    w.setCellText(2, 2, QStringLiteral("0.90"));
    w.applyTableFormat();
    w.justifyAll();
    w.rightAlignColumn(1, 2);
    const QByteArray rtf = toRtf(w.document());

    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\f0\\fswiss\\fcharset0 Century Gothic;}"));
    QVERIFY(rtf.contains("\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134"));
    QVERIFY(rtf.contains("\\qj"));
    QVERIFY(rtf.contains("\\fs28 Citt\\'e0\\page\\f0\\fs28 dopo"));
    QCOMPARE(rtf.count("\\trowd"), 2);
    QCOMPARE(rtf.count("\\row"), 2);
    QCOMPARE(rtf.count("\\cell\n"), 4);
    QCOMPARE(rtf.count("\\clcbpat3"), 2); // the heading row only
    QCOMPARE(rtf.count("\\clbrdrt\\brdrs"), 4);
    QVERIFY(rtf.contains("\\qr\\sb0\\sa0\\sl-250\\slmult0\\f0\\fs20 0.90\\cell"));
    QVERIFY(rtf.contains("\\b\\cf2 tipo\\cell"));
    QCOMPARE(rtf.count('{'), rtf.count('}'));
    for (const char c : rtf)
        QVERIFY2(uchar(c) < 0x80, "an RTF file is plain ASCII");
}

void TestReportWriter::pageCount_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("breaks");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("picture"); // twips high, after the lines
    // 12 pt lines 15 pt apart: 48 lines fill the 257 mm between the margins.
    QTest::newRow("empty document") << 0 << 0 << 1 << 0;
    QTest::newRow("a full page") << 47 << 0 << 1 << 0;
    QTest::newRow("one line more than a page") << 48 << 0 << 2 << 0;
    QTest::newRow("two full pages") << 95 << 0 << 2 << 0;
    QTest::newRow("every break a page") << 1 << 3 << 4 << 0;
    QTest::newRow("break right after a full page") << 48 << 1 << 2 << 0;
    QTest::newRow("a picture in the room the lines leave") << 20 << 0 << 1 << 8000;
    QTest::newRow("a picture taller than the room left") << 30 << 0 << 2 << 8000;
}

void TestReportWriter::pageCount()
{
    QFETCH(int, lines);
    QFETCH(int, breaks);
    QFETCH(int, pages);
    QFETCH(int, picture);
    QCOMPARE(layoutPageCount(linesWithBreaks(lines, breaks, picture)), pages);
}

void TestReportWriter::reckonedPageCount_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("followed");
    const QString lines = QStringLiteral("T:riga^").repeated(44).chopped(1);
    const QString words = QStringLiteral("parola ").repeated(40);
    QTest::newRow("table over pages, heading repeated") << "T:x|A:90,3|C:" + words + "|F|J" << true;
    QTest::newRow("table moved whole to the next page") << lines + "|A:4,3|C:x^y|F" << true;
    QTest::newRow("word wider than its cell") << "A:60,6|C:" + QString(80, u'm') + "|F" << true;
    QTest::newRow("line feeds, separators and tabs in cells")
        << "A:30,2|X:10|C:uno\ndue\u2028tre\tquattro\r\n" + words + "|F" << true;
    QTest::newRow("line separator after a table") << lines + "|A:3,2|C:x|F|E|P:\u2028dopo" << true;
    QTest::newRow("page breaks beside tables") << "T:a|E|P:~|A:2,2|C:x|E|P:~|E|P:~~b" << true;
    QTest::newRow("justified right to left")
        << lines + "|S:16|T:\u05e9\u05dc\u05d5\u05dd " + words + "|J" << true;
    QTest::newRow("a cell's line taller than a page") << "T:x|A:2,1|X:700|C:x" << true;
    // Words too long for a line, broken anywhere, the longest at once.
    QTest::newRow("a word of thousands of letters after a label")
        << "T:esaminato: " + QString(20000, u'M') + "^dopo" << true;
    QTest::newRow("a long word of both directions, justified")
        << "T:" + QStringLiteral("W\u05d0").repeated(5000) + " e " + QString(900, u'i') + "|J"
        << true;
    QTest::newRow("a long word of joined letters") << "T:" + QString(15000, u'\u0645') << true;
    QTest::newRow("more pages than reckoned")
        << "T:" + QStringLiteral("riga^").repeated(48200) << false;
}

// The pages reckoned are the pages of the text document laid out; beyond the
// pages it reckons, the document is laid out.
void TestReportWriter::reckonedPageCount()
{
    QFETCH(QString, script);
    QFETCH(bool, followed);
    ReportWriter w;
    run(w, script);
    const int laidOut = buildTextDocument(w.document(), twipsDevice())->pageCount();
    const std::optional<int> reckoned = PageReckoner(twipsDevice()).count(w.document());
    QCOMPARE(reckoned.has_value(), followed);
    if (reckoned) QCOMPARE(*reckoned, laidOut);
    QCOMPARE(a4PageCounter()(w.document()), laidOut);
    QVERIFY(laidOut > 1);
}
