#pragma once
// Data model of an X-Y chart. Its data is a table of cells, RowCount rows by
// ColumnCount columns, both counted from 1, read and written through the
// current cell (Row, Column, Data). A cell holds a text, or a number kept as
// it is and written as text only when its text is read. Series k takes columns 2k - 1 (x) and 2k
// (y); the series collection has one item per column, and item 2k - 1 styles
// series k. Positions and sizes are in twips. The window's view follows it.
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/GeometriaControllo.h"
#include "platform/Colori.h"

namespace platform {

constexpr Colore ColoreRgb(int rosso, int verde, int blu) {
  return (static_cast<Colore>(rosso & 0xFF) << 16) | (static_cast<Colore>(verde & 0xFF) << 8) |
         static_cast<Colore>(blu & 0xFF);
}

// Pen styles of lines.
inline constexpr int PennaNessuna = 0;
inline constexpr int PennaContinua = 1;
inline constexpr int PennaTratteggiata = 2;
inline constexpr int PennaPunteggiata = 3;
inline constexpr int PennaTrattoPunto = 4;
inline constexpr int PennaTrattoPuntoPunto = 5;

// Marker styles.
inline constexpr int MarcatoreTrattino = 0;
inline constexpr int MarcatorePiu = 1;
inline constexpr int MarcatoreX = 2;
inline constexpr int MarcatoreStella = 3;
inline constexpr int MarcatoreCerchio = 4;
inline constexpr int MarcatoreQuadrato = 5;
inline constexpr int MarcatoreRombo = 6;
inline constexpr int MarcatoreTriangoloSu = 7;
inline constexpr int MarcatoreTriangoloGiu = 8;
inline constexpr int MarcatoreCerchioPieno = 9;
inline constexpr int MarcatoreQuadratoPieno = 10;
inline constexpr int MarcatoreRomboPieno = 11;
inline constexpr int MarcatoreTriangoloSuPieno = 12;
inline constexpr int MarcatoreTriangoloGiuPieno = 13;

struct PennaGrafico {
  Colore VtColor = 0;
  float Width = 1;  // pixels
  int Style = PennaContinua;
};

struct MarcatoreGrafico {
  PennaGrafico Pen;  // the outline
  float Size = 120;  // twips
  int Style = MarcatoreQuadratoPieno;
  Colore FillColor = 0;
};

struct PennelloGrafico {
  Colore FillColor = 0;
};

// The look every point of a series takes unless told otherwise.
struct PuntoDatiGrafico {
  PennelloGrafico Brush;
  MarcatoreGrafico Marker;
};

struct MarcatoriSerie {
  bool Auto = true;  // the view picks a marker style by series
  bool Show = false;
};

// One item of the series collection: the line through the points, the
// markers on them, the text in the legend (none when empty).
struct SerieGrafico {
  std::string LegendText;
  PennaGrafico Pen;
  MarcatoriSerie SeriesMarker;
  PuntoDatiGrafico DataPoint;
};

// What a view of the chart is told after each change.
class VistaChart {
 public:
  virtual ~VistaChart() = default;
  // Data, series, titles or axes.
  virtual void ContenutoCambiato() {}
  // Left, Top, Width or Height.
  virtual void GeometriaCambiata() {}
  // The chart's picture wanted on the clipboard.
  virtual void CopiaRichiesta() {}
};

class Chart : public GeometriaControllo {
 public:
  Chart() = default;
  // A chart stands for one control on a window: it is not copied.
  Chart(const Chart&) = delete;
  Chart& operator=(const Chart&) = delete;

  // The view told of every change; nullptr for none. Not owned.
  void ImpostaVista(VistaChart* vista) { vista_ = vista; }


  // Changing the size keeps the texts of the cells that stay and the series
  // items of the columns that stay; new items get a colour by series. A
  // table of more than 2^31 - 1 cells is refused (std::length_error).
  int RowCount() const { return rowCount_; }
  void SetRowCount(int righe);
  int ColumnCount() const { return columnCount_; }
  void SetColumnCount(int colonne);

  // The current cell, 1 to RowCount and 1 to ColumnCount (0 while there is
  // none); outside, std::out_of_range.
  int Row() const { return row_; }
  void SetRow(int riga) {
    Verifica(riga, rowCount_, "riga");
    row_ = riga;
  }
  int Column() const { return column_; }
  void SetColumn(int colonna) {
    Verifica(colonna, columnCount_, "colonna");
    column_ = colonna;
  }
  std::string Data() const { return Testo(row_, column_); }
  void SetData(const std::string& testo);
  // A finite number into the current cell; its text is NumeroScritto's.
  void SetDataNumero(double valore) {
    celle_[Posizione(row_, column_)] = valore;
    Cambiato();
  }

  // Any cell, the current one left where it is.
  std::string Testo(int riga, int colonna) const;
  // The number a cell was given as a number; nothing for a text.
  std::optional<double> Numero(int riga, int colonna) const {
    if (const double* numero = std::get_if<double>(&celle_[Posizione(riga, colonna)])) return *numero;
    return std::nullopt;
  }

  // Label columns of the data table; an X-Y chart draws none of them.
  int RowLabelCount() const { return rowLabelCount_; }
  void SetRowLabelCount(int n);

  // Item 1 to ColumnCount; outside, std::out_of_range. Asking for an item to
  // change tells the view.
  SerieGrafico& SeriesCollection(int item);
  const SerieGrafico& SeriesCollection(int item) const;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& titolo);
  // Titles of the x axis (AsseX) and of the y axis (AsseY).
  enum Asse { AsseX = 0, AsseY = 1 };
  const std::string& AxisTitle(Asse asse) const { return axisTitle_[asse]; }
  void SetAxisTitle(Asse asse, const std::string& titolo);
  // The same scale on both axes.
  bool UniformAxis() const { return uniformAxis_; }
  void SetUniformAxis(bool uniforme);
  bool ShowLegend() const { return showLegend_; }
  void SetShowLegend(bool mostra);

  // The chart's picture to the clipboard.
  void EditCopy();

 protected:
  void GeometriaCambiata() override {
    if (vista_) vista_->GeometriaCambiata();
  }

 private:
  // An index from 1 to limite, else std::out_of_range.
  static void Verifica(int indice, int limite, const char* cosa) {
    if (indice < 1 || indice > limite) [[unlikely]]
      FuoriDalGrafico(indice, limite, cosa);
  }
  [[noreturn]] static void FuoriDalGrafico(int indice, int limite, const char* cosa);
  std::size_t Posizione(int riga, int colonna) const {
    Verifica(riga, rowCount_, "riga");
    Verifica(colonna, columnCount_, "colonna");
    return static_cast<size_t>(colonna - 1) * static_cast<size_t>(rowCount_) +
           static_cast<size_t>(riga - 1);
  }
  void Ridimensiona(int righe, int colonne);
  void Cambiato() {
    if (vista_) vista_->ContenutoCambiato();
  }

  VistaChart* vista_ = nullptr;
  int rowCount_ = 0, columnCount_ = 0;
  int row_ = 0, column_ = 0;
  int rowLabelCount_ = 1;
  // Column by column: a series' points lie together, and series come and go
  // without moving the others.
  std::vector<std::variant<std::string, double>> celle_;
  std::vector<SerieGrafico> serie_;
  std::string title_;
  std::string axisTitle_[2];
  bool uniformAxis_ = true;
  bool showLegend_ = true;
};

}  // namespace platform
