#pragma once
// Array and collection tools of the numerics module: search, nearest value,
// deletion, cyclic indexes, reversal, rotation, copy, comparison of vertex
// lists, sorting with a permutation, and the tables' rows and columns.
// Arrays keep their own lower bound; a count n means the first n elements from
// the lower bound unless a function says "from index 1". Collections are
// 1-based lists.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <vector>

#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/MsgBox.h"

namespace Matematica {

// A collection is a list whose item i is Elemento(c, i), i from 1.
template <class T>
using Collezione = std::vector<T>;

template <class T>
T& Elemento(Collezione<T>& c, int i) {
  return c.at(static_cast<size_t>(i - 1));
}
template <class T>
const T& Elemento(const Collezione<T>& c, int i) {
  return c.at(static_cast<size_t>(i - 1));
}

// ---------------------------------------------------------------- search

// First i in 1..n with a(i) == valore, whatever the lower bound; -1 when none.
template <class T, class V>
int IndiceInArray(const Vettore<T>& a, const V& valore, int n) {
  for (int i = 1; i <= n; ++i)
    if (a(i) == valore) return i;
  return -1;
}

// First i in 1..n nearest to valore (ties keep the first); n == 1 answers 1
// without reading the array; 0 when no distance is below 1E20.
template <class T>
int IndiceValorePiuVicino(const Vettore<T>& a, double valore, int n) {
  if (n == 1) return 1;
  int indice = 0;
  double migliore = 1E20;
  for (int i = 1; i <= n; ++i) {
    const double d = std::fabs(valore - static_cast<double>(a(i)));
    if (d < migliore) {
      migliore = d;
      indice = i;
    }
  }
  return indice;
}

// ---------------------------------------------------------------- indexes

template <class T>
void EstremiIndici(const Vettore<T>& a, int n, int& lo, int& hi) {
  lo = a.Lb();
  hi = lo + n - 1;
}

// The index after i among the first n, wrapping from the last to the first.
template <class T>
int IndiceSuccessivo(const Vettore<T>& a, int n, int i) {
  int lo, hi;
  EstremiIndici(a, n, lo, hi);
  return i < hi ? i + 1 : lo;
}

template <class T>
int IndicePrecedente(const Vettore<T>& a, int n, int i) {
  int lo, hi;
  EstremiIndici(a, n, lo, hi);
  return i > lo ? i - 1 : hi;
}

// j brought back into the first n indexes by one wrap at most.
template <class T>
int IndiceCiclico(const Vettore<T>& a, int n, int j) {
  int lo, hi;
  EstremiIndici(a, n, lo, hi);
  if (j < lo) return j - lo + hi + 1;
  if (j > hi) return j - hi + lo - 1;
  return j;
}

// ---------------------------------------------------------------- editing

// Removes element k of the first n (elements k+1..n move down, n drops by one,
// the array ends at lb..n). A list of fewer than two elements is left alone.
template <class T>
void EliminaElementoArray(Vettore<T>& a, int& n, int k, int lb) {
  if (n < 2) return;
  for (int i = k; i < n; ++i) a(i) = a(i + 1);
  --n;
  Vettore<T> nuovo(lb, n);
  for (int i = std::max(lb, a.Lb()); i <= std::min(n, a.Ub()); ++i) nuovo(i) = a(i);
  a = std::move(nuovo);
}

// Reverses the whole array in place.
template <class T>
void InvertiArray(Vettore<T>& a) {
  std::reverse(a.Dati().begin(), a.Dati().end());
}

// Reverses elements 1..n in place.
template <class T>
void InvertiArray(Vettore<T>& a, int n) {
  for (int i = 1, j = n; i < j; ++i, --j) std::swap(a(i), a(j));
}

// destinazione becomes the source's elements lo..hi, lo = the source's lower
// bound, hi = its upper bound or lo + n - 1.
template <class T>
void CopiaArray(const Vettore<T>& sorgente, Vettore<T>& destinazione,
                std::optional<int> n = std::nullopt) {
  const int lo = sorgente.Lb();
  const int hi = n ? lo + *n - 1 : sorgente.Ub();
  Vettore<T> copia(lo, hi);
  for (int i = lo; i <= hi; ++i) copia(i) = sorgente(i);
  destinazione = std::move(copia);
}

// The first n elements rotated so that element k comes first; the array ends
// with exactly those n elements.
template <class T>
void RuotaArray(Vettore<T>& a, int n, int k) {
  const int lo = a.Lb();
  Vettore<T> ruotato(lo, lo + n - 1);
  for (int m = 0; m < n; ++m) ruotato(lo + m) = a(IndiceCiclico(a, n, k + m));
  CopiaArray(ruotato, a);
}

// Swaps a and b; with cambiaSegno both then change sign.
template <class T>
void Scambia(T& a, T& b, bool cambiaSegno = false) {
  std::swap(a, b);
  if (cambiaSegno) {
    a = -a;
    b = -b;
  }
}

// ---------------------------------------------------------------- comparison

template <class T>
bool ArraysUguali(const Vettore<T>& a, const Vettore<T>& b, int da, int fino) {
  for (int i = da; i <= fino; ++i)
    if (!(a(i) == b(i))) return false;
  return true;
}

// a equals b, or b read backwards, over da..fino.
template <class T>
bool ArraysUgualiInvertibili(const Vettore<T>& a, const Vettore<T>& b, int da, int fino) {
  if (ArraysUguali(a, b, da, fino)) return true;
  Vettore<T> invertito;
  CopiaArray(b, invertito);
  InvertiArray(invertito);
  return ArraysUguali(a, invertito, da, fino);
}

// Whether the two lists hold the same sequence read in either direction and,
// with ruota, from any starting element. Each list is read over its own bounds;
// lists of different lengths never coincide.
template <class T>
bool ArraysCoincidenti(const Vettore<T>& a, const Vettore<T>& b, bool ruota) {
  if (a.Vuoto() || b.Vuoto()) {
    platform::MsgBox("Errore in ArraysCoincidenti. Array nullo");
    return false;
  }
  if (a.Conta() != b.Conta()) return false;
  const int n = a.Conta();
  const int lo = a.Lb();
  const int hi = a.Ub();
  // b on a's bounds, so that the two are compared index by index.
  Vettore<T> c(lo, hi);
  std::copy(b.Dati().begin(), b.Dati().end(), c.Dati().begin());
  // Rotates v so that its first element equal to a(lo) comes first.
  auto inizioComeA = [&](Vettore<T>& v) {
    const auto trovato = std::find(v.Dati().begin(), v.Dati().end(), a(lo));
    if (trovato == v.Dati().end()) return false;
    RuotaArray(v, n, lo + static_cast<int>(trovato - v.Dati().begin()));
    return true;
  };
  if (!ruota) {
    if (std::find(c.Dati().begin(), c.Dati().end(), a(lo)) == c.Dati().end()) return false;
    return ArraysUgualiInvertibili(a, c, lo, hi);
  }
  Vettore<T> inverso = c;
  InvertiArray(inverso);
  if (!inizioComeA(c)) return false;
  if (ArraysUgualiInvertibili(a, c, lo, hi)) return true;
  // Read backwards, the element equal to a(lo) must come first too.
  return inizioComeA(inverso) && ArraysUguali(a, inverso, lo, hi);
}

// ---------------------------------------------------------------- sorting

// Ascending, stable sort of a(lo..hi). compagno, when given, receives lo..hi
// such that compagno(i) is the index the element now at i had before.
template <class T>
void OrdinaArray(Vettore<T>& a, int lo, int hi, Vettore<int>* compagno = nullptr) {
  if (hi < lo) return;
  std::vector<int> ordine(static_cast<size_t>(hi - lo + 1));
  std::iota(ordine.begin(), ordine.end(), lo);
  std::stable_sort(ordine.begin(), ordine.end(), [&a](int i, int j) { return a(i) < a(j); });
  std::vector<T> valori;
  valori.reserve(ordine.size());
  for (int i : ordine) valori.push_back(a(i));
  for (int i = lo; i <= hi; ++i) a(i) = valori[static_cast<size_t>(i - lo)];
  if (compagno) {
    compagno->ReDim(lo, hi);
    for (int i = lo; i <= hi; ++i) (*compagno)(i) = ordine[static_cast<size_t>(i - lo)];
  }
}

// Sorts the first n elements of an array; nothing when n < 1.
template <class T>
void OrdinaArrayOCollezione(Vettore<T>& a, int n, Vettore<int>* compagno = nullptr) {
  if (n < 1) return;
  OrdinaArray(a, a.Lb(), a.Lb() + n - 1, compagno);
}

// Sorts the first n items of a collection, which then holds just those items.
template <class T>
void OrdinaArrayOCollezione(Collezione<T>& c, int n, Vettore<int>* compagno = nullptr) {
  if (n < 1) return;
  Vettore<T> a(1, n);
  for (int i = 1; i <= n; ++i) a(i) = Elemento(c, i);
  OrdinaArray(a, 1, n, compagno);
  c = std::move(a.Dati());
}

// result(i) = sorgente(indici(i)) for the first n indexes from the source's
// lower bound (n defaults to the source's element count): applies a sort
// permutation to a parallel array.
template <class T>
Vettore<T> EstraiPerIndici(const Vettore<T>& sorgente, const Vettore<int>& indici,
                           std::optional<int> n = std::nullopt) {
  const int lo = sorgente.Lb();
  Vettore<T> risultato(lo, lo + n.value_or(sorgente.Conta()) - 1);
  for (int i = lo; i <= risultato.Ub(); ++i) risultato(i) = sorgente(indici(i));
  return risultato;
}

template <class T>
Vettore<T> EstraiPerIndici(const Collezione<T>& sorgente, const Vettore<int>& indici, int n) {
  Vettore<T> risultato(1, n);
  for (int i = 1; i <= n; ++i) risultato(i) = Elemento(sorgente, indici(i));
  return risultato;
}

// ---------------------------------------------------------------- tables

// Row count of a table; 0 for one never dimensioned.
template <class T>
int NumeroElementi(const Matrice<T>& m) {
  return m.Dimensionata() ? m.Righe() : 0;
}
template <class T>
int NumeroElementi(const Vettore<T>& a) {
  return a.Conta();
}

// Column count of a table; 1 for a list or a table never dimensioned.
template <class T>
int NumeroColonne(const Matrice<T>& m) {
  return m.Dimensionata() ? m.Colonne() : 1;
}
template <class T>
int NumeroColonne(const Vettore<T>&) {
  return 1;
}

template <class T>
bool LimitiMatrice(const Matrice<T>& m, int& lb1, int& ub1, int& lb2, int& ub2) {
  if (NumeroElementi(m) == 0) return false;
  lb1 = m.Lb1();
  ub1 = m.Ub1();
  lb2 = m.Lb2();
  ub2 = m.Ub2();
  return true;
}

// vettore(j) = m(i, j) for every column j; vettore must already hold them.
template <class T>
void EstraiRigaMatrice(const Matrice<T>& m, int i, Vettore<T>& vettore) {
  for (int j = m.Lb2(); j <= m.Ub2(); ++j) vettore(j) = m(i, j);
}

template <class T>
Vettore<T> RigaMatrice(const Matrice<T>& m, int i) {
  Vettore<T> riga(m.Lb2(), m.Ub2());
  EstraiRigaMatrice(m, i, riga);
  return riga;
}

template <class T>
Vettore<T> ColonnaMatrice(const Matrice<T>& m, int j) {
  Vettore<T> colonna(m.Lb1(), m.Ub1());
  for (int i = m.Lb1(); i <= m.Ub1(); ++i) colonna(i) = m(i, j);
  return colonna;
}

// destinazione = sorgente with r more rows and c more columns (new elements
// empty); nothing when the source was never dimensioned. The two may be the
// same table.
template <class T>
void AmpliaMatrice(const Matrice<T>& sorgente, Matrice<T>& destinazione, int r, int c) {
  if (!sorgente.Dimensionata()) return;
  Matrice<T> ampliata(sorgente.Lb1(), sorgente.Ub1() + r, sorgente.Lb2(), sorgente.Ub2() + c);
  for (int i = sorgente.Lb1(); i <= std::min(sorgente.Ub1(), ampliata.Ub1()); ++i)
    for (int j = sorgente.Lb2(); j <= std::min(sorgente.Ub2(), ampliata.Ub2()); ++j)
      ampliata(i, j) = sorgente(i, j);
  destinazione = std::move(ampliata);
}

// The table loses row i; the later rows move up by one.
template <class T>
void EliminaRigaMatrice(Matrice<T>& m, int i) {
  if (i < m.Lb1() || i > m.Ub1()) throw std::out_of_range("riga fuori dai limiti");
  Matrice<T> ridotta(m.Lb1(), m.Ub1() - 1, m.Lb2(), m.Ub2());
  for (int r = ridotta.Lb1(); r <= ridotta.Ub1(); ++r)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) ridotta(r, j) = m(r < i ? r : r + 1, j);
  m = std::move(ridotta);
}

template <class T, class V>
void RiempiMatrice(Matrice<T>& m, const V& valore) {
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) m(i, j) = valore;
}

}  // namespace Matematica
