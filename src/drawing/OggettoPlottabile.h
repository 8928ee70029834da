#pragma once
// A window whose content the plot commands send to a device.
#include <string>

namespace Grafica {

class OggettoPlottabile {
 public:
  virtual ~OggettoPlottabile() = default;
  // Draws the whole content on the device ("STAMPANTE", "DXF", "DWG"), the
  // window itself as target. Errors go to the caller.
  virtual void PlottaInOggetto(const std::string& dispositivo) = 0;
  // Closes the window.
  virtual void Chiudi() = 0;
};

}  // namespace Grafica
