#include "app/FileMateriali.h"

#include <limits>
#include <tuple>

#include "app/BloccoMateriali.h"
#include "app/FileConfigurazione.h"
#include "app/FileInOut.h"
#include "app/Messaggi.h"
#include "app/TabelleMateriali.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace FileMateriali {
namespace {

using Generale::ErroreFile;
using Generale::FileDati;
using Generale::FileInOut;
using VariabiliPubbliche::RigaAcciaio;
using VariabiliPubbliche::RigaCalcestruzzo;
using VariabiliPubbliche::Stato;

std::string PercorsoMateriali(bool lettura) {
  return lettura ? Generale::PercorsoLetturaConfigurazione(NomeFileMateriali)
                 : Generale::PercorsoScritturaConfigurazione(NomeFileMateriali);
}

void CampoDaCella(std::string& campo, const std::string& testo) { campo = testo; }

void CampoDaCella(Generale::Cella campo, const std::string& testo) {
  campo.Valore = Generale::ValNumero(testo);
}

template <class Riga>
Riga RigaDaGriglia(const platform::FlexGrid& griglia, int r) {
  Riga riga;
  int colonna = 0;
  std::apply([&](auto&&... campo) { (CampoDaCella(campo, griglia.TextMatrix(r, ++colonna)), ...); },
             Generale::CampiRiga(riga));
  return riga;
}

// A count record and the rows.
template <class Riga>
void ScriveTabella(const std::string& modo, FileDati& file, Vettore<Riga> righe) {
  if (righe.Conta() > std::numeric_limits<short>::max())
    throw ErroreFile(Generale::ErroreOverflow, "Tabella troppo lunga");
  short n = static_cast<short>(righe.Conta());
  FileInOut(modo, file, n);
  Generale::FileInOutMat(modo, file, righe);
}

// A table never filled is written with its default rows.
template <class Riga>
const Vettore<Riga>& RigheOPredefinite(const Vettore<Riga>& tabella,
                                       const Vettore<Riga>& predefinite) {
  return tabella.Vuoto() ? predefinite : tabella;
}

void Costanti(const std::string& modo, FileDati& file) {
  FileInOut(modo, file, Stato.GammaS, Stato.ModuloEs, Stato.EpsSu);
  FileInOut(modo, file, Stato.GammaC, Stato.EpsCu, Stato.AlfaCC, Stato.RapportoFccFcd);
  FileInOut(modo, file, Stato.RapportoN[0]);
}

// Why a grade cannot stand: a value out of its range, ftk below fyk.
std::string Motivo(const RigaAcciaio& r) {
  using G = Intervalli::Grandezza;
  using Intervalli::TestoValore;
  if (!Intervalli::Dentro(G::Fyk, r.Fyk)) return TestoValore(G::Fyk, r.Fyk);
  if (!Intervalli::Dentro(G::Fyk, r.Ftk)) return TestoValore(G::Fyk, r.Ftk, "ftk");
  if (r.Ftk < r.Fyk)
    return TestoValore(G::Fyk, r.Ftk, "ftk") + " minore di " + TestoValore(G::Fyk, r.Fyk);
  if (!Intervalli::Dentro(G::SigmaSAmm, r.TensioneAmmissibile))
    return TestoValore(G::SigmaSAmm, r.TensioneAmmissibile);
  return "";
}

std::string Motivo(const RigaCalcestruzzo& r) {
  using G = Intervalli::Grandezza;
  if (!Intervalli::Dentro(G::Fck, r.Fck)) return Intervalli::TestoValore(G::Fck, r.Fck);
  if (!Intervalli::Dentro(G::Rck, r.Rck)) return Intervalli::TestoValore(G::Rck, r.Rck);
  return "";
}

// Grades that cannot stand leave the table, one line each in elenco; a
// table left without any takes its default rows.
template <class Riga>
void TogliGradiNonValidi(Vettore<Riga>& tabella, const Vettore<Riga>& predefinite,
                         std::string& elenco) {
  std::vector<Riga> valide;
  for (const Riga& r : tabella.Dati()) {
    const std::string motivo = Motivo(r);
    if (motivo.empty())
      valide.push_back(r);
    else
      elenco += "\"" + r.Designazione + "\", " + motivo + ": tolto dalla tabella\r\n";
  }
  if (valide.size() == tabella.Dati().size()) return;
  if (valide.empty()) {
    tabella = predefinite;
    return;
  }
  tabella = Vettore<Riga>(1, static_cast<int>(valide.size()));
  tabella.Dati() = std::move(valide);
}

void Leggi(FileDati& file) {
  Costanti("L", file);
  std::string elenco;
  for (int normativa = 0; normativa <= 2; ++normativa) {
    Vettore<RigaAcciaio>& tabella = *VariabiliPubbliche::TabellaAcciaiNormativa(normativa);
    LeggeMateriale("L", file, tabella);
    TogliGradiNonValidi(tabella, TabelleMateriali::AcciaiPredefiniti(normativa), elenco);
  }
  VariabiliPubbliche::AssegnaMatrAcciaio();
  LeggeMateriale("L", file, Stato.TabellaCalcestruzzi);
  TogliGradiNonValidi(Stato.TabellaCalcestruzzi, TabelleMateriali::CalcestruzziPredefiniti(),
                      elenco);
  FileImpostazioni::AvvisaValoriSostituiti(elenco);
}

void Scrivi(FileDati& file, Finestre::GriglieMateriali* finestra) {
  if (finestra) finestra->MaterialiDaForm();
  Costanti("S", file);
  for (int normativa = 0; normativa <= 2; ++normativa) {
    if (finestra && normativa == Stato.Normativa)
      ScriveMateriale<RigaAcciaio>("S", file, finestra->MsFlex(0));
    else
      ScriveTabella("S", file,
                    RigheOPredefinite(*VariabiliPubbliche::TabellaAcciaiNormativa(normativa),
                                      TabelleMateriali::AcciaiPredefiniti(normativa)));
  }
  if (finestra)
    ScriveMateriale<RigaCalcestruzzo>("S", file, finestra->MsFlex(1));
  else
    ScriveTabella("S", file,
                  RigheOPredefinite(Stato.TabellaCalcestruzzi,
                                    TabelleMateriali::CalcestruzziPredefiniti()));
}

// The box, then the defaults in place of whatever the file gave.
void MaterialiPredefiniti(const std::string& perche, bool mostra = true) {
  if (mostra)
    platform::MsgBox("File " + perche + " Vengono inseriti i materiali di default",
                     platform::Pulsanti::Ok, platform::Icona::Informazione);
  TabelleMateriali::MaterialiDefault();
}

}  // namespace

template <class Riga>
void LeggeMateriale(const std::string& modo, FileDati& file, Vettore<Riga>& tabella) {
  short n = 0;
  FileInOut(modo, file, n);
  if (n < 1) throw ErroreFile(Generale::ErroreIndice, "Tabella senza righe");
  // Taken only whole: a table cut short leaves the one before.
  Vettore<Riga> letta(1, n);
  for (Riga& riga : letta.Dati())
    std::apply([&](auto&&... campo) { FileInOut(modo, file, campo...); },
               Generale::CampiRiga(riga));
  tabella = std::move(letta);
}

namespace {

std::string TestoCella(const std::string& campo) { return campo; }
std::string TestoCella(Generale::Cella campo) { return Formattazione::TestoNumero(campo.Valore); }

}  // namespace

template <class Riga>
Vettore<Riga> TabellaDaGriglia(const platform::FlexGrid& griglia) {
  Vettore<Riga> tabella(1, griglia.Rows() - 1);
  for (int r = 1; r <= tabella.Ub(); ++r) tabella(r) = RigaDaGriglia<Riga>(griglia, r);
  return tabella;
}

template <class Riga>
void TabellaInGriglia(const Vettore<Riga>& tabella, platform::FlexGrid& griglia) {
  griglia.SetRows(tabella.Conta() + 1);
  for (int r = 1; r <= tabella.Conta(); ++r) {
    Riga riga = tabella(tabella.Lb() + r - 1);
    int colonna = 0;
    std::apply([&](auto&&... campo) { (griglia.SetTextMatrix(r, ++colonna, TestoCella(campo)), ...); },
               Generale::CampiRiga(riga));
  }
}

template <class Riga>
void ScriveMateriale(const std::string& modo, FileDati& file, const platform::FlexGrid& griglia) {
  ScriveTabella(modo, file, TabellaDaGriglia<Riga>(griglia));
}

template void LeggeMateriale(const std::string&, FileDati&, Vettore<RigaAcciaio>&);
template void LeggeMateriale(const std::string&, FileDati&, Vettore<RigaCalcestruzzo>&);
template Vettore<RigaAcciaio> TabellaDaGriglia(const platform::FlexGrid&);
template Vettore<RigaCalcestruzzo> TabellaDaGriglia(const platform::FlexGrid&);
template void TabellaInGriglia(const Vettore<RigaAcciaio>&, platform::FlexGrid&);
template void TabellaInGriglia(const Vettore<RigaCalcestruzzo>&, platform::FlexGrid&);
template void ScriveMateriale<RigaAcciaio>(const std::string&, FileDati&,
                                           const platform::FlexGrid&);
template void ScriveMateriale<RigaCalcestruzzo>(const std::string&, FileDati&,
                                                const platform::FlexGrid&);

bool FileMaterialiLeggeScrive(const std::string& modo, Finestre::GriglieMateriali* finestra) {
  const bool lettura = modo == "L";
  const std::string percorso = PercorsoMateriali(lettura);
  try {
    FileDati file = lettura ? FileDati::ApriLettura(percorso) : FileDati::ApriScrittura(percorso);
    if (lettura)
      Leggi(file);
    else
      Scrivi(file, finestra);
    file.Chiudi();
    if (!lettura) return true;
    const std::string motivo = Materiali::CostantiNonValide(true, false);
    if (motivo.empty()) return true;
    MaterialiPredefiniti(percorso + " contiene valori non validi: " + motivo);
    return false;
  } catch (const std::exception& errore) {
    if (lettura) {
      const auto* erroreFile = dynamic_cast<const ErroreFile*>(&errore);
      const bool manca = erroreFile && erroreFile->Numero() == Generale::ErroreFileNonTrovato;
      // A missing file is told once a run.
      MaterialiPredefiniti(percorso + (manca ? " non trovato." : " illeggibile o incompleto."),
                           !manca || !Stato.MaterialiMancantiSegnalati);
      Stato.MaterialiMancantiSegnalati = Stato.MaterialiMancantiSegnalati || manca;
    } else {
      const auto* erroreFile = dynamic_cast<const ErroreFile*>(&errore);
      if (!erroreFile || erroreFile->Numero() != Generale::ErroreRecordIncompleto)
        Messaggi::MessaggioScritturaFallita(
            percorso, erroreFile && erroreFile->Numero() == Generale::ErroreSolaLettura);
    }
    return false;
  }
}

}  // namespace FileMateriali
