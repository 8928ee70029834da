// The analyses built on the ultimate engine: the M-N domain (both halves) of
// the rectangle with 10 bars, the Mx-My domain of the L section with 12 bars
// at 12 and 96 divisions and of the L with 6 bars and the circle at 96
// (sweep, refinement, grid and chart), and a moment-curvature diagram of 20
// points of the rectangle, which reads its input through the main window. The counter
// "allocazioni" is the number of heap allocations of one run: it grows with
// the points and the cells written, never with the strips.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "../tests/doppi/FinestreRisultatiProva.h"
#include "../tests/doppi/MainProva.h"
#include "ContaAllocazioni.h"
#include "SezioniBench.h"
#include "analysis/Correnti.h"

namespace {

using namespace SezioniBench;

template <class Finestra, class Calcolo>
void Misura(benchmark::State& state, void (*sezione)(SezioneCA&), double N, Calcolo calcolo) {
  MaterialiSlu(static_cast<int>(state.range(0)));
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  sezione(s);
  s.Sollecitazioni({N, 0}, {0, 0}, {0, 0});
  Finestra finestra;
  calcolo(s, finestra);
  const long prima = Allocazioni();
  calcolo(s, finestra);
  state.counters["allocazioni"] = static_cast<double>(Allocazioni() - prima);
  for (auto _ : state) calcolo(s, finestra);
}

void DominioMN_Rettangolo(benchmark::State& state) {
  Misura<DominioMNProva>(state, Rettangolo10Barre, 500000, [](SezioneCA& s, DominioMNProva& f) {
    s.CalcolaTramok1(0);
    short nP = 1;
    if (!s.CalcolaDominioMN(nP, f, "")) std::abort();
  });
}

template <void (*Sezione)(SezioneCA&)>
void DominioMxMy(benchmark::State& state) {
  const auto divisioni = static_cast<short>(state.range(1));
  Misura<DominioMxMyProva>(state, Sezione, 500000, [divisioni](SezioneCA& s, DominioMxMyProva& f) {
    short n = divisioni;
    if (!s.CalcolaDominioMxMy(n, f, "", 60, -40)) std::abort();
  });
}

void DominioMxMy_L(benchmark::State& state) { DominioMxMy<L12Barre>(state); }
void DominioMxMy_L6(benchmark::State& state) { DominioMxMy<L6Barre>(state); }
void DominioMxMy_Cerchio(benchmark::State& state) { DominioMxMy<Cerchio12Barre>(state); }

void MomentoCurvatura_Rettangolo(benchmark::State& state) {
  MainProva main;
  Finestre::Aperte.Main = &main;
  Misura<MomCurvProva>(state, Rettangolo10Barre, 500000, [](SezioneCA& s, MomCurvProva& f) {
    short n = 19;
    s.CalcolaColonnaModello_solo(n, f);
    if (f.griglia.Rows() != 21) std::abort();
  });
  Finestre::Aperte.Main = nullptr;
}

}  // namespace

BENCHMARK(DominioMN_Rettangolo)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(DominioMxMy_L)->Args({100, 12})->Args({100, 96})->Args({1000, 12})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMxMy_L6)->Args({100, 96})->Args({1000, 96})->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMxMy_Cerchio)->Args({100, 96})->Args({1000, 96})->Unit(benchmark::kMillisecond);
BENCHMARK(MomentoCurvatura_Rettangolo)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
