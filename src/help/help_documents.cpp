#include "help_documents.h"

#include "help_texts.h"
#include "state/qt_text.h"

namespace tipolab {

HelpDocuments::HelpDocuments(std::shared_ptr<DocumentDesk> desk) : m_desk(std::move(desk)) {}

PrintOutcome HelpDocuments::printPage(const QString& title, const QString& text)
{
    return m_desk->tell(m_desk->commands().guidePage(sheetHeading({}), {title, text}));
}

PrintOutcome HelpDocuments::printFullGuide()
{
    QList<GuidePage> pages;
    for (int i = 0; i < kHelpPageCount; ++i) {
        const HelpPage& page = helpPage(static_cast<HelpPageId>(i));
        pages.append({toQString(page.title), toQString(page.text)});
    }
    return m_desk->tell(m_desk->commands().fullGuide(sheetHeading({}), pages));
}

} // namespace tipolab
