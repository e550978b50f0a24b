// The profile window `profilo`: the shape of the person's profile, read from
// the relative percentages the results window shows. The hexagon chart of the
// self-image (sint.rel.) and of the analytic result (anal.rel.); for each the
// three-letter code, the differentiation, the first two types and the
// consistency; the differences type by type with the agreement of the two
// rankings and a sentence on where the person over- or underrates themself;
// and for every type the characteristics that weigh most and those judged
// lowest; under the chart, how far the answers can be trusted. "S&tampa"
// writes the profile sheet, "Esporta in &PDF" the same as a PDF file.
//
// Until the assessment is complete and its results computed and current, the
// window says so in one line and shows nothing else. It is reached from the
// "&Visualizza" menu of every working window, takes the colour of the window
// it is opened from and is scaled like the other windows.
#pragma once

#include "core/model.h"
#include "contents/profile_texts.h"
#include "sheet_window.h"

#include <array>
#include <optional>

class QLabel;
class QTableWidget;

namespace tipolab {

class profilo : public SheetWindow {
    Q_OBJECT
public:
    profilo(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent = nullptr);

    // Reads the assessment and the results window again and shows the profile,
    // or the line that says why there is none.
    void aggiorna() override;
    // The profile on show; none while the window shows its one line.
    const std::optional<ProfileSnapshot>& shown() const { return m_shown; }

    void stampa_Click() override;

private:
    void placeControls();
    void placeIndices();
    void placeDifferences();
    void placeResponseStyle();
    void placeEvidence();
    void fill(const ProfileSnapshot& s);

    std::optional<ProfileSnapshot> m_shown;

    using ProfileCells = std::array<QLabel*, 3>; // [1] self-image, [2] analytic
    using TypeCells = std::array<QLabel*, kTypeCount + 1>;
    ProfileCells codice{};
    ProfileCells differenziazione{};
    ProfileCells primi{};
    ProfileCells coerenza{};
    QLabel* regola = nullptr;
    TypeCells sintrel{};
    TypeCells anrel{};
    TypeCells differenza{};
    QLabel* accordo = nullptr;
    QLabel* frase = nullptr;
    QLabel* attendibilita = nullptr;
    QTableWidget* evidenze = nullptr;
};

} // namespace tipolab
