#include <string>

#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Operazioni.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Poligono.h"

void Poligono::Plotta(double divisore, bool dueAnelli) const {
  if (!dueAnelli) {
    Grafica::PlottaPoligonale(static_cast<short>(nVertici_), x_, y_, divisore);
    return;
  }
  const int meta = nVertici_ / 2;
  Grafica::PlottaPoligonale(static_cast<short>(meta - 1), x_, y_, divisore);
  Vettore<double> x2, y2;
  int m = 0;
  Grafica::TogliePuntiInizialiDaPoligonale(x_, y_, nVertici_, x2, y2, m, meta + 1);
  Grafica::PlottaPoligonale(static_cast<short>(m), x2, y2, divisore);
}

void Poligono::Tratteggia(double angolo, double linee, double scala) const {
  Grafica::TratteggiaPoligono(nVertici_, x_, y_, angolo, linee, scala);
}

void Poligono::NumeraVertici(double altezza) const {
  for (int i = 1; i <= nVertici_; ++i)
    Grafica::PlottaTesto(x_(i), y_(i), altezza, std::to_string(i), 1);
}

void Poligono::PlottaRettangolini(const Vettore<double>& T) const {
  Grafica::ImpostaSpessoreLinea(1);
  const StrisceRettangolini& s = strisce_;
  for (int i = 1; i <= nRettangolini_; ++i) {
    const float yc = s.yCentro(i);
    const float hs = s.Altezza(i);
    for (int j = 1; j <= s.nRettangoli(i); ++j) {
      const float xc = s.xCentro(i, j);
      const float b = s.Larghezza(i, j);
      Grafica::DisegnaRettangolini(xc - b / 2, yc - hs / 2, xc + b / 2, yc + hs / 2, T);
    }
  }
}
