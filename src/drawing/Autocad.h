#pragma once
// Drawing inside AutoCAD: attaching to it, and one entity per primitive in a
// container (the model space of "DWG" or the block of "BLOCCO"), coloured with
// the AutoCAD colour number in Stato.ColoreCorrente. Failures of AutoCAD while
// drawing are raised to the caller as platform::ErroreEsecuzione.
#include <memory>
#include <string>
#include <vector>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"
#include "platform/AutoCad.h"

namespace Grafica {

// Attaches to a running AutoCAD, else starts one (the versioned class first);
// then shows it, takes its active document and model space into Stato and
// brings its window to the front, ignoring failures of those steps. False,
// after telling the user, when no AutoCAD can be had.
bool AvviaAutocad();
// The running instance of the class, else a new one; false when neither.
// On failure the object keeps what it held.
bool ApriOggettoAutomazione(const std::string& classe,
                            std::shared_ptr<platform::AutoCadApplicazione>& oggetto);

// (x, y, 0).
platform::Punto3D PuntoAutocad(double x, double y);
// x1, y1, x2, y2 ... of points 1 to n.
std::vector<double> CoordinateAutocad(int n, const VettoreNumeri& x, const Vettore<double>& y);

void LineaAutocad(Numero x1, Numero y1, Numero x2, Numero y2,
                  platform::AutoCadContenitore& contenitore);
void CerchioAutocad(Numero x, Numero y, Numero raggio, platform::AutoCadContenitore& contenitore);
// One open lightweight polyline of n vertices.
void PoligonaleAutocad(short n, const VettoreNumeri& x, const Vettore<double>& y,
                       platform::AutoCadContenitore& contenitore);
// n + 1 vertices, the last equal to the first.
void PoligonoChiusoAutocad(short n, const VettoreNumeri& x, const Vettore<double>& y,
                           platform::AutoCadContenitore& contenitore);
// The text entity is kept in Stato.UltimoTestoAutocad.
void TestoAutocad(Numero x, double y, Numero altezza, const std::string& testo,
                  platform::AutoCadContenitore& contenitore);

// Text style 1 to 10 of the attached document, with the TrueType file
// fileFont.ttf of the fonts folder under cartellaWindows. A font file AutoCAD
// cannot set is reported and the style stays without it.
void CreaStileTestoAutocad(short indice, const std::string& nome, const std::string& fileFont,
                           const std::string& cartellaWindows);
// Makes the stored style 1 to 10 the active one.
void AttivaStileTestoAutocad(short indice);

}  // namespace Grafica
