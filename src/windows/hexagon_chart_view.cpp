#include "hexagon_chart_view.h"

#include <QPainter>

namespace tipolab {

HexagonChartView::HexagonChartView(QWidget* parent) : QWidget(parent) {}

void HexagonChartView::setChart(std::optional<HexagonChart> chart)
{
    m_chart = std::move(chart);
    update();
}

QRectF paintChartPanel(QWidget& widget, QPainter& painter)
{
    const QRectF panel = QRectF(widget.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(widget.palette().color(QPalette::Mid));
    painter.setBrush(Qt::white);
    painter.drawRect(panel);
    const double margin = widget.fontMetrics().height() / 2.0;
    return panel.adjusted(margin, margin, -margin, -margin);
}

void HexagonChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF inner = paintChartPanel(*this, painter);
    if (m_chart) m_chart->paint(painter, inner, font());
}

} // namespace tipolab
