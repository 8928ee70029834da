// Arbitrary bytes as the settings file and as the materials file. Reading
// must never crash or hang, and must leave either the file whole or the
// defaults, every constant in its range; a save that cannot complete must
// leave the files and memory as they were; whatever reading left in memory
// must then write out, read back without any box, and write out again to the
// same bytes.
// The same bytes as a project file: taken or not; what was taken has its
// material constants and factors in range and, under its own design code,
// writes out, reads back without a box and writes again to the same bytes,
// also after the other unit shown and back and another code and back.
// The same bytes as a DXF drawing: the import ends, with a section whose
// matrices match its counts or with none.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "app/BloccoMateriali.h"
#include "app/FileImpostazioni.h"
#include "app/FileMateriali.h"
#include "app/ImportaDxf.h"
#include "app/ProgettoFile.h"
#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FlexGrid.h"
#include "platform/FormInMemoria.h"
#include "platform/MsgBox.h"
#include "platform/Sistema.h"
#include "seismic/StatoSismica.h"

namespace {

class BoxContati : public platform::ServizioMsgBox {
 public:
  platform::Risposta Mostra(const std::string&, platform::Pulsanti pulsanti, platform::Icona,
                            const std::string&) override {
    ++mostrati;
    return platform::RispostaPredefinita(pulsanti);
  }
  int mostrati = 0;
};

struct Ambiente {
  Ambiente() {
    std::string modello = (std::filesystem::temp_directory_path() / "tramok_fuzz_XXXXXX").string();
    cartella = mkdtemp(modello.data());
    sistema.ImpostaCartellaApplicazione(cartella);
    platform::ImpostaSistema(&sistema);
    platform::ImpostaServizioMsgBox(&box);
  }
  ~Ambiente() {
    std::error_code errore;
    std::filesystem::remove_all(cartella, errore);
  }
  std::string Percorso(const char* nome) const {
    return (std::filesystem::path(cartella) / nome).string();
  }

  std::string cartella;
  platform::SistemaFisso sistema;
  BoxContati box;
};

void Scrivi(const std::string& percorso, const std::string& contenuto) {
  std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::string Leggi(const std::string& percorso) {
  std::ifstream ingresso(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
}

// Outline on the first layer of the drawing, bars on the second, tendons on
// the last.
class SceltaPrimi : public ImportaDxf::SceltaLayerDxf {
 public:
  void MostraModale() override {
    auto& stato = ImportaDxf::Stato;
    if (stato.LayerDxf.empty()) return;
    stato.LayerContorno = stato.LayerDxf.front();
    stato.LayerBarre = stato.LayerDxf[stato.LayerDxf.size() > 1 ? 1 : 0];
    stato.LayerCavi = stato.LayerDxf.back();
    stato.LayerConfermati = true;
  }
};

void LeggiDxf(const std::string& contenuto) {
  ImportaDxf::Stato = ImportaDxf::StatoImportaDxf{};
  std::istringstream file(contenuto);
  SceltaPrimi scelta;
  std::optional<ImportaDxf::SezioneDxf> sezione;
  try {
    sezione = ImportaDxf::LeggeDXFLayer(file, scelta);
  } catch (const platform::ErroreEsecuzione&) {
    return;
  }
  if (!sezione) return;
  if (sezione->nFigure < 1 || sezione->Figure.Ub1() != sezione->nFigure) std::abort();
  if (sezione->nBarre > 0 && sezione->Barre.Ub1() != sezione->nBarre) std::abort();
  if (sezione->nCavi > 0 && sezione->Cavi.Ub1() != sezione->nCavi) std::abort();
}

void Verifica(bool condizione) {
  if (!condizione) std::abort();
}

// What the settings reader promises on a failure.
void VerificaPredefiniti() {
  const VariabiliPubbliche::StatoProgramma& s = VariabiliPubbliche::Stato;
  Verifica(s.ModuloEs == 200000 && s.EpsSu == 0.0675 && s.Fyd[0] == 391.3 && s.EpsCu == 0.0035 &&
           s.EpsC2 == 0.002 && s.Fcd == 14.167 && s.Fck == 25 && s.UnitaLunghezza == "cm" &&
           s.RapportoN[0] == 15 && s.RapportoN[1] == 6 && s.SiglaCalcestruzzo == "C25/30");
}

// Whatever was read is in range, whether the file was taken or not.
void VerificaIntervalli() {
  const VariabiliPubbliche::StatoProgramma& s = VariabiliPubbliche::Stato;
  Verifica(Materiali::CostantiNonValide(true, false).empty());
  Verifica(s.Normativa >= 0 && s.Normativa <= 2 && s.NormativaSismica >= 0 &&
           s.NormativaSismica <= 1);
  Verifica(s.UnitaLunghezza == "mm" || s.UnitaLunghezza == "cm");
  // Through the same table of ranges the readers use.
  Verifica(FileImpostazioni::SostituisceValoriFuoriIntervallo().empty());
}

bool LeggiEntrambi() {
  const bool ini = FileImpostazioni::FileIniLeggeScrive("L");
  if (!ini) VerificaPredefiniti();
  const bool materiali = FileMateriali::FileMaterialiLeggeScrive("L");
  VerificaIntervalli();
  return materiali && ini;
}

bool ScriviEntrambi() {
  const bool ini = FileImpostazioni::FileIniLeggeScrive("S");
  return FileMateriali::FileMaterialiLeggeScrive("S") && ini;
}

// A folder that is not empty where each file goes cannot be replaced: both
// saves fail, say so, and keep the values in memory as they were.
void VerificaScritturaFallita(Ambiente& ambiente, const std::string& ini,
                              const std::string& materiali) {
  const double Es = VariabiliPubbliche::Stato.ModuloEs;
  for (const std::string* file : {&ini, &materiali}) {
    std::filesystem::rename(*file, *file + ".prima");
    std::filesystem::create_directories(*file + "/pieno");
  }
  ambiente.box.mostrati = 0;
  Verifica(!FileImpostazioni::FileIniLeggeScrive("S"));
  Verifica(!FileMateriali::FileMaterialiLeggeScrive("S"));
  Verifica(ambiente.box.mostrati == 2);
  Verifica(VariabiliPubbliche::Stato.ModuloEs == Es);
  for (const std::string* file : {&ini, &materiali}) {
    Verifica(std::filesystem::exists(*file + "/pieno"));
    std::filesystem::remove_all(*file);
    std::filesystem::rename(*file + ".prima", *file);
  }
}

// Rows of millimetres shown in a grid in the unit in force and read back, as
// the main window's grids show and read them: areas in column 1 when
// `aree`, the last column left as it is (a prestress) when `ultimaNo`.
void MostraERileggi(Matrice<double>& m, bool aree, bool ultimaNo) {
  using namespace VariabiliPubbliche;
  if (!m.Dimensionata()) return;
  const auto area = [&](int j) { return aree && j == 1; };
  const auto lunghezza = [&](int j) { return !area(j) && !(ultimaNo && j == m.Ub2()); };
  Matrice<double> mostrata = m;
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) {
      if (area(j)) mostrata(i, j) = AreaDaMm2(m(i, j));
      if (lunghezza(j)) mostrata(i, j) = LunghezzaDaMm(m(i, j));
    }
  platform::FlexGrid griglia;
  griglia.SetRows(m.Ub1() + 1);
  griglia.SetCols(m.Ub2() + 1);
  MsFlex::ScriveMatriceInGriglia(griglia, mostrata, "", false);
  MsFlex::LeggeGriglia(griglia, mostrata, m.Lb1(), m.Lb2(), false);
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) {
      m(i, j) = mostrata(i, j);
      if (area(j)) m(i, j) = AreaInMm2(mostrata(i, j));
      if (lunghezza(j)) m(i, j) = LunghezzaInMm(mostrata(i, j));
    }
}

// A length box of the main window: its text in the unit in force, read back.
void MostraERileggi(float& mm) {
  using namespace VariabiliPubbliche;
  mm = static_cast<float>(
      LunghezzaInMm(Generale::ValNumero(Formattazione::TestoNumero(LunghezzaDaMm(mm)))));
}

// The other unit shown and then the first again: every length the window
// shows goes through its texts twice, and nothing stored changes.
void CambiaUnitaDueVolte() {
  auto& s = VariabiliPubbliche::Stato;
  const std::string unita = s.UnitaLunghezza;
  for (const std::string& mostrata : {std::string(unita == "mm" ? "cm" : "mm"), unita}) {
    s.UnitaLunghezza = mostrata;
    MostraERileggi(s.MatriceFigure, false, false);
    MostraERileggi(s.MatriceBarre, true, false);
    MostraERileggi(s.MatriceCavi, true, true);
    for (float* lunghezza : {&s.LunghezzaL0, &s.XN, &s.YN}) MostraERileggi(*lunghezza);
  }
}

void LeggiProgetto(Ambiente& ambiente, const std::string& contenuto) {
  Sismica::Stato = Sismica::StatoSismico{};
  ProgettoFile::DatiFinestra dati;
  Generale::FileDati file = Generale::FileDati::DaContenuto(contenuto);
  if (!ProgettoFile::Legge(file, dati)) return;
  // Every material constant and factor read is in range, through the table
  // the reader uses.
  Verifica(FileImpostazioni::SostituisceValoriFuoriIntervallo().empty());
  // A type-6 outline read without its vertices has nothing to save.
  if (VariabiliPubbliche::Stato.TipoSezione == 6) return;
  // The file's code applied from the menu, as the window applies it.
  const int normativa = VariabiliPubbliche::Stato.Normativa;
  const bool normativaPrevista = normativa >= 0 && normativa <= 2;
  platform::FormInMemoria menu("Main");
  if (normativaPrevista) VariabiliPubbliche::ApplicaNormativa(normativa, menu);
  const std::string percorso = ambiente.Percorso("progetto.slu");
  auto scrivi = [&] {
    Generale::FileDati uscita = Generale::FileDati::ApriScrittura(percorso);
    Verifica(ProgettoFile::Scrive(uscita, dati));
    uscita.Chiudi();
    return Leggi(percorso);
  };
  const std::string scritto = scrivi();
  ambiente.box.mostrati = 0;
  Generale::FileDati riletto = Generale::FileDati::ApriLettura(percorso);
  Verifica(ProgettoFile::Legge(riletto, dati) && ambiente.box.mostrati == 0);
  Verifica(scrivi() == scritto);
  // Two changes of unit, another code and the first again: the same bytes.
  CambiaUnitaDueVolte();
  if (normativaPrevista) {
    VariabiliPubbliche::ApplicaNormativa((normativa + 1) % 3, menu);
    VariabiliPubbliche::ApplicaNormativa(normativa, menu);
  }
  Verifica(scrivi() == scritto && ambiente.box.mostrati == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
  static Ambiente ambiente;
  const std::string ini = ambiente.Percorso(FileImpostazioni::NomeFileIni);
  const std::string materiali = ambiente.Percorso(FileMateriali::NomeFileMateriali);
  const std::string contenuto(reinterpret_cast<const char*>(dati), dimensione);

  VariabiliPubbliche::Stato = VariabiliPubbliche::StatoProgramma{};
  VariabiliPubbliche::Stato.CartellaProgramma = ambiente.cartella;
  Scrivi(ini, contenuto);
  Scrivi(materiali, contenuto);
  LeggiEntrambi();
  if (dimensione % 7 == 3) VerificaScritturaFallita(ambiente, ini, materiali);

  if (!ScriviEntrambi()) std::abort();
  const std::string iniScritto = Leggi(ini);
  const std::string materialiScritti = Leggi(materiali);
  ambiente.box.mostrati = 0;
  if (!LeggiEntrambi() || ambiente.box.mostrati != 0) std::abort();
  if (!ScriviEntrambi() || Leggi(ini) != iniScritto || Leggi(materiali) != materialiScritti)
    std::abort();
  LeggiDxf(contenuto);
  LeggiProgetto(ambiente, contenuto);
  return 0;
}
