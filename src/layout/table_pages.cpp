#include "table_pages.h"

#include "document_flow.h"
#include "table_layout.h"

#include <algorithm>

namespace tipolab {

TablePages::TablePages(const Table& table, const PageMetrics& metrics, LineBreaks& lines)
    : m_table(table), m_metrics(metrics), m_lines(lines),
      m_bodyFont(lines.font(table.format, false)),
      m_headingFont(table.formatted ? lines.font(table.format, true) : m_bodyFont),
      m_cellEndFont(lines.defaultFont()), m_lineHeight(metrics.lineHeight(table.format.size))
{
    fitColumns();
}

// Widths to whole pixels, each column taking up the rounding left by the one
// before it.
std::vector<Fixed> TablePages::rounded(const std::vector<Fixed>& widths) const
{
    std::vector<Fixed> out(widths.size());
    Fixed error;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        out[i] = (widths[i] - error).round();
        error = out[i] - widths[i];
    }
    return out;
}

TablePages::CellText TablePages::measure(int row, int column, Fixed width)
{
    const TableCell& source = m_table.cell(row + 1, column + 1);
    const int font = m_table.formatted && row == 0 ? m_headingFont : m_bodyFont;
    CellText out;
    const QStringList blocks = cellBlocks(source.text);
    std::vector<LinePiece> pieces;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        pieces.clear();
        if (!blocks[i].isEmpty()) pieces.push_back({blocks[i], font});
        // The cell's own format, which carries no font, ends its first block.
        const BlockLines b =
            m_lines.measure(pieces, i == 0 ? m_cellEndFont : font, source.alignment, width);
        if (i == 0) out.rise = b.firstLineRise;
        out.lines += b.count;
        out.minimumWidth = std::max(out.minimumWidth, b.minimumWidth);
        out.wrapNarrowed = out.wrapNarrowed || b.wrapNarrowed;
    }
    return out;
}

void TablePages::measureCells()
{
    const Fixed padding = m_metrics.cellLeft + m_metrics.cellRight;
    m_cells.resize(std::size_t(m_table.rows) * m_table.columns);
    for (int r = 0; r < m_table.rows; ++r) {
        for (int c = 0; c < m_table.columns; ++c)
            m_cells[r * m_table.columns + c] = measure(r, c, m_widths[c] - padding);
    }
}

// Each column is as wide as its given width, or as its widest piece that no
// break can split (a single character: cells break anywhere when they must).
// A table wider than the text column would have those pieces measured again,
// breaking anywhere, with the same outcome.
void TablePages::fitColumns()
{
    const int columns = m_table.columns;
    const std::vector<int> twips = columnWidths(m_table);
    std::vector<Fixed> given(columns);
    for (int c = 0; c < columns; ++c)
        given[c] = m_metrics.columnWidth(twips[c]);
    const Fixed padding = m_metrics.cellLeft + m_metrics.cellRight;
    m_widths = rounded(given);
    measureCells();
    std::vector<Fixed> wanted = given;
    for (int c = 0; c < columns; ++c) {
        Fixed least(1);
        for (int r = 0; r < m_table.rows; ++r) {
            const CellText& cell = m_cells[r * columns + c];
            // A line that overflowed made the rest of its block wrap at words
            // only, which widens the pieces: they are taken on one line.
            const Fixed piece =
                cell.wrapNarrowed ? measure(r, c, Fixed::max()).minimumWidth : cell.minimumWidth;
            least = std::max(least, piece + padding).ceil();
        }
        wanted[c] = std::max(given[c], least);
    }
    const std::vector<Fixed> widths = rounded(wanted);
    if (widths != m_widths) {
        m_widths = widths;
        measureCells();
    }
}

// A cell's lines from `rowTop`, each going to the next page when it does not
// fit above the table's bottom margin there.
TablePages::CellPlace TablePages::placeCell(const CellText& cell, Fixed rowTop, Fixed tableTop,
                                            Fixed topMargin) const
{
    const PageMetrics& m = m_metrics;
    PageFlow flow;
    flow.frameY = tableTop + rowTop + m.cellTop;
    flow.pageHeight = m.pageHeight;
    const int page = flow.currentPage();
    flow.pageTopMargin = topMargin + m.tableBorder + m.cellPaddingY;
    if (m_table.formatted) flow.pageTopMargin += m.headingRule;
    flow.pageBottomMargin = m.tableBottomMargin + m.outerBorder + m.cellBottom;
    flow.pageBottom = (page + 1) * m.pageHeight - flow.pageBottomMargin;
    flow.y = std::max(Fixed(), page * m.pageHeight + flow.pageTopMargin - flow.frameY);

    const Fixed first = flow.addLines(cell.lines, m_lineHeight);
    // The first line sits by its baseline: its box starts that far above.
    const Fixed adjustment = cell.rise - (m_lineHeight * 4) / 5;
    return {(flow.y + m.cellBottom + m.cellTop).round(), m.cellTop + first - adjustment};
}

// Rows follow one another; a row none of whose cells has room for its first
// line on the page goes to the next one, below the repeated heading, the row
// before it stretching to the foot of the page. When the heading row, or the
// first row after it, does not start on the table's first page, the whole
// table starts again on the next page.
TablePages::Extent TablePages::layOut(Fixed tableTop)
{
    const PageMetrics& m = m_metrics;
    const int rows = m_table.rows;
    const int columns = m_table.columns;
    const int headingRows = std::min(m_table.formatted ? 1 : 0, rows - 1);
    std::vector<Fixed> top(rows), height(rows);
    top[0] = m.outerBorder + m.tableBorder;
    const Fixed firstTopMargin = m.tableTopMargin;
    Fixed topMargin = firstTopMargin;
    bool movedWhole = false;
    const int startPage = (tableTop / m.pageHeight).truncate();

    for (int r = 0; r < rows; ++r) {
        if (r > 0) top[r] = top[r - 1] + height[r - 1];
        const int page = ((top[r] + tableTop) / m.pageHeight).truncate();
        const Fixed pageBottom =
            (page + 1) * m.pageHeight - m.tableBottomMargin - tableTop - m.tableBorder;
        const Fixed pageTop = page * m.pageHeight + topMargin - tableTop + m.tableBorder;
        const Fixed nextPageTop = pageTop + m.pageHeight;
        if (top[r] > pageBottom)
            top[r] = nextPageTop;
        else if (top[r] < pageTop)
            top[r] = pageTop;

        bool restart = false;
        bool drop = true; // a row goes to the next page once at most
        for (;;) {
            const int rowPage = ((top[r] + tableTop) / m.pageHeight).truncate();
            if (r <= headingRows && rowPage > startPage && !movedWhole) {
                top[0] = nextPageTop;
                topMargin = firstTopMargin;
                movedWhole = true;
                restart = true;
                break;
            }
            for (int c = 0; c < columns; ++c) {
                const CellPlace place =
                    placeCell(m_cells[r * columns + c], top[r], tableTop, topMargin);
                height[r] = std::max(height[r], place.height);
                if (top[r] + place.firstTop < pageBottom) drop = false;
            }
            if (!drop) break;
            drop = false;
            top[r] = nextPageTop;
            height[r] = Fixed();
            if (r > headingRows) height[r - 1] = pageBottom - top[r - 1];
        }
        if (restart) {
            r = -1;
            continue;
        }
        if (r == headingRows - 1) {
            Fixed heading = top[r] + height[r] - top[0];
            heading -= heading * (heading / m.pageHeight).truncate();
            topMargin += heading;
        }
    }
    return {top[rows - 1] + height[rows - 1] + m.tableBorder + m.outerBorder, top[0]};
}

std::int64_t TablePages::reach() const
{
    const PageMetrics& m = m_metrics;
    std::int64_t lines = 0, heading = 0;
    for (int r = 0; r < m_table.rows; ++r) {
        int most = 0;
        for (int c = 0; c < m_table.columns; ++c)
            most = std::max(most, m_cells[r * m_table.columns + c].lines);
        lines += most;
        if (r == 0 && m_table.formatted) heading = std::int64_t(most + 1) * m_lineHeight.value();
    }
    // A line going to the next page leaves at most its height and the margins
    // behind, and finds the heading there; a row going to the next page, or
    // the whole table, leaves at most a page.
    const std::int64_t line = 2 * std::int64_t(m_lineHeight.value()) +
                              4 * std::int64_t(m.tableTopMargin.value() + m.cellTop.value()) +
                              heading;
    return lines * line + std::int64_t(m_table.rows + 1) * m.pageHeight.value();
}

} // namespace tipolab
