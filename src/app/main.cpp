// Tipolab: the program opens with its splash window; a click leads to the
// working windows, a key ends it. "tipolab --percorsi" only lists the files
// the program uses and says whether they are there.
#include "files/file_io.h"
#include "help/tune_player.h"
#include "program_files.h"
#include "qt_translations.h"
#include "shell/document_desk.h"
#include "state/installation_data.h"
#include "shell/modulo_tipolab.h"
#include "state/program_paths.h"
#include "shell/qt_dialogs.h"
#include "window_registry.h"
#include "windows/recovery_copy.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    tipolab::keepRunningPastFileSizeLimit();
    if (argc == 2 && std::strcmp(argv[1], "--percorsi") == 0) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        return tipolab::listProgramFiles(tipolab::ProgramPaths::current(), out) ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tipolab"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TIPOLAB_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    // The standard dialogs speak Italian, as the rest of the program; none is
    // open before the splash shows, so their texts are loaded after it.
    QMetaObject::invokeMethod(
        &app, [&app] { tipolab::installItalianQtTexts(app); }, Qt::QueuedConnection);

    const tipolab::ProgramPaths& paths = tipolab::ProgramPaths::current();
    QTextStream err(stderr);
    tipolab::reportMissingFiles(paths, err);

    tipolab::TunePlayer tune; // outlives the module and its splash
    tipolab::QtDialogs dialogs;
    tipolab::ModuloTipolab module(dialogs,
                                  tipolab::InstallationData::fromFiles(paths.installationFiles()));
    module.setRecoveryFolder(paths.userDataFile(QStringLiteral("recupero")));
    module.keepRecentArchivesIn(paths.userDataFile(QStringLiteral("recenti")));
    tipolab::registerWindows(module, &tune, tipolab::DocumentDesk::forDesktop(dialogs));
    QObject::connect(&module, &tipolab::ModuloTipolab::noWindowVisible, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    module.start();
    // Work a crashed run left behind is offered once the splash is up.
    QMetaObject::invokeMethod(
        &module, [&module] { tipolab::offerRecovery(module); }, Qt::QueuedConnection);
    return QApplication::exec();
}
