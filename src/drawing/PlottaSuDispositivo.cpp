#include "drawing/PlottaSuDispositivo.h"

#include <filesystem>
#include <system_error>

#include "drawing/Autocad.h"
#include "drawing/AvvisoStampa.h"
#include "drawing/Dxf.h"
#include "drawing/GraficaStato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/MsgBox.h"
#include "platform/Stampante.h"
#include "platform/Surface.h"

namespace Grafica {

namespace {

namespace fs = std::filesystem;
namespace Errori = platform::Errori;

// A folder not yet known (empty) leaves the current one.
void CambiaCartella(const std::string& cartella) {
  if (cartella.empty()) return;
  std::error_code errore;
  fs::current_path(cartella, errore);
  if (errore) throw platform::ErroreFile(errore.value(), cartella);
}

std::string CartellaCorrente() {
  std::error_code errore;
  const fs::path corrente = fs::current_path(errore);
  if (errore) throw platform::ErroreFile(errore.value(), ".");
  return corrente.string();
}

// The data folder becomes the folder current at the end of the output.
void ConcludiNellaCartellaProgramma() {
  auto& programma = VariabiliPubbliche::Stato;
  programma.CartellaDati = CartellaCorrente();
  CambiaCartella(programma.CartellaProgramma);
}

void Stampa(OggettoPlottabile& proprietario, platform::PrintDialog& dialogo) {
  CambiaCartella(VariabiliPubbliche::Stato.CartellaDati);
  dialogo.ShowPrinter();
  platform::Surface* stampante = platform::Stampante();
  if (!stampante)
    throw platform::ErroreEsecuzione(Errori::PerifericaNonDisponibile, "Nessuna stampante");
  try {
    for (int copia = 1; copia <= dialogo.Copies; ++copia) {
      // Each copy on a sheet of its own.
      if (copia > 1) stampante->NewPage();
      proprietario.PlottaInOggetto("STAMPANTE");
    }
  } catch (...) {
    // A document left open would take in the next print.
    stampante->KillDoc();
    throw;
  }
  stampante->EndDoc();
  ConcludiNellaCartellaProgramma();
}

// fileDxf is the absolute path of the file while it is being written.
void EsportaDxf(const std::string& nomeFile, OggettoPlottabile& proprietario,
                platform::FileDialog& dialogo, fs::path& fileDxf) {
  CambiaCartella(VariabiliPubbliche::Stato.CartellaDati);
  dialogo.Flags = platform::FileDialog::OverwritePrompt;
  dialogo.Filter = "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf";
  dialogo.FilterIndex = 2;
  dialogo.FileName = nomeFile + ".dxf";
  dialogo.ShowSave();
  const fs::path percorso = fs::absolute(dialogo.FileName);
  ApriFileDxf(dialogo.FileName, 1);
  fileDxf = percorso;
  proprietario.PlottaInOggetto("DXF");
  ChiudiFileDxf();
  fileDxf.clear();
  ConcludiNellaCartellaProgramma();
}

void DisegnaInAutocad(OggettoPlottabile& proprietario) {
  if (!AvviaAutocad()) return;
  proprietario.PlottaInOggetto("DWG");
  platform::AutoCadApplicazione& applicazione = *Stato.ApplicazioneAutocad;
  platform::AutoCadAutomazioneCorrente().AttivaFinestra(applicazione.Caption());
  applicazione.ZoomExtents();
}

void Avvisa(const std::string& testo) {
  platform::MsgBox(testo, platform::Pulsanti::Ok, platform::Icona::Informazione);
}

void SegnalaErrore(const platform::ErroreEsecuzione& errore, platform::FileDialog& dialogo) {
  switch (errore.Numero()) {
    case Errori::DialogoAnnullato: dialogo.FileName.clear(); return;
    case Errori::MembroNonSupportato: return;
    default: AvvisaErroreStampa(errore);
  }
}

void GestisciErrore(const platform::ErroreEsecuzione& errore, platform::FileDialog& dialogo,
                    const fs::path& fileDxf) {
  try {
    CambiaCartella(VariabiliPubbliche::Stato.CartellaProgramma);
  } catch (const platform::ErroreEsecuzione&) {
  }
  SegnalaErrore(errore, dialogo);
  if (fileDxf.empty()) return;
  // A DXF file cut short is of no use to a CAD program, and left open it
  // would stop the next export; the drawing saved there before stays.
  InterrompiFileDxf();
  Avvisa("Scrittura incompleta del file\r\n" + fileDxf.string());
}

}  // namespace

void PlottaSuDispositivo(short indice, const std::string& nomeFile,
                         OggettoPlottabile& proprietario, platform::FileDialog& dialogoFile,
                         platform::PrintDialog& dialogoStampa) {
  dialogoFile.CancelError = true;
  dialogoStampa.CancelError = true;
  fs::path fileDxf;
  try {
    switch (indice) {
      case VoceStampa: Stampa(proprietario, dialogoStampa); break;
      case VoceEsportaDxf: EsportaDxf(nomeFile, proprietario, dialogoFile, fileDxf); break;
      case VoceAutocad: DisegnaInAutocad(proprietario); break;
      case VoceChiudi: proprietario.Chiudi(); break;
      default: break;
    }
  } catch (const platform::ErroreEsecuzione& errore) {
    GestisciErrore(errore, dialogoFile, fileDxf);
  } catch (const std::exception& errore) {
    GestisciErrore(platform::ErroreEsecuzione(Errori::ErroreInterno, errore.what()), dialogoFile,
                   fileDxf);
  }
}

}  // namespace Grafica
