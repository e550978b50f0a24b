// The results window `risultati`, window 3 of 4. This version carries the
// common frame; the results table comes later.
#pragma once

#include "working_window.h"

namespace tipolab {

class risultati : public WorkingWindow {
    Q_OBJECT
public:
    explicit risultati(ModuloTipolab& module);

    void stampa_Click() override;
    // The results window checks through the data window.
    void controlla_Click() override;
};

} // namespace tipolab
