// How the lengths of a document, kept in twips, reach a paint device through
// Qt's text layout: formats hold lengths in pixels of the screen's resolution,
// which the layout scales to the device's.
#pragma once

#include <QSizeF>

class QPaintDevice;

namespace tipolab {

struct LayoutUnits {
    int deviceDpi = 1440;
    int screenDpi = 96;      // the resolution the layout takes format lengths in
    double devicePixels = 1; // device pixels per twip
    double scale = 1;        // twips to format lengths

    double format(double twips) const { return twips * scale; }
    // A format length on the device, computed as the layout computes it.
    double toDevice(double length) const { return length * deviceDpi / double(screenDpi); }
};

LayoutUnits layoutUnits(const QPaintDevice& device);

// An A4 sheet in device pixels.
QSizeF pageSize(const LayoutUnits& units);

} // namespace tipolab
