// What the program tells about itself: the shipped files that are missing, at
// every start; on request the whole list, its options and its version.
#pragma once

class QTextStream;

namespace tipolab {

class ProgramPaths;

// One line for each shipped file that is not there; nothing when all are.
void reportMissingFiles(const ProgramPaths& paths, QTextStream& err);
// Every file and folder the program uses, and whether it is there. True when
// no shipped file is missing.
bool listProgramFiles(const ProgramPaths& paths, QTextStream& out);

// "tipolab --help": the program's options, in short.
void writeUsage(QTextStream& out);
// "tipolab --version": the program's name and version, on one line.
void writeVersion(QTextStream& out);

} // namespace tipolab
