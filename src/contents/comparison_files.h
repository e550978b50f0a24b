// Two archives read for a comparison: each read whole and taken as
// "&Risultati" would take it, as the comparison window and the command-line
// tool read them.
#pragma once

#include "comparison_texts.h"

#include <optional>

namespace tipolab {

struct ComparedFile {
    std::optional<ComparedAssessment> assessment;
    QString error; // naming the file, when it is damaged or incomplete
};
// An archive read whole and taken as "&Risultati" would take it.
ComparedFile comparedFromFile(const QString& path, const QLocale& locale = QLocale());

// Two archives compared, as the command-line tool does.
struct FileComparison {
    std::optional<ComparisonSnapshot> snapshot; // when both files are whole and complete
    QStringList errors;                         // for each file that is not, naming it
    QString warning;                            // when the names differ
};
FileComparison compareFiles(const QString& before, const QString& after,
                            const QLocale& locale = QLocale());

} // namespace tipolab
