#include "analysis/Staffe.h"

#include <cmath>
#include <string>

#include "analysis/SezioneCA.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

// Whole centimetres of a length in mm, halves to even.
int Centimetri(double mm) { return static_cast<int>(std::nearbyint(mm / 10)); }

}  // namespace

void Staffe::MessaggioBracci(const char* procedura) const {
  if (Stato.AvvisoBracciMostrato) return;
  Stato.AvvisoBracciMostrato = true;
  platform::MsgBox("N° braccia = " + std::to_string(NumeroBraccia) + " non previsto in " +
                   procedura);
}

void Staffe::LarghezzaStaffaInternaCalcola() {
  const float W = sezione_.b1 - Stato.DetrazioneStaffa;
  if (Stato.SenzaStaffe) NumeroBraccia = 2;
  switch (NumeroBraccia) {
    case 2:
      LarghezzaStaffaInterna = W;
      break;
    // Legs at equal spacings, the width cut down to 0.01 mm.
    case 4:
      LarghezzaStaffaInterna = static_cast<float>(std::floor(W / 3.0 * 100) / 100);
      break;
    case 6:
      LarghezzaStaffaInterna = static_cast<float>(std::floor(W / 5.0 * 100) / 100);
      break;
    default:
      MessaggioBracci("LarghezzaStaffaInternaCalcola");
      LarghezzaStaffaInterna = 0;
  }
}

void Staffe::LarghezzeStaffeCalcola(float& offset) {
  LarghezzaStaffaInternaCalcola();
  const float W = sezione_.b1 - Stato.DetrazioneStaffa;
  const float i = LarghezzaStaffaInterna;
  LarghezzaNetta = LarghezzaStaffaEsterna = W;
  if (Stato.SenzaStaffe) return;
  LunghezzaGancio = 10 * Diametro;
  switch (TipoAmin) {
    case 1:
    case 3:
      offset = 0;
      break;
    case 2:
    case 4:
      LarghezzaStaffaEsterna = (W + i) / 2;
      offset = (W - i) / 2;
      break;
    case 5:
    case 7:
      offset = (W - i) / 2;
      break;
    case 6:
    case 8:
      offset = (W - 3 * i) / 2;
      break;
    default:
      MessaggioBracci("LarghezzaStaffaEsterna");
  }
}

void Staffe::LunghezzeCm(int& L1, int& L2) const {
  const double Hh = sezione_.h1 - Stato.DetrazioneStaffa;
  // Two legs and two hooks; the bends add nothing.
  const int base = 2 * Centimetri(Hh) + 2 * Centimetri(LunghezzaGancio);
  const int esterna = base + 2 * Centimetri(LarghezzaStaffaEsterna);
  const int interna = base + 2 * Centimetri(LarghezzaStaffaInterna);
  L2 = 0;
  switch (TipoAmin) {
    case 1:
    case 3:
      L1 = esterna;
      break;
    case 2:
    case 4:
      L1 = 2 * esterna;
      break;
    case 5:
    case 7:
      L1 = esterna;
      L2 = interna;
      break;
    case 6:
    case 8:
      L1 = esterna;
      L2 = 2 * interna;
      break;
    default:
      break;
  }
}

float Staffe::LunghezzaTotale() const {
  int L1 = 0, L2 = 0;
  LunghezzeCm(L1, L2);
  return static_cast<float>(L1 + L2) / 100;
}

float Staffe::Peso() {
  float offset = 0;
  LarghezzeStaffeCalcola(offset);
  return VariabiliPubbliche::PesoBarre(Diametro / 1000.0, LunghezzaTotale());
}

Vettore<double> Staffe::AssiBracci() const {
  const double W = LarghezzaNetta, i = LarghezzaStaffaInterna;
  Vettore<double> p;
  switch (NumeroBraccia) {
    case 2:
      p = {0, LarghezzaStaffaEsterna};
      break;
    case 4:
      p = {0, (W - i) / 2, (W + i) / 2, W};
      break;
    case 6: {
      const double a = (W - 3 * i) / 2;
      p = {0, a, a + i, a + 2 * i, a + 3 * i, W};
      break;
    }
    default:
      return p;
  }
  // From the middle of the width: the left leg axis is at -b1/2 + DetrazioneStaffa/2.
  const double spostamento = sezione_.b1 / 2.0 - Stato.DetrazioneStaffa / 2.0;
  for (double& x : p.Dati()) x -= spostamento;
  return p;
}

Vettore<double> Staffe::AscPosizTrasvReg(double rBar, double* xCorner) const {
  const double phi = Diametro;
  // The bar touches the inside of a bend of inner radius 2 phi.
  const double x1 = 2 * phi - (2 * phi - rBar) / std::sqrt(2.0) + phi / 2;
  if (xCorner) *xCorner = x1;
  Vettore<double> p = AssiBracci();
  if (p.Vuoto()) {
    MessaggioBracci("AscPosizTrasvReg");
    return p;
  }
  // Each holder stands inside its own stirrup: right of a left leg, left of a right one.
  static const char* const lati[] = {"+-", "++--", "++-+--"};
  const char* lato = lati[NumeroBraccia / 2 - 1];
  for (int k = p.Lb(); k <= p.Ub(); ++k) p(k) += lato[k - p.Lb()] == '+' ? x1 : -x1;
  return p;
}
