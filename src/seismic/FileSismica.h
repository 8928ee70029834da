#pragma once
// The seismic block of the project file: the seismic state's records, then
// the column's. The project file calls it when writing and when reading a
// file of version "6.2" or later.
#include <string>

#include "app/FileDati.h"

namespace Sismica {

// Reads ("L") or writes ("S") the block at the current position of the file.
// A failed record ends a reading (ErroreFile); the values read before it keep
// their new values.
void FileLeggeScrive(const std::string& modo, Generale::FileDati& file);

}  // namespace Sismica
