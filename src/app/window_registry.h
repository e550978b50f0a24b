// How the module makes each window of the program: the working windows, the
// help and information windows and the splash. The one place that decides
// which class makes each window.
#pragma once

namespace tipolab {

class ModuloTipolab;
class TunePlayer;

// `tune` plays the splash tune (null: silent); it must outlive the module.
void registerWindows(ModuloTipolab& module, TunePlayer* tune);

} // namespace tipolab
