#include "app/GeneraleFile.h"

#include <filesystem>

#include "app/Messaggi.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FileSostituito.h"
#include "platform/MsgBox.h"
#include "platform/Sistema.h"

namespace Generale {
namespace {

using VariabiliPubbliche::Stato;

std::string Cartella(const std::string& percorso) {
  return std::filesystem::path(percorso).parent_path().string();
}

// The name proposed by a dialog: the base name of the current one, or "*".
std::string NomeProposto(const std::string& nomeFile, const std::string& estensione) {
  const std::string nome = nomeFile.empty() ? "*" : nomeFile;
  return platform::SistemaCorrente().GetBaseName(nome) + "." + estensione;
}

// The file at percorso read or written whole; then it is the current one.
bool LeggeScrive(const std::string& percorso, const std::string& modo, std::string& nomeFile,
                 std::string& percorsoFile, FinestraFile& finestra, const std::string& prefisso) {
  if (modo == "L") {
    FileDati file = FileDati::ApriLettura(percorso);
    if (!finestra.FileLeggeScrive(file, "L")) return false;
  } else {
    FileDati file = FileDati::ApriScrittura(percorso);
    if (!finestra.FileLeggeScrive(file, "S")) return false;
    try {
      file.Chiudi();
    } catch (const ErroreFile&) {
      Messaggi::MessaggioScritturaFallita(percorso);
      return false;
    }
  }
  nomeFile = platform::SistemaCorrente().GetBaseName(percorso);
  percorsoFile = percorso;
  Stato.CartellaDati = Cartella(percorso);
  finestra.ImpostaCaption(prefisso + nomeFile);
  return true;
}

void AvvisaSolaLettura(const std::string& percorso, const char* comeFare) {
  platform::MsgBox("Il file " + percorso + " è di sola lettura e non viene sostituito.\r\n" +
                       comeFare,
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
}

}  // namespace

std::string FiltroFile(const std::string& descrizione, const std::string& estensione) {
  return "Tutti i Files (*.*)|*.*|Files " + descrizione + " (*." + estensione + ")|*." +
         estensione;
}

bool DialogoFile(std::string& nomeFile, std::string& percorsoFile, const std::string& estensione,
                 platform::FileDialog& dialogo, FinestraFile& finestra,
                 const std::string& prefisso, const std::string& filtro) {
  dialogo.Flags = platform::FileDialog::OverwritePrompt;
  dialogo.Filter = filtro;
  dialogo.FilterIndex = 2;
  dialogo.FileName = NomeProposto(nomeFile, estensione);
  dialogo.DefaultExt = estensione;
  std::string percorso;
  // A file its owner protected is not replaced: the dialog comes back.
  for (;;) {
    dialogo.ShowSave();
    percorso = platform::SistemaCorrente().GetAbsolutePathName(dialogo.FileName);
    if (!platform::SolaLettura(percorso)) break;
    AvvisaSolaLettura(percorso, "Scegliere un altro nome.");
  }
  return LeggeScrive(percorso, "S", nomeFile, percorsoFile, finestra, prefisso);
}

bool ApriSalvaFile(int modo, const std::string& descrizione, std::string& nomeFile,
                   std::string& percorsoFile, const std::string& estensione,
                   platform::FileDialog& dialogo, FinestraFile& finestra,
                   const std::string& prefisso, const std::string& cartellaIniziale,
                   bool* annullato) {
  if (annullato) *annullato = false;
  platform::Sistema& sistema = platform::SistemaCorrente();
  dialogo.CancelError = true;
  dialogo.InitDir = cartellaIniziale.empty() ? Stato.CartellaDati : cartellaIniziale;
  const std::string filtro = FiltroFile(descrizione, estensione);
  try {
    switch (modo) {
      case FileNuovo:
        finestra.ImpostaCaption(prefisso + nomeFile);
        if (nomeFile.empty()) percorsoFile.clear();
        Stato.CartellaDati = sistema.CartellaCorrente();
        return false;
      case FileApri: {
        dialogo.Filter = filtro;
        dialogo.FilterIndex = 2;
        dialogo.Flags = 0;
        dialogo.FileName = NomeProposto(nomeFile, estensione);
        if (!sistema.FolderExists(Stato.CartellaDati)) Stato.CartellaDati = sistema.CartellaCorrente();
        sistema.ImpostaCartellaCorrente(Stato.CartellaDati);
        dialogo.ShowOpen();
        const std::string percorso = sistema.GetAbsolutePathName(dialogo.FileName);
        return LeggeScrive(percorso, "L", nomeFile, percorsoFile, finestra, prefisso);
      }
      case FileSalvaCome:
        return DialogoFile(nomeFile, percorsoFile, estensione, dialogo, finestra, prefisso, filtro);
      case FileSalva: {
        if (nomeFile.empty())
          return DialogoFile(nomeFile, percorsoFile, estensione, dialogo, finestra, prefisso, filtro);
        // Where the project was opened or last saved, wherever CartellaDati
        // has moved since.
        const std::string percorso =
            !percorsoFile.empty()
                ? percorsoFile
                : (std::filesystem::path(Stato.CartellaDati) / (nomeFile + "." + estensione)).string();
        if (platform::SolaLettura(percorso)) {
          AvvisaSolaLettura(percorso, "Salvare il progetto con un altro nome.");
          return DialogoFile(nomeFile, percorsoFile, estensione, dialogo, finestra, prefisso, filtro);
        }
        return LeggeScrive(percorso, "S", nomeFile, percorsoFile, finestra, prefisso);
      }
      default:
        return false;
    }
  } catch (const platform::ErroreEsecuzione& errore) {
    if (errore.Numero() == platform::Errori::DialogoAnnullato) {
      if (annullato) *annullato = true;
    } else {
      platform::MsgBox(errore.Descrizione());
    }
  } catch (const ErroreFile& errore) {
    if (errore.Numero() != ErroreFineLettura && errore.Numero() != ErroreRecordIncompleto)
      platform::MsgBox(errore.what());
  }
  return false;
}

std::vector<std::string> ParoleRigaComando(const std::string& rigaComando, int massimo) {
  std::vector<std::string> parole;
  bool inParola = false;
  for (const char c : rigaComando) {
    if (c == ' ' || c == '\t' || c == '"') {
      inParola = false;
      continue;
    }
    if (!inParola) {
      if (static_cast<int>(parole.size()) >= massimo) break;
      parole.emplace_back();
      inParola = true;
    }
    parole.back() += c;
  }
  return parole;
}

bool ApriFileRigaComando(const std::string& rigaComando, std::string& nomeFile,
                         std::string& percorsoFile, FinestraFile& finestra) {
  const std::vector<std::string> parole = ParoleRigaComando(rigaComando);
  if (parole.empty()) return false;
  platform::Sistema& sistema = platform::SistemaCorrente();
  std::error_code errore;
  // The path as given, runs of blanks kept, when it names a file; else its
  // words joined by single blanks.
  std::string completo = sistema.GetAbsolutePathName(rigaComando);
  if (!std::filesystem::is_regular_file(completo, errore)) {
    std::string percorso;
    for (const std::string& parola : parole) percorso += (percorso.empty() ? "" : " ") + parola;
    completo = sistema.GetAbsolutePathName(percorso);
  }
  Stato.CartellaDati = Cartella(completo);
  nomeFile.clear();
  // A folder or a device named is told by the reading, for what it is.
  if (!std::filesystem::exists(completo, errore)) {
    platform::MsgBox("File " + completo + " non trovato ", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
  try {
    std::string percorsoLetto;
    if (!LeggeScrive(completo, "L", nomeFile, percorsoLetto, finestra, finestra.PrefissoCaption())) {
      nomeFile.clear();
      return false;
    }
    percorsoFile = percorsoLetto;
    return true;
  } catch (const ErroreFile& e) {
    platform::MsgBox(e.what(), platform::Pulsanti::Ok, platform::Icona::Critica);
    nomeFile.clear();
    return false;
  }
}

}  // namespace Generale
