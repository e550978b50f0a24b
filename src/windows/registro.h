// The register window `registro`: every archive of a folder and its
// subfolders in one table (the register of register/register_rows.h), read
// off the interface thread with a progress bar and "Annulla", sorted by any
// column, searched by person, institute and file, filtered by state, with the
// counts and the prevailing types under it. Enter or a double click opens the
// assessment in the working windows as "Apri" does; "S&tampa" writes the
// class sheet. It is reached from "&File" of every working window and reads
// the folder again each time it comes to the front.
#pragma once

#include "register_model.h"
#include "sheet_window.h"

#include <atomic>
#include <memory>
#include <thread>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QTableView;

namespace tipolab {

class registro : public SheetWindow {
    Q_OBJECT
public:
    registro(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent = nullptr);
    ~registro() override;

    // Asks for the folder (the last archive's by default) and reads it.
    bool scegliCartella();
    // Reads `folder` in the background; the table follows when it is done.
    void leggi(const QString& folder);
    // Reads the folder on show again.
    void aggiorna() override;
    void stampa_Click() override;

    bool loading() const { return m_worker != nullptr; }
    const RegisterModel& model() const { return *m_model; }
    const RegisterFilter& filter() const { return *m_filter; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void placeControls();
    void finished(std::vector<RegisterRow> rows, bool cancelled);
    void stopReading();
    void openSelected();
    void showSummary();

    QString m_folder;
    RegisterModel* m_model = nullptr;
    RegisterFilter* m_filter = nullptr;
    std::unique_ptr<std::thread> m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<std::atomic<int>> m_done, m_total;

    QLabel* cartella = nullptr;
    QLineEdit* cerca = nullptr;
    std::array<QCheckBox*, 3> stati{};
    QTableView* tabella = nullptr;
    QProgressBar* avanzamento = nullptr;
    QPushButton* annulla = nullptr;
    QLabel* riepilogo = nullptr;
};

} // namespace tipolab
