#include "installation_data.h"

#include "text_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace tipolab {

InstallationData InstallationData::load(const QString& path)
{
    return fromLines(readTextLines(path).value_or(QStringList()));
}

InstallationData InstallationData::fromLines(const QStringList& lines)
{
    InstallationData d;
    d.studioName = QStringLiteral("studio non indicato");
    d.studioAddress = QStringLiteral("indirizzo non indicato");
    d.supplierName = QStringLiteral("fornitore non indicato");
    d.supplierAddress = QStringLiteral("indirizzo non indicato");
    d.supplierWebSite = QStringLiteral("sito non indicato");
    d.supplierEmail = QStringLiteral("posta elettronica non indicata");
    d.supplierPhone = QStringLiteral("telefono non indicato");

    const std::pair<QLatin1String, QString*> items[] = {
        {QLatin1String("studio/nome"), &d.studioName},
        {QLatin1String("studio/indirizzo"), &d.studioAddress},
        {QLatin1String("fornitore/nome"), &d.supplierName},
        {QLatin1String("fornitore/indirizzo"), &d.supplierAddress},
        {QLatin1String("fornitore/sito"), &d.supplierWebSite},
        {QLatin1String("fornitore/email"), &d.supplierEmail},
        {QLatin1String("fornitore/telefono"), &d.supplierPhone},
    };
    QString section;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        const QString key = section + u'/' + line.left(equals).trimmed();
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2).trimmed();
        if (value.isEmpty()) continue;
        for (const auto& [name, into] : items) {
            if (key.compare(name, Qt::CaseInsensitive) == 0) *into = value;
        }
    }
    return d;
}

InstallationData InstallationData::loadDefault()
{
    return load(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tipolab.ini")));
}

} // namespace tipolab
