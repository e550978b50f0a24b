#include "price_list_file.h"

#include "state/text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tipolab {
namespace {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != u'\t';
}

// Why readTextLines gave nothing for `path`.
QString unreadableReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("non esiste");
    if (!info.isFile()) return QStringLiteral("non è un file ordinario");
    if (info.size() > kMaxTextFileSize) return QStringLiteral("è più grande di 4 MB");
    return QStringLiteral("non si può leggere");
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
    const std::optional<QStringList> lines = readTextLines(path);
    if (!lines)
        return {std::nullopt,
                QStringLiteral("Il file \"%1\" %2.").arg(name, unreadableReason(path))};
    const QString problem = priceListProblem(*lines);
    if (!problem.isEmpty())
        return {std::nullopt, QStringLiteral("Il file \"%1\" %2.").arg(name, problem)};
    return {lines, {}};
}

} // namespace tipolab
