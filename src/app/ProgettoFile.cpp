#include "app/ProgettoFile.h"

#include <algorithm>
#include <exception>

#include "app/BloccoMateriali.h"
#include "app/FileInOut.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "seismic/FileSismica.h"
#include "seismic/StatoSismica.h"

namespace ProgettoFile {
namespace {

using Generale::ErroreFile;
using Generale::FileDati;
using Generale::FileInOut;
using Generale::FileInOutSenzaMessaggio;
using Generale::VersioneMinore;
// Outline, bar and tendon rows are Singles in the file.
using S = Generale::Singolo;
using VariabiliPubbliche::Stato;

// Row counts are 16-bit integers in every layout.
constexpr int ConteggioMassimo = 32767;

void LetturaIncompleta(FileDati& file) {
  file.Interrompi();
  platform::MsgBox(Generale::TestoLetturaIncompleta(file));
}

[[noreturn]] void ValoreNonValido(FileDati& file) {
  LetturaIncompleta(file);
  throw ErroreFile(Generale::ErroreRecordIncompleto, "Valore fuori campo");
}

void Conteggio(const std::string& modo, FileDati& file, int& n) {
  FileInOut(modo, file, n);
  if (modo == "L" && (n < 0 || n > ConteggioMassimo)) ValoreNonValido(file);
}

// Writing needs as many rows as the count says.
void ControllaRighe(const std::string& modo, const Matrice<double>& m, int n, int colonne) {
  if (modo == "S" && n > 0 && (!m.Dimensionata() || m.Ub1() < n || m.Ub2() < colonne))
    throw ErroreFile(Generale::ErroreIndice, "Righe mancanti");
}

// An Integer flag stored as a Boolean.
struct Flag {
  explicit Flag(int& v) : valore(v), b(v != 0) {}
  ~Flag() { valore = b ? 1 : 0; }
  Flag(const Flag&) = delete;
  Flag& operator=(const Flag&) = delete;
  int& valore;
  bool b;
};

void PrimaDellaLettura(DatiFinestra& dati) {
  Stato.SoloBarre = 0;
  Stato.ClsReagenteTrazione = false;
  Stato.NumeroVerticiCerchio = 52;
  Stato.DatiSezioneCircolare[4] = 0;
  Stato.AngoloFlessione = 0;
  Stato.Precompresso = false;
  dati.nCaviForm = 0;
  ProgettoFile::Stato.OpzioniLette = {};
}

void DefaultNormativa() {
  Stato.Normativa = 1;
  Stato.CotTeta = 1;
  Stato.MinimizzaStaffe = 0;
  Stato.RoL = 0.02f;
}

// Records 2 to 4: the outline.
void Figure(const std::string& modo, FileDati& file, DatiFinestra& dati) {
  const bool lettura = modo == "L";
  int tipo = Stato.TipoSezione;
  FileInOut(modo, file, tipo);
  if (lettura) {
    if (tipo < 0 || tipo > 6) ValoreNonValido(file);
    Stato.TipoSezione = tipo;
  }
  if (tipo == 4) {
    auto& c = Stato.DatiSezioneCircolare;
    FileInOut(modo, file, c[0], c[1], c[2], c[3]);
    dati.nFigureForm = 0;
    return;
  }
  if (tipo == 6) {
    dati.nFigureForm = 0;
    return;
  }
  if (!lettura && Stato.SoloBarre) dati.nFigureForm = 0;
  Conteggio(modo, file, dati.nFigureForm);
  const int n = dati.nFigureForm;
  const int colonne = tipo == 3 ? 3 : 2;
  Matrice<double>& m = Stato.MatriceFigure;
  ControllaRighe(modo, m, n, colonne);
  if (lettura && n > 0) m.ReDim(1, n, 1, colonne);
  for (int i = 1; i <= n; ++i) {
    if (colonne == 3)
      FileInOut(modo, file, S{m(i, 1)}, S{m(i, 2)}, S{m(i, 3)});
    else
      FileInOut(modo, file, S{m(i, 1)}, S{m(i, 2)});
  }
}

// Records 6 and 7: bars and tendons, a row of area and position (d, or x
// and y), tendons with their prestress last.
void Armature(const std::string& modo, FileDati& file, int& n, Matrice<double>& m, int colonne,
              int colonneLette) {
  Conteggio(modo, file, n);
  ControllaRighe(modo, m, n, colonne);
  if (n < 1) return;
  if (modo == "L") m.ReDim(1, n, 1, colonne);
  for (int i = 1; i <= n; ++i) {
    switch (colonneLette) {
      case 2: FileInOut(modo, file, S{m(i, 1)}, S{m(i, 2)}); break;
      case 3: FileInOut(modo, file, S{m(i, 1)}, S{m(i, 2)}, S{m(i, 3)}); break;
      default: FileInOut(modo, file, S{m(i, 1)}, S{m(i, 2)}, S{m(i, 3)}, S{m(i, 4)}); break;
    }
  }
}

void AzioniDominio(const std::string& modo, FileDati& file) {
  Matrice<float>& a = Stato.AzioniDominioMN;
  int n = modo == "S" && a.Dimensionata() ? a.Righe() : 0;
  Conteggio(modo, file, n);
  // None read is none written back.
  if (modo == "L") a = n > 0 ? Matrice<float>(1, n, 1, 2) : Matrice<float>();
  if (n > 0) Generale::FileInOutMat(modo, file, a);
}

// Records 31 to 40: the design parameters and options, each record with
// the version that brought it.
template <class Cond>
void RecordOpzioni(Cond&& cond) {
  cond("5.1", Stato.CopriferroProgetto, Stato.PassoArrotondamento[0],
       Stato.PassoArrotondamento[1], Stato.RapportoAsCompressa);
  cond("5.1", Stato.Fck, Stato.Fyk);
  cond("5.1", Stato.OpzioniProgetto, Stato.DiametroMinimo, Stato.DiametroMassimo);
  cond("5.1", Stato.DiametriAutomatici);
  for (size_t k = 0; k < 3; ++k) {
    cond("5.1", Stato.RigheFiAttive[k], Stato.RigheFiNumero[k], Stato.RigheFiDiametro[k]);
    cond("5.1", Stato.RigheFiCAttive[k], Stato.RigheFiCNumero[k], Stato.RigheFiCDiametro[k]);
  }
  int zero = 0;
  cond("5.1", zero, Stato.TipoVerificaProgetto);
  cond("5.1", Stato.DiametroStaffe, Stato.DiametroReggistaffe, Stato.NumeroBracci);
  cond("5.1", Stato.DimensioneFissa, Stato.EpsSProgetto);
  cond("5.2", Stato.DimensioneFissa, Stato.GancioStaffe);
  cond("5.3", Stato.DimensioneFissa, Stato.SenzaStaffe);
}

void Correzioni14(DatiFinestra& dati) {
  // kN on the digits of the Single in N: 123456.7 N is 123.4567 kN.
  for (size_t i = 0; i < 2; ++i) dati.VForm[i] = Generale::DivisoPotenzaDieci(Stato.AzioneV[i], 3);
}

// How far a reading went: the seismic block and the design code reached, or
// the reading ended on a record the file's version does not have.
struct Percorso {
  bool sismica = false, normativa = false, fineVersione = false;
};

void TuttiIRecord(const std::string& modo, FileDati& file, DatiFinestra& dati, Percorso& letto) {
  const bool lettura = modo == "L";
  std::string versione = Generale::VersioneFileCorrente;
  Generale::RecordVersione(modo, file, Stato.TitoloSezione, versione,
                           Generale::VersioneFileCorrente);
  if (lettura) ProgettoFile::Stato.VersioneFileLetto = versione;
  auto precedente = [&](const char* minima) { return lettura && VersioneMinore(versione, minima); };
  auto cond = [&](const char* minima, auto&... campi) {
    letto.fineVersione = precedente(minima);
    Generale::FileInOutCond(modo, file, versione, minima, campi...);
  };

  Figure(modo, file, dati);
  if (!precedente("6.0")) FileInOut(modo, file, Stato.Precompresso);
  const bool piana = Stato.TipoSezione <= 3;
  Armature(modo, file, dati.nBarreForm, Stato.MatriceBarre, piana ? 2 : 3, piana ? 2 : 3);
  if (!precedente("6.0")) {
    // Rows of "6.0" have no prestress: it stays 0 in its own column.
    const int colonne = piana ? 3 : 4;
    Armature(modo, file, dati.nCaviForm, Stato.MatriceCavi, colonne,
             precedente("6.1") ? colonne - 1 : colonne);
  }
  FileInOut(modo, file, dati.NForm[0]);
  FileInOut(modo, file, dati.MxForm[0], dati.MyForm[0]);
  if (precedente("6.5"))
    Stato.AzioniDominioMN.ReDim(1, 1, 1, 2);
  else
    AzioniDominio(modo, file);
  FileInOut(modo, file, Stato.LunghezzaL0);
  FileImpostazioni::BloccoMaterialiLeggeScrive(file, modo, versione);
  FileInOut(modo, file, Stato.UnitaLunghezza);
  if (lettura && Stato.UnitaLunghezza.empty()) Stato.UnitaLunghezza = "mm";
  FileInOut(modo, file, Stato.PuntoApplicazioneN, Stato.XN, Stato.YN);
  Correzioni14(dati);

  FileInOutSenzaMessaggio(modo, file, Stato.ClsReagenteTrazione);
  {
    Flag soloBarre(Stato.SoloBarre);
    FileInOutSenzaMessaggio(modo, file, soloBarre.b);
  }
  FileInOutSenzaMessaggio(modo, file, dati.NForm[1]);
  FileInOutSenzaMessaggio(modo, file, dati.MxForm[1], dati.MyForm[1]);
  if (precedente("6.0"))
    FileInOutSenzaMessaggio(modo, file, Stato.Rck, Stato.SigmaSAmm[0], Stato.SigmaCAmm,
                            Stato.TauC0, Stato.TauC1, Stato.GammaC, Stato.GammaS);
  else
    FileInOutSenzaMessaggio(modo, file, Stato.Rck, Stato.SigmaSAmm[0], Stato.SigmaSAmm[1],
                            Stato.SigmaCAmm, Stato.TauC0, Stato.TauC1, Stato.GammaC, Stato.GammaS);
  FileInOutSenzaMessaggio(modo, file, dati.VForm[0], dati.VForm[1]);
  for (size_t i = 0; i < 2; ++i) Stato.AzioneV[i] = static_cast<float>(dati.VForm[i] * 1000);
  FileInOutSenzaMessaggio(modo, file, Stato.DatiSezioneCircolare[4]);
  FileInOutSenzaMessaggio(modo, file, Stato.NumeroVerticiCerchio);

  // A file without a version ends here; one that goes on has the records of
  // "5.0", and cut among them it is refused as any file cut short.
  if (lettura && Generale::SenzaVersione(versione) && !file.Esaurito()) versione = "5.0";
  cond("5.0", Stato.TipoVerifica);
  cond("5.0", Stato.GammaAzioni);
  cond("5.0", Stato.AngoloFlessione);
  cond("5.0", Stato.TipoFlessione);
  float riservato = 0;
  cond("5.0", riservato);
  if (precedente("6.0"))
    cond("5.0", Stato.RapportoN[0]);
  else
    FileInOut(modo, file, Stato.RapportoN[0], Stato.RapportoN[1]);
  {
    Flag barre(Stato.VisTensioniBarre), cls(Stato.VisTensioniCls);
    std::string scartato;
    if (precedente("6.2"))
      cond("5.0", scartato, barre.b, cls.b);
    else
      cond("5.0", barre.b, cls.b);
  }
  {
    Flag rettangoli(Stato.VisRettangoli), assi(Stato.VisAssi), neutri(Stato.VisAssiNeutri);
    cond("5.0", rettangoli.b, assi.b, neutri.b);
  }
  if (lettura) {
    RecordOpzioni(cond);
    ProgettoFile::Stato.OpzioniLette.Registra(TestoOpzioni());
  } else {
    ProgettoFile::Stato.OpzioniLette.Scrivi(file, TestoOpzioni());
  }

  if (!precedente("6.2")) {
    Sismica::FileLeggeScrive(modo, file);
    letto.sismica = true;
  }
  if (!precedente("7.0")) {
    FileInOut(modo, file, Stato.Normativa);
    // Only three codes exist: another number would index past their constants.
    if (modo == "L" && (Stato.Normativa < 0 || Stato.Normativa > 2)) ValoreNonValido(file);
    FileInOut(modo, file, Stato.CotTeta, Stato.MinimizzaStaffe, Stato.RoL);
    letto.normativa = true;
  }
}

}  // namespace

std::string TestoOpzioni() {
  return Generale::TestoRecord([](FileDati& file) {
    RecordOpzioni([&file](const char* minima, auto&... campi) {
      Generale::FileInOutCond("S", file, Generale::VersioneFileCorrente, minima, campi...);
    });
  });
}

void Records(const std::string& modo, FileDati& file, DatiFinestra& dati) {
  Percorso letto;
  if (modo == "L") PrimaDellaLettura(dati);
  try {
    TuttiIRecord(modo, file, dati, letto);
  } catch (const ErroreFile& errore) {
    // A file of a layout holds every record of that layout: only a record
    // newer than the file ends its reading.
    if (modo != "L" || errore.Numero() != Generale::ErroreFineLettura || !letto.fineVersione)
      throw;
  }
  if (modo == "L" && !letto.sismica) Sismica::ValoriDefault();
  if (modo == "L" && !letto.normativa) DefaultNormativa();
  // Values read out of their ranges (factors of 0 in files that never set
  // them) take their defaults, so that what was read writes out and reads
  // back the same; writing leaves the values in force.
  if (modo == "L") FileImpostazioni::AvvisaValoriSostituiti(SostituisceValoriFuoriIntervallo(dati));
}

bool Legge(FileDati& file, DatiFinestra& dati) {
  const VariabiliPubbliche::StatoProgramma programma = VariabiliPubbliche::Stato;
  const Sismica::StatoSismico sismica = Sismica::Stato;
  const DatiFinestra finestra = dati;
  const StatoProgetto progetto = ProgettoFile::Stato;
  try {
    Records("L", file, dati);
    return true;
  } catch (const ErroreFile& errore) {
    // A record that told the user already; any other end is told here.
    if (errore.Numero() != Generale::ErroreRecordIncompleto) LetturaIncompleta(file);
  } catch (const std::exception&) {
    LetturaIncompleta(file);
  }
  VariabiliPubbliche::Stato = programma;
  Sismica::Stato = sismica;
  dati = finestra;
  ProgettoFile::Stato = progetto;
  return false;
}

std::string Testo(DatiFinestra dati) {
  platform::SenzaMessaggi muto;
  FileDati file = FileDati::InMemoria();
  try {
    Records("S", file, dati);
  } catch (const std::exception&) {
    return {};
  }
  return file.Scritto();
}

bool SezioneSalvabile() {
  // An import leaves a section given by vertices: "DXF" still chosen means
  // that the grids hold the rows of the type before, read as nothing.
  if (VariabiliPubbliche::Stato.TipoSezione != 6) return true;
  platform::MsgBox("Nessun contorno importato: la sezione non può essere salvata.",
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  return false;
}

bool Scrive(FileDati& file, DatiFinestra& dati) {
  if (!SezioneSalvabile()) return false;
  const DatiFinestra finestra = dati;
  try {
    Records("S", file, dati);
    // What the file holds from now on.
    ProgettoFile::Stato.OpzioniLette.Salvato(TestoOpzioni());
    Sismica::Stato.BloccoFile.Salvato(Sismica::Testo());
    return true;
  } catch (const ErroreFile& errore) {
    if (errore.Numero() != Generale::ErroreRecordIncompleto)
      platform::MsgBox("Scrittura incompleta del file");
  } catch (const std::exception&) {
    platform::MsgBox("Scrittura incompleta del file");
  }
  file.Interrompi();
  dati = finestra;
  return false;
}

}  // namespace ProgettoFile
