// The rows of one zone of a designed beam: bars that do not keep the clear
// spacing in their standard places go into the gaps between the stirrup
// legs, the first row beside the holders, the others further in.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "analysis/SezioneCA.h"

namespace {

enum class Genere { Ferro, Reggi, Braccio };

// One circle of a row (a leg: its bar where it crosses the row): centre,
// diameter, kind.
struct Cerchio {
  double x;
  double d;
  Genere genere;
};

// Whether the bars of a row, the largest fiMax, keep the clear spacing from
// each other and from the holders and legs beside them (holders and legs
// stand where the stirrups put them), and side by side take no more than the
// room of the row.
bool Distanziate(std::vector<Cerchio> riga, double fiMax, double larghezza) {
  std::sort(riga.begin(), riga.end(), [](const Cerchio& a, const Cerchio& b) { return a.x < b.x; });
  const double interferro = SezioneCA::Interferro(fiMax);
  double somma = 0;
  int n = 0;
  for (std::size_t i = 0; i < riga.size(); ++i) {
    if (riga[i].genere != Genere::Braccio) somma += riga[i].d, ++n;
    const bool ferro =
        riga[i].genere == Genere::Ferro || (i > 0 && riga[i - 1].genere == Genere::Ferro);
    if (i > 0 && ferro &&
        riga[i].x - riga[i - 1].x < (riga[i].d + riga[i - 1].d) / 2 + interferro - 1E-6)
      return false;
  }
  return SezioneCA::LarghezzaFila(n, somma, fiMax) <= larghezza + 1E-6;
}

// A gap of a row between the faces of what bounds it. Between stirrup legs
// the bars keep the clear spacing from its ends too, at equal clear gaps;
// without stirrups they stand side by side from end to end.
struct Luce {
  double inizio;
  double fine;
  bool staffe;
};

// How many bars of diameter d the gap takes, clear s apart.
int Capienza(const Luce& l, double d, double s) {
  const double margini = l.staffe ? 2 * s : 0;
  const double c = std::floor((l.fine - l.inizio - margini + s) / (d + s) + 1E-9);
  return std::max(0, static_cast<int>(c));
}

void PostiLuce(const Luce& l, int c, double d, std::vector<double>& x) {
  if (c <= 0) return;
  const double libera = l.fine - l.inizio - c * d;
  if (!l.staffe && c == 1) {
    x.push_back((l.inizio + l.fine) / 2);
    return;
  }
  const double luce = l.staffe ? libera / (c + 1) : libera / (c - 1);
  for (int j = 1; j <= c; ++j)
    x.push_back(l.inizio + (l.staffe ? j : j - 1) * luce + (j - 0.5) * d);
}

// r bars over the gaps, none beyond what a gap takes: in turn to the gaps
// with the fewest, a symmetric pair (the innermost first) or the middle one,
// on a tie a pair while an even number is left, else the middle one; gaps
// that take them all get the counts of the standard positions. A bar off
// the middle alone only with asimmetrica, else it is left for the next row.
std::vector<int> Ripartisci(int r, const std::vector<int>& capienza, bool asimmetrica) {
  const int m = static_cast<int>(capienza.size());
  std::vector<int> c(capienza.size(), 0);
  auto libera = [&](int k) { return c[k] < capienza[k]; };
  const int centro = m % 2 == 1 ? m / 2 : -1;
  while (r > 0) {
    int coppia = -1;
    for (int k = m / 2 - 1; k >= 0; --k)
      if (libera(k) && libera(m - 1 - k) && (coppia < 0 || c[k] < c[coppia])) coppia = k;
    const bool mezzo = centro >= 0 && libera(centro);
    // With an even number left the middle takes one only if it can take
    // the odd one after it too.
    const bool pari = r % 2 == 0;
    if (r >= 2 && coppia >= 0 &&
        (!mezzo || c[coppia] < c[centro] || (c[coppia] == c[centro] && pari) ||
         (pari && capienza[centro] - c[centro] < 2))) {
      ++c[coppia], ++c[m - 1 - coppia], r -= 2;
    } else if (mezzo) {
      ++c[centro], --r;
    } else {
      // One left, or gaps whose mirror is full: the free one with the fewest.
      int k = -1;
      for (int j = 0; asimmetrica && j < m; ++j)
        if (libera(j) && (k < 0 || c[j] < c[k])) k = j;
      if (k < 0) break;
      ++c[k], --r;
    }
  }
  return c;
}

int Somma(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

}  // namespace

bool SezioneCA::FileZona(std::vector<Barra>& gruppi, const Vettore<double>& reggi, double fiReggi,
                         const Bracci& bracci, double larghezza,
                         std::vector<std::vector<double>>& rientri) {
  rientri.clear();
  const Vettore<double>& assi = bracci.Assi;
  std::vector<Cerchio> riga;
  if (fiReggi > 0)
    for (int i = reggi.Lb(); i <= reggi.Ub(); ++i)
      riga.push_back({reggi(i), fiReggi, Genere::Reggi});
  for (int i = assi.Lb(); i <= assi.Ub(); ++i)
    riga.push_back({assi(i), bracci.Diametro, Genere::Braccio});
  double fiMax = 0;
  for (const Barra& b : gruppi) {
    fiMax = std::max(fiMax, static_cast<double>(b.Diametro));
    const Vettore<double>& x = b.Posizione_;
    for (int k = 0; k < std::min<int>(b.nBarre, x.Conta()); ++k)
      riga.push_back({x(x.Lb() + k), b.Diametro, Genere::Ferro});
  }
  const int n = TotaleBarre(gruppi);
  const double fiRiga = std::max(fiMax, fiReggi);
  if (n == 0 || reggi.Conta() < 2 || fiMax <= 0 || Distanziate(riga, fiRiga, larghezza))
    return true;
  // The gaps between the legs' faces, in the first row narrowed by the
  // holders in their corners; without stirrups the row from end to end.
  std::vector<Luce> prima, dentro;
  if (assi.Conta() < 2) prima = dentro = {{reggi(reggi.Lb()), reggi(reggi.Ub()), false}};
  for (int k = assi.Lb(); k < assi.Ub(); ++k) {
    Luce l{assi(k) + bracci.Diametro / 2, assi(k + 1) - bracci.Diametro / 2, true};
    dentro.push_back(l);
    const double mezzo = (assi(k) + assi(k + 1)) / 2;
    for (int i = reggi.Lb(); fiReggi > 0 && i <= reggi.Ub(); ++i) {
      if (reggi(i) <= assi(k) || reggi(i) >= assi(k + 1)) continue;
      if (reggi(i) < mezzo)
        l.inizio = std::max(l.inizio, reggi(i) + fiReggi / 2);
      else
        l.fine = std::min(l.fine, reggi(i) - fiReggi / 2);
    }
    prima.push_back(l);
  }
  const double interferro = Interferro(fiRiga);
  auto capienze = [fiMax, interferro](const std::vector<Luce>& luci) {
    std::vector<int> c;
    for (const Luce& l : luci) c.push_back(Capienza(l, fiMax, interferro));
    return c;
  };
  const std::vector<int> capPrima = capienze(prima);
  std::vector<int> capDentro = capienze(dentro);
  const bool tenuto = Somma(capDentro) > 0;
  if (!tenuto) {
    // No row keeps the spacing: one bar centred in each gap it fits
    // between the legs, in every gap when it fits none.
    for (std::size_t k = 0; k < dentro.size(); ++k)
      capDentro[k] = dentro[k].fine - dentro[k].inizio >= fiMax - 1E-9;
    if (Somma(capDentro) == 0) capDentro.assign(dentro.size(), 1);
  }
  // The places row by row: the first, then as many further in as it takes.
  std::vector<Vettore<double>> file;
  int posti = 0;
  // An odd bar waits for the middle gap of a row further in, if it takes one.
  const bool asimmetrica = capDentro[capDentro.size() / 2] == 0;
  auto fila = [&](const std::vector<Luce>& luci, const std::vector<int>& capienza) {
    const std::vector<int> c = Ripartisci(n - posti, capienza, asimmetrica);
    std::vector<double> x;
    for (std::size_t k = 0; k < luci.size(); ++k) PostiLuce(luci[k], c[k], fiMax, x);
    file.emplace_back();
    file.back().Dati() = x;
    posti += static_cast<int>(x.size());
  };
  fila(prima, capPrima);
  while (posti < n) fila(dentro, capDentro);
  // The groups in order take them row by row, in each row the slots their
  // own standard places are nearest to.
  const double passoFile = fiMax + interferro;
  std::size_t r = 0;
  int f = file[0].Conta();
  for (Barra& b : gruppi) {
    std::vector<double> x, rientro;
    for (int resto = b.nBarre; resto > 0;) {
      for (; f == 0; f = file[r].Conta()) ++r;
      const int k = std::min(resto, f);
      const Vettore<double> presi = PosizioniBarra(file[r], f, reggi, k);
      if (presi.Vuoto()) break;
      x.insert(x.end(), presi.Dati().begin(), presi.Dati().end());
      rientro.insert(rientro.end(), presi.Dati().size(), static_cast<double>(r) * passoFile);
      resto -= k;
    }
    if (!x.empty()) {
      Vettore<double> v;
      v.Dati() = x;
      b.AssegnaPosizione(v);
    }
    if (file.size() > 1) rientri.push_back(std::move(rientro));
  }
  return tenuto;
}
