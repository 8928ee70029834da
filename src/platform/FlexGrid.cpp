#include "platform/FlexGrid.h"

#include <algorithm>
#include <stdexcept>

namespace platform {

void FlexGrid::Verifica(int indice, int limite, const char* cosa) {
  if (indice < 0 || indice >= limite)
    throw std::out_of_range(std::string(cosa) + " " + std::to_string(indice) +
                            " fuori dalla griglia (0.." + std::to_string(limite - 1) + ")");
}

void FlexGrid::Ridimensiona(int righe, int colonne) {
  if (righe < 0 || colonne < 0) throw std::out_of_range("dimensioni negative della griglia");
  std::vector<std::string> testi(static_cast<size_t>(righe) * static_cast<size_t>(colonne));
  for (int r = 0; r < std::min(righe, rows_); ++r)
    for (int c = 0; c < std::min(colonne, cols_); ++c)
      testi[static_cast<size_t>(r * colonne + c)] =
          std::move(testi_[static_cast<size_t>(r * cols_ + c)]);
  testi_ = std::move(testi);
  larghezze_.resize(static_cast<size_t>(colonne), LarghezzaColonnaPredefinita);
  allineamenti_.resize(static_cast<size_t>(colonne), AllineamentoGenerale);
  rows_ = righe;
  cols_ = colonne;
  row_ = std::clamp(row_, 0, std::max(rows_ - 1, 0));
  col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
}

void FlexGrid::SetRows(int righe) { Ridimensiona(righe, cols_); }

void FlexGrid::SetCols(int colonne) { Ridimensiona(rows_, colonne); }

void FlexGrid::SetRow(int riga) {
  Verifica(riga, rows_, "riga");
  row_ = riga;
}

void FlexGrid::SetCol(int colonna) {
  Verifica(colonna, cols_, "colonna");
  col_ = colonna;
}

int FlexGrid::ColWidth(int colonna) const {
  Verifica(colonna, cols_, "colonna");
  return larghezze_[static_cast<size_t>(colonna)];
}

void FlexGrid::SetColWidth(int colonna, int twips) {
  Verifica(colonna, cols_, "colonna");
  larghezze_[static_cast<size_t>(colonna)] = twips;
}

int FlexGrid::ColAlignment(int colonna) const {
  Verifica(colonna, cols_, "colonna");
  return allineamenti_[static_cast<size_t>(colonna)];
}

void FlexGrid::SetColAlignment(int colonna, int allineamento) {
  Verifica(colonna, cols_, "colonna");
  allineamenti_[static_cast<size_t>(colonna)] = allineamento;
}

std::string FlexGrid::TextMatrix(int riga, int colonna) const {
  Verifica(riga, rows_, "riga");
  Verifica(colonna, cols_, "colonna");
  return testi_[static_cast<size_t>(riga * cols_ + colonna)];
}

void FlexGrid::SetTextMatrix(int riga, int colonna, const std::string& testo) {
  Verifica(riga, rows_, "riga");
  Verifica(colonna, cols_, "colonna");
  testi_[static_cast<size_t>(riga * cols_ + colonna)] = testo;
}

}  // namespace platform
