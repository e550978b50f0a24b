// A word-processor document held in memory: paragraphs of text runs and tables,
// in document order. The `ReportWriter` builds it; the RTF file, the page count,
// the preview and the PDF are all made from it.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QSize>
#include <QString>
#include <variant>
#include <vector>

namespace tipolab {

// Characters with a meaning inside written text, as the word processor reads them.
inline constexpr QChar kParagraphEnd = QChar(13);
inline constexpr QChar kPageBreak = QChar(12);

inline constexpr char kDocumentFont[] = "Century Gothic";
inline constexpr int kDefaultFontSize = 12;

enum class Alignment { Left, Right, Justify, Center };

struct CharFormat {
    QString font = QString::fromLatin1(kDocumentFont);
    int size = kDefaultFontSize; // points
    bool operator==(const CharFormat&) const = default;
};

// A stretch of text in one format, or a manual page break.
struct TextRun {
    QString text;
    CharFormat format;
    bool pageBreak = false;
    bool operator==(const TextRun&) const = default;
};

struct Paragraph {
    QList<TextRun> runs;
    CharFormat mark; // the format of the paragraph end, which sizes an empty line
    Alignment alignment = Alignment::Left;

    bool isEmpty() const { return runs.isEmpty(); }
    // The largest font size of the paragraph's text; an empty paragraph's is
    // the size of its end.
    int largestSize() const;
    // The text with page breaks as character 12.
    QString text() const;
    bool hasPageBreak() const;
};

struct TableCell {
    QString text; // character 13 separates paragraphs inside the cell
    Alignment alignment = Alignment::Left;
};

struct Table {
    int rows = 0;
    int columns = 0;
    CharFormat format;      // every cell of the table
    bool formatted = false; // the predefined table format (shaded heading row, grid)
    int labelColumns = 0;   // the first columns name what each row is about: kept on one line
    QList<TableCell> cells; // row by row

    Table() = default;
    Table(int rowCount, int columnCount, const CharFormat& cellFormat);
    // Rows and columns count from 1, as in the word processor.
    TableCell& cell(int row, int column) { return cells[index(row, column)]; }
    const TableCell& cell(int row, int column) const { return cells[index(row, column)]; }
    bool contains(int row, int column) const
    {
        return row >= 1 && row <= rows && column >= 1 && column <= columns;
    }

private:
    qsizetype index(int row, int column) const { return (row - 1) * columns + (column - 1); }
};

// A picture standing in a paragraph of its own: PNG data of `pixels`, shown
// `size` twips wide and high.
struct Picture {
    QByteArray png;
    QSize pixels;
    QSize size;
    Alignment alignment = Alignment::Left;
};

using Block = std::variant<Paragraph, Table, Picture>;

struct ReportDocument {
    QString title; // the document's title in its properties
    std::vector<Block> blocks;

    // Tables in document order; `number` counts from 1.
    int tableCount() const;
    const Table* table(int number) const;
    Table* table(int number);
    // Every paragraph outside the tables, in order.
    std::vector<const Paragraph*> paragraphs() const;
};

} // namespace tipolab
