// The data window `dati`, window 2 of 4: the analytic judgement of the twelve
// characteristics of one personality type at a time, with the weight of each
// in percent, the indicators of the type on display (mean step, mean
// coefficient, overall judgement, weight still to assign, weighted
// coefficient), the guidance line, the check, the help on the next step, the
// clear and the way on to the results. The window also owns the archive
// commands, which the other windows forward to it.
//
// Control arrays are indexed from 1, as the rows are numbered: slot 0 is unused.
#pragma once

#include "core/model.h"
#include "scale_frame.h"
#include "working_window.h"

#include <array>
#include <memory>

class QCheckBox;
class QLabel;

namespace tipolab {

class ArchiveCommands;
class WeightArrows;

class dati : public WorkingWindow {
    Q_OBJECT
public:
    dati(ModuloTipolab& module, DocumentDesk& desk);
    ~dati() override;

    // Display of the next type; REALISTA follows CONVENZIONALE.
    void successive_Click();
    // The type before the one on display (Page Up; Page Down is "successive").
    void precedenti_Click();
    // Tick procedure: runs on every change of box `index`, by a click or from code.
    void cecc_Click(int index);
    // Judgement procedure: step `index` 1..11 for the row awaiting a judgement.
    void giud_Click(int index);
    // Weight procedure: an arrow click on row `index`.
    void scrolla_Change(int index);
    // Recomputes the indicators of the type on display.
    void media_Change();
    // Recomputes the remainder of the weights and the weighted coefficient.
    void aggiornaResto();
    void aggiornaPasso();
    void aiuto_Click();
    // "&Risultati": the silent check, every type displayed once, the results.
    void avanti_Click();
    void cmdGuida_Click();
    void cmdesci_Click();

    // What the check examines: every type, for the menu, "&Risultati" and the
    // report; only the type on display, for saving work in progress.
    enum class CheckScope { AllTypes, TypeOnDisplay };
    // The check over every type. Called with the assessment's check flag at 1
    // it stays silent when the data are complete and clears the flag; a
    // failure is always shown.
    void controlla_Click() override { controlla(CheckScope::AllTypes); }
    // When the type on display is complete and another is not, the window
    // displays the first such type and the message names it.
    void controlla(CheckScope scope);
    // Runs the check silently and leaves the flag at 0. True when the data
    // are complete; otherwise the check has shown what is missing.
    bool checkSilently(CheckScope scope = CheckScope::AllTypes);
    // Clears the characteristic data of all six types.
    void cancella_click();
    void cancellaFinestra() override { cancella_click(); }

    // The archive commands.
    void apri_Click() override;
    void salva_Click() override;
    void salvanome_Click() override;
    void elimina_click() override;
    // The data sheet and the blank acquisition form.
    void stampa_Click() override;
    void modelloacquisizione_click();
    void modello_Click() override { modelloacquisizione_click(); }

    // Displays each type in turn from REALISTA, reading what the window shows
    // of it, and ends with REALISTA on display again.
    DataWindowSnapshot displayEachType();

    // After an archive is loaded: each type displayed once, ending on the one
    // on display before, and no row awaiting a judgement.
    void showLoadedCharacteristics();

    // The archive file the assessment was last opened from or saved to; empty
    // until then.
    QString currentFileName() const;
    ArchiveCommands& archive() { return *m_archive; }
    int currentType() const;
    int tickCount() const { return m_tickCount; }
    // The indicators and the guidance line.
    QLabel* mediaLabel() const { return media; }
    QLabel* passoLabel() const { return passo; }

private:
    void placeControls();
    void placeHeadings(QWidget* area);
    void placeRows(QWidget* area);
    void placeIndicators(QWidget* area);
    // The buttons at the bottom, left to right.
    QList<QWidget*> placeButtons(QWidget* area);
    // The display procedure for the current type.
    void mostraTipo();
    void togliCaratteristica();
    void attivaScala() { Frame1->setStepsEnabled(true); }
    void disattivaScala() { Frame1->setStepsEnabled(false); }
    void showWeight(int c, int weight);
    // What a screen reader names the box and the weight of row c.
    void nameRow(int c);
    // The check's four lines for the type on display, empty where nothing is missing.
    QStringList checkLines() const;
    // After a check that found something missing: the keyboard to the first
    // row of the type on display that lacks it.
    void focusFirstGap();
    bool nothingEntered() const;
    CharacteristicEntry& entry(int c);

    std::array<QLabel*, kCharacteristicCount + 1> num{};
    std::array<QCheckBox*, kCharacteristicCount + 1> cecc{};
    std::array<QLabel*, kCharacteristicCount + 1> caratt{};
    std::array<QLabel*, kCharacteristicCount + 1> giudiz{};
    std::array<QLabel*, kCharacteristicCount + 1> valor{};
    std::array<QLabel*, kCharacteristicCount + 1> coeff{};
    std::array<QLabel*, kCharacteristicCount + 1> perc{};
    std::array<WeightArrows*, kCharacteristicCount + 1> scrolla{};
    QLabel* appunti = nullptr;
    QLabel* valoremedio = nullptr;
    QLabel* media = nullptr;
    QLabel* complessivo = nullptr;
    QLabel* resto = nullptr;
    QLabel* pond = nullptr;
    QLabel* passo = nullptr;
    ScaleFrame* Frame1 = nullptr; // the eleven step buttons `giud`, from 1

    int m_pendingRow = 0; // the row awaiting a judgement; 0 when none
    int m_tickCount = 0;  // ticked boxes among the twelve on display
    std::unique_ptr<ArchiveCommands> m_archive;
};

} // namespace tipolab
