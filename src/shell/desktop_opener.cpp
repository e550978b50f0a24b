#include "desktop_opener.h"

#include "preview_window.h"

#include <QDesktopServices>
#include <QUrl>

namespace tipolab {

void DesktopOpener::open(const QString& path, const ReportDocument& document)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    auto* preview = new PreviewWindow(document, path, m_dialogs);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
}

} // namespace tipolab
