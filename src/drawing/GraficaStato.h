#pragma once
// Module state of the drawing module, one instance: reset it in a test with
// Grafica::Stato = Grafica::StatoGrafica{}.
#include <cstdint>
#include <memory>
#include <string>

#include "model/Vettore.h"
#include "platform/AutoCad.h"
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

  // File number of the open DXF file.
  short FileDxf = 0;

  // AutoCAD as AvviaAutocad attached it: kept for the rest of the run.
  std::shared_ptr<platform::AutoCadApplicazione> ApplicazioneAutocad;
  std::shared_ptr<platform::AutoCadDocumento> DocumentoAutocad;
  // The container of "DWG".
  std::shared_ptr<platform::AutoCadContenitore> ModelSpaceAutocad;
  // Text styles 1 to 10 created on "DWG".
  Vettore<std::shared_ptr<platform::AutoCadStileTesto>> StiliTestoAutocad =
      Vettore<std::shared_ptr<platform::AutoCadStileTesto>>(1, 10);
  std::shared_ptr<platform::AutoCadEntita> UltimoTestoAutocad;
};

inline StatoGrafica Stato;

}  // namespace Grafica
