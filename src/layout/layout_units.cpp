#include "layout_units.h"

#include "document/document_style.h"
#include "layout_fixed.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace tipolab {
namespace {

// The resolution Qt's text layout takes for the lengths in formats: that of
// the primary screen.
int screenResolution()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 100;
}

} // namespace

LayoutUnits layoutUnits(const QPaintDevice& device)
{
    LayoutUnits u;
    u.deviceDpi = device.logicalDpiY();
    u.screenDpi = screenResolution();
    u.devicePixels = double(u.deviceDpi) / style::kTwipsPerInch;
    // A margin of known length comes out on the device rounded to a whole
    // pixel; lengths are given in its measure, so that they reach the device
    // as the twips they stand for.
    constexpr double probe = 10;
    const double laidOut = Fixed::fromReal(u.toDevice(probe)).round().toReal();
    u.scale = u.devicePixels * (laidOut > 0 ? probe / laidOut : 1);
    return u;
}

QSizeF pageSize(const LayoutUnits& units)
{
    return QSizeF(style::kPageWidth * units.devicePixels, style::kPageHeight * units.devicePixels);
}

} // namespace tipolab
