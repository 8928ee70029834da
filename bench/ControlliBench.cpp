// The check for crossing sides that precedes every run, on circles of 52, 400
// and 2,000 vertices: searched afresh on a new copy of the outline, as after
// the section is read, and given again for the unchanged outline, as for the
// next run. One ultimate run of the same circles, with 100 strips, to set
// them against.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "SezioniBench.h"
#include "analysis/Correnti.h"
#include "model/VariabiliPubbliche.h"

namespace {

using namespace SezioniBench;

SezioneCA& Cerchio(int vertici) {
  MaterialiSlu(100);
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  CerchioBarre(s, vertici);
  s.Sollecitazioni({500000, 0}, {0, 0}, {0, 0});
  return s;
}

void LatiIncrociati_Letti(benchmark::State& state) {
  const Poligono& contorno = *Cerchio(static_cast<int>(state.range(0))).Contorno;
  for (auto _ : state) {
    const Poligono nuovo = contorno.Copia();
    if (nuovo.LatiIncrociati()) std::abort();
  }
}

void LatiIncrociati_Invariati(benchmark::State& state) {
  const Poligono& contorno = *Cerchio(static_cast<int>(state.range(0))).Contorno;
  for (auto _ : state)
    if (contorno.LatiIncrociati()) std::abort();
}

void CerchioVertici_CalcolaTramok1(benchmark::State& state) {
  SezioneCA& s = Cerchio(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s.CalcolaTramok1(30);
    if (s.EsitoSlu != EsitoCalcoloSlu::Riuscito) std::abort();
  }
}

}  // namespace

BENCHMARK(LatiIncrociati_Letti)->Arg(52)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LatiIncrociati_Invariati)->Arg(52)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(CerchioVertici_CalcolaTramok1)->Arg(52)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond);
