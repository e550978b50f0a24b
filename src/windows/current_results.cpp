#include "current_results.h"

#include "core/check.h"
#include "contents/snapshot_from_archive.h"
#include "dati.h"
#include "risultati.h"
#include "sheet_window.h"

namespace tipolab {

CurrentResults currentResults(ModuloTipolab& module)
{
    using State = CurrentResults::State;
    CurrentResults out;
    const AssessmentData& data = module.data();
    out.missing = missingForResults(data.types, data.characteristics);
    if (!out.missing.empty()) {
        out.state = State::Incomplete;
        return out;
    }
    const auto* shown = qobject_cast<const risultati*>(module.existingWindow(WindowId::Risultati));
    if (!shown || data.prevailingType == 0) return out;
    std::array<std::optional<double>, kTypeCount> weighted;
    for (int t = 0; t < kTypeCount; ++t)
        weighted[t] = displayedWeightedCoefficient(data.characteristics[t]);
    const Results results = computeResults(data.types, weighted);
    // The results `calcolo` would show now, against those it showed last.
    if (resultsWindowSnapshot(results, QLocale()).rows != shown->snapshot().rows) {
        out.state = State::OutOfDate;
        return out;
    }
    out.state = State::Current;
    out.results = results;
    return out;
}

bool bringResultsUpToDate(ModuloTipolab& module)
{
    if (currentResults(module).state == CurrentResults::State::Current) return true;
    auto* data = module.windowAs<dati>(WindowId::Dati);
    auto* results = module.windowAs<risultati>(WindowId::Risultati);
    if (!data || !results || !data->checkSilently()) return false;
    // Every type displayed once, so that every weighted coefficient is current.
    data->displayEachType();
    results->calcolo();
    return true;
}

void assessmentReplaced(ModuloTipolab& module)
{
    if (auto* shown = qobject_cast<risultati*>(module.existingWindow(WindowId::Risultati)))
        shown->followAssessment();
    for (SheetWindow* sheet : SheetWindow::openWindows(module))
        sheet->aggiorna();
}

} // namespace tipolab
