// The snapshot of the windows as they would stand after opening an archive and
// pressing "&Risultati": what the command-line tool prints from.
#pragma once

#include "profile_texts.h"
#include "report_snapshot.h"
#include "archive/archive_codec.h"
#include "state/installation_data.h"

#include <string>
#include <vector>

namespace tipolab {

struct ArchiveSnapshot {
    // The data check's lines; empty when the assessment is complete. The
    // results window stays empty otherwise.
    std::vector<std::string> missing;
    ReportSnapshot windows;
    ProfileSnapshot profile; // only when nothing is missing
};

// The results window as `calcolo` fills it with `results`.
ResultsWindowSnapshot resultsWindowSnapshot(const Results& results, const QLocale& locale);

ArchiveSnapshot snapshotFromArchive(const ArchiveRecord& record,
                                    const InstallationData& installation,
                                    const QLocale& locale = QLocale());

} // namespace tipolab
