#include "weight_arrows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

namespace tipolab {
namespace {

QToolButton* newArrow(QWidget* parent, const QString& objectName, Qt::ArrowType arrow,
                      const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus); // the pair takes the focus, not each arrow
    button->setAccessibleName(name);
    // The arrows share the room of the pair: let them shrink to it.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setMinimumSize(0, 0);
    return button;
}

// What a screen reader reads of the pair: a spin box and its value.
class WeightArrowsAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit WeightArrowsAccessible(WeightArrows* arrows)
        : QAccessibleWidget(arrows, QAccessible::SpinBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return QString::number(arrows()->position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return arrows()->position(); }
    void setCurrentValue(const QVariant& value) override
    {
        arrows()->step(value.toInt() - arrows()->position());
    }
    QVariant maximumValue() const override { return WeightArrows::kMaximum; }
    QVariant minimumValue() const override { return WeightArrows::kMinimum; }
    QVariant minimumStepSize() const override { return 1; }

private:
    WeightArrows* arrows() const { return static_cast<WeightArrows*>(widget()); }
};

QAccessibleInterface* accessibleWeightArrows(const QString& className, QObject* object)
{
    if (className == QLatin1String(WeightArrows::staticMetaObject.className()))
        return new WeightArrowsAccessible(static_cast<WeightArrows*>(object));
    return nullptr;
}

} // namespace

WeightArrows::WeightArrows(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleWeightArrows);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    m_down =
        newArrow(this, QStringLiteral("giu"), Qt::DownArrow, QStringLiteral("diminuisci il peso"));
    m_up = newArrow(this, QStringLiteral("su"), Qt::UpArrow, QStringLiteral("aumenta il peso"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_down);
    layout->addWidget(m_up);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void WeightArrows::setPosition(int position)
{
    m_position = std::clamp(position, kMinimum, kMaximum);
}

void WeightArrows::step(int by)
{
    const int moved = std::clamp(m_position + by, kMinimum, kMaximum);
    if (moved == m_position) return; // already at the end of the range
    m_position = moved;
    emit changed(m_position);
    QAccessibleValueChangeEvent event(this, m_position);
    QAccessible::updateAccessibility(&event);
}

void WeightArrows::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A digit that would go past 100 is not taken.
        const QString typed = m_typed + QChar(u'0' + (key - Qt::Key_0));
        if (typed.toInt() > kMaximum) return;
        m_typed = typed;
        step(m_typed.toInt() - m_position);
        return;
    }
    if (key == Qt::Key_Backspace && !m_typed.isEmpty()) {
        m_typed.chop(1);
        step(m_typed.toInt() - m_position);
        return;
    }
    m_typed.clear(); // any other key ends the number typed
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    case Qt::Key_Up:
    case Qt::Key_Plus:
        step(+1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        step(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WeightArrows::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_typed.clear();
    showFocus(true);
}

void WeightArrows::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    showFocus(false);
}

// The arrows take the highlight colour while the pair has the focus.
void WeightArrows::showFocus(bool focused)
{
    for (QToolButton* arrow : {m_down, m_up}) {
        QPalette colours = palette();
        if (focused) colours.setColor(QPalette::Button, colours.color(QPalette::Highlight));
        arrow->setPalette(colours);
    }
}

} // namespace tipolab
