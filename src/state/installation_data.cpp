#include "installation_data.h"

#include "file_save.h"
#include "text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace tipolab {
namespace {

InstallationData neutralTexts()
{
    InstallationData d;
    d.studioName = QStringLiteral("studio non indicato");
    d.studioAddress = QStringLiteral("indirizzo non indicato");
    d.supplierName = QStringLiteral("fornitore non indicato");
    d.supplierAddress = QStringLiteral("indirizzo non indicato");
    d.supplierWebSite = QStringLiteral("sito non indicato");
    d.supplierEmail = QStringLiteral("posta elettronica non indicata");
    d.supplierPhone = QStringLiteral("telefono non indicato");
    return d;
}

// Sets in `d` what `lines` give; true when they name the studio.
bool readLines(const QStringList& lines, InstallationData& d)
{
    const std::pair<QLatin1String, QString*> items[] = {
        {QLatin1String("studio/nome"), &d.studioName},
        {QLatin1String("studio/indirizzo"), &d.studioAddress},
        {QLatin1String("fornitore/nome"), &d.supplierName},
        {QLatin1String("fornitore/indirizzo"), &d.supplierAddress},
        {QLatin1String("fornitore/sito"), &d.supplierWebSite},
        {QLatin1String("fornitore/email"), &d.supplierEmail},
        {QLatin1String("fornitore/telefono"), &d.supplierPhone},
    };
    bool namesStudio = false;
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
        if (key.compare(items[0].first, Qt::CaseInsensitive) == 0) namesStudio = true;
    }
    return namesStudio;
}

} // namespace

InstallationData InstallationData::load(const QString& path)
{
    return fromLines(readTextLines(path).value_or(QStringList()));
}

InstallationData InstallationData::fromLines(const QStringList& lines)
{
    InstallationData d = neutralTexts();
    readLines(lines, d);
    return d;
}

InstallationData InstallationData::fromFiles(const InstallationFiles& files)
{
    InstallationData d = load(files.shipped);
    d.userFile = files.user;
    d.studioUnset = true;
    for (const QString& path : {files.user, files.system}) {
        InstallationData studio = neutralTexts();
        if (!readLines(readTextLines(path).value_or(QStringList()), studio)) continue;
        d.studioName = studio.studioName;
        d.studioAddress = studio.studioAddress;
        d.studioUnset = false;
        break;
    }
    return d;
}

QByteArray InstallationData::studioFileBytes(const QString& name, const QString& address)
{
    // One line each, and quoted, so that a value that begins and ends with a
    // quote of its own comes back as it was.
    auto oneLine = [](QString value) {
        value.replace(QLatin1String("\r\n"), QLatin1String(" "));
        value.replace(u'\r', u' ');
        value.replace(u'\n', u' ');
        return value;
    };
    const QString text = QStringLiteral("; Dati dello studio, scritti da Tipolab.\n"
                                        "[studio]\n"
                                        "nome=\"%1\"\n"
                                        "indirizzo=\"%2\"\n")
                             .arg(oneLine(name), oneLine(address));
    return text.toUtf8();
}

QString InstallationData::saveStudio(const QString& path, const QString& name,
                                     const QString& address)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveWholeFile(path, studioFileBytes(name, address));
}

} // namespace tipolab
