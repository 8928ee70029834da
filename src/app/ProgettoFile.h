#pragma once
// The project file (".slu"): one section with everything needed to verify it
// again, record after record in the layout of the current version; files of
// every layout from "5.0" on are read.
#include <array>
#include <string>

#include "app/FileDati.h"
#include "app/TestoLetto.h"

namespace ProgettoFile {

inline constexpr const char* EstensioneProgetto = "slu";
inline constexpr const char* TipoFileProgetto = "Tramok";

// The main window's own copy of what the file holds beside the program
// state: the two action sets (kN, kNm), the shears (kN) and the row counts.
struct DatiFinestra {
  std::array<double, 2> NForm{}, MxForm{}, MyForm{}, VForm{};
  int nFigureForm = 0, nBarreForm = 0, nCaviForm = 0;
  bool operator==(const DatiFinestra&) const = default;
};

struct StatoProgetto {
  // Base name of the current project file, without folder and extension;
  // empty before the first open or save.
  std::string NomeFileProgetto;
  // Full path of that file, where "Salva" writes.
  std::string PercorsoProgetto;
  // Version of the file read last.
  std::string VersioneFileLetto;
  // The bytes of the project as it was last read, saved or started.
  std::string Impronta;
  // The design parameters and options as read or saved last.
  Generale::TestoLetto OpzioniLette;
};

inline StatoProgetto Stato;

// The records in both directions. A reading that ends on a record newer
// than the file is whole (the defaults of the seismic block and of the
// design code are applied when their records were not reached); any other
// failure throws as the record that failed chose.
void Records(const std::string& modo, Generale::FileDati& file, DatiFinestra& dati);

// Reads the whole file into the program state, the seismic state and dati.
// True when it was read to the last record of its layout; otherwise every
// one of them is as it was before and the user has been told "Lettura
// incompleta del file" with the file's path.
bool Legge(Generale::FileDati& file, DatiFinestra& dati);

// Outline, steel, actions and lengths out of their ranges back to 0, one
// line each for the box of the values replaced (a figure's side of 0, one
// not given yet, stays).
std::string SostituisceValoriFuoriIntervallo(DatiFinestra& dati);

// The sentence that names the first value a save would write and its
// reading replace, materials first; empty when there is none.
std::string PrimoValoreFuoriIntervallo(DatiFinestra dati);

// False, after a message, when the section cannot be stored: "DXF" chosen
// and nothing imported.
bool SezioneSalvabile();

// The records of the design parameters and options as they stand.
std::string TestoOpzioni();

// The bytes a save would write now, with no box; empty when it could not
// be written.
std::string Testo(DatiFinestra dati);

// Writes the current section. False, after one message, when it could not:
// the caller then gives the file up, and the one there before stays.
bool Scrive(Generale::FileDati& file, DatiFinestra& dati);

}  // namespace ProgettoFile
