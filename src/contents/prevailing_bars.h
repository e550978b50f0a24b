// The prevailing types of a group as bars: one bar a type, R to C, as tall as
// its count beside the largest, the count above it and the type's name under
// it. The same painting serves the register window and the class sheet.
#pragma once

#include "core/model.h"
#include "document/report_document.h"

#include <QFont>
#include <QRectF>
#include <array>

class QPainter;

namespace tipolab {

using TypeCounts = std::array<int, kTypeCount>;

// Paints the bars into `area`, the counts in `font` and the names in `small`
// (smaller, so that INTRAPRENDENTE fits its slot), or only the types' letters
// where the area is too narrow for the names.
void paintPrevailingBars(QPainter& painter, const QRectF& area, const TypeCounts& counts,
                         const QFont& font, const QFont& small, bool lettersOnly = false);

// The bars as a document picture 15 by 6 centimetres, centred.
Picture prevailingBarsPicture(const TypeCounts& counts);

} // namespace tipolab
