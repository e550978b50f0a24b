#include "window_frames.h"

#include <cassert>

namespace tipolab {
namespace {

using C = FrameCommand;

constexpr std::array<ToolbarButton, kToolbarButtonCount> kToolbar = {{
    {"open.svg", "apri file", C::Open, false},
    {"save.svg", "salva file", C::Save, false},
    {"delete.svg", "elimina file", C::Delete, false},
    {"print.svg", "%1", C::Print, false},
    {nullptr, "", C::ShowTipi, true},
    {"window-types.svg", "visualizza finestra 'Tipi'", C::ShowTipi, false},
    {"window-data.svg", "visualizza finestra 'Dati'", C::ShowDati, false},
    {"window-results.svg", "visualizza finestra 'Risultati'", C::ShowRisultati, false},
    {"window-titlepage.svg", "visualizza finestra 'Frontespizio'", C::ShowFrontespizio, false},
    {nullptr, "", C::Colour, true},
    {"colour.svg", "colore di sfondo", C::Colour, false},
    {nullptr, "", C::HelpContents, true},
    {"help.svg", "guida in linea", C::HelpContents, false},
    {"tips.svg", "suggerimenti", C::Tips, false},
    {"support.svg", "supporto prodotto", C::Support, false},
    {"about.svg", "informazioni su Tipolab", C::About, false},
    {nullptr, "", C::Check, true},
    {"check.svg", "controlla dati immessi", C::Check, false},
    {"clear.svg", "cancella dati finestra", C::Clear, false},
    {"exit.svg", "uscita da Tipolab", C::Exit, false},
}};

constexpr const char* kSameColours =
    "desideri colori uguali e riposanti (grigio) per tutte le finestre?";

const std::array<WindowFrame, 4> kFrames = {{
    {1,
     "Tipi",
     "tipi",
     "Tipolab: tipologie di personalità",
     "stampa dati finestra",
     kSameColours,
     true,
     true,
     true,
     false,
     "eliminare",
     "stamp",
     "modello",
     "stampa",
     "esci",
     "salvanome",
     "controllodati",
     "cancellare",
     "suggerimenti",
     "fin"},
    {2,
     "Dati",
     "dati",
     "Tipolab: introduzione dati sulle caratteristiche personali",
     "stampa dati finestra",
     kSameColours,
     true,
     true,
     true,
     false,
     "elimina",
     "stamp",
     "modelloacquisizione",
     "stampa",
     "esci",
     "salvanome",
     "controlla",
     "cancella",
     "suggerimenti",
     "finestra"},
    {3,
     "Risultati",
     "risultati",
     "Tipolab: risultati dell'elaborazione",
     "stampa dati finestra",
     "Colori uguali e riposanti (grigio) per tutte le finestre?",
     false,
     false,
     false,
     true,
     "elimina",
     "stampa",
     nullptr,
     nullptr,
     "usci",
     "salvanome",
     "controlla",
     "cancella",
     "suggerimenti",
     "finestra"},
    {4,
     "Frontespizio",
     "frontespizio",
     "Tipolab: frontespizio per la relazione",
     "stampa elaborazione eseguita",
     kSameColours,
     false,
     false,
     true,
     true,
     "elimina",
     "stampare",
     nullptr,
     nullptr,
     "esci",
     "salvano",
     "controlla",
     "cancella",
     "sugger",
     "finestra"},
}};

constexpr MenuEntry kDivider{nullptr, C::Open};

constexpr MenuEntry kFile[] = {
    {"N&uova valutazione", C::NewAssessment},
    {"&Apri...", C::Open},
    {"&Registro delle valutazioni...", C::Register},
    kDivider,
    {"&Salva", C::Save},
    {"Salva con &nome...", C::SaveAs},
    {"Salva come nuova &valutazione...", C::SaveAsNew},
    kDivider,
    {"&Elimina...", C::Delete},
    kDivider,
    {"S&tampa", C::Print},
    {"Esporta in &PDF...", C::ExportPdf},
    kDivider,
    {"Es&ci", C::Exit},
};
constexpr MenuEntry kModifica[] = {
    {"&Colore di sfondo", C::Colour},      kDivider,
    {"Controlla &dati immessi", C::Check}, kDivider,
    {"C&ancella dati finestra", C::Clear},
};
constexpr MenuEntry kVisualizza[] = {
    {"Finestra Tipi", C::ShowTipi},
    {"Finestra Dati", C::ShowDati},
    {"Finestra Risultati", C::ShowRisultati},
    kDivider,
    {"Finestra Frontespizio", C::ShowFrontespizio},
    kDivider,
    {"&Profilo della persona", C::ShowProfilo},
    {"Co&nfronta con un'altra valutazione...", C::Compare},
    {"Pro&fessioni affini", C::ShowProfessioni},
};
constexpr MenuEntry kHelp[] = {
    {"&Guida in linea", C::HelpContents},
    {"&Suggerimenti...", C::Tips},
    kDivider,
    {"Supporto &prodotto", C::Support},
    {"&Dati dello studio...", C::StudioData},
    kDivider,
    {"&Informazioni su Tipolab", C::About},
};

const std::array<MenuTitle, 4> kMenus = {{
    {"file", "&File", kFile, int(std::size(kFile))},
    {"modif", "&Modifica", kModifica, int(std::size(kModifica))},
    {"visu", "&Visualizza", kVisualizza, int(std::size(kVisualizza))},
    {"help", "&?", kHelp, int(std::size(kHelp))},
}};

} // namespace

const ToolbarButton& toolbarButton(int index)
{
    assert(index >= 1 && index <= kToolbarButtonCount);
    return kToolbar[index - 1];
}

const WindowFrame& windowFrame(int number)
{
    assert(number >= 1 && number <= 4);
    return kFrames[number - 1];
}

const std::array<MenuTitle, 4>& frameMenus()
{
    return kMenus;
}

const char* entryObjectName(const WindowFrame& frame, FrameCommand command)
{
    switch (command) {
    case C::NewAssessment:
        return "nuova";
    case C::SaveAsNew:
        return "salvanuova";
    case C::Open:
        return "apri";
    case C::Save:
        return "salva";
    case C::SaveAs:
        return frame.saveAsEntry;
    case C::Delete:
        return frame.deleteEntry;
    case C::Print:
        return frame.printSubmenu ? frame.windowPrintEntry : frame.printEntry;
    case C::PrintForm:
        return frame.printFormEntry;
    case C::ExportPdf:
        return "esportapdf";
    case C::Exit:
        return frame.exitEntry;
    case C::Colour:
        return "colorare";
    case C::Check:
        return frame.checkEntry;
    case C::Clear:
        return frame.clearEntry;
    case C::ShowTipi:
        return "fin1";
    case C::ShowDati:
        return "fin2";
    case C::ShowRisultati:
        return "fin3";
    case C::ShowFrontespizio:
        return "fin4";
    case C::ShowProfilo:
        return "vediprofilo";
    case C::Compare:
        return "confronta";
    case C::ShowProfessioni:
        return "vediprofessioni";
    case C::Register:
        return "registro";
    case C::WindowGuide:
        return frame.windowNumberEntry;
    case C::HelpContents:
        return "guida";
    case C::Tips:
        return frame.tipsEntry;
    case C::Support:
        return "supporto";
    case C::StudioData:
        return "studio";
    case C::About:
        return "informazioni";
    }
    return "";
}

const char* entryShortcut(FrameCommand command)
{
    switch (command) {
    case C::NewAssessment:
        return "Ctrl+N";
    case C::Open:
        return "Ctrl+O";
    case C::Save:
        return "Ctrl+S";
    case C::SaveAs:
        return "Ctrl+Shift+S";
    case C::Print:
        return "Ctrl+P";
    case C::WindowGuide:
        return "F1";
    default:
        return nullptr;
    }
}

QString windowNumberCaption(int number)
{
    return QString(126, u' ') + QStringLiteral("Fi&nestra n.%1 di 4").arg(number);
}

} // namespace tipolab
