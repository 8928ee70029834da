#pragma once
// A section outline with its bars and tendons read from a DXF drawing: the
// outline from the one polyline (LWPOLYLINE, or POLYLINE with its VERTEX
// entities) on the outline layer, bars and tendons from the circles on their
// layers, the layers chosen by the user among those of the drawing.
//
// Group codes are compared as numbers, so right-aligned codes ("  8") and
// bare ones ("8") read alike; lines may end with CR LF, CR or LF. Numbers are
// written with "." whatever the locale; drawing units are millimetres.
//
// A file that ends before its "EOF" marker, a number that is not one or an
// entity without its coordinates raises platform::ErroreEsecuzione; the
// whole file is read before anything is handed back, so a failed import
// leaves the caller's section as it was.
#include <complex>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "model/Matrice.h"

namespace ImportaDxf {

struct StatoImportaDxf {
  std::vector<std::string> LayerDxf;  // layers of the last drawing read, in file order
  std::string LayerContorno;          // outline polyline
  std::string LayerBarre;             // bar circles; empty: no bars wanted
  std::string LayerCavi;              // tendon circles; empty: no tendons wanted
  // The layer chooser was confirmed and exactly one outline was read.
  bool LayerConfermati = false;
};

inline StatoImportaDxf Stato;

// Texts of the messages shown at the end of an import.
inline constexpr const char* MessaggioContornoNonUnivoco =
    "Contorno sezione non univoco. Verificare DXF.";
inline constexpr const char* MessaggioContornoNonTrovato =
    "Contorno sezione non trovato. Verificare DXF.";
inline constexpr const char* MessaggioBarreNonTrovate =
    "Non trovata alcuna barra di armatura lenta. Verificare DXF.";
inline constexpr const char* MessaggioCaviNonTrovati =
    "Non trovata alcuna barra di precompressione. Verificare DXF.";
inline constexpr const char* MessaggioArchiSostituiti =
    "Gli archi del contorno sono stati sostituiti da corde.";

inline constexpr const char* TestoFineFile =
    "Il file finisce prima del marcatore EOF: il disegno è incompleto o non è un DXF di testo.";

// Lines of a text file; a line ends at CR, CR LF or LF, not part of it.
class FileDxf {
 public:
  explicit FileDxf(std::istream& ingresso) : ingresso_(ingresso) {}
  // Raises TestoFineFile when nothing is left to read.
  std::string LineInput();

 private:
  std::istream& ingresso_;
};

// One group: code and value, as read.
struct Coppia {
  std::string Codice;
  std::string Valore;
};

// The next two lines: the code without blanks around it, the value unchanged.
Coppia ReadCodes(FileDxf& file);

// The first "." of the text replaced by the regional decimal separator; the
// text itself is changed the same way.
std::string ToglieDecimali(std::string& testo);

// The layer chooser, shown modally: it reads Stato.LayerDxf and sets the
// three layers and LayerConfermati.
class SceltaLayerDxf {
 public:
  virtual ~SceltaLayerDxf() = default;
  virtual void MostraModale() = 0;
};

// What an import hands to the main window, laid out as its matrices (mm, mm2),
// each dimensioned only when its count is above 0.
struct SezioneDxf {
  int nFigure = 0;
  Matrice<float> Figure;  // (1 To n, 0 To 2): column 1 x, column 2 y, 0.01 mm
  int nBarre = 0;
  Matrice<float> Barre;  // (0 To n, 1 To 3): area, x, y, whole numbers
  int nCavi = 0;
  Matrice<float> Cavi;  // (0 To n, 1 To 4): area, x, y, prestress 0
  bool ArchiSostituiti = false;  // the outline had arcs, replaced by chords

  bool operator==(const SezioneDxf&) const = default;
};

// Reads the drawing, shows the chooser and reads the entities on the chosen
// layers, showing the closing messages. A section only when the chooser was
// confirmed and one outline was found; bars and tendons not found are
// reported and the section is still given.
std::optional<SezioneDxf> LeggeDXFLayer(std::istream& file, SceltaLayerDxf& scelta);

// A drawing larger than this is not read: millions of entities, far more
// than the 32767 vertices and circles a section can take.
inline constexpr std::uintmax_t DimensioneMassima = 256u << 20;

// LeggeDXFLayer on the file at percorso; a failure to open or read it (a
// folder, a device, a file too large or in UTF-16 among them) is shown in
// a box that names the file and gives no section.
std::optional<SezioneDxf> ImportaFileDxf(const std::string& percorso, SceltaLayerDxf& scelta);

// ---- Polyline vertices with bulges

struct VerticeDxf {
  double x = 0;
  double y = 0;
  double bulge = 0;  // tan(angle / 4) of the arc to the next vertex; 0 a straight side
};

// The outline with each arc replaced by chords, so that its area differs
// from that of the arcs by less than 0.1 %. The closing side from the last
// vertex to the first is an arc only when the polyline is closed.
std::vector<std::complex<double>> ContornoConCorde(const std::vector<VerticeDxf>& vertici,
                                                   bool chiusa);

}  // namespace ImportaDxf
