#include "document_fonts.h"

#include "document_style.h"

#include <QFontInfo>
#include <QHash>
#include <QImage>
#include <cmath>

namespace tipolab {
namespace {

QFont requestedFont(const QString& family, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The family the font database settles on for `family`. Asking for a family
// that is not installed sends every new font of it through the system's font
// matching again; asking for the face it settled on finds it at once.
QString installedFamily(const QString& family, bool bold)
{
    static QHash<QString, QString> found[2];
    QHash<QString, QString>& cache = found[bold ? 1 : 0];
    auto it = cache.constFind(family);
    if (it == cache.constEnd()) {
        QString settled = QFontInfo(requestedFont(family, bold)).family();
        if (settled.isEmpty()) settled = family;
        it = cache.insert(family, settled);
    }
    return *it;
}

} // namespace

QFont documentFont(const CharFormat& format, bool bold)
{
    QFont font = requestedFont(installedFamily(format.font, bold), bold);
    font.setPointSizeF(format.size);
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
