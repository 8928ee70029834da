#include <gtest/gtest.h>

#include "ColonnaProva.h"
#include "platform/Colori.h"
#include "seismic/Normative3274.h"
#include "seismic/Pilastro.h"

using Sismica::Prescrizioni;

namespace {

const platform::Colore Rosso = platform::QBColor(12);

// 300 x 500, 3 x 3 bars of 16 at the current end, ample stirrup steel left
// to the row.
void PilastroConLati() {
  Sismica::Pilastro& p = AmbienteColonna::Colonna();
  p.SetMatriceSezionePilastro(0, 1, 300);
  p.SetMatriceSezionePilastro(0, 2, 500);
  AmbienteColonna::Barre(3, 3, 16);
  p.SetStaffePassoCritico(50);
  p.SetStaffePassoCentrale(50);
}

// Bars of 26 at this end, hoops of 6 holding every bar at 75 mm.
void StaffeDa6Barre26() {
  AmbienteColonna::Barre(4, 4, 26);
  AmbienteColonna::Staffe({{6, 1, 4, 12, 9}, {6, 2, 10}, {6, 3, 11}, {6, 5, 6}, {6, 7, 8}});
  AmbienteColonna::Colonna().SetStaffePassoCritico(75);
  AmbienteColonna::Colonna().SetStaffePassoCentrale(75);
}

// Each text written from the clause and the figures of the standard column:
// core 344 mm, hoop legs 2 x 50.27 mm2, fyd/fcd = 27.62, nu_d = 0.3,
// eps_yd = 0.00196, alpha_s = (1 - 100/688)^2.
}  // namespace

const std::vector<CasoRegole> CasiStaffe = {
    {"NTC CD B: the central zone falls short",
     0,
     1,
     [] {},
     {"Nella zona centrale Omega_st in direzione X deve essere >= 0,08 (passo < 100 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona centrale Omega_st in direzione Y deve essere >= 0,08 (passo < 100 mm) - "
      "NTC #7.4.6.2.2."}},
    {"NTC CD A: pitch, tied bars and both zones",
     0,
     0,
     [] {},
     {"Il passo delle staffe nella zona critica deve essere <=  96 mm - NTC #7.4.6.2.2.",
      "La distanza massima fra barre legate = 320 mm deve essere <= 300 mm - NTC #7.4.6.2.2.",
      "Almeno una barra ogni due deve essere legata.",
      "Nella zona critica Omega_st in direzione X deve essere >= 0,12 (passo < 67 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona critica Omega_st in direzione Y deve essere >= 0,12 (passo < 67 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona centrale Omega_st in direzione X deve essere >= 0,08 (passo < 100 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona centrale Omega_st in direzione Y deve essere >= 0,08 (passo < 100 mm) - "
      "NTC #7.4.6.2.2."}},
    // A tie across the middle of each direction: 3 legs, omega 0.1211.
    {"NTC CD A with two ties: only the pitch",
     0,
     0,
     [] {
       AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 5, 6}, {8, 2, 10}});
     },
     {"Il passo delle staffe nella zona critica deve essere <=  96 mm - NTC #7.4.6.2.2."}},
    // At the base, omega_wd 0.1614 against 0.3373 required: a pitch of
    // 100 x 0.1614 / 0.3373.
    {"EC8 DCM: confinement in both directions and tied bars",
     1,
     1,
     [] { Sismica::Stato.PilastroDiBase = true; },
     {"Insufficiente duttilità di curvatura in direzione X:",
      "  - Omega_wd deve essere >=  0,3373 (passo <= 48 mm)", "  - EC8 #5.4.3.2.2(8)",
      "Insufficiente duttilità di curvatura in direzione Y:",
      "  - Omega_wd deve essere >=  0,3373 (passo <= 48 mm)", "  - EC8 #5.4.3.2.2(8)",
      "La distanza massima fra barre legate = 320 mm deve essere <= 200 mm - "
      "EC8 #5.4.3.2.2(11,b).",
      "Almeno una barra ogni due deve essere legata."}},
    // Off the base DCM asks no confinement, nor the hoops of 8 a diameter
    // beyond max(6, 16 / 4).
    {"EC8 DCM off the base: only the tied bars",
     1,
     1,
     [] {},
     {"La distanza massima fra barre legate = 320 mm deve essere <= 200 mm - "
      "EC8 #5.4.3.2.2(11,b).",
      "Almeno una barra ogni due deve essere legata."}},
    // Every bar held: alpha_n 0.81, 0.1767 required at the base, 0.3201 given.
    {"EC8 DCM with four ties: met",
     1,
     1,
     [] {
       Sismica::Stato.PilastroDiBase = true;
       AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 2, 10}, {8, 3, 11}, {8, 5, 6}, {8, 7, 8}});
     },
     {}},
    // Bars of 20, hoops of 6: core 346, pitch limit min(115.3, 125, 120); a
    // hoop of at least 0.4 x 20 = 8; omega_wd 0.179 against 0.174 required.
    {"EC8 DCH: the hoops are too thin",
     1,
     0,
     [] {
       AmbienteColonna::Barre(4, 4, 20);
       AmbienteColonna::Staffe({{6, 1, 4, 12, 9}, {6, 2, 10}, {6, 3, 11}, {6, 5, 6}, {6, 7, 8}});
     },
     {"Il diametro delle staffe nella zona critica deve essere >= 8 - EC8 #5.5.3.2.2(12,a)."}},
    // 0.4 x 18 = 7.2: a hoop of 7 is too thin.
    {"EC8 DCH: the minimum hoop diameter is rounded up",
     1,
     0,
     [] {
       AmbienteColonna::Barre(4, 4, 18);
       AmbienteColonna::Staffe({{7, 1, 4, 12, 9}, {7, 2, 10}, {7, 3, 11}, {7, 5, 6}, {7, 7, 8}});
     },
     {"Il diametro delle staffe nella zona critica deve essere >= 8 - EC8 #5.5.3.2.2(12,a)."}},
    {"No stirrups",
     0,
     1,
     [] { AmbienteColonna::Colonna().SetStaffeNumTot(0); },
     {"ATTENZIONE - Inserire le staffe nella sezione inferiore!"}},
    {"Zero pitches",
     1,
     1,
     [] {
       AmbienteColonna::Colonna().SetStaffePassoCritico(0);
       AmbienteColonna::Colonna().SetStaffePassoCentrale(0);
     },
     {"ATTENZIONE - Passo staffe nullo nella zona critica!",
      "ATTENZIONE - Passo staffe nullo nella zona centrale!"}},
    // Central limit min(20 x 16, 400, 400) = 320, above the critical one;
    // NTC's own min(12 x 16, 250) = 192.
    {"NTC CD B: central pitch beyond both limits",
     0,
     1,
     [] {
       AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 5, 6}, {8, 2, 10}});
       AmbienteColonna::Colonna().SetStaffePassoCentrale(330);
     },
     {"Il passo delle staffe nella zona centrale deve essere <=  320 mm - EC2 #9.5.3(3).",
      "Il passo delle staffe nella zona centrale deve essere <=  192 mm - NTC #4.1.6.1.2.",
      "Nella zona centrale Omega_st in direzione X deve essere >= 0,08 (passo < 151 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona centrale Omega_st in direzione Y deve essere >= 0,08 (passo < 151 mm) - "
      "NTC #7.4.6.2.2."}},
    // Outside the critical zone: 12 x 16 = 192 < 250 mm. The two ties give
    // omega 0.1211 at 100, 0.0484 at 250: a pitch below 250 x 0.0484 / 0.08.
    {"NTC CD B: central pitch of 250 with bars of 16",
     0,
     1,
     [] {
       AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 5, 6}, {8, 2, 10}});
       AmbienteColonna::Colonna().SetStaffePassoCentrale(250);
     },
     {"Il passo delle staffe nella zona centrale deve essere <=  192 mm - NTC #4.1.6.1.2.",
      "Nella zona centrale Omega_st in direzione X deve essere >= 0,08 (passo < 151 mm) - "
      "NTC #7.4.6.2.2.",
      "Nella zona centrale Omega_st in direzione Y deve essere >= 0,08 (passo < 151 mm) - "
      "NTC #7.4.6.2.2."}},
    // Hoops of at least 26 / 4 = 6.5 mm. Core 400 - 2 x (40 - 3 - 13) = 352:
    // Omega_st = 4 x 28.27 / (75 x 352) x 27.62 = 0.118, above 0.08.
    {"NTC CD B: hoops of 6 with bars of 26",
     0,
     1,
     StaffeDa6Barre26,
     {"Il diametro delle staffe deve essere >=  6,5 mm - NTC #4.1.6.1.2."}},
    // EC8 DCM leaves the diameter to EC2: max(6, 26 / 4); off the base no
    // confinement; the pitch within min(352 / 2, 175, 8 x 26).
    {"EC8 DCM: hoops of 6 with bars of 26",
     1,
     1,
     StaffeDa6Barre26,
     {"Il diametro delle staffe deve essere >=  6,5 mm - EC2 #9.5.3(1)."}},
    // A 300 x 500 column, 3 x 3 bars of 16, cover 40: the hoop listed through
    // the eight bars of the perimeter turns only at the corners, which stand
    // 500 - 2 x 40 = 420 apart along h.
    {"NTC CD B: a hoop through the side bars holds its corners only",
     0,
     1,
     [] {
       PilastroConLati();
       AmbienteColonna::Staffe({{8, 1, 2, 3, 5, 8, 7, 6, 4}});
     },
     {"La distanza massima fra barre legate = 420 mm deve essere <= 400 mm - NTC #7.4.6.2.2."}},
    // The top end never given bars: the central limit comes from the bottom
    // end alone, min(20 x 16, 400, 400) = 320 > 150, and nothing is said.
    {"EC8 DCM with four ties, the top end never opened",
     1,
     1,
     [] {
       Sismica::Pilastro& p = AmbienteColonna::Colonna();
       for (int j = 7; j <= 10; ++j) p.SetMatriceSezionePilastro(0, j, 0);
       AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 2, 10}, {8, 3, 11}, {8, 5, 6}, {8, 7, 8}});
     },
     {}},
};

class RegoleStaffe : public ::testing::TestWithParam<CasoRegole> {};

TEST_P(RegoleStaffe, ListShownByTheWindow) {
  AmbienteColonna ambiente;
  const CasoRegole& caso = GetParam();
  Prepara(caso);
  AmbienteColonna::Colonna().ControlloStaffe(ambiente.finestra, nullptr);
  EXPECT_EQ(ambiente.finestra.LettureAzioni, 1);
  ASSERT_EQ(ambiente.finestra.Mostrate.size(), 1u);
  EXPECT_EQ(ambiente.finestra.Mostrate[0], caso.attese);
  EXPECT_TRUE(ambiente.box.Testi().empty());
}

INSTANTIATE_TEST_SUITE_P(Casi, RegoleStaffe, ::testing::ValuesIn(CasiStaffe),
                         [](const auto& info) { return "Caso" + std::to_string(info.index); });

TEST(RegoleStaffeCaselle, NtcRatiosShownAndColouredWhereTheyFail) {
  AmbienteColonna ambiente;
  Sismica::Stato.DuttilitaMedia = 1;
  Prescrizioni lista;
  AmbienteColonna::Colonna().ControlloStaffe(ambiente.finestra, &lista);
  EXPECT_TRUE(ambiente.finestra.Mostrate.empty());
  EXPECT_EQ(lista.size(), 2u);
  auto& f = ambiente.finestra;
  const char* attesi[] = {"0,0807", "0,0807", "0,0538", "0,0538"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.Controllo("TxtOmegaSt", i).Text(), attesi[i]) << i;
    EXPECT_EQ(f.Controllo("TxtOmegaSt", i).ForeColor(), i < 2 ? 0 : Rosso) << i;
  }
  // The hoop's volume over the core: 50.27 x 4 x 344 / 344^2 x 27.62 / 100.
  EXPECT_EQ(f.Controllo("txtOmegaWd", 0).Text(), "0,1614");
  EXPECT_EQ(f.Controllo("txtOmegaWd", 1).Text(), "0,1076");
  // Halving the central pitch meets the minimum: the boxes turn black again.
  AmbienteColonna::Colonna().SetStaffePassoCentrale(75);
  lista.clear();
  AmbienteColonna::Colonna().ControlloStaffe(ambiente.finestra, &lista);
  EXPECT_TRUE(lista.empty());
  EXPECT_EQ(f.Controllo("TxtOmegaSt", 2).Text(), "0,1076");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(f.Controllo("TxtOmegaSt", i).ForeColor(), 0) << i;
  // Without stirrups every ratio box is emptied.
  AmbienteColonna::Colonna().SetStaffeNumTot(0);
  AmbienteColonna::Colonna().ControlloStaffe(ambiente.finestra, &lista);
  EXPECT_EQ(f.Controllo("TxtOmegaSt", 2).Text(), "");
  EXPECT_EQ(f.Controllo("txtOmegaWd", 0).Text(), "");
}

// DCH needs 0.12 at the foot of a base column and 0.08 in every other
// critical zone, DCM 0.08 at the foot of a base column only. Every bar
// held at a pitch of 96, a curvature demand that any hoop meets, and fyd
// chosen so that omega_wd is 0.1000 or 0.0500.
TEST(RegoleStaffeCaselle, Ec8MinimumOmegaByEndAndClass) {
  AmbienteColonna ambiente;
  VariabiliPubbliche::Stato.NormativaSismica = 1;
  Sismica::Pilastro& p = AmbienteColonna::Colonna();
  Sismica::Stato.DuttilitaCurvaturaInf = 1;
  Sismica::Stato.DuttilitaCurvaturaSup = 1;
  for (bool inferiore : {false, true}) {
    p.SezioneInferiore = inferiore;
    AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 2, 10}, {8, 3, 11}, {8, 5, 6}, {8, 7, 8}});
    p.SetStaffePassoCritico(96);
  }
  const std::string base12 =
      "Omega_wd alla base del pilastro deve essere >= 0.12 - EC8 #5.5.3.2.2(10)";
  const std::string critica8 =
      "Omega_wd nella zona critica deve essere >= 0.08 - EC8 #5.5.3.2.2(10)";
  const std::string base8 =
      "Omega_wd alla base del pilastro deve essere >= 0.08 - EC8 #5.4.3.2.2(9)";
  // Volume over core: the hoop's centre line is the core's perimeter, 4 x
  // 344, each tie 320 + 16 + 8 = 344 long: 8 x 344 x 50.27 / 344^2 = 1.16896;
  // omega_wd = (1.16896 / 96) x fyd / 14.1667.
  const struct {
    double fyd;
    const char* omega;
    int duttilita;
    bool inferiore;
    bool base;
    std::string testo;
    double minimo;
  } casi[] = {
      {116.342, "0,1000", 0, true, true, base12, 0.12},
      {116.342, "0,1000", 0, true, false, "", 0.08},
      {116.342, "0,1000", 0, false, true, "", 0.08},
      {116.342, "0,1000", 1, true, true, "", 0.08},
      {116.342, "0,1000", 1, false, false, "", 0},
      {58.171, "0,0500", 1, true, true, base8, 0.08},
      {58.171, "0,0500", 1, true, false, "", 0},
      {58.171, "0,0500", 1, false, true, "", 0},
      {58.171, "0,0500", 0, true, false, critica8, 0.08},
      {58.171, "0,0500", 0, false, true, critica8, 0.08},
      {58.171, "0,0500", 1, false, false, "", 0},
  };
  for (const auto& caso : casi) {
    VariabiliPubbliche::Stato.Fyd[0] = caso.fyd;
    Sismica::Stato.DuttilitaMedia = caso.duttilita;
    Sismica::Stato.PilastroDiBase = caso.base;
    p.SezioneInferiore = caso.inferiore;
    Prescrizioni lista;
    p.ControlloStaffe(ambiente.finestra, &lista);
    const Prescrizioni attese = caso.testo.empty() ? Prescrizioni{} : Prescrizioni{caso.testo};
    const std::string riga = std::string(caso.omega) + " " + std::to_string(caso.duttilita) +
                             (caso.inferiore ? " inf" : " sup") + (caso.base ? " base" : "");
    EXPECT_EQ(lista, attese) << riga;
    EXPECT_EQ(ambiente.finestra.Controllo("txtOmegaWd", 0).Text(), caso.omega) << riga;
    EXPECT_EQ(ambiente.finestra.Controllo("txtOmegaWd", 0).ForeColor(),
              caso.testo.empty() ? 0 : Rosso)
        << riga;
    EXPECT_FLOAT_EQ(Sismica::Stato.ValoriStaffe(12), caso.minimo) << riga;
  }
}

// The 300 x 500 column with 3 x 3 bars: one hoop, listed through its four
// corners or through all eight bars of the perimeter, is the same hoop. It
// holds the corners only, 220 and 420 apart: alpha_n = 1 - 2 (220^2 +
// 420^2) / (6 x 244 x 444) = 0.308 (core 300 - 2 x 28 by 500 - 2 x 28), and
// its centre line is the core's perimeter, 2 x (244 + 444) = 1376 mm.
TEST(RegoleStaffeCaselle, Ec8HoopHoldsTheBarsItTurnsAt) {
  AmbienteColonna ambiente;
  VariabiliPubbliche::Stato.NormativaSismica = 1;
  Sismica::Stato.DuttilitaMedia = 1;
  Sismica::Stato.DuttilitaCurvaturaInf = 6.8;
  PilastroConLati();
  Sismica::Pilastro& p = AmbienteColonna::Colonna();
  const std::string distanza =
      "La distanza massima fra barre legate = 420 mm deve essere <= 200 mm - "
      "EC8 #5.4.3.2.2(11,b).";
  for (const auto& hoop : {std::vector<float>{8, 1, 3, 8, 6},
                           std::vector<float>{8, 1, 2, 3, 5, 8, 7, 6, 4}}) {
    p.StaffeMemorizza(RecordStaffe({hoop}));
    Prescrizioni lista;
    p.ControlloStaffe(ambiente.finestra, &lista);
    EXPECT_EQ(lista.back(), distanza) << hoop.size();
    EXPECT_NEAR(Sismica::Stato.ValoriStaffe(16), 0.3083, 1e-4) << hoop.size();
    double volume = 0;
    float area = 0;
    p.StaffeVolumeRapporto(volume, area);
    EXPECT_NEAR(volume, 3.14159265 * 16 * 1376, 1e-1) << hoop.size();
  }
}

TEST(RegoleStaffeCaselle, OmegaStTextAndColourOfOneBox) {
  AmbienteColonna ambiente;
  platform::ControlInMemoria casella;
  Prescrizioni lista;
  // 100 x 0.06 / 0.08 = 75: a pitch below 75 would do.
  Normative3274::ControlloOmegaSt(lista, 0.06f, 0.08f, "critica", 100, "Y", casella);
  EXPECT_EQ(lista, (Prescrizioni{"Nella zona critica Omega_st in direzione Y deve essere >= 0,08 "
                                 "(passo < 75 mm) - NTC #7.4.6.2.2."}));
  EXPECT_EQ(casella.Text(), "0,0600");
  EXPECT_EQ(casella.ForeColor(), Rosso);
  Normative3274::ControlloOmegaSt(lista, 0.08f, 0.08f, "critica", 100, "Y", casella);
  EXPECT_EQ(lista.size(), 1u);
  EXPECT_EQ(casella.ForeColor(), 0);
  // Without a value the box's own number counts; a text that is none reads 0.
  casella.SetText("0,045");
  Normative3274::ColoraControllo(casella, 0.04, true);
  EXPECT_EQ(casella.ForeColor(), Rosso);
  casella.SetText("testo");
  Normative3274::ColoraControllo(casella, 0.04, true);
  EXPECT_EQ(casella.ForeColor(), 0);
  Normative3274::ColoraControllo(casella, 0.01, false);
  EXPECT_EQ(casella.ForeColor(), Rosso);
}
