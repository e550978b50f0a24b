#include "dialogs.h"

namespace tipolab {

QString choosePdfFile(Dialogs& dialogs, const QString& offered)
{
    return dialogs.saveFile(QStringLiteral("Esporta in PDF"),
                            {QStringLiteral("Documenti PDF (*.pdf)")}, 0, offered);
}

} // namespace tipolab
