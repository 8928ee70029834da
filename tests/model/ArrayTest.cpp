#include <gtest/gtest.h>

#include <string>

#include "model/Array.h"
#include "platform/MsgBoxScriptato.h"

using namespace Matematica;
using V = Vettore<double>;

namespace {

// A 0-based array holding the given values.
V DaZero(std::initializer_list<double> valori) {
  V a(0, static_cast<int>(valori.size()) - 1);
  std::copy(valori.begin(), valori.end(), a.Dati().begin());
  return a;
}

}  // namespace

TEST(Array, SearchAndCyclicIndexes) {
  const V a = DaZero({7, 8, 9, 7});
  EXPECT_EQ(IndiceInArray(a, 7.0, 3), 3);   // element 0 is never looked at
  EXPECT_EQ(IndiceInArray(a, 9.0, 1), -1);  // only 1..n
  EXPECT_EQ(IndiceValorePiuVicino(V{}, 5, 1), 1);
  EXPECT_EQ(IndiceValorePiuVicino(V{10, 4, 6, 5.5}, 5, 3), 2);  // a tie keeps the first
  const V b(1, 8);
  EXPECT_EQ(IndiceCiclico(b, 5, 0), 5);
  EXPECT_EQ(IndiceCiclico(b, 5, 6), 1);
  EXPECT_EQ(IndiceCiclico(b, 5, 3), 3);
  EXPECT_EQ(IndiceSuccessivo(b, 5, 5), 1);
  EXPECT_EQ(IndicePrecedente(a, 3, 0), 2);
}

TEST(Array, DeletionReversalCopyAndRotation) {
  V a{1, 2, 3, 4};
  int n = 4;
  EliminaElementoArray(a, n, 2, 1);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(a, (V{1, 3, 4}));
  V uno{9};
  int n1 = 1;
  EliminaElementoArray(uno, n1, 1, 1);  // a single element stays
  EXPECT_EQ(n1, 1);
  EXPECT_EQ(uno, V{9});

  V z = DaZero({1, 2, 3, 4});
  InvertiArray(z);
  EXPECT_EQ(z, DaZero({4, 3, 2, 1}));
  V b{1, 2, 3, 4, 5};
  InvertiArray(b, 3);
  EXPECT_EQ(b, (V{3, 2, 1, 4, 5}));
  V copia;
  CopiaArray(DaZero({5, 6, 7}), copia, 2);
  EXPECT_EQ(copia, DaZero({5, 6}));
  V c{1, 2, 3, 4, 5, 99};
  RuotaArray(c, 5, 3);  // keeps exactly the first n
  EXPECT_EQ(c, (V{3, 4, 5, 1, 2}));
}

TEST(Array, SortIsStableAndGivesThePermutation) {
  V a{3, 1, 2};
  Vettore<int> ordine;
  OrdinaArray(a, 1, 3, &ordine);
  EXPECT_EQ(a, (V{1, 2, 3}));
  EXPECT_EQ(ordine, (Vettore<int>{2, 3, 1}));
  // Equal keys keep their order; the permutation reorders a parallel list.
  V chiavi{2, 1, 2, 1};
  OrdinaArrayOCollezione(chiavi, 4, &ordine);
  EXPECT_EQ(ordine, (Vettore<int>{2, 4, 1, 3}));
  EXPECT_EQ(EstraiPerIndici(Vettore<std::string>{"a", "b", "c", "d"}, ordine),
            (Vettore<std::string>{"b", "d", "a", "c"}));
  Collezione<double> coll{5, 4, 6};
  OrdinaArrayOCollezione(coll, 3);
  EXPECT_EQ(coll, (Collezione<double>{4, 5, 6}));
  double x = 2, y = 5;
  Scambia(x, y, true);
  EXPECT_EQ(x, -5);
  EXPECT_EQ(y, -2);
}

TEST(ArraysCoincidenti, DirectionRotationAndBounds) {
  const V a{1, 2, 3, 4};
  EXPECT_TRUE(ArraysCoincidenti(a, V{4, 3, 2, 1}, false));
  EXPECT_FALSE(ArraysCoincidenti(a, V{2, 3, 4, 1}, false));
  EXPECT_TRUE(ArraysCoincidenti(a, V{3, 4, 1, 2}, true));
  EXPECT_TRUE(ArraysCoincidenti(a, V{4, 3, 2, 1}, true));
  EXPECT_TRUE(ArraysCoincidenti(a, V{2, 1, 4, 3}, true));
  EXPECT_FALSE(ArraysCoincidenti(a, V{2, 1, 3, 4}, true));
  // Each list over its own bounds; different lengths never coincide.
  platform::MsgBoxScriptato box;
  EXPECT_TRUE(ArraysCoincidenti(V{1, 2, 3}, DaZero({2, 3, 1}), true));
  EXPECT_FALSE(ArraysCoincidenti(V{1, 2, 3}, V{1, 2, 3, 1}, true));
  EXPECT_TRUE(box.Mostrati().empty());
  EXPECT_FALSE(ArraysCoincidenti(V{}, V{}, true));
  EXPECT_EQ(box.Testi(), std::vector<std::string>{"Errore in ArraysCoincidenti. Array nullo"});
}

TEST(Matrice, BoundsRowsAndColumns) {
  Matrice<double> mai;
  int lb1 = 7, ub1 = 7, lb2 = 7, ub2 = 7;
  EXPECT_FALSE(LimitiMatrice(mai, lb1, ub1, lb2, ub2));
  EXPECT_EQ(NumeroColonne(mai), 1);
  EXPECT_EQ(NumeroColonne(V(0, 4)), 1);
  Matrice<int> m(1, 3, 0, 1);
  for (int i = 1; i <= 3; ++i)
    for (int j = 0; j <= 1; ++j) m(i, j) = 10 * i + j;
  ASSERT_TRUE(LimitiMatrice(m, lb1, ub1, lb2, ub2));
  EXPECT_EQ(std::vector<int>({lb1, ub1, lb2, ub2}), std::vector<int>({1, 3, 0, 1}));
  EXPECT_EQ(RigaMatrice(m, 2).Lb(), 0);
  EXPECT_EQ(RigaMatrice(m, 2).Dati(), (std::vector<int>{20, 21}));
  EXPECT_EQ(ColonnaMatrice(m, 1), (Vettore<int>{11, 21, 31}));
  EliminaRigaMatrice(m, 2);
  EXPECT_EQ(m.Ub1(), 2);
  EXPECT_EQ(m(2, 0), 30);
  EXPECT_THROW(EliminaRigaMatrice(m, 3), std::out_of_range);
}

TEST(Matrice, EnlargingKeepsValuesAtTheirIndexes) {
  Matrice<double> m(0, 1, 1, 2);
  RiempiMatrice(m, 4);
  m(1, 2) = 9;
  AmpliaMatrice(m, m, 1, 2);  // into itself
  EXPECT_EQ(std::vector<int>({m.Lb1(), m.Ub1(), m.Ub2()}), std::vector<int>({0, 2, 4}));
  EXPECT_EQ(m(1, 2), 9);
  EXPECT_EQ(m(0, 1), 4);
  EXPECT_EQ(m(2, 4), 0);
  Matrice<double> intatta(1, 1, 1, 1);
  AmpliaMatrice(Matrice<double>{}, intatta, 1, 1);
  EXPECT_EQ(NumeroElementi(intatta), 1);
}
