// The hexagon chart: the six types at the corners of a hexagon (R I A S E C
// around it), rings of a tidy step, and one closed polygon for each profile
// drawn on it, every profile in a colour, line style and marker of its own and
// named in a legend below. The same painting serves a window and the picture
// of a document.
#pragma once

#include "core/model.h"
#include "document/report_document.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

namespace tipolab {

// One profile on the chart: six percentages by type (type t at [t - 1]).
struct ChartProfile {
    QString label;
    std::array<double, kTypeCount> values{};
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
};

// The rings of the chart: every `step` points up to `maximum`, the smallest
// step of 1, 2 or 5 times a power of ten that covers the largest value in six
// rings at most. Values in hundredths of a point, so that labels are exact.
struct ChartAxis {
    int step = 100;
    int maximum = 500;
    int rings() const { return maximum / step; }
};
// The axis for a largest value of `largest` hundredths; nothing above zero
// gives rings of one point up to 5.
ChartAxis tidyAxis(int largest);

class HexagonChart {
public:
    // Ring labels are written in `locale`.
    explicit HexagonChart(QList<ChartProfile> profiles, const QLocale& locale = QLocale());

    const QList<ChartProfile>& profiles() const { return m_profiles; }
    const ChartAxis& axis() const { return m_axis; }
    // The label of ring k (1..rings) in the chart's locale: "5", "10", "2,5".
    QString ringLabel(int k) const;

    // Paints the chart into `area` of the painter's device, its texts in `font`.
    void paint(QPainter& painter, const QRectF& area, const QFont& font) const;
    // The chart on white, `pixels` large at `dotsPerInch`, its texts in `font`
    // sized for that resolution.
    QImage toImage(QSize pixels, int dotsPerInch, const QFont& font) const;

private:
    QList<ChartProfile> m_profiles;
    QLocale m_locale;
    ChartAxis m_axis;
};

// The chart as a document picture `twips` large, drawn at `dotsPerInch` in the
// documents' font.
Picture chartPicture(const HexagonChart& chart, QSize twips, int dotsPerInch = 200);

// An image drawn for the documents as a picture `twips` large.
Picture imagePicture(const QImage& image, QSize twips);
// The pixels of a picture `twips` large at `dotsPerInch`.
QSize picturePixels(QSize twips, int dotsPerInch);

} // namespace tipolab
