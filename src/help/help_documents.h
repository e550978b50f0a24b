// The documents of the online help: one page (`stampaguida`) and the full guide
// of the contents window. Both are written through the program's print
// commands and handed to the word processor; what the user must know (the
// document went to another folder, or could not be written) comes in a message
// box. Nothing here touches the assessment.
#pragma once

#include "reports/print_commands.h"

#include <memory>

namespace tipolab {

class ModuloTipolab;

class HelpDocuments {
public:
    HelpDocuments(ModuloTipolab& module, std::shared_ptr<DocumentOpener> opener,
                  DocumentPlaces places = DocumentPlaces::standard());

    // The program's own: documents go to the desktop's word processor, or to
    // the program's preview where none answers.
    static std::shared_ptr<HelpDocuments> forDesktop(ModuloTipolab& module);

    // One help page as a new document.
    PrintOutcome printPage(const QString& title, const QString& text);
    // The seven pages in one document, saved beside the program's folder
    // under the program name followed by "-guida".
    PrintOutcome printFullGuide();

private:
    SheetHeading heading() const;
    PrintOutcome tell(PrintOutcome outcome);

    ModuloTipolab& m_module;
    std::shared_ptr<DocumentOpener> m_opener;
    PrintCommands m_commands;
};

} // namespace tipolab
