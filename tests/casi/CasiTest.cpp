// Every case file of the case folder, checked against its expected values.
// The folder is the first command-line argument, or SECTION_CASES, or the
// project's tests/cases.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>

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
TEST(EseguiCaso, DivisionsBeyondTheBoxAreAnError) {
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
