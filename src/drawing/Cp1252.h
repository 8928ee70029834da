#pragma once
// Texts for 8-bit files read by programs that assume the Western Windows code
// page: UTF-8 in, one byte per character out.
#include <string>

namespace Grafica {

// A character the code page lacks, or a byte that is not UTF-8, becomes "?".
std::string Cp1252DaUtf8(const std::string& testo);

}  // namespace Grafica
