// A table laid out row by row across pages, as Qt's text layout lays out the
// tables the document builder makes: fixed column widths, a grid of collapsed
// borders, a heading row repeated on every page.
#pragma once

#include "page_flow.h"
#include "document/report_document.h"

#include <cstdint>
#include <vector>

namespace tipolab {

class TablePages {
public:
    TablePages(const Table& table, const PageMetrics& metrics, LineBreaks& lines);

    struct Extent {
        Fixed height;   // from the table's top to below its last row
        Fixed firstRow; // where the first row starts, from the table's top
    };
    // The table laid out with its top at `top` (from the top of the first page).
    Extent layOut(Fixed top);
    // More than the table can take, however its lines and rows fall on pages.
    std::int64_t reach() const;

private:
    struct CellText {
        int lines = 0;
        Fixed rise; // ascent and leading of the first line
        Fixed minimumWidth;
        bool wrapNarrowed = false;
    };
    struct CellPlace {
        Fixed height;   // of the cell, padding included
        Fixed firstTop; // of its first line, from the row's top
    };

    void fitColumns();
    std::vector<Fixed> rounded(const std::vector<Fixed>& widths) const;
    void measureCells();
    CellText measure(int row, int column, Fixed width);
    CellPlace placeCell(const CellText& cell, Fixed rowTop, Fixed tableTop, Fixed topMargin) const;

    const Table& m_table;
    const PageMetrics& m_metrics;
    LineBreaks& m_lines;
    int m_bodyFont, m_headingFont, m_cellEndFont;
    Fixed m_lineHeight;
    std::vector<Fixed> m_widths;   // of the columns, padding and half rules included
    std::vector<CellText> m_cells; // row by row
};

} // namespace tipolab
