#include <gtest/gtest.h>

#include "ColonnaProva.h"
#include "seismic/Pilastro.h"

using Normative3274::TestiTaglio;

// V = (M1 + M2) gamma_Rd / L; a cantilever has no top moment; EC8 scales
// each moment by its ratio r (at most 1, and 1 when not positive).
TEST(TaglioCapacita, ByCodeClassAndElement) {
  const struct {
    const char* nome;
    int normativa;
    int duttilita;
    bool mensola;
    float rInf, rSup;
    double mInf, mSup;
    double v;
    const char* resistenti;
    const char* momenti;
  } casi[] = {
      {"NTC CD A cantilever", 0, 0, true, 1, 1, 200e6, 150e6, 200e6 * 1.3 / 3000, "resistente di",
       " 200 kNm (Sezione di base) con _Gamma_Rd = 1,3."},
      {"NTC CD B between two ends", 0, 1, false, 1, 1, -200e6, 150e6, 350e6 * 1.1 / 3000,
       "resistenti di", " 200 kNm (Sez. Inf.) e  150 kNm (Sez. Sup.) con _Gamma_Rd = 1,1."},
      {"EC8 DCH with moment ratios", 1, 0, false, 0.8f, 0.6f, 200e6, -150e6,
       (160e6 + 90e6) * 1.3 / 3000, "resistenti di",
       " 160 kNm (Sez. Inf.) e  90 kNm (Sez. Sup.) con _Gamma_Rd = 1,3."},
      {"EC8 DCM, ratios out of range count 1", 1, 1, false, 0, 1.5f, 200e6, 150e6,
       350e6 * 1.1 / 3000, "resistenti di",
       " 200 kNm (Sez. Inf.) e  150 kNm (Sez. Sup.) con _Gamma_Rd = 1,1."},
  };
  for (const auto& caso : casi) {
    AmbienteColonna ambiente;
    VariabiliPubbliche::Stato.NormativaSismica = caso.normativa;
    Sismica::Stato.DuttilitaMedia = caso.duttilita;
    Sismica::Stato.PilastroMensola = caso.mensola;
    Sismica::Stato.RapportoMomentiInf = caso.rInf;
    Sismica::Stato.RapportoMomentiSup = caso.rSup;
    TestiTaglio testi;
    const float v = AmbienteColonna::Colonna().TaglioCapacitaPilastro(caso.mInf, caso.mSup, testi);
    EXPECT_NEAR(v, caso.v, caso.v * 1e-6) << caso.nome;
    EXPECT_EQ(testi.Resistenti, caso.resistenti) << caso.nome;
    EXPECT_EQ(testi.Momenti, caso.momenti) << caso.nome;
    EXPECT_TRUE(ambiente.box.Testi().empty());
  }
}

TEST(TaglioCapacita, ColumnWithoutLengthGivesTheMessageAndNoShear) {
  AmbienteColonna ambiente;
  for (int normativa : {0, 1}) {
    VariabiliPubbliche::Stato.NormativaSismica = normativa;
    AmbienteColonna::Colonna().SetMatriceSezionePilastro(0, 4, 0);
    TestiTaglio testi;
    EXPECT_EQ(AmbienteColonna::Colonna().TaglioCapacitaPilastro(200e6, 150e6, testi), 0);
    // A circular column takes its own length.
    AmbienteColonna::Colonna().TipoPilastro = 1;
    AmbienteColonna::Colonna().SetMatriceSezionePilastro(1, 3, -5);
    EXPECT_EQ(AmbienteColonna::Colonna().TaglioCapacitaPilastro(200e6, 150e6, testi), 0);
    AmbienteColonna::Colonna().TipoPilastro = 0;
  }
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>(4, "H interpiano <=0!"));
}
