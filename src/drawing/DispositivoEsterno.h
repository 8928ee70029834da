#pragma once
// A device drawn by another module: the DXF file ("DXF"), the model space of
// AutoCAD ("DWG"), an AutoCAD block given as the drawing target ("BLOCCO").
// Each registers itself under its name. The primitives hand it the y values
// already mapped, in the precision they were mapped in; the colour is the
// AutoCAD colour number in Stato.ColoreCorrente.
#include <string>

#include "drawing/Grafica_Numero.h"
#include "model/Vettore.h"

namespace Grafica {

class DispositivoEsterno {
 public:
  virtual ~DispositivoEsterno() = default;

  virtual void Linea(Numero x1, Numero y1, Numero x2, Numero y2) = 0;
  virtual void Cerchio(Numero x, Numero y, Numero raggio) = 0;
  // Open polyline through points 1 to n.
  virtual void Poligonale(short n, const VettoreNumeri& x, const Vettore<double>& y) = 0;
  // The same points, the last joined to the first.
  virtual void PoligonoChiuso(short n, const VettoreNumeri& x, const Vettore<double>& y) = 0;
  virtual void Testo(Numero x, double y, Numero altezza, const std::string& testo) = 0;

  // Text styles 1 to 10; only the "DWG" device is asked.
  virtual void CreaStileTesto(short /*indice*/, const std::string& /*nome*/,
                              const std::string& /*fileFont*/) {}
  virtual void AttivaStileTesto(short /*indice*/) {}
};

// Registers the device under the name; nullptr takes the name's device away.
// Only "DXF", "DWG" and "BLOCCO" are ever looked up.
void RegistraDispositivoEsterno(const std::string& nome, DispositivoEsterno* dispositivo);
// nullptr when none is registered under the name.
DispositivoEsterno* DispositivoEsternoRegistrato(const std::string& nome);

}  // namespace Grafica
