#include "icon_image.h"

#include <QPainter>

namespace tipolab {

IconImage::IconImage(const QIcon& icon, QWidget* parent) : QWidget(parent), m_icon(icon) {}

void IconImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_icon.paint(&painter, rect(), Qt::AlignCenter);
}

} // namespace tipolab
