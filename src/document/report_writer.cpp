#include "report_writer.h"


namespace tipolab {
namespace {

void appendRun(Paragraph& paragraph, QChar c, const CharFormat& format)
{
    if (c == kPageBreak) {
        paragraph.runs.append(TextRun{QString(), format, true});
        return;
    }
    if (paragraph.runs.isEmpty() || paragraph.runs.last().pageBreak ||
        !(paragraph.runs.last().format == format))
        paragraph.runs.append(TextRun{QString(), format, false});
    paragraph.runs.last().text += c;
}

} // namespace

void ReportWriter::open()
{
    m_document = ReportDocument();
    m_typing = CharFormat();
    m_document.blocks.emplace_back(Paragraph{{}, m_typing, Alignment::Left});
    m_currentTable = 0;
}

void ReportWriter::setTypingFont(const QString& family)
{
    m_typing.font = family;
}

void ReportWriter::setTypingSize(int points)
{
    m_typing.size = points;
}

Paragraph& ReportWriter::lastParagraph()
{
    // The document always ends with a paragraph (open and appendTable see to it).
    return std::get<Paragraph>(m_document.blocks.back());
}

Paragraph& ReportWriter::appendText(Paragraph& paragraph, const QString& text,
                                    const CharFormat& format)
{
    Paragraph* current = &paragraph;
    if (!text.isEmpty()) current->mark = format;
    for (const QChar c : text) {
        if (c == kParagraphEnd) {
            Paragraph next{{}, format, current->alignment};
            m_document.blocks.emplace_back(std::move(next));
            current = &lastParagraph();
        } else {
            appendRun(*current, c, format);
        }
    }
    return *current;
}

void ReportWriter::typeText(const QString& text)
{
    appendText(lastParagraph(), text, m_typing);
}

void ReportWriter::appendEndParagraph()
{
    const Paragraph& last = lastParagraph();
    Paragraph next{{}, last.mark, last.alignment};
    m_document.blocks.emplace_back(std::move(next));
}

void ReportWriter::setParagraphSize(int points)
{
    Paragraph& p = lastParagraph();
    for (TextRun& run : p.runs)
        run.format.size = points;
    p.mark.size = points;
}

void ReportWriter::setParagraphText(const QString& text)
{
    Paragraph& p = lastParagraph();
    p.runs.clear();
    const CharFormat format = p.mark;
    appendText(p, text, format);
}

void ReportWriter::appendBlock(Block block)
{
    const Paragraph& last = lastParagraph();
    const CharFormat mark = last.mark;
    const Alignment alignment = last.alignment;
    if (last.isEmpty()) m_document.blocks.pop_back();
    m_document.blocks.push_back(std::move(block));
    m_document.blocks.emplace_back(Paragraph{{}, mark, alignment});
}

void ReportWriter::appendTable(int rows, int columns)
{
    appendBlock(Table(rows, columns, lastParagraph().mark));
    m_currentTable = m_document.tableCount();
}

void ReportWriter::appendPicture(Picture picture)
{
    appendBlock(std::move(picture));
}

void ReportWriter::setTableSize(int points)
{
    if (Table* t = m_document.table(m_currentTable)) t->format.size = points;
}

void ReportWriter::setCellText(int row, int column, const QString& text)
{
    Table* t = m_document.table(m_currentTable);
    Q_ASSERT(t && t->contains(row, column));
    if (t && t->contains(row, column)) t->cell(row, column).text = text;
}

void ReportWriter::applyTableFormat()
{
    if (Table* t = m_document.table(m_currentTable)) t->formatted = true;
}

void ReportWriter::justifyAll()
{
    for (Block& block : m_document.blocks) {
        if (auto* p = std::get_if<Paragraph>(&block)) {
            p->alignment = Alignment::Justify;
        } else if (auto* t = std::get_if<Table>(&block)) {
            for (TableCell& cell : t->cells)
                cell.alignment = Alignment::Justify;
        }
    }
}

void ReportWriter::rightAlignColumn(int table, int column)
{
    Table* t = m_document.table(table);
    if (!t || column < 1 || column > t->columns) return;
    for (int row = 1; row <= t->rows; ++row)
        t->cell(row, column).alignment = Alignment::Right;
}

} // namespace tipolab
