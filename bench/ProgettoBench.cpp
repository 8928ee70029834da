// A whole run of the rectangular design as the window makes it at every
// change: the inputs read, the section sized, the bars of both zones chosen
// among the automatic diameters, the stirrups designed and the result texts
// written; C25/30 and B450C, 250 kNm and 120 kN on a 300 x 600 beam.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "SezioniBench.h"
#include "design/ModelloProgetto.h"
#include "platform/FormInMemoria.h"

namespace {

// metodo 0 ultimate limit state, 1 allowable stress; fissa 0 the depth,
// 1 the width, 2 both; the automatic diameters from dMin to dMin + 4.
void Progetto(benchmark::State& state, int metodo, int fissa, int dMin) {
  SezioniBench::MaterialiSlu(100);
  VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
  VariabiliPubbliche::Stato.DimensioneFissa = fissa;
  platform::FormInMemoria f("ProgettoSezione");
  ModelloProgetto m(f);
  m.OpzioniInizializza();
  for (int i = 0; i < 2; ++i) {
    f.Controllo("F_Mxsd", i).SetText("250");
    f.Controllo("F_Vsd", i).SetText("120");
    f.Controllo("TextArrotonda", i).SetText("50");
    f.Controllo("OpTipoVerifica", i).SetValue(i == metodo ? 1 : 0);
  }
  f.Controllo("txtSez", 0).SetText("600");
  f.Controllo("txtSez", 1).SetText("300");
  f.Controllo("txtPro", 0).SetText("20");
  f.Controllo("txtPro", 1).SetText("0");
  f.Controllo("txtCotTeta").SetText("2.5");
  f.Controllo("DiaMin").SetText(std::to_string(dMin));
  f.Controllo("DiaMax").SetText(std::to_string(dMin + 4));
  for (auto _ : state) {
    // Every run starts from the same boxes, as the window shows them.
    f.Controllo("txtSez", 0).SetText("600");
    f.Controllo("txtSez", 1).SetText("300");
    m.Osservazioni.clear();
    if (!m.LeggiDati() || !m.Progetta()) std::abort();
    benchmark::DoNotOptimize(m.RisultatiTesti());
  }
}

void Slu_AltezzaFissa_16_20(benchmark::State& s) { Progetto(s, 0, 0, 16); }
void Slu_AltezzaFissa_22_26(benchmark::State& s) { Progetto(s, 0, 0, 22); }
void Slu_BaseFissa_16_20(benchmark::State& s) { Progetto(s, 0, 1, 16); }
void Slu_BaseAltezzaFisse_16_20(benchmark::State& s) { Progetto(s, 0, 2, 16); }
void MetodoN_BaseFissa_22_26(benchmark::State& s) { Progetto(s, 1, 1, 22); }

}  // namespace

BENCHMARK(Slu_AltezzaFissa_16_20)->Unit(benchmark::kMicrosecond);
BENCHMARK(Slu_AltezzaFissa_22_26)->Unit(benchmark::kMicrosecond);
BENCHMARK(Slu_BaseFissa_16_20)->Unit(benchmark::kMicrosecond);
BENCHMARK(Slu_BaseAltezzaFisse_16_20)->Unit(benchmark::kMicrosecond);
BENCHMARK(MetodoN_BaseFissa_22_26)->Unit(benchmark::kMicrosecond);
