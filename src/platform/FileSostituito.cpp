#include "platform/FileSostituito.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

std::string DestinazioneSalvataggio(const std::string& percorso) {
  std::error_code errore;
  if (!fs::is_symlink(percorso, errore)) return percorso;
  // A dangling link still names where the file is to be.
  const fs::path reale = fs::weakly_canonical(percorso, errore);
  return errore ? percorso : reale.string();
}

bool SostituibileConTemporaneo(const std::string& destinazione) {
  std::error_code errore;
  const fs::file_status stato = fs::status(destinazione, errore);
  return !fs::exists(stato) || fs::is_regular_file(stato);
}

bool SostituisciFile(const std::string& temporaneo, const std::string& destinazione) {
  std::error_code errore;
  fs::rename(temporaneo, destinazione, errore);
  if (errore) RimuoviTemporaneo(temporaneo);
  return !errore;
}

void RimuoviTemporaneo(const std::string& temporaneo) {
  std::error_code errore;
  fs::remove(temporaneo, errore);
}

}  // namespace platform
