// How the module makes each window of the program: the working windows, the
// help and information windows and the splash. The one place that decides
// which class makes each window.
#pragma once

#include <memory>

namespace tipolab {

class DocumentDesk;
class ModuloTipolab;
class TunePlayer;

// `tune` plays the splash tune (null: silent); it must outlive the module.
// Every document of the windows goes through `desk`, kept as long as the
// module lives.
void registerWindows(ModuloTipolab& module, TunePlayer* tune, std::shared_ptr<DocumentDesk> desk);

} // namespace tipolab
