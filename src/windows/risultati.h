// The results window `risultati`, window 3 of 4: the six personality types in
// decreasing order with their four percentages, the sentence naming the
// prevailing type, its icon, and the description of every type with the
// prevailing one highlighted. The window only shows: `calcolo` puts every
// number in place, and none of its commands changes the assessment.
//
// Control arrays are indexed from 1 (rows 1..6, or types 1..6 for `Image1` and
// `Text1`): slot 0 is unused.
#pragma once

#include "core/model.h"
#include "working_window.h"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace tipolab {

class IconImage;

class risultati : public WorkingWindow {
    Q_OBJECT
public:
    risultati(ModuloTipolab& module, DocumentDesk& desk);

    // Computes the results from the general coefficients and the weighted
    // coefficients held in the assessment, fills the table, the sentence, the
    // prevailing type and its highlight, and stores the prevailing type; an
    // open profile window follows. It does not check the data: its callers do.
    void calcolo();

    void aiuto_Click();
    void guidainlinea_Click();
    void indietro_Click();
    void front_Click();
    void esco_Click();

    // The results sheet. Results computed for an assessment that has changed
    // since (or been replaced by another) are computed again first, or the
    // check says what is missing and nothing is written.
    void stampa_Click() override;
    // The guidance line says so while the results shown are no longer the
    // assessment's own, and returns to its guidance once they are again.
    void followAssessment();
    // The results window checks through the data window.
    void controlla_Click() override;

    // What the window shows, row r in 1..6 of the table.
    QLabel* tipolLabel(int r) const { return tipol[r]; }
    QLabel* sintassLabel(int r) const { return sintass[r]; }
    QLabel* anassLabel(int r) const { return anass[r]; }
    QLabel* sintrelLabel(int r) const { return sintrel[r]; }
    QLabel* anrelLabel(int r) const { return anrel[r]; }
    QLabel* risultatLabel() const { return risultat; }
    QLabel* passoLabel() const { return passo; }
    // The table, the prevailing type's name and number as they stand.
    ResultsWindowSnapshot snapshot() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Computed once, the results shown no longer those of the assessment.
    bool outOfDate();
    void placeControls();
    void placeTable(QWidget* area);
    void placeResult(QWidget* area);
    void placeButtons(QWidget* area);
    // Hides every icon but the prevailing type's and sets its description bold
    // in dark blue, the others plain; 0 highlights none.
    void evidenzia(int prevailingType);

    using RowLabels = std::array<QLabel*, kTypeCount + 1>;
    RowLabels num{};
    RowLabels tipol{};
    RowLabels sintass{};
    RowLabels anass{};
    RowLabels sintrel{};
    RowLabels anrel{};
    QLabel* Label14 = nullptr;
    QLabel* risultat = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<IconImage*, kTypeCount + 1> Image1{};
    std::array<QPlainTextEdit*, kTypeCount + 1> Text1{};
    QLabel* passo = nullptr;
};

} // namespace tipolab
