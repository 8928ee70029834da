#pragma once
// Texts are UTF-8 in memory and Windows-1252 in the data files, as the files
// exchanged with other installations are written.
#include <string>

namespace Codifica {

// The code point that starts at byte posizione, which moves past it; a byte
// that starts no valid sequence gives U+FFFD and moves one byte.
char32_t LeggiCodice(const std::string& testo, std::size_t& posizione);

// A character Windows-1252 does not have becomes "?".
std::string Cp1252DaUtf8(const std::string& testo);
std::string Utf8DaCp1252(const std::string& testo);
// The characters of a text that Windows-1252 does not have, each once.
std::string NonCp1252(const std::string& testo);

}  // namespace Codifica
