#include "drawing/Plottaggio.h"

#include <algorithm>

#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Operazioni.h"
#include "drawing/Grafica_Polilinee.h"
#include "platform/MsgBox.h"
#include "platform/Stampante.h"
#include "platform/Surface.h"

void Plottaggio::Bordi(double sinistra, double basso, double destra, double alto) {
  MarginiBordi = {sinistra, basso, destra, alto};
}

void Plottaggio::EstremiFinestra(float sinistra, float basso, float destra, float alto) {
  EstremiRelativi = {sinistra, basso, destra, alto};
}

bool Plottaggio::Inizializza(double xMinimo, double xMassimo, double yMinimo, double yMassimo,
                             const std::string& dispositivo, platform::Oggetto* oggetto,
                             double divisore, bool mantieniProporzioni, double offset) {
  if (divisore == 0) return false;
  xMin = static_cast<float>(xMinimo);
  xMax = static_cast<float>(xMassimo);
  yMin = static_cast<float>((yMinimo + offset) / divisore);
  yMax = static_cast<float>((yMassimo + offset) / divisore);
  DispositivoPlt = dispositivo;
  OggettoPlt = oggetto;
  RapportoScalaY = static_cast<float>(divisore);
  MantieniProporzioni = mantieniProporzioni;
  Grafica::ImpostaOffsetY(offset);

  // A box of no extent borrows a thousandth of the other one, or 1.
  if (yMax <= yMin) yMax = yMin + (xMax - xMin) / 1000.0f;
  if (xMax <= xMin) xMax = xMin + (yMax - yMin) / 1000.0f;
  if (yMax <= yMin) yMax = yMin + 1;
  if (xMax <= xMin) xMax = xMin + 1;

  bool mappato = true;
  if (dispositivo != "STAMPANTE" && dispositivo != "VIDEO") {
    // World coordinates as they are: margins from the larger extent.
    ScalaMantieneProporzioni = 1;
    const float d = std::max(xMax - xMin, yMax - yMin);
    const float sinistra = xMin - d * EstremiRelativi.sinistra;
    const float destra = xMax + (1 - EstremiRelativi.destra) * d;
    const float basso = yMin - d * EstremiRelativi.basso;
    const float alto = yMax + (1 - EstremiRelativi.alto) * d;
    ImpostaAngoli(sinistra, alto, destra, basso);
  } else {
    mappato = AdattaAfinestra();
  }
  Grafica::ImpostaDispositivo(RapportoScalaY, dispositivo, oggetto);
  Grafica::ImpostaZeroMaxDimen(std::max(xMax - xMin, yMax - yMin) / 1000000.0);
  return mappato;
}

bool Plottaggio::AdattaAfinestra() {
  if (EstremiRelativi.destra == 0) {
    EstremiRelativi.destra = 1;
    if (EstremiRelativi.alto == 0) EstremiRelativi.alto = 1;
  }
  platform::Surface* superficie = nullptr;
  const bool stampante = DispositivoPlt == "STAMPANTE";
  if (stampante) {
    superficie = platform::Stampante();
  } else if (DispositivoPlt == "VIDEO") {
    superficie = dynamic_cast<platform::Surface*>(OggettoPlt);
  } else {
    platform::MsgBox("ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista");
  }
  if (!superficie) {
    FinestraSulBox();
    return false;
  }

  // The surface in its default coordinates.
  superficie->Scale();
  const double T0 = superficie->ScaleTop();
  const double L0 = superficie->ScaleLeft();
  const double W0 = superficie->ScaleWidth();
  const double H0 = superficie->ScaleHeight();

  // Drawing area in surface units.
  const double Ty = T0 + (1 - EstremiRelativi.alto) * H0;
  const double Lx = L0 + EstremiRelativi.sinistra * W0;
  const double W = (EstremiRelativi.destra - EstremiRelativi.sinistra) * W0;
  const double H = (EstremiRelativi.alto - EstremiRelativi.basso) * H0;
  if (W == 0 || H == 0) {
    // A minimised window, or an area of no width or height: no scale to work out.
    FinestraSulBox();
    return false;
  }

  // World box with its margins.
  const double x0 = xMin - (xMax - xMin) * MarginiBordi.sinistra;
  const double x1 = xMax + (xMax - xMin) * MarginiBordi.destra;
  const double y0 = yMin - (yMax - yMin) * MarginiBordi.basso;
  const double y1 = yMax + (yMax - yMin) * MarginiBordi.alto;

  // World units per surface unit; kept proportions take the larger, so that
  // the box fits both ways and touches the area's left and top edges.
  const double rapportoArea = W / H;
  const double rapportoBox = (x1 - x0) / (y1 - y0);
  double sx = (x1 - x0) / W;
  double sy = (y1 - y0) / H;
  if (MantieniProporzioni) {
    if (rapportoArea <= rapportoBox)
      sy = sx;
    else
      sx = sy;
  }

  double sinistra = x0 + sx * (L0 - Lx);
  double alto = y1 - sy * (T0 - Ty);
  double destra = sinistra + sx * W0;
  double basso = alto - sy * H0;
  // The printer takes its scale in single precision.
  auto scala = [stampante](double v) { return stampante ? static_cast<float>(v) : v; };
  superficie->SetScaleTop(scala(alto));
  superficie->SetScaleLeft(scala(sinistra));
  superficie->SetScaleWidth(scala(destra - sinistra));
  superficie->SetScaleHeight(scala(-(alto - basso)));
  if (!stampante) CentraPlottaggio(rapportoArea, rapportoBox, sinistra, alto, destra, basso);

  ImpostaAngoli(sinistra, alto, destra, basso);
  ScalaMantieneProporzioni = MantieniProporzioni ? 1 : static_cast<float>(sy / sx);
  return true;
}

void Plottaggio::CentraPlottaggio(double rapportoArea, double rapportoBox, double& sinistra,
                                  double& alto, double& destra, double& basso) {
  auto* superficie = dynamic_cast<platform::Surface*>(OggettoPlt);
  if (rapportoArea <= rapportoBox) {
    const float centro = static_cast<float>((alto + basso) / 2);
    const float medio = (yMin + yMax) / 2;
    const double nuovoBasso = basso + medio - centro;
    alto += nuovoBasso - basso;
    basso = nuovoBasso;
    if (superficie) superficie->SetScaleTop(alto);
  } else {
    const float centro = static_cast<float>((sinistra + destra) / 2);
    const float medio = (xMin + xMax) / 2;
    const double nuovaSinistra = sinistra + medio - centro;
    if (superficie) superficie->SetScaleLeft(nuovaSinistra);
    destra += nuovaSinistra - sinistra;
    sinistra = nuovaSinistra;
  }
}

void Plottaggio::PlottaFinestra() const {
  const float sinistra = xAngoliFinestra[0];
  const float alto = yAngoliFinestra[0];
  const float basso = yAngoliFinestra[1];
  const float destra = xAngoliFinestra[2];
  Grafica::PlottaRettangolo(sinistra, basso + (alto - basso) / 500,
                            destra - (destra - sinistra) / 1000, alto, 1);
}

void Plottaggio::RipristinaDefault() const {
  Grafica::ImpostaDispositivo(RapportoScalaY, DispositivoPlt, OggettoPlt);
}

void Plottaggio::FinestraSulBox() {
  ScalaMantieneProporzioni = 1;
  ImpostaAngoli(xMin, yMax, xMax, yMin);
}

void Plottaggio::ImpostaAngoli(double sinistra, double alto, double destra, double basso) {
  xAngoliFinestra = {static_cast<float>(sinistra), static_cast<float>(sinistra),
                     static_cast<float>(destra), static_cast<float>(destra)};
  yAngoliFinestra = {static_cast<float>(alto), static_cast<float>(basso), static_cast<float>(basso),
                     static_cast<float>(alto)};
}
