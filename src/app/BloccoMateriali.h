#pragma once
// The materials record block that the settings file and the project file
// share: steel and concrete designations and constants, confidence factors.
#include <string>

#include "app/FileDati.h"

namespace FileImpostazioni {

// Reads ("L") or writes ("S") the block at the current position of the file.
// Reading follows the layout of the file's version; writing always writes the
// current layout. Errors of the records pass on (see FileInOut).
void BloccoMaterialiLeggeScrive(Generale::FileDati& file, const std::string& modo,
                                const std::string& versione);

// Values the program divides by, when read as zero or negative, go back to
// their defaults: ModuloEs 200000, AlfaCC 0.85, GammaC 1.5, GammaS 1.15, the
// confidence factors 1.
void CorreggiDivisori();

}  // namespace FileImpostazioni
