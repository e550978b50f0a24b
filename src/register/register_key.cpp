#include "register_key.h"

#include "files/error_reasons.h"
#include "files/file_io.h"
#include "state/csv_field.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace tipolab {

QString saveRegisterKey(const QString& path, const std::vector<PseudonymKey>& key)
{
    QString text = QStringLiteral("codice,persona,file\n");
    for (const PseudonymKey& k : key)
        text += QStringList{k.code, csvTextField(k.persona), csvTextField(k.file)}.join(
                    QLatin1Char(',')) +
                QLatin1Char('\n');
    const std::string name = QFile::encodeName(path).toStdString();
    const int error = saveFile(name, text.toStdString(), SaveMode::Replace, FileAccess::OwnerOnly);
    if (error) return QString::fromStdString(errorReason(error));
    // A key replaced keeps no wider mode than a new one.
    if (::chmod(name.c_str(), 0600) != 0) return QString::fromStdString(errorReason(errno));
    return {};
}

} // namespace tipolab
