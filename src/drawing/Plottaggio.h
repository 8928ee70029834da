#pragma once
// Maps a box of drawing coordinates (the world box, y upward) onto an output
// surface. On the screen ("VIDEO") and on the printer ("STAMPANTE") the
// surface's user scale is rewritten so that the whole box, with margins, is
// visible, with one scale for x and y when proportions are kept; the other
// devices take world coordinates as they are and only get the visible window.
// Device, target and y divisor then go to the drawing interface, so that every
// later primitive lands in the mapped window.
//
// A surface without area (a minimised window), a missing surface or printer,
// a drawing area of no width or height and a y divisor of 0 are refused:
// nothing is mapped and Inizializza answers false.
#include <array>
#include <string>

#include "platform/Oggetto.h"

class Plottaggio {
 public:
  // World box as last given to Inizializza, y already shifted and divided,
  // degenerate extents repaired.
  float xMin = 0;
  float xMax = 0;
  float yMin = 0;
  float yMax = 0;
  // y scale over x scale of the last mapping: 1 when one scale serves both
  // axes and on devices other than screen and printer.
  float ScalaMantieneProporzioni = 1;

  // Corners of the visible window in world coordinates: top left, bottom
  // left, bottom right, top right.
  std::array<float, 4> xFinestraPlt() const { return xAngoliFinestra; }
  std::array<float, 4> yFinestraPlt() const { return yAngoliFinestra; }

  // Margins outside the box as fractions of its width (left, right) and
  // height (bottom, top); screen and printer only.
  void Bordi(double sinistra, double basso, double destra, double alto);
  // Edges of the drawing area as fractions of the surface, measured from its
  // left and from its bottom edge.
  void EstremiFinestra(float sinistra, float basso, float destra, float alto);

  // Maps the box (y + offset) / divisore onto the device; the offset goes to
  // the drawing interface too. False when the mapping was refused.
  bool Inizializza(double xMinimo, double xMassimo, double yMinimo, double yMassimo,
                   const std::string& dispositivo, platform::Oggetto* oggetto, double divisore,
                   bool mantieniProporzioni, double offset);
  // The stored box onto the stored screen surface or the printer. False, the
  // window being the box itself, when there is nothing with area to map onto
  // or the device is neither (after telling the user).
  bool AdattaAfinestra();
  // Moves the screen window, unchanged in size, so that the box's centre
  // lies at the surface's centre along the direction with spare room: in
  // height when rapportoArea <= rapportoBox, else in width.
  void CentraPlottaggio(double rapportoArea, double rapportoBox, double& sinistra, double& alto,
                        double& destra, double& basso);
  // The frame of the window, pulled in a little at the right and at the
  // bottom so that it stays on the surface.
  void PlottaFinestra() const;
  // Points the drawing interface back at this mapping's device.
  void RipristinaDefault() const;

 private:
  template <class T>
  struct Lati {
    T sinistra = 0;
    T basso = 0;
    T destra = 0;
    T alto = 0;
  };

  void FinestraSulBox();
  void ImpostaAngoli(double sinistra, double alto, double destra, double basso);

  Lati<double> MarginiBordi;
  Lati<float> EstremiRelativi;
  std::array<float, 4> xAngoliFinestra{};
  std::array<float, 4> yAngoliFinestra{};
  float RapportoScalaY = 1;
  bool MantieniProporzioni = false;
  std::string DispositivoPlt;
  platform::Oggetto* OggettoPlt = nullptr;  // the screen surface; not owned
};
