// Capacity-design shear of the column against hand calculations, and the
// effective legs of its stirrups.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "CasoColonna.h"
#include "ColonnaProva.h"
#include "casi/EseguiCaso.h"
#include "doppi/MainProva.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"
#include "seismic/EsitoFlessione.h"
#include "seismic/Pilastro.h"

using Sismica::Pilastro;

namespace {

constexpr double Pi = 3.14159265358979;
constexpr double Gamba8 = Pi * 64 / 4;  // one leg of a stirrup of 8
// The struts at cot(theta) = 1, the most they carry: alpha_c = 1.25 for
// sigma_cp = 680000 / 160000 = 4.25 between fcd/4 and fcd/2.
constexpr double V1 = 1.25 * 400 * 324 * 0.5 * (0.85 * 25 / 1.5) / 2;

class TaglioPilastro : public ::testing::Test {
 protected:
  void SetUp() override {
    attesi = EseguiCaso(CasoColonnaEsatta(0));
    ASSERT_EQ(attesi.errore, "");
    messaggi.emplace();  // after the case runner's own
    ASSERT_EQ(attesi.numeri["Esito"], 1);
    // The case runner leaves the same materials and strips in force.
    VariabiliPubbliche::Stato.TipoVerifica = 0;
    VariabiliPubbliche::Stato.TipoFlessione = 1;
    VariabiliPubbliche::Stato.AngoloFlessione = 0;
  }
  static Pilastro& P() { return AmbienteColonna::Colonna(); }
  // VEd of NTC CD"A" from both ends' resisting moment, N.
  double VEd(double lunghezza) const { return 2 * attesi.numeri.at("Mx") * 1.3 / lunghezza; }
  const Sismica::Prescrizioni& Lista() const { return ambiente.finestra.Mostrate.back(); }
  std::string T(const char* nome, int i) { return ambiente.finestra.Controllo(nome, i).Text(); }
  platform::Colore Colore(const char* nome, int i) {
    return ambiente.finestra.Controllo(nome, i).ForeColor();
  }

  AmbienteColonna ambiente;
  RisultatiCaso attesi;
  std::optional<platform::MsgBoxScriptato> messaggi;
};

// One hoop of 8 round the corners, z = 0.9 x 360, central pitch 150:
// VRd = 2 x 50.27 x 391.3 x 324 / 150 x 2.5 = 212.4 kN; the struts give
// 1.25 x 400 x 324 x 0.5 fcd x 2.5 / 7.25 = 395.7 kN.
TEST_F(TaglioPilastro, OneHoopOfEightGivesThePartsResistanceAndItsReasons) {
  EXPECT_NEAR(attesi.numeri["hUtile"], 360, 1e-3);
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_EQ(T("txtVu", 0), " 212,4");
  EXPECT_EQ(Colore("txtVu", 0), platform::QBColor(0));
  EXPECT_EQ(T("F_V", 0), VariabiliPubbliche::FormattaValore(VEd(3000) / 1000));
  EXPECT_LT(VEd(3000), 212.4e3);
  EXPECT_TRUE(P().SezioneInferiore);
  EXPECT_FLOAT_EQ(Sismica::Stato.CotTetaPilastro, 2.5f);
  const std::string m = VariabiliPubbliche::FormattaValore(attesi.numeri["Mx"] / 1e6);
  const Sismica::Prescrizioni attese = {
      "OK verifica a taglio per inflessione intorno all'asse X.",
      "Il taglio sollecitante è calcolato in base ai momenti resistenti di" + m +
          " kNm (Sez. Inf.) e " + m + " kNm (Sez. Sup.) con _Gamma_Rd = 1,3.",
      "Il taglio resistente (212,4 kN) è calcolato con cot_Teta_ = 2,5 in base alla staffatura "
      "della zona critica inferiore, che è la minima e che si ipotizza estesa alla zona centrale "
      "con passo di 150 mm.",
      "Le aree efficaci delle staffe, che tengono conto dell'eventuale inclinazione dei bracci, "
      "hanno i seguenti valori (mm^2):  100"};
  EXPECT_EQ(Lista(), attese);
  EXPECT_TRUE(messaggi->Testi().empty());
}

TEST_F(TaglioPilastro, AboutYTheSquareGivesTheSameAndTheTopEndStaysCurrent) {
  P().SezioneInferiore = false;
  VariabiliPubbliche::Stato.AngoloFlessione = -90;
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 1));
  EXPECT_FALSE(P().SezioneInferiore);
  EXPECT_EQ(T("txtVu", 1), " 212,4");
  EXPECT_EQ(T("txtVu", 0), "");
  EXPECT_EQ(Lista()[0], "OK verifica a taglio per inflessione intorno all'asse Y.");
  // The resisting moment about y of the square equals the one about x.
  EXPECT_EQ(T("F_V", 1), VariabiliPubbliche::FormattaValore(VEd(3000) / 1000));
}

// A bar count of the top end out of range stops the calculation; the
// bottom end, being typed, must stay the current one.
TEST_F(TaglioPilastro, AnUnreadableOtherEndLeavesTheCurrentEndCurrent) {
  ASSERT_TRUE(P().SezioneInferiore);
  P().SetMatriceSezionePilastro(0, 7, 1e6);
  EXPECT_ANY_THROW(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_TRUE(P().SezioneInferiore);
}

TEST_F(TaglioPilastro, AShorterColumnFailsInRedAndTheWeakerTopEndIsNamed) {
  P().SetMatriceSezionePilastro(0, 4, 2000);
  // Two hoops at the bottom: the top has the smaller area.
  P().SezioneInferiore = true;
  AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 2, 3, 11, 10}});
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_GT(VEd(2000), 212.4e3);
  EXPECT_EQ(T("txtVu", 0), " 212,4");
  EXPECT_EQ(Colore("txtVu", 0), platform::QBColor(12));
  EXPECT_EQ(Lista()[0], "NO verifica a taglio per inflessione intorno all'asse X.");
  EXPECT_NE(Lista()[2].find("zona critica superiore,"), std::string::npos);
}

// A cantilever: VEd = MRd 1.3 / L, the bottom moment only.
TEST_F(TaglioPilastro, ACantileverTakesTheBottomMomentOnly) {
  Sismica::Stato.PilastroMensola = true;
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_EQ(T("F_V", 0), VariabiliPubbliche::FormattaValore(VEd(3000) / 2 / 1000));
  EXPECT_EQ(
      Lista()[1].rfind("Il taglio sollecitante è calcolato in base al momento resistente di", 0),
      0u);
}

// L = 1200: VEd above the struts at 2.5 (395.7 kN) and below those at 1
// (573.75 kN); cot(theta) drops to the root of VEd c^2 - 2 V1 c + VEd = 0,
// where the struts carry exactly VEd, and a hoop of 12 at 50 mm carries more.
TEST_F(TaglioPilastro, StrutsAtTheReducedInclinationCarryExactlyVEdAndThatIsOk) {
  P().SetMatriceSezionePilastro(0, 4, 1200);
  P().SetStaffePassoCentrale(50);
  for (bool inferiore : {false, true}) {
    P().SezioneInferiore = inferiore;
    AmbienteColonna::Staffe({{12, 1, 4, 12, 9}});
  }
  const double v = VEd(1200);
  ASSERT_GT(v, 395.7e3);
  ASSERT_LT(v, V1);
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_EQ(T("txtVu", 0), T("F_V", 0));
  EXPECT_EQ(Colore("txtVu", 0), platform::QBColor(0));
  EXPECT_EQ(Lista()[0], "OK verifica a taglio per inflessione intorno all'asse X.");
  const double cot = (V1 + std::sqrt(V1 * V1 - v * v)) / v;
  EXPECT_NEAR(Sismica::Stato.CotTetaPilastro, cot, 1e-3);
}

// L = 900: VEd above 573.75 kN, the most the struts carry (cot = 1).
TEST_F(TaglioPilastro, TooNarrowASectionGivesTheBaseItNeeds) {
  P().SetMatriceSezionePilastro(0, 4, 900);
  ASSERT_TRUE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
  EXPECT_FLOAT_EQ(Sismica::Stato.CotTetaPilastro, 1);
  ASSERT_EQ(Lista().size(), 2u);
  EXPECT_EQ(Lista()[0], "NO verifica a taglio per inflessione intorno all'asse X.");
  EXPECT_EQ(Lista()[1], "Per la verifica a taglio la base deve essere portata a" +
                            VariabiliPubbliche::FormattaValore(400 * VEd(900) / V1) + " mm.");
}

TEST(TaglioPilastroSenzaVerdetto, WithoutPitchStirrupsOrLengthThereIsNone) {
  auto P = []() -> Pilastro& { return AmbienteColonna::Colonna(); };
  const struct {
    const char* nome;
    std::function<void()> prepara;
    const char* testo;
    size_t messaggi;
  } casi[] = {
      {"pitch 0", [&] { P().SetStaffePassoCentrale(0); },
       "ATTENZIONE - Passo staffe nullo nella zona centrale!", 0},
      {"top without stirrups",
       [&] {
         P().SezioneInferiore = false;
         P().SetStaffeNumTot(0);
       },
       "ATTENZIONE - Inserire le staffe nella sezione superiore!", 0},
      {"neither end with stirrups",
       [&] { for (bool inf : {false, true}) P().SezioneInferiore = inf, P().SetStaffeNumTot(0); },
       "ATTENZIONE - Inserire le staffe nelle sezioni inferiore e superiore!", 0},
      // The bottom end: the one the stirrups are typed into.
      {"a horizontal tie only",
       [] {
         AmbienteColonna::Staffe({{8, 5, 6}});
       },
       "ATTENZIONE - Inserire le staffe nella sezione inferiore!", 0},
      {"no length", [&] { P().SetMatriceSezionePilastro(0, 4, 0); },
       "ATTENZIONE - H interpiano = 0!", 1},
      // The limit 0.8 fcd Ac + As fyd = 2757 kN told once for each end.
      {"an axial force beyond the section's", [] { Sismica::Stato.NEdSismica = 1e8; },
       "ATTENZIONE - Momento resistente non calcolabile: verifica a taglio non eseguita!", 2},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    AmbienteColonna ambiente;
    ASSERT_EQ(EseguiCaso(CasoColonnaEsatta(0)).errore, "");  // its materials and strips
    platform::MsgBoxScriptato box;                           // after the case runner's own
    ambiente.finestra.Controllo("txtVu", 0).SetText("vecchio");
    caso.prepara();
    EXPECT_FALSE(P().CalcolaMomentiTagliUltimiPilastro(ambiente.finestra, 0));
    ASSERT_FALSE(ambiente.finestra.Mostrate.empty());
    EXPECT_EQ(ambiente.finestra.Mostrate.back(), Sismica::Prescrizioni{caso.testo});
    EXPECT_EQ(ambiente.finestra.Controllo("txtVu", 0).Text(), "");
    EXPECT_EQ(ambiente.finestra.Controllo("F_V", 0).Text(), "");
    EXPECT_EQ(box.Testi().size(), caso.messaggi);
  }
}

// Legs across the shear: a leg counts by the sine of its inclination, and
// only on a side that spans the whole band of the bars.
TEST(BracciEfficaci, ByShapeAndDirection) {
  const struct {
    const char* nome;
    int nb, nh;
    std::vector<float> staffa;
    double bracciX, bracciY;
  } casi[] = {
      {"hoop clockwise", 4, 4, {8, 1, 4, 12, 9}, 2, 2},
      {"hoop counter-clockwise from another corner", 4, 4, {8, 12, 4, 1, 9}, 2, 2},
      {"diamond through the mid-side bars",
       3,
       3,
       {8, 2, 5, 7, 4},
       2 * std::sin(Pi / 4),
       2 * std::sin(Pi / 4)},
      {"tie across an intermediate row", 4, 4, {8, 5, 6}, 0, 1},
      {"tie down a column of bars", 4, 4, {8, 10, 2}, 1, 0},
      {"tie that stops halfway", 4, 4, {8, 1, 7}, 0, 0},
      {"hoop round the middle rows only", 4, 4, {8, 5, 6, 8, 7}, 0, 2},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    AmbienteColonna ambiente;
    AmbienteColonna::Barre(caso.nb, caso.nh, 16);
    AmbienteColonna::Staffe({caso.staffa});
    AmbienteColonna::Colonna().CoordinateBarre();
    std::vector<float> aree;
    EXPECT_NEAR(AmbienteColonna::Colonna().StaffeAreaEfficace(0, aree), caso.bracciX * Gamba8,
                1e-3);
    ASSERT_EQ(aree.size(), 1u);
    EXPECT_NEAR(AmbienteColonna::Colonna().StaffeAreaEfficace(1, aree), caso.bracciY * Gamba8,
                1e-3);
  }
}

TEST(BracciEfficaci, ACircularHoopHasTwoLegs) {
  AmbienteColonna ambiente;
  Pilastro& p = AmbienteColonna::Colonna();
  p.TipoPilastro = 1;
  p.SetMatriceSezionePilastro(1, 14, 10);
  std::vector<float> aree;
  EXPECT_NEAR(p.StaffeAreaEfficace(0, aree), 2 * Pi * 100 / 4, 1e-3);
}

// The verdict reads the ratio as the domain shows it.
TEST(EsitoFlessione, OneIsOkAboveIsRedAndNoNumberIsNoVerdict) {
  const struct {
    bool calcolato;
    const char* rapporto;
    bool inferiore;
    const char* testo;
    const char* casella;
    int colore;
  } casi[] = {
      {true, "1", true, "OK verifica a flessione SEZIONE INFERIORE", "1", 0},
      {true, "1,0001", false, "NO verifica a flessione SEZIONE SUPERIORE", "1,0001", 12},
      {true, " 0,5", true, "OK verifica a flessione SEZIONE INFERIORE", " 0,5", 0},
      {false, " 0,5", true,
       "ATTENZIONE - Verifica a flessione non eseguita per la SEZIONE INFERIORE!", "", 0},
      {true, "-", false, "ATTENZIONE - Verifica a flessione non eseguita per la SEZIONE SUPERIORE!",
       "", 0},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.rapporto);
    AmbienteColonna ambiente;
    FinestraSismicaProva& f = ambiente.finestra;
    const int i = caso.inferiore ? 0 : 1;
    f.Controllo("txtRoM", i).SetText("0");
    const std::string titolo = caso.inferiore ? "SEZIONE INFERIORE" : "SEZIONE SUPERIORE";
    EXPECT_EQ(Sismica::EsitoFlessione(f, caso.calcolato, caso.rapporto, caso.inferiore, titolo),
              std::string(caso.casella) != "");
    EXPECT_EQ(f.Mostrate.back(), Sismica::Prescrizioni{caso.testo});
    EXPECT_EQ(f.Controllo("txtRoM", i).Text(), caso.casella);
    EXPECT_EQ(f.Controllo("txtRoM", i).ForeColor(), platform::QBColor(caso.colore));
  }
}

}  // namespace

namespace {

// A circular end goes to the main window as its circle: radius, bars,
// diameter and cover in the unit shown, no inner radius, no further bars;
// the moments are those typed for that end.
TEST(EsportaInTramok, ACircularEndFillsTheCircleBoxes) {
  AmbienteColonna ambiente;
  VariabiliPubbliche::Stato.UnitaLunghezza = "cm";
  MainProva main;
  Finestre::Aperte.Main = &main;
  Pilastro& p = AmbienteColonna::Colonna();
  p.TipoPilastro = 1;
  p.SezioneInferiore = false;
  const float dati[][2] = {{1, 250}, {2, 40}, {6, 8}, {7, 16}};
  for (const auto& d : dati) p.SetMatriceSezionePilastro(1, static_cast<int>(d[0]), d[1]);
  p.CoordinatePilastro();
  ambiente.finestra.Controllo("F_MSupsd", 0).SetText("12,5");
  ambiente.finestra.Controllo("F_MSupsd", 1).SetText("-3");
  ambiente.finestra.Controllo("F_MInfsd", 0).SetText("99");
  p.EsportaInTramok(ambiente.finestra);
  Finestre::Aperte = Finestre::FinestreAperte{};
  EXPECT_EQ(main.Controllo("F_Mxsd", 0).Text(), "12,5");
  EXPECT_EQ(main.Controllo("F_MySd", 0).Text(), "-3");
  ASSERT_EQ(main.clic.size(), 1u);
  EXPECT_EQ(main.clic[0], std::make_pair(4, 1));
  const char* attesi[] = {"25", "8", "1,6", "4", "0"};
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(main.Controllo("RaggioTxt", i).Text(), attesi[i]) << i;
  EXPECT_EQ(main.Controllo("txtRigheGriglia", 1).Text(), "0");
}

}  // namespace
