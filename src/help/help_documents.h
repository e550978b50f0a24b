// The documents of the online help: one page (`stampaguida`) and the full guide
// of the contents window, written through the program's document desk and
// handed to the word processor. Nothing here touches the assessment.
#pragma once

#include "shell/document_desk.h"

#include <memory>

namespace tipolab {

class HelpDocuments {
public:
    explicit HelpDocuments(std::shared_ptr<DocumentDesk> desk);

    // One help page as a new document.
    PrintOutcome printPage(const QString& title, const QString& text);
    // The seven pages in one document, saved beside the program's folder
    // under the program name followed by "-guida".
    PrintOutcome printFullGuide();

private:
    std::shared_ptr<DocumentDesk> m_desk;
};

} // namespace tipolab
