// The fixed description of each personality type: the results window shows all
// six, the report quotes the one of the prevailing type.
#pragma once

#include <string_view>

namespace tipolab {

// The description of type t in 1..6 (REALISTA .. CONVENZIONALE) as the results
// window shows it.
std::string_view typeDescription(int t);

// The report's copy of the description of type t. REALISTA, INVESTIGATIVO and
// ARTISTICO differ from the window's texts in punctuation and spacing only; the
// other three are the same texts. A t outside 1..6 gives REALISTA.
std::string_view reportTypeDescription(int t);

} // namespace tipolab
