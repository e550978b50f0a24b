// Any bytes as the file of recent archives: the reader never crashes, takes
// at most four entries, each with an absolute path and a person's name on one
// line, and what it took is written and read back unchanged.
#include "state/recent_archives.h"

#include <QDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tipolab::RecentArchives;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<tipolab::RecentArchive> list = RecentArchives::fromText(text);
    if (list.size() > RecentArchives::kKept) std::abort();
    for (const tipolab::RecentArchive& r : list) {
        if (!QDir::isAbsolutePath(r.path) || r.path.contains(u'\n') || r.path.contains(u'\t') ||
            r.persona.contains(u'\n') || r.persona.contains(u'\t'))
            std::abort();
    }
    const QList<tipolab::RecentArchive> back =
        RecentArchives::fromText(RecentArchives::toText(list));
    if (back.size() != list.size()) std::abort();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (back[i].path != list[i].path || back[i].persona != list[i].persona) std::abort();
    }
    return 0;
}
