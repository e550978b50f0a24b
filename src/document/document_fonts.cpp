#include "document_fonts.h"

#include "document_style.h"

#include <QImage>
#include <cmath>

namespace tipolab {

QFont documentFont(const CharFormat& format, bool bold)
{
    QFont font(format.font);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(format.size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPaintDevice& twipsDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = static_cast<int>(std::lround(style::kTwipsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

} // namespace tipolab
