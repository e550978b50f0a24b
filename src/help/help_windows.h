// How the module makes the windows of the online help: the contents, the seven
// pages, the tip of the day and the price list, and how a help page becomes a
// document (`stampaguida`).
#pragma once

#include <QString>
#include <memory>

namespace tipolab {

class DocumentDesk;
class ModuloTipolab;

// The tips and the price list are read from `programDir`; the documents go
// through `desk`, which the module keeps as long as it lives.
void registerHelpWindows(ModuloTipolab& module, const QString& programDir,
                         std::shared_ptr<DocumentDesk> desk);

} // namespace tipolab
