#pragma once
// The File menu of the section drawing window: the window's drawing to the
// printer in copies, to a DXF file, into AutoCAD; or the window closed.
#include <string>

#include "drawing/OggettoPlottabile.h"
#include "platform/FileDialog.h"
#include "platform/PrintDialog.h"

namespace Grafica {

// Menu items.
enum VocePlotta : short {
  VoceStampa = 0,
  VoceEsportaDxf = 1,
  VoceAutocad = 2,
  VoceChiudi = 4,
};

// The DXF file is proposed as nomeFile (the project's path) with ".dxf"
// appended. Printing and DXF start in the data folder and leave the folder
// that was current at the end as the data folder; every command ends in the
// program folder. Errors, including those of the window's drawing, end the
// command with a message; a DXF file left incomplete is closed, removed and
// reported. Any other index does nothing.
void PlottaSuDispositivo(short indice, const std::string& nomeFile,
                         OggettoPlottabile& proprietario, platform::FileDialog& dialogoFile,
                         platform::PrintDialog& dialogoStampa);

}  // namespace Grafica
