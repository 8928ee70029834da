#pragma once
// The materials record block that the settings file and the project file
// share: steel and concrete designations and constants, confidence factors.
#include <string>

#include "app/FileDati.h"

namespace FileImpostazioni {

// Reads ("L") or writes ("S") the block at the current position of the file.
// Reading follows the layout of the file's version; writing always writes the
// current layout. Errors of the records pass on (see FileInOut). After
// reading, values out of range are replaced and the user told.
void BloccoMaterialiLeggeScrive(Generale::FileDati& file, const std::string& modo,
                                const std::string& versione);

// Every material constant and design parameter of the program state out of
// its range (see Intervalli) back to its default, or only those of the
// materials block (soloBlocco); one line a value replaced, empty when none was.
std::string SostituisceValoriFuoriIntervallo(bool soloBlocco);

// The partial factors and the modular ratios alone (γc, γs, n of the bars
// and of the tendons, γ azioni), as SostituisceValoriFuoriIntervallo does.
std::string SostituisceFattoriFuoriIntervallo();

// The same, then a box that lists the values replaced, when there are any.
// Called after each file that fills those values is read.
void AvvisaValoriSostituiti(bool soloBlocco);

// The box of the values replaced that elenco lists; none when it is empty.
void AvvisaSostituiti(const std::string& elenco);

}  // namespace FileImpostazioni
