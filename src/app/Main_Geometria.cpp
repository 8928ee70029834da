// The section outline and bars in mm from the figures grid and from the
// circle boxes: stacked figures mirrored about the vertical axis, circles and
// rings as inscribed polygons, bars spread evenly on a circle.
#include "analysis/TestoSingolo.h"
#include "app/Generale.h"
#include "app/Main.h"
#include "model/Intervalli.h"
#include "model/Poligono.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr double DuePi = 6.28318530717958;
constexpr double Pi = 3.14159265358979;

}  // namespace

void Main::CoordinateSezione(int nVertici) {
  if (nVertici < 1) return;
  const Matrice<double>& f = Stato.MatriceFigure;
  const bool trapezi = Stato.TipoSezione == 3;
  auto& x = xVerticiForm;
  auto& y = yVerticiForm;
  // Down the right-hand side, one figure under the other.
  for (int k = 1; k <= nFigureForm; ++k) {
    const int j = 2 * k - 1;
    x(j) = static_cast<float>(f(k, 1) / 2);
    y(j) = k == 1 ? 0.0f : y(j - 1);
    x(j + 1) = trapezi ? static_cast<float>(f(k, 2) / 2) : x(j);
    y(j + 1) = static_cast<float>(y(j) - f(k, trapezi ? 3 : 2));
  }
  // Back up the mirrored left-hand side.
  const int n = nFigureForm;
  for (int i = 2 * n + 1; i <= nVertici; ++i) {
    x(i) = -x(4 * n + 1 - i);
    y(i) = y(4 * n + 1 - i);
  }
}

bool Main::LeggeCerchio(float& RaggioBarre) {
  nFigureForm = 0;
  std::array<float, 5>& d = Stato.DatiSezioneCircolare;
  // A box still showing the text written for the stored value leaves that
  // value whole: its 7 digits and the factors 0.1 and 10 in 32 bits could
  // move it by a unit in the last place.
  DatiCerchioAssociati(d, DatiCerchioForm, 1);
  std::array<bool, 5> battuto{};
  for (size_t k = 0; k < 5; ++k)
    battuto[k] = Generale::LeggeSeModificato(Controllo("RaggioTxt", static_cast<int>(k)),
                                             DatiCerchioForm[k], TestoSingolo);
  std::array<float, 5> battutoInMm{};
  DatiCerchioAssociati(DatiCerchioForm, battutoInMm, 0);
  for (size_t k = 0; k < 5; ++k)
    if (battuto[k]) d[k] = battutoInMm[k];
  nBarreCerchio = Conteggio(static_cast<double>(d[1]));
  AreaBarraCerchio = static_cast<float>(d[2] * d[2] * Pi / 4);
  RaggioBarre = d[0] - d[3];
  if (!CoordinateSezioneCircolare(d[0], d[4], nVerticiForm, xVerticiForm, yVerticiForm))
    return RifiutaLettura("Il raggio interno deve essere minore del raggio esterno",
                          platform::Icona::Critica);
  const std::string copriferro =
      nBarreCerchio >= 1 ? Intervalli::CopriferroCerchioFuori(d[3], d[0], d[4], "Copriferro (baric.)")
                         : "";
  if (!copriferro.empty()) return RifiutaLettura(copriferro, platform::Icona::Critica);
  if (BarreOltreLeCorde(nBarreCerchio, RaggioBarre))
    return RifiutaLettura(Intervalli::CopriferroOltreLeCorde(d[3], d[0], Stato.NumeroVerticiCerchio,
                                                             "Copriferro (baric.)"),
                          platform::Icona::Critica);
  CaricaMateriali();
  return true;
}

bool Main::BarreOltreLeCorde(int nBarre, float RaggioBarre) const {
  if (nBarre < 1) return false;
  Vettore<float> area(1, nBarre), xb(1, nBarre), yb(1, nBarre);
  CoordinateSezioneCircolareBarre(1, nBarre, nBarre, 0, RaggioBarre, area, xb, yb);
  Poligono contorno;
  contorno.Coordinate(xVerticiForm, yVerticiForm, nVerticiForm);
  return contorno.PrimoPuntoFuori(xb, yb, nBarre) > 0;
}

bool Main::CoordinateSezioneCircolare(double RaggioEsterno, double RaggioInterno, int& nVertici,
                                      Vettore<float>& x, Vettore<float>& y) {
  const int n = Stato.NumeroVerticiCerchio;
  const double R = RaggioEsterno, r = RaggioInterno;
  nVertici = r > 0 ? 2 * n + 2 : n;
  x.ReDim(1, nVertici);
  y.ReDim(1, nVertici);
  const double dA = DuePi / n;
  double a = Pi / 2;
  for (int i = 1; i <= n; ++i) {
    x(i) = static_cast<float>(R * std::cos(a));
    y(i) = static_cast<float>(R * std::sin(a));
    a -= dA;
  }
  if (r <= 0) return true;
  if (r >= R) return false;
  // The ring is one polygon, cut along the segment from (0, r) to (0, R).
  x(n + 1) = static_cast<float>(R * std::cos(a));
  y(n + 1) = static_cast<float>(R * std::sin(a));
  for (int i = n + 2; i <= 2 * n + 2; ++i) {
    x(i) = static_cast<float>(r * std::cos(a));
    y(i) = static_cast<float>(r * std::sin(a));
    a += dA;
  }
  return true;
}

void Main::FormLeggeDatiBarreCerchio(int& nRigheBarre, float RaggioBarre) {
  if (nBarreCerchio < 1) return;
  nRigheBarre = nBarreForm + nBarreCerchio;
  for (Vettore<float>* v : {&AreaBarreForm, &xBarreForm, &yBarreForm}) {
    if (v->Vuoto()) v->ReDim(1, 0);
    v->ReDimPreserve(nRigheBarre);
  }
  CoordinateSezioneCircolareBarre(nBarreForm + 1, nRigheBarre, nBarreCerchio, AreaBarraCerchio,
                                  RaggioBarre, AreaBarreForm, xBarreForm, yBarreForm);
}

void Main::CoordinateSezioneCircolareBarre(int iInizio, int iFine, int nBarreSulCerchio,
                                           float AreaBarra, float RaggioBarre, Vettore<float>& Area,
                                           Vettore<float>& x, Vettore<float>& y) {
  if (nBarreSulCerchio < 1) return;
  const double dA = DuePi / nBarreSulCerchio;
  double a = Pi / 2;
  for (int i = iInizio; i <= iFine; ++i) {
    Area(i) = AreaBarra;
    x(i) = static_cast<float>(RaggioBarre * std::cos(a));
    y(i) = static_cast<float>(RaggioBarre * std::sin(a));
    a += dA;
  }
}
