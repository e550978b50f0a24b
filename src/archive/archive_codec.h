// The archive file of one assessment: 79 comma-separated lines holding 391
// values (the title page, the general judgement of each type, and the judgement
// and weight of each characteristic), lines ending in CR LF. Bytes in, bytes
// out: the file operations live in archive_file.h.
#pragma once

#include "assessment_data.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tipolab {

inline constexpr int kTitleFieldCount = 7;
inline constexpr int kArchiveLineCount = 79;
inline constexpr int kArchiveValueCount = 391;

// The title-page fields in the order of the file.
inline constexpr std::array<std::string_view, kTitleFieldCount> kTitleFieldNames = {
    "progetto", "persona", "tipostudio", "committente", "luogo", "data", "allegati"};
using TitleFields = std::array<std::string, kTitleFieldCount>;
inline constexpr int kPersonaField = 1;
inline constexpr int kDataField = 5;
// The longest title-page field the windows hold, in UTF-16 units (a line
// edit's own limit): a character beyond the basic plane counts twice.
inline constexpr int kLongestTitleField = 32767;

// Everything an archive file holds.
struct ArchiveRecord {
    TitleFields title;
    TypeJudgements types;
    CharacteristicTable characteristics;
    bool operator==(const ArchiveRecord&) const = default;
};

// Where and why a file could not be read. `line` and `position` (the value's
// place on its line) count from 1; position 0 means the whole line.
struct ArchiveError {
    int line = 0;
    int position = 0;
    std::string value;  // the offending value as it stands in the file
    std::string reason; // in Italian, for the user
    // "riga 8, valore 2 («x»): <reason>"
    std::string describe() const;
};

struct ArchiveReadResult {
    std::optional<ArchiveRecord> record; // set only when the whole file is sound
    ArchiveError error;
};

// The file's bytes. Code page 1252 unless some text needs more (or its code
// page bytes would read as UTF-8), then UTF-8 with a byte-order mark. A
// double quote in a text is written as an apostrophe so that the file always
// reads back in step.
std::string writeArchive(const ArchiveRecord& record);

// Reads the 391 values, all or nothing: any value outside its field, a title
// field longer than kLongestTitleField, a judgement whose word, step and
// coefficient disagree, or a file that ends early, gives an error and no
// record. Content after the last value is ignored. Without a byte-order mark
// the bytes are UTF-8 or code page 1252 as decodeUnmarked() tells.
ArchiveReadResult readArchive(std::string_view bytes);

// The parts of the assessment an archive holds, and back.
ArchiveRecord recordFrom(const AssessmentData& data, const TitleFields& title);
void applyRecord(const ArchiveRecord& record, AssessmentData& data);

} // namespace tipolab
