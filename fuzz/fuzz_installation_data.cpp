// Any bytes as the installation file tipolab.ini: the reader never crashes,
// and every item ends up with a text, the file's or the neutral one, with no
// blanks around it. The studio's name and address, saved as the studio dialog
// saves them, read back unchanged.
#include "state/installation_data.h"
#include "state/text_lines.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tipolab::InstallationData d =
        tipolab::InstallationData::fromLines(tipolab::decodeTextLines(bytes));
    for (const QString* item :
         {&d.studioName, &d.studioAddress, &d.supplierName, &d.supplierAddress, &d.supplierWebSite,
          &d.supplierEmail, &d.supplierPhone}) {
        if (item->isEmpty() || *item != item->trimmed()) std::abort();
    }
    const tipolab::InstallationData back =
        tipolab::InstallationData::fromLines(tipolab::decodeTextLines(
            tipolab::InstallationData::studioFileBytes(d.studioName, d.studioAddress)));
    if (back.studioName != d.studioName || back.studioAddress != d.studioAddress) std::abort();
    return 0;
}
