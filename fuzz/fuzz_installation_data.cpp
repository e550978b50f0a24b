// Any bytes as the installation file tipolab.ini: the reader never crashes,
// and every item ends up with a text, the file's or the neutral one, with no
// blanks around it.
#include "state/installation_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = QDir::temp().filePath(
        QStringLiteral("tipolab-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    const tipolab::InstallationData d = tipolab::InstallationData::load(path);
    for (const QString* item : {&d.studioName, &d.studioAddress, &d.supplierName,
                                &d.supplierAddress, &d.supplierWebSite, &d.supplierEmail,
                                &d.supplierPhone}) {
        if (item->isEmpty() || *item != item->trimmed()) std::abort();
    }
    return 0;
}
