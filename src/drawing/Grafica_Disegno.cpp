#include "drawing/Grafica_Disegno.h"

#include <cmath>
#include <cstdint>

#include "drawing/DispositivoEsterno.h"
#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Schermo.h"
#include "platform/Stampante.h"
#include "platform/Surface.h"

namespace Grafica {

namespace {

bool Esterno(const std::string& dispositivo) {
  return dispositivo == "DXF" || dispositivo == "DWG" || dispositivo == "BLOCCO";
}

platform::Surface* SuperficieBersaglio() {
  return dynamic_cast<platform::Surface*>(Stato.OggettoGrafico);
}

bool IndiceStile(short indice) { return indice >= 1 && indice <= 10; }

// OffsetY + y / d, in single precision when both y and d are singles.
Numero YMappato(Numero y, Numero d) {
  if (y.singolo && d.singolo)
    return Stato.OffsetY + static_cast<float>(y.valore) / static_cast<float>(d.valore);
  return Stato.OffsetY + y.valore / d.valore;
}

float Singolo(Numero v) { return static_cast<float>(v.valore); }

bool Polilinea(bool chiusa, short n, const VettoreNumeri& x, const VettoreNumeri& y, Numero d) {
  if (d.valore == 0 || n < 1 || !x.Contiene(n) || !y.Contiene(n)) return false;
  Vettore<double> ym(1, n);
  for (int i = 1; i <= n; ++i) ym(i) = YMappato(y(i), d).valore;
  if (Esterno(Stato.DispositivoGrafico)) {
    DispositivoEsterno* e = DispositivoEsternoRegistrato(Stato.DispositivoGrafico);
    if (!e) return false;
    if (chiusa)
      e->PoligonoChiuso(n, x, ym);
    else
      e->Poligonale(n, x, ym);
    return true;
  }
  if (chiusa) return PoligonoChiusoSchermo(n, x, ym, Stato.DispositivoGrafico, Stato.OggettoGrafico);
  return PoligonaleSchermo(n, x, ym, Stato.DispositivoGrafico, Stato.OggettoGrafico);
}

}  // namespace

platform::Colore ColoreRgb(int numero) {
  switch (numero) {
    case 0: return 0xFFFFFF;
    case 1: return 0xFF0000;
    case 2: return 0xFFFF00;
    case 3: return 0x00FF00;
    case 4: return 0x00FFFF;
    case 5: return 0x0000FF;
    case 6: return 0xFF00FF;
    case 8: return 0x808080;
    case 11: return 0x800000;
    case 13: return 0x00C000;
    default: return 0x000000;
  }
}

void ImpostaDispositivo(double scala, const std::string& dispositivo, platform::Oggetto* oggetto) {
  Stato.ScalaGrafica = scala;
  Stato.DispositivoGrafico = dispositivo;
  Stato.OggettoGrafico = oggetto;
}

void ImpostaDispositivoOpzionale(std::optional<double> scala,
                                 const std::optional<std::string>& dispositivo,
                                 std::optional<platform::Oggetto*> oggetto) {
  if (scala) Stato.ScalaGrafica = *scala;
  if (dispositivo) Stato.DispositivoGrafico = *dispositivo;
  if (oggetto) Stato.OggettoGrafico = *oggetto;
}

void ImpostaOffsetY(double offset) { Stato.OffsetY = static_cast<float>(offset); }

void ImpostaFlagTesto(bool testoVideo) { Stato.TestoVideo = testoVideo; }

void ImpostaColore(int numero, const std::optional<std::string>& dispositivo) {
  if (Esterno(dispositivo.value_or(Stato.DispositivoGrafico)))
    Stato.ColoreCorrente = numero;
  else
    Stato.ColoreCorrente = static_cast<std::int32_t>(ColoreRgb(numero));
}

void ImpostaColoreSegno(double valore) { ImpostaColore(valore > 0 ? 5 : 1); }

void ImpostaColoreSegnoOpposto(double valore) { ImpostaColoreSegno(-valore); }

void ImpostaSpessoreLinea(short larghezza, const std::optional<std::string>& dispositivo,
                          std::optional<platform::Oggetto*> oggetto) {
  ImpostaDispositivoOpzionale(std::nullopt, dispositivo, oggetto);
  if (Stato.DispositivoGrafico == "VIDEO") {
    if (platform::Surface* s = SuperficieBersaglio()) s->SetDrawWidth(larghezza);
  } else if (Stato.DispositivoGrafico == "STAMPANTE") {
    // One unit is 0.2 mm on paper: 2 x 5.67 twips.
    platform::Surface* p = platform::Stampante();
    if (p && p->TwipsPerPixelX() > 0)
      p->SetDrawWidth(static_cast<int>(std::nearbyint(larghezza * 2 * 5.67 / p->TwipsPerPixelX())));
  }
}

bool ImpostaStileTesto(short indice, const std::string& nome, const std::string& fileFont,
                       const std::optional<std::string>& dispositivo,
                       std::optional<platform::Oggetto*> oggetto) {
  if (!IndiceStile(indice)) return false;
  ImpostaDispositivoOpzionale(1, dispositivo, oggetto);
  Stato.NomiStiliTesto(indice) = nome;
  if (Stato.DispositivoGrafico == "DWG") {
    if (DispositivoEsterno* e = DispositivoEsternoRegistrato("DWG"))
      e->CreaStileTesto(indice, nome, fileFont);
  }
  return true;
}

bool ImpostaFont(short indice, const std::optional<std::string>& dispositivo,
                 std::optional<platform::Oggetto*> oggetto) {
  if (!IndiceStile(indice)) return false;
  ImpostaDispositivoOpzionale(1, dispositivo, oggetto);
  const std::string& d = Stato.DispositivoGrafico;
  const std::string& font = Stato.NomiStiliTesto(indice);
  if (d == "DWG") {
    if (DispositivoEsterno* e = DispositivoEsternoRegistrato("DWG")) e->AttivaStileTesto(indice);
  } else if (d == "STAMPANTE") {
    if (platform::Surface* p = platform::Stampante()) p->SetFontName(font);
  } else if (d != "DXF" && d != "BLOCCO") {
    if (platform::Surface* s = SuperficieBersaglio()) s->SetFontName(font);
  }
  return true;
}

bool PlottaLinea(Numero x1, Numero y1, Numero x2, Numero y2, Numero d) {
  if (d.valore == 0) return false;
  const Numero ym1 = YMappato(y1, d);
  const Numero ym2 = YMappato(y2, d);
  if (Esterno(Stato.DispositivoGrafico)) {
    DispositivoEsterno* e = DispositivoEsternoRegistrato(Stato.DispositivoGrafico);
    if (!e) return false;
    e->Linea(x1, ym1, x2, ym2);
    return true;
  }
  return LineaSchermo(Singolo(x1), Singolo(ym1), Singolo(x2), Singolo(ym2),
                      Stato.DispositivoGrafico, Stato.OggettoGrafico);
}

bool PlottaCerchio(Numero x, Numero y, Numero raggio, Numero d) {
  if (d.valore == 0) return false;
  const Numero ym = YMappato(y, d);
  if (Esterno(Stato.DispositivoGrafico)) {
    DispositivoEsterno* e = DispositivoEsternoRegistrato(Stato.DispositivoGrafico);
    if (!e) return false;
    e->Cerchio(x, ym, raggio);
    return true;
  }
  return CerchioSchermo(Singolo(x), Singolo(ym), Singolo(raggio), Stato.DispositivoGrafico,
                        Stato.OggettoGrafico);
}

bool PlottaPoligonale(short n, const VettoreNumeri& x, const VettoreNumeri& y, Numero d) {
  return Polilinea(true, n, x, y, d);
}

bool PlottaPoligonale2(double n, const VettoreNumeri& x, const VettoreNumeri& y, Numero d) {
  // A count a 16-bit integer cannot hold is no count of points.
  const double arrotondato = std::nearbyint(n);
  if (!(arrotondato >= -32768 && arrotondato <= 32767)) return false;
  return Polilinea(false, static_cast<short>(arrotondato), x, y, d);
}

bool PlottaTesto(Numero x, Numero y, Numero altezza, const std::string& testo, Numero d,
                 bool marcatore) {
  if (d.valore == 0) return false;
  double ym = YMappato(y, d).valore;
  if (Esterno(Stato.DispositivoGrafico)) {
    DispositivoEsterno* e = DispositivoEsternoRegistrato(Stato.DispositivoGrafico);
    if (!e) return false;
    if (marcatore && Stato.DispositivoGrafico != "BLOCCO") ym -= 1.5 * altezza.valore;
    e->Testo(x, ym, altezza, testo);
    return true;
  }
  return TestoSchermo(Singolo(x), static_cast<float>(ym), Singolo(altezza), testo,
                      Stato.DispositivoGrafico, Stato.OggettoGrafico);
}

}  // namespace Grafica
