// Help pages as documents: one page (`stampaguida`) or the whole guide.
#pragma once

#include "report_snapshot.h"
#include "document/report_writer.h"

#include <QList>

namespace tipolab {

struct GuidePage {
    QString title;
    QString text;
};

// Program name (20 pt), description (16 pt), "Guida: " and the title, the
// text (12 pt); justified.
void composeGuidePage(ReportWriter& w, const SheetHeading& heading, const GuidePage& page);

// Every page in turn, each after a page break but the first; justified.
void composeFullGuide(ReportWriter& w, const SheetHeading& heading, const QList<GuidePage>& pages);

} // namespace tipolab
