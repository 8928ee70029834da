#include "platform/PrintDialogScriptato.h"

#include "platform/ErroreEsecuzione.h"

namespace platform {

void PrintDialogScriptato::ShowPrinter() {
  ++volte_;
  std::optional<int> risposta;
  if (!risposte_.empty()) {
    risposta = risposte_.front();
    risposte_.pop_front();
  }
  if (risposta)
    Copies = *risposta;
  else if (CancelError)
    throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
}

}  // namespace platform
