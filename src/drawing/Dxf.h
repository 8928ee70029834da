#pragma once
// The DXF file of a drawing: one ENTITIES section, every entity on layer "0"
// with the current colour number (Stato.ColoreCorrente). One item per line,
// lines ended by CR LF, numbers with "." whatever the locale, texts in the
// Western Windows code page. One file is open at a time.
//
// A file that cannot be created or written raises platform::ErroreEsecuzione,
// as does a writer called with no file open.
#include <string>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"

namespace Grafica {

// Creates the file (emptying one that exists), writes the section header and
// makes the file the "DXF" device. Stato.FileDxf = numeroFile.
void ApriFileDxf(const std::string& nomeFile, short numeroFile);
// Writes the trailer and closes the file.
void ChiudiFileDxf();
// Closes the open file, if any, as far as it was written; nothing raised.
void InterrompiFileDxf();

void LineaDxf(Numero x1, Numero y1, Numero x2, Numero y2);
void CerchioDxf(Numero x, Numero y, Numero raggio);
// Open polyline through points 1 to n.
void PoligonaleDxf(short n, const VettoreNumeri& x, const Vettore<double>& y);
// Closed by writing point 1 again after point n.
void PoligonoChiusoDxf(short n, const VettoreNumeri& x, const Vettore<double>& y);
// Line breaks in the text are written as blanks: a DXF value is one line.
void TestoDxf(Numero x, double y, Numero altezza, const std::string& testo);

// A number as the file carries it: up to 7 significant digits for a single,
// 15 for a double, "." as decimal point.
std::string NumeroDxf(Numero valore);

}  // namespace Grafica
