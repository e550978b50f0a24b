// The fixed texts of the online help: the seven help pages and the captions of
// the help contents window.
#pragma once

#include <array>
#include <string_view>

namespace tipolab {

// The help pages in the order of the full-guide document.
enum class HelpPageId {
    Manual,     // manuale: quick user manual
    Operation,  // guidafunzionamento: how the program works
    Archive,    // guidaarchivio: the data archive
    Types,      // guidatipi: the types window
    Data,       // guidadati: the data window
    Results,    // guidarisultati: the results window
    TitlePage,  // guidafrontespizio: the title-page window
    Profile,    // guidaprofilo: the profile window, opened from it alone
    Comparison, // guidaconfronto: the comparison window, opened from it alone
    Professions, // guidaprofessioni: the professions window, opened from it alone
    Register,    // guidaregistro: the register window, opened from it alone
};
// The pages of the help contents and of the full guide: Manual .. TitlePage.
inline constexpr int kHelpPageCount = 7;
// Every page, the profile, comparison, professions and register windows' included.
inline constexpr int kAllHelpPageCount = kHelpPageCount + 4;

struct HelpPage {
    std::string_view title; // shown in the page's title label and after "Guida: " in print
    std::string_view text;  // one paragraph, word-wrapped by the page window
};

const HelpPage& helpPage(HelpPageId id);

// Caption of every help page window.
inline constexpr std::string_view kHelpPageCaption = "Guida in linea";

// Heading of the help contents window.
inline constexpr std::string_view kHelpContentsHeading = "Argomenti della guida";

// Topic captions of the help contents window, entries 1..8 top to bottom (index
// i - 1 for entry i). The leading blanks are part of the captions. Entries 1..7
// open the pages in HelpPageId order, entry 8 the tip of the day.
inline constexpr std::array<std::string_view, 8> kHelpContentsCaptions = {
    "  Manuale d'uso rapido",        // 1
    "  Funzionamento del programma", // 2
    "  Archivio dati",               // 3
    " Finestra Tipi",                // 4
    " Finestra Dati",                // 5
    " Finestra Risultati",           // 6
    " Finestra Frontespizio",        // 7
    "  Suggerimento del giorno",     // 8
};

} // namespace tipolab
