#pragma once
// Texts are UTF-8; positions and lengths shown to the user count characters,
// not bytes (a locale's separator may take more than one byte).
#include <string>

namespace TestoUtf8 {

int NumeroCaratteri(const std::string& testo);

// Byte offset of the character at the 1-based position; testo.size() for the
// position just after the last character; std::string::npos outside.
std::size_t InizioCarattere(const std::string& testo, int posizione);

}  // namespace TestoUtf8
