// What the tool prints to a terminal from outside: names, file names and the
// values quoted in its messages.
#pragma once

#include <QString>

namespace tipolab {

// `text` with every control character (NUL, ESC, line ends, DEL and the C1
// controls) shown as "\x" and its code in two hexadecimal digits, so that a
// crafted name can neither drive the terminal nor forge lines of output.
QString terminalSafe(const QString& text);

} // namespace tipolab
