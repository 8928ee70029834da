#pragma once
// Whether a file can be read whole before it is opened: a folder, a pipe or a
// device is refused at once (a pipe would block, a device never end), and so
// is a file larger than any its reader takes.
#include <cstdint>
#include <string>

namespace platform {

// Empty when percorso is a regular file of at most massimo bytes that can be
// read; otherwise why not, in a sentence that names it. mancante tells a file
// that is not there.
std::string MotivoNonLeggibile(const std::string& percorso, std::uintmax_t massimo,
                               bool* mancante = nullptr);

}  // namespace platform
