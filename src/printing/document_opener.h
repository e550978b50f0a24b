// How a written document reaches the user: handed to the desktop's word
// processor, or shown by the program itself where none answers. Tests put a
// recorder in its place.
#pragma once

#include "document/report_document.h"

#include <QString>

namespace tipolab {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // `path` is the file just written; `document` is what it holds.
    virtual void open(const QString& path, const ReportDocument& document) = 0;
};

} // namespace tipolab
