#include "page_count.h"

#include "document_flow.h"
#include "table_pages.h"

#include <QPaintDevice>
#include <cmath>

namespace tipolab {
namespace {

bool isTable(const FlowItem& item)
{
    const Table* t =
        item.kind == FlowItem::Object ? std::get_if<Table>(item.object.block) : nullptr;
    return t && t->rows > 0 && t->columns > 0;
}

} // namespace

PageReckoner::PageReckoner(QPaintDevice& device) : m_metrics(layoutUnits(device)), m_lines(device)
{
}

std::optional<int> PageReckoner::count(const ReportDocument& document)
{
    const PageMetrics& m = m_metrics;
    m_withinReach = true;
    m_flow = PageFlow();
    m_flow.pageHeight = m.pageHeight;
    m_flow.pageTopMargin = m.margin;
    m_flow.pageBottomMargin = m.margin;
    m_flow.pageBottom = m.pageHeight - m.margin;
    m_flow.y = m.margin;

    const std::vector<FlowItem> flow = documentFlow(document);
    for (std::size_t i = 0; i < flow.size(); ++i) {
        if (!m_withinReach) return std::nullopt;
        const FlowItem& item = flow[i];
        if (item.kind == FlowItem::Object) {
            // Pictures are left to the layout itself.
            const auto* t = std::get_if<Table>(item.object.block);
            if (!t) return std::nullopt;
            addTable(*t, item.object.breakBefore);
            continue;
        }
        const bool afterTable = i > 0 && isTable(flow[i - 1]) && !item.text.continues;
        const bool beforeTable = i + 1 < flow.size() && isTable(flow[i + 1]);
        addBlock(item.text, afterTable, beforeTable);
    }
    if (!m_withinReach) return std::nullopt;
    const double height = (m_flow.y + m.margin).toReal();
    return int(std::ceil(height / m.pageHeightReal));
}

BlockLines PageReckoner::measure(const FlowBlock& b)
{
    m_pieces.clear();
    for (const FlowText& piece : b.pieces)
        m_pieces.push_back({piece.text, m_lines.font(piece.format, false)});
    return m_lines.measure(m_pieces, m_lines.font(b.mark, false), b.alignment, m_metrics.textWidth);
}

// An empty block beside a table takes no room; a block after a table
// that opens with a line separator moves up by its first line.
void PageReckoner::addBlock(const FlowBlock& b, bool afterTable, bool beforeTable)
{
    if (b.breakBefore) m_flow.newPage();
    const bool empty = b.pieces.empty();
    if (empty && (afterTable || beforeTable)) return;
    const Fixed origin = m_flow.y;
    const Fixed originBottom = m_flow.pageBottom;
    const BlockLines lines = measure(b);
    const Fixed lineHeight = m_metrics.lineHeight(b.lineSize);
    // A line that goes to the next page leaves at most its own height and
    // the margins behind.
    const std::int64_t step = 2 * std::int64_t(lineHeight.value()) + 2 * m_metrics.margin.value();
    if (!reaches(lines.count * step)) return;
    m_flow.addLines(lines.count, lineHeight);
    const bool separatorFirst =
        afterTable && !empty && b.pieces.front().text.startsWith(QChar::LineSeparator);
    if (!separatorFirst) return;
    if (m_flow.pageBottom == originBottom) {
        m_flow.y -= lines.firstLineHeight;
    } else {
        m_flow.y = origin - lines.firstLineHeight;
        m_flow.pageBottom = originBottom;
        m_flow.addLines(lines.count, lineHeight);
    }
}

// A table whose first row does not start on the page it is placed on
// starts on the next page, laid out anew.
void PageReckoner::addTable(const Table& t, bool breakBefore)
{
    if (t.rows <= 0 || t.columns <= 0) return;
    if (breakBefore) m_flow.newPage();
    TablePages table(t, m_metrics, m_lines);
    if (!reaches(table.reach())) return;
    Fixed top = m_flow.y;
    TablePages::Extent extent = table.layOut(m_flow.frameY + top);
    if (top + extent.firstRow + m_flow.frameY > m_flow.pageBottom) {
        m_flow.newPage();
        top = m_flow.y;
        extent = table.layOut(m_flow.frameY + top);
    }
    m_flow.y += extent.height;
    m_flow.pageBottom = (m_flow.currentPage() + 1) * m_flow.pageHeight - m_flow.pageBottomMargin;
}

bool PageReckoner::reaches(std::int64_t length)
{
    const std::int64_t most = std::int64_t(kMostPages) * m_metrics.pageHeight.value();
    m_withinReach = m_withinReach && m_flow.absoluteY().value() + length <= most;
    return m_withinReach;
}

} // namespace tipolab
