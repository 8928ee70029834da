#include <algorithm>
#include <cmath>
#include <optional>

#include "model/Matematica.h"
#include "seismic/Pilastro.h"

namespace Sismica {
namespace {

using Matematica::Pi;

// Corner bars of a rectangular end: top left, top right, bottom right,
// bottom left.
struct Angoli {
  int c1, c2, c3, c4;
};

// The corners of an end with at least minimo bars along each side, the
// record's bar fields cleared first; none when a side is shorter.
std::optional<Angoli> BarreAngolo(const Pilastro& p, Vettore<float>& staffa, int minimo) {
  for (int j = 2; j <= Pilastro::CampiStaffa; ++j) staffa(j) = 0;
  const int nb = p.nBarreBase();
  const int nh = p.nBarreAltezza();
  if (nb < minimo || nh < minimo) return std::nullopt;
  const int c4 = nb + 2 * (nh - 2) + 1;
  return Angoli{1, nb, nb + c4 - 1, c4};
}

}  // namespace

int Pilastro::nBarreDati() const {
  if (Circolare()) return std::max(0, Intero(matrice_(1, SezioneInferiore ? 12 : 6)));
  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  if (nb < 1 || nh < 1) return 0;
  if (nb == 1 || nh == 1) return nb * nh;
  return 2 * (nb + nh) - 4;
}

std::vector<PosizioneBarra> Pilastro::NumerazioneBarre() const {
  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  std::vector<PosizioneBarra> posizioni;
  if (nb < 1 || nh < 1) return posizioni;
  posizioni.reserve(static_cast<size_t>(nBarreDati()));
  for (int k = 1; k <= nb; ++k) posizioni.push_back({1, k});
  for (int r = 2; r < nh; ++r) {
    posizioni.push_back({r, 1});
    if (nb > 1) posizioni.push_back({r, nb});
  }
  if (nh > 1)
    for (int k = 1; k <= nb; ++k) posizioni.push_back({nh, k});
  return posizioni;
}

void Pilastro::CoordinateBarre() {
  const int n = nBarreDati();
  xBarre_.ReDim(1, n);
  yBarre_.ReDim(1, n);
  areeBarre_.ReDim(1, n);
  if (Circolare())
    PosizioniBarreCircolari();
  else
    PosizioniBarreRettangolari();
  const double fi = fiBarrePilastro();
  for (float& area : areeBarre_.Dati()) area = static_cast<float>(Pi * fi * fi / 4);
  SetnBarreTotale(n);
}

// With one bar along a side the bars lie on the section's axis.
void Pilastro::PosizioniBarreRettangolari() {
  const double b = matrice_(0, 1);
  const double h = matrice_(0, 2);
  const double c = CopriFerro();
  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  const double dx = nb > 1 ? (b - 2 * c) / (nb - 1) : 0;
  const double dy = nh > 1 ? (h - 2 * c) / (nh - 1) : 0;
  int i = 0;
  for (const PosizioneBarra& p : NumerazioneBarre()) {
    ++i;
    xBarre_(i) = static_cast<float>(nb > 1 ? -b / 2 + c + (p.Colonna - 1) * dx : 0);
    yBarre_(i) = static_cast<float>(nh > 1 ? h / 2 - c - (p.Riga - 1) * dy : 0);
  }
}

// Bar 1 at the top, the others counter-clockwise at equal steps.
void Pilastro::PosizioniBarreCircolari() {
  const int n = xBarre_.Conta();
  const double raggio = RaggioPilastro() - CopriFerro();
  for (int i = 1; i <= n; ++i) {
    const double angolo = Pi / 2 + (i - 1) * 2 * Pi / n;
    xBarre_(i) = static_cast<float>(raggio * std::cos(angolo));
    yBarre_(i) = static_cast<float>(raggio * std::sin(angolo));
  }
}

void Pilastro::StaffaEsterna(Vettore<float>& staffa) const {
  const std::optional<Angoli> angoli = BarreAngolo(*this, staffa, 2);
  if (!angoli) return;
  const Angoli& a = *angoli;
  const int barre[] = {a.c1, a.c2, a.c3, a.c4};
  for (int k = 0; k < 4; ++k) staffa(k + 2) = static_cast<float>(barre[k]);
}

// A side of 3 bars gives one bar, a longer side two.
void Pilastro::StaffaInterna(Vettore<float>& staffa) const {
  const std::optional<Angoli> angoli = BarreAngolo(*this, staffa, 3);
  if (!angoli) return;
  const Angoli& a = *angoli;
  const bool lungaB = nBarreBase() > 3;
  const bool lungaH = nBarreAltezza() > 3;
  const struct {
    int barra;
    bool presente;
  } giro[] = {{a.c1 + 1, true}, {a.c2 - 1, lungaB}, {a.c2 + 2, true}, {a.c4 - 1, lungaH},
              {a.c3 - 1, true}, {a.c4 + 1, lungaB}, {a.c4 - 2, true}, {a.c2 + 1, lungaH}};
  int campo = 2;
  for (const auto& vertice : giro)
    if (vertice.presente) staffa(campo++) = static_cast<float>(vertice.barra);
}

}  // namespace Sismica
