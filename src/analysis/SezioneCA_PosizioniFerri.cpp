// Where the bars of a designed beam go: the holders in the stirrup corners,
// the bars of each zone in the gaps between them, group by group.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "analysis/SezioneCA.h"
#include "model/Array.h"
#include "model/VariabiliPubbliche.h"

int SezioneCA::TotaleBarre(const std::vector<Barra>& gruppi) {
  int n = 0;
  for (const Barra& b : gruppi) n += b.nBarre;
  return n;
}

void SezioneCA::NumeraGruppi() {
  short n = 0;
  for (std::vector<Barra>* gruppi : {&CollReggiInf, &CollReggiSup, &CollInf, &CollSup})
    for (Barra& b : *gruppi) b.iPosizione = ++n;
}

void SezioneCA::AssegnaPosizioniReggistaffeCampata() {
  Staffe& staffe = StaffeCamp();
  PosizioniReggiSup = {};
  PosizioniReggiInf = {};
  for (Barra& b : CollReggiSup) {
    PosizioniReggiSup = staffe.AscPosizTrasvReg(b.Diametro / 2.0);
    b.AssegnaPosizione(PosizioniReggiSup);
  }
  for (Barra& b : CollReggiInf) {
    PosizioniReggiInf = staffe.AscPosizTrasvReg(b.Diametro / 2.0);
    b.AssegnaPosizione(PosizioniReggiInf);
  }
}

void SezioneCA::PosizioniFerriCampata() {
  auto zona = [](std::vector<Barra>& gruppi, const Vettore<double>& reggi) {
    Vettore<double> libere = PosizioniStandard(TotaleBarre(gruppi), reggi);
    int f = libere.Conta();
    for (Barra& b : gruppi) b.AssegnaPosizione(PosizioniBarra(libere, f, reggi, b.nBarre));
  };
  zona(CollSup, PosizioniReggiSup);
  zona(CollInf, PosizioniReggiInf);
}

void SezioneCA::PosizioniIntervallo(double inizio, double fine, int c, Vettore<double>& x, int& k) {
  const double passo = (fine - inizio) / (c + 1);
  for (int j = 1; j <= c; ++j) x(k++) = inizio + j * passo;
}

Vettore<double> SezioneCA::PosizioniStandard(int n, const Vettore<double>& P) {
  const int m = P.Conta() - 1;  // gaps between stirrup legs
  if (n <= 0 || m < 1) return {};
  std::vector<int> conta(static_cast<std::size_t>(m), n / m);
  const int r = n % m;
  // Gaps (from 1) that take one more bar, by the remainder: the middle
  // first, then symmetric pairs.
  static const std::array<std::vector<int>, 5> piu5 = {
      std::vector<int>{}, {3}, {2, 4}, {2, 3, 4}, {1, 2, 4, 5}};
  switch (m) {
    case 1:
      break;
    case 3:
      if (r == 1) conta[1]++;
      if (r == 2) conta[0]++, conta[2]++;
      break;
    case 5:
      for (int g : piu5[static_cast<std::size_t>(r)]) conta[static_cast<std::size_t>(g - 1)]++;
      break;
    default:
      return {};
  }
  Vettore<double> x(1, n);
  int k = 1;
  for (int g = 1; g <= m; ++g)
    PosizioniIntervallo(P(P.Lb() + g - 1), P(P.Lb() + g), conta[static_cast<std::size_t>(g - 1)],
                        x, k);
  return x;
}

Vettore<int> SezioneCA::SceltaPosizioniGruppo(const Vettore<double>& libere, int f,
                                              const Vettore<double>& proprie, int g) {
  Vettore<int> s(1, g);
  if (g == f) {
    for (int k = 1; k <= g; ++k) s(k) = k;
    return s;
  }
  std::vector<bool> presa(static_cast<std::size_t>(f) + 1, false);
  // The free slot nearest to x among those this group has not taken yet.
  auto vicina = [&](double x) {
    int migliore = 0;
    for (int j = 1; j <= f; ++j)
      if (!presa[static_cast<std::size_t>(j)] &&
          (migliore == 0 || std::fabs(libere(j) - x) < std::fabs(libere(migliore) - x)))
        migliore = j;
    presa[static_cast<std::size_t>(migliore)] = true;
    return migliore;
  };
  for (int k = 1; k <= g / 2; ++k) {
    s(k) = vicina(proprie(k));
    // The bar at the other end of the group takes the mirror slot.
    const int specchio = f + 1 - s(k);
    if (presa[static_cast<std::size_t>(specchio)]) {
      s(g + 1 - k) = vicina(proprie(g + 1 - k));
    } else {
      s(g + 1 - k) = specchio;
      presa[static_cast<std::size_t>(specchio)] = true;
    }
  }
  if (g % 2 == 1) s(g / 2 + 1) = vicina(proprie(g / 2 + 1));
  return s;
}

Vettore<double> SezioneCA::PosizioniBarra(Vettore<double>& libere, int& f, const Vettore<double>& P,
                                          int g) {
  const Vettore<double> proprie = PosizioniStandard(g, P);
  if (proprie.Vuoto() || g > f) return {};
  const Vettore<int> s = SceltaPosizioniGruppo(libere, f, proprie, g);
  Vettore<double> x(1, g);
  std::vector<int> prese;
  for (int k = 1; k <= g; ++k) {
    x(k) = libere(s(k));
    prese.push_back(s(k));
  }
  // From the highest index down, so the ones still to go keep their place.
  std::sort(prese.rbegin(), prese.rend());
  for (int j : prese) {
    if (f == 1) {
      libere = {};
      f = 0;
    } else {
      Matematica::EliminaElementoArray(libere, f, j, 1);
    }
  }
  return x;
}

double SezioneCA::yFerroLimitato(double v, double c) const {
  return std::clamp(v, c, std::max(c, h1 - c));
}
