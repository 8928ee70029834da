#include "app/FileConfigurazione.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "model/VariabiliPubbliche.h"
#include "platform/Sistema.h"

namespace Generale {
namespace {

namespace fs = std::filesystem;

fs::path CartellaProgramma() { return fs::path(VariabiliPubbliche::Stato.CartellaProgramma); }

bool Scrivibile(const fs::path& cartella) {
  return !cartella.empty() && ::access(cartella.c_str(), W_OK) == 0;
}

}  // namespace

std::string PercorsoScritturaConfigurazione(const std::string& nome) {
  if (Scrivibile(CartellaProgramma())) return (CartellaProgramma() / nome).string();
  const fs::path utente(platform::SistemaCorrente().CartellaConfigurazione());
  std::error_code errore;
  fs::create_directories(utente, errore);
  return (utente / nome).string();
}

std::string PercorsoLetturaConfigurazione(const std::string& nome) {
  const std::string scritto = PercorsoScritturaConfigurazione(nome);
  std::error_code errore;
  if (fs::exists(scritto, errore)) return scritto;
  return (CartellaProgramma() / nome).string();
}

}  // namespace Generale
