// Takes the documentation's screenshots: the splash, the types window with some
// judgements entered through its own controls, the about window, the help
// contents, a guide page, the results, the title page, the data window
// half-way through an entry and, once that entry is completed, the profile;
// then, the entry saved as last year's and judged again, the comparison; and
// the register of the class folder given as the second argument.
// Run by scripts/screenshots under a virtual display; writes PNG files into
// the folder given as the first argument.
#include "qt_translations.h"
#include "shell/document_desk.h"
#include "shell/modulo_tipolab.h"
#include "shell/qt_dialogs.h"
#include "state/archive_file.h"
#include "state/installation_data.h"
#include "state/number_format.h"
#include "state/program_paths.h"
#include "window_registry.h"
#include "windows/confronto.h"
#include "windows/frontespizio.h"
#include "windows/registro.h"
#include "windows/risultati.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <utility>

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

// The title page filled in for a sample person, and the results of a sample
// assessment: the last two general judgements entered in the types window,
// and the weighted coefficients as the data window would leave them.
void fillTitlePageAndResults(tipolab::ModuloTipolab& module, QWidget* types)
{
    using tipolab::WindowId;
    auto* titlePage = module.windowAs<tipolab::frontespizio>(WindowId::Frontespizio);
    tipolab::TitleFields fields = titlePage->fields(); // today's date stays
    fields[0] = "Orientamento professionale";
    fields[1] = "Giulia Ferri";
    fields[2] = "analisi situazione attuale";
    fields[3] = "Istituto tecnico \"Leonardo da Vinci\"";
    fields[4] = "Perugia";
    fields[6] = "questionario compilato, colloquio";
    titlePage->setFields(fields);

    click(types, "giud_7");
    click(types, "cecc_6");
    click(types, "giud_5");
    module.data().weighted = {0.640, 0.512, 0.805, 0.731, 0.433, 0.377};
    module.windowAs<tipolab::risultati>(WindowId::Risultati)->calcolo();
}

// The data window half-way through REALISTA, entered through its own
// controls: seven characteristics judged, two weights moved by their arrows,
// the eighth ticked and awaiting its judgement.
QWidget* fillDataWindowMidway(tipolab::ModuloTipolab& module)
{
    QWidget* data = module.showWindow(tipolab::WindowId::Dati);
    const char* judgements[][2] = {{"cecc_1", "giud_3"}, {"cecc_2", "giud_2"}, {"cecc_3", "giud_5"},
                                   {"cecc_4", "giud_4"}, {"cecc_5", "giud_6"}, {"cecc_6", "giud_3"},
                                   {"cecc_7", "giud_7"}};
    for (const auto& [tick, step] : judgements) {
        click(data, tick);
        click(data, step);
    }
    for (const auto& [row, arrow] : {std::pair{"scrolla_2", "su"}, std::pair{"scrolla_2", "su"},
                                     std::pair{"scrolla_6", "giu"}}) {
        if (auto* arrows = data->findChild<QWidget*>(QLatin1String(row))) click(arrows, arrow);
    }
    click(data, "cecc_8");
    return data;
}

// The entry the data window was left in completed through its own controls:
// the rest of REALISTA, its weights brought back to a sum of 100, and the
// other five types, each judged around a level of its own; then "&Risultati"
// and the profile from the results window's menu.
QWidget* completeAndShowProfile(tipolab::ModuloTipolab& module, QWidget* data)
{
    constexpr int levels[] = {4, 6, 3, 4, 7, 7}; // the usual step of each type
    constexpr int spread[] = {-2, 0, 1, -1, 2, 0, -1, 1, 3, 0, -2, 1};
    auto judge = [&](int type, int from) {
        for (int c = from; c <= tipolab::kCharacteristicCount; ++c) {
            const int step = std::clamp(levels[type - 1] + spread[c - 1], 1, tipolab::kStepCount);
            click(data, qPrintable(QStringLiteral("cecc_%1").arg(c)));
            click(data, qPrintable(QStringLiteral("giud_%1").arg(step)));
        }
    };
    click(data, "giud_6"); // the eighth row, ticked and waiting
    judge(1, 9);
    if (auto* arrows = data->findChild<QWidget*>(QStringLiteral("scrolla_7"))) click(arrows, "giu");
    for (int t = 2; t <= tipolab::kTypeCount; ++t) {
        click(data, "successive");
        judge(t, 1);
    }
    click(data, "avanti");
    QWidget* results = module.existingWindow(tipolab::WindowId::Risultati);
    if (auto* entry =
            results ? results->findChild<QAction*>(QStringLiteral("vediprofilo")) : nullptr)
        entry->trigger();
    return module.existingWindow(tipolab::WindowId::Profilo);
}

// The entry as it stands saved as last year's assessment; then, a year on,
// SOCIALE and CONVENZIONALE judged again through the data window, the results
// computed, and the two compared from the results window's menu.
QWidget* reassessAndCompare(tipolab::ModuloTipolab& module, QWidget* data,
                            const QString& earlierFile)
{
    using tipolab::WindowId;
    auto* titlePage = module.windowAs<tipolab::frontespizio>(WindowId::Frontespizio);
    tipolab::TitleFields fields = titlePage->fields();
    fields[tipolab::kDataField] =
        tipolab::titlePageDate(QDate::currentDate().addYears(-1)).toStdString();
    const QString error =
        tipolab::saveArchiveFile(earlierFile, tipolab::recordFrom(module.data(), fields));
    if (!error.isEmpty()) return nullptr;

    // The data window shows CONVENZIONALE; SOCIALE comes after four more types.
    const auto rejudge = [data](int step) {
        for (int c = 1; c <= tipolab::kCharacteristicCount; c += 2) {
            const QByteArray tick = QStringLiteral("cecc_%1").arg(c).toLatin1();
            click(data, tick); // ticked again, awaiting a new judgement
            click(data, tick);
            click(data, qPrintable(QStringLiteral("giud_%1").arg(step)));
        }
    };
    rejudge(4);
    for (int i = 0; i < 4; ++i)
        click(data, "successive");
    rejudge(1);
    click(data, "avanti");
    auto* comparison = module.windowAs<tipolab::confronto>(WindowId::Confronto);
    if (!comparison || !comparison->confrontaCon(earlierFile)) return nullptr;
    return module.showWindow(WindowId::Confronto);
}

// The register window on `folder`, once it has read it.
QWidget* showRegister(tipolab::ModuloTipolab& module, const QString& folder)
{
    auto* reg = module.windowAs<tipolab::registro>(tipolab::WindowId::Registro);
    if (!reg) return nullptr;
    module.showWindow(tipolab::WindowId::Registro);
    reg->leggi(folder);
    while (reg->loading())
        settle(100);
    return reg;
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
    // The shipped installation data only, whatever this computer's user has set.
    tipolab::ModuloTipolab module(
        dialogs, tipolab::InstallationData::load(
                     tipolab::ProgramPaths::current().dataFile(QStringLiteral("tipolab.ini"))));
    tipolab::registerWindows(module, nullptr, tipolab::DocumentDesk::forDesktop(dialogs));

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

    // The help contents, and the guide page of the types window beside it.
    ok &= save(module.showWindow(tipolab::WindowId::HelpContents), folder, "sommario.png");
    ok &= save(module.showWindow(tipolab::WindowId::GuideTypes), folder, "guidatipi.png");
    fillTitlePageAndResults(module, types);
    ok &= save(module.showWindow(tipolab::WindowId::Risultati), folder, "risultati.png");
    ok &= save(module.showWindow(tipolab::WindowId::Frontespizio), folder, "frontespizio.png");
    QWidget* data = fillDataWindowMidway(module);
    ok &= save(data, folder, "dati.png");
    ok &= save(completeAndShowProfile(module, data), folder, "profilo.png");
    click(module.existingWindow(tipolab::WindowId::Profilo), "professioni");
    ok &= save(module.existingWindow(tipolab::WindowId::Professioni), folder, "professioni.png");
    const QTemporaryDir earlier;
    ok &= save(reassessAndCompare(module, data, earlier.filePath("Tipolab-dati-Giulia Ferri")),
               folder, "confronto.png");
    if (argc > 2)
        ok &= save(showRegister(module, QString::fromLocal8Bit(argv[2])), folder, "registro.png");
    return ok ? 0 : 1;
}
