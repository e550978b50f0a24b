// Saving a whole file in one step, for every file the program writes that a
// person keeps (archives, the user's configuration).
#pragma once

#include "files/file_io.h"

#include <QByteArray>
#include <QString>

namespace tipolab {

// Writes `bytes` beside `path` and renames over it, so that a failed save
// leaves an existing file as it was; a new file gets the mode `access` says,
// one replaced keeps its own. Returns why it failed, in Italian and naming
// the file; an empty text on success.
QString saveWholeFile(const QString& path, const QByteArray& bytes,
                      FileAccess access = FileAccess::Usual);

// The same save, for callers that word the failure themselves: the system's
// reason alone ("il disco \u00e8 pieno"), an empty text on success.
QString replaceWholeFile(const QString& path, const QByteArray& bytes,
                         FileAccess access = FileAccess::Usual);

} // namespace tipolab
