#include "drawing/Grafica_Operazioni.h"

#include <vector>

#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"

namespace Grafica {
namespace {

void PlottaSegmenti(const std::vector<Segmento>& segmenti, Numero divisore) {
  for (const Segmento& s : segmenti) PlottaLinea(s.x1, s.y1, s.x2, s.y2, divisore);
}

}  // namespace

void TratteggiaPoligono(int n, const Vettore<double>& x, const Vettore<double>& y, double angolo,
                        double linee, std::optional<double> scala,
                        const std::optional<std::string>& dispositivo,
                        std::optional<platform::Oggetto*> oggetto) {
  if (n < 3) return;
  ImpostaDispositivoOpzionale(scala, dispositivo, oggetto);
  PlottaSegmenti(SegmentiTratteggio(n, x, y, angolo, linee), 1);
}

void TratteggiaPerPuntiMedi(int n, const Vettore<double>& x, const Vettore<double>& y,
                            const Vettore<double>& xi, const Vettore<double>& yi, int m) {
  PlottaSegmenti(SegmentiPerPuntiMedi(n, x, y, xi, yi, m), 1);
}

void PlottaCroce(double x, double y, double d, Numero divisore) {
  for (const Segmento& s : SegmentiCroce(x, y, d)) PlottaLinea(s.x1, s.y1, s.x2, s.y2, divisore);
}

void PlottaRettangolo(double x1, double y1, double x2, double y2, Numero divisore) {
  Vettore<double> xv, yv;
  VerticiRettangolo(x1, y1, x2, y2, xv, yv);
  PlottaPoligonale(4, xv, yv, divisore);
}

void DisegnaRettangolini(double x1, double y1, double x2, double y2, const Vettore<double>& T) {
  Vettore<double> xv, yv;
  VerticiRettangolini(x1, y1, x2, y2, T, xv, yv);
  PlottaPoligonale(4, xv, yv, 1);
}

}  // namespace Grafica
