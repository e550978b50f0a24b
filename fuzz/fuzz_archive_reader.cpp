// Any bytes given to the archive reader: it must never crash, and whatever it
// accepts must survive a write and a second read unchanged.
#include "archive/archive_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tipolab;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ArchiveReadResult first = readArchive(bytes);
    if (!first.record) {
        // A refusal always says where and why.
        if (first.error.line < 1 || first.error.reason.empty()) std::abort();
        return 0;
    }
    ArchiveRecord expected = *first.record;
    for (std::string& field : expected.title)
        for (char& c : field)
            if (c == '"') c = '\'';
    const ArchiveReadResult second = readArchive(writeArchive(*first.record));
    if (!second.record || !(*second.record == expected)) std::abort();
    return 0;
}
