#pragma once

#include <QString>

namespace tarvel {

// The two base directories of the program. Only app/main.cpp and cli/ decide
// them; everything else receives them (tests point both at temporary folders).
struct AppPaths {
    QString programDir; // directory of the program file: list appearance files, Tsrm/, the gate's data.dbs
    QString workDir;    // current directory of the process: data.dbs, fytPar.velmor, irssatir.velmor
};

} // namespace tarvel
