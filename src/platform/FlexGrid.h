#pragma once
// Data model of a grid of texts. Rows and columns count from 0; the first
// FixedRows rows and FixedCols columns (one of each unless told otherwise) are
// headers that do not scroll. Sizes and positions are in twips, 15 to a pixel.
// The window's view follows it; the engine and the tests read and write it
// directly.
#include <optional>
#include <string>
#include <vector>

#include "platform/GeometriaControllo.h"

namespace platform {

// Alignments: horizontal position (0 left, 1 centre, 2 right) times three plus
// vertical position (0 top, 1 centre, 2 bottom); "general" puts numbers right
// and texts left, vertically centred.
inline constexpr int AllineamentoSinistraCentro = 1;
inline constexpr int AllineamentoCentroCentro = 4;
inline constexpr int AllineamentoDestraCentro = 7;
inline constexpr int AllineamentoGenerale = 9;

// Sizes nobody has set: columns of 64 pixels, rows of 20.
inline constexpr int LarghezzaColonnaPredefinita = 960;
inline constexpr int AltezzaRigaPredefinita = 300;

// What a view of the grid is told after each change.
class VistaFlexGrid {
 public:
  virtual ~VistaFlexGrid() = default;
  // Text, alignment or boldness of one cell.
  virtual void CellaCambiata(int /*riga*/, int /*colonna*/) {}
  // Rows, columns or fixed ones: any cell may be new.
  virtual void StrutturaCambiata() {}
  // Column widths, row heights, column alignments.
  virtual void FormatoCambiato() {}
  virtual void CellaCorrenteCambiata() {}
  // TopRow or LeftCol.
  virtual void ScorrimentoCambiato() {}
  // Left, Top, Width or Height.
  virtual void GeometriaCambiata() {}
  virtual void FuocoRichiesto() {}
};

class FlexGrid : public GeometriaControllo {
 public:
  FlexGrid() = default;
  // A grid stands for one control on a window: it is not copied.
  FlexGrid(const FlexGrid&) = delete;
  FlexGrid& operator=(const FlexGrid&) = delete;

  // The view told of every change; nullptr for none. Not owned.
  void ImpostaVista(VistaFlexGrid* vista) { vista_ = vista; }

  // While a Blocco lives, the changes of rows, columns, cells, formats, the
  // current cell and the scrolling reach the view at its end, as one change
  // of the whole grid: a grid filled cell by cell is laid out once.
  class Blocco {
   public:
    explicit Blocco(FlexGrid& griglia) : griglia_(griglia) { ++griglia_.blocchi_; }
    ~Blocco();
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;

   private:
    FlexGrid& griglia_;
  };

  void SetFocus();

  // Changing the size keeps the texts and formats of the cells that stay. A
  // grid of more than 2^31 - 1 cells is refused (std::length_error), so every
  // cell has a 32-bit index.
  int Rows() const { return rows_; }
  void SetRows(int righe);
  int Cols() const { return cols_; }
  void SetCols(int colonne);
  // A grid made smaller than its fixed part takes the fixed part down too.
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int righe);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int colonne);

  // The current cell; an index outside the grid throws std::out_of_range.
  int Row() const { return row_; }
  void SetRow(int riga);
  int Col() const { return col_; }
  void SetCol(int colonna);

  // The first scrolling row and column in view, from FixedRows and FixedCols.
  int TopRow() const { return topRow_; }
  void SetTopRow(int riga);
  int LeftCol() const { return leftCol_; }
  void SetLeftCol(int colonna);

  int ColWidth(int colonna) const;
  void SetColWidth(int colonna, int twips);
  int RowHeight(int riga) const;
  void SetRowHeight(int riga, int twips);
  int ColAlignment(int colonna) const;
  void SetColAlignment(int colonna, int allineamento);

  std::string TextMatrix(int riga, int colonna) const;
  void SetTextMatrix(int riga, int colonna, const std::string& testo);
  // A number kept as a number: its text, formato(cifre, valore), is made
  // whenever the cell is read, so that a grid nobody looks at costs no
  // formatting. Writing a text replaces it.
  using FormatoNumero = std::string (*)(int cifre, double valore);
  void SetNumeroMatrix(int riga, int colonna, double valore, int cifre, FormatoNumero formato);
  // Cell number riga × Cols + colonna.
  std::string TextArray(int indice) const;
  void SetTextArray(int indice, const std::string& testo);

  // A cell's own alignment, else its column's.
  int CellAlignment(int riga, int colonna) const;
  void SetCellAlignment(int riga, int colonna, int allineamento);
  bool CellFontBold(int riga, int colonna) const;
  void SetCellFontBold(int riga, int colonna, bool grassetto);

  // The same, of the current cell.
  std::string Text() const { return TextMatrix(row_, col_); }
  void SetText(const std::string& testo) { SetTextMatrix(row_, col_, testo); }
  int CellAlignment() const { return CellAlignment(row_, col_); }
  void SetCellAlignment(int allineamento) { SetCellAlignment(row_, col_, allineamento); }
  bool CellFontBold() const { return CellFontBold(row_, col_); }
  void SetCellFontBold(bool grassetto) { SetCellFontBold(row_, col_, grassetto); }

  // "a|b|c;x|y": the texts of row 0 from column 0 on, each with an optional
  // leading "<", "^" or ">" that aligns its column left, centred or right;
  // after ";" the texts of column 0 from the first scrolling row on. Cols
  // becomes the number of column texts, and Rows, when row texts are given,
  // FixedRows plus their number. Widths are left as they are.
  const std::string& FormatString() const { return formatString_; }
  void SetFormatString(const std::string& formato);

  // Place and size of the current cell relative to the grid's top left
  // corner: fixed rows and columns stay in place, the others are scrolled by
  // TopRow and LeftCol (a cell scrolled out gets a position outside).
  int CellLeft() const;
  int CellTop() const;
  int CellWidth() const { return ColWidth(col_); }
  int CellHeight() const { return RowHeight(row_); }

 protected:
  void GeometriaCambiata() override {
    if (vista_) vista_->GeometriaCambiata();
  }

 private:
  struct Cella {
    std::string testo;
    FormatoNumero formato = nullptr;  // set: the text is formato(cifre, numero)
    double numero = 0;
    int cifre = 0;
    std::optional<int> allineamento;
    bool grassetto = false;
  };

  void Ridimensiona(int righe, int colonne);
  // An index from 0 to limite - 1, else std::out_of_range.
  static void Verifica(int indice, int limite, const char* cosa) {
    if (indice < 0 || indice >= limite) [[unlikely]]
      FuoriDallaGriglia(indice, limite, cosa);
  }
  [[noreturn]] static void FuoriDallaGriglia(int indice, int limite, const char* cosa);
  Cella& CellaIn(int riga, int colonna);
  const Cella& CellaIn(int riga, int colonna) const;
  void CellaModificata(int riga, int colonna);
  // The view to tell of a change now: none within a Blocco, which tells it at its end.
  VistaFlexGrid* Vista();
  // Sum of the sizes from..to-1, negated when to < from.
  static int Somma(const std::vector<int>& dimensioni, int da, int a);

  VistaFlexGrid* vista_ = nullptr;
  int blocchi_ = 0;
  bool cambiataNelBlocco_ = false;
  int rows_ = 2, cols_ = 2;
  int fixedRows_ = 1, fixedCols_ = 1;
  int row_ = 1, col_ = 1;
  int topRow_ = 1, leftCol_ = 1;
  std::vector<int> larghezze_ = std::vector<int>(2, LarghezzaColonnaPredefinita);
  std::vector<int> altezze_ = std::vector<int>(2, AltezzaRigaPredefinita);
  std::vector<int> allineamenti_ = std::vector<int>(2, AllineamentoGenerale);
  std::vector<Cella> celle_ = std::vector<Cella>(4);  // row by row
  std::string formatString_;
};

}  // namespace platform
