#include "drawing/DispositivoAutocad.h"

#include <utility>

#include "drawing/Autocad.h"
#include "drawing/GraficaStato.h"
#include "platform/ErroreEsecuzione.h"

namespace Grafica {

DispositivoAutocad::DispositivoAutocad(std::string nome,
                                       std::function<std::string()> cartellaWindows)
    : nome_(std::move(nome)), cartellaWindows_(std::move(cartellaWindows)) {
  RegistraDispositivoEsterno(nome_, this);
}

DispositivoAutocad::~DispositivoAutocad() {
  if (DispositivoEsternoRegistrato(nome_) == this) RegistraDispositivoEsterno(nome_, nullptr);
}

platform::AutoCadContenitore& DispositivoAutocad::Contenitore() const {
  platform::AutoCadContenitore* contenitore =
      nome_ == "DWG" ? Stato.ModelSpaceAutocad.get()
                     : dynamic_cast<platform::AutoCadContenitore*>(Stato.OggettoGrafico);
  if (!contenitore)
    throw platform::ErroreEsecuzione(platform::Errori::VariabileOggettoNonImpostata,
                                     "Nessun contenitore di Autocad per " + nome_);
  return *contenitore;
}

void DispositivoAutocad::Linea(Numero x1, Numero y1, Numero x2, Numero y2) {
  LineaAutocad(x1, y1, x2, y2, Contenitore());
}

void DispositivoAutocad::Cerchio(Numero x, Numero y, Numero raggio) {
  CerchioAutocad(x, y, raggio, Contenitore());
}

void DispositivoAutocad::Poligonale(short n, const VettoreNumeri& x, const Vettore<double>& y) {
  PoligonaleAutocad(n, x, y, Contenitore());
}

void DispositivoAutocad::PoligonoChiuso(short n, const VettoreNumeri& x,
                                        const Vettore<double>& y) {
  PoligonoChiusoAutocad(n, x, y, Contenitore());
}

void DispositivoAutocad::Testo(Numero x, double y, Numero altezza, const std::string& testo) {
  TestoAutocad(x, y, altezza, testo, Contenitore());
}

void DispositivoAutocad::CreaStileTesto(short indice, const std::string& nome,
                                        const std::string& fileFont) {
  CreaStileTestoAutocad(indice, nome, fileFont, cartellaWindows_());
}

void DispositivoAutocad::AttivaStileTesto(short indice) { AttivaStileTestoAutocad(indice); }

}  // namespace Grafica
