// The professions window `professioni`: the occupations ranked by how closely
// their interests match the person's profile (Pearson's r between the six
// relative percentages and the occupation's six interest scores), with their
// ISCO-08 group, education level, affinity and high-point letters. The
// analytic profile by default, the self-image on request; tick boxes for the
// four levels, a search field and the selected occupation's description.
// "S&tampa" writes the professions sheet, "Esporta in &PDF" the same as a PDF.
//
// It is reached from the "&Visualizza" menu of every working window and from
// the profile window. Until the assessment is complete and its results
// computed and current, it says so in one line; it follows each new
// computation, the colour of the window it is opened from and the scaling.
#pragma once

#include "contents/professions_texts.h"
#include "sheet_window.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace tipolab {

class ProfessionsModel;

class professioni : public SheetWindow {
    Q_OBJECT
public:
    professioni(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent = nullptr);

    void aggiorna() override;
    void stampa_Click() override;

    // The ranking on show; none while the window shows its one line.
    const std::optional<ProfessionsSnapshot>& shown() const { return m_shown; }
    const ProfessionsModel& model() const { return *m_model; }

private:
    void placeControls();
    void filterChanged();
    void showDescription();

    std::optional<ProfessionsSnapshot> m_shown;
    ProfessionsModel* m_model = nullptr;
    QComboBox* profilo = nullptr;
    QLabel* codici = nullptr;
    std::array<QCheckBox*, kOccupationLevelCount> livello{};
    QLineEdit* cerca = nullptr;
    QTableView* tabella = nullptr;
    QLabel* descrizione = nullptr;
    QLabel* metodo = nullptr;
};

// Opens the professions window in `colour`, with the assessment as it stands.
void showProfessions(ModuloTipolab& module, const QColor& colour);

} // namespace tipolab
