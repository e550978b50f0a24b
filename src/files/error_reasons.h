// Why an operation on a file failed, in the user's words: the one place where
// the system's error numbers become Italian text. Every message that reports a
// failed open, read, write or save takes its reason from here.
#pragma once

#include <string>

namespace tipolab {

// The reason for the system error `error` (an errno value), in Italian, lower
// case and without a final full stop, e.g. "il disco è pieno".
std::string errorReason(int error);

} // namespace tipolab
