// The check for crossing sides that precedes every run, on circles of 52, 400
// and 2,000 vertices: searched afresh on a new copy of the outline, as after
// the section is read, and given again for the unchanged outline, as for the
// next run. The check that their 12 bars lie in the concrete, that of 2,000
// bars on 32,767 vertices, and that of the ring's 24 bars (one on its cut).
// One ultimate run of the circles, with 100 strips, to set them against.
// The same checks, and a run on the outline as read, on 60 holes chained by
// 60 cuts.
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

// A circle of radius 5000 and 490 vertices, in it 60 holes of radius 50 and
// 250 vertices on y = 0, 150 apart: a cut from the circle's left to the
// first hole's left, each hole run clockwise over its upper half to its right
// and cut to the next, the last all round, and back over the lower halves
// and the cuts: 15,610 vertices. Bars on the cuts between the holes.
constexpr int fori = 60;
constexpr double passo = 150, primo = -(fori - 1) * passo / 2;

void BarreTraIFori(Vettore<float>& x, Vettore<float>& y) {
  x.ReDim(1, fori - 1);
  y.ReDim(1, fori - 1);
  for (int f = 1; f < fori; ++f) {
    x(f) = static_cast<float>(primo + (f - 0.5) * passo);
    y(f) = 0;
  }
}

SezioneCA& ForiIncatenati() {
  MaterialiSlu(100);
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  constexpr int lati = 250, esterni = 490;
  constexpr double raggio = 50;
  Vettore<double> x(1, 2 * esterni), y(1, 2 * esterni);
  int n = 0;
  const auto punto = [&](double px, double py) {
    if (++n > x.Ub()) {
      x.ReDimPreserve(2 * n);
      y.ReDimPreserve(2 * n);
    }
    x(n) = px;
    y(n) = py;
  };
  for (int k = 0; k <= esterni; ++k) {
    const double a = Matematica::DuePi * (esterni / 2 + k) / esterni;
    punto(5000 * std::cos(a), 5000 * std::sin(a));
  }
  // Hole f from angle da to angle a clockwise (a < da), both ends included.
  const auto arco = [&](int f, int da, int a) {
    for (int k = da; k >= a; --k) {
      const double t = Matematica::DuePi * k / lati;
      punto(primo + f * passo + raggio * std::cos(t), raggio * std::sin(t));
    }
  };
  for (int f = 0; f < fori; ++f) arco(f, lati / 2, f + 1 < fori ? 0 : -lati / 2);
  for (int f = fori - 2; f >= 0; --f) arco(f, 0, -lati / 2);
  s.Coordinate(x, y, n);
  Vettore<float> xb, yb;
  BarreTraIFori(xb, yb);
  Barre(s, xb, yb, 201);
  s.Sollecitazioni({500000, 0}, {0, 0}, {0, 0});
  return s;
}

void LatiIncrociati_ForiIncatenati(benchmark::State& state) {
  const Poligono& contorno = *ForiIncatenati().Contorno;
  for (auto _ : state) {
    const Poligono nuovo = contorno.Copia();
    if (nuovo.LatiIncrociati()) std::abort();
  }
}

void BarreNelCalcestruzzo_ForiIncatenati(benchmark::State& state) {
  const Poligono& contorno = *ForiIncatenati().Contorno;
  Vettore<float> x, y;
  BarreTraIFori(x, y);
  for (auto _ : state)
    if (contorno.PrimoPuntoFuori(x, y, fori - 1) != 0) std::abort();
}

// On a new copy of the outline, as after the section is read: the strips
// are cut afresh.
void ForiIncatenati_CalcolaTramok1(benchmark::State& state) {
  SezioneCA& s = ForiIncatenati();
  const Poligono letto = s.Contorno->Copia();
  for (auto _ : state) {
    s.Contorno = std::make_shared<Poligono>(letto.Copia());
    s.CalcolaTramok1(30);
    if (s.EsitoSlu != EsitoCalcoloSlu::Riuscito) std::abort();
  }
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
  Vettore<float> x, y;
  PuntiSuCerchio(n, 200, x, y);
  for (auto _ : state)
    if (contorno.PrimoPuntoFuori(x, y, n) != 0) std::abort();
}

void BarreNelCalcestruzzo_Anello(benchmark::State& state) {
  MaterialiSlu(100);
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  Anello24Barre(s);
  Vettore<float> x, y;
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
BENCHMARK(LatiIncrociati_ForiIncatenati)->Unit(benchmark::kMicrosecond);
BENCHMARK(BarreNelCalcestruzzo_ForiIncatenati)->Unit(benchmark::kMicrosecond);
BENCHMARK(ForiIncatenati_CalcolaTramok1)->Unit(benchmark::kMicrosecond);
BENCHMARK(CerchioVertici_CalcolaTramok1)->Arg(52)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond);
