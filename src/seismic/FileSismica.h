#pragma once
// The seismic block of the project file: the seismic state's records, then
// the column's. The project file calls it when writing and when reading a
// file of version "6.2" or later.
#include <string>

#include "app/FileDati.h"

namespace Sismica {

// Reads ("L") or writes ("S") the block at the current position of the file.
// A failed record ends a reading (ErroreFile); the values read before it keep
// their new values. Written as read while the seismic window's working
// values stand for those read.
void FileLeggeScrive(const std::string& modo, Generale::FileDati& file);

// The block the seismic state writes as it stands.
std::string Testo();

}  // namespace Sismica
