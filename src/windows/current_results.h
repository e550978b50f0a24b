// The results of the assessment in the windows, for the windows that read
// them (the profile and the comparison): only while the assessment is
// complete and the results window shows what `calcolo` gives for it now.
#pragma once

#include "core/scoring.h"
#include "shell/modulo_tipolab.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace tipolab {

struct CurrentResults {
    enum class State {
        Incomplete,  // the check's lines say what is missing
        NotComputed, // "&Risultati" has not run yet
        OutOfDate,   // the entries changed after it ran
        Current,
    };
    State state = State::NotComputed;
    std::vector<std::string> missing; // for Incomplete: the check's lines, type by type
    std::optional<Results> results;   // for Current
};

CurrentResults currentResults(ModuloTipolab& module);

// Before a document that shows results: computes them again, as "&Risultati"
// does, when they are missing or out of date. False, after the check has
// said what is missing, when the assessment is incomplete.
bool bringResultsUpToDate(ModuloTipolab& module);

// The assessment on display was replaced (opened, recovered) or cleared: the
// results window says that its results are out of date, and the profile and
// comparison windows show why they show nothing.
void assessmentReplaced(ModuloTipolab& module);

// What the windows that read the results say while they are out of date.
inline const QString kResultsOutOfDate =
    QStringLiteral("I dati sono cambiati dopo l'ultimo calcolo: premere \u00abRisultati\u00bb "
                   "nella finestra Dati.");

} // namespace tipolab
