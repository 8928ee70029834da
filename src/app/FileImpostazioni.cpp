#include "app/FileImpostazioni.h"


#include "app/BloccoMateriali.h"
#include "app/FileConfigurazione.h"
#include "app/FileInOut.h"
#include "app/Messaggi.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace FileImpostazioni {
namespace {

using Generale::FileDati;
using Generale::FileInOut;
using Generale::FileInOutSenzaMessaggio;
using Generale::VersioneMinore;
using VariabiliPubbliche::Stato;

std::string PercorsoIni(bool lettura) {
  return lettura ? Generale::PercorsoLetturaConfigurazione(NomeFileIni)
                 : Generale::PercorsoScritturaConfigurazione(NomeFileIni);
}

void CaricaPredefiniti() {
  Stato.SiglaAcciaio[0] = "B450C";
  Stato.ModuloEs = 200000;
  Stato.EpsSu = 0.0675;
  Stato.Fyd[0] = 391.3;
  Stato.Fyk = 450;
  Stato.SiglaCalcestruzzo = "C25/30";
  Stato.EpsCu = 0.0035;
  Stato.EpsC2 = 0.002;
  Stato.Fcd = 14.167;
  Stato.AlfaCC = 0.85;
  Stato.RapportoFccFcd = 0.8;
  Stato.UnitaLunghezza = "cm";
  Stato.Fck = 25;
  Stato.Rck = 30;
  Stato.SigmaSAmm[0] = 255;
  Stato.SigmaCAmm = 9.75f;
  Stato.TauC0 = 0.6f;
  Stato.TauC1 = 1.829f;
  Stato.GammaC = 1.5;
  Stato.GammaS = 1.15;
  Stato.RapportoN = {15, 6};
  Stato.FattoreConfidenza = {1, 1};
  Stato.GammaAzioni = 1.5f;
  Stato.CopriferroProgetto = 20;
  Stato.PassoArrotondamento[0] = 50;
  // The tendons' steel of a program just started, not the last project's.
  const VariabiliPubbliche::StatoProgramma avvio;
  Stato.SiglaAcciaio[1] = avvio.SiglaAcciaio[1];
  Stato.Fyd[1] = avvio.Fyd[1];
  Stato.SigmaSAmm[1] = avvio.SigmaSAmm[1];
}

// Reads or writes the records; when reading, the line of a unit the
// program does not have, replaced by "cm".
std::string Records(FileDati& file, const std::string& modo) {
  const bool lettura = modo == "L";
  std::string titolo;
  std::string versione = Generale::VersioneFileCorrente;
  Generale::RecordVersione(modo, file, titolo, versione, Generale::VersioneFileCorrente);
  auto precedente = [&](const char* minima) { return lettura && VersioneMinore(versione, minima); };

  if (precedente("7.0"))
    Stato.Normativa = 1;
  else
    FileInOut(modo, file, Stato.Normativa, Stato.NormativaSismica);

  BloccoMaterialiLeggeScrive(file, modo, versione);

  FileInOut(modo, file, Stato.UnitaLunghezza);
  std::string unita;
  if (lettura && Stato.UnitaLunghezza != "mm" && Stato.UnitaLunghezza != "cm") {
    unita = "L'unità di lunghezza \"" + Stato.UnitaLunghezza + "\": sostituita con cm\r\n";
    Stato.UnitaLunghezza = "cm";
  }

  if (precedente("6.0"))
    FileInOut(modo, file, Stato.Rck, Stato.SigmaSAmm[0], Stato.SigmaCAmm, Stato.TauC0, Stato.TauC1,
              Stato.GammaC, Stato.GammaS);
  else
    FileInOut(modo, file, Stato.Rck, Stato.SigmaSAmm[0], Stato.SigmaSAmm[1], Stato.SigmaCAmm, Stato.TauC0,
              Stato.TauC1, Stato.GammaC, Stato.GammaS);

  if (precedente("6.0")) {
    FileInOut(modo, file, Stato.RapportoN[0]);
  } else {
    FileInOut(modo, file, Stato.RapportoN[0], Stato.RapportoN[1]);
    FileInOut(modo, file, Stato.FattoreConfidenza[0], Stato.FattoreConfidenza[1]);
  }

  FileInOutSenzaMessaggio(modo, file, Stato.GammaAzioni);
  FileInOutSenzaMessaggio(modo, file, Stato.CopriferroProgetto,
                          Stato.PassoArrotondamento[0], Stato.PassoArrotondamento[1]);
  FileInOutSenzaMessaggio(modo, file, Stato.Fck, Stato.Fyk);
  return unita;
}

// Why the values read cannot be kept: empty when they can. Values out of
// their ranges are replaced one by one instead.
std::string ValoriNonValidi() {
  if (Stato.Normativa < 0 || Stato.Normativa > 2 || Stato.NormativaSismica < 0 ||
      Stato.NormativaSismica > 1)
    return "Normativa non prevista.";
  return "";
}

void MessaggioLetturaFallita(const std::string& motivo = "") {
  platform::MsgBox(
      (motivo.empty() ? "" : "Il File Tramok.ini contiene valori non validi: " + motivo + "\r\n") +
      "Il File Tramok.ini non esiste o è incompleto.\r\n"
      "Vengono caricati materiali e unità di misura di Default.\r\n"
      "Usare il menu Materiali per cambiarli.\r\n"
      "Salvarli con il menu File - \"Salva Materiali, Unità, Par. Progetto in uso\" \r\n"
      "per creare il file Tramok.ini con valori personalizzati.\r\n"
      "I materiali, le unità di misura e i parametri di progetto vengono comunque salvati\r\n"
      "nel file dei dati della sezione.",
      platform::Pulsanti::Ok, platform::Icona::Informazione);
}

}  // namespace

bool FileIniLeggeScrive(const std::string& modo) {
  const bool lettura = modo == "L";
  const std::string percorso = PercorsoIni(lettura);
  if (lettura) CaricaPredefiniti();
  // A file is taken whole or not at all: on any failure the defaults.
  const VariabiliPubbliche::StatoProgramma predefiniti = Stato;
  try {
    FileDati file = lettura ? FileDati::ApriLettura(percorso) : FileDati::ApriScrittura(percorso);
    const std::string unita = Records(file, lettura ? "L" : "S");
    file.Chiudi();
    if (!lettura) return true;
    const std::string motivo = ValoriNonValidi();
    if (motivo.empty()) {
      AvvisaValoriSostituiti(unita);
      return true;
    }
    Stato = predefiniti;
    MessaggioLetturaFallita(motivo);
    return false;
  } catch (const Generale::ErroreFile& errore) {
    if (lettura) {
      Stato = predefiniti;
      // A missing file is told once a run.
      const bool manca = errore.Numero() == Generale::ErroreFileNonTrovato;
      if (!manca || !Stato.IniMancanteSegnalato) MessaggioLetturaFallita();
      Stato.IniMancanteSegnalato = Stato.IniMancanteSegnalato || manca;
    } else if (errore.Numero() != Generale::ErroreRecordIncompleto) {
      Messaggi::MessaggioScritturaFallita(percorso,
                                          errore.Numero() == Generale::ErroreSolaLettura);
    }
    return false;
  }
}

}  // namespace FileImpostazioni
