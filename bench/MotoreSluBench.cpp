// The ultimate-limit-state engine: one verification from the fully reacting
// copy turned into the neutral-axis frame to the resisting moments, and the
// whole run of CalcolaTramok1, on the rectangle with 10 bars and the ring,
// and the whole run on the rectangle with 3 bars, the L with 6 bars and the
// circle. The counter "allocazioni" is
// the number of heap allocations of one run: it must not grow with the strips
// nor with the iterations of the search.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "ContaAllocazioni.h"
#include "SezioniBench.h"
#include "analysis/Correnti.h"
#include "model/VariabiliPubbliche.h"

namespace {

using namespace SezioniBench;

constexpr float angolo = 30;

// The engine alone: the fully reacting copy, the turn, the moments.
void MomentiUltimi(SezioneCA& s, double N) {
  auto reagente = s.CreaSezioneCaInteramenteReagente();
  reagente->xPtoCalcoloM = s.xPtoCalcoloM;
  reagente->yPtoCalcoloM = s.yPtoCalcoloM;
  Vettore<double> T, Tinv;
  reagente->RuotaSezioneSLU(angolo, T, Tinv);
  int tipo = 0;
  double mx = 0, my = 0;
  reagente->CalcolaMomentiUltimi(N, tipo, mx, my);
  if (reagente->Esito != EsitoCalcoloSlu::Riuscito) std::abort();
  benchmark::DoNotOptimize(mx);
  benchmark::DoNotOptimize(my);
}

void Tramok1(SezioneCA& s, double) {
  s.CalcolaTramok1(angolo);
  if (s.EsitoSlu != EsitoCalcoloSlu::Riuscito) std::abort();
  benchmark::DoNotOptimize(s.MomentoUltimoX);
}

template <void (*Sezione)(SezioneCA&), void (*Calcolo)(SezioneCA&, double)>
void Verifica(benchmark::State& state, double N) {
  MaterialiSlu(static_cast<int>(state.range(0)));
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  Sezione(s);
  s.Sollecitazioni({N, 0}, {0, 0}, {0, 0});
  const long prima = Allocazioni();
  Calcolo(s, N);
  state.counters["allocazioni"] = static_cast<double>(Allocazioni() - prima);
  for (auto _ : state) Calcolo(s, N);
}

void Rettangolo_MomentiUltimi(benchmark::State& state) {
  Verifica<Rettangolo10Barre, MomentiUltimi>(state, 500000);
}
void Rettangolo_CalcolaTramok1(benchmark::State& state) {
  Verifica<Rettangolo10Barre, Tramok1>(state, 500000);
}
void Anello_MomentiUltimi(benchmark::State& state) {
  Verifica<Anello24Barre, MomentiUltimi>(state, 1000000);
}
void Anello_CalcolaTramok1(benchmark::State& state) {
  Verifica<Anello24Barre, Tramok1>(state, 1000000);
}

void Rettangolo3_CalcolaTramok1(benchmark::State& state) {
  Verifica<Rettangolo3Barre, Tramok1>(state, 500000);
}
void L6_CalcolaTramok1(benchmark::State& state) { Verifica<L6Barre, Tramok1>(state, 500000); }
void Cerchio_CalcolaTramok1(benchmark::State& state) {
  Verifica<Cerchio12Barre, Tramok1>(state, 500000);
}

}  // namespace

BENCHMARK(Rettangolo_MomentiUltimi)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rettangolo_CalcolaTramok1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anello_MomentiUltimi)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anello_CalcolaTramok1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rettangolo3_CalcolaTramok1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(L6_CalcolaTramok1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Cerchio_CalcolaTramok1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
