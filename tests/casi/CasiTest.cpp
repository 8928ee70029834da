// Every case file of the case folder, checked against its expected values.
// The folder is the first command-line argument, or SECTION_CASES, or the
// project's tests/cases.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "EseguiCaso.h"
#include "FileCaso.h"

namespace {

std::string cartellaCasi = TRAMOK_CASI;

class Casi : public ::testing::TestWithParam<std::string> {};

TEST_P(Casi, RisultatiAttesi) {
  std::string errore;
  const auto caso = LeggiCaso(GetParam(), errore);
  ASSERT_TRUE(caso) << errore;
  ASSERT_FALSE(caso->attese.empty() && caso->testiAttesi.empty())
      << GetParam() << ": nessun risultato atteso";
  const RisultatiCaso risultati = EseguiCaso(*caso);
  ASSERT_TRUE(risultati.errore.empty()) << GetParam() << ": " << risultati.errore;
  for (const AttesaNumero& attesa : caso->attese) {
    const auto trovato = risultati.numeri.find(attesa.campo);
    if (trovato == risultati.numeri.end()) {
      ADD_FAILURE() << GetParam() << ":" << attesa.riga << ": nessun risultato '" << attesa.campo
                    << "'";
      continue;
    }
    if (!std::isfinite(trovato->second)) {
      ADD_FAILURE() << GetParam() << ":" << attesa.riga << ": '" << attesa.campo
                    << "' non finito (" << trovato->second << ")";
      continue;
    }
    EXPECT_NEAR(trovato->second, attesa.valore, attesa.tolleranza)
        << GetParam() << ":" << attesa.riga << ": " << attesa.campo;
  }
  for (const AttesaTesto& attesa : caso->testiAttesi) {
    const auto trovato = risultati.testi.find(attesa.controllo);
    if (trovato == risultati.testi.end()) {
      ADD_FAILURE() << GetParam() << ":" << attesa.riga << ": nessun testo in '"
                    << attesa.controllo << "'";
      continue;
    }
    EXPECT_EQ(trovato->second, attesa.testo)
        << GetParam() << ":" << attesa.riga << ": " << attesa.controllo;
  }
}

std::string NomeTest(const ::testing::TestParamInfo<std::string>& info) {
  std::string nome = info.param.substr(info.param.find_last_of('/') + 1);
  nome = nome.substr(0, nome.find('.'));
  for (char& c : nome)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return nome;
}

// The generator runs inside InitGoogleTest, after main has chosen the folder.
INSTANTIATE_TEST_SUITE_P(Sezioni, Casi, ::testing::ValuesIn(FileCasi(cartellaCasi)), NomeTest);

// The window's box holds a 16-bit number: more is the case's error, not a
// number of divisions wrapped round.
TEST(EseguiCaso, DivisionsAndStripsBeyondTheBoxAreAnError) {
  Caso caso;
  caso.parole = {{"verification", "SLU+"}, {"analysis", "MxMy"}};
  caso.numeri = {{"vertices", {150, 250, -150, 250, -150, -250, 150, -250}},
                 {"bars", {0, -200, 500}},
                 {"fck", {25}},
                 {"strips", {100}},
                 {"divisions", {40000}}};
  EXPECT_NE(EseguiCaso(caso).errore.find("'divisions'"), std::string::npos);
  caso.numeri["divisions"] = {12};
  EXPECT_EQ(EseguiCaso(caso).errore, "");
  caso.numeri["strips"] = {40000};
  EXPECT_NE(EseguiCaso(caso).errore.find("'strips'"), std::string::npos);
}

// Each range of the input, just inside and just outside, through the case
// runner: inside the run goes on (whatever its outcome), outside it is
// refused with the value named.
TEST(EseguiCaso, EveryRangeJustInsideAndJustOutside) {
  struct Riga {
    std::string chiave;
    double dentro, fuori;
    std::string nome;
  };
  const std::vector<Riga> righe{
      {"fck", 90, 90.01, "fck = 90.01"},
      {"fck", 8, 7.99, "fck = 7.99"},
      {"gamma_c", 1, 0.99, "γc = 0.99"},
      {"gamma_c", 3, 3.01, "γc = 3.01"},
      {"alpha_cc", 1, 1.01, "αcc = 1.01"},
      {"fcc_fcd", 1, 1.01, "fcc/fcd = 1.01"},
      {"Es", 100000, 99999, "Es = 99999"},
      {"Es", 300000, 300001, "Es = 300001"},
      {"fyd", 2000, 2000.5, "fyd delle barre = 2000.5"},
      // The mildest steel, fyk 200, over γs 3 and FC 3: 200 / 9 = 22.2 > 20.
      {"fyd", 20, 19.99, "fyd delle barre = 19.99"},
      // Tendons' fyd: 0 (no tendon steel, as in every row here) or from 60.
      {"fyd_cavi", 60, 59.9, "fyd dei cavi = 59.9"},
      {"eps_cu", 0.02, 0.0201, "εcu = 20.1 ‰"},
      {"eps_cu", 0.002, 0.00199, "εcu = 1.99 ‰"},
      {"eps_c2", 0.001, 0.00099, "εc2 = 0.99 ‰"},
      // eps_cu of fck 25 is 3.5 per mille: eps_c2 may reach it, not pass it.
      {"eps_c2", 0.0035, 0.00352, "εc2 = 3.52 ‰ non deve superare εcu = 3.5 ‰"},
      {"eps_su", 0.1, 0.1001, "εsu = 100.1 ‰"},
      {"eps_su", 0.005, 0.00499, "εsu = 4.99 ‰"},
      {"n", 1, 0.99, "n = 0.99"},
      {"n", 100, 100.5, "n = 100.5"},
      {"moment_point", 1e5, 100001, "Il punto dei momenti = 100001 mm"},
      {"bars", 1e10, 1.01e10, "L'area di una barra = 1"},
      // 1E12 N beyond the limit of this section: outcome 2, not a refusal.
      {"N", 1e12, 1.01e12, "N = 1010000000 kN"},
      {"Mx", 1e17, 1.01e17, "Mx = 101000000000 kNm"},
  };
  for (const Riga& r : righe) {
    for (const bool fuori : {false, true}) {
      Caso caso;
      const bool elastica = r.chiave == "n";
      caso.parole = {{"verification", elastica ? "n" : "SLU+"}};
      caso.numeri = {{"vertices", {150, 250, -150, 250, -150, -250, 150, -250}},
                     {"bars", {-100, -200, 500, 100, -200, 500}},
                     {"fck", {25}},
                     {"strips", {100}}};
      const double v = fuori ? r.fuori : r.dentro;
      if (r.chiave == "moment_point")
        caso.numeri[r.chiave] = {v, 0};
      else if (r.chiave == "fyd_cavi")
        caso.numeri["fyd"] = {391.3, v};
      else if (r.chiave == "bars")
        caso.numeri[r.chiave] = {-100, -200, v, 100, -200, 500};
      else
        caso.numeri[r.chiave] = {v};
      const RisultatiCaso esito = EseguiCaso(caso);
      ASSERT_EQ(esito.errore, "") << r.chiave;
      const double rifiutata = elastica ? 5 : 6;
      const auto box = esito.testi.find("MsgBox.1");
      const std::string testo = box == esito.testi.end() ? "" : box->second;
      EXPECT_EQ(esito.numeri.at("Esito") == rifiutata, fuori) << r.chiave << " = " << v;
      EXPECT_EQ(testo.find(r.nome) != std::string::npos, fuori)
          << r.chiave << " = " << v << ": " << testo;
    }
  }
}

TEST(LeggiCaso, ANumberOutOfRangeOrWithACommaIsRefusedOnItsLine) {
  for (const std::string valore : {"1e309", "1,000", "-1e400 0"}) {
    std::ofstream(::testing::TempDir() + "n.caso") << "verification = SLU+\nN = " << valore;
    std::string errore;
    const bool letto = LeggiCaso(::testing::TempDir() + "n.caso", errore).has_value();
    EXPECT_TRUE(!letto && errore.find(":2: 'N = " + valore + "'") != std::string::npos) << errore;
  }
}

TEST(CartellaCasi, ContieneCasi) {
  EXPECT_FALSE(FileCasi(cartellaCasi).empty()) << "nessun file .caso in " << cartellaCasi;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* env = std::getenv("SECTION_CASES")) cartellaCasi = env;
  for (int i = 1; i < argc; ++i)
    if (argv[i][0] != '-') cartellaCasi = argv[i];
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
