#include "weight_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tipolab {
namespace {

QToolButton* newArrow(QWidget* parent, const QString& objectName, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    // The pair shares the height of one row: let the arrows shrink to it.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setMinimumSize(0, 0);
    return button;
}

} // namespace

WeightArrows::WeightArrows(QWidget* parent) : QWidget(parent)
{
    m_up = newArrow(this, QStringLiteral("su"), Qt::UpArrow);
    m_down = newArrow(this, QStringLiteral("giu"), Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
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
}

} // namespace tipolab
