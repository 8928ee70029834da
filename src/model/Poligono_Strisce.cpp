// Horizontal strips of small rectangles, integrated by the ultimate-limit-state
// engine from the top down.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/Matematica.h"
#include "model/Poligono.h"
#include "platform/MsgBox.h"

bool Poligono::DiscretizzaPoligono(int n, double& altezza, double& larghezza, double& yMax,
                                   bool soloDimensioni) {
  double x0, x1, y0;
  MaxMin(x0, x1, y0, yMax);
  const float xMin = static_cast<float>(x0), xMax = static_cast<float>(x1);
  const float yMin = static_cast<float>(y0);
  altezza = yMax - yMin;
  larghezza = static_cast<float>(xMax - xMin);
  if (soloDimensioni) return true;

  const int strisce = std::max(n, 0);
  constexpr int massimo = StrisceRettangolini::MaxRettangoli;
  StrisceRettangolini& s = strisce_;
  nRettangolini_ = strisce;
  if (StessoTaglio(strisce)) {
    if (!taglio_.completo) AvvisoFrastagliato();
    return taglio_.completo;
  }
  DimensionaStrisce(strisce);

  // The mid-lines, 64-bit, from the top down: they never go up.
  const double h = (yMax - yMin) / strisce;
  mezzerie_.resize(static_cast<size_t>(strisce));
  double yMedia = yMax - h / 2;
  for (double& y : mezzerie_) {
    y = yMedia;
    yMedia -= h;
  }
  // The strips whose mid-line crosses side i, by the half-open rule: those
  // with the mid-line at or below the higher end and above the lower one,
  // a run of consecutive strips. A flat side crosses none.
  auto incrociati = [&](int i, int j) {
    const double alto = std::max(y_(i), y_(j)), basso = std::min(y_(i), y_(j));
    if (!(alto > basso)) return std::pair{0, 0};
    const auto sopra = [](double soglia) { return [soglia](double y) { return y > soglia; }; };
    const auto primo = std::partition_point(mezzerie_.begin(), mezzerie_.end(), sopra(alto));
    const auto oltre = std::partition_point(primo, mezzerie_.end(), sopra(basso));
    return std::pair{static_cast<int>(primo - mezzerie_.begin()),
                     static_cast<int>(oltre - mezzerie_.begin())};
  };
  // Crossings counted strip by strip, then written side after side, so that
  // each strip lists them in the order of the sides.
  primoIncrocio_.assign(static_cast<size_t>(strisce) + 1, 0);
  striscePerLato_.resize(static_cast<size_t>(std::max(nVertici_, 0)));
  for (int i = 1; i <= nVertici_; ++i) {
    const auto [primo, oltre] = striscePerLato_[static_cast<size_t>(i) - 1] =
        incrociati(i, i < nVertici_ ? i + 1 : 1);
    for (int k = primo; k < oltre; ++k) ++primoIncrocio_[static_cast<size_t>(k) + 1];
  }
  for (size_t k = 1; k < primoIncrocio_.size(); ++k) primoIncrocio_[k] += primoIncrocio_[k - 1];
  incroci_.resize(static_cast<size_t>(primoIncrocio_.back()));
  std::vector<int>& libero = primoIncrocio_;  // each strip's next slot, then its end
  for (int i = 1; i <= nVertici_; ++i) {
    const int j = i < nVertici_ ? i + 1 : 1;
    const auto [primo, oltre] = striscePerLato_[static_cast<size_t>(i) - 1];
    // Interpolated from the higher end: a vertex on the line gives its own
    // abscissa exactly.
    const int a = y_(i) > y_(j) ? i : j, b = a == i ? j : i;
    const double xa = x_(a), ya = y_(a), xb = x_(b), yb = y_(b);
    for (int k = primo; k < oltre; ++k) {
      const double yp = mezzerie_[static_cast<size_t>(k)];
      incroci_[static_cast<size_t>(libero[static_cast<size_t>(k)]++)] =
          xa + (xb - xa) * ((ya - yp) / (ya - yb));
    }
  }

  bool completa = true;
  for (int i = 1; i <= strisce; ++i) {
    s.Altezza(i) = static_cast<float>(h);
    s.yCentro(i) = static_cast<float>(i == 1 ? mezzerie_[0] : s.yCentro(i - 1) - h);
    // Pairs of crossings along the mid-line bound the parts inside.
    const auto inizio = incroci_.begin() + (i == 1 ? 0 : libero[static_cast<size_t>(i) - 2]);
    const auto fine = incroci_.begin() + libero[static_cast<size_t>(i) - 1];
    if (fine - inizio == 2) {
      if (inizio[1] < inizio[0]) std::swap(inizio[0], inizio[1]);  // as std::sort orders two
    } else {
      std::sort(inizio, fine);
    }
    int k = 0;
    for (auto a = inizio; fine - a >= 2; a += 2) {
      if (k == massimo) {
        completa = false;
        break;
      }
      ++k;
      s.Larghezza(i, k) = static_cast<float>(std::fabs(a[1] - a[0]));
      s.xCentro(i, k) = static_cast<float>((a[0] + a[1]) / 2);
    }
    for (int v = k + 1; v <= s.nRettangoli(i); ++v) s.Larghezza(i, v) = s.xCentro(i, v) = 0;
    s.nRettangoli(i) = k;
  }
  SommeStrisce();
  ScriviVertici(taglio_.vertici);
  taglio_.strisce = strisce;
  taglio_.completo = completa;
  if (!completa) AvvisoFrastagliato();
  return completa;
}

bool Poligono::StessoTaglio(int strisce) const {
  return taglio_.strisce == strisce && StessiVertici(taglio_.vertici);
}

void Poligono::AvvisoFrastagliato() {
  platform::MsgBox("Contorno troppo frastagliato: una striscia richiede più di " +
                       std::to_string(StrisceRettangolini::MaxRettangoli) +
                       " rettangoli. I rettangoli in eccesso sono stati ignorati.",
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
}

void Poligono::DimensionaStrisce(int n) {
  constexpr int massimo = StrisceRettangolini::MaxRettangoli;
  StrisceRettangolini& s = strisce_;
  const bool stessa = s.nRettangoli.Lb() == 1 && s.nRettangoli.Conta() == n &&
                      s.Altezza.Conta() == n && s.yCentro.Conta() == n &&
                      s.Larghezza.Righe() == n && s.xCentro.Righe() == n &&
                      s.Larghezza.Colonne() == massimo && s.xCentro.Colonne() == massimo &&
                      s.Larghezza.Lb1() == 1 && s.xCentro.Lb1() == 1;
  if (stessa) return;
  s.Altezza.ReDim(1, n);
  s.yCentro.ReDim(1, n);
  s.nRettangoli.ReDim(1, n);
  s.Larghezza.ReDim(1, n, 1, massimo);
  s.xCentro.ReDim(1, n, 1, massimo);
}

void Poligono::SommeStrisce() {
  StrisceRettangolini& s = strisce_;
  const int n = s.Altezza.Conta();
  s.Fondo.ReDim(0, n);
  s.AreaIntera.ReDim(1, n);
  constexpr double senzaTaglio = std::numeric_limits<double>::infinity();
  for (int i = 1; i <= n; ++i) {
    double t = s.Fondo(i - 1), m;
    s.AreaIntera(i) = RettangolinoArea(t, senzaTaglio, s.Fondo(i - 1), m, i);
    s.Fondo(i) = t;
  }
}

bool Poligono::DiscretizzaCerchio(int n, double raggio) {
  StrisceRettangolini& s = strisce_;
  if (s.Altezza.Conta() < n) return false;
  taglio_ = {};  // the tables no longer hold the outline's strips
  const float R = static_cast<float>(raggio);
  const float d = static_cast<float>(Matematica::Pi / n);
  double theta = Matematica::Pi / 2 - d;
  for (int i = 1; i <= n; ++i) {
    if (i == 1) {
      // The cap: half the chord below it.
      const float h = static_cast<float>(R - R * std::sin(theta));
      s.Larghezza(1, 1) = static_cast<float>(R * std::cos(theta));
      s.Altezza(1) = h;
      s.yCentro(1) = R - h / 2;
    } else {
      // The mean of the chords at the top and bottom of the strip.
      const double sopra = theta;
      theta -= d;
      s.Larghezza(i, 1) = static_cast<float>(R * std::cos(sopra) + R * std::cos(theta));
      s.Altezza(i) = static_cast<float>(R * std::sin(sopra) - R * std::sin(theta));
      s.yCentro(i) = static_cast<float>(R * (std::sin(sopra) + std::sin(theta)) / 2);
    }
    s.xCentro(i, 1) = 0;
    for (int k = 2; k <= s.nRettangoli(i); ++k) s.Larghezza(i, k) = s.xCentro(i, k) = 0;
    s.nRettangoli(i) = 1;
  }
  SommeStrisce();
  return true;
}
