#include "help_documents.h"

#include "help_texts.h"
#include "reports/desktop_opener.h"
#include "state/modulo_tipolab.h"

namespace tipolab {
namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

HelpDocuments::HelpDocuments(ModuloTipolab& module, std::shared_ptr<DocumentOpener> opener,
                             DocumentPlaces places)
    : m_module(module), m_opener(std::move(opener)), m_commands(*m_opener, std::move(places))
{
}

std::shared_ptr<HelpDocuments> HelpDocuments::forDesktop(ModuloTipolab& module)
{
    return std::make_shared<HelpDocuments>(module,
                                           std::make_shared<DesktopOpener>(module.dialogs()));
}

SheetHeading HelpDocuments::heading() const
{
    return {m_module.programName(), QString::fromStdString(m_module.identity().description), {}};
}

PrintOutcome HelpDocuments::printPage(const QString& title, const QString& text)
{
    return tell(m_commands.guidePage(heading(), {title, text}));
}

PrintOutcome HelpDocuments::printFullGuide()
{
    QList<GuidePage> pages;
    for (int i = 0; i < kHelpPageCount; ++i) {
        const HelpPage& page = helpPage(static_cast<HelpPageId>(i));
        pages.append({toQString(page.title), toQString(page.text)});
    }
    return tell(m_commands.fullGuide(heading(), pages));
}

PrintOutcome HelpDocuments::tell(PrintOutcome outcome)
{
    if (!outcome.message.isEmpty()) {
        m_module.dialogs().message(outcome.message, m_module.programName(),
                                   outcome.failed ? QMessageBox::Critical
                                                  : QMessageBox::Information);
    }
    return outcome;
}

} // namespace tipolab
