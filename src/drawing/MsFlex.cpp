#include "drawing/MsFlex.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "drawing/NumeroCella.h"
#include "model/Array.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "platform/MsgBox.h"

namespace MsFlex {
namespace {

using platform::FlexGrid;

std::string TestoCella(double valore, const std::string& formato) {
  return formato.empty() ? Formattazione::TestoNumero(valore)
                         : Formattazione::Formato(valore, formato);
}

std::string TestoCella(const std::string& valore, const std::string& formato) {
  if (formato.empty() || !NumeroCella::Numerico(valore)) return valore;
  return Formattazione::Formato(Generale::ValNumero(valore), formato);
}

// The largest whole number not above v.
int Intero(double v) {
  const double intero = std::floor(v);
  if (!(intero >= INT_MIN && intero <= INT_MAX))
    throw std::out_of_range("indice di cella non valido");
  return static_cast<int>(intero);
}

template <class T>
void ScriviVettore(const Vettore<T>& vettore, int riga, FlexGrid& griglia) {
  for (int i = vettore.Lb(); i <= vettore.Ub(); ++i) ScriveCella(vettore(i), riga, i, griglia);
}

template <class T>
void ScriviMatrice(FlexGrid& griglia, const Matrice<T>& matrice, const std::string& formato,
                   bool ridimensiona) {
  if (ridimensiona) {
    griglia.SetRows(Matematica::NumeroElementi(matrice) + 1);
    griglia.SetCols((matrice.Dimensionata() ? matrice.Colonne() : 0) + 1);
  }
  // Only the cells both have: a table on other bounds is not read past.
  for (int i = std::max(1, matrice.Lb1()); i <= std::min(griglia.Rows() - 1, matrice.Ub1()); ++i)
    for (int j = std::max(1, matrice.Lb2()); j <= std::min(griglia.Cols() - 1, matrice.Ub2()); ++j)
      griglia.SetTextMatrix(i, j, TestoCella(matrice(i, j), formato));
}

template <class T>
void LeggiMatrice(const FlexGrid& griglia, Matrice<T>& matrice, int r0, int c0,
                  bool ridimensiona) {
  const int nr = griglia.Rows() - 1;
  const int nc = griglia.Cols() - 1;
  if (nr < 1) return;
  try {
    if (ridimensiona) matrice.ReDim(r0, nr, c0, nc);
    for (int i = r0; i <= nr; ++i)
      for (int j = c0; j <= nc; ++j) {
        try {
          LeggeCellaNumero(matrice(i, j), i, j, griglia);
        } catch (const Generale::NumeroNonValido& motivo) {
          throw CellaNonNumerica(griglia, i, j, motivo);  // the data's fault, for the window
        }
      }
  } catch (const Generale::NumeroNonValido&) {
    throw;
  } catch (const std::exception&) {
    platform::MsgBox("Errore in LeggeGriglia", platform::Pulsanti::Ok, platform::Icona::Critica);
  }
}

}  // namespace

int IndiceCella(int riga, int colonna, const FlexGrid& griglia) {
  const long long indice = static_cast<long long>(riga) * griglia.Cols() + colonna;
  if (indice < INT_MIN || indice > INT_MAX)
    throw std::out_of_range("cella (" + std::to_string(riga) + ", " + std::to_string(colonna) +
                            ") fuori dalla griglia");
  return static_cast<int>(indice);
}

void ScriveCella(const std::string& valore, double riga, double colonna, FlexGrid& griglia) {
  const int r = Intero(riga);
  const int c = Intero(colonna);
  // A column past the last would otherwise reach a cell of the next row.
  if (c < 0 || c >= griglia.Cols())
    throw std::out_of_range("colonna " + std::to_string(c) + " fuori dalla griglia");
  griglia.SetTextArray(IndiceCella(r, c, griglia), valore);
}

void ScriveCella(double valore, double riga, double colonna, FlexGrid& griglia) {
  ScriveCella(Formattazione::TestoNumero(valore), riga, colonna, griglia);
}

std::string LeggeCella(int riga, int colonna, const FlexGrid& griglia) {
  return griglia.TextMatrix(riga, colonna);
}

void LeggeCellaNumero(std::string& valore, int riga, int colonna, const FlexGrid& griglia) {
  valore = griglia.TextMatrix(riga, colonna);
}

void LeggeCellaNumero(double& valore, int riga, int colonna, const FlexGrid& griglia) {
  valore = Generale::ValNumero(griglia.TextMatrix(riga, colonna));
}

void ScriveVettoreInGriglia(const Vettore<std::string>& vettore, int riga, FlexGrid& griglia) {
  ScriviVettore(vettore, riga, griglia);
}

void ScriveVettoreInGriglia(const Vettore<double>& vettore, int riga, FlexGrid& griglia) {
  ScriviVettore(vettore, riga, griglia);
}

void ScriveMatriceInGriglia(FlexGrid& griglia, const Matrice<std::string>& matrice,
                            const std::string& formato, bool ridimensiona) {
  ScriviMatrice(griglia, matrice, formato, ridimensiona);
}

void ScriveMatriceInGriglia(FlexGrid& griglia, const Matrice<double>& matrice,
                            const std::string& formato, bool ridimensiona) {
  ScriviMatrice(griglia, matrice, formato, ridimensiona);
}

void LeggeRigaGriglia(Vettore<std::string>& riga, int r, const FlexGrid& griglia) {
  riga.ReDim(1, griglia.Cols() - 1);
  for (int j = 1; j < griglia.Cols(); ++j) riga(j) = griglia.TextMatrix(r, j);
}

void LeggeGriglia(const FlexGrid& griglia, Matrice<std::string>& matrice, int r0, int c0,
                  bool ridimensiona) {
  LeggiMatrice(griglia, matrice, r0, c0, ridimensiona);
}

void LeggeGriglia(const FlexGrid& griglia, Matrice<double>& matrice, int r0, int c0,
                  bool ridimensiona) {
  LeggiMatrice(griglia, matrice, r0, c0, ridimensiona);
}

void EliminaRigaGriglia(FlexGrid& griglia, int riga) {
  if (riga < 1 || riga >= griglia.Rows()) return;
  Matrice<double> matrice;
  LeggeGriglia(griglia, matrice, 1, 1, true);
  Matematica::EliminaRigaMatrice(matrice, riga);
  ScriveMatriceInGriglia(griglia, matrice, "", true);
}

void NumeraRighe(FlexGrid& griglia) {
  for (int i = 1; i < griglia.Rows(); ++i) griglia.SetTextMatrix(i, 0, std::to_string(i));
}

void AllineaCelle(FlexGrid& griglia, int allineamento) {
  for (int r = 0; r < griglia.Rows(); ++r)
    for (int c = 0; c < griglia.Cols(); ++c) griglia.SetCellAlignment(r, c, allineamento);
  if (griglia.Rows() == 0 || griglia.Cols() == 0) return;
  griglia.SetRow(griglia.Rows() - 1);
  griglia.SetCol(griglia.Cols() - 1);
}

void ZoomGriglia(std::span<FlexGrid* const> griglie, int indice, int altezza) {
  if (indice < 0 || static_cast<std::size_t>(indice) >= griglie.size())
    throw std::out_of_range("griglia " + std::to_string(indice) + " fuori dall'elenco");
  // Sized on first use, and grown with an array of grids that has grown since.
  const std::size_t n = griglie.size();
  if (!Stato.ZoomInizializzato || Stato.GrigliaIngrandita.size() < n) {
    Stato.GrigliaIngrandita.resize(n, false);
    Stato.AltezzaGrigliaSalvata.resize(n, false);
    Stato.AltezzeGriglia.resize(n, 0);
    Stato.ZoomInizializzato = true;
  }
  const auto i = static_cast<std::size_t>(indice);
  FlexGrid& griglia = *griglie[i];
  if (!Stato.AltezzaGrigliaSalvata[i]) {
    Stato.AltezzeGriglia[i] = griglia.Height();
    Stato.AltezzaGrigliaSalvata[i] = true;
  }
  Stato.GrigliaIngrandita[i] = !Stato.GrigliaIngrandita[i];
  griglia.SetHeight(Stato.GrigliaIngrandita[i] ? std::max(altezza - griglia.Top() - 800, 0)
                                               : Stato.AltezzeGriglia[i]);
}

}  // namespace MsFlex
