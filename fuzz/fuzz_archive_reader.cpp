// Any bytes given to the archive reader: it must never crash, whatever it
// accepts must survive a write and a second read unchanged, its title fields
// fit the windows and its judgements say one thing in word, step and
// coefficient.
#include "archive/archive_codec.h"
#include "core/model.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::size_t utf16Units(const std::string& utf8)
{
    std::size_t n = 0;
    for (unsigned char b : utf8)
        n += (b & 0xC0) == 0x80 ? 0 : (b >= 0xF0 ? 2 : 1);
    return n;
}

bool consistent(const tipolab::Judgement& j)
{
    using namespace tipolab;
    const float c = static_cast<float>(j.coefficient.toNumber());
    if (j.coefficient.isNumber() && std::signbit(c)) return false;
    if (j.step.isEmpty()) return j.word.isEmpty() && c == 0;
    const int n = static_cast<int>(j.step.toNumber());
    return j.word.toText() == stepWord(n) && j.coefficient.isNumber() &&
           (c == stepCoefficient(n) || (c == 0 && !j.isTicked()));
}

} // namespace

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
    for (const std::string& field : first.record->title)
        if (utf16Units(field) > std::size_t(kLongestTitleField)) std::abort();
    for (const Judgement& j : first.record->types)
        if (!consistent(j)) std::abort();
    for (const CharacteristicRow& row : first.record->characteristics)
        for (const CharacteristicEntry& e : row)
            if (!consistent(e)) std::abort();
    ArchiveRecord expected = *first.record;
    for (std::string& field : expected.title)
        for (char& c : field)
            if (c == '"') c = '\'';
    const ArchiveReadResult second = readArchive(writeArchive(*first.record));
    if (!second.record || !(*second.record == expected)) std::abort();
    return 0;
}
