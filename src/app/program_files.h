// What the program tells about its own files: the shipped ones that are
// missing, at every start, and on request the whole list.
#pragma once

class QTextStream;

namespace tipolab {

class ProgramPaths;

// One line for each shipped file that is not there; nothing when all are.
void reportMissingFiles(const ProgramPaths& paths, QTextStream& err);
// Every file and folder the program uses, and whether it is there. True when
// no shipped file is missing.
bool listProgramFiles(const ProgramPaths& paths, QTextStream& out);

} // namespace tipolab
