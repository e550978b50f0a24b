#include "document_desk.h"

#include "desktop_opener.h"
#include "dialogs.h"
#include "state/program_identity.h"

namespace tipolab {

DocumentDesk::DocumentDesk(Dialogs& dialogs, std::shared_ptr<DocumentOpener> opener,
                           DocumentPlaces places)
    : m_dialogs(dialogs), m_opener(std::move(opener)), m_commands(*m_opener, std::move(places))
{
}

std::shared_ptr<DocumentDesk> DocumentDesk::forDesktop(Dialogs& dialogs)
{
    return std::make_shared<DocumentDesk>(dialogs, std::make_shared<DesktopOpener>(dialogs));
}

PrintOutcome DocumentDesk::tell(PrintOutcome outcome)
{
    if (!outcome.message.isEmpty()) {
        m_dialogs.message(outcome.message, QString::fromStdString(ProgramIdentity{}.name),
                          outcome.failed ? QMessageBox::Critical : QMessageBox::Information);
    }
    return outcome;
}

void DocumentDesk::exportPdf(const std::function<void()>& print)
{
    m_commands.setPdfChooser(
        [this](const QString& offered) { return choosePdfFile(m_dialogs, offered); });
    print();
    m_commands.setPdfChooser({});
}

} // namespace tipolab
