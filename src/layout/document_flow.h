// A document as the text layout sees it: the blocks of text, the tables and the
// page breaks in the order they are laid out. Both the QTextDocument that paints
// the pages and the page count are made from it, so they cannot disagree on
// where a paragraph ends or what a manual page break moves.
#pragma once

#include "document/report_document.h"

#include <QStringList>
#include <vector>

namespace tipolab {

// A stretch of text in one format, without paragraph separators.
struct FlowText {
    QString text;
    CharFormat format;
};

// One block of text: a whole paragraph, or the part of one between page breaks
// or line feeds.
struct FlowBlock {
    std::vector<FlowText> pieces;
    CharFormat mark; // the format of the block's end
    Alignment alignment = Alignment::Left;
    int lineSize = kDefaultFontSize; // points of the block's fixed line height
    bool breakBefore = false;        // starts on a new page
    bool continues = false;          // a line feed split it from the block before
};

// A table, or a picture in a paragraph of its own.
struct FlowObject {
    const Block* block = nullptr;
    bool breakBefore = false;
};

struct FlowItem {
    enum Kind { Text, Object } kind;
    FlowBlock text;    // for Text
    FlowObject object; // for Object
};

// The items of `document` in order. A manual page break moves what follows it
// to the next page, as word processors lay it out: the paragraph goes on after
// it as a new block, an empty piece of paragraph beside a break takes no line,
// a paragraph that holds nothing but a break stays as an empty line before it,
// and breaks with nothing between them make one.
std::vector<FlowItem> documentFlow(const ReportDocument& document);

// The character that keeps the line of a paragraph without text: an empty
// block beside a table would otherwise take no room.
inline constexpr QChar kEmptyLine = QChar(0x200B);

// The blocks a cell's text makes: character 13 ends a paragraph, and so do the
// line and paragraph separators the text engine reads as such.
QStringList cellBlocks(const QString& text);

// `text` cut where inserting it into a text document would start a new block
// (line feeds, carriage returns, paragraph separators); a carriage return
// before a line feed is one separator.
QStringList splitAtBlockSeparators(const QString& text);

// The alignment as the text layout takes it.
Qt::Alignment qtAlignment(Alignment a);

} // namespace tipolab
