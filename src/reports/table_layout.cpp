#include "table_layout.h"

#include "document_fonts.h"
#include "document_style.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace tipolab {
namespace {

constexpr int kFullWidthColumns = 4;

struct Extent {
    double natural = 0; // the longest line on one line
    double minimum = 0; // the longest word
};

Extent measure(const QString& text, const QFontMetricsF& metrics)
{
    Extent e;
    for (const QString& line : text.split(kParagraphEnd)) {
        // Blanks at the end of a line take no room, as in the word processor.
        QString shown = line;
        while (!shown.isEmpty() && shown.back().isSpace())
            shown.chop(1);
        e.natural = std::max(e.natural, metrics.horizontalAdvance(shown));
        for (const QString& word : shown.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            e.minimum = std::max(e.minimum, metrics.horizontalAdvance(word));
    }
    return e;
}

} // namespace

std::vector<int> columnWidths(const Table& table)
{
    const int columns = std::max(table.columns, 1);
    if (!table.formatted) return std::vector<int>(columns, style::kTextWidth / columns);

    const QFontMetricsF body(documentFont(table.format, false), &twipsDevice());
    const QFontMetricsF heading(documentFont(table.format, true), &twipsDevice());
    const double chrome = 2 * style::kCellPaddingX + style::kBorderWidth;
    // The table stands out of the text column by the cell padding on either
    // side, so that the text in its cells lines up with the text around it.
    const double room = style::kTextWidth + 2 * style::kCellPaddingX;

    // natural: every line whole; minimum: every word whole; whole: the
    // heading and the label columns whole, the other cells' words.
    std::vector<double> natural(columns, chrome), minimum(columns, chrome), whole(columns, chrome);
    for (int r = 1; r <= table.rows; ++r) {
        for (int c = 1; c <= table.columns; ++c) {
            const Extent e = measure(table.cell(r, c).text, r == 1 ? heading : body);
            const bool keep = r == 1 || c <= table.labelColumns;
            natural[c - 1] = std::max(natural[c - 1], std::ceil(e.natural) + chrome);
            minimum[c - 1] = std::max(minimum[c - 1], std::ceil(e.minimum) + chrome);
            whole[c - 1] = std::max(whole[c - 1], std::ceil(keep ? e.natural : e.minimum) + chrome);
        }
    }

    std::vector<double> width = natural;
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    if (total < room && columns >= kFullWidthColumns) {
        // Wide tables span the text column, so that the tables of a document
        // line up; the room is shared out evenly between the columns.
        const double extra = (room - total) / columns;
        for (double& w : width)
            w = std::floor(w + extra);
    } else if (total > room) {
        // Every column keeps its longest word, and the heading row and the
        // label columns their lines where the room allows; the room left is
        // shared in proportion to what each column would need beyond that.
        const bool keepWhole = std::accumulate(whole.begin(), whole.end(), 0.0) <= room;
        const std::vector<double>& least = keepWhole ? whole : minimum;
        const double floor = std::accumulate(least.begin(), least.end(), 0.0);
        const double spare = std::max(0.0, room - floor);
        const double wanted = total - floor;
        for (int c = 0; c < columns; ++c)
            width[c] = least[c] + (wanted > 0 ? spare * (natural[c] - least[c]) / wanted : 0);
    }
    std::vector<int> out(columns);
    std::transform(width.begin(), width.end(), out.begin(),
                   [](double w) { return static_cast<int>(std::ceil(w)); });
    return out;
}

} // namespace tipolab
