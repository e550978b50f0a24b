#include "csv.h"

#include "terminal_text.h"

namespace tipolab {

void writeCsvLine(QTextStream& out, const QStringList& fields, bool toTerminal)
{
    const QString row = fields.join(QLatin1Char(','));
    out << (toTerminal ? terminalSafe(row) : row) << '\n';
}

} // namespace tipolab
