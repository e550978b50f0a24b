#include "dati.h"

namespace tipolab {

dati::dati(ModuloTipolab& module) : WorkingWindow(module, 2)
{
    addComingLaterNote();
    sizeToScreen();
}

// The archive file comes with a later version; until then each command says so.
void dati::archiveOpen()
{
    module().notYetAvailable();
}

void dati::archiveSave()
{
    module().notYetAvailable();
}

void dati::archiveSaveAs()
{
    module().notYetAvailable();
}

void dati::archiveDelete()
{
    module().notYetAvailable();
}

void dati::modelloacquisizione_click()
{
    module().notYetAvailable();
}

void dati::stampa_Click()
{
    module().notYetAvailable();
}

void dati::controlla_Click()
{
    module().notYetAvailable();
}

void dati::cancellaFinestra()
{
    module().notYetAvailable();
}

} // namespace tipolab
