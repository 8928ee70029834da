#pragma once
// What a drawing left on a recording surface, read back in order: every line,
// circle and text with the colour and line width in force when it was drawn.
#include <cmath>
#include <string>
#include <vector>

#include "drawing/Grafica_Disegno.h"
#include "platform/SurfaceRegistrata.h"

struct Tratto {
  double x1, y1, x2, y2;
  platform::Colore colore;
  int spessore;
};

struct CerchioDisegnato {
  double x, y, raggio;
  platform::Colore colore;
  int spessore;
};

struct Scritta {
  std::string testo;
  double x, y;
  platform::Colore colore;
};

struct DisegnoRegistrato {
  std::vector<Tratto> linee;
  std::vector<CerchioDisegnato> cerchi;
  std::vector<Scritta> testi;

  explicit DisegnoRegistrato(const platform::SurfaceRegistrata& s) {
    int spessore = 1;
    for (const platform::ChiamataSurface& c : s.Chiamate()) {
      const std::vector<double>& v = c.numeri;
      if (c.nome == "SetDrawWidth") {
        spessore = static_cast<int>(v[0]);
      } else if (c.nome == "Line") {
        linee.push_back({v[0], v[1], v[2], v[3], static_cast<platform::Colore>(v[4]), spessore});
      } else if (c.nome == "Circle") {
        cerchi.push_back({v[0], v[1], v[2], static_cast<platform::Colore>(v[3]), spessore});
      } else if (c.nome == "Print") {
        testi.push_back({c.testo, v[0], v[1], static_cast<platform::Colore>(v[2])});
      }
    }
  }

  // Lines in the colour of that number of the drawing interface.
  std::vector<Tratto> Linee(int colore) const {
    std::vector<Tratto> scelte;
    for (const Tratto& t : linee)
      if (t.colore == Grafica::ColoreRgb(colore)) scelte.push_back(t);
    return scelte;
  }
  std::vector<Scritta> Testi(int colore) const {
    std::vector<Scritta> scelte;
    for (const Scritta& t : testi)
      if (t.colore == Grafica::ColoreRgb(colore)) scelte.push_back(t);
    return scelte;
  }
};

// The line among these from (x1, y1) to (x2, y2), either way round, within
// tol; nullptr when there is none.
inline const Tratto* TrovaTratto(const std::vector<Tratto>& linee, double x1, double y1, double x2,
                                 double y2, double tol = 1e-3) {
  auto vicini = [tol](double a, double b, double c, double d) {
    return std::fabs(a - c) <= tol && std::fabs(b - d) <= tol;
  };
  for (const Tratto& t : linee)
    if ((vicini(t.x1, t.y1, x1, y1) && vicini(t.x2, t.y2, x2, y2)) ||
        (vicini(t.x1, t.y1, x2, y2) && vicini(t.x2, t.y2, x1, y1)))
      return &t;
  return nullptr;
}
