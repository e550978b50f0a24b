// The key of an export without names: which code stands for which person and
// file. It stays on the counsellor's computer, in a file of its own that only
// the user can read, never inside the export.
#pragma once

#include "register_rows.h"

namespace tipolab {

// Writes `key` as CSV (codice,persona,file) to `path`, mode 0600 even when it
// replaces a file that was readable by others. Empty text on success, else
// why, in Italian.
QString saveRegisterKey(const QString& path, const std::vector<PseudonymKey>& key);

} // namespace tipolab
