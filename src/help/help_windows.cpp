#include "help_windows.h"

#include "help_documents.h"
#include "help_page_window.h"
#include "price_list_window.h"
#include "sommario.h"
#include "shell/modulo_tipolab.h"
#include "tip_window.h"

namespace tipolab {

void registerHelpWindows(ModuloTipolab& module, const QString& programDir,
                         std::shared_ptr<DocumentDesk> desk)
{
    auto documents = std::make_shared<HelpDocuments>(std::move(desk));
    module.registerWindow(WindowId::HelpContents,
                          [&module, documents] { return new sommario(module, *documents); });
    for (int i = 0; i < kAllHelpPageCount; ++i) {
        const auto page = static_cast<HelpPageId>(i);
        module.registerWindow(helpPageWindowId(page),
                              [&module, page] { return new HelpPageWindow(module, page); });
    }
    module.setGuidePrinter([documents](const QString& title, const QString& text) {
        documents->printPage(title, text);
    });
    module.registerWindow(WindowId::TipOfTheDay, [programDir] { return new frmTip(programDir); });
    module.registerWindow(WindowId::PriceList, [&module, programDir] {
        return new PriceListWindow(module.programName(), programDir, module.dialogs());
    });
}

} // namespace tipolab
