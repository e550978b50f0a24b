#include "risultati.h"

#include "dati.h"

namespace tipolab {

risultati::risultati(ModuloTipolab& module) : WorkingWindow(module, 3)
{
    addComingLaterNote();
    sizeToScreen();
}

void risultati::stampa_Click()
{
    module().notYetAvailable();
}

void risultati::controlla_Click()
{
    if (dati* d = dataWindow()) d->controlla_Click();
}

} // namespace tipolab
