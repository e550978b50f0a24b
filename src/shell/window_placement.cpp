#include "window_placement.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace tipolab {

void centreOnOwner(QWidget* w, const QWidget* owner)
{
    // A window not yet shown has no frame: it will get one like its owner's.
    const QRect ownerFrame = owner->frameGeometry();
    const QMargins margins(owner->geometry().left() - ownerFrame.left(),
                           owner->geometry().top() - ownerFrame.top(),
                           ownerFrame.right() - owner->geometry().right(),
                           ownerFrame.bottom() - owner->geometry().bottom());
    QRect frame = w->isVisible() ? w->frameGeometry() : w->geometry().marginsAdded(margins);
    frame.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        // The title bar stays reachable when the window is larger than the room.
        frame.moveLeft(qMax(room.left(), qMin(frame.left(), room.right() - frame.width() + 1)));
        frame.moveTop(qMax(room.top(), qMin(frame.top(), room.bottom() - frame.height() + 1)));
    }
    w->move(frame.topLeft()); // a window's position is its frame's
}

} // namespace tipolab
