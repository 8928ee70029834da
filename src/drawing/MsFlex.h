#pragma once
// Grid helpers: cells, rows and whole tables read and written as texts, row
// numbers, alignment, row deletion, grid zoom, and the editing of a cell in
// place with a floating text box laid over it.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/GeneraleTesto.h"
#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/Applicazione.h"
#include "platform/CasellaTesto.h"
#include "platform/FlexGrid.h"

namespace MsFlex {

struct StatoMsFlex {
  // Key that started the current cell edit; 0 when a click started it.
  int PrimoTastoCella = 0;
  // The window whose tab stops are held while a cell is edited, and each
  // control's TabStop then (nothing for a control without one).
  std::shared_ptr<platform::ControlliFinestra> FinestraTabStop;
  std::vector<std::optional<bool>> TabStopSalvati;
  // Zoom of each grid of the main window's grid array, by index.
  bool ZoomInizializzato = false;
  std::vector<bool> GrigliaIngrandita;
  std::vector<bool> AltezzaGrigliaSalvata;
  std::vector<int> AltezzeGriglia;
};

inline StatoMsFlex Stato;

// ---------------------------------------------------------------- cells

// Index of a cell in the grid's cell array: riga × Cols + colonna.
int IndiceCella(int riga, int colonna, const platform::FlexGrid& griglia);

// Writes cell (Int(riga), Int(colonna)), Int rounding down. A number goes in
// as its plain text. A cell outside the grid throws std::out_of_range.
void ScriveCella(const std::string& valore, double riga, double colonna,
                 platform::FlexGrid& griglia);
void ScriveCella(double valore, double riga, double colonna, platform::FlexGrid& griglia);

std::string LeggeCella(int riga, int colonna, const platform::FlexGrid& griglia);

// The cell's text as it is, or read as a number typed by the user.
void LeggeCellaNumero(std::string& valore, int riga, int colonna,
                      const platform::FlexGrid& griglia);
void LeggeCellaNumero(double& valore, int riga, int colonna, const platform::FlexGrid& griglia);

// ---------------------------------------------------------------- rows and tables

// Element i into column i of the row, over the array's own bounds.
void ScriveVettoreInGriglia(const Vettore<std::string>& vettore, int riga,
                            platform::FlexGrid& griglia);
void ScriveVettoreInGriglia(const Vettore<double>& vettore, int riga, platform::FlexGrid& griglia);

// With ridimensiona the grid gets one row and column more than the table;
// then cell (i, j) = matrice(i, j) for every data cell that the table also
// has. A number is written in formato (Formattazione::Formato) when one is
// given, else as its plain text; a text that reads as a number is formatted
// the same way, any other text goes in as it is.
void ScriveMatriceInGriglia(platform::FlexGrid& griglia, const Matrice<std::string>& matrice,
                            const std::string& formato, bool ridimensiona);
void ScriveMatriceInGriglia(platform::FlexGrid& griglia, const Matrice<double>& matrice,
                            const std::string& formato, bool ridimensiona);

// The row's texts, indexes 1 to Cols - 1.
void LeggeRigaGriglia(Vettore<std::string>& riga, int r, const platform::FlexGrid& griglia);

// A cell's text that is no number, for a window that names the cell.
class CellaNonNumerica : public Generale::NumeroNonValido {
 public:
  CellaNonNumerica(const platform::FlexGrid& griglia, int riga, int colonna,
                   const Generale::NumeroNonValido& motivo)
      : NumeroNonValido(motivo), Griglia(&griglia), Riga(riga), Colonna(colonna) {}
  const platform::FlexGrid* Griglia;
  int Riga, Colonna;
};

// Cells (r0 .. Rows - 1, c0 .. Cols - 1) into matrice(i, j), as texts or as
// numbers; with ridimensiona the table first takes those bounds. Nothing when
// the grid has no data row. A cell the table lacks shows "Errore in
// LeggeGriglia" and stops, keeping what was read; a text that is no number
// while ValNumero refuses such texts throws CellaNonNumerica.
void LeggeGriglia(const platform::FlexGrid& griglia, Matrice<std::string>& matrice, int r0, int c0,
                  bool ridimensiona);
void LeggeGriglia(const platform::FlexGrid& griglia, Matrice<double>& matrice, int r0, int c0,
                  bool ridimensiona);

// Removes data row riga; the other cells come back as the numbers they read
// as. A row that is not a data row is left alone.
void EliminaRigaGriglia(platform::FlexGrid& griglia, int riga);

// Cell (i, 0) = i for every data row.
void NumeraRighe(platform::FlexGrid& griglia);

// Every cell, fixed ones included, takes the alignment; the last cell is
// left current, as after visiting each.
void AllineaCelle(platform::FlexGrid& griglia, int allineamento);

// ---------------------------------------------------------------- editing in place

// Opens the editor over the current cell, started by a click (tasto 0), by a
// control key (1 to 32, Delete: the cell's text, caret at the end) or by a character
// (that character, caret after it).
void ModificaCella(platform::FlexGrid& griglia, platform::CasellaTesto& editor, int tasto);

// The editor's key-down: Enter writes the cell and opens the editor on the
// next one with that cell's own text (down the column, or along the row with
// perRighe), the last cell handing the focus to prossimo; Tab does the same
// as Enter; Esc leaves
// the cell as it was; Up, Down and Shift+Tab give the grid the focus, Down
// moving a row.
void TxtEditTastoGiu(platform::FlexGrid& griglia, platform::CasellaTesto& editor, int& codice,
                     int shift, platform::Focalizzabile* prossimo = nullptr,
                     bool perRighe = false);
// As TxtEditTastoGiu, with Tab taken as Enter (the caller's code too).
void TxtEditKeyDown(platform::FlexGrid& griglia, platform::CasellaTesto& editor, int& codice,
                    int shift, platform::Focalizzabile* prossimo = nullptr,
                    bool perRighe = false);

// Without ripristina: holds and clears the TabStop of every control of the
// active window, so that Tab reaches the editor. With it: gives them back to
// the window they were taken from. Holding again before giving back, or
// giving back twice, does nothing.
void ImpostaTabStop(bool ripristina);
void TxtEditEntra();
void TxtEditEsce();

// Toggles grid indice of the array between its own height and altezza - Top
// - 800 twips.
void ZoomGriglia(std::span<platform::FlexGrid* const> griglie, int indice, int altezza);

}  // namespace MsFlex
