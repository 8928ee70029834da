#pragma once
// Where the settings and materials files live: beside the program when its
// folder can be written, else in the user's configuration folder. A file not
// yet written there is read from the program folder.
#include <string>

namespace Generale {

// The path the named file is written to.
std::string PercorsoScritturaConfigurazione(const std::string& nome);
// The path it is read from.
std::string PercorsoLetturaConfigurazione(const std::string& nome);

}  // namespace Generale
