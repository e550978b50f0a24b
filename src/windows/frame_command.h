// The commands of the frame that the four working windows share: what a menu
// entry or a toolbar button asks the window to do.
#pragma once

namespace tipolab {

enum class FrameCommand {
    NewAssessment, // "N&uova valutazione": every working window emptied
    Open,
    Save,
    SaveAs,
    SaveAsNew, // "Salva come nuova &valutazione...": a new file named with today's date
    Delete,
    Print,     // the window's print command ("&stampa dati finestra", the report...)
    PrintForm, // the blank acquisition form ("&modello di acquisizione dati")
    ExportPdf, // what the print command writes, as a PDF file ("Esporta in &PDF...")
    Exit,
    Colour,
    Check,
    Clear,
    ShowTipi,
    ShowDati,
    ShowRisultati,
    ShowFrontespizio,
    ShowProfilo, // the person's profile ("&Profilo della persona")
    Compare,     // "Co&nfronta con un'altra valutazione...": the comparison window
    ShowProfessioni, // "Pro&fessioni affini": the professions that fit the profile
    Register,        // "&Registro delle valutazioni...": every assessment of a folder
    WindowGuide, // the window-number title: the window's guide page at once
    HelpContents,
    Tips,
    Support,
    StudioData, // "&Dati dello studio...": the studio's name and address
    About,
};

} // namespace tipolab
