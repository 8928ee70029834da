#include "app/ImportaDxf.h"

#include "model/Formattazione.h"
#include "platform/ErroreEsecuzione.h"

namespace ImportaDxf {

std::string FileDxf::LineInput() {
  using Traits = std::istream::traits_type;
  Traits::int_type c = ingresso_.get();
  if (Traits::eq_int_type(c, Traits::eof()))
    throw platform::ErroreEsecuzione(62, TestoFineFile);
  std::string riga;
  for (; !Traits::eq_int_type(c, Traits::eof()); c = ingresso_.get()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (ingresso_.peek() == '\n') ingresso_.get();
      break;
    }
    riga += Traits::to_char_type(c);
  }
  return riga;
}

Coppia ReadCodes(FileDxf& file) {
  std::string codice = file.LineInput();
  const std::size_t inizio = codice.find_first_not_of(" \t");
  codice = inizio == std::string::npos
               ? std::string()
               : codice.substr(inizio, codice.find_last_not_of(" \t") - inizio + 1);
  return {codice, file.LineInput()};
}

std::string ToglieDecimali(std::string& testo) {
  const std::size_t punto = testo.find('.');
  if (punto != std::string::npos) testo.replace(punto, 1, Formattazione::SeparatoreDecimale());
  return testo;
}

}  // namespace ImportaDxf
