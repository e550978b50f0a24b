#include "file_save.h"

#include <QDir>
#include <QSaveFile>

namespace tipolab {

QString saveWholeFile(const QString& path, const QByteArray& bytes)
{
    const QString name = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails only when flushed at commit()
    // would not stop the rename, and a truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("Impossibile salvare il file \"%1\": %2.")
            .arg(name, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Impossibile scrivere il file \"%1\": %2. Il file precedente, se "
                              "c'era, \u00e8 rimasto com'era.")
            .arg(name, why);
    }
    if (!file.commit()) {
        return QStringLiteral("Impossibile completare il salvataggio del file \"%1\": %2. Il "
                              "file precedente, se c'era, \u00e8 rimasto com'era.")
            .arg(name, file.errorString());
    }
    return {};
}

} // namespace tipolab
