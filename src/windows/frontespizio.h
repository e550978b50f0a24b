// The title-page window `frontespizio`, window 4 of 4. This version carries the
// common frame; the title-page fields come later.
#pragma once

#include "working_window.h"

namespace tipolab {

class frontespizio : public WorkingWindow {
    Q_OBJECT
public:
    explicit frontespizio(ModuloTipolab& module);

    void stampa_Click() override;
    void controlla_Click() override;
    void cancellaFinestra() override;
};

} // namespace tipolab
