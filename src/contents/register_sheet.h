// The class sheet of a register: how many assessments are complete,
// incomplete and damaged, the prevailing types as a bar chart, the mean
// analytic profile of the complete ones on the hexagon chart, then one row per
// complete assessment (person, date, prevailing type, both codes, warnings).
#pragma once

#include "register/register_rows.h"
#include "report_snapshot.h"
#include "document/report_writer.h"

#include <QLocale>

namespace tipolab {

struct RegisterSnapshot {
    QString folderName; // what the sheet is of, and its file name
    std::vector<RegisterRow> rows;
    QLocale locale;
};

void composeRegisterSheet(ReportWriter& w, const SheetHeading& heading, const RegisterSnapshot& s);

} // namespace tipolab
