#include "platform/NumeroScritto.h"

#include <charconv>

#include "platform/Sistema.h"

namespace platform {

std::string CifreNumero(double x) {
  if (x == 0) x = 0;  // no "-0"
  char buf[40];
  const char* fine = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr;
  return std::string(static_cast<const char*>(buf), fine);
}

std::string NumeroLocale(std::string cifre) {
  if (const std::size_t e = cifre.find('e'); e != std::string::npos) cifre[e] = 'E';
  if (const std::size_t punto = cifre.find('.'); punto != std::string::npos) {
    const std::string decimale = SistemaCorrente().SeparatoreDecimale();
    if (decimale != ".") cifre.replace(punto, 1, decimale);
  }
  return cifre;
}

}  // namespace platform
