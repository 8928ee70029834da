// The floor of one ultimate run: the same strain planes, found by the same
// root finder at the same angle, on the strips and bars of the run copied
// into plain arrays of doubles, and nothing else (no copy of the section, no
// turning, no strips to cut, no compressed part). Each benchmark times in
// turn a batch of CalcolaTramok1 runs and a batch of floors of one section:
// "corsa" and "pavimento" are microseconds per run, "rapporto" the run over
// the floor. The setup aborts unless the floor gives the run's moments and
// strains bit for bit.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "../tests/doppi/SezioneProva.h"
#include "SezioniBench.h"
#include "analysis/Correnti.h"
#include "model/VariabiliPubbliche.h"

namespace {

using namespace SezioniBench;

constexpr float angolo = 30;

struct Pavimento {
  // Strips from the top down: the depth where each ends (n + 1 values from
  // 0), its whole area and height, its rectangles from primo[i] to
  // primo[i + 1] in larghezze and xCentri.
  std::vector<double> fondo, aree, altezze, yCentri;
  std::vector<int> primo;
  std::vector<double> larghezze, xCentri;
  std::vector<double> xBarre, yBarre, areeBarre;  // in the neutral-axis frame
  double h = 0, ySup = 0, hUtile = 0, N = 0;
  double tolleranza = 0, portata = 0;
  double x0 = 0, y0 = 0;  // moment point
  double epsCu = 0, epsSu = 0, epsP = 0, sigCu = 0, es = 0, fyd = 0;
  double teta = 0;  // degrees
};

struct Esito {
  double Mx, My;
  float epsSup, epsInf;
};

double SigmaCls(const Pavimento& p, double eps) {
  if (eps < 0) return 0;
  if (eps >= p.epsP) return p.sigCu;
  return p.sigCu * (eps / p.epsP) * (2 - eps / p.epsP);
}

double SigmaAcciaio(const Pavimento& p, double e) {
  const double sigma = p.es * e;
  if (std::fabs(sigma) > p.fyd) return e > 0 ? p.fyd : -p.fyd;
  return sigma;
}

double EpsAcciaio(const Pavimento& p, double es, double ei, double y) {
  return -(ei + (es - ei) * (p.h - (p.ySup - y)) / p.h);
}

// The compressed depth of the plane, past the bottom when wholly compressed.
double Profondita(const Pavimento& p, double es, double ei) {
  return ei > 0 ? 2 * p.h : p.h * es / (es - ei);
}

// Strip i, from depth s down to its bottom or xc: its area into area, the
// middle of the part into m, the depth reached returned.
double Parte(const Pavimento& p, size_t i, double s, double xc, double& m, double& area) {
  double t = s + p.altezze[i];
  if (t > xc) t = xc;
  m = (s + t) / 2;
  area = 0;
  for (int k = p.primo[i]; k < p.primo[i + 1]; ++k) area += p.larghezze[k] * (t - s);
  return t;
}

double Residuo(const Pavimento& p, double es, double ei) {
  double cls = 0;
  if (es >= 0) {
    const double xc = Profondita(p, es, ei), salto = es - ei;
    for (size_t i = 0; i < p.aree.size(); ++i) {
      const double s = p.fondo[i];
      double t = p.fondo[i + 1], m, area;
      if (t > xc) {
        t = Parte(p, i, s, xc, m, area);
      } else {
        m = (s + t) / 2;
        area = p.aree[i];
      }
      cls += SigmaCls(p, ei + salto * (p.h - m) / p.h) * area;
      if (t >= xc) break;
    }
  }
  double acciaio = 0;
  for (size_t i = 0; i < p.yBarre.size(); ++i)
    acciaio += p.areeBarre[i] * SigmaAcciaio(p, EpsAcciaio(p, es, ei, p.yBarre[i]));
  return cls - acciaio - p.N;
}

// The plane of the search from x = top less bottom strain, by failure type.
struct Ricerca : Matematica::Equazione {
  const Pavimento& p;
  int tipo;
  float es = 0, ei = 0;
  Ricerca(const Pavimento& pavimento, int t) : p(pavimento), tipo(t) {}
  void Piano(double x) {
    if (tipo == TipoRottura::LatoAcciaio) {
      const double k = x / p.h, sup = -p.epsSu + k * p.hUtile;
      es = static_cast<float>(sup);
      ei = static_cast<float>(sup - k * p.h);
    } else if (x >= p.epsCu) {
      tipo = TipoRottura::LatoCalcestruzzo;
      es = static_cast<float>(p.epsCu);
      ei = static_cast<float>(p.epsCu - x);
    } else {
      tipo = TipoRottura::TuttaCompressa;
      const double sup = p.epsP + (1 - p.epsP / p.epsCu) * x;
      es = static_cast<float>(sup);
      ei = static_cast<float>(sup - x);
    }
  }
  double yEquazione(double& x, const std::optional<double>&) override {
    Piano(x);
    return Residuo(p, es, ei);
  }
};

// The run's search: the plane with the concrete at eps_cu and the lowest bar
// at eps_su, then uniform elongation or shortening, then regula falsi.
bool Equilibrio(const Pavimento& p, float& es, float& ei) {
  es = static_cast<float>(p.epsCu);
  ei = static_cast<float>(-p.epsSu - (p.h - p.hUtile) * (p.epsSu + p.epsCu) / p.hUtile);
  const double x1 = es - ei;
  const double r1 = Residuo(p, es, ei);
  if (std::fabs(r1) < p.tolleranza) return true;
  es = ei = static_cast<float>(r1 >= 0 ? -p.epsSu : p.epsP);
  const double x2 = es - ei;
  const double r2 = Residuo(p, es, ei);
  if (std::fabs(r2) < p.tolleranza) return true;
  if (r1 * r2 > 0) return false;
  Ricerca ricerca(p, r1 >= 0 ? TipoRottura::LatoAcciaio : TipoRottura::LatoCalcestruzzo);
  double a = x1, b = x2;
  bool trovata = false;
  Matematica::RadiceRegulaFalsi(ricerca, a, b, p.tolleranza, p.N, &trovata);
  es = ricerca.es;
  ei = ricerca.ei;
  return trovata;
}

Esito Calcola(const Pavimento& p) {
  Esito e{};
  if (!Equilibrio(p, e.epsSup, e.epsInf)) std::abort();
  const double es = e.epsSup, ei = e.epsInf;
  if (!(std::fabs(Residuo(p, es, ei)) <= p.portata / 1000000)) std::abort();
  double mx = 0, my = 0;
  if (es >= 0 && !(ei <= 0 && std::fabs(e.epsSup - e.epsInf) < 1E-20F)) {
    const double xc = Profondita(p, es, ei);
    double t = 0;
    for (size_t i = 0; i < p.aree.size(); ++i) {
      const double s = t;
      double m, area;
      t = Parte(p, i, s, xc, m, area);
      const double sigma = SigmaCls(p, ei + (es - ei) * (p.h - m) / p.h);
      double sx = 0, sy = 0;
      for (int k = p.primo[i]; k < p.primo[i + 1]; ++k) {
        const double a = (t - s) * p.larghezze[k];
        sx += a * (p.yCentri[i] - p.y0);
        sy += a * (p.xCentri[k] - p.x0);
      }
      mx += sigma * sx;
      my += sigma * sy;
      if (t >= xc) break;
    }
  }
  double mxa = 0, mya = 0;
  for (size_t i = 0; i < p.yBarre.size(); ++i) {
    const double F = p.areeBarre[i] * SigmaAcciaio(p, EpsAcciaio(p, es, ei, p.yBarre[i]));
    mxa += F * (p.y0 - p.yBarre[i]);
    mya += F * (p.x0 - p.xBarre[i]);
  }
  mx += mxa;
  my += mya;
  const double fi = p.teta * Matematica::Pi / 180;
  e.Mx = std::cos(fi) * mx + std::sin(fi) * my;
  e.My = -std::sin(fi) * mx + std::cos(fi) * my;
  return e;
}

// The floor of the run just made on s, from the strips and bars it used.
Pavimento DaCorsa(const SezioneCA& s, double N) {
  const SezioneCAreagente& r = SezioneProva::ReagenteSlu(s);
  const StrisceRettangolini& st = r.Contorno->Strisce();
  Pavimento p;
  const int n = r.Contorno->nRettangolini_;
  p.primo.push_back(0);
  p.fondo.push_back(st.Fondo(0));
  for (int i = 1; i <= n; ++i) {
    p.fondo.push_back(st.Fondo(i));
    p.aree.push_back(st.AreaIntera(i));
    p.altezze.push_back(st.Altezza(i));
    p.yCentri.push_back(st.yCentro(i));
    for (int k = 1; k <= st.nRettangoli(i); ++k) {
      p.larghezze.push_back(st.Larghezza(i, k));
      p.xCentri.push_back(st.xCentro(i, k));
    }
    p.primo.push_back(static_cast<int>(p.larghezze.size()));
  }
  const Materiali& mat = VariabiliPubbliche::MaterialiCorrenti();
  const Materiali::LeggeAcciaio legge = mat.Acciaio(0);
  p.portata = r.Contorno->Area * mat.SIGCU;
  const AcciaiSezione& barre = SezioneProva::Acciai(r);
  for (int i = 1; i <= barre.nBarre; ++i) {
    p.xBarre.push_back(barre.xBarre(i));
    p.yBarre.push_back(barre.yBarre(i));
    p.areeBarre.push_back(barre.AreeBarre(i));
    p.portata += std::fabs(barre.AreeBarre(i)) * VariabiliPubbliche::Stato.Fyd[0];
  }
  p.h = r.hTotale;
  p.ySup = r.ySezMax;
  p.hUtile = r.hUtile;
  p.N = N;
  p.tolleranza = r.ApprossimazioneRisultante;
  p.x0 = r.xPtoCalcoloM;
  p.y0 = r.yPtoCalcoloM;
  p.epsCu = mat.epsCu;
  p.epsSu = mat.EPSSU;
  p.epsP = mat.EPSP;
  p.sigCu = mat.SIGCU;
  p.es = legge.Es;
  p.fyd = legge.fyd;
  p.teta = angolo;
  return p;
}

template <void (*Sezione)(SezioneCA&)>
void Pavimento_(benchmark::State& state, double N) {
  MaterialiSlu(100);
  SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
  Sezione(s);
  s.Sollecitazioni({N, 0}, {0, 0}, {0, 0});
  s.CalcolaTramok1(angolo);
  if (s.EsitoSlu != EsitoCalcoloSlu::Riuscito || SezioneProva::nCavi(s) != 0) std::abort();
  const Pavimento p = DaCorsa(s, N);
  const Esito e = Calcola(p);
  const SezioneCAreagente& r = SezioneProva::ReagenteSlu(std::as_const(s));
  if (e.Mx != s.MomentoUltimoX || e.My != s.MomentoUltimoY || e.epsSup != r.EpsCsup ||
      e.epsInf != r.EpsCinf)
    std::abort();

  using Orologio = std::chrono::steady_clock;
  constexpr int lotto = 16;
  Orologio::duration corsa{}, pavimento{};
  long lotti = 0;
  for (auto _ : state) {
    const auto inizio = Orologio::now();
    for (int i = 0; i < lotto; ++i) {
      s.CalcolaTramok1(angolo);
      benchmark::DoNotOptimize(s.MomentoUltimoX);
    }
    const auto mezzo = Orologio::now();
    for (int i = 0; i < lotto; ++i) {
      Esito f = Calcola(p);
      benchmark::DoNotOptimize(f);
    }
    pavimento += Orologio::now() - mezzo;
    corsa += mezzo - inizio;
    ++lotti;
  }
  const auto us = [&](Orologio::duration d) {
    return std::chrono::duration<double, std::micro>(d).count() / (lotti * lotto);
  };
  state.counters["corsa"] = us(corsa);
  state.counters["pavimento"] = us(pavimento);
  state.counters["rapporto"] = us(corsa) / us(pavimento);
}

void Pavimento_Rettangolo(benchmark::State& state) {
  Pavimento_<Rettangolo10Barre>(state, 500000);
}
void Pavimento_L(benchmark::State& state) { Pavimento_<L12Barre>(state, 500000); }
void Pavimento_Cerchio(benchmark::State& state) { Pavimento_<Cerchio12Barre>(state, 500000); }
void Pavimento_Anello(benchmark::State& state) { Pavimento_<Anello24Barre>(state, 1000000); }

}  // namespace

BENCHMARK(Pavimento_Rettangolo)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pavimento_L)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pavimento_Cerchio)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pavimento_Anello)->Unit(benchmark::kMicrosecond);
