// "tipolab-cli professioni": the occupations ranked by how closely their
// interests match the profile of an archive, as text or as CSV.
#pragma once

#include "occupations/occupation_match.h"

#include <QLocale>
#include <QString>
#include <QTextStream>

namespace tipolab {

struct ProfessionsOptions {
    bool csv = false;
    bool synthetic = false;      // the self-image rather than the analytic profile
    LevelSet levels = kAllLevels;
    int count = -1;              // -1: the default (20 as text, all as CSV); 0: all
    QString file;
    QLocale locale;              // of r in the text; CSV always uses a point
    bool toTerminal = false;
};

// The text's default length.
inline constexpr int kProfessionsShownByDefault = 20;

// Reads a level list such as "3,4"; none for anything but levels 1..4 joined by commas.
std::optional<LevelSet> parseLevels(const QString& text);

// Writes the ranking to `out`; a refused, incomplete or flat file to `err`.
// Returns 0 on success, 1 when the file was reported.
int runProfessions(const ProfessionsOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
