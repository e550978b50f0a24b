// The prevailing types of a group as bars on a window (contents/prevailing_bars.h)
// on the same white panel as the hexagon chart.
#pragma once

#include "contents/prevailing_bars.h"

#include <QWidget>

namespace tipolab {

class PrevailingBarsView : public QWidget {
    Q_OBJECT
public:
    explicit PrevailingBarsView(QWidget* parent = nullptr);

    void setCounts(const TypeCounts& counts);
    const TypeCounts& counts() const { return m_counts; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TypeCounts m_counts{};
};

} // namespace tipolab
