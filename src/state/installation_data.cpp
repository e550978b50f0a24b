#include "installation_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tipolab {

InstallationData InstallationData::load(const QString& path)
{
    InstallationData d;
    d.studioName = QStringLiteral("studio non indicato");
    d.studioAddress = QStringLiteral("indirizzo non indicato");
    d.supplierName = QStringLiteral("fornitore non indicato");
    d.supplierAddress = QStringLiteral("indirizzo non indicato");
    d.supplierWebSite = QStringLiteral("sito non indicato");
    d.supplierEmail = QStringLiteral("posta elettronica non indicata");
    d.supplierPhone = QStringLiteral("telefono non indicato");
    if (!QFileInfo(path).isReadable()) return d;

    QSettings ini(path, QSettings::IniFormat);
    auto read = [&ini](const char* key, QString& into) {
        // An unquoted comma makes QSettings read a list: join it back.
        const QVariant raw = ini.value(QLatin1String(key));
        const QString v =
            (raw.typeId() == QMetaType::QStringList ? raw.toStringList().join(QStringLiteral(", "))
                                                    : raw.toString())
                .trimmed();
        if (!v.isEmpty()) into = v;
    };
    read("studio/nome", d.studioName);
    read("studio/indirizzo", d.studioAddress);
    read("fornitore/nome", d.supplierName);
    read("fornitore/indirizzo", d.supplierAddress);
    read("fornitore/sito", d.supplierWebSite);
    read("fornitore/email", d.supplierEmail);
    read("fornitore/telefono", d.supplierPhone);
    return d;
}

InstallationData InstallationData::loadDefault()
{
    return load(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tipolab.ini")));
}

} // namespace tipolab
