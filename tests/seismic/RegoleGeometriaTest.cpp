#include <gtest/gtest.h>

#include "ColonnaProva.h"
#include "platform/Colori.h"
#include "seismic/Pilastro.h"

using Sismica::Prescrizioni;

namespace {

const platform::Colore Rosso = platform::QBColor(12);

Sismica::Pilastro& P() { return AmbienteColonna::Colonna(); }

void Rettangolo(float b, float h) {
  P().SetMatriceSezionePilastro(0, 1, b);
  P().SetMatriceSezionePilastro(0, 2, h);
}

// A circle of radius 120, cover 40, 8 bars of 16, hoop of 8 at 100 and 150.
void Cerchio() {
  Sismica::Pilastro& p = P();
  p.TipoPilastro = 1;
  const float riga1[] = {120, 40, 3000, 600, 150, 8, 16, 8, 0, 0, 100, 8, 16, 8, 0, 0, 100};
  for (int j = 1; j <= 17; ++j) p.SetMatriceSezionePilastro(1, j, riga1[j - 1]);
}

const std::string StaffeNo = "Prescrizioni staffe non rispettate.";

// Texts from the clauses with the figures of each column; the stirrups of
// the standard column break some rule of every code, hence the last text.
}  // namespace

const std::vector<CasoRegole> CasiGeometria = {
    {"NTC CD B standard column", 0, 1, [] {}, {StaffeNo}},
    // 300 x 1200, L = 3000 not above 3 x 1200: critical over L/2; bars 373 apart;
    // 12 bars of 16 over 360000 mm2.
    {"NTC wall proportions",
     0,
     0,
     [] { Rettangolo(300, 1200); },
     {"Il pilastro deve essere verificato come parete (h/b > 4) - NTC #7.4.3.1",
      "H critica deve essere >=  1.500 mm - NTC #7.4.6.1.2",
      "L'interasse tra le barre deve essere <= 250 mm - NTC #7.4.6.2.2",
      "Il rapporto geometrico di armatura _r_ =  0,006702 deve essere >= 0,01 - NTC #7.4.6.2.2.",
      StaffeNo}},
    // 4 bars of 12 over 2000 x 2000: 4 x 113.1 / 4000000 = 0.0001131, not 0.
    {"NTC CD B bare square of 2 m", 0, 1, [] { Rettangolo(2000, 2000); AmbienteColonna::Barre(2, 2, 12); },
     {"H critica deve essere >=  1.500 mm - NTC #7.4.6.1.2",
      "L'interasse tra le barre deve essere <= 250 mm - NTC #7.4.6.2.2",
      "Il rapporto geometrico di armatura _r_ =  0,0001131 deve essere >= 0,01 - NTC #7.4.6.2.2.",
      StaffeNo}},
    // nu_d = 680000 / (72000 fcd) = 0.6667, limit 0.65 x 1020 kN.
    {"NTC narrow base, short critical length",
     0,
     1,
     [] {
       Rettangolo(240, 300);
       P().SetMatriceSezionePilastro(0, 5, 400);
     },
     {"L'azione assiale normalizzata =  0,6667 deve essere <= 0,65 (NEd <= 663 kN) - "
      "NTC #7.4.4.2.2.1.",
      "La base b deve essere >= 250 mm - NTC #7.4.6.1.2",
      "H critica deve essere >=  500 mm - NTC #7.4.6.1.2", StaffeNo}},
    // nu_d = 680000 / (pi 120^2 fcd) = 1.061, limit 0.65 x 641 kN; its
    // stirrups are met: omega 0.151 over a core of 184.
    {"NTC circular column of diameter 240",
     0,
     1,
     Cerchio,
     {"L'azione assiale normalizzata =  1,061 deve essere <= 0,65 (NEd <= 416 kN) - "
      "NTC #7.4.4.2.2.1.",
      "Il diametro deve essere >= 250 mm - NTC #7.4.6.1.2"}},
    {"All data zero",
     0,
     1,
     [] { Sismica::Stato.PilastroCorrente = Sismica::Pilastro{}; },
     {"ATTENZIONE - H interpiano = 0!", "ATTENZIONE - Base zezione b = 0!",
      "ATTENZIONE - Altezza sezione h = 0!", "ATTENZIONE - H critica = 0!"}},
    {"EC8 DCM nu_d 0.6 passes", 1, 1, [] { Sismica::Stato.NEdSismica = 1360000; }, {StaffeNo}},
    {"EC8 DCH nu_d 0.6 fails",
     1,
     0,
     [] { Sismica::Stato.NEdSismica = 1360000; },
     {"L'azione assiale normalizzata =  0,6 deve essere <= 0,55 (NEd <= 1246 kN) - "
      "EC8 #5.5.3.2.1(3).",
      StaffeNo}},
    // l_min = max(1.5 x 400, 3000/6, 600) x 1.5 in the first two storeys.
    {"EC8 DCH first two storeys",
     1,
     0,
     [] {
       Rettangolo(300, 400);
       Sismica::Stato.PilastroPrimiDuePiani = -1;
     },
     {"H critica deve essere >=  900 mm - EC8 #5.5.3.2.2(4)-(14).", StaffeNo}},
    // 200 x 200, L = 5000: sides below L/20, l_min = 5000/6; 8 bars of 16 over
    // 40000 mm2; nu_d = 1.2 against 0.65 x 566.7 kN.
    {"EC8 DCM slender small column",
     1,
     1,
     [] {
       Rettangolo(200, 200);
       P().SetMatriceSezionePilastro(0, 4, 5000);
       AmbienteColonna::Barre(3, 3, 16);
       AmbienteColonna::Staffe({{8, 1, 3, 8, 6}});
     },
     {"L'azione assiale normalizzata =  1,2 deve essere <= 0,65 (NEd <= 368 kN) - "
      "EC8 #5.4.3.2.1(3).",
      "Controllare EC8 #5.4.1.2.2(1).", "Controllare EC8 #5.4.1.2.2(1).",
      "H critica deve essere >=  833,3 mm - EC8 #5.4.3.2.2(4).",
      "Il rapporto geometrico di armatura _r_ =  0,04021 deve essere <= 0,04 - "
      "EC8 #5.4.3.2.2(1).",
      StaffeNo}},
    // 400 x 800 with L = 2000: L/hc = 2.5 and the critical length 1200 < L;
    // 8 bars of 20 over 320000 mm2, 320 apart along b.
    {"EC8 DCH squat column, two bars per side, bars 213 apart",
     1,
     0,
     [] {
       Rettangolo(400, 800);
       P().SetMatriceSezionePilastro(0, 4, 2000);
       P().SetMatriceSezionePilastro(0, 5, 1200);
       AmbienteColonna::Barre(4, 2, 20);
       AmbienteColonna::Staffe({{8, 1, 4, 8, 5}});
     },
     {"Per pilastri tozzi la lunghezza critica è l'intera lunghezza - EC8 #5.5.3.2.2(5)P.",
      "Il rapporto geometrico di armatura _r_ =  0,007854 deve essere >= 0,01 - "
      "EC8 #5.5.3.2.2(1).",
      "L'interasse tra le barre deve essere <= 150 mm - EC8 #5.5.3.2.2(12,c).",
      "Almeno 3 barre su ciascun lato - EC8 #5.5.3.2.2(2).", StaffeNo}},
    // Base of the column: 12 bars of 14 below, 12 of 16 above.
    {"EC8 DCH base column with less steel below",
     1,
     0,
     [] {
       Sismica::Stato.PilastroDiBase = true;
       AmbienteColonna::Barre(4, 4, 14);
     },
     {"L'armatura alla base del pilastro collegato alla fondazione deve essere almeno pari a "
      "quella nella sezione superiore - EC8 #5.5.3.2.2(14).",
      StaffeNo}},
};

class RegoleGeometria : public ::testing::TestWithParam<CasoRegole> {};

TEST_P(RegoleGeometria, ListOfTheCode) {
  AmbienteColonna ambiente;
  const CasoRegole& caso = GetParam();
  Prepara(caso);
  Prescrizioni lista;
  Sismica::Stato.PilastroCorrente.ControlloGeometrico(ambiente.finestra, lista);
  EXPECT_EQ(lista, caso.attese) << caso.nome;
  EXPECT_EQ(ambiente.finestra.LettureAzioni, 1);
  EXPECT_TRUE(ambiente.finestra.Mostrate.empty());
  EXPECT_TRUE(ambiente.box.Testi().empty());
}

INSTANTIATE_TEST_SUITE_P(Casi, RegoleGeometria, ::testing::ValuesIn(CasiGeometria),
                         [](const auto& info) { return "Caso" + std::to_string(info.index); });

// The ratio and critical-length boxes turn red where their rule fails and
// black again once it is met.
TEST(RegoleGeometriaCaselle, RedWhereARuleFailsBlackWhenMet) {
  AmbienteColonna ambiente;
  Sismica::Stato.DuttilitaMedia = 1;
  auto& f = ambiente.finestra;
  Sismica::Pilastro& p = P();
  const struct {
    int normativa;
    float diametro;
    float hCritica;
    const char* ro;
    bool roRosso;
    bool hRosso;
  } casi[] = {
      {0, 12, 400, " 0,00848", true, true},  {0, 16, 600, " 0,0151", false, false},
      {1, 28, 600, " 0,0462", true, false},  {1, 16, 450, " 0,0151", false, true},
      {1, 16, 600, " 0,0151", false, false},
  };
  for (const auto& caso : casi) {
    VariabiliPubbliche::Stato.NormativaSismica = caso.normativa;
    AmbienteColonna::Barre(4, 4, caso.diametro);
    p.SetMatriceSezionePilastro(0, 5, caso.hCritica);
    Prescrizioni lista;
    p.ControlloGeometrico(f, lista);
    EXPECT_EQ(f.Controllo("TxtRo", 0).Text(), caso.ro);
    EXPECT_EQ(f.Controllo("TxtRo", 0).ForeColor(), caso.roRosso ? Rosso : 0) << caso.ro;
    for (int i : {10, 12})
      EXPECT_EQ(f.Controllo("PilastroTxt", i).ForeColor(), caso.hRosso ? Rosso : 0)
          << caso.hCritica;
  }
}

// The window's column inputs are stored before the rules run, and the bars
// rebuilt from them.
TEST(RegoleGeometriaCaselle, RulesRunOnTheInputsJustStored) {
  AmbienteColonna ambiente;
  VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
  auto& f = ambiente.finestra;
  f.Controllo("PilastroFrm", 0).SetVisible(true);
  const char* testi[] = {"400", "400", "4", "4", "40", "", "", "", "", "3000", "600"};
  for (int i = 0; i < 11; ++i) f.Controllo("PilastroTxt", i).SetText(testi[i]);
  f.Controllo("PilastroTxt", 2).SetText("2");
  f.Controllo("ComboBarrePil", 0).SetText("16");
  Prescrizioni lista;
  P().ControlloGeometrico(f, lista);
  // 2 x 4 bars of 16: 8 x 201.06 / 160000 = 0.01005; bars 320 apart along b.
  EXPECT_EQ(P().nBarreTotale(), 8);
  EXPECT_EQ(lista.at(0), "L'interasse tra le barre deve essere <= 250 mm - NTC #7.4.6.2.2");
  EXPECT_EQ(f.Controllo("TxtRo", 0).Text(), " 0,0101");
}
