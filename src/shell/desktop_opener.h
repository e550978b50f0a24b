// The program's opener: the desktop's application for ".doc" files, or the
// program's own preview window where none answers.
#pragma once

#include "printing/document_opener.h"

namespace tipolab {

class Dialogs;

class DesktopOpener : public DocumentOpener {
public:
    explicit DesktopOpener(Dialogs& dialogs) : m_dialogs(dialogs) {}
    void open(const QString& path, const ReportDocument& document) override;

private:
    Dialogs& m_dialogs;
};

} // namespace tipolab
