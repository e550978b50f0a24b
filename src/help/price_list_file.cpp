#include "price_list_file.h"

#include "state/text_lines.h"

#include <QDir>
#include <algorithm>

namespace tipolab {
namespace {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != u'\t';
}

} // namespace

QString priceListProblem(const QStringList& lines)
{
    bool text = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.contains(QChar(0)))
            return QStringLiteral("contiene caratteri nulli alla riga %1: non è un file di testo")
                .arg(i + 1);
        if (std::any_of(line.begin(), line.end(), isControl))
            return QStringLiteral("contiene caratteri di controllo alla riga %1").arg(i + 1);
        text = text || !line.trimmed().isEmpty();
    }
    return text ? QString() : QStringLiteral("non contiene alcuna riga di testo");
}

PriceListRead readPriceList(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    const TextFileRead read = readTextFile(path);
    if (!read.lines)
        return {std::nullopt, QStringLiteral("Il file \"%1\" %2.").arg(name, read.reason)};
    const std::optional<QStringList>& lines = read.lines;
    const QString problem = priceListProblem(*lines);
    if (!problem.isEmpty())
        return {std::nullopt, QStringLiteral("Il file \"%1\" %2.").arg(name, problem)};
    return {lines, {}};
}

} // namespace tipolab
