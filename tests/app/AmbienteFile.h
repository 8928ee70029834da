#pragma once
// A program folder of its own for a test, with a fixed system pointing at it,
// the message boxes recorded and the program state reset before and after.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "app/Generale.h"
#include "model/VariabiliPubbliche.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"
#include "platform/Sistema.h"

class AmbienteFile {
 public:
  AmbienteFile() {
    std::string modello = (std::filesystem::temp_directory_path() / "tramok_XXXXXX").string();
    cartella_ = mkdtemp(modello.data());
    sistema.ImpostaCartellaApplicazione(cartella_);
    sistema.ImpostaCartellaCorrente(cartella_);
    platform::ImpostaSistema(&sistema);
    Azzera();
    VariabiliPubbliche::Stato.CartellaProgramma = cartella_;
  }
  ~AmbienteFile() {
    platform::ImpostaSistema(nullptr);
    Azzera();
    std::error_code errore;
    std::filesystem::remove_all(cartella_, errore);
  }
  AmbienteFile(const AmbienteFile&) = delete;
  AmbienteFile& operator=(const AmbienteFile&) = delete;

  std::string Cartella() const { return cartella_; }
  std::string Percorso(const std::string& nome) const {
    return (std::filesystem::path(cartella_) / nome).string();
  }
  void Scrivi(const std::string& nome, const std::string& contenuto) const {
    std::ofstream(Percorso(nome), std::ios::binary) << contenuto;
  }
  std::string Leggi(const std::string& nome) const {
    std::ifstream ingresso(Percorso(nome), std::ios::binary);
    return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
  }
  // The names in the program folder: a save leaves no temporary file.
  std::set<std::string> Nomi() const {
    std::set<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(cartella_))
      nomi.insert(voce.path().filename().string());
    return nomi;
  }
  // A file of tests/app/fixtures copied into the program folder.
  void CopiaFixture(const std::string& fixture, const std::string& nome) const {
    const char* test = std::getenv("TRAMOK_TESTS");
    const std::filesystem::path origine =
        std::filesystem::path(test ? test : ".") / "app" / "fixtures" / fixture;
    std::filesystem::copy_file(origine, Percorso(nome),
                               std::filesystem::copy_options::overwrite_existing);
  }

  // The help pages into the program folder, as the build puts them there.
  void CopiaAiuto() const {
    const char* test = std::getenv("TRAMOK_TESTS");
    std::filesystem::copy(std::filesystem::path(test ? test : ".") / ".." / "data" / "Aiuto",
                          Percorso("Aiuto"));
  }

  platform::SistemaFisso sistema;
  platform::MsgBoxScriptato box;

 private:
  static void Azzera() {
    VariabiliPubbliche::Stato = VariabiliPubbliche::StatoProgramma{};
    Generale::Stato = Generale::StatoGenerale{};
  }

  std::string cartella_;
};
