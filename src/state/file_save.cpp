#include "file_save.h"

#include "files/error_reasons.h"

#include <QDir>
#include <QFile>

namespace tipolab {

QString replaceWholeFile(const QString& path, const QByteArray& bytes, FileAccess access)
{
    const int error =
        saveFile(QFile::encodeName(path).toStdString(),
                 std::string_view(bytes.constData(), bytes.size()), SaveMode::Replace, access);
    return error ? QString::fromStdString(errorReason(error)) : QString();
}

QString saveWholeFile(const QString& path, const QByteArray& bytes, FileAccess access)
{
    const QString reason = replaceWholeFile(path, bytes, access);
    if (reason.isEmpty()) return {};
    return QStringLiteral("Impossibile salvare il file \"%1\": %2. Il file precedente, se c'era, "
                          "\u00e8 rimasto com'era.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace tipolab
