#include "prevailing_bars_view.h"

#include "hexagon_chart_view.h"

#include <QPainter>

namespace tipolab {

PrevailingBarsView::PrevailingBarsView(QWidget* parent) : QWidget(parent) {}

void PrevailingBarsView::setCounts(const TypeCounts& counts)
{
    m_counts = counts;
    update();
}

void PrevailingBarsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = paintChartPanel(*this, painter);
    QFont small = font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.8);
    else
        small.setPixelSize(std::max(1, small.pixelSize() * 4 / 5));
    paintPrevailingBars(painter, inner, m_counts, font(), small, true);
}

} // namespace tipolab
