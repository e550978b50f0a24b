// A library of the system that the program loads when it first needs it, not
// at every start: the libraries it brings with it then cost nothing until used.
#pragma once

#include <QLibrary>
#include <QString>

namespace tipolab {

// Loads `name` by its major version ("fluidsynth", 3 for libfluidsynth.so.3),
// else by the name alone. Once loaded it stays for the program's life (some
// register types or handlers that cannot be undone); null where the library
// is not installed. Thread-safe; each call loads afresh, so callers keep what
// they got.
QLibrary* loadSystemLibrary(const QString& name, int majorVersion);

// Sets `function` to the library's function of that name; false when missing.
template <typename Function>
bool resolveFunction(QLibrary& library, const char* name, Function*& function)
{
    function = reinterpret_cast<Function*>(library.resolve(name));
    return function != nullptr;
}

} // namespace tipolab
