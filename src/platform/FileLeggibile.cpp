#include "platform/FileLeggibile.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string Megabyte(std::uintmax_t byte) {
  return std::to_string((byte + (1u << 20) - 1) >> 20) + " MB";
}

}  // namespace

std::string MotivoNonLeggibile(const std::string& percorso, std::uintmax_t massimo,
                               bool* mancante) {
  std::error_code errore;
  const fs::file_status stato = fs::status(percorso, errore);
  if (mancante) *mancante = !fs::exists(stato);
  if (!fs::exists(stato)) return "File non trovato: " + percorso;
  const std::string file = "Il file " + percorso + " non può essere letto: ";
  if (fs::is_directory(stato)) return file + "è una cartella.";
  if (!fs::is_regular_file(stato))
    return file + "non è un file su disco ma un dispositivo o una pipe.";
  const std::uintmax_t dimensione = fs::file_size(percorso, errore);
  if (errore) return file + "la sua dimensione non si può conoscere.";
  if (dimensione > massimo)
    return file + "misura " + Megabyte(dimensione) + ", oltre i " + Megabyte(massimo) +
           " che nessun file di questo tipo raggiunge.";
  if (::access(percorso.c_str(), R_OK) != 0) return file + "accesso negato.";
  return "";
}

}  // namespace platform
