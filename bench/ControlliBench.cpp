// The check for crossing sides that precedes every run, on circles of 52, 400
// and 2,000 vertices: searched afresh on a new copy of the outline, as after
// the section is read, and given again for the unchanged outline, as for the
// next run. The check that their 12 bars lie in the concrete, that of 2,000
// bars on 32,767 vertices, and that of the ring's 24 bars (one on its cut).
// One ultimate run of the circles, with 100 strips, to set them against.
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

// The check that each bar lies in the concrete: 12 bars on radius 200 in
// the circles, then 2,000 on 32,767 vertices.
void BarreNelCalcestruzzo(benchmark::State& state) {
  const Poligono& contorno = *Cerchio(static_cast<int>(state.range(0))).Contorno;
  const int n = static_cast<int>(state.range(1));
  Vettore<double> x, y;
  PuntiSuCerchio(n, 200, x, y);
  for (auto _ : state)
    if (contorno.PrimoPuntoFuori(x, y, n) != 0) std::abort();
}

void BarreNelCalcestruzzo_Anello(benchmark::State& state) {
  MaterialiSlu(100);
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  Anello24Barre(s);
  Vettore<double> x, y;
  PuntiSuCerchio(24, 250, x, y);
  for (auto _ : state)
    if (s.Contorno->PrimoPuntoFuori(x, y, 24) != 0) std::abort();
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
BENCHMARK(BarreNelCalcestruzzo)
    ->Args({52, 12})
    ->Args({400, 12})
    ->Args({2000, 12})
    ->Args({32767, 2000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BarreNelCalcestruzzo_Anello)->Unit(benchmark::kMicrosecond);
BENCHMARK(CerchioVertici_CalcolaTramok1)->Arg(52)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond);
