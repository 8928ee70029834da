#pragma once
// Drawing operations built on the plane geometry: hatching, cross marker,
// rectangles. They draw with the primitives on the current device.
#include <optional>
#include <string>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"
#include "platform/Oggetto.h"

namespace Grafica {

// Hatching of the polygon of n vertices at angolo degrees with linee bands,
// or with a spacing of -linee when negative; scale, device and target are
// changed only when given.
void TratteggiaPoligono(int n, const Vettore<double>& x, const Vettore<double>& y, double angolo,
                        double linee, std::optional<double> scala = std::nullopt,
                        const std::optional<std::string>& dispositivo = std::nullopt,
                        std::optional<platform::Oggetto*> oggetto = std::nullopt);

// The segments between consecutive crossings xi, yi (m of them) whose
// midpoint lies inside the polygon.
void TratteggiaPerPuntiMedi(int n, const Vettore<double>& x, const Vettore<double>& y,
                            const Vettore<double>& xi, const Vettore<double>& yi, int m);

// Cross of half-size d centred on (x, y); divisore divides y.
void PlottaCroce(double x, double y, double d, Numero divisore);

// Rectangle with opposite corners (x1, y1) and (x2, y2).
void PlottaRettangolo(double x1, double y1, double x2, double y2, Numero divisore);

// The same rectangle carried with the roto-translation T.
void DisegnaRettangolini(double x1, double y1, double x2, double y2, const Vettore<double>& T);

}  // namespace Grafica
