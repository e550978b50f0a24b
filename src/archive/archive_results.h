// What the program shows after opening an archive and pressing "&Risultati":
// every type displayed once (defaults filled in, weighted coefficient
// recomputed), the completeness check over all six types, then the results.
#pragma once

#include "archive_codec.h"
#include "core/scoring.h"

#include <string>
#include <vector>

namespace tipolab {

struct ArchiveResults {
    std::vector<std::string> missing; // empty when the assessment is complete
    Results results;                  // meaningful only when nothing is missing
    AssessmentData data;              // the assessment as the windows then hold it
};

ArchiveResults evaluateArchive(const ArchiveRecord& record);

} // namespace tipolab
