#include "platform/Chart.h"

#include <algorithm>
#include <array>
#include <climits>
#include <stdexcept>

#include "platform/NumeroScritto.h"

namespace platform {
namespace {

// Colours of series nobody has styled, by series.
constexpr std::array<Colore, 8> ColoriSerie = {
    ColoreRgb(0, 0, 255),   ColoreRgb(255, 0, 0),   ColoreRgb(0, 160, 0),
    ColoreRgb(255, 0, 255), ColoreRgb(0, 160, 160), ColoreRgb(160, 120, 0),
    ColoreRgb(128, 0, 128), ColoreRgb(96, 96, 96)};

SerieGrafico SeriePredefinita(int item) {
  const Colore colore = ColoriSerie[static_cast<size_t>((item - 1) / 2) % ColoriSerie.size()];
  SerieGrafico serie;
  serie.Pen.VtColor = colore;
  serie.DataPoint.Brush.FillColor = colore;
  serie.DataPoint.Marker.Pen.VtColor = colore;
  serie.DataPoint.Marker.FillColor = colore;
  return serie;
}

}  // namespace

void Chart::FuoriDalGrafico(int indice, int limite, const char* cosa) {
  throw std::out_of_range(std::string(cosa) + " " + std::to_string(indice) +
                            " fuori dal grafico (1.." + std::to_string(limite) + ")");
}

void Chart::Ridimensiona(int righe, int colonne) {
  if (righe < 0 || colonne < 0) throw std::out_of_range("dimensioni negative del grafico");
  if (static_cast<long long>(righe) * colonne > INT_MAX)
    throw std::length_error("grafico di troppe celle");
  const size_t nuove = static_cast<size_t>(righe) * static_cast<size_t>(colonne);
  if (righe != rowCount_) {
    // The cells that stay move to their new places in the same memory, each
    // read before it is written over: from the first when the columns
    // shorten, from the last when they lengthen. The others come empty.
    const int restano = std::min(colonne, columnCount_), comuni = std::min(righe, rowCount_);
    const auto indice = [](int c, int r, int perColonna) {
      return static_cast<size_t>(c) * static_cast<size_t>(perColonna) + static_cast<size_t>(r);
    };
    const auto sposta = [&](int c, int r) {
      const size_t da = indice(c, r, rowCount_), a = indice(c, r, righe);
      if (a != da) celle_[a] = std::move(celle_[da]);
    };
    if (nuove > celle_.size()) celle_.resize(nuove);
    if (righe < rowCount_) {
      for (int c = 0; c < restano; ++c)
        for (int r = 0; r < comuni; ++r) sposta(c, r);
    } else {
      for (int c = restano - 1; c >= 0; --c)
        for (int r = comuni - 1; r >= 0; --r) sposta(c, r);
    }
    for (int c = 0; c < colonne; ++c)
      for (int r = c < restano ? comuni : 0; r < righe; ++r)
        celle_[indice(c, r, righe)] = std::string();
  }
  // Column by column, the columns that stay are where they were; cut and
  // added again, a column comes back empty.
  celle_.resize(nuove);
  serie_.resize(static_cast<size_t>(std::min(colonne, columnCount_)));
  for (int item = columnCount_ + 1; item <= colonne; ++item)
    serie_.push_back(SeriePredefinita(item));
  rowCount_ = righe;
  columnCount_ = colonne;
  row_ = std::clamp(row_, std::min(1, righe), righe);
  column_ = std::clamp(column_, std::min(1, colonne), colonne);
  Cambiato();
}

void Chart::SetRowCount(int righe) { Ridimensiona(righe, columnCount_); }

void Chart::SetColumnCount(int colonne) { Ridimensiona(rowCount_, colonne); }

std::string Chart::Testo(int riga, int colonna) const {
  const auto& cella = celle_[Posizione(riga, colonna)];
  if (const double* numero = std::get_if<double>(&cella)) return NumeroScritto(*numero);
  return std::get<std::string>(cella);
}

void Chart::SetData(const std::string& testo) {
  celle_[Posizione(row_, column_)] = testo;
  Cambiato();
}

void Chart::SetRowLabelCount(int n) {
  rowLabelCount_ = std::max(n, 0);
  Cambiato();
}

SerieGrafico& Chart::SeriesCollection(int item) {
  Verifica(item, columnCount_, "serie");
  Cambiato();
  return serie_[static_cast<size_t>(item - 1)];
}

const SerieGrafico& Chart::SeriesCollection(int item) const {
  Verifica(item, columnCount_, "serie");
  return serie_[static_cast<size_t>(item - 1)];
}

void Chart::SetTitle(const std::string& titolo) {
  title_ = titolo;
  Cambiato();
}

void Chart::SetAxisTitle(Asse asse, const std::string& titolo) {
  axisTitle_[asse] = titolo;
  Cambiato();
}

void Chart::SetUniformAxis(bool uniforme) {
  uniformAxis_ = uniforme;
  Cambiato();
}

void Chart::SetShowLegend(bool mostra) {
  showLegend_ = mostra;
  Cambiato();
}

void Chart::EditCopy() {
  if (vista_) vista_->CopiaRichiesta();
}

}  // namespace platform
