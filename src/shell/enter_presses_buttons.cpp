#include "enter_presses_buttons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace tipolab {

EnterPressesButtons::EnterPressesButtons(QObject* parent) : QObject(parent)
{
    if (qApp) qApp->installEventFilter(this);
}

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const bool pressable = qobject_cast<QPushButton*>(watched) || qobject_cast<QToolButton*>(watched);
    if (!button || !pressable || !button->hasFocus() || !button->isEnabled()) return false;
    button->click();
    return true;
}

} // namespace tipolab
