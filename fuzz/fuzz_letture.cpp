// Arbitrary bytes as the settings file and as the materials file. Reading
// must never crash or hang; whatever it leaves in memory must then write out,
// read back without any box, and write out again to the same bytes.
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

#include "app/FileImpostazioni.h"
#include "app/FileMateriali.h"
#include "app/ImportaDxf.h"
#include "model/VariabiliPubbliche.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/MsgBox.h"
#include "platform/Sistema.h"

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

bool LeggiEntrambi() {
  const bool ini = FileImpostazioni::FileIniLeggeScrive("L");
  return FileMateriali::FileMaterialiLeggeScrive("L") && ini;
}

bool ScriviEntrambi() {
  const bool ini = FileImpostazioni::FileIniLeggeScrive("S");
  return FileMateriali::FileMaterialiLeggeScrive("S") && ini;
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

  if (!ScriviEntrambi()) std::abort();
  const std::string iniScritto = Leggi(ini);
  const std::string materialiScritti = Leggi(materiali);
  ambiente.box.mostrati = 0;
  if (!LeggiEntrambi() || ambiente.box.mostrati != 0) std::abort();
  if (!ScriviEntrambi() || Leggi(ini) != iniScritto || Leggi(materiali) != materialiScritti)
    std::abort();
  LeggiDxf(contenuto);
  return 0;
}
