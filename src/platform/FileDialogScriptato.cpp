#include "platform/FileDialogScriptato.h"

#include "platform/ErroreEsecuzione.h"

namespace platform {

void FileDialogScriptato::ShowOpen() { Mostra(true); }

void FileDialogScriptato::ShowSave() { Mostra(false); }

void FileDialogScriptato::Mostra(bool apertura) {
  mostrati_.push_back({Flags, Filter, FilterIndex, FileName, apertura});
  std::optional<std::string> risposta;
  if (!risposte_.empty()) {
    risposta = std::move(risposte_.front());
    risposte_.pop_front();
  }
  if (risposta) {
    FileName = *risposta;
    return;
  }
  FileName.clear();
  if (CancelError) throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
}

}  // namespace platform
