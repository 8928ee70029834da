#pragma once
// The device-independent drawing interface: device, colour, line width and
// text style, and five primitives that go to the current device.
//
// Every primitive maps its y values, and only those: y drawn = OffsetY + y / d,
// with d its last argument (callers pass 1), computed in single precision when
// y and d are singles. Then by Stato.DispositivoGrafico: "DXF", "DWG" and
// "BLOCCO" go to the DispositivoEsterno registered under that name; any other
// name to the screen ("VIDEO") or the printer.
//
// A primitive returns false when nothing received it: no device registered
// under the name, no surface or one without area, no printer, a divisor of 0,
// or a point count below 1 or beyond what the arrays hold.
#include <optional>
#include <string>

#include "drawing/Grafica_Numero.h"
#include "platform/Colori.h"
#include "platform/Oggetto.h"

namespace Grafica {

// Colour numbers 0-8, 11 and 13 as screen colours; any other number is black.
platform::Colore ColoreRgb(int numero);

void ImpostaDispositivo(double scala, const std::string& dispositivo, platform::Oggetto* oggetto);
// Sets only what is given.
void ImpostaDispositivoOpzionale(std::optional<double> scala,
                                 const std::optional<std::string>& dispositivo = std::nullopt,
                                 std::optional<platform::Oggetto*> oggetto = std::nullopt);
void ImpostaOffsetY(double offset);
void ImpostaFlagTesto(bool testoVideo);

// The number itself on "DXF", "DWG" and "BLOCCO", ColoreRgb of it on any other
// device. The device argument only chooses; it does not become the current one.
void ImpostaColore(int numero, const std::optional<std::string>& dispositivo = std::nullopt);
// Colour 5 (blue) for a value above 0, else 1 (red).
void ImpostaColoreSegno(double valore);
void ImpostaColoreSegnoOpposto(double valore);

// Line width: pixels on "VIDEO"; on "STAMPANTE" units of 0.2 mm; nothing on
// the other devices. The optional device and target become the current ones.
void ImpostaSpessoreLinea(short larghezza,
                          const std::optional<std::string>& dispositivo = std::nullopt,
                          std::optional<platform::Oggetto*> oggetto = std::nullopt);

// Text style 1 to 10: its name is the font name on screen and printer; on
// "DWG" the AutoCAD style is created with the font file too. False, and
// nothing done, for an index outside 1 to 10.
bool ImpostaStileTesto(short indice, const std::string& nome, const std::string& fileFont,
                       const std::optional<std::string>& dispositivo = std::nullopt,
                       std::optional<platform::Oggetto*> oggetto = std::nullopt);
// Makes style 1 to 10 the current font: the printer's on "STAMPANTE", none on
// "DXF" and "BLOCCO", the AutoCAD style on "DWG", the target surface's on any
// other device. False, and nothing done, for an index outside 1 to 10.
bool ImpostaFont(short indice, const std::optional<std::string>& dispositivo = std::nullopt,
                 std::optional<platform::Oggetto*> oggetto = std::nullopt);

bool PlottaLinea(Numero x1, Numero y1, Numero x2, Numero y2, Numero d);
bool PlottaCerchio(Numero x, Numero y, Numero raggio, Numero d);
// Closed polyline through points 1 to n.
bool PlottaPoligonale(short n, const VettoreNumeri& x, const VettoreNumeri& y, Numero d);
// Open polyline; n is rounded to a whole number, halves to even.
bool PlottaPoligonale2(double n, const VettoreNumeri& x, const VettoreNumeri& y, Numero d);
// One line of text at (x, y). With the marker, on "DXF" and "DWG" only, the
// text is lowered by 1.5 times its height.
bool PlottaTesto(Numero x, Numero y, Numero altezza, const std::string& testo, Numero d,
                 bool marcatore = false);

}  // namespace Grafica
