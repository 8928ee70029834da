#include "platform/FlexGrid.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace platform {
namespace {

std::vector<std::string> Dividi(const std::string& testo, char separatore) {
  std::vector<std::string> parti;
  std::size_t inizio = 0;
  for (std::size_t fine; (fine = testo.find(separatore, inizio)) != std::string::npos;
       inizio = fine + 1)
    parti.push_back(testo.substr(inizio, fine - inizio));
  parti.push_back(testo.substr(inizio));
  return parti;
}

std::optional<int> AllineamentoDaSegno(char segno) {
  switch (segno) {
    case '<': return AllineamentoSinistraCentro;
    case '^': return AllineamentoCentroCentro;
    case '>': return AllineamentoDestraCentro;
    default: return std::nullopt;
  }
}

}  // namespace

void FlexGrid::FuoriDallaGriglia(int indice, int limite, const char* cosa) {
  throw std::out_of_range(std::string(cosa) + " " + std::to_string(indice) +
                            " fuori dalla griglia (0.." + std::to_string(limite - 1) + ")");
}

FlexGrid::Cella& FlexGrid::CellaIn(int riga, int colonna) {
  Verifica(riga, rows_, "riga");
  Verifica(colonna, cols_, "colonna");
  return celle_[static_cast<size_t>(riga) * static_cast<size_t>(cols_) +
                static_cast<size_t>(colonna)];
}

const FlexGrid::Cella& FlexGrid::CellaIn(int riga, int colonna) const {
  return const_cast<FlexGrid*>(this)->CellaIn(riga, colonna);
}

FlexGrid::Blocco::~Blocco() {
  if (--griglia_.blocchi_ > 0 || !griglia_.cambiataNelBlocco_) return;
  griglia_.cambiataNelBlocco_ = false;
  if (griglia_.vista_) griglia_.vista_->StrutturaCambiata();
}

VistaFlexGrid* FlexGrid::Vista() {
  if (blocchi_ == 0) return vista_;
  cambiataNelBlocco_ = true;
  return nullptr;
}

void FlexGrid::CellaModificata(int riga, int colonna) {
  if (VistaFlexGrid* vista = Vista()) vista->CellaCambiata(riga, colonna);
}

void FlexGrid::Ridimensiona(int righe, int colonne) {
  if (righe < 0 || colonne < 0) throw std::out_of_range("dimensioni negative della griglia");
  if (static_cast<long long>(righe) * colonne > INT_MAX)
    throw std::length_error("griglia di troppe celle");
  if (righe != rows_ || colonne != cols_) {
    std::vector<Cella> celle(static_cast<size_t>(righe) * static_cast<size_t>(colonne));
    for (int r = 0; r < std::min(righe, rows_); ++r)
      for (int c = 0; c < std::min(colonne, cols_); ++c)
        celle[static_cast<size_t>(r) * static_cast<size_t>(colonne) + static_cast<size_t>(c)] =
            std::move(CellaIn(r, c));
    celle_ = std::move(celle);
  }
  larghezze_.resize(static_cast<size_t>(colonne), LarghezzaColonnaPredefinita);
  allineamenti_.resize(static_cast<size_t>(colonne), AllineamentoGenerale);
  altezze_.resize(static_cast<size_t>(righe), AltezzaRigaPredefinita);
  rows_ = righe;
  cols_ = colonne;
  fixedRows_ = std::min(fixedRows_, rows_);
  fixedCols_ = std::min(fixedCols_, cols_);
  row_ = std::clamp(row_, 0, std::max(rows_ - 1, 0));
  col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(rows_ - 1, fixedRows_));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(cols_ - 1, fixedCols_));
  if (VistaFlexGrid* vista = Vista()) vista->StrutturaCambiata();
}

void FlexGrid::SetFocus() {
  if (vista_) vista_->FuocoRichiesto();
}

void FlexGrid::SetRows(int righe) { Ridimensiona(righe, cols_); }

void FlexGrid::SetCols(int colonne) { Ridimensiona(rows_, colonne); }

void FlexGrid::SetFixedRows(int righe) {
  Verifica(righe, rows_ + 1, "righe fisse");
  fixedRows_ = righe;
  Ridimensiona(rows_, cols_);
}

void FlexGrid::SetFixedCols(int colonne) {
  Verifica(colonne, cols_ + 1, "colonne fisse");
  fixedCols_ = colonne;
  Ridimensiona(rows_, cols_);
}

void FlexGrid::SetRow(int riga) {
  Verifica(riga, rows_, "riga");
  row_ = riga;
  if (VistaFlexGrid* vista = Vista()) vista->CellaCorrenteCambiata();
}

void FlexGrid::SetCol(int colonna) {
  Verifica(colonna, cols_, "colonna");
  col_ = colonna;
  if (VistaFlexGrid* vista = Vista()) vista->CellaCorrenteCambiata();
}

void FlexGrid::SetTopRow(int riga) {
  if (riga < fixedRows_) throw std::out_of_range("riga fissa come prima riga mostrata");
  Verifica(riga, rows_, "riga");
  topRow_ = riga;
  if (VistaFlexGrid* vista = Vista()) vista->ScorrimentoCambiato();
}

void FlexGrid::SetLeftCol(int colonna) {
  if (colonna < fixedCols_) throw std::out_of_range("colonna fissa come prima colonna mostrata");
  Verifica(colonna, cols_, "colonna");
  leftCol_ = colonna;
  if (VistaFlexGrid* vista = Vista()) vista->ScorrimentoCambiato();
}

int FlexGrid::ColWidth(int colonna) const {
  Verifica(colonna, cols_, "colonna");
  return larghezze_[static_cast<size_t>(colonna)];
}

void FlexGrid::SetColWidth(int colonna, int twips) {
  Verifica(colonna, cols_, "colonna");
  larghezze_[static_cast<size_t>(colonna)] = std::max(twips, 0);
  if (VistaFlexGrid* vista = Vista()) vista->FormatoCambiato();
}

int FlexGrid::RowHeight(int riga) const {
  Verifica(riga, rows_, "riga");
  return altezze_[static_cast<size_t>(riga)];
}

void FlexGrid::SetRowHeight(int riga, int twips) {
  Verifica(riga, rows_, "riga");
  altezze_[static_cast<size_t>(riga)] = std::max(twips, 0);
  if (VistaFlexGrid* vista = Vista()) vista->FormatoCambiato();
}

int FlexGrid::ColAlignment(int colonna) const {
  Verifica(colonna, cols_, "colonna");
  return allineamenti_[static_cast<size_t>(colonna)];
}

void FlexGrid::SetColAlignment(int colonna, int allineamento) {
  Verifica(colonna, cols_, "colonna");
  allineamenti_[static_cast<size_t>(colonna)] = allineamento;
  if (VistaFlexGrid* vista = Vista()) vista->FormatoCambiato();
}

std::string FlexGrid::TextMatrix(int riga, int colonna) const {
  const Cella& cella = CellaIn(riga, colonna);
  return cella.formato ? cella.formato(cella.cifre, cella.numero) : cella.testo;
}

void FlexGrid::SetTextMatrix(int riga, int colonna, const std::string& testo) {
  Cella& cella = CellaIn(riga, colonna);
  cella.testo = testo;
  cella.formato = nullptr;
  CellaModificata(riga, colonna);
}

void FlexGrid::SetNumeroMatrix(int riga, int colonna, double valore, int cifre,
                               FormatoNumero formato) {
  Cella& cella = CellaIn(riga, colonna);
  cella.testo.clear();
  cella.formato = formato;
  cella.numero = valore;
  cella.cifre = cifre;
  CellaModificata(riga, colonna);
}

std::string FlexGrid::TextArray(int indice) const {
  Verifica(indice, rows_ * cols_, "cella");
  return TextMatrix(indice / cols_, indice % cols_);
}

void FlexGrid::SetTextArray(int indice, const std::string& testo) {
  Verifica(indice, rows_ * cols_, "cella");
  SetTextMatrix(indice / cols_, indice % cols_, testo);
}

int FlexGrid::CellAlignment(int riga, int colonna) const {
  return CellaIn(riga, colonna).allineamento.value_or(ColAlignment(colonna));
}

void FlexGrid::SetCellAlignment(int riga, int colonna, int allineamento) {
  CellaIn(riga, colonna).allineamento = allineamento;
  CellaModificata(riga, colonna);
}

bool FlexGrid::CellFontBold(int riga, int colonna) const { return CellaIn(riga, colonna).grassetto; }

void FlexGrid::SetCellFontBold(int riga, int colonna, bool grassetto) {
  CellaIn(riga, colonna).grassetto = grassetto;
  CellaModificata(riga, colonna);
}

void FlexGrid::SetFormatString(const std::string& formato) {
  const std::size_t puntoVirgola = formato.find(';');
  const std::string intestazioni = formato.substr(0, puntoVirgola);
  if (!intestazioni.empty()) {
    std::vector<std::string> testi = Dividi(intestazioni, '|');
    SetCols(static_cast<int>(testi.size()));
    for (int c = 0; c < cols_; ++c) {
      std::string& testo = testi[static_cast<size_t>(c)];
      if (const auto allineamento = AllineamentoDaSegno(testo.empty() ? ' ' : testo[0])) {
        SetColAlignment(c, *allineamento);
        testo.erase(0, 1);
      }
      if (rows_ > 0) SetTextMatrix(0, c, testo);
    }
  }
  if (puntoVirgola != std::string::npos) {
    const std::vector<std::string> testi = Dividi(formato.substr(puntoVirgola + 1), '|');
    SetRows(fixedRows_ + static_cast<int>(testi.size()));
    for (std::size_t i = 0; i < testi.size() && cols_ > 0; ++i)
      SetTextMatrix(fixedRows_ + static_cast<int>(i), 0, testi[i]);
  }
  formatString_ = formato;
}

int FlexGrid::Somma(const std::vector<int>& dimensioni, int da, int a) {
  int somma = 0;
  for (int i = std::min(da, a); i < std::max(da, a); ++i) somma += dimensioni[static_cast<size_t>(i)];
  return a < da ? -somma : somma;
}

int FlexGrid::CellLeft() const {
  if (col_ < fixedCols_) return Somma(larghezze_, 0, col_);
  return Somma(larghezze_, 0, fixedCols_) + Somma(larghezze_, leftCol_, col_);
}

int FlexGrid::CellTop() const {
  if (row_ < fixedRows_) return Somma(altezze_, 0, row_);
  return Somma(altezze_, 0, fixedRows_) + Somma(altezze_, topRow_, row_);
}

}  // namespace platform
