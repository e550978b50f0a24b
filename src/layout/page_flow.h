// The pieces the page count is made of: the lengths of the page, its text
// column and a table's grid on the device, and a column of text filling
// pages from top to bottom. Lengths are in 1/64 device pixel and every step
// rounds as Qt's text layout rounds it.
#pragma once

#include "layout_fixed.h"
#include "layout_units.h"
#include "line_breaks.h"

namespace tipolab {

// Lengths of the page and of every table, as the layout sees them on the device.
struct PageMetrics {
    explicit PageMetrics(const LayoutUnits& units);

    LayoutUnits units;
    double pageHeightReal;
    Fixed pageHeight;
    Fixed margin;    // of the page, on every side
    Fixed textWidth; // between the side margins
    double lineScaling;

    // The table frame.
    Fixed tableBorder;
    Fixed tableLeftMargin;
    Fixed tableTopMargin;     // the part of the page above a table's grid...
    Fixed tableBottomMargin;  // ...and below it
    Fixed tableContentsWidth; // room for the columns
    Fixed outerBorder;        // half the grid line, around the outside
    // Every cell: its inner space plus half the grid line on each side.
    Fixed cellPaddingX, cellPaddingY;
    Fixed cellLeft, cellRight, cellTop, cellBottom;
    Fixed headingRule; // half the grid line under a repeated heading row

    // The fixed height of the lines of a paragraph in `points`.
    Fixed lineHeight(int points) const;
    // A column's width given in twips, on the device.
    Fixed columnWidth(int twips) const;
};

// A column of text laid down page after page: where it stands and where the
// current page ends. `frameY` is where the column's own frame starts.
struct PageFlow {
    Fixed frameY;
    Fixed y; // from frameY
    Fixed pageHeight;
    Fixed pageBottom;
    Fixed pageTopMargin;
    Fixed pageBottomMargin;

    Fixed absoluteY() const { return frameY + y; }
    Fixed contentHeight() const { return pageHeight - pageBottomMargin - pageTopMargin; }
    int currentPage() const;
    void newPage();
    // `count` lines of `height`, each that does not fit going to the next
    // page. Returns where the first line was set.
    Fixed addLines(int count, Fixed height);
};

} // namespace tipolab
