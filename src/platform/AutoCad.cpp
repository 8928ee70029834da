#include "platform/AutoCad.h"

#include "platform/ErroreEsecuzione.h"

namespace platform {
namespace {

class AutoCadNonRaggiungibile : public AutoCadAutomazione {
 public:
  std::shared_ptr<AutoCadApplicazione> OggettoInEsecuzione(const std::string& classe) override {
    Manca(classe);
  }
  std::shared_ptr<AutoCadApplicazione> CreaOggetto(const std::string& classe) override {
    Manca(classe);
  }
  void AttivaFinestra(const std::string& titolo) override {
    throw ErroreEsecuzione(Errori::ArgomentoNonValido, "Nessuna finestra con il titolo " + titolo);
  }

 private:
  [[noreturn]] static void Manca(const std::string& nome) {
    throw ErroreEsecuzione(Errori::ComponenteNonDisponibile,
                           "Il componente ActiveX non può creare l'oggetto: " + nome);
  }
};

AutoCadNonRaggiungibile predefinita;
AutoCadAutomazione* corrente = &predefinita;

}  // namespace

void ImpostaAutoCadAutomazione(AutoCadAutomazione* automazione) {
  corrente = automazione ? automazione : &predefinita;
}

AutoCadAutomazione& AutoCadAutomazioneCorrente() { return *corrente; }

}  // namespace platform
