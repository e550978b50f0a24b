#include "help_documents.h"

#include "help_texts.h"
#include "state/modulo_tipolab.h"

namespace tipolab {
namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

HelpDocuments::HelpDocuments(ModuloTipolab& module, std::shared_ptr<DocumentDesk> desk)
    : m_module(module), m_desk(std::move(desk))
{
}

SheetHeading HelpDocuments::heading() const
{
    return {m_module.programName(), QString::fromStdString(m_module.identity().description), {}};
}

PrintOutcome HelpDocuments::printPage(const QString& title, const QString& text)
{
    return m_desk->tell(m_desk->commands().guidePage(heading(), {title, text}));
}

PrintOutcome HelpDocuments::printFullGuide()
{
    QList<GuidePage> pages;
    for (int i = 0; i < kHelpPageCount; ++i) {
        const HelpPage& page = helpPage(static_cast<HelpPageId>(i));
        pages.append({toQString(page.title), toQString(page.text)});
    }
    return m_desk->tell(m_desk->commands().fullGuide(heading(), pages));
}

} // namespace tipolab
