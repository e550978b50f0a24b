#include "line_breaks.h"

#include "document/document_fonts.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTextCharFormat>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <memory>

namespace tipolab {
namespace {

// A block runs right to left when its first letter of a strong direction does.
Qt::LayoutDirection direction(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        switch (QChar::direction(c)) {
        case QChar::DirL:
            return Qt::LeftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return Qt::RightToLeft;
        default:
            break;
        }
    }
    return Qt::LeftToRight;
}

// Left and right as they fall on the page: swapped in a block that runs right
// to left.
Qt::Alignment visual(Qt::LayoutDirection dir, Qt::Alignment a)
{
    if (a & (Qt::AlignLeft | Qt::AlignRight)) {
        if (dir == Qt::RightToLeft) a ^= (Qt::AlignLeft | Qt::AlignRight);
        a |= Qt::AlignAbsolute;
    }
    return a;
}

QTextCharFormat charFormatOf(const QFont& font)
{
    QTextCharFormat f;
    f.setFont(font, QTextCharFormat::FontPropertiesAll);
    return f;
}

// A line that starts in a word wider than the line is broken anywhere: the
// text layout finds out by measuring the whole rest of the word first, line
// after line, which for a word of thousands of letters costs more than all
// the rest of the document. These are the lines that start where the rest of
// such a word is wider than two lines still, which the layout is sure to
// break anywhere: they are broken anywhere at once, with the same result.
class LongWords {
public:
    using Measure = std::function<qreal(qsizetype from, qsizetype to)>;

    LongWords(const QString& text, Fixed width, Measure measure)
        : m_width(width), m_measure(std::move(measure))
    {
        if (text.size() >= kLongWord) findWords(text);
        m_word = m_words.begin();
    }

    // Whether the line that starts at `start` is one of them.
    bool brokenAnywhere(qsizetype start)
    {
        while (m_word != m_words.end() && m_word->end <= start)
            ++m_word;
        if (m_word == m_words.end() || m_word->start > start) return false;
        if (!m_word->measured) {
            m_word->wideFrom = wideFrom(*m_word);
            m_word->measured = true;
        }
        return start <= m_word->wideFrom;
    }

private:
    static constexpr qsizetype kLongWord = 256; // shorter words are laid out as they come

    struct Word {
        qsizetype start, end;
        bool measured = false;
        qsizetype wideFrom = 0;
    };

    // The last place in `w` from which the rest of it is wider than two
    // lines, or the place before it when the whole of it is not. Measured
    // from its end, as a piece cut from the word: shaping makes that differ
    // from the word by a letter or so, which a line of room covers; the
    // letters before it only add to the width.
    qsizetype wideFrom(const Word& w) const
    {
        for (qsizetype chars = 64;; chars *= 2) {
            const qsizetype from = qMax(w.start, w.end - chars);
            if (m_measure(from, w.end) > 2 * m_width.toReal()) return from;
            if (from == w.start) return w.start - 1;
        }
    }

    // The stretches with neither a break opportunity nor a blank inside, of
    // kLongWord letters at least: marks on a letter cannot be broken from it.
    void findWords(const QString& text)
    {
        const auto keep = [this, &text](qsizetype start, qsizetype end) {
            if (end - start < kLongWord) return;
            const auto letters = std::count_if(text.begin() + start, text.begin() + end,
                                               [](QChar c) { return !c.isMark(); });
            if (letters >= kLongWord) m_words.push_back({start, end});
        };
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
        qsizetype start = 0;
        for (qsizetype next = breaks.toNextBoundary(); next > 0; next = breaks.toNextBoundary()) {
            for (qsizetype i = start; i < next; ++i) {
                if (!text[i].isSpace()) continue;
                keep(start, i);
                start = i + 1;
            }
            keep(start, next);
            start = next;
        }
    }

    Fixed m_width;
    Measure m_measure;
    std::vector<Word> m_words; // [start, end)
    std::vector<Word>::iterator m_word;
};

} // namespace

bool LineBreaks::Key::operator==(const Key& o) const
{
    if (endFont != o.endFont || alignment != o.alignment || width != o.width ||
        pieces.size() != o.pieces.size())
        return false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].format != o.pieces[i].format || pieces[i].text != o.pieces[i].text)
            return false;
    }
    return true;
}

size_t qHash(const LineBreaks::Key& key, size_t seed)
{
    size_t h = qHashMulti(seed, key.endFont, int(key.alignment), key.width);
    for (const LinePiece& p : key.pieces)
        h = qHashMulti(h, p.text, p.format);
    return h;
}

int LineBreaks::font(const CharFormat& format, bool bold)
{
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const Font& f = m_fonts[i];
        if (!f.isDefault && f.bold == bold && f.format == format) return int(i);
    }
    // The font as a character format of the document hands it to the text
    // engine, at the resolution of the device.
    const QFont font = charFormatOf(documentFont(format, bold)).font();
    m_fonts.push_back({format, bold, false, QFont(font, &m_device)});
    return int(m_fonts.size() - 1);
}

int LineBreaks::defaultFont()
{
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].isDefault) return int(i);
    }
    m_fonts.push_back({CharFormat(), false, true, QFont(QFont(), &m_device)});
    return int(m_fonts.size() - 1);
}

BlockLines LineBreaks::measure(const std::vector<LinePiece>& pieces, int endFont,
                               Alignment alignment, Fixed width)
{
    // The font of the block's end gives a line its height where the line
    // holds no text: the block's only line when it has no text, or a first
    // line that holds nothing but a line separator.
    const bool endCounts = pieces.empty() || pieces.front().text.startsWith(QChar::LineSeparator);
    Key key{pieces, endCounts ? endFont : -1, alignment, width.value()};
    auto it = m_measured.constFind(key);
    if (it == m_measured.constEnd()) it = m_measured.insert(key, layOut(key));
    return *it;
}

qreal LineBreaks::advance(const Key& key, qsizetype from, qsizetype to) const
{
    qreal width = 0;
    qsizetype start = 0;
    for (const LinePiece& p : key.pieces) {
        const qsizetype a = qMax(from, start), b = qMin(to, start + p.text.size());
        if (a < b)
            width += QFontMetricsF(m_fonts[p.format].font)
                         .horizontalAdvance(p.text.mid(a - start, b - a));
        start += p.text.size();
    }
    return width;
}

// The steps of the document layout for one block: each line takes the whole
// width; a line that still overflows (a character wider than the width) is
// broken anywhere, and the rest of the block then wraps at words only.
BlockLines LineBreaks::layOut(const Key& key) const
{
    QString text;
    for (const LinePiece& p : key.pieces)
        text += p.text;
    const Fixed width = Fixed::raw(key.width);

    // The layout's own font stands for the block's end; the pieces in another
    // font take it from formats, as in the document.
    const int own = key.endFont >= 0 ? key.endFont : key.pieces.front().format;
    auto layout = std::make_unique<QTextLayout>(text, m_fonts[own].font);
    const bool oneFont = std::all_of(key.pieces.begin(), key.pieces.end(),
                                     [own](const LinePiece& p) { return p.format == own; });
    if (!oneFont) {
        QList<QTextLayout::FormatRange> ranges;
        int start = 0;
        for (const LinePiece& p : key.pieces) {
            ranges.append({start, int(p.text.size()), charFormatOf(m_fonts[p.format].font)});
            start += int(p.text.size());
        }
        layout->setFormats(ranges);
    }

    const Qt::LayoutDirection dir = direction(text);
    QTextOption option;
    option.setTabStopDistance(80);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(dir);
    option.setAlignment(visual(dir, qtAlignment(key.alignment)));
    layout->setTextOption(option);

    LongWords longWords(text, width,
                        [&](qsizetype from, qsizetype to) { return advance(key, from, to); });

    BlockLines out;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        const bool anywhere = !out.wrapNarrowed && longWords.brokenAnywhere(line.textStart());
        if (anywhere) {
            option.setWrapMode(QTextOption::WrapAnywhere);
            layout->setTextOption(option);
        }
        line.setLeadingIncluded(true);
        line.setLineWidth(width.toReal());
        if (Fixed::fromReal(line.naturalTextWidth()) > width) {
            line.setLineWidth(width.toReal());
            if (Fixed::fromReal(line.naturalTextWidth()) > width) {
                option.setWrapMode(QTextOption::WrapAnywhere);
                layout->setTextOption(option);
                line.setLineWidth(qMax<qreal>(line.naturalTextWidth(), width.toReal()));
                option.setWrapMode(QTextOption::WordWrap);
                layout->setTextOption(option);
                out.wrapNarrowed = true;
            }
        }
        if (anywhere && !out.wrapNarrowed) {
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout->setTextOption(option);
        }
        if (out.count == 0) {
            out.firstLineRise = Fixed::fromReal(line.ascent() + qMax(line.leading(), qreal(0)));
            out.firstLineHeight = Fixed::fromReal(line.height());
        }
        ++out.count;
    }
    layout->endLayout();
    out.minimumWidth = Fixed::fromReal(layout->minimumWidth());
    return out;
}

} // namespace tipolab
