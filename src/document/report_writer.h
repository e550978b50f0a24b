// `ReportWriter`: the operations through which every document of the program is
// written, in the terms of a word processor driven step by step (typing cursor,
// paragraphs appended at the end, tables filled cell by cell), over a document
// held in memory. Writing it to a file and counting its pages are the business
// of the output and layout libraries.
//
// Simplification kept on purpose: the typing cursor is always at the end of the
// document. Every document types its text before it appends paragraphs and
// tables, so nothing is typed in front of them.
#pragma once

#include "report_document.h"

#include <QString>
#include <functional>

namespace tipolab {

// Counts the pages of a document as it stands. A document that states its own
// length (the full report) is composed with one: the A4 layout's
// (a4PageCounter()) or, where only the composition matters (fuzzing it), a
// quick stand-in.
using PageCounter = std::function<int(const ReportDocument&)>;

class ReportWriter {
public:
    ReportWriter() { open(); }

    // A new, empty document; the typing cursor at its start.
    void open();
    // The typing cursor's font and size, for the text typed afterwards.
    void setTypingFont(const QString& family);
    void setTypingSize(int points);
    // Inserts `text` at the typing cursor: character 13 ends a paragraph,
    // character 12 is a manual page break.
    void typeText(const QString& text);

    // A new empty paragraph at the end of the document; it becomes the current
    // paragraph and takes the format of the paragraph before it.
    void appendEndParagraph();
    // The current paragraph's text, and text set into it afterwards, take this size.
    void setParagraphSize(int points);
    // Replaces the current paragraph's content. Paragraph ends inside `text`
    // split it; the last of the pieces becomes the current paragraph.
    void setParagraphText(const QString& text);

    // A table of `rows` x `columns` empty cells at the end of the document, in
    // the size in force there; it becomes the current table. An empty last
    // paragraph gives way to the table; a paragraph always follows a table.
    void appendTable(int rows, int columns);
    void setTableSize(int points);
    // Rows and columns count from 1.
    void setCellText(int row, int column, const QString& text);
    // The predefined table format: shaded heading row, grid, columns fitted to
    // their contents.
    void applyTableFormat();

    // A picture at the end of the document. As with a table, an empty last
    // paragraph gives way to it and a paragraph follows it.
    void appendPicture(Picture picture);

    // Every paragraph, in and out of tables, justified.
    void justifyAll();
    // The paragraphs of column `column` of table `table` (both from 1) aligned right.
    void rightAlignColumn(int table, int column);

    const ReportDocument& document() const { return m_document; }
    ReportDocument& document() { return m_document; }
    int tableCount() const { return m_document.tableCount(); }

private:
    // `block` in place of an empty last paragraph (or after the last one), then
    // a new paragraph in the last one's format and alignment.
    void appendBlock(Block block);
    Paragraph& lastParagraph();
    // Appends `text` to `paragraph` in `format`, splitting at paragraph ends;
    // returns the paragraph that holds its end.
    Paragraph& appendText(Paragraph& paragraph, const QString& text, const CharFormat& format);

    ReportDocument m_document;
    CharFormat m_typing;
    int m_currentTable = 0; // table number, 0 before the first table
};

} // namespace tipolab
