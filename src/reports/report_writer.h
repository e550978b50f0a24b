// `ReportWriter`: the operations through which every document of the program is
// written, in the terms of a word processor driven step by step (typing cursor,
// paragraphs appended at the end, tables filled cell by cell), over a document
// held in memory. Saving writes it as an RTF file that word processors open as a
// document; the page count lays it out on A4 paper.
//
// Simplification kept on purpose: the typing cursor is always at the end of the
// document. Every document types its text before it appends paragraphs and
// tables, so nothing is typed in front of them.
#pragma once

#include "report_document.h"

#include <QString>
#include <memory>

namespace tipolab {

class PageReckoner;

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

    // Pages of the document as it stands, laid out on A4.
    int pageCount() const;
    // Where only the composition matters (fuzzing it), a quick stand-in can
    // count the pages instead of the layout.
    using PageCounter = int (*)(const ReportDocument&);
    void setPageCounter(PageCounter counter) { m_pageCounter = counter; }
    // Writes the document as RTF under `path`, replacing an existing file only
    // once the new one is complete on disk. Returns the reason of a failure, in
    // Italian, or an empty text.
    QString save(const QString& path) const;

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
    int m_currentTable = 0;              // table number, 0 before the first table
    PageCounter m_pageCounter = nullptr; // nullptr: the A4 layout
    // Kept from one count to the next: a document counted again after a small
    // change has only the change measured.
    mutable std::shared_ptr<PageReckoner> m_reckoner;
};

} // namespace tipolab
