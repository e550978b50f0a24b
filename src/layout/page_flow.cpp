#include "page_flow.h"

#include "document/document_style.h"

#include <algorithm>

namespace tipolab {

// Each length is made from the value the builder puts into the format, by the
// layout's own steps; cell spacing, the frames' padding and the margins left at
// zero stay zero on any device and are left out.
PageMetrics::PageMetrics(const LayoutUnits& u) : units(u)
{
    const QSizeF page = pageSize(u);
    pageHeightReal = page.height();
    pageHeight = Fixed::fromReal(page.height());
    margin = Fixed::fromReal(u.toDevice(u.format(style::kMargin))).round();
    textWidth = Fixed::fromReal(std::max(0.0, page.width())) - margin - margin;
    lineScaling = u.deviceDpi != u.screenDpi ? double(u.deviceDpi) / double(u.screenDpi) : 1;

    const double rule = u.format(style::kBorderWidth);
    tableBorder = Fixed::fromReal(u.toDevice(rule)).round();
    tableLeftMargin = Fixed::fromReal(u.toDevice(u.format(style::kTableIndent))).round();
    tableTopMargin = margin + tableBorder;
    tableBottomMargin = margin + tableBorder;
    tableContentsWidth =
        Fixed::fromReal(std::max(0.0, textWidth.toReal())) - tableBorder * 2 - tableLeftMargin;
    outerBorder = Fixed::fromReal(u.toDevice(rule / 2)).round();

    const double deviceScale = u.toDevice(1.0);
    cellPaddingX = Fixed::fromReal(u.format(style::kCellPaddingX) * deviceScale);
    cellPaddingY = Fixed::fromReal(u.format(style::kCellPaddingY) * deviceScale);
    double half = rule;
    half /= 2;
    const Fixed halfRule = Fixed::fromReal(half * deviceScale);
    cellLeft = cellPaddingX + halfRule;
    cellRight = cellPaddingX + halfRule;
    cellTop = cellPaddingY + halfRule;
    cellBottom = cellPaddingY + halfRule;
    headingRule = Fixed::fromReal(u.toDevice(rule) / 2);
}

Fixed PageMetrics::lineHeight(int points) const
{
    return Fixed::fromReal(units.format(style::lineHeight(points)) * lineScaling);
}

Fixed PageMetrics::columnWidth(int twips) const
{
    return Fixed::fromReal(units.format(twips)) * Fixed(units.deviceDpi) / Fixed(units.screenDpi);
}

int PageFlow::currentPage() const
{
    return pageHeight == Fixed() ? 0 : (absoluteY() / pageHeight).truncate();
}

void PageFlow::newPage()
{
    if (pageHeight == Fixed::max()) return;
    pageBottom += pageHeight;
    y = std::max(y, pageBottom - pageHeight + pageBottomMargin + pageTopMargin - frameY);
}

Fixed PageFlow::addLines(int count, Fixed height)
{
    Fixed first = y;
    for (int i = 0; i < count; ++i) {
        while (pageHeight > Fixed() && absoluteY() + height > pageBottom &&
               contentHeight() >= height)
            newPage();
        if (i == 0) first = y;
        y += height;
    }
    return first;
}

} // namespace tipolab
