// The comparison window `confronto`: the assessment in the windows set beside
// an earlier one of the same person, read from its archive. At the top the
// two names and dates; the hexagon chart of the two analytic profiles, the
// earlier dashed under the later; the prevailing type and the three-letter
// codes before and after, with a sentence when the prevailing type changed;
// and for every type its four percentages before and after with the change.
// "S&tampa" writes the comparison sheet, "Esporta in &PDF" the same as a PDF
// file.
//
// It is reached from the "&Visualizza" menu of every working window, which
// runs confronta(): the assessment in the windows must be complete and its
// results computed; the earlier archive is chosen with the open dialog and
// read whole, apart from the assessment in memory, which nothing here
// changes. An open comparison follows each new computation of the results.
#pragma once

#include "contents/comparison_texts.h"
#include "sheet_window.h"

#include <optional>

class QLabel;
class QTableWidget;

namespace tipolab {

class confronto : public SheetWindow {
    Q_OBJECT
public:
    confronto(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent = nullptr);

    // Asks for the earlier archive and compares it with the assessment in the
    // windows. False, with nothing changed, when the assessment is not ready,
    // the user cancels or the file is refused: each but the cancel is told.
    bool confronta();
    // The same with the earlier archive at `path`, once the assessment in the
    // windows is known to be ready.
    bool confrontaCon(const QString& path);
    // Compares the earlier assessment with the assessment in the windows
    // again, or says in one line why it cannot.
    void aggiorna() override;
    // The comparison on show; none while the window shows its one line.
    const std::optional<ComparisonSnapshot>& shown() const { return m_shown; }

    void stampa_Click() override;

private:
    void placeControls();
    void fill(const ComparisonSnapshot& s);
    // The assessment in the windows, with `results`.
    ComparedAssessment currentAssessment(const Results& results) const;

    std::optional<ComparedAssessment> m_earlier;
    std::optional<ComparisonSnapshot> m_shown;

    QLabel* prima = nullptr;
    QLabel* dopo = nullptr;
    QTableWidget* sintesi = nullptr;
    QLabel* cambio = nullptr;
    QTableWidget* percentuali = nullptr;
};

} // namespace tipolab
