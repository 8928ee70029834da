#pragma once
// The materials file "TramokMateriali.txt" beside the program: partial
// factors and moduli, one steel-grade table per design code, the concrete
// table. No version, no header.
#include <string>

#include "app/FileDati.h"
#include "model/Finestre.h"
#include "model/Vettore.h"
#include "platform/FlexGrid.h"

namespace FileMateriali {

inline constexpr const char* NomeFileMateriali = "TramokMateriali.txt";

// Mode "L" reads the file; a file that is not there, cannot be read whole
// or holds constants out of their range is reported (each in its own words)
// and replaced by the defaults (MaterialiDefault). Any other mode writes it: the
// window's boxes go into the program state first, then the steel table of
// the code in force and the concrete table are written from its grids, the
// other steel tables from memory (their default rows when never filled).
// Without a window every table is written from memory. A write that fails is
// reported once, leaves the file as it was and changes nothing in memory.
// True when the whole file was read or written.
bool FileMaterialiLeggeScrive(const std::string& modo,
                              Finestre::GriglieMateriali* finestra = nullptr);

// One table: a count record, then one record per row. A count below 1 cannot
// size the table: ErroreIndice.
template <class Riga>
void LeggeMateriale(const std::string& modo, Generale::FileDati& file, Vettore<Riga>& tabella);

// One table from a grid: rows 1 to last, columns 1 on (column 0 holds the
// selection marker); numbers read from the cells by the regional rules.
template <class Riga>
void ScriveMateriale(const std::string& modo, Generale::FileDati& file,
                     const platform::FlexGrid& griglia);

// A grid of the materials window and its table: row r of the table in grid
// row r, columns 1 on; the numbers of the cells by the regional rules.
template <class Riga>
Vettore<Riga> TabellaDaGriglia(const platform::FlexGrid& griglia);
// The grid gets one row per table row below its header; its columns and
// column 0 stay as they are.
template <class Riga>
void TabellaInGriglia(const Vettore<Riga>& tabella, platform::FlexGrid& griglia);

}  // namespace FileMateriali
