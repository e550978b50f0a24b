// How Qt's text engine breaks one block of a document into lines at a given
// width, measured on a bare QTextLayout with the fonts, options and steps the
// document layout uses, and remembered: the page count needs nothing else of
// the text.
#pragma once

#include "document_flow.h"
#include "layout_fixed.h"

#include <QFont>
#include <QHash>
#include <QPaintDevice>
#include <deque>
#include <vector>

namespace tipolab {

struct BlockLines {
    int count = 0;
    Fixed firstLineRise;       // ascent and leading of the first line
    Fixed firstLineHeight;     // its natural height, whatever the fixed line height
    Fixed minimumWidth;        // the widest piece that no break can split
    bool wrapNarrowed = false; // a line too wide for the width made the rest wrap at words only
};

// One stretch of a block's text; `format` numbers a font of the breaker's.
struct LinePiece {
    QString text;
    int format;
};

class LineBreaks {
public:
    explicit LineBreaks(QPaintDevice& device) : m_device(device) {}

    // The number of the font of `format`, bold or not.
    int font(const CharFormat& format, bool bold);
    // The font of the end of a block whose format carries none (the first
    // block of a table cell): the application's.
    int defaultFont();

    // The lines of a block of `pieces` in `width`, broken at word boundaries or,
    // for a word longer than the width, anywhere. `endFont` is the font of the
    // block's end.
    BlockLines measure(const std::vector<LinePiece>& pieces, int endFont, Alignment alignment,
                       Fixed width);

private:
    struct Key {
        std::vector<LinePiece> pieces;
        int endFont; // -1 where it makes no difference
        Alignment alignment;
        int width;
        bool operator==(const Key& o) const;
    };
    friend size_t qHash(const Key& key, size_t seed);
    struct Font {
        CharFormat format;
        bool bold;
        bool isDefault;
        QFont font; // at the device's resolution
    };

    BlockLines layOut(const Key& key) const;
    // The width of the characters [from, to) of the block, each piece in its font.
    qreal advance(const Key& key, qsizetype from, qsizetype to) const;

    QPaintDevice& m_device;
    std::deque<Font> m_fonts;
    QHash<Key, BlockLines> m_measured;
};

} // namespace tipolab
