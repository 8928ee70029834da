// The stirrups drawn in the section and apart beside it.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "analysis/SezioneCA.h"
#include "analysis/Staffe.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Ingombro.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr double Pi = std::numbers::pi;

int Centimetri(double mm) { return static_cast<int>(std::nearbyint(mm / 10)); }

std::string Intero(double x) { return std::to_string(static_cast<long>(std::lround(x))); }

}  // namespace

std::string Staffe::TestoLunghezzaStaffe() const {
  int L1 = 0, L2 = 0;
  LunghezzeCm(L1, L2);
  using VariabiliPubbliche::FormattaValore;
  const std::string testo = "Ltot = ";
  switch (TipoAmin) {
    case 1:
    case 3:
      return testo + std::to_string(L1) + " cm";
    case 2:
    case 4:
      return testo + "2x" + FormattaValore(L1 / 2.0, true) + " cm";
    case 5:
    case 7:
      return testo + std::to_string(L1) + " + " + std::to_string(L2) + " cm";
    case 6:
    case 8:
      return testo + std::to_string(L1) + " + 2x" + FormattaValore(L2 / 2.0, true) + " cm";
    default:
      return testo;
  }
}

void Staffe::StaffaPoly(double h, double b, bool doubleLine, double dx, double x0, double y0) {
  // Bends of inner radius 2 phi: 2.5 phi on the bar axis.
  const double R = 2.5 * Diametro;
  Vettore<double> X(1, 20), Y(1, 20);
  X(1) = b - R;
  Y(1) = 0;
  Grafica::PuntiArco(X, Y, 4, 2, b - R, R, R, 3 * Pi / 2 + Pi / 8, Pi / 8);
  Grafica::SpecchiaPunti(X, Y, 5, h / 2);
  Grafica::SpecchiaPunti2(X, Y, 10, b / 2);
  // The outer stirrup's left leg lies DetrazioneStaffa / 2 inside the left face.
  const double sx = Stato.DetrazioneStaffa / 2.0 + dx - sezione_.b1 / 2.0 + x0;
  const double sy = Stato.DetrazioneStaffa / 2.0 + y0;
  for (int i = 1; i <= 20; ++i) {
    X(i) += sx;
    Y(i) += sy;
  }
  Vettore<double> Xo(1, 20), Yo(1, 20);
  Grafica::OffsetPoligonale(X, Y, Xo, Yo, 20, -Diametro / 2.0);
  Grafica::PlottaPoligonale(20, Xo, Yo, 1);
  if (!doubleLine) return;
  Grafica::OffsetPoligonale(X, Y, Xo, Yo, 20, Diametro / 2.0);
  Grafica::PlottaPoligonale(20, Xo, Yo, 1);
  ContornoStaffa(h, sx, sy);
}

void Staffe::ContornoStaffa(double h, double dx, double dy) const {
  const double phi = Diametro, R = 2.5 * phi;
  const double xc = R + dx, yc = h - R + dy;  // centre of the top-left bend
  const bool chiuso = GancioChiuso == 1;
  // 135 degrees: each end goes on round the bend for 45 degrees more and
  // leaves it into the core; 90 degrees: each end runs on straight beside
  // the side it meets, one bar inside it.
  const double r = chiuso ? R : R - phi;
  const double piega = chiuso ? Pi / 4 : 0;
  // The end of the top side turns counter-clockwise from the left leg's
  // tangent point, the end of the left leg clockwise from the top one's.
  const double inizi[] = {Pi, Pi / 2};
  const double versi[] = {1, -1};
  for (int g = 0; g < 2; ++g) {
    const double a1 = inizi[g] + versi[g] * piega;
    const double tx = -versi[g] * std::sin(a1), ty = versi[g] * std::cos(a1);
    double xf[2], yf[2];
    for (int f = 0; f < 2; ++f) {
      const double rf = r + (f == 0 ? -phi / 2 : phi / 2);
      Vettore<double> X(1, 3), Y(1, 3);
      int n = 0;
      Grafica::PuntiArco(X, Y, 1, ++n, xc, yc, rf, inizi[g], 0);
      if (chiuso) Grafica::PuntiArco(X, Y, 1, ++n, xc, yc, rf, a1, 0);
      ++n;
      X(n) = X(n - 1) + LunghezzaGancio * tx;
      Y(n) = Y(n - 1) + LunghezzaGancio * ty;
      Grafica::PlottaPoligonale2(n, X, Y, 1);
      xf[f] = X(n);
      yf[f] = Y(n);
    }
    Grafica::PlottaLinea(xf[0], yf[0], xf[1], yf[1], 1);
  }
}

void Staffe::InserisceStaffe(double, double h) {
  if (NumeroBraccia == 0) return;
  float offset = 0;
  LarghezzeStaffeCalcola(offset);
  const double Hh = h - Stato.DetrazioneStaffa;
  Grafica::ImpostaColore(1);
  StaffaPoly(Hh, LarghezzaStaffaEsterna, false, 0);
  switch (TipoAmin) {
    case 5:
    case 7:
      StaffaPoly(Hh, LarghezzaStaffaInterna, false, offset);
      break;
    case 6:
    case 8:
      StaffaPoly(Hh, LarghezzaStaffaInterna, false, offset);
      StaffaPoly(Hh, LarghezzaStaffaInterna, false, offset + 2 * LarghezzaStaffaInterna);
      break;
    default:
      break;
  }
}

Staffe::VistaEsploso Staffe::Esploso(double h, double yRiferimento) {
  float offset = 0;
  LarghezzeStaffeCalcola(offset);
  const double Hh = h - Stato.DetrazioneStaffa;
  VistaEsploso v;
  v.y0 = yRiferimento - 2 * Hh;
  v.yEtichetta = v.y0 - h / 2 - 2 * hTesto;
  int interne = 0;
  if (TipoAmin == 5) interne = 1;
  if (TipoAmin == 6) interne = 2;
  v.x0.ReDim(1, 1 + interne);
  v.larghezze.ReDim(1, 1 + interne);
  v.larghezze(1) = LarghezzaStaffaEsterna;
  // Each inner stirrup 4 text heights to the right of the one before.
  double x = 0;
  for (int k = 2; k <= 1 + interne; ++k) {
    x += v.larghezze(k - 1) + 4 * hTesto;
    v.x0(k) = x;
    v.larghezze(k) = LarghezzaStaffaInterna;
  }
  v.etichetta = "Staffe Ø" + Intero(Diametro) + "/" +
                std::to_string(static_cast<long>(std::floor(PassoEffAmin / 10))) + "cm  " +
                TestoLunghezzaStaffe();
  return v;
}

void Staffe::IngombroEsploso(double h, double yRiferimento, double& xMin, double& xMax,
                             double& yMin, double& yMax) {
  const VistaEsploso v = Esploso(h, yRiferimento);
  const double sinistra = -sezione_.b1 / 2.0 + Stato.DetrazioneStaffa / 2.0;
  const int n = v.x0.Conta();
  xMin = sinistra - Diametro;
  xMax = std::max(sinistra + v.x0(n) + v.larghezze(n) + Diametro,
                  sinistra + Grafica::LarghezzaTesto(v.etichetta, hTesto));
  yMin = v.yEtichetta - hTesto;
  yMax = v.y0 + Stato.DetrazioneStaffa / 2.0 + (h - Stato.DetrazioneStaffa) + Diametro;
}

void Staffe::InserisceEsploso(double h, int posizione, double yRiferimento) {
  if (posizione != 1) return;
  const VistaEsploso v = Esploso(h, yRiferimento);
  const double Hh = h - Stato.DetrazioneStaffa;
  const double sinistra = -sezione_.b1 / 2.0 + Stato.DetrazioneStaffa / 2.0;
  const double yQuota = v.y0 + Stato.DetrazioneStaffa / 2.0 - 2 * hTesto;
  Grafica::ImpostaColore(1);
  StaffaPoly(Hh, v.larghezze(1), true, 0, 0, v.y0);
  Grafica::PlottaTesto(sinistra + v.larghezze(1) / 2 - hTesto, yQuota, hTesto,
                       std::to_string(Centimetri(v.larghezze(1))) + " cm", 1);
  // The hook length beside the hooks, inside the top-left corner.
  const double yAlto = v.y0 + Stato.DetrazioneStaffa / 2.0 + Hh;
  const double dentro = 2.5 * Diametro + (GancioChiuso == 1 ? LunghezzaGancio / std::sqrt(2.0) : 0);
  Grafica::PlottaTesto(sinistra + dentro + Diametro, yAlto - dentro - 2 * hTesto, hTesto,
                       std::to_string(Centimetri(LunghezzaGancio)), 1);
  switch (TipoAmin) {
    case 1:
    case 2:
    case 5:
    case 6:
      break;
    default:
      platform::MsgBox("InserisceEsploso non implementato Case " + std::to_string(TipoAmin));
      return;
  }
  for (int k = 2; k <= v.x0.Conta(); ++k) {
    StaffaPoly(Hh, v.larghezze(k), true, 0, v.x0(k), v.y0);
    Grafica::PlottaTesto(sinistra + v.x0(k) + v.larghezze(k) / 2 - hTesto, yQuota, hTesto,
                         std::to_string(Centimetri(v.larghezze(k))) + " cm", 1);
  }
  Grafica::PlottaTesto(sinistra, v.yEtichetta, hTesto, v.etichetta, 1);
}
