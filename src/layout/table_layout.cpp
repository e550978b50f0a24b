#include "table_layout.h"

#include "document/document_fonts.h"
#include "document/document_style.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <optional>

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

// The metrics of a table's font, made when first needed.
class TableFont {
public:
    TableFont(const CharFormat& format, bool bold) : m_format(format), m_bold(bold) {}
    const QFontMetricsF& metrics()
    {
        if (!m_metrics) m_metrics.emplace(documentFont(m_format, m_bold), &twipsDevice());
        return *m_metrics;
    }
    const CharFormat& format() const { return m_format; }
    bool bold() const { return m_bold; }

private:
    CharFormat m_format;
    bool m_bold;
    std::optional<QFontMetricsF> m_metrics;
};

// Measuring text takes the text engine; the same cell texts come back again
// and again (in every table of a kind, and once for the page count, once for
// the file), so each is measured once per font. Only numbers are kept, no
// fonts, so nothing of the text engine outlives the application.
class MeasuredTexts {
public:
    Extent operator()(const QString& text, TableFont& font)
    {
        QHash<QString, Extent>& extents = extentsIn(font.format(), font.bold());
        auto it = extents.constFind(text);
        if (it == extents.constEnd()) {
            if (m_count >= kMaxTexts) clear();
            it = extents.insert(text, measure(text, font.metrics()));
            ++m_count;
        }
        return *it;
    }

private:
    static constexpr int kMaxTexts = 20000;

    struct Measured {
        CharFormat format;
        bool bold;
        QHash<QString, Extent> extents;
    };

    QHash<QString, Extent>& extentsIn(const CharFormat& format, bool bold)
    {
        for (Measured& m : m_measured) {
            if (m.bold == bold && m.format == format) return m.extents;
        }
        m_measured.push_back({format, bold, {}});
        return m_measured.back().extents;
    }

    void clear()
    {
        for (Measured& m : m_measured)
            m.extents.clear();
        m_count = 0;
    }

    std::deque<Measured> m_measured;
    int m_count = 0;
};

MeasuredTexts& measuredTexts()
{
    static MeasuredTexts texts;
    return texts;
}

} // namespace

std::vector<int> columnWidths(const Table& table)
{
    const int columns = std::max(table.columns, 1);
    if (!table.formatted) return std::vector<int>(columns, style::kTextWidth / columns);

    MeasuredTexts& measured = measuredTexts();
    TableFont body(table.format, false), heading(table.format, true);
    const double chrome = 2 * style::kCellPaddingX + 2 * style::kBorderWidth;
    // The table stands out of the text column by the cell padding on either
    // side, so that the text in its cells lines up with the text around it.
    const double room = style::kTextWidth + 2 * style::kCellPaddingX;

    // natural: every line whole; minimum: every word whole; whole: the
    // heading and the label columns whole, the other cells' words.
    std::vector<double> natural(columns, chrome), minimum(columns, chrome), whole(columns, chrome);
    for (int r = 1; r <= table.rows; ++r) {
        for (int c = 1; c <= table.columns; ++c) {
            const Extent e = measured(table.cell(r, c).text, r == 1 ? heading : body);
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
