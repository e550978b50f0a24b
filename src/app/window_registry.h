// How the module makes each window of the program: the working windows, the
// help and information windows and the splash. The one place that decides
// which windows are the real ones and which still stand in for a later version.
#pragma once

namespace tipolab {

class ModuloTipolab;
class TunePlayer;

// `tune` plays the splash tune (null: silent); it must outlive the module.
void registerWindows(ModuloTipolab& module, TunePlayer* tune);

} // namespace tipolab
