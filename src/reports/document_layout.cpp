#include "document_layout.h"

#include "document_fonts.h"
#include "document_style.h"
#include "table_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <deque>
#include <optional>

namespace tipolab {
namespace {

Qt::Alignment qtAlignment(Alignment a)
{
    switch (a) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Justify:
        return Qt::AlignJustify;
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

class LayoutBuilder {
public:
    LayoutBuilder(QTextDocument& doc, double scale) : m_scale(scale), m_cursor(&doc) {}

    void build(const ReportDocument& document)
    {
        for (const Block& block : document.blocks) {
            if (const auto* p = std::get_if<Paragraph>(&block))
                addParagraph(*p);
            else if (const auto* t = std::get_if<Table>(&block))
                addTable(*t);
            else
                addPicture(std::get<Picture>(block));
        }
    }

private:
    double px(double twips) const { return twips * m_scale; }

    // A document uses a handful of formats: each is made once.
    const QTextCharFormat& charFormat(const CharFormat& f, bool heading = false)
    {
        for (const CachedCharFormat& c : m_charFormats) {
            if (c.heading == heading && c.source == f) return c.format;
        }
        QTextCharFormat out;
        const QFont font = documentFont(f, heading);
        out.setFont(font, QTextCharFormat::FontPropertiesAll);
        out.setForeground(heading ? style::kHeadingText : style::kText);
        // Lines of a fixed height have their baseline at four fifths of it,
        // less the font's leading: bring it back down, as word processors
        // place it.
        const QFontMetricsF metrics(font, &twipsDevice());
        if (metrics.leading() > 0)
            out.setBaselineOffset(-100 * metrics.leading() / metrics.height());
        m_charFormats.push_back({f, heading, out});
        return m_charFormats.back().format;
    }

    // Borders, padding and the heading's shading. Lines have a fixed height,
    // so the font of a cell's first position sizes nothing: the cell format
    // carries none, which keeps the many look-ups of cell formats during the
    // layout cheap.
    const QTextTableCellFormat& cellFormat(bool heading)
    {
        std::optional<QTextTableCellFormat>& cached = m_cellFormats[heading ? 1 : 0];
        if (!cached) {
            QTextTableCellFormat cf;
            cf.setLeftPadding(px(style::kCellPaddingX));
            cf.setRightPadding(px(style::kCellPaddingX));
            cf.setTopPadding(px(style::kCellPaddingY));
            cf.setBottomPadding(px(style::kCellPaddingY));
            cf.setBorder(px(style::kBorderWidth));
            cf.setBorderBrush(style::kGrid);
            cf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            if (heading) cf.setBackground(style::kHeadingFill);
            cached = cf;
        }
        return *cached;
    }

    const QTextBlockFormat& blockFormat(Alignment a, int size)
    {
        for (const CachedBlockFormat& c : m_blockFormats) {
            if (c.alignment == a && c.size == size) return c.format;
        }
        QTextBlockFormat out;
        out.setAlignment(qtAlignment(a));
        out.setLineHeight(px(style::lineHeight(size)), QTextBlockFormat::FixedHeight);
        out.setTopMargin(0);
        out.setBottomMargin(0);
        m_blockFormats.push_back({a, size, out});
        return m_blockFormats.back().format;
    }

    // A new block, or the empty one Qt keeps at the start and after a table.
    void startBlock(QTextBlockFormat format, const QTextCharFormat& mark)
    {
        if (m_breakPending) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_breakPending = false;
        if (m_blockPending) {
            m_cursor.setBlockFormat(format);
            m_cursor.setBlockCharFormat(mark);
            m_cursor.setCharFormat(mark);
            m_blockPending = false;
        } else {
            m_cursor.insertBlock(format, mark);
        }
    }

    // A manual page break moves whatever follows it to the next page, as word
    // processors lay it out: the paragraph goes on after it as a new one, an
    // empty piece of paragraph beside a break takes no line, a paragraph that
    // holds nothing but a break stays as an empty line before it, and breaks
    // with nothing between them make one.
    void addParagraph(const Paragraph& p)
    {
        const QTextCharFormat mark = charFormat(p.mark);
        const QTextBlockFormat format = blockFormat(p.alignment, p.largestSize());
        const bool hasText = std::any_of(p.runs.begin(), p.runs.end(), [](const TextRun& r) {
            return !r.pageBreak && !r.text.isEmpty();
        });
        if (!hasText) {
            // Qt gives an empty block beside a table no height: an invisible
            // character keeps the empty line.
            startBlock(format, mark);
            m_cursor.insertText(QString(QChar(0x200B)), mark);
            if (p.hasPageBreak()) m_breakPending = true;
            return;
        }
        bool open = false;
        for (const TextRun& run : p.runs) {
            if (run.pageBreak) {
                open = false;
                m_breakPending = true;
                continue;
            }
            if (!open) startBlock(format, mark);
            open = true;
            m_cursor.insertText(run.text, charFormat(run.format));
        }
    }

    // A picture in a block of its own, as high as the picture. The document
    // keeps the PNG data and decodes it only to paint it.
    void addPicture(const Picture& p)
    {
        QTextBlockFormat format;
        format.setAlignment(qtAlignment(p.alignment));
        format.setTopMargin(0);
        format.setBottomMargin(0);
        startBlock(format, charFormat(CharFormat()));
        const QString name = QStringLiteral("picture:%1").arg(++m_pictures);
        m_cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), p.png);
        QTextImageFormat image;
        image.setName(name);
        image.setWidth(px(p.size.width()));
        image.setHeight(px(p.size.height()));
        m_cursor.insertImage(image);
    }

    void addTable(const Table& t)
    {
        const std::vector<int> widths = columnWidths(t);
        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(px(style::kBorderWidth));
        format.setBorderBrush(style::kGrid);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(0);
        format.setMargin(0);
        format.setLeftMargin(px(style::kTableIndent));
        format.setAlignment(Qt::AlignLeft);
        if (t.formatted) format.setHeaderRowCount(1);
        if (m_breakPending) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_breakPending = false;
        QList<QTextLength> constraints;
        for (int w : widths)
            constraints << QTextLength(QTextLength::FixedLength, px(w));
        format.setColumnWidthConstraints(constraints);

        QTextTable* table = m_cursor.insertTable(t.rows, t.columns, format);
        for (int r = 1; r <= t.rows; ++r) {
            const bool heading = t.formatted && r == 1;
            const QTextCharFormat& text = charFormat(t.format, heading);
            const QTextTableCellFormat& cf = cellFormat(heading);
            for (int c = 1; c <= t.columns; ++c) {
                QTextTableCell cell = table->cellAt(r - 1, c - 1);
                const TableCell& source = t.cell(r, c);
                QTextCursor in = cell.firstCursorPosition();
                in.setBlockFormat(blockFormat(source.alignment, t.format.size));
                const QStringList lines = source.text.split(kParagraphEnd);
                for (int i = 0; i < lines.size(); ++i) {
                    if (i > 0) in.insertBlock(blockFormat(source.alignment, t.format.size), text);
                    in.insertText(lines[i], text);
                }
                cell.setFormat(cf);
            }
        }
        m_cursor = table->lastCursorPosition();
        m_cursor.movePosition(QTextCursor::NextBlock);
        m_blockPending = true;
    }

    struct CachedCharFormat {
        CharFormat source;
        bool heading;
        QTextCharFormat format;
    };
    struct CachedBlockFormat {
        Alignment alignment;
        int size;
        QTextBlockFormat format;
    };

    double m_scale;
    std::deque<CachedCharFormat> m_charFormats;           // references to them stay valid
    std::optional<QTextTableCellFormat> m_cellFormats[2]; // body, heading
    std::deque<CachedBlockFormat> m_blockFormats;
    QTextCursor m_cursor;
    bool m_blockPending = true;  // the document starts with an empty block
    bool m_breakPending = false; // a page break awaits what comes next
    int m_pictures = 0;
};

// Qt's layout reads the lengths of formats (margins, paddings, borders, column
// widths) as pixels of the default screen resolution and scales them to the
// device itself; the page size it takes in device pixels. This measures that
// scaling on `device` with a margin of known length.
double formatLengthScale(QPaintDevice& device)
{
    constexpr double probe = 10;
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setPageSize(QSizeF(1e6, 1e6));
    doc.setDocumentMargin(probe);
    const double laidOut = doc.documentLayout()->blockBoundingRect(doc.begin()).top();
    return laidOut > 0 ? probe / laidOut : 1;
}

} // namespace

std::unique_ptr<QTextDocument> buildTextDocument(const ReportDocument& document,
                                                 QPaintDevice& device)
{
    const double devicePixels = double(device.logicalDpiY()) / style::kTwipsPerInch;
    const double scale = devicePixels * formatLengthScale(device); // twips to format lengths
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->setPageSize(QSizeF(style::kPageWidth * devicePixels, style::kPageHeight * devicePixels));
    doc->setDocumentMargin(style::kMargin * scale);
    // Filled before it has a layout, which would otherwise follow every edit,
    // then laid out once on the device.
    LayoutBuilder(*doc, scale).build(document);
    doc->documentLayout()->setPaintDevice(&device);
    doc->markContentsDirty(0, doc->characterCount());
    return doc;
}

int layoutPageCount(const ReportDocument& document)
{
    return buildTextDocument(document, twipsDevice())->pageCount();
}

bool paintPages(const ReportDocument& document, QPagedPaintDevice& device)
{
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const std::unique_ptr<QTextDocument> doc = buildTextDocument(document, device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QSizeF page = doc->pageSize();
    const int pages = doc->pageCount();
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, style::kText);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace tipolab
