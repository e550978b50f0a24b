#include "report_document.h"

#include <algorithm>

namespace tipolab {

QString Paragraph::text() const
{
    QString out;
    for (const TextRun& run : runs)
        out += run.pageBreak ? QString(kPageBreak) : run.text;
    return out;
}

int Paragraph::largestSize() const
{
    int size = 0;
    for (const TextRun& run : runs) {
        if (!run.pageBreak) size = std::max(size, run.format.size);
    }
    return size > 0 ? size : mark.size;
}

bool Paragraph::hasPageBreak() const
{
    return std::any_of(runs.begin(), runs.end(), [](const TextRun& r) { return r.pageBreak; });
}

Table::Table(int rowCount, int columnCount, const CharFormat& cellFormat)
    : rows(rowCount), columns(columnCount), format(cellFormat),
      cells(static_cast<qsizetype>(rowCount) * columnCount)
{
}

int ReportDocument::tableCount() const
{
    return static_cast<int>(std::count_if(blocks.begin(), blocks.end(), [](const Block& b) {
        return std::holds_alternative<Table>(b);
    }));
}

const Table* ReportDocument::table(int number) const
{
    int seen = 0;
    for (const Block& block : blocks) {
        if (const Table* t = std::get_if<Table>(&block); t && ++seen == number) return t;
    }
    return nullptr;
}

Table* ReportDocument::table(int number)
{
    return const_cast<Table*>(std::as_const(*this).table(number));
}

std::vector<const Paragraph*> ReportDocument::paragraphs() const
{
    std::vector<const Paragraph*> out;
    for (const Block& block : blocks) {
        if (const Paragraph* p = std::get_if<Paragraph>(&block)) out.push_back(p);
    }
    return out;
}

} // namespace tipolab
