#include "document_layout.h"

#include "document_flow.h"
#include "document/document_fonts.h"
#include "document/document_style.h"
#include "layout_units.h"
#include "page_count.h"
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

class LayoutBuilder {
public:
    LayoutBuilder(QTextDocument& doc, double scale) : m_scale(scale), m_cursor(&doc) {}

    void build(const ReportDocument& document)
    {
        for (const FlowItem& item : documentFlow(document)) {
            if (item.kind == FlowItem::Text)
                addBlock(item.text);
            else if (const auto* t = std::get_if<Table>(item.object.block))
                addTable(*t, item.object.breakBefore);
            else
                addPicture(std::get<Picture>(*item.object.block), item.object.breakBefore);
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
    void startBlock(const QTextBlockFormat& format, const QTextCharFormat& mark)
    {
        if (m_blockPending) {
            m_cursor.setBlockFormat(format);
            m_cursor.setBlockCharFormat(mark);
            m_cursor.setCharFormat(mark);
            m_blockPending = false;
        } else {
            m_cursor.insertBlock(format, mark);
        }
    }

    void addBlock(const FlowBlock& b)
    {
        QTextBlockFormat format = blockFormat(b.alignment, b.lineSize);
        if (b.breakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        const QTextCharFormat& mark = charFormat(b.mark);
        if (b.continues)
            m_cursor.insertBlock(format, mark);
        else
            startBlock(format, mark);
        for (const FlowText& piece : b.pieces)
            m_cursor.insertText(piece.text, charFormat(piece.format));
    }

    // A picture in a block of its own, as high as the picture. The document
    // keeps the PNG data and decodes it only to paint it.
    void addPicture(const Picture& p, bool breakBefore)
    {
        QTextBlockFormat format;
        format.setAlignment(qtAlignment(p.alignment));
        format.setTopMargin(0);
        format.setBottomMargin(0);
        if (breakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        startBlock(format, charFormat(CharFormat()));
        const QString name = QStringLiteral("picture:%1").arg(++m_pictures);
        m_cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), p.png);
        QTextImageFormat image;
        image.setName(name);
        image.setWidth(px(p.size.width()));
        image.setHeight(px(p.size.height()));
        m_cursor.insertImage(image);
    }

    void addTable(const Table& t, bool breakBefore)
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
        if (breakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QList<QTextLength> constraints;
        for (int w : widths)
            constraints << QTextLength(QTextLength::FixedLength, px(w));
        format.setColumnWidthConstraints(constraints);

        QTextTable* table = m_cursor.insertTable(t.rows, t.columns, format);
        if (!table) return; // no rows or no columns
        for (int r = 1; r <= t.rows; ++r) {
            const bool heading = t.formatted && r == 1;
            const QTextCharFormat& text = charFormat(t.format, heading);
            const QTextTableCellFormat& cf = cellFormat(heading);
            for (int c = 1; c <= t.columns; ++c) {
                QTextTableCell cell = table->cellAt(r - 1, c - 1);
                const TableCell& source = t.cell(r, c);
                QTextCursor in = cell.firstCursorPosition();
                const QTextBlockFormat& format = blockFormat(source.alignment, t.format.size);
                in.setBlockFormat(format);
                const QStringList blocks = cellBlocks(source.text);
                for (qsizetype i = 0; i < blocks.size(); ++i) {
                    if (i > 0) in.insertBlock(format, text);
                    in.insertText(blocks[i], text);
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
    bool m_blockPending = true; // the document starts with an empty block
    int m_pictures = 0;
};

} // namespace

std::unique_ptr<QTextDocument> buildTextDocument(const ReportDocument& document,
                                                 QPaintDevice& device)
{
    const LayoutUnits units = layoutUnits(device);
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->setPageSize(pageSize(units));
    doc->setDocumentMargin(units.format(style::kMargin));
    // Filled before it has a layout, which would otherwise follow every edit,
    // then laid out once on the device.
    LayoutBuilder(*doc, units.scale).build(document);
    doc->documentLayout()->setPaintDevice(&device);
    doc->markContentsDirty(0, doc->characterCount());
    return doc;
}

int layoutPageCount(const ReportDocument& document, PageReckoner& reckoner)
{
    if (const std::optional<int> pages = reckoner.count(document)) return *pages;
    return buildTextDocument(document, twipsDevice())->pageCount();
}

PageCounter a4PageCounter()
{
    auto reckoner = std::make_shared<PageReckoner>(twipsDevice());
    return [reckoner](const ReportDocument& document) {
        return layoutPageCount(document, *reckoner);
    };
}

int layoutPageCount(const ReportDocument& document)
{
    PageReckoner reckoner(twipsDevice());
    return layoutPageCount(document, reckoner);
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
