// Whether an outline can stand for a cross-section: vertices in reach, an area,
// sides that neither cross nor touch one another but along a cut.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "drawing/Grafica_Geometria.h"
#include "model/Poligono.h"
#include "model/Poligono_Tagli.h"

namespace {

// A side's box along x (asse 0) and y (asse 1), in a row with the others.
struct Lato {
  double minimo[2], massimo[2];
  int i;  // the side runs from vertex i to the next
};

void OrdinaLungoAsse(std::vector<Lato>& lati, int asse) {
  std::sort(lati.begin(), lati.end(),
            [asse](const Lato& a, const Lato& b) { return a.minimo[asse] < b.minimo[asse]; });
}

// Pairs of boxes that overlap along asse, the pairs a sweep along it looks
// at; leaves the sides ordered along asse.
long long CoppieLungoAsse(std::vector<Lato>& lati, int asse) {
  OrdinaLungoAsse(lati, asse);
  long long coppie = 0;
  for (auto p = lati.begin(); p != lati.end(); ++p) {
    const auto fine = std::upper_bound(p + 1, lati.end(), p->massimo[asse],
                                       [asse](double v, const Lato& l) { return v < l.minimo[asse]; });
    coppie += fine - (p + 1);
  }
  return coppie;
}

// The arrays of a search, kept from one search to the next: new arrays for a
// long outline at each search cost the system more than the search itself.
struct Scorta {
  std::vector<Lato> lati;
  std::vector<std::array<int, 4>> celle;  // x0, x1, y0, y1 of each side
  // Sides of each cell of the grid, all 0 between searches; the end of each
  // cell's list in elenco; the cells with sides, in the order found.
  std::vector<int> conta, fine, occupate;
  std::vector<Lato> elenco;  // copies, so that a cell's pairs are read in a row
  // The starts of the stretches of an ordering by merges, then n; the sides
  // of the pass being merged.
  std::vector<int> inizi;
  std::vector<Lato> riserva;
};

Scorta& ScortaDelThread() {
  thread_local Scorta scorta;
  return scorta;
}

// Sides i and j (of n) that follow one another share a vertex and meet there.
bool Consecutivi(int i, int j, int n) {
  const int k = std::abs(i - j);
  return k == 1 || k == n - 1;
}

struct Punto {
  double x, y;
};

bool Presso(Punto a, Punto b, double zero) {
  const double dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy <= zero * zero;
}

// p within zero of the segment from a to b.
bool SulSegmento(Punto p, Punto a, Punto b, double zero) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
  return Presso(p, {a.x + t * dx, a.y + t * dy}, zero);
}

// The runs of the outline through c, from the vertices presso within zero
// of it: of each, the last vertex before it and the first after it not
// within zero of c (a vertex repeated is one run).
template <class Vertice>
std::vector<std::pair<Punto, Punto>> Passaggi(const Vertice& v, int n,
                                              const std::vector<int>& presso, Punto c,
                                              double zero) {
  std::vector<std::pair<Punto, Punto>> passaggi;
  for (const int j : presso) {
    if (Presso(v(j - 1), c, zero)) continue;  // the run began before j
    int k = j + 1;
    for (int conta = 1; conta < n && Presso(v(k), c, zero); ++conta) ++k;
    passaggi.emplace_back(v(j - 1), v(k));
  }
  return passaggi;
}

// The sides from a to m and from m to b fold back when one runs back along
// the other: a spike of no width, whose tip would be taken for the extreme
// fibre.
bool Ripiegati(Punto a, Punto m, Punto b, double zero) {
  if ((m.x - a.x) * (b.x - m.x) + (m.y - a.y) * (b.y - m.y) >= 0) return false;
  return (!Presso(b, m, zero) && SulSegmento(b, a, m, zero)) ||
         (!Presso(a, m, zero) && SulSegmento(a, m, b, zero));
}

// Whether the outline turns back by more than a right angle at a vertex,
// where sides may fold: a loop the compiler can vectorise.
bool TornaIndietro(const double* x, const double* y, int n) {
  const auto indietro = [x, y](int a, int m, int b) {
    return (x[m] - x[a]) * (x[b] - x[m]) + (y[m] - y[a]) * (y[b] - y[m]) < 0;
  };
  bool esito = indietro(n - 1, 0, 1) || indietro(n - 2, n - 1, 0);
  for (int k = 1; k + 1 < n; ++k) esito |= indietro(k - 1, k, k + 1);
  return esito;
}

// The stretches of the outline over which the low ends of the boxes along
// asse only rise or only fall: where each starts, then n. False when there
// are more than massimi.
bool Tratti(const std::vector<Lato>& lati, int asse, size_t massimi, std::vector<int>& inizi) {
  const size_t n = lati.size();
  const auto basso = [&](size_t k) { return lati[k].minimo[asse]; };
  inizi.clear();
  for (size_t k = 0; k < n;) {
    if (inizi.size() == massimi) return false;
    inizi.push_back(static_cast<int>(k));
    size_t oltre = k + 1;
    if (oltre < n && basso(oltre) < basso(k))
      while (oltre < n && basso(oltre) <= basso(oltre - 1)) ++oltre;
    else
      while (oltre < n && basso(oltre) >= basso(oltre - 1)) ++oltre;
    k = oltre;
  }
  inizi.push_back(static_cast<int>(n));
  return true;
}

// Orders the sides along asse from the stretches Tratti found: the falling
// ones turned round, then all merged two by two.
void OrdinaPerTratti(Scorta& scorta, int asse) {
  std::vector<Lato>& lati = scorta.lati;
  std::vector<int>& inizi = scorta.inizi;
  for (size_t t = 0; t + 1 < inizi.size(); ++t) {
    const auto primo = lati.begin() + inizi[t], oltre = lati.begin() + inizi[t + 1];
    if (oltre[-1].minimo[asse] < primo->minimo[asse]) std::reverse(primo, oltre);
  }
  const auto prima = [asse](const Lato& a, const Lato& b) { return a.minimo[asse] < b.minimo[asse]; };
  std::vector<Lato>& fusi = scorta.riserva;
  fusi.resize(lati.size());
  while (inizi.size() > 2) {
    size_t tratti = 0;
    // A last stretch without a pair is merged with nothing: copied.
    for (size_t t = 0; t + 1 < inizi.size(); t += 2) {
      const auto a = lati.begin();
      const size_t fine = std::min(t + 2, inizi.size() - 1);
      std::merge(a + inizi[t], a + inizi[t + 1], a + inizi[t + 1], a + inizi[fine],
                 fusi.begin() + inizi[t], prima);
      inizi[++tratti] = inizi[fine];
    }
    inizi.resize(tratti + 1);
    lati.swap(fusi);
  }
}

// The sides ordered along asse, each tried against those that start along
// asse before it ends; nothing once more than limite pairs were looked at.
template <class Prova>
std::optional<bool> IncrociatiInOrdine(const std::vector<Lato>& lati, int asse,
                                       const Prova& incrociati, size_t limite) {
  const int altro = 1 - asse;
  for (size_t p = 0; p < lati.size(); ++p) {
    const Lato& a = lati[p];
    for (size_t q = p + 1; q < lati.size() && lati[q].minimo[asse] <= a.massimo[asse]; ++q) {
      if (limite-- == 0) return std::nullopt;
      const Lato& b = lati[q];
      if (b.minimo[altro] <= a.massimo[altro] && a.minimo[altro] <= b.massimo[altro] &&
          incrociati(a, b))
        return true;
    }
  }
  return false;
}

// The sides whose boxes meet, found in a grid of fine cells; a pair is
// tried only in the cell of the low corner of the overlap of its boxes,
// which both boxes hold. Nothing when the boxes fill too many cells (long
// slanted sides), for the sweep to do.
template <class Prova>
std::optional<bool> IncrociatiNellaGriglia(Scorta& scorta, const Prova& incrociati) {
  const std::vector<Lato>& lati = scorta.lati;
  const size_t n = lati.size();
  double basso[2] = {lati[0].minimo[0], lati[0].minimo[1]};
  double alto[2] = {lati[0].massimo[0], lati[0].massimo[1]};
  for (const Lato& l : lati)
    for (int a = 0; a < 2; ++a) {
      basso[a] = std::min(basso[a], l.minimo[a]);
      alto[a] = std::max(alto[a], l.massimo[a]);
    }
  // Fine cells, about four a side per square root of the sides, of which
  // only those with sides are visited.
  const int g = static_cast<int>(std::ceil(4 * std::sqrt(static_cast<double>(n))));
  const double ultima = g - 1;
  // A degenerate extent (a quotient not finite) puts everything in one cell.
  double perCella[2];
  for (int a = 0; a < 2; ++a) {
    perCella[a] = g / (alto[a] - basso[a]);
    if (!std::isfinite(perCella[a])) perCella[a] = 0;
  }
  // Monotonic in v, so a point of a box falls within the box's cells.
  const auto cella = [&](int a, double v) {
    return static_cast<int>(std::min((v - basso[a]) * perCella[a], ultima));
  };

  // Each side's cells, counted and then listed cell by cell.
  std::vector<std::array<int, 4>>& celle = scorta.celle;
  std::vector<int>& conta = scorta.conta;
  std::vector<int>& fine = scorta.fine;
  std::vector<int>& occupate = scorta.occupate;
  celle.resize(n);
  const size_t nCelle = static_cast<size_t>(g) * static_cast<size_t>(g);
  if (conta.size() < nCelle) {
    conta.resize(nCelle, 0);
    fine.resize(nCelle);
  }
  occupate.clear();
  // The counts go back to 0 for the next search, whatever the answer.
  const auto azzera = [&] {
    for (const int c : occupate) conta[static_cast<size_t>(c)] = 0;
  };
  size_t voci = 0;
  for (size_t k = 0; k < n; ++k) {
    const Lato& l = lati[k];
    const std::array<int, 4> c = {cella(0, l.minimo[0]), cella(0, l.massimo[0]),
                                  cella(1, l.minimo[1]), cella(1, l.massimo[1])};
    celle[k] = c;
    voci += static_cast<size_t>(c[1] - c[0] + 1) * static_cast<size_t>(c[3] - c[2] + 1);
    if (voci > 16 * n) {
      azzera();
      return std::nullopt;
    }
    for (int y = c[2]; y <= c[3]; ++y)
      for (int x = c[0]; x <= c[1]; ++x)
        if (conta[static_cast<size_t>(y * g + x)]++ == 0) occupate.push_back(y * g + x);
  }
  int fatte = 0;
  for (const int c : occupate) fine[static_cast<size_t>(c)] = fatte += conta[static_cast<size_t>(c)];
  std::vector<Lato>& elenco = scorta.elenco;
  elenco.resize(voci);
  // Filled from each list's end back, which leaves fine at each list's start.
  for (size_t k = n; k-- > 0;) {
    const std::array<int, 4>& c = celle[k];
    for (int y = c[2]; y <= c[3]; ++y)
      for (int x = c[0]; x <= c[1]; ++x)
        elenco[static_cast<size_t>(--fine[static_cast<size_t>(y * g + x)])] = lati[k];
  }

  bool incrocio = false;
  for (const int c : occupate) {
    const int inizio = fine[static_cast<size_t>(c)];
    const int oltre = inizio + conta[static_cast<size_t>(c)];
    for (int p = inizio; p < oltre && !incrocio; ++p) {
      const Lato& a = elenco[static_cast<size_t>(p)];
      for (int q = p + 1; q < oltre; ++q) {
        const Lato& b = elenco[static_cast<size_t>(q)];
        // One branch for the four sides of the boxes: most pairs of a cell
        // are apart, or consecutive.
        const bool sovrapposti = (b.minimo[0] <= a.massimo[0]) & (a.minimo[0] <= b.massimo[0]) &
                                 (b.minimo[1] <= a.massimo[1]) & (a.minimo[1] <= b.massimo[1]);
        if (!sovrapposti || Consecutivi(a.i, b.i, static_cast<int>(n))) continue;
        const int angolo = cella(1, std::max(a.minimo[1], b.minimo[1])) * g +
                           cella(0, std::max(a.minimo[0], b.minimo[0]));
        if (angolo == c && incrociati(a, b)) {
          incrocio = true;
          break;
        }
      }
    }
    if (incrocio) break;
  }
  azzera();
  return incrocio;
}

}  // namespace

bool Poligono::CoordinateEntro(double limite) const {
  for (int i = 1; i <= nVertici_; ++i)
    if (!(std::fabs(x_(i)) <= limite) || !(std::fabs(y_(i)) <= limite)) return false;
  return true;
}

int Poligono::Verso() const {
  const int n = nVertici_;
  double doppiaArea = 0;
  for (int j = 1; j <= n; ++j) {
    const int s = j % n + 1;
    doppiaArea += x_(j) * y_(s) - x_(s) * y_(j);
  }
  return doppiaArea < 0 ? -1 : 1;
}

std::optional<bool> Poligono::VersoIlCalcestruzzo(int m, double dx, double dy,
                                                  Tagli& tagli) const {
  const int n = nVertici_;
  const double zero = tagli.zero;
  const int verso = tagli.Verso();
  const auto v = [this, n](int j) {
    j = ((j - 1) % n + n) % n + 1;
    return Punto{x_(j), y_(j)};
  };
  const Punto c = v(m);
  // Each run through c leaves along a ray and comes back along another:
  // turning counterclockwise from d, the concrete (left of a counterclockwise
  // outline) grows by one across a ray leaving, falls by one across a ray
  // coming in. d is in the concrete where no turn from it rises above it.
  std::vector<std::pair<double, int>> raggi;
  const auto raggio = [&](Punto q, int salto) {
    const double rx = q.x - c.x, ry = q.y - c.y;
    double fi = std::atan2(dx * ry - dy * rx, dx * rx + dy * ry);
    if (fi < 0) fi += Matematica::DuePi;
    if (fi > 1E-9 && fi < Matematica::DuePi - 1E-9) raggi.emplace_back(fi, salto * verso);
  };
  for (const auto& [da, a] : Passaggi(v, n, tagli.Vertici().Presso(c.x, c.y), c, zero)) {
    raggio(a, 1);
    raggio(da, -1);
  }
  std::sort(raggi.begin(), raggi.end());
  int salito = 0, alto = 0, basso = 0;
  for (size_t r = 0; r < raggi.size(); ++r) {
    salito += raggi[r].second;
    if (r + 1 == raggi.size() || raggi[r + 1].first > raggi[r].first) {
      alto = std::max(alto, salito);
      basso = std::min(basso, salito);
    }
  }
  if (alto == 0 && basso == 0) return std::nullopt;  // only cuts meet at c
  return alto == 0;
}

std::optional<bool> Poligono::TaglioNelCalcestruzzo(int i, Tagli& tagli) const {
  const int n = nVertici_;
  // The cut runs from vertex i, on the part of vertices k + 1..i, to vertex
  // i + 1, on the part of vertices i + 1..k, and back.
  const double dx = x_(i % n + 1) - x_(i), dy = y_(i % n + 1) - y_(i);
  const auto inizio = VersoIlCalcestruzzo(i, dx, dy, tagli);
  const auto fine = VersoIlCalcestruzzo(i % n + 1, -dx, -dy, tagli);
  if (inizio && fine && *inizio != *fine) return std::nullopt;
  return inizio ? *inizio : fine.value_or(true);
}

Poligono::DifettoLati::Tipo Poligono::DifettoDelTaglio(int i, int k, Tagli& tagli) const {
  const int n = nVertici_;
  const std::optional<bool> calcestruzzo = TaglioNelCalcestruzzo(i, tagli);
  if (calcestruzzo == true) return DifettoLati::Nessuno;
  // In a hole, or across a ring run the wrong way, one part lies within the
  // other; apart, the cut runs outside the outline.
  const double zero = tagli.zero;
  const auto entro = [zero](const std::array<double, 4>& d, const std::array<double, 4>& f) {
    return d[0] >= f[0] - zero && d[1] <= f[1] + zero && d[2] >= f[2] - zero && d[3] <= f[3] + zero;
  };
  const RiquadriDeiTratti& riquadri = tagli.Riquadri();
  const auto anello = riquadri.Riquadro(i % n + 1, k), resto = riquadri.Riquadro(k % n + 1, i);
  if (!entro(anello, resto) && !entro(resto, anello)) return DifettoLati::TaglioFuori;
  if (!calcestruzzo) return DifettoLati::VersoAnello;
  tagli.nelVuoto.insert(tagli.nelVuoto.end(), {i, k});
  return DifettoLati::Nessuno;
}

bool Poligono::LatiSiToccano(int i, int k, double zero) const {
  Tagli tagli(*this, zero);
  DifettoLati difetto;
  return LatiSiToccano(i, k, tagli, difetto);
}

bool Poligono::LatiSiToccano(int i, int k, Tagli& tagli, DifettoLati& difetto) const {
  const int n = nVertici_;
  const double zero = tagli.zero;
  const double* x = x_.DaUno(n);
  const double* y = y_.DaUno(n);
  const auto v = [x, y, n](int j) {
    j = (j - 1 + n) % n;
    return Punto{x[j], y[j]};
  };
  if (i > k) std::swap(i, k);
  const int tra = k - i;
  if (tra == 1 || tra == n - 1) {
    const int m = tra == 1 ? k : i;  // their common vertex
    return Ripiegati(v(m - 1), v(m), v(m + 1), zero);
  }
  const Punto s1 = v(i), s2 = v(i + 1), t1 = v(k), t2 = v(k + 1);
  if (!Presso(s1, s2, zero)) {
    // A side run back by another is a cut, joining two rings, unless only a
    // side of no length lies between the two (a spike).
    if (Presso(s1, t2, zero) && Presso(s2, t1, zero)) {
      if (tra == 2 || tra == n - 2) return true;
      difetto = {DifettoDelTaglio(i, k, tagli), i};
      return difetto.tipo != DifettoLati::Nessuno;
    }
    if (Presso(s1, t1, zero) && Presso(s2, t2, zero)) return true;
  }
  // Sides with a common end meet nowhere else unless one runs along the
  // other, which the ends on the sides tell below: the crossing of their
  // lines, rounded, would stand off that end.
  const bool comune =
      Presso(s1, t1, zero) || Presso(s1, t2, zero) || Presso(s2, t1, zero) || Presso(s2, t2, zero);
  double xc, yc;
  if (!comune && Grafica::IntersezioneSegmenti({s1.x, s1.y, s2.x, s2.y},
                                               {t1.x, t1.y, t2.x, t2.y}, xc, yc, zero, true))
    return true;
  // Whether a cut ends at p: a run through p leaves along a side another
  // run through p comes back by.
  const auto fineDiTaglio = [&v, n, &tagli, zero](Punto p) {
    const auto passaggi = Passaggi(v, n, tagli.Vertici().Presso(p.x, p.y), p, zero);
    for (size_t r = 0; r < passaggi.size(); ++r)
      for (size_t s = 0; s < passaggi.size(); ++s)
        if (s != r && Presso(passaggi[r].second, passaggi[s].first, zero)) return true;
    return false;
  };
  // Vertex u at p on side w: inside the side, or on a vertex of it where no
  // cut ends (two sides there run one back along the other), the outline
  // pinches itself.
  const auto tocca = [&v, &fineDiTaglio, zero](int u, Punto p, int w) {
    if (!SulSegmento(p, v(w), v(w + 1), zero)) return false;
    for (const int c : {w, w + 1})
      if (Presso(p, v(c), zero))
        return !Presso(v(u + 1), v(c - 1), zero) && !Presso(v(u - 1), v(c + 1), zero) &&
               !fineDiTaglio(p);
    return true;
  };
  return tocca(i, s1, k) || tocca(i + 1, s2, k) || tocca(k, t1, i) || tocca(k + 1, t2, i);
}

Poligono::DifettoLati Poligono::DifettoDeiLati() const {
  const ControlloLati* ultimo = controlloLati_.get();
  if (ultimo && StessiVertici(ultimo->vertici)) return ultimo->difetto;
  auto controllo = std::make_shared<ControlloLati>();
  ScriviVertici(controllo->vertici);
  // Searched from the corner of its box, the section gives the same answer
  // wherever it lies: the crossings of lines are products of coordinates,
  // whose rounding grows with their distance from the origin.
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  const int n = nVertici_;
  if (n > 0 && std::isfinite(xMin) && std::isfinite(yMin) && (xMin != 0 || yMin != 0)) {
    Vettore<double> x(1, n), y(1, n);
    for (int i = 1; i <= n; ++i) {
      x(i) = x_(i) - xMin;
      y(i) = y_(i) - yMin;
    }
    controllo->difetto =
        DaVertici(std::move(x), std::move(y), n).CercaLatiIncrociati(controllo->nelVuoto);
  } else {
    controllo->difetto = CercaLatiIncrociati(controllo->nelVuoto);
  }
  controlloLati_ = controllo;
  return controllo->difetto;
}

const std::vector<int>& Poligono::TagliNelVuoto() const {
  DifettoDeiLati();
  return controlloLati_->nelVuoto;
}

Poligono::DifettoLati Poligono::CercaLatiIncrociati(std::vector<int>& nelVuoto) const {
  const int n = nVertici_;
  if (n < 4) return {};  // three sides all share vertices
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  // Two sides can only cross where their boxes meet, up to the rounding of
  // the crossing of their lines: below 1E-14 of the square of the largest
  // coordinate over millions of nearly parallel pairs of every size. The
  // boxes are grown by a thousand times as much, and at least by the
  // tolerance within which sides touch. The extremes hold the largest
  // coordinate, whatever their start.
  const double d = std::max({std::fabs(xMin), std::fabs(xMax), std::fabs(yMin), std::fabs(yMax)});
  const double margine = std::max(1E-11 * d * d, tolleranza);
  Scorta& scorta = ScortaDelThread();
  std::vector<Lato>& lati = scorta.lati;
  lati.resize(static_cast<size_t>(n));
  const double* x = x_.DaUno(n);
  const double* y = y_.DaUno(n);
  bool finite = true;
  // Side i, from vertex i to the next.
  const auto segmento = [x, y, n](int i) {
    const int j = i < n ? i : 0;
    return Grafica::Segmento{x[i - 1], y[i - 1], x[j], y[j]};
  };
  for (int k = 0; k < n; ++k) {
    const Grafica::Segmento s = segmento(k + 1);
    lati[static_cast<size_t>(k)] = {
        {std::min(s.x1, s.x2) - margine, std::min(s.y1, s.y2) - margine},
        {std::max(s.x1, s.x2) + margine, std::max(s.y1, s.y2) + margine},
        k + 1};
    finite = finite && std::isfinite(x[k]) && std::isfinite(y[k]);
  }
  // Sides that share a vertex are tried here, where the outline turns back;
  // the searches try the others.
  if (!finite || TornaIndietro(x, y, n))
    for (int k = 1; k <= n; ++k)
      if (LatiSiToccano(k, k % n + 1, tolleranza)) return {DifettoLati::Incrocio};
  Tagli tagli(*this, tolleranza);
  DifettoLati trovato;
  const auto incrociati = [this, n, &tagli, &trovato](const Lato& a, const Lato& b) {
    if (Consecutivi(a.i, b.i, n)) return false;
    DifettoLati difetto;
    if (!LatiSiToccano(a.i, b.i, tagli, difetto)) return false;
    trovato = difetto.tipo == DifettoLati::Nessuno ? DifettoLati{DifettoLati::Incrocio} : difetto;
    return true;
  };
  const auto esito = [&](bool difettoso) {
    nelVuoto = std::move(tagli.nelVuoto);
    return difettoso ? trovato : DifettoLati{};
  };
  // Boxes of infinite or undefined extent say nothing: every pair is tried.
  if (!std::isfinite(margine) || !finite) {
    for (size_t p = 0; p < lati.size(); ++p)
      for (size_t q = p + 1; q < lati.size(); ++q)
        if (incrociati(lati[p], lati[q])) return esito(true);
    return esito(false);
  }
  // An outline that runs along an axis in a few stretches, as a circle or
  // most drawn sections do, is put in order along it by merging them. Few
  // boxes overlap along such an axis, unless the outline zigzags with a
  // drift, as a spring: past a few pairs a side the grid takes over.
  for (int asse = 0; asse < 2; ++asse)
    if (Tratti(lati, asse, 8, scorta.inizi)) {
      OrdinaPerTratti(scorta, asse);
      if (const auto ordinati = IncrociatiInOrdine(lati, asse, incrociati, 16 * lati.size()))
        return esito(*ordinati);
      break;
    }
  if (const auto griglia = IncrociatiNellaGriglia(scorta, incrociati)) return esito(*griglia);
  // The sweep runs along the axis on which fewer boxes overlap, to the end.
  const long long lungoX = CoppieLungoAsse(lati, 0);
  const int asse = lungoX <= CoppieLungoAsse(lati, 1) ? 0 : 1;
  if (asse == 0) OrdinaLungoAsse(lati, 0);
  return esito(*IncrociatiInOrdine(lati, asse, incrociati, lati.size() * lati.size()));
}
