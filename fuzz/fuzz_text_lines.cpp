// Any bytes as the tips file or the price list: the reader never crashes, no
// line it gives holds a line end, and it never gives more lines than the
// bytes have line ends, plus one. A price list it lets through holds text and
// no control character but the tab.
#include "help/price_list_file.h"
#include "state/text_lines.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = tipolab::decodeTextLines(bytes);
    if (lines.size() > bytes.count('\n') + bytes.count('\r') + 1) std::abort();
    for (const QString& line : lines) {
        if (line.contains(u'\n') || line.contains(u'\r')) std::abort();
    }
    if (tipolab::priceListProblem(lines).isEmpty()) {
        bool text = false;
        for (const QString& line : lines) {
            for (const QChar c : line) {
                if (c.category() == QChar::Other_Control && c != u'\t') std::abort();
            }
            text = text || !line.trimmed().isEmpty();
        }
        if (!text) std::abort();
    }
    return 0;
}
