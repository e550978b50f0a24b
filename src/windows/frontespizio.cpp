#include "frontespizio.h"

namespace tipolab {

frontespizio::frontespizio(ModuloTipolab& module) : WorkingWindow(module, 4)
{
    addComingLaterNote();
    sizeToScreen();
}

void frontespizio::stampa_Click()
{
    module().notYetAvailable();
}

void frontespizio::controlla_Click()
{
    module().notYetAvailable();
}

void frontespizio::cancellaFinestra()
{
    module().notYetAvailable();
}

} // namespace tipolab
