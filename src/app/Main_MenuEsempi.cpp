// The help menu's example projects.
#include <filesystem>

#include "app/Main.h"
#include "app/ProgettoFile.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void Main::ApriEsempio() {
  namespace fs = std::filesystem;
  const std::string cartellaDati = Stato.CartellaDati;
  const fs::path esempi = fs::path(Stato.CartellaProgramma) / "Esempi";
  ApriFileDati(esempi.string());
  Stato.CartellaDati = cartellaDati;
  // An example opened is saved into the data folder under its name, never
  // over the example itself.
  auto& percorso = ProgettoFile::Stato.PercorsoProgetto;
  std::error_code errore;
  if (!percorso.empty() && fs::equivalent(fs::path(percorso).parent_path(), esempi, errore))
    percorso.clear();
}
