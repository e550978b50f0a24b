// Tipolab: the program opens with its splash window; a click leads to the
// working windows, a key ends it.
#include "help/tune_player.h"
#include "qt_translations.h"
#include "reports/document_desk.h"
#include "state/installation_data.h"
#include "state/modulo_tipolab.h"
#include "state/qt_dialogs.h"
#include "window_registry.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tipolab"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    // The standard dialogs speak Italian, as the rest of the program; none is
    // open before the splash shows, so their texts are loaded after it.
    QMetaObject::invokeMethod(
        &app, [&app] { tipolab::installItalianQtTexts(app); }, Qt::QueuedConnection);

    tipolab::TunePlayer tune; // outlives the module and its splash
    tipolab::QtDialogs dialogs;
    tipolab::ModuloTipolab module(dialogs, tipolab::InstallationData::loadDefault());
    tipolab::registerWindows(module, &tune, tipolab::DocumentDesk::forDesktop(dialogs));
    QObject::connect(&module, &tipolab::ModuloTipolab::noWindowVisible, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    module.start();
    return QApplication::exec();
}
