#include "hexagon_chart.h"

#include "core/profile.h"
#include "document/document_fonts.h"
#include "document/document_style.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace tipolab {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMostRings = 6;
constexpr int kPngQuality = 80;

const QColor kRingColour(200, 200, 200);
const QColor kSpokeColour(150, 150, 150);
const QColor kRingLabelColour(110, 110, 110);
const QColor kPaperPatch(255, 255, 255, 210); // white, the lines faint behind a number
const QColor kTextColour(0, 0, 0);

// The corners clockwise from the left: R at the left and S at the right, the
// two types with the shortest names beside the hexagon, the others above and
// below it.
QPointF direction(int t)
{
    const double angle = kPi + (t - 1) * kPi / 3; // screen angles: y grows downwards
    return {std::cos(angle), std::sin(angle)};
}

QPointF corner(const QPointF& centre, double radius, int t)
{
    return centre + direction(t) * radius;
}

QPolygonF ring(const QPointF& centre, double radius)
{
    QPolygonF out;
    for (int t = 1; t <= kTypeCount; ++t)
        out << corner(centre, radius, t);
    return out;
}

QString typeLabel(int t)
{
    const std::string_view name = typeName(t);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void drawMarker(QPainter& painter, int shape, const QPointF& at, double size)
{
    switch (shape % 4) {
    case 0:
        painter.drawEllipse(at, size, size);
        break;
    case 1:
        painter.drawRect(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size));
        break;
    case 2:
        painter.drawPolygon(QPolygonF{at + QPointF(0, -1.2 * size), at + QPointF(size, 0.8 * size),
                                      at + QPointF(-size, 0.8 * size)});
        break;
    default:
        painter.drawPolygon(QPolygonF{at + QPointF(0, -1.3 * size), at + QPointF(1.3 * size, 0),
                                      at + QPointF(0, 1.3 * size), at + QPointF(-1.3 * size, 0)});
        break;
    }
}

} // namespace

ChartAxis tidyAxis(int largest)
{
    if (largest <= 0) return {};
    for (int power = 1;; power *= 10) {
        for (int factor : {1, 2, 5}) {
            const int step = factor * power;
            const int rings = (largest + step - 1) / step;
            if (rings <= kMostRings) return {step, rings * step};
        }
    }
}

HexagonChart::HexagonChart(QList<ChartProfile> profiles, const QLocale& locale)
    : m_profiles(std::move(profiles)), m_locale(locale)
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    int largest = 0;
    for (const ChartProfile& p : m_profiles) {
        for (double v : p.values)
            largest = std::max(largest, hundredths(v));
    }
    m_axis = tidyAxis(largest);
}

QString HexagonChart::ringLabel(int k) const
{
    const int value = k * m_axis.step;
    const int decimals = value % 100 == 0 ? 0 : value % 10 == 0 ? 1 : 2;
    return m_locale.toString(value / 100.0, 'f', decimals);
}

void HexagonChart::paint(QPainter& painter, const QRectF& area, const QFont& font) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    QFont bold = font;
    bold.setBold(true);
    QFont small = font;
    if (font.pointSizeF() > 0)
        small.setPointSizeF(font.pointSizeF() * 0.85);
    else
        small.setPixelSize(std::max(1, qRound(font.pixelSize() * 0.85)));
    const QFontMetricsF metrics(font, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    const double line = metrics.height();
    const double gap = line / 3;
    const double pen = std::max(1.5, line / 7);

    // The legend takes the bottom lines; the hexagon the rest, with room for
    // its corner labels (letter above name): beside it for R and S, above and
    // below it for the others, reaching outwards from their corner.
    const double legendHeight = m_profiles.size() * line * 1.3 + gap;
    const QRectF plot = area.adjusted(0, 0, 0, -legendHeight);
    double sideWidth = 0;
    double otherWidth = 0;
    for (int t = 1; t <= kTypeCount; ++t) {
        double& widest = std::abs(direction(t).y()) < 0.1 ? sideWidth : otherWidth;
        widest = std::max(widest, metrics.horizontalAdvance(typeLabel(t)));
    }
    const double sin60 = std::sqrt(3.0) / 2;
    const double radius =
        std::max(0.0, std::min({plot.width() / 2 - sideWidth - gap, plot.width() - 1.5 * otherWidth,
                                (plot.height() / 2 - 2 * line - gap) / sin60}));
    const QPointF centre = plot.center();

    // Rings, spokes, ring labels up the middle of the top edges.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRingColour, 1));
    for (int k = 1; k <= m_axis.rings(); ++k)
        painter.drawPolygon(ring(centre, radius * k / m_axis.rings()));
    painter.setPen(QPen(kSpokeColour, 1));
    for (int t = 1; t <= kTypeCount; ++t)
        painter.drawLine(centre, corner(centre, radius, t));
    // Corner labels: the letter in bold over the type's name.
    painter.setPen(kTextColour);
    for (int t = 1; t <= kTypeCount; ++t) {
        const QString letter(QChar::fromLatin1(typeLetter(t)));
        const QString name = typeLabel(t);
        const double w =
            std::max(metrics.horizontalAdvance(name), boldMetrics.horizontalAdvance(letter));
        const QPointF at = corner(centre, radius, t);
        const QPointF d = direction(t);
        QRectF box(0, 0, w, 2 * line);
        if (std::abs(d.y()) < 0.1) // beside the hexagon
            box.moveCenter(at + QPointF(d.x() * (w / 2 + gap), 0));
        else // a quarter over the corner, the rest outwards
            box.moveCenter(
                at + QPointF(d.x() > 0 ? w / 4 : -w / 4, d.y() > 0 ? line + gap : -line - gap));
        painter.setFont(bold);
        painter.drawText(QRectF(box.left(), box.top(), w, line), Qt::AlignHCenter, letter);
        painter.setFont(font);
        painter.drawText(QRectF(box.left(), box.top() + line, w, line), Qt::AlignHCenter, name);
    }

    // The profiles, each a closed polygon with its markers.
    const double scale = m_axis.maximum > 0 ? radius / (m_axis.maximum / 100.0) : 0;
    for (qsizetype i = 0; i < m_profiles.size(); ++i) {
        const ChartProfile& p = m_profiles[i];
        QPolygonF shape;
        for (int t = 1; t <= kTypeCount; ++t)
            shape << corner(centre, p.values[t - 1] * scale, t);
        QColor fill = p.colour;
        fill.setAlpha(28);
        painter.setBrush(fill);
        painter.setPen(QPen(p.colour, pen, p.style, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolygon(shape);
        painter.setBrush(p.colour);
        painter.setPen(QPen(p.colour, 1));
        for (const QPointF& at : shape)
            drawMarker(painter, int(i), at, pen * 1.4);
    }

    // The ring labels over the profiles, each on a patch of paper, so that no
    // line crosses a number.
    painter.setFont(small);
    const QFontMetricsF smallMetrics(small, painter.device());
    for (int k = 1; k <= m_axis.rings(); ++k) {
        const double y = centre.y() - radius * k / m_axis.rings() * sin60;
        const QString label = ringLabel(k);
        const double w = smallMetrics.horizontalAdvance(label);
        const QPointF at(centre.x() - w / 2, y - smallMetrics.descent() - 1);
        const QRectF patch(at.x() - 1, at.y() - smallMetrics.ascent(), w + 2,
                           smallMetrics.ascent() + smallMetrics.descent());
        painter.fillRect(patch, kPaperPatch);
        painter.setPen(kRingLabelColour);
        painter.drawText(at, label);
    }

    // The legend: a piece of each line with its marker, then the label.
    const double sample = 3 * line;
    double legendWidth = 0;
    for (const ChartProfile& p : m_profiles)
        legendWidth = std::max(legendWidth, sample + gap + metrics.horizontalAdvance(p.label));
    double y = plot.bottom() + gap;
    for (qsizetype i = 0; i < m_profiles.size(); ++i) {
        const ChartProfile& p = m_profiles[i];
        const double x = area.center().x() - legendWidth / 2;
        const double mid = y + line / 2;
        painter.setPen(QPen(p.colour, pen, p.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, mid), QPointF(x + sample, mid));
        painter.setBrush(p.colour);
        painter.setPen(QPen(p.colour, 1));
        drawMarker(painter, int(i), QPointF(x + sample / 2, mid), pen * 1.4);
        painter.setPen(kTextColour);
        painter.drawText(QRectF(x + sample + gap, y, legendWidth, line),
                         Qt::AlignLeft | Qt::AlignVCenter, p.label);
        y += line * 1.3;
    }
    painter.restore();
}

QImage HexagonChart::toImage(QSize pixels, int dotsPerInch, const QFont& font) const
{
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)), font);
    painter.end();
    return image;
}

QSize picturePixels(QSize twips, int dotsPerInch)
{
    return {twips.width() * dotsPerInch / style::kTwipsPerInch,
            twips.height() * dotsPerInch / style::kTwipsPerInch};
}

Picture chartPicture(const HexagonChart& chart, QSize twips, int dotsPerInch)
{
    const QSize pixels = picturePixels(twips, dotsPerInch);
    QFont font = documentFont(CharFormat{QString::fromLatin1(kDocumentFont), 9});
    return imagePicture(chart.toImage(pixels, dotsPerInch, font), twips);
}

Picture imagePicture(const QImage& image, QSize twips)
{
    Picture out;
    QBuffer buffer(&out.png);
    buffer.open(QIODevice::WriteOnly);
    // A lighter compression than the default: half the time, 7 % more bytes.
    image.save(&buffer, "PNG", kPngQuality);
    out.pixels = image.size();
    out.size = twips;
    return out;
}

} // namespace tipolab
