#include "hexagon_chart_view.h"

#include <QPainter>

namespace tipolab {

HexagonChartView::HexagonChartView(QWidget* parent) : QWidget(parent) {}

void HexagonChartView::setChart(std::optional<HexagonChart> chart)
{
    m_chart = std::move(chart);
    update();
}

void HexagonChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::white);
    painter.drawRect(panel);
    if (!m_chart) return;
    const double margin = fontMetrics().height() / 2.0;
    m_chart->paint(painter, panel.adjusted(margin, margin, -margin, -margin), font());
}

} // namespace tipolab
