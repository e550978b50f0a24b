// Fonts for laying a document out. Where "Century Gothic" is not installed the
// system's font configuration picks the stand-in, as it does for the word
// processor on the same machine, so the page count follows what it shows.
#pragma once

#include "report_document.h"

#include <QFont>
#include <QPaintDevice>

namespace tipolab {

QFont documentFont(const CharFormat& format, bool bold = false);

// A paint device of 1440 dots per inch: one device pixel is one twip. Layout
// done on it needs no rounding to screen pixels.
QPaintDevice& twipsDevice();

} // namespace tipolab
