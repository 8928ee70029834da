#include <optional>
#include <sstream>
#include <vector>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "FinestreQt.h"
#include "analysis/Correnti.h"
#include "app/FinestreRisultati.h"
#include "app/FrmCarSez.h"
#include "drawing/NumeroCella.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

// A 300 x 500 mm rectangle from the origin with 2000 mm2 of bars at
// (150, 50), n = 15, in cm.
class FinestraCarSez : public ConMain {
 protected:
  void SetUp() override {
    Stato = VariabiliPubbliche::StatoProgramma{};
    VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
    Stato.UnitaLunghezza = "cm";
    SezioneCA& s = *VariabiliPubbliche::SezioneCorrente();
    s.Coordinate(Vettore<double>{0, 300, 300, 0}, Vettore<double>{0, 0, 500, 500}, 4);
    s.BarreDati(1, {150}, {50}, {2000}, {15, 6}, 0, {}, {}, {}, {});
    s.Sollecitazioni({0, 0}, {0, 100e6}, {0, 0});
    ApriMain();
  }

  std::vector<std::string> Righe(int modo, std::function<bool()> verifica = {}) {
    FrmCarSez& w = FinestreRisultati::MostraCarSez(modo, std::move(verifica));
    titolo = w.windowTitle().toStdString();
    std::vector<std::string> righe;
    std::istringstream testo(w.Text1().toPlainText().toStdString());
    for (std::string riga; std::getline(testo, riga);) righe.push_back(riga);
    ChiudiFinestre();
    return righe;
  }

  // The number between the line's fixed text and what follows it.
  static double Numero(const std::string& riga, const std::string& prima,
                       const std::string& dopo) {
    EXPECT_EQ(riga.rfind(prima, 0), 0u) << riga;
    const std::size_t fine = riga.find(dopo, prima.size());
    EXPECT_NE(fine, std::string::npos) << riga;
    return NumeroCella::Valore(riga.substr(prima.size(), fine - prima.size()));
  }

  // Block of lines from riga: area, centroid, inertias (cm, cm2, cm4).
  static void Blocco(const std::vector<std::string>& r, size_t i, double area, double xG,
                     double dx, double yG, double dy, double jx, double jy, double jI,
                     double jII) {
    ASSERT_GE(r.size(), i + 11);
    EXPECT_NEAR(Numero(r[i], "     Area = ", " cm2"), area, area * 1e-3);
    EXPECT_NEAR(Numero(r[i + 1], "     Ascissa  baricentro xG = ", " cm   (xMax - xG = "), xG, 0.01);
    EXPECT_NEAR(Numero(r[i + 1], r[i + 1].substr(0, r[i + 1].find("(xMax - xG = ") + 13), ")"),
                dx, 0.01);
    EXPECT_NEAR(Numero(r[i + 2], "     Ordinata baricentro yG = ", " cm   (yMax - yG = "), yG, 0.01);
    EXPECT_NEAR(Numero(r[i + 2], r[i + 2].substr(0, r[i + 2].find("(yMax - yG = ") + 13), ")"),
                dy, 0.01);
    EXPECT_EQ(r[i + 3], "Momenti d'inerzia baricentrici");
    EXPECT_NEAR(Numero(r[i + 4], "      JxG = ", " cm4"), jx, jx * 1e-3);
    EXPECT_NEAR(Numero(r[i + 5], "      JyG = ", " cm4"), jy, jy * 1e-3);
    EXPECT_NEAR(Numero(r[i + 6], "     JxyG = ", " cm4"), 0, 1);
    EXPECT_EQ(r[i + 7], "Momenti principali d'inerzia baricentrici");
    EXPECT_NEAR(Numero(r[i + 8], "     J-IG = ", " cm4"), jI, jI * 1e-3);
    EXPECT_NEAR(Numero(r[i + 9], "    J-IIG = ", " cm4"), jII, jII * 1e-3);
    EXPECT_NEAR(Numero(r[i + 10], "    angolo = ", " deg"), 0, 1e-6);
  }

  std::string titolo;
};

}  // namespace

TEST_F(FinestraCarSez, TheConcreteAndTheHomogenisedSectionOfARectangleInCm) {
  const std::vector<std::string> r = Righe(0);
  EXPECT_EQ(titolo, "Caratteristiche statiche sezione Omogeneizzata");
  ASSERT_EQ(r.size(), 25u);
  EXPECT_EQ(r[0], "Caratteristiche statiche sezione solo calcestruzzo");
  // 30 x 50 cm: 1500 cm2, 30 * 50^3 / 12 and 50 * 30^3 / 12.
  Blocco(r, 1, 1500, 15, 15, 25, 25, 312500, 112500, 312500, 112500);
  EXPECT_EQ(r[12], " ");
  EXPECT_EQ(r[13], "Sezione omogeneizzata interamente reagente");
  // Plus 15 x 20 cm2 at y = 5 cm: A = 1800, yG = (1500 25 + 300 5) / 1800,
  // Jx = 312500 + 1500 (25 - yG)^2 + 300 (yG - 5)^2; the distances from the
  // concrete's own edges.
  const double yG = (1500.0 * 25 + 300 * 5) / 1800;
  const double jx = 312500 + 1500 * (25 - yG) * (25 - yG) + 300 * (yG - 5) * (yG - 5);
  Blocco(r, 14, 1800, 15, 15, yG, 50 - yG, jx, 112500, jx, 112500);
  FrmCarSez& w = FinestreRisultati::MostraCarSez(0, {});
  Fotografa(w, "FrmCarSez");
  // 40 cm wide and chosen again: 2000 cm2, not the report already open.
  VariabiliPubbliche::SezioneCorrente()->Coordinate(Vettore<double>{0, 400, 400, 0},
                                                    Vettore<double>{0, 0, 500, 500}, 4);
  const std::string area = FinestreRisultati::MostraCarSez(0, {}).Text1().toPlainText().toStdString();
  EXPECT_NEAR(Numero(area.substr(area.find('\n') + 1), "     Area = ", " cm2"), 2000, 0.1);
  // An input changed: the report goes with it.
  FinestreRisultati::SvuotaAperte();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FinestreRisultati::FrmCarSezAperto(), nullptr);
}

TEST_F(FinestraCarSez, TheCrackedSectionOnlyUnderTheAllowableStressMethod) {
  EXPECT_EQ(Righe(1), std::vector<std::string>{"Le caratteristiche statiche della sezione "
                                                "parzializzata hanno senso solo per il metodo n"});
  EXPECT_EQ(titolo, "Caratteristiche statiche sezione Parzializzata");
  // The notice fits the window: nothing to scroll sideways.
  FrmCarSez& w = FinestreRisultati::MostraCarSez(1, {});
  QApplication::processEvents();
  EXPECT_EQ(w.Text1().horizontalScrollBar()->maximum(), 0);
  ChiudiFinestre();
  Stato.TipoVerifica = 1;
  Stato.ClsReagenteTrazione = true;
  EXPECT_EQ(Righe(1), (std::vector<std::string>{"Materiale reagente a trazione",
                                                "Scegliere l'opzione:",
                                                "'Caratteristiche Sezione Omogeneizzata'"}));
}

TEST_F(FinestraCarSez, TheCrackedSectionAfterTheMainWindowsVerification) {
  Stato.TipoVerifica = 1;
  platform::MsgBoxScriptato messaggi;
  int verifiche = 0;
  const std::vector<std::string> r = Righe(1, [&] {
    ++verifiche;
    VariabiliPubbliche::SezioneCorrente()->CalcolaSezioneCA(main);
    return true;
  });
  EXPECT_EQ(verifiche, 1);
  ASSERT_GE(r.size(), 2u);
  EXPECT_EQ(r[0], "Caratteristiche statiche sezione parzializzata");
  // Singly reinforced in bending: 30 x^2 / 2 = 15 * 20 (45 - x), x in cm;
  // the reacting area 30 x + 300.
  const double x = (-300 + std::sqrt(300.0 * 300 + 4 * 15 * 13500)) / 30;
  EXPECT_NEAR(Numero(r[1], "     Area = ", " cm2"), 30 * x + 300, 0.1);
}

TEST_F(FinestraCarSez, NoResultsGiveOneLineNeverStaleData) {
  Stato.TipoVerifica = 1;
  platform::MsgBoxScriptato messaggi;
  // A verification that ran before, then one refused for bad data.
  VariabiliPubbliche::SezioneCorrente()->CalcolaSezioneCA(main);
  EXPECT_EQ(Righe(1, [] { return false; }),
            std::vector<std::string>{"Nessun risultato disponibile"});
  // A section without an outline.
  VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  EXPECT_EQ(Righe(0), std::vector<std::string>{"Nessun risultato disponibile"});
}
