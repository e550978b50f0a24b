// The program's windows as the module knows them. The order from `Tipi` to
// `StudioData` is the order in which the exit closes them.
#pragma once

namespace tipolab {

enum class WindowId {
    Tipi, // the four working windows
    Dati,
    Risultati,
    Frontespizio,
    Profilo,      // the person's profile
    Confronto,    // two assessments of the person compared
    Professioni,  // the professions that fit the profile
    Registro,     // every assessment of a folder
    Support,      // supportoclienti
    About,        // informa
    HelpContents, // sommario
    Manual,       // the user manual page
    GuideOperation,
    GuideArchive,
    GuideTypes,
    GuideData,
    GuideResults,
    GuideTitlePage,
    GuideProfile,    // the profile window's page, outside the contents and the full guide
    GuideComparison, // the comparison window's page, likewise
    GuideProfessions, // the professions window's page, likewise
    GuideRegister,    // the register window's page, likewise
    TipOfTheDay,
    PriceList,
    StudioData, // the studio's name and address, typed in the program
    Splash,
};

inline constexpr int kWindowIdCount = static_cast<int>(WindowId::Splash) + 1;

// The guide page that belongs to working window 1..4.
inline WindowId guidePageOfWindow(int windowNumber)
{
    constexpr WindowId pages[] = {WindowId::GuideTypes, WindowId::GuideData, WindowId::GuideResults,
                                  WindowId::GuideTitlePage};
    return pages[windowNumber - 1];
}

// Working window 1..4.
inline WindowId workingWindow(int windowNumber)
{
    return static_cast<WindowId>(static_cast<int>(WindowId::Tipi) + windowNumber - 1);
}

} // namespace tipolab
