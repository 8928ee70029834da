#include "platform/FileDialogScriptato.h"

#include <filesystem>

#include "platform/ErroreEsecuzione.h"

namespace platform {

void FileDialogScriptato::ShowSave() { Mostra(false); }

void FileDialogScriptato::ShowOpen() { Mostra(true); }

void FileDialogScriptato::Mostra(bool apertura) {
  mostrati_.push_back({Flags, Filter, FilterIndex, FileName, InitDir, apertura});
  std::optional<std::string> risposta;
  if (!risposte_.empty()) {
    risposta = std::move(risposte_.front());
    risposte_.pop_front();
  }
  if (risposta) {
    FileName = *risposta;
    if (!apertura && !DefaultExt.empty() && !std::filesystem::path(FileName).has_extension())
      FileName += "." + DefaultExt;
    return;
  }
  FileName.clear();
  if (CancelError) throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
}

}  // namespace platform
