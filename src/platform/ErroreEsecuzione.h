#pragma once
// An error raised to the caller, as a run-time error carries it: a number the
// handlers react to and a description shown to the user.
#include <stdexcept>
#include <string>

namespace platform {

// Numbers that handlers tell apart.
namespace Errori {
constexpr int ArgomentoNonValido = 5;
constexpr int ErroreInterno = 51;           // a fault of the program itself
constexpr int NumeroFileNonValido = 52;     // no file open under that number
constexpr int FileGiaAperto = 55;
constexpr int IngressoUscita = 57;          // device input/output error
constexpr int PerifericaNonDisponibile = 68;
constexpr int VariabileOggettoNonImpostata = 91;
constexpr int ComponenteNonDisponibile = 429;  // automation object not to be had
constexpr int MembroNonSupportato = 438;
constexpr int Stampante = 482;
constexpr int ProprietaStampante = 483;
constexpr int InformazioniStampante = 484;
constexpr int DialogoAnnullato = 32755;
}  // namespace Errori

class ErroreEsecuzione : public std::runtime_error {
 public:
  ErroreEsecuzione(int numero, const std::string& descrizione)
      : std::runtime_error(descrizione), numero_(numero) {}
  int Numero() const { return numero_; }
  std::string Descrizione() const { return what(); }

 private:
  int numero_;
};

// The error of a failed file operation on the path, from the system's errno.
ErroreEsecuzione ErroreFile(int codiceSistema, const std::string& percorso);

}  // namespace platform
