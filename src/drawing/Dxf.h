#pragma once
// The DXF file of a drawing: one ENTITIES section, every entity on layer "0"
// with the current colour number (Stato.ColoreCorrente). One item per line,
// lines ended by CR LF, numbers with "." whatever the locale, texts in the
// Western Windows code page. One file is open at a time.
//
// The file is written beside the target (a symbolic link's target, the link
// kept) and takes its place when closed: a save that fails leaves the old
// drawing as it was. Nothing a CAD program cannot read reaches the file: an
// entity with a coordinate, radius or height that is not a finite number (or
// a negative radius) and a polyline of fewer than two vertices are left out;
// a colour outside 0 to 256 is written as 256 (by layer); control characters
// of a text are written as blanks.
//
// A file that cannot be created or written raises platform::ErroreEsecuzione,
// as does a writer called with no file open.
#include <string>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"

namespace Grafica {

// Starts the file, writes the section header and makes the file the "DXF"
// device. Stato.FileDxf = numeroFile.
void ApriFileDxf(const std::string& nomeFile, short numeroFile);
// Writes the trailer, closes the file and puts it in place of the target.
void ChiudiFileDxf();
// Gives up the open file, if any: the target stays as it was; nothing raised.
void InterrompiFileDxf();

void LineaDxf(Numero x1, Numero y1, Numero x2, Numero y2);
void CerchioDxf(Numero x, Numero y, Numero raggio);
// Open polyline through points 1 to n.
void PoligonaleDxf(short n, const VettoreNumeri& x, const Vettore<double>& y);
// Closed by writing point 1 again after point n.
void PoligonoChiusoDxf(short n, const VettoreNumeri& x, const Vettore<double>& y);
// Line breaks and other control characters in the text are written as blanks.
void TestoDxf(Numero x, double y, Numero altezza, const std::string& testo);

// A number as the file carries it: up to 7 significant digits for a single,
// 15 for a double, "." as decimal point.
std::string NumeroDxf(Numero valore);

}  // namespace Grafica
