#include "archive_results.h"

#include "core/check.h"

namespace tipolab {

ArchiveResults evaluateArchive(const ArchiveRecord& record)
{
    ArchiveResults out;
    applyRecord(record, out.data);
    for (int t = 1; t <= kTypeCount; ++t) {
        CharacteristicRow& row = out.data.characteristics[t - 1];
        applyDisplayDefaults(row);
        out.data.weighted[t - 1] = displayedWeightedCoefficient(row);
    }
    out.missing = missingForResults(out.data.types, out.data.characteristics);
    if (out.missing.empty()) {
        out.results = computeResults(out.data.types, out.data.weighted);
        out.data.prevailingType = out.results.prevailingType;
    }
    return out;
}

} // namespace tipolab
