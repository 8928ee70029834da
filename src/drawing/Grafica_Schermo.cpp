#include "drawing/Grafica_Schermo.h"

#include <cmath>

#include "drawing/GraficaStato.h"
#include "platform/Stampante.h"
#include "platform/Surface.h"

namespace Grafica {

namespace {

// The surface the device draws on, or nullptr when there is none or it has
// no area: its user scale could not be worked out.
platform::Surface* SuperficieDisegno(const std::string& dispositivo, platform::Oggetto* oggetto) {
  platform::Surface* s = dispositivo == "VIDEO" ? dynamic_cast<platform::Surface*>(oggetto)
                                                : platform::Stampante();
  if (!s || s->LarghezzaPixel() <= 0 || s->AltezzaPixel() <= 0) return nullptr;
  return s;
}

platform::Colore ColoreSchermo() { return static_cast<platform::Colore>(Stato.ColoreCorrente); }

float Ascissa(const VettoreNumeri& x, int i) { return static_cast<float>(x(i).valore); }

void Segmenti(platform::Surface& s, short n, const VettoreNumeri& x, const Vettore<double>& y) {
  for (int i = 1; i < n; ++i)
    s.Line(Ascissa(x, i), static_cast<float>(y(i)), Ascissa(x, i + 1), static_cast<float>(y(i + 1)),
           ColoreSchermo());
}

}  // namespace

bool LineaSchermo(float x1, float y1, float x2, float y2, const std::string& dispositivo,
                  platform::Oggetto* oggetto) {
  platform::Surface* s = SuperficieDisegno(dispositivo, oggetto);
  if (!s) return false;
  s->Line(x1, y1, x2, y2, ColoreSchermo());
  return true;
}

bool CerchioSchermo(float x, float y, float raggio, const std::string& dispositivo,
                    platform::Oggetto* oggetto) {
  platform::Surface* s = SuperficieDisegno(dispositivo, oggetto);
  if (!s) return false;
  s->Circle(x, y, raggio, ColoreSchermo());
  return true;
}

bool PoligonaleSchermo(short n, const VettoreNumeri& x, const Vettore<double>& y,
                       const std::string& dispositivo, platform::Oggetto* oggetto) {
  platform::Surface* s = SuperficieDisegno(dispositivo, oggetto);
  if (!s) return false;
  Segmenti(*s, n, x, y);
  return true;
}

bool PoligonoChiusoSchermo(short n, const VettoreNumeri& x, const Vettore<double>& y,
                           const std::string& dispositivo, platform::Oggetto* oggetto) {
  platform::Surface* s = SuperficieDisegno(dispositivo, oggetto);
  if (!s) return false;
  Segmenti(*s, n, x, y);
  s->Line(Ascissa(x, n), static_cast<float>(y(n)), Ascissa(x, 1), static_cast<float>(y(1)),
          ColoreSchermo());
  return true;
}

bool TestoSchermo(float x, float y, float altezza, const std::string& testo,
                  const std::string& dispositivo, platform::Oggetto* oggetto) {
  platform::Surface* s = SuperficieDisegno(dispositivo, oggetto);
  if (!s) return false;
  const platform::Colore prima = s->ForeColor();
  s->SetForeColor(ColoreSchermo());
  s->SetCurrentX(x);
  s->SetCurrentY(y);
  if (Stato.TestoVideo) {
    // A text of no height, or a font that measures nothing, keeps the size it has.
    const double punti = s->FontSize() * altezza / std::fabs(s->TextHeight(testo));
    if (std::isfinite(punti) && punti > 0) s->SetFontSize(punti);
  }
  s->Print(testo);
  s->SetForeColor(prima);
  return true;
}

}  // namespace Grafica
