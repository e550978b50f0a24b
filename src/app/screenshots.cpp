// Takes the documentation's screenshots: the splash, the types window with some
// judgements entered through its own controls, and the about window. Run by
// scripts/screenshots under a virtual display; writes PNG files into the
// folder given as the first argument.
#include "qt_translations.h"
#include "state/installation_data.h"
#include "state/modulo_tipolab.h"
#include "state/qt_dialogs.h"
#include "window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

namespace {

void settle(int milliseconds = 400)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* window, const QDir& folder, const QString& name)
{
    if (!window) return false;
    settle();
    const QString path = folder.filePath(name);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "written" : "NOT written", qPrintable(path));
    return saved;
}

void click(QWidget* window, const char* objectName)
{
    if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(objectName)))
        button->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    tipolab::installItalianQtTexts(app);

    // Shown as an Italian user sees it, with the decimal comma.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    tipolab::QtDialogs dialogs;
    tipolab::ModuloTipolab module(dialogs, tipolab::InstallationData::loadDefault());
    tipolab::registerWindows(module, nullptr);

    bool ok = true;
    module.start();
    ok &= save(module.existingWindow(tipolab::WindowId::Splash), folder, "splash.png");

    module.mostratipi();
    QWidget* types = module.existingWindow(tipolab::WindowId::Tipi);
    // Four types judged, the fifth ticked and awaiting its judgement.
    const char* judgements[][2] = {
        {"cecc_1", "giud_3"}, {"cecc_2", "giud_6"}, {"cecc_3", "giud_2"}, {"cecc_4", "giud_4"}};
    for (const auto& [tick, step] : judgements) {
        click(types, tick);
        click(types, step);
    }
    click(types, "cecc_5");
    ok &= save(types, folder, "tipi.png");

    ok &= save(module.showWindow(tipolab::WindowId::About), folder, "informa.png");
    return ok ? 0 : 1;
}
