// Tipolab: the program opens with its splash window; a click leads to the
// working windows, a key ends it. "tipolab --percorsi" only lists the files
// the program uses and says whether they are there; "--help" and "--version"
// are answered before anything is shown or played, with no display needed.
#include "files/file_io.h"
#include "font_preload.h"
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
#include <QEvent>
#include <QIcon>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

namespace {

bool isOption(const char* arg, const char* option)
{
    return std::strcmp(arg, option) == 0;
}

// What is left on the command line once Qt has taken its own options: told,
// with status 2. Zero when nothing is left.
int refuseLeftArguments(int argc, char* argv[])
{
    if (argc < 2) return 0;
    QTextStream err(stderr);
    const auto percorsi = std::find_if(argv + 1, argv + argc,
                                       [](const char* a) { return isOption(a, "--percorsi"); });
    if (percorsi != argv + argc)
        err << QStringLiteral("tipolab: --percorsi va indicata da sola.\n");
    else if (argv[1][0] == '-')
        err << QStringLiteral("tipolab: opzione sconosciuta: %1\n")
                   .arg(QString::fromLocal8Bit(argv[1]));
    else
        err << QStringLiteral("tipolab: argomento non previsto: %1\n")
                   .arg(QString::fromLocal8Bit(argv[1]));
    err << QStringLiteral("Per l'uso: tipolab --help\n");
    err.flush();
    return 2;
}

// Runs `work` from the event loop once `window` has painted itself for the
// first time; dropped with the window if that goes first.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_work();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

int main(int argc, char* argv[])
{
    tipolab::keepRunningPastFileSizeLimit();
    for (int i = 1; i < argc; ++i) {
        const bool help = isOption(argv[i], "--help") || isOption(argv[i], "-h");
        if (help || isOption(argv[i], "--version")) {
            QTextStream out(stdout);
            if (help)
                tipolab::writeUsage(out);
            else
                tipolab::writeVersion(out);
            return 0;
        }
    }
    if (argc == 2 && isOption(argv[1], "--percorsi")) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        return tipolab::listProgramFiles(tipolab::ProgramPaths::current(), out) ? 0 : 1;
    }

    tipolab::FontPreload fonts; // read while Qt and the program's windows are set up
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style...): anything else is not ours.
    if (const int status = refuseLeftArguments(argc, argv)) return status;
    QApplication::setApplicationName(QStringLiteral("Tipolab"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TIPOLAB_APP_ID));

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

    fonts.wait(); // the splash measures its texts at once
    module.start();
    // The window icon, drawn from its SVG at every size the desktop may ask
    // for, waits until the splash is on screen; it is then given to the splash
    // and to every window after it.
    const auto setWindowIcon = [] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    };
    if (QWidget* splash = module.existingWindow(tipolab::WindowId::Splash))
        new AfterFirstPaint(splash, setWindowIcon);
    else
        setWindowIcon();
    // The standard dialogs speak Italian, as the rest of the program; none is
    // open before the splash shows, so their texts are loaded after it.
    QMetaObject::invokeMethod(
        &app, [&app] { tipolab::installItalianQtTexts(app); }, Qt::QueuedConnection);
    // Work a crashed run left behind is offered once the splash is up.
    QMetaObject::invokeMethod(
        &module, [&module] { tipolab::offerRecovery(module); }, Qt::QueuedConnection);
    return QApplication::exec();
}
