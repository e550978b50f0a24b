// "tipolab-cli profilo": the profile of one or more archives (codes,
// differences and indices), as text in the user's regional settings or as CSV.
#pragma once

#include "results_command.h"

namespace tipolab {

// Writes the profiles to `out` and every refused file to `err`, as "risultati"
// does. Returns 0 when every file gave a profile, 1 when any file was reported.
int runProfile(const ResultsOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
