// The types window `tipi`, window 1 of 4: the general, synthetic judgement of
// each of the six personality types on the eleven-step scale, their mean
// coefficient, the guidance line, the check, the help on the next step and
// the clear.
//
// Control arrays are indexed from 1, as the rows are numbered: slot 0 is unused.
#pragma once

#include "core/judgement.h"
#include "scale_frame.h"
#include "working_window.h"

#include <array>

class QCheckBox;
class QLabel;

namespace tipolab {

class tipi : public WorkingWindow {
    Q_OBJECT
public:
    tipi(ModuloTipolab& module, DocumentDesk& desk);

    // Tick procedure: runs on every change of box `index`, by a click or from code.
    void cecc_Click(int index);
    // Judgement procedure: step `index` 1..11 for the type awaiting a judgement.
    void giud_Click(int index);
    // Recomputes the mean of the coefficients.
    void media_Change();
    void aiuto_Click();
    void avanti_Click();
    void cmdGuida_Click();
    void cmdesci_Click();

    void apri_Click() override;
    // The types sheet.
    void stampa_Click() override;
    void controlla_Click() override;
    void cancellaFinestra() override;

    void attivaScala();
    void disattivaScala();
    void aggiornaPasso();

    // Shows the word, step and coefficient stored for type t (an empty
    // coefficient is stored as 0).
    void showJudgement(int t);
    // After an archive is loaded: each type's box takes its tick flag (running
    // the tick procedure as a click would), then the loaded judgement is shown
    // as the file holds it, the mean recomputed and the scale closed.
    void showLoadedJudgements(const TypeJudgements& loaded);

    QCheckBox* ceccBox(int t) const { return cecc[t]; }
    QLabel* giudizLabel(int t) const { return giudiz[t]; }
    QLabel* valorLabel(int t) const { return valor[t]; }
    QLabel* coeffLabel(int t) const { return coeff[t]; }
    QLabel* mediaLabel() const { return media; }
    QLabel* passoLabel() const { return passo; }
    int currentType() const { return m_currentType; }
    int tickCount() const { return m_tickCount; }
    // The scale, the judgements and the mean as they stand.
    TypesWindowSnapshot snapshot() const;

private:
    void placeControls();
    void togliTipo();
    Judgement& judgementOf(int t) { return module().data().type(t); }

    std::array<QLabel*, kTypeCount + 1> numero{};
    std::array<QCheckBox*, kTypeCount + 1> cecc{};
    std::array<QLabel*, kTypeCount + 1> Label11{};
    std::array<QLabel*, kTypeCount + 1> giudiz{};
    std::array<QLabel*, kTypeCount + 1> valor{};
    std::array<QLabel*, kTypeCount + 1> coeff{};
    QLabel* media = nullptr;
    QLabel* passo = nullptr;
    QLabel* didas = nullptr;
    ScaleFrame* Frame1 = nullptr; // the eleven step buttons `giud`, from 1

    int m_currentType = 0; // the type whose box changed last; 0 after a judgement
    int m_tickCount = 0;   // ticked boxes
};

} // namespace tipolab
