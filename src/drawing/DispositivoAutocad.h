#pragma once
// AutoCAD as a device of the drawing interface, registered under its name for
// its lifetime: "DWG" draws into the model space that AvviaAutocad attached,
// "BLOCCO" into the AutoCAD container that is the drawing target. With no
// container to draw into a primitive raises platform::ErroreEsecuzione.
#include <functional>
#include <string>

#include "drawing/DispositivoEsterno.h"
#include "platform/AutoCad.h"

namespace Grafica {

class DispositivoAutocad : public DispositivoEsterno {
 public:
  // cartellaWindows answers the Windows folder, without a trailing separator,
  // under which the fonts of the text styles are found.
  DispositivoAutocad(std::string nome, std::function<std::string()> cartellaWindows);
  ~DispositivoAutocad() override;
  DispositivoAutocad(const DispositivoAutocad&) = delete;
  DispositivoAutocad& operator=(const DispositivoAutocad&) = delete;

  void Linea(Numero x1, Numero y1, Numero x2, Numero y2) override;
  void Cerchio(Numero x, Numero y, Numero raggio) override;
  void Poligonale(short n, const VettoreNumeri& x, const Vettore<double>& y) override;
  void PoligonoChiuso(short n, const VettoreNumeri& x, const Vettore<double>& y) override;
  void Testo(Numero x, double y, Numero altezza, const std::string& testo) override;
  void CreaStileTesto(short indice, const std::string& nome, const std::string& fileFont) override;
  void AttivaStileTesto(short indice) override;

 private:
  platform::AutoCadContenitore& Contenitore() const;

  std::string nome_;
  std::function<std::string()> cartellaWindows_;
};

}  // namespace Grafica
