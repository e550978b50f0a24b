#include "window_registry.h"

#include "help/about_window.h"
#include "help/splash_window.h"
#include "help/support_window.h"
#include "state/modulo_tipolab.h"
#include "windows/dati.h"
#include "windows/frontespizio.h"
#include "windows/placeholder_window.h"
#include "windows/risultati.h"
#include "windows/tipi.h"

namespace tipolab {
namespace {

// A window that a later version completes: its title and a line saying so.
ModuloTipolab::WindowFactory comingLater(const QString& title, const QString& what)
{
    return [title, what] {
        return new PlaceholderWindow(title, what + QStringLiteral(" sarà disponibile in una "
                                                                  "prossima versione."));
    };
}

} // namespace

void registerWindows(ModuloTipolab& module, TunePlayer* tune)
{
    module.registerWindow(WindowId::Tipi, [&module] { return new tipi(module); });
    module.registerWindow(WindowId::Dati, [&module] { return new dati(module); });
    module.registerWindow(WindowId::Risultati, [&module] { return new risultati(module); });
    module.registerWindow(WindowId::Frontespizio, [&module] { return new frontespizio(module); });

    module.registerWindow(WindowId::About, [&module] { return new informa(module.identity()); });
    module.registerWindow(WindowId::Support,
                          [&module] { return new supportoclienti(module.installation()); });

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

    // Help, tips and price list come with later versions.
    const QString help = QStringLiteral("Tipolab: guida in linea");
    module.registerWindow(WindowId::HelpContents,
                          comingLater(help, QStringLiteral("Il sommario della guida")));
    module.registerWindow(WindowId::Manual, comingLater(help, QStringLiteral("Il manuale d'uso")));
    module.registerWindow(WindowId::GuideOperation,
                          comingLater(help, QStringLiteral("La guida sul funzionamento")));
    module.registerWindow(WindowId::GuideArchive,
                          comingLater(help, QStringLiteral("La guida sull'archivio")));
    module.registerWindow(WindowId::GuideTypes,
                          comingLater(help, QStringLiteral("La guida della finestra Tipi")));
    module.registerWindow(WindowId::GuideData,
                          comingLater(help, QStringLiteral("La guida della finestra Dati")));
    module.registerWindow(WindowId::GuideResults,
                          comingLater(help, QStringLiteral("La guida della finestra Risultati")));
    module.registerWindow(
        WindowId::GuideTitlePage,
        comingLater(help, QStringLiteral("La guida della finestra Frontespizio")));
    module.registerWindow(WindowId::TipOfTheDay,
                          comingLater(QStringLiteral("Tipolab: suggerimenti"),
                                      QStringLiteral("Il suggerimento del giorno")));
    module.registerWindow(WindowId::PriceList,
                          comingLater(QStringLiteral("Tipolab: listino prezzi"),
                                      QStringLiteral("Il listino prezzi")));
}

} // namespace tipolab
