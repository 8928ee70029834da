#include "model/Poligono.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "model/AssiPrincipali.h"
#include "model/Matematica.h"
#include "platform/MsgBox.h"

namespace {

// Failures of the property calculation. An overflow ends it quietly with the
// centroid at the origin; the others are told to the user. Either way no
// infinite or undefined value is stored.
struct Traboccamento {};
int fallite = 0;
struct ErroreAritmetico {
  const char* descrizione;
};

double Finito(double v) {
  if (!std::isfinite(v)) throw Traboccamento{};
  return v;
}

double Quoziente(double a, double b) {
  if (b == 0) throw ErroreAritmetico{"Divisione per zero"};
  return Finito(a / b);
}

double Radice(double v) {
  if (v < 0) throw ErroreAritmetico{"Radice quadrata di un numero negativo"};
  return std::sqrt(v);
}

// A fan triangle: vertex 1 and vertices i + 1, i + 2.
struct Triangolo {
  double x1, x2, x3, y1, y2, y3;
  Triangolo(const Vettore<double>& x, const Vettore<double>& y, int i)
      : x1(x(1)), x2(x(i + 1)), x3(x(i + 2)), y1(y(1)), y2(y(i + 1)), y3(y(i + 2)) {}
  // Signed area, counter-clockwise positive, summed vertex by vertex from 0
  // as the shoelace of any polygon is.
  double Area() const {
    double s = 0;
    s += y1 * (x3 - x2);
    s += y2 * (x1 - x3);
    s += y3 * (x2 - x1);
    return s / 2;
  }
};

// Area, first and second moments about the origin, summed over the fan
// triangles; a clockwise outline gives the same positive values.
void Integrali(Poligono& p) {
  double area = 0, sx = 0, sy = 0, jx = 0, jy = 0, jxy = 0;
  for (int i = 1; i <= p.nVertici() - 2; ++i) {
    const Triangolo t(p.CoordX(), p.CoordY(), i);
    const double at = t.Area();
    const double x1 = t.x1, x2 = t.x2, x3 = t.x3;
    const double y1 = t.y1, y2 = t.y2, y3 = t.y3;
    area += at;
    sx += at * (y1 + y2 + y3) / 3;
    sy += at * (x1 + x2 + x3) / 3;
    jx += at / 12 * ((y1 + y2) * (y1 + y2) + (y2 + y3) * (y2 + y3) + (y3 + y1) * (y3 + y1));
    jy += at / 12 * ((x1 + x2) * (x1 + x2) + (x2 + x3) * (x2 + x3) + (x3 + x1) * (x3 + x1));
    jxy += at / 12 * ((x1 + x2) * (y1 + y2) + (x2 + x3) * (y2 + y3) + (x3 + x1) * (y3 + y1));
  }
  for (double somma : {area, sx, sy, jx, jy, jxy}) Finito(somma);
  const double segno = area < 0 ? -1 : 1;
  p.Area = segno * area;
  p.stat_x = segno * sx;
  p.stat_y = segno * sy;
  p.jota_x = segno * jx;
  p.jota_y = segno * jy;
  p.jota_xy = segno * jxy;
}

// Centroid; a polygon without area takes the mean of its vertices, in 32 bits.
void Baricentro(Poligono& p) {
  if (p.Area != 0) {
    p.xG = Finito(p.stat_y / p.Area);
    p.yG = Finito(p.stat_x / p.Area);
    return;
  }
  const int n = p.nVertici();
  float sx = 0, sy = 0;
  for (int i = 1; i <= n; ++i) {
    sx = static_cast<float>(sx + p.X(i));
    sy = static_cast<float>(sy + p.Y(i));
  }
  p.xG = Finito(sx / n);
  p.yG = Finito(sy / n);
}

void MomentiBaricentrici(Poligono& p) {
  p.jota_xG = Finito(p.jota_x - p.yG * p.yG * p.Area);
  p.jota_yG = Finito(p.jota_y - p.xG * p.xG * p.Area);
  p.jota_xyG = Finito(p.jota_xy - p.yG * p.Area * p.xG);
}

void AssiPrincipali(Poligono& p) {
  const AssiPrincipaliInerzia assi = CalcolaAssiPrincipali(p.jota_xG, p.jota_yG, p.jota_xyG);
  p.AngoloJotaI = Finito(assi.AngoloJotaI);
  p.AngoloJotaII = Finito(assi.AngoloJotaII);
  p.jota_IG = Finito(assi.jota_IG);
  p.jota_IIG = Finito(assi.jota_IIG);
}

void ModuliERaggi(Poligono& p) {
  if (p.Area == 0) {
    p.iX = p.iY = 0;
    p.WxSuperiore = p.WxInferiore = p.WyDestra = p.WySinistra = 0;
    p.Wplx = p.Wply = 0;
    return;
  }
  double xMin, xMax, yMin, yMax;
  p.MaxMin(xMin, xMax, yMin, yMax);
  p.WxSuperiore = Quoziente(p.jota_xG, yMax - p.yG);
  p.WxInferiore = Quoziente(p.jota_xG, p.yG - yMin);
  p.WyDestra = Quoziente(p.jota_yG, xMax - p.xG);
  p.WySinistra = Quoziente(p.jota_yG, p.xG - xMin);
  p.iX = Radice(Quoziente(p.jota_IG, p.Area));
  p.iY = Radice(Quoziente(p.jota_IIG, p.Area));
}

}  // namespace

void Poligono::AreaCalcola() {
  Area = 0;
  if (nVertici_ < 3) return;
  double somma = 0;
  for (int i = 1; i <= nVertici_ - 2; ++i) somma += Triangolo(x_, y_, i).Area();
  NumerazioneVerticiAntioraria = somma > 0;
  Area = std::fabs(somma);
}

bool Poligono::AreaNulla(bool AreaRelativa) {
  AreaCalcola();
  double tolleranza = 0;
  if (AreaRelativa) {
    const double perimetro = Perimetro();
    tolleranza = perimetro * perimetro / 1E20;
  }
  return Area <= tolleranza;
}

void Poligono::CaratteristicheStaticheCerchio(double RaggioEsterno, double RaggioInterno) {
  const double r2e = RaggioEsterno * RaggioEsterno, r2i = RaggioInterno * RaggioInterno;
  Area = Matematica::Pi * (r2e - r2i);
  jota_xG = Matematica::Pi * (r2e * r2e - r2i * r2i) / 4;
  // A circle of no size has no moduli.
  WxSuperiore = RaggioEsterno != 0 ? jota_xG / RaggioEsterno : 0;
  WxInferiore = WxSuperiore;
}

void Poligono::CaratteristicheStatiche(bool SoloAzzeramento, bool Cerchio, double RaggioEsterno,
                                       double RaggioInterno) {
  if (Cerchio) {
    CaratteristicheStaticheCerchio(RaggioEsterno, RaggioInterno);
    return;
  }
  Area = stat_x = stat_y = jota_x = jota_y = jota_xy = 0;
  if (SoloAzzeramento || nVertici_ < 3 || CaratteristicheRicordate()) return;
  try {
    Integrali(*this);
    Baricentro(*this);
    MomentiBaricentrici(*this);
    AssiPrincipali(*this);
    ModuliERaggi(*this);
    RicordaCaratteristiche();
  } catch (const Traboccamento&) {
    xG = 0;
    yG = 0;
  } catch (const ErroreAritmetico& errore) {
    ++fallite;
    platform::MsgBox(std::string("Errore nella sub CaratteristicheStatiche. ") +
                     errore.descrizione);
  }
}

int Poligono::CaratteristicheFallite() { return fallite; }

bool Poligono::CaratteristicheRicordate() {
  if (!memoria_) return false;
  for (const int k : {memoria_->recente, 1 - memoria_->recente}) {
    const MemoriaCaratteristiche::Voce& voce = memoria_->voci[static_cast<size_t>(k)];
    if (!StessiVertici(voce.vertici)) continue;
    // What the calculation leaves alone stays: the orientation, and the
    // plastic moduli of an outline with an area.
    const double wplx = Wplx, wply = Wply;
    const bool antioraria = NumerazioneVerticiAntioraria;
    static_cast<CaratteristichePoligono&>(*this) = voce.valori;
    if (Area != 0) {
      Wplx = wplx;
      Wply = wply;
    }
    NumerazioneVerticiAntioraria = antioraria;
    memoria_->recente = k;
    return true;
  }
  return false;
}

void Poligono::RicordaCaratteristiche() {
  if (!memoria_) return;
  const int k = 1 - memoria_->recente;
  MemoriaCaratteristiche::Voce& voce = memoria_->voci[static_cast<size_t>(k)];
  ScriviVertici(voce.vertici);
  voce.valori = *this;
  memoria_->recente = k;
}
