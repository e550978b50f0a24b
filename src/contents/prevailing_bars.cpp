#include "prevailing_bars.h"

#include "core/profile.h"
#include "document/document_fonts.h"
#include "document/document_style.h"
#include "hexagon_chart.h"
#include "state/qt_text.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace tipolab {

void paintPrevailingBars(QPainter& p, const QRectF& area, const TypeCounts& counts,
                         const QFont& font, const QFont& small, bool lettersOnly)
{
    p.setFont(font);
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const double line = p.fontMetrics().height();
    const double left = area.left(), width = area.width();
    const double slot = width / kTypeCount, bar = slot * 0.6;
    const double base = area.top() + area.height() - 1.5 * line, top = area.top() + 1.5 * line;
    for (int t = 0; t < kTypeCount; ++t) {
        const double x = left + t * slot + (slot - bar) / 2;
        const double h = (base - top) * counts[t] / most;
        p.fillRect(QRectF(x, base - h, bar, h), QColor(0, 0, 192));
        p.setPen(Qt::black);
        p.setFont(small);
        p.drawText(QRectF(left + t * slot, base + line * 0.2, slot, line), Qt::AlignCenter,
                   lettersOnly ? QString(QLatin1Char(typeLetter(t + 1)))
                               : toQString(typeName(t + 1)));
        p.setFont(font);
        p.drawText(QRectF(left + t * slot, base - h - line * 1.2, slot, line), Qt::AlignCenter,
                   QString::number(counts[t]));
    }
    p.drawLine(QPointF(left, base), QPointF(left + width, base));
}

Picture prevailingBarsPicture(const TypeCounts& counts)
{
    constexpr QSize twips(8504, 3402); // 15 by 6 centimetres
    constexpr int dotsPerInch = 200;
    QImage image(picturePixels(twips, dotsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = documentFont(CharFormat{QString::fromLatin1(kDocumentFont), 9});
    font.setPixelSize(dotsPerInch * 9 / 72);
    QFont small = font;
    small.setPixelSize(dotsPerInch * 7 / 72);
    paintPrevailingBars(p, QRectF(QPointF(0, 0), QSizeF(image.size())), counts, font, small);
    p.end();
    Picture picture = imagePicture(image, twips);
    picture.alignment = Alignment::Center;
    return picture;
}

} // namespace tipolab
