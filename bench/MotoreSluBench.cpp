// The ultimate-limit-state engine on two sections: one verification from the
// fully reacting copy turned into the neutral-axis frame to the resisting
// moments, and the whole run of CalcolaTramok1. The counter "allocazioni" is
// the number of heap allocations of one run: it must not grow with the strips
// nor with the iterations of the search.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

#include "ContaAllocazioni.h"
#include "analysis/Correnti.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

namespace {

using VariabiliPubbliche::Stato;

// C25/30 and B450C at the ultimate limit state, n strips.
void Materiali(int strisce) {
  Stato = VariabiliPubbliche::StatoProgramma{};
  VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  Stato.Fcd = 0.85 * 25 / 1.5;
  Stato.Fyd = {391.3, 0};
  Stato.EpsYdSezione = {391.3 / 200000, 0};
  Stato.NumeroRettangoli = strisce;
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(200000);
}

void Barre(SezioneCA& s, const Vettore<float>& x, const Vettore<float>& y, float area) {
  Vettore<float> aree(1, x.Ub());
  for (int i = 1; i <= x.Ub(); ++i) aree(i) = area;
  const Vettore<float> nessuno;
  s.BarreDati(x.Ub(), x, y, aree, Stato.RapportoN, 0, nessuno, nessuno, nessuno, nessuno);
}

// 300 x 500, 5 bars of 314 mm2 at the top and 5 at the bottom.
void Rettangolo10Barre(SezioneCA& s) {
  s.Coordinate(Vettore<double>{150, -150, -150, 150}, Vettore<double>{250, 250, -250, -250}, 4);
  Vettore<float> x(1, 10), y(1, 10);
  for (int i = 1; i <= 5; ++i) {
    x(i) = x(i + 5) = static_cast<float>(-100 + 50 * (i - 1));
    y(i) = -200;
    y(i + 5) = 200;
  }
  Barre(s, x, y, 314);
}

// Ring of radii 300 and 200 as one outline of 52 vertices (26 outside
// counter-clockwise, 26 inside clockwise), 24 bars of 201 mm2 on radius 250.
void Anello24Barre(SezioneCA& s) {
  Vettore<double> x(1, 52), y(1, 52);
  for (int i = 0; i < 26; ++i) {
    const double a = Matematica::DuePi * i / 26;
    x(i + 1) = 300 * std::cos(a);
    y(i + 1) = 300 * std::sin(a);
    x(i + 27) = 200 * std::cos(-a);
    y(i + 27) = 200 * std::sin(-a);
  }
  s.Coordinate(x, y, 52);
  Vettore<float> xb(1, 24), yb(1, 24);
  for (int i = 1; i <= 24; ++i) {
    const double a = Matematica::DuePi * (i - 1) / 24;
    xb(i) = static_cast<float>(250 * std::cos(a));
    yb(i) = static_cast<float>(250 * std::sin(a));
  }
  Barre(s, xb, yb, 201);
}

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
  Materiali(static_cast<int>(state.range(0)));
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

}  // namespace

BENCHMARK(Rettangolo_MomentiUltimi)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rettangolo_CalcolaTramok1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anello_MomentiUltimi)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Anello_CalcolaTramok1)->Arg(100)->Unit(benchmark::kMicrosecond);
