#pragma once
// Data model of a grid of texts with a fixed header row and column (row 0 and
// column 0). Widths are in twips, 15 to a pixel. The window shows it; the
// engine and the tests read and write it directly.
#include <string>
#include <vector>

namespace platform {

// Cell and column alignment numbers.
inline constexpr int AllineamentoDestraCentro = 7;
inline constexpr int AllineamentoGenerale = 9;

// Width of a column nobody has sized: 64 pixels.
inline constexpr int LarghezzaColonnaPredefinita = 960;

class FlexGrid {
 public:
  int Width() const { return width_; }
  void SetWidth(int twips) { width_ = twips; }

  // Changing the size keeps the texts of the cells that stay.
  int Rows() const { return rows_; }
  void SetRows(int righe);
  int Cols() const { return cols_; }
  void SetCols(int colonne);

  // The current cell; an index outside the grid throws std::out_of_range.
  int Row() const { return row_; }
  void SetRow(int riga);
  int Col() const { return col_; }
  void SetCol(int colonna);

  int ColWidth(int colonna) const;
  void SetColWidth(int colonna, int twips);
  int ColAlignment(int colonna) const;
  void SetColAlignment(int colonna, int allineamento);

  std::string TextMatrix(int riga, int colonna) const;
  void SetTextMatrix(int riga, int colonna, const std::string& testo);

 private:
  void Ridimensiona(int righe, int colonne);
  static void Verifica(int indice, int limite, const char* cosa);

  int width_ = 0;
  int rows_ = 2;
  int cols_ = 2;
  int row_ = 1;
  int col_ = 1;
  std::vector<int> larghezze_ = std::vector<int>(2, LarghezzaColonnaPredefinita);
  std::vector<int> allineamenti_ = std::vector<int>(2, AllineamentoGenerale);
  std::vector<std::string> testi_ = std::vector<std::string>(4);  // row by row
};

}  // namespace platform
