#pragma once
// Screen and printer side of the primitives: "VIDEO" draws on the target
// surface, any other device name on the printer, in Stato.ColoreCorrente.
// Each returns false, having drawn nothing, when there is no such surface or
// the surface has no area (a minimised window).
#include <string>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"
#include "platform/Oggetto.h"

namespace Grafica {

bool LineaSchermo(float x1, float y1, float x2, float y2, const std::string& dispositivo,
                  platform::Oggetto* oggetto);
bool CerchioSchermo(float x, float y, float raggio, const std::string& dispositivo,
                    platform::Oggetto* oggetto);
// Polylines take n >= 1 and arrays holding points 1 to n.
// Segments from point i to point i + 1, i = 1 ... n - 1.
bool PoligonaleSchermo(short n, const VettoreNumeri& x, const Vettore<double>& y,
                       const std::string& dispositivo, platform::Oggetto* oggetto);
// The same segments, then point n back to point 1.
bool PoligonoChiusoSchermo(short n, const VettoreNumeri& x, const Vettore<double>& y,
                           const std::string& dispositivo, platform::Oggetto* oggetto);
// The text with its top left corner at (x, y); with Stato.TestoVideo the font
// is first resized so that the text is altezza units tall.
bool TestoSchermo(float x, float y, float altezza, const std::string& testo,
                  const std::string& dispositivo, platform::Oggetto* oggetto);

}  // namespace Grafica
