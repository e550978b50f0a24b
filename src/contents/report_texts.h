// The fixed explanatory paragraphs of the full report ("Relazione"). Each is one
// paragraph of plain text, without paragraph or page breaks of its own.
#pragma once

#include <string_view>

namespace tipolab {

// Paragraph n in 1..7 (P1 .. P7, in the order the report writes them). P4 ends
// with the colon that introduces the two conditions a) and b).
std::string_view explanatoryParagraph(int n);

} // namespace tipolab
