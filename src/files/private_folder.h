// A folder only the user can enter, for files that hold a person's data while
// another program reads them (the sheets handed to the word processor). Other
// users of the same machine can neither read them nor plant anything in their
// place.
#pragma once

#include <string>
#include <sys/types.h>

namespace tipolab {

// Where such a folder named `name` goes: in the user's runtime folder
// ($XDG_RUNTIME_DIR, private to the user by design) when there is one, else as
// "<name>-<user number>" in the temporary folder `temporary`.
std::string privateFolderPath(const std::string& name, const std::string& temporary);

// Makes the folder `path` (its parent must exist) readable by `owner` alone,
// or takes it as it is when it already is one. A symbolic link or anything
// but a folder at `path`, or a folder owned by someone else, is refused and
// left alone. Returns an empty text, or why the folder cannot be used, in
// Italian.
std::string preparePrivateFolder(const std::string& path, uid_t owner);

} // namespace tipolab
