#include "file_save.h"

#include "error_reasons.h"
#include "file_io.h"

#include <QDir>
#include <QFile>

namespace tipolab {

QString saveWholeFile(const QString& path, const QByteArray& bytes)
{
    const int error =
        saveFile(QFile::encodeName(path).toStdString(),
                 std::string_view(bytes.constData(), bytes.size()), SaveMode::Replace);
    if (error == 0) return {};
    return QStringLiteral("Impossibile salvare il file \"%1\": %2. Il file precedente, se c'era, "
                          "\u00e8 rimasto com'era.")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(errorReason(error)));
}

} // namespace tipolab
