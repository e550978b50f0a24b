// The number of pages of a document, reckoned without building a text document:
// every line has a fixed height, so the pages follow from how many lines each
// block of text breaks into, and from the rules by which Qt's text layout moves
// lines, table rows and whole tables to the next page, followed here step by
// step with its own rounding. It gives the count the QTextDocument of
// buildTextDocument() gives on the same device, at a fraction of its cost.
#pragma once

#include "page_flow.h"
#include "document/report_document.h"

#include <optional>

class QPaintDevice;

namespace tipolab {

struct FlowBlock;
struct Table;

// Counts the pages of documents on one device. It remembers how each block of
// text it has measured breaks into lines, so that counting a document again
// after a small change measures only what changed.
class PageReckoner {
public:
    explicit PageReckoner(QPaintDevice& device);

    // The pages of `document`, or none when it holds a picture or may run
    // past kMostPages.
    std::optional<int> count(const ReportDocument& document);

    // Lengths are whole numbers of 1/64 pixel, as in the layout, and hold on
    // the device for some two thousand pages: longer documents are left to the
    // layout itself.
    static constexpr int kMostPages = 1000;

private:
    BlockLines measure(const FlowBlock& b);
    void addBlock(const FlowBlock& b, bool afterTable, bool beforeTable);
    void addTable(const Table& t, bool breakBefore);
    // Whether `length` more stays within kMostPages; if not, the count is given up.
    bool reaches(std::int64_t length);

    PageMetrics m_metrics;
    LineBreaks m_lines;
    PageFlow m_flow;           // of the document being counted
    bool m_withinReach = true; // of kMostPages so far
    std::vector<LinePiece> m_pieces;
};

} // namespace tipolab
