#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "ColonnaProva.h"
#include "platform/ErroreEsecuzione.h"
#include "seismic/Eurocod8.h"
#include "seismic/Pilastro.h"

namespace {

constexpr double Pi = 3.14159265358979;
double Tondo(double d) { return Pi * d * d / 4; }
Sismica::Pilastro& P() { return AmbienteColonna::Colonna(); }

}  // namespace

// The standard column: bars at +-160 and +-53.3, 106.7 apart; the outer
// stirrup's centreline 40 - 4 - 8 = 28 from the face, a core of 344 x 344.
TEST(QuantitaPilastro, LegAreasPerDirectionWhateverTheOrder) {
  AmbienteColonna ambiente;
  for (bool invertite : {false, true}) {
    if (invertite)
      AmbienteColonna::Staffe({{12, 2, 10}, {10, 5, 6}, {8, 1, 4, 12, 9}});
    else
      AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {10, 5, 6}, {12, 2, 10}});
    P().CoordinateBarre();
    float primo = 0;
    float secondo = 0;
    P().StaffeAreaComplessivaBracci(primo, secondo);
    EXPECT_NEAR(primo, 2 * Tondo(8) + Tondo(10), 1e-3);
    EXPECT_NEAR(secondo, 2 * Tondo(8) + Tondo(12), 1e-3);
  }
}

TEST(QuantitaPilastro, StirrupLengthsAndVolumeRatio) {
  AmbienteColonna ambiente;
  AmbienteColonna::Staffe({{8, 5, 6}});
  P().CoordinateBarre();
  double volume = 0;
  float area = 0;
  // A tie 320 long: 320 + 16 + 8.
  EXPECT_NEAR(P().StaffeVolumeRapporto(volume, area), Tondo(8) * 344 / (344.0 * 344), 1e-6);
  EXPECT_NEAR(volume, Tondo(8) * 344, 1e-2);
  EXPECT_FLOAT_EQ(area, 344 * 344);
  // The hoop's centre line runs 12 outside the bar centres: 4 x 320 + 4 x
  // 24 x tan 45 = 4 x 344, the core's perimeter.
  AmbienteColonna::Staffe({{8, 1, 4, 12, 9}});
  P().StaffeVolumeRapporto(volume, area);
  EXPECT_NEAR(volume, Tondo(8) * 4 * 344, 1e-2);
  // The octagon through the bars next to the corners: sides of 106.67 and
  // 150.85 turning by 45 degrees; offset by 12 each side grows by 2 x 12 x
  // tan 22.5 = 9.94: 4 x 116.61 + 4 x 160.79 = 1109.59.
  AmbienteColonna::Staffe({{8, 2, 3, 6, 8, 11, 10, 7, 5}});
  P().StaffeVolumeRapporto(volume, area);
  EXPECT_NEAR(volume, Tondo(8) * 1109.59, 0.5);
  float primo = 0;
  float secondo = 0;
  P().DistanzeBracciEsterni(primo, secondo);
  EXPECT_EQ(primo, 344);
  P().SetMatriceSezionePilastro(0, 1, 500);
  P().DistanzeBracciEsterni(primo, secondo);
  EXPECT_EQ(primo, 344);
  EXPECT_EQ(secondo, 444);
}

TEST(QuantitaPilastro, HeldBarsAlongTheSides) {
  AmbienteColonna ambiente;
  const float terzo = 320.0f / 3;
  const struct {
    std::initializer_list<std::vector<float>> staffe;
    int legate;
    float massima;
    double somma;
    bool lacuna;
  } casi[] = {
      {{{8, 1, 4, 12, 9}}, 4, 320, 4 * 320.0 * 320, true},
      // Positions 1, 3 and 4 held on every side: no gap.
      {{{8, 1, 4, 12, 9}, {8, 3, 11}, {8, 7, 8}},
       8,
       2 * terzo,
       4 * (4.0 * terzo * terzo + terzo * terzo),
       false},
      // Records naming no bar of the end are passed over.
      {{{8, 1, 4, 12, 9}, {8, 2, 13}, {8, 2.5f, 3}}, 4, 320, 4 * 320.0 * 320, true},
      {{{8, 1, 0}}, 0, 0, 0, false},
  };
  for (const auto& caso : casi) {
    AmbienteColonna::Staffe(caso.staffe);
    P().CoordinateBarre();
    const Sismica::BarreAncorate esito = P().StaffeDistanzeBarreAncorate();
    EXPECT_EQ(esito.Legate, caso.legate);
    EXPECT_NEAR(esito.DistanzaMax, caso.massima, 1e-3);
    EXPECT_NEAR(esito.SommaQuadrati, caso.somma, 0.5);
    EXPECT_EQ(esito.Lacuna, caso.lacuna);
  }
}

TEST(QuantitaPilastro, SectionFiguresOfBothShapes) {
  AmbienteColonna ambiente;
  Sismica::Pilastro& p = P();
  p.SetMatriceSezionePilastro(0, 2, 500);
  AmbienteColonna::Barre(4, 3, 16);
  p.CoordinateBarre();
  EXPECT_FLOAT_EQ(p.AreaSezione(), 200000);
  EXPECT_FLOAT_EQ(p.InterasseMaxBarre(), 210);  // (500 - 80) / 2
  EXPECT_FLOAT_EQ(p.Ro(), static_cast<float>(10 * Tondo(16) / 200000));
  EXPECT_FLOAT_EQ(p.Nud(), static_cast<float>(680000 / (200000 * 25 * 0.85 / 1.5)));
  EXPECT_FLOAT_EQ(p.hCritica(), 600);
  AmbienteColonna::Staffe({});
  EXPECT_EQ(p.StaffeDiametroMinimo(), 1000);

  p.TipoPilastro = 1;
  const float riga1[] = {300, 40, 3000, 700, 150, 6, 16, 8, 0, 0, 100, 6, 16, 10, 0, 0, 90};
  for (int j = 1; j <= 17; ++j) p.SetMatriceSezionePilastro(1, j, riga1[j - 1]);
  p.CoordinateBarre();
  EXPECT_FLOAT_EQ(p.bSezione(), 600);
  EXPECT_FLOAT_EQ(p.hCritica(), 700);
  EXPECT_NEAR(p.InterasseMaxBarre(), 260, 1e-3);  // six bars on a radius of 260
  EXPECT_EQ(p.StaffeDiametroMinimo(), 10);
  float b0 = 0;
  float h0 = 0;
  // Hoop of 10 at the bottom: 40 - 5 - 8 from the face.
  EXPECT_NEAR(p.AreaConfinata(b0, h0), Pi * 546 * 546 / 4, 1);
  EXPECT_EQ(b0, 546);
  float primo = 0;
  float secondo = 0;
  p.StaffeAreaComplessivaBracci(primo, secondo);
  EXPECT_NEAR(primo, 2 * Tondo(10), 1e-3);
  EXPECT_NEAR(secondo, 2 * Tondo(10), 1e-3);
  // A hoop of the core's perimeter.
  double volume = 0;
  float area = 0;
  p.StaffeVolumeRapporto(volume, area);
  EXPECT_NEAR(volume, Tondo(10) * Pi * 546, 1e-2);
}

// A spiral confines by 1 - s/2D0, hoops by its square.
TEST(QuantitaPilastro, CircularConfinementBySpiralOrHoops) {
  AmbienteColonna ambiente;
  Sismica::Pilastro& p = P();
  p.TipoPilastro = 1;
  const float riga1[] = {300, 40, 3000, 700, 150, 6, 16, 8, 0, 0, 100, 6, 16, 10, 0, 0, 100};
  for (int j = 1; j <= 17; ++j) p.SetMatriceSezionePilastro(1, j, riga1[j - 1]);
  Sismica::Stato.DuttilitaCurvaturaInf = 6.8;
  p.CoordinateBarre();
  const double fattore = 1 - 100.0 / (2 * 546);
  for (int spirale : {0, 1}) {
    p.Spirale = spirale;
    const float richiesto = Eurocod8::OmegaRichiesto(false, 0.1f, 100);
    EXPECT_NEAR(Sismica::Stato.ValoriStaffe(17), spirale ? fattore : fattore * fattore, 1e-6);
    const double nud = 680000 / (Pi * 90000 * 25 * 0.85 / 1.5);
    const double domanda = 30 * 6.8 * nud * (450 / 1.15 / 200000) * 600 / 546 - 0.035;
    EXPECT_NEAR(richiesto, domanda / (spirale ? fattore : fattore * fattore), 1e-5);
  }
}

TEST(QuantitaPilastro, NoCurvatureDuctilityIsReportedAndTheCheckGoesOn) {
  AmbienteColonna ambiente;
  VariabiliPubbliche::Stato.NormativaSismica = 1;
  Sismica::Prescrizioni lista;
  P().ControlloStaffe(ambiente.finestra, &lista);
  P().SezioneInferiore = false;
  P().ControlloStaffe(ambiente.finestra, &lista);
  EXPECT_EQ(ambiente.box.Testi(), (std::vector<std::string>{"MuFi=0 per la sezione inferiore",
                                                            "MuFi=0 per la sezione superiore"}));
  EXPECT_FALSE(lista.empty());
}

// Negative bar counts from a file: no bars, nothing held, and the rules run.
TEST(QuantitaPilastro, NegativeBarCountsGiveNoBars) {
  AmbienteColonna ambiente;
  AmbienteColonna::Barre(-3, 4, 16);
  P().CoordinateBarre();
  EXPECT_EQ(P().nBarreTotale(), 0);
  EXPECT_EQ(P().StaffeDistanzeBarreAncorate().Legate, 0);
  for (int normativa : {0, 1}) {
    VariabiliPubbliche::Stato.NormativaSismica = normativa;
    Sismica::Prescrizioni lista;
    P().ControlloGeometrico(ambiente.finestra, lista);
    EXPECT_EQ(lista.back(), "Prescrizioni staffe non rispettate.");
  }
}

// Bar counts no window would take come from a file: the checks answer at once.
TEST(QuantitaPilastro, HugeBarCountsStayQuick) {
  AmbienteColonna ambiente;
  AmbienteColonna::Barre(30000, 30000, 16);
  const auto inizio = std::chrono::steady_clock::now();
  for (int normativa : {0, 1}) {
    VariabiliPubbliche::Stato.NormativaSismica = normativa;
    Sismica::Prescrizioni lista;
    P().ControlloGeometrico(ambiente.finestra, lista);
    EXPECT_FALSE(lista.empty());
  }
  EXPECT_EQ(P().nBarreTotale(), 119996);
  EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(5));
  AmbienteColonna::Barre(40000, 4, 16);
  Sismica::Prescrizioni lista;
  EXPECT_THROW(P().ControlloGeometrico(ambiente.finestra, lista), platform::ErroreEsecuzione);
}

// The editor's records: an unusable one named in the label, a repeated one
// in a box; the commands enabled only for a record that passes.
TEST(QuantitaPilastro, EditorRecordsRefusedOrRepeated) {
  AmbienteColonna ambiente;
  P().SezioneInferiore = false;
  AmbienteColonna::Barre(4, 3, 16);  // 10 bars
  const struct {
    std::vector<float> precedente;
    std::vector<float> record;
    std::string etichetta;
    std::string box;
  } casi[] = {
      {{8, 1, 2}, {8, 1, 4, 10, 7}, "", ""},
      {{8, 1, 4, 10, 7},
       {8, 7, 10, 4, 1},
       "",
       "la staffa 2 si sovrappone alla staffa 1.\r\nEliminarla o modificarla!"},
      {{8, 1, 4, 10, 7},
       {8, 4, 10, 7, 1},
       "",
       "la staffa 2 si sovrappone alla staffa 1.\r\nEliminarla o modificarla!"},
      {{8, 1, 4, 10, 7}, {8, 1, 4, 7, 10}, "", ""},
      {{8, 1, 2}, {8, 1, 11}, "Errore nella staffa 2: la barra 11 non esiste", ""},
  };
  auto& f = ambiente.finestra;
  for (const auto& caso : casi) {
    Matrice<float> staffe(1, 2, 1, Sismica::Pilastro::CampiStaffa);
    for (size_t j = 0; j < caso.precedente.size(); ++j)
      staffe(1, static_cast<int>(j) + 1) = caso.precedente[j];
    for (size_t j = 0; j < caso.record.size(); ++j)
      staffe(2, static_cast<int>(j) + 1) = caso.record[j];
    ambiente.box.Svuota();
    f.ComandiStaffe.clear();
    const bool ok = P().StaffaMemorizzaControllo(staffe, 2, f);
    EXPECT_EQ(ok, caso.etichetta.empty() && caso.box.empty());
    EXPECT_EQ(f.Controllo("lblErroreSt").Caption(), caso.etichetta);
    EXPECT_EQ(f.Controllo("lblErroreSt").Visible(), !caso.etichetta.empty());
    EXPECT_EQ(ambiente.box.Testi(),
              caso.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{caso.box});
    EXPECT_EQ(f.ComandiStaffe, std::vector<bool>{ok});
  }
}
