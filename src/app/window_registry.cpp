#include "window_registry.h"

#include "help/about_window.h"
#include "help/help_windows.h"
#include "help/splash_window.h"
#include "help/support_window.h"
#include "shell/modulo_tipolab.h"
#include "state/program_paths.h"
#include "windows/confronto.h"
#include "windows/dati.h"
#include "windows/frontespizio.h"
#include "windows/professioni.h"
#include "windows/profilo.h"
#include "windows/registro.h"
#include "windows/risultati.h"
#include "windows/studio_dialog.h"
#include "windows/tipi.h"

namespace tipolab {

void registerWindows(ModuloTipolab& module, TunePlayer* tune, std::shared_ptr<DocumentDesk> desk)
{
    module.registerWindow(WindowId::Tipi, [&module, desk] { return new tipi(module, *desk); });
    module.registerWindow(WindowId::Dati, [&module, desk] { return new dati(module, *desk); });
    module.registerWindow(WindowId::Risultati,
                          [&module, desk] { return new risultati(module, *desk); });
    module.registerWindow(WindowId::Frontespizio,
                          [&module, desk] { return new frontespizio(module, *desk); });
    module.registerWindow(WindowId::Profilo,
                          [&module, desk] { return new profilo(module, *desk); });
    module.registerWindow(WindowId::Confronto,
                          [&module, desk] { return new confronto(module, *desk); });
    module.registerWindow(WindowId::Professioni,
                          [&module, desk] { return new professioni(module, *desk); });
    module.registerWindow(WindowId::Registro,
                          [&module, desk] { return new registro(module, *desk); });

    module.registerWindow(WindowId::About, [&module] { return new informa(module.identity()); });
    module.registerWindow(WindowId::Support,
                          [&module] { return new supportoclienti(module.installation()); });
    module.registerWindow(WindowId::StudioData, [&module] { return new StudioDialog(module); });

    // The splash sets the program identity as it loads; a click shows the
    // types window, a key closes it.
    module.registerWindow(WindowId::Splash, [&module, tune] {
        module.datiprogramma();
        auto* splash = new frmSplash(module.identity(), tune);
        QObject::connect(splash, &frmSplash::clicked, &module, &ModuloTipolab::mostratipi);
        QObject::connect(splash, &frmSplash::keyPressed, &module, &ModuloTipolab::chiudiSplash);
        return splash;
    });
    module.setSplashReturn([](QWidget* splash) {
        if (auto* s = qobject_cast<frmSplash*>(splash)) s->showAfterExit();
    });

    // The online help: contents, the seven pages and their documents, the tip
    // of the day and the price list, with the files the program ships.
    registerHelpWindows(module, ProgramPaths::current().dataDir(), std::move(desk));
}

} // namespace tipolab
