#include "platform/FileSostituito.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
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

bool SolaLettura(const std::string& destinazione) {
  struct stat stato {};
  if (::stat(destinazione.c_str(), &stato) != 0 || !S_ISREG(stato.st_mode)) return false;
  // The owner's bit, which holds for root too; access() for anyone else.
  return (stato.st_mode & S_IWUSR) == 0 || ::access(destinazione.c_str(), W_OK) != 0;
}

std::FILE* CreaTemporaneo(const std::string& destinazione, std::string& temporaneo) {
  struct stat target {};
  const bool esiste = ::stat(destinazione.c_str(), &target) == 0 && S_ISREG(target.st_mode);
  static const char cifre[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937 casuale{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> cifra(0, sizeof cifre - 2);
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    std::string nome = destinazione + ".";
    for (int i = 0; i < 8; ++i) nome += cifre[cifra(casuale)];
    nome += ".tmp";
    // O_EXCL: a name already taken, even by a dangling link, is refused.
    const int descrittore = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descrittore < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    // The file replaced keeps the permissions its owner gave it.
    if (esiste) ::fchmod(descrittore, target.st_mode & 0777);
    std::FILE* file = ::fdopen(descrittore, "wb");
    if (!file) {
      ::close(descrittore);
      RimuoviTemporaneo(nome);
      return nullptr;
    }
    temporaneo = nome;
    return file;
  }
  return nullptr;
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
