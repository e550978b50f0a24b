// The register window `registro`: every archive of a folder and its
// subfolders in one table (the register of register/register_rows.h), read
// off the interface thread with a progress bar and "Annulla", sorted by any
// column, searched by person, institute and file, filtered by state, with a
// summary band under it (the counts, the prevailing types as bars, the mean
// profile on the hexagon). Enter or a double click opens the assessment in
// the working windows as "Apri" does. "S&tampa" writes the class sheet and
// "Esporta..." the spreadsheet, both of the rows on show; with "senza nomi"
// ticked they carry codes and the key goes to a file of its own. It is
// reached from "&File" of every working window and reads the folder again
// (only the files that changed) each time it comes to the front.
#pragma once

#include "register_model.h"
#include "sheet_window.h"

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QTableView;

namespace tipolab {

class PrevailingBarsView;

class registro : public SheetWindow {
    Q_OBJECT
public:
    registro(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent = nullptr);
    ~registro() override;

    // Asks for the folder (the last archive's by default) and reads it.
    bool scegliCartella();
    // Reads `folder` in the background; the table follows when it is done.
    void leggi(const QString& folder);
    // Reads the folder again, keeping the rows of the files that did not change.
    void aggiorna() override;
    void stampa_Click() override;
    void esporta_Click();

    bool loading() const { return m_worker != nullptr; }
    const RegisterModel& model() const { return *m_model; }
    // The rows on show, in the order shown.
    std::vector<RegisterRow> shownRows() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void placeControls();
    void placeSummary();
    void placeExport();
    void startReading(bool fresh);
    void finished(int generation, std::vector<RegisterRow> rows, bool cancelled);
    void stopReading();
    void openSelected();
    void showSummary();
    // The rows to export; with "senza nomi" their codes, once the key is
    // written where the user chooses. Nothing when the user cancels or the
    // key cannot be written.
    std::optional<std::vector<RegisterRow>> rowsToExport();
    QString folderName() const;

    QString m_folder;
    RegisterModel* m_model = nullptr;
    RegisterFilter* m_filter = nullptr;
    std::unique_ptr<std::thread> m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<std::atomic<int>> m_done, m_total;
    int m_generation = 0; // of the reading under way; a late one's rows are dropped

    QLabel* cartella = nullptr;
    QLineEdit* cerca = nullptr;
    std::array<QCheckBox*, 3> stati{};
    QTableView* tabella = nullptr;
    QProgressBar* avanzamento = nullptr;
    QPushButton* annulla = nullptr;
    QLabel* riepilogo = nullptr;
    PrevailingBarsView* barre = nullptr;
    QCheckBox* senzaNomi = nullptr;
    QPushButton* esporta = nullptr;
};

} // namespace tipolab
