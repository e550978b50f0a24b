// The encodings of an archive file: the Western European single-byte code page
// (code page 1252) that archives have always used, UTF-8 with a byte-order
// mark for texts that code page cannot hold, and UTF-8 without one, as other
// programs save it. Internally all text is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tipolab {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Code page 1252 bytes to UTF-8. Every byte has a meaning (the five bytes the
// code page leaves unassigned map to the control characters of the same number).
std::string decodeCp1252(std::string_view bytes);

// Text without a byte-order mark: UTF-8 when the bytes are well-formed UTF-8
// and hold a multi-byte sequence (code page 1252 text practically never is),
// otherwise code page 1252.
bool readsAsUtf8(std::string_view bytes);
std::string decodeUnmarked(std::string_view bytes);

// UTF-8 to code page 1252; nullopt when some character has no place in it.
std::optional<std::string> encodeCp1252(std::string_view utf8);

// The offset of the first byte that is not part of well-formed UTF-8, or npos.
std::size_t findInvalidUtf8(std::string_view bytes);

} // namespace tipolab
