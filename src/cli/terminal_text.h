// What the tool prints to a terminal from outside: names, file names and the
// values quoted in its messages.
#pragma once

#include "archive/assessment_data.h"

#include <QString>
#include <QTextStream>
#include <string_view>

namespace tipolab {

// `text` with every control character (NUL, ESC, line ends, DEL and the C1
// controls) shown as "\x" and its code in two hexadecimal digits, so that a
// crafted name can neither drive the terminal nor forge lines of output.
QString terminalSafe(const QString& text);
// The same of bytes that may not all be UTF-8: a byte that is not part of
// well-formed UTF-8 is shown as "\x" and its code, too.
QString terminalSafeBytes(std::string_view bytes);

// The two lines that head a file's figures in the text tables: the file's name
// and "Persona: " with the examined person's name, both shown safe.
void writeFileHeading(QTextStream& out, const QString& file, const QString& persona);

// Why `file` gave no `outcome` ("risultati non calcolati"): one short line for
// each thing missing in `data` (the assessment as the check sees it, display
// defaults filled in), indented under the file's name, type by type: the
// general judgement, the characteristics without a judgement, the weights that
// do not add up to 100.
void writeIncomplete(QTextStream& err, const QString& file, const QString& outcome,
                     const AssessmentData& data);

} // namespace tipolab
