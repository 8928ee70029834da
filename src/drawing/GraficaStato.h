#pragma once
// Module state of the drawing module, one instance: reset it in a test with
// Grafica::Stato = Grafica::StatoGrafica{}.
#include <cstdint>
#include <string>

#include "model/Vettore.h"
#include "platform/Oggetto.h"

namespace Grafica {

struct StatoGrafica {
  // Coincidence tolerance of points, set by ImpostaZeroMaxDimen and left set.
  double ZeroMaxDimen = 0;

  // Device the primitives draw on: "VIDEO", "STAMPANTE", "DXF", "DWG",
  // "BLOCCO"; any other name prints. Compared case-sensitively.
  std::string DispositivoGrafico;
  // The surface of "VIDEO", the AutoCAD container of "BLOCCO". Not owned.
  platform::Oggetto* OggettoGrafico = nullptr;
  // Handed over with the device; no primitive reads it.
  double ScalaGrafica = 0;
  // Added to every y drawn.
  float OffsetY = 0;
  // Colour of every primitive: a platform::Colore (0xRRGGBB) on screen and
  // printer, the AutoCAD colour number on "DXF", "DWG" and "BLOCCO".
  std::int32_t ColoreCorrente = 0;
  // Screen and printer text is scaled to the height asked for.
  bool TestoVideo = false;
  // Text style names 1 to 10, the font names on screen and printer.
  Vettore<std::string> NomiStiliTesto = Vettore<std::string>(1, 10);
};

inline StatoGrafica Stato;

}  // namespace Grafica
