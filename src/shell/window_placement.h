// Where the windows that accompany the work open: the tip of the day, the
// price list, the help contents and pages, the support and about windows
// open centred on the window they were asked from, and one help page at a
// time is on screen.
#pragma once

#include "window_id.h"

class QWidget;

namespace tipolab {

// The windows that open over another rather than where their design puts them.
inline bool opensOnItsOwner(WindowId id)
{
    return id >= WindowId::Support && id <= WindowId::PriceList;
}

// The help pages, of which one is on screen at a time.
inline bool isHelpPage(WindowId id)
{
    return id >= WindowId::Manual && id <= WindowId::GuideRegister;
}

// Moves `w` so that its centre is the centre of `owner`, kept inside the
// screen `owner` is on.
void centreOnOwner(QWidget* w, const QWidget* owner);

} // namespace tipolab
