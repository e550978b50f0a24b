// The data window `dati`, window 2 of 4. This version carries the common frame
// and the archive commands' entry points; the characteristics come later.
#pragma once

#include "working_window.h"

namespace tipolab {

class dati : public WorkingWindow {
    Q_OBJECT
public:
    explicit dati(ModuloTipolab& module);

    // The archive operations, which the other windows forward to.
    void archiveOpen();
    void archiveSave();
    void archiveSaveAs();
    void archiveDelete();
    // The blank acquisition form.
    void modelloacquisizione_click();

    void apri_Click() override { archiveOpen(); }
    void salva_Click() override { archiveSave(); }
    void salvanome_Click() override { archiveSaveAs(); }
    void elimina_click() override { archiveDelete(); }
    void modello_Click() override { modelloacquisizione_click(); }
    void stampa_Click() override;
    void controlla_Click() override;
    void cancellaFinestra() override;
};

} // namespace tipolab
