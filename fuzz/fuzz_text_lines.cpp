// Any bytes as the tips file or the price list: the reader never crashes, no
// line it gives holds a line end, and it never gives more lines than the
// bytes have line ends, plus one.
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
    return 0;
}
