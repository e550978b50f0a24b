// A hexagon chart on a window: the chart of reports/hexagon_chart.h painted
// on a white panel in the widget's own font, or an empty panel while it has
// no chart.
#pragma once

#include "contents/hexagon_chart.h"

#include <QWidget>
#include <optional>

namespace tipolab {

// The white panel of a chart painted on `widget`; the area inside its margin.
QRectF paintChartPanel(QWidget& widget, QPainter& painter);

class HexagonChartView : public QWidget {
    Q_OBJECT
public:
    explicit HexagonChartView(QWidget* parent = nullptr);

    void setChart(std::optional<HexagonChart> chart);
    const std::optional<HexagonChart>& chart() const { return m_chart; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<HexagonChart> m_chart;
};

} // namespace tipolab
