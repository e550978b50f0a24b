// Where the program's print commands meet the user: the commands, the opener
// they hand documents to, and the message box that tells what the user must
// know (the document went to another folder, or could not be written). The
// working windows and the help share one desk; tests give it a recorder.
#pragma once

#include "printing/print_commands.h"

#include <functional>
#include <memory>

namespace tipolab {

class Dialogs;

class DocumentDesk {
public:
    DocumentDesk(Dialogs& dialogs, std::shared_ptr<DocumentOpener> opener,
                 DocumentPlaces places = DocumentPlaces::standard());

    // The program's own: documents go to the desktop's word processor, or to
    // the program's preview where none answers.
    static std::shared_ptr<DocumentDesk> forDesktop(Dialogs& dialogs);

    PrintCommands& commands() { return m_commands; }

    // Shows the outcome's message, if it has one, and returns the outcome.
    PrintOutcome tell(PrintOutcome outcome);

    // Runs `print`, a print command, so that the document it writes becomes a
    // PDF file the user names in a save dialog instead.
    void exportPdf(const std::function<void()>& print);

private:
    Dialogs& m_dialogs;
    std::shared_ptr<DocumentOpener> m_opener;
    PrintCommands m_commands;
};

} // namespace tipolab
