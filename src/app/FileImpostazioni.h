#pragma once
// The settings file "Tramok.ini" beside the program: materials, length unit,
// design code and design parameters that a new section starts from.
#include <string>

namespace FileImpostazioni {

inline constexpr const char* NomeFileIni = "Tramok.ini";

// Mode "L" loads the defaults, then reads the file; any other mode writes
// it. True when the whole file was read or written. A failure is reported
// in one box (after the box of the record that failed, if it shows one):
// reading leaves the defaults, nothing of the file, as does a file whose
// material constants or design code are out of their range (the box says
// which); writing leaves the file as it was.
bool FileIniLeggeScrive(const std::string& modo);

}  // namespace FileImpostazioni
