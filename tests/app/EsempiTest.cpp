// The example projects of data/Esempi: what the main window saves for the
// sections typed here, and, opened from the help menu and verified with
// "Calcola", the case runner's results for the same sections.
//
// After a change of the file layout, run this test with TRAMOK_SCRIVI_ESEMPI
// set to write the examples again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "FinestraConDialogo.h"
#include "Ritagli.h"
#include "Schermata.h"
#include "SezioneScritta.h"
#include "doppi/SistemaProva.h"
#include "app/FinestraGrafico.h"
#include "app/Material.h"
#include "app/frmUnits.h"
#include "design/ProgettoSezione.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/SchermoQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

namespace {

namespace fs = std::filesystem;
using VariabiliPubbliche::Stato;

struct Esempio {
  std::string file;
  std::string titolo;
  SezioneTabella sezione;
  std::function<void(FinestraMain&)> scrivi;  // the section into the window
  std::function<void(Caso&)> completa;        // what CasoDi does not give
};

// Tendons of 4 x 150 mm2 at d = 54 cm, prestressed to 1000 N/mm2: an
// initial strain of 1000 / 200000 = 0.005; strands chosen from the list,
// yielding at 1620 / 1.15 = 1408.7 N/mm2.
void ScriviTrefoli(FinestraMain& f) {
  auto* cavi = f.Widget<QComboBox>("CmbCavi");
  cavi->setCurrentIndex(cavi->findText("Trefolo"));
  f.main->CmbCavi_Click();
}

// The length unit chosen in its window, as a user chooses it.
void Unita(const char* opzione) {
  frmUnits::Mostra(0);
  QTest::mouseClick(frmUnits::Aperta()->findChild<QRadioButton*>(opzione), Qt::LeftButton);
  QTest::mouseClick(frmUnits::Aperta()->findChild<QPushButton*>("OKButton_0"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// n points on a circle of radius r from the top, clockwise as the window's
// outline runs or counter-clockwise as its bars, each bar followed by its area.
std::vector<double> SulCerchio(double r, int n, bool orario, double area = 0) {
  std::vector<double> punti;
  for (int i = 0; i < n; ++i) {
    const double a = std::numbers::pi / 2 + (orario ? -i : i) * 2 * std::numbers::pi / n;
    punti.insert(punti.end(), {r * std::cos(a), r * std::sin(a)});
    if (area > 0) punti.push_back(area);
  }
  return punti;
}

const std::vector<Esempio>& Esempi() {
  static const std::vector<Esempio> t = {
      {"Trave inflessa.slu", "Trave 30x50 - flessione retta",
       // 3 bars of 20 mm at d = 46 cm, 2 of 14 mm at d = 4 cm.
       {"Trave inflessa", 0, 1, {"30", "50"}, 2, {"9,42", "3,08", "46", "4"},
        {150, 250, 150, -250, -150, -250, -150, 250}, {0, -210, 942, 0, 210, 308}, "SLU+", 0, 150},
       [](FinestraMain& f) { ScriviSezione(f, Esempi()[0].sezione); },
       [](Caso&) {}},
      {"Trave precompressa.slu", "Trave 30x60 precompressa",
       {"Trave precompressa", 0, 1, {"30", "60"}, 1, {"3,08", "56"},
        {150, 300, 150, -300, -150, -300, -150, 300}, {0, -260, 308}, "SLU+", 0, 250},
       [](FinestraMain& f) {
         ScriviPrecompressa(f, Esempi()[1].sezione, {"6", "54", "1000"});
         ScriviTrefoli(f);
       },
       [](Caso& c) {
         c.numeri["tendons"] = {0, -240, 600, 0.005};
         c.numeri["fyd"] = {450 / 1.15, 1620 / 1.15};
       }},
      {"Pilastro deviato.slu", "Pilastro 40x40 - pressoflessione deviata",
       // Eight bars of 20 mm: the corners and the middle of each side, 4 cm in.
       {"Pilastro deviato", 5, 4, {"-20", "20", "20", "-20", "-20", "-20", "20", "20"}, 8,
        {"3,14", "3,14", "3,14", "3,14", "3,14", "3,14", "3,14", "3,14",
         "-16", "0", "16", "16", "16", "0", "-16", "-16",
         "-16", "-16", "-16", "0", "16", "16", "16", "0"},
        {-200, -200, 200, -200, 200, 200, -200, 200},
        {-160, -160, 314, 0, -160, 314, 160, -160, 314, 160, 0, 314,
         160, 160, 314, 0, 160, 314, -160, 160, 314, -160, 0, 314},
        "SLU+", 1200, 120, 30},
       // The acting moments in the ratio of the resisting ones at 30 degrees.
       [](FinestraMain& f) {
         ScriviSezione(f, Esempi()[2].sezione);
         f.C("F_MySd", 0).SetText("-60");
       },
       [](Caso& c) { c.numeri["My"] = {-60e6}; }},
      // Typed in mm and kept in cm: 212,3 mm is the Single 212.300003
      // (13913293 / 2^16). Read back from the 21,23 its box shows in cm it
      // would become 212.29999: 21.23 is 11130634 / 2^19, times 10 is
      // 13913292.5 / 2^16, a tie rounded to even. 8 bars of 16 mm, centres
      // 40 mm in.
      {"Pilastro circolare.slu", "Pilastro circolare D 42,46 - pressoflessione",
       {"Pilastro circolare", 4, 0, {}, 0, {}, SulCerchio(212.3, 52, true),
        SulCerchio(172.3, 8, false, 16 * 16 * std::numbers::pi / 4), "SLU+", 1200, 150},
       [](FinestraMain& f) {
         Unita("optUnits_0");
         f.Clic("OpTipoSezione", 4);
         BattiTutti({"212,3", "0", "8", "16", "40"});
         f.C("F_N", 0).SetText("1200");
         f.C("F_Mxsd", 0).SetText("150");
         Unita("optUnits_1");
       },
       [](Caso&) {}},
  };
  return t;
}

fs::path CartellaEsempi() {
  const char* test = std::getenv("TRAMOK_TESTS");
  return fs::path(test ? test : ".") / ".." / "data" / "Esempi";
}

std::string Contenuto(const fs::path& percorso) {
  std::ifstream ingresso(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
}

TEST(Esempi, SonoCioCheLaFinestraSalvaPerLeSezioniScritte) {
  for (const Esempio& e : Esempi()) {
    SCOPED_TRACE(e.file);
    // A program without settings files: its own materials.
    FinestraConDialogo f(false);
    f.Scrivi("txtTitolo", e.titolo);
    e.scrivi(f);
    f.dialogo->Accoda(f.ambiente.Percorso(e.file));
    f.main->MnuFileItem_Click(3);
    const std::string salvato = f.ambiente.Leggi(e.file);
    ASSERT_FALSE(salvato.empty());
    if (std::getenv("TRAMOK_SCRIVI_ESEMPI")) {
      fs::create_directories(CartellaEsempi());
      std::ofstream(CartellaEsempi() / e.file, std::ios::binary) << salvato;
    }
    EXPECT_EQ(Contenuto(CartellaEsempi() / e.file), salvato);
  }
}

// Each example cut after every one of its lines: only the whole file is
// read; every shorter one is refused with a box naming it, and the project
// before stays.
TEST(Esempi, TagliatiAOgniRigaSonoRifiutati) {
  AmbienteFile ambiente;
  for (const Esempio& e : Esempi()) {
    SCOPED_TRACE(e.file);
    const std::string intero = Contenuto(CartellaEsempi() / e.file);
    for (std::size_t fine = intero.find("\r\n"); fine != std::string::npos;
         fine = intero.find("\r\n", fine + 2)) {
      ambiente.Scrivi("taglio.slu", intero.substr(0, fine + 2));
      ambiente.box.Svuota();
      Stato.TitoloSezione = "prima";
      ProgettoFile::DatiFinestra dati;
      Generale::FileDati file = Generale::FileDati::ApriLettura(ambiente.Percorso("taglio.slu"));
      const bool letto = ProgettoFile::Legge(file, dati);
      EXPECT_EQ(letto, fine + 2 == intero.size());
      if (letto) continue;
      EXPECT_EQ(Stato.TitoloSezione, "prima");
      EXPECT_EQ(ambiente.box.Testi(),
                std::vector<std::string>{"Lettura incompleta del file\r\n" +
                                         ambiente.Percorso("taglio.slu")});
    }
  }
}

// The examples lie in Esempi beside the program, as the build puts them.
void CopiaEsempi(const AmbienteFile& ambiente) {
  fs::copy(CartellaEsempi(), fs::path(ambiente.Cartella()) / "Esempi");
}

TEST(Esempi, ApertiDalMenuECalcolatiDannoIRisultatiDelCaso) {
  for (const Esempio& e : Esempi()) {
    SCOPED_TRACE(e.file);
    RisultatiCaso atteso;
    {
      SeparatoriProva italiani(",", ".");
      Caso caso = CasoDi(e.sezione);
      e.completa(caso);
      atteso = EseguiCaso(caso);
    }
    ASSERT_EQ(atteso.errore, "");
    // The settings in force differ from the example's materials, which the
    // file brings with it.
    FinestraConDialogo f;
    CopiaEsempi(f.ambiente);
    f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + e.file));
    f.main->mnuAiutoItem_Click(1);
    ASSERT_EQ(f.C("txtTitolo").Text(), e.titolo);
    f.ambiente.box.Svuota();
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati);
    EXPECT_TRUE(Stato.RisultatiPresenti);
    EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{});
    ControllaRisultati(f, atteso);
    SalvaSchermata(*f.main, QString("Esempio ") + e.sezione.nome);
  }
}

// Each example opened, verified, shown in the other unit and back, and, on
// the second road, under another design code and back: "Salva come" writes
// the example again byte for byte. A unit only changes what the windows
// show; a code brings its factors and strengths, and the code before gives
// back its own.
TEST(Esempi, UnitaECodiceCambiatiETornatiLascianoIlFileUguale) {
  for (const Esempio& e : Esempi())
    for (const bool codice : {false, true}) {
      SCOPED_TRACE(e.file + (codice ? " con il codice" : ""));
      FinestraConDialogo f;
      CopiaEsempi(f.ambiente);
      f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + e.file));
      f.main->mnuAiutoItem_Click(1);
      Calcola(f);
      Unita("optUnits_0");
      ASSERT_EQ(Stato.UnitaLunghezza, "mm");
      Unita("optUnits_1");
      if (codice) {
        f.main->findChild<QAction*>("NormativaItem_1")->trigger();
        ASSERT_EQ(Stato.Normativa, 1);
        f.main->findChild<QAction*>("NormativaItem_0")->trigger();
      }
      Calcola(f);
      EXPECT_EQ(f.SalvaCome("copia.slu"), f.ambiente.Leggi("Esempi/" + e.file));
    }
}

// Each example read with the seismic and design windows opened before, or after materials typed
// and given up: "Salva come" writes it byte for byte, not the windows' own (an empty end's 2 x 2
// bars of the first diameter, T1 = 1). A title typed changes its line alone; b = 35 cm typed, not
// left, in the seismic window is written as 350 mm, beside the 2 x 2 bars of 12 it shows.
TEST(Esempi, LeFinestreSismicaEProgettoAperteLascianoIlFileUguale) {
  for (const Esempio& e : Esempi())
    for (const bool primaAperte : {true, false}) {
      SCOPED_TRACE(e.file + (primaAperte ? " aperte prima" : " aperte dopo"));
      FinestraConDialogo f;
      CopiaEsempi(f.ambiente);
      const auto apri = [&f] {
        f.main->findChild<QAction*>("MnuSismica")->trigger();
        if (Stato.TipoSezione == 0 && f.C("F_N", 0).Text() == "0") f.main->mnu_Progetto_Click();
      };
      if (primaAperte) apri();
      f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + e.file));
      f.main->mnuAiutoItem_Click(1);
      if (!primaAperte) {
        f.Digita(Material::Mostra().findChild<QLineEdit*>("F_fck_1"), "30");
        apri();
        Material::Aperta()->close();
      }
      const std::string letto = f.ambiente.Leggi("Esempi/" + e.file);
      EXPECT_EQ(f.SalvaCome("copia.slu"), letto);
      f.Scrivi("txtTitolo", "Nuovo");
      EXPECT_EQ(f.SalvaCome("copia.slu"), "\"Nuovo" + letto.substr(letto.find("\",")));
      f.Digita(FrmSismica::Aperta()->findChild<QLineEdit*>("PilastroTxt_0"), "35");
      EXPECT_NE(f.SalvaCome("copia.slu").find("\n350,0,0,0,0,0,0,0,0,0,2,2,12,0,0,0,0\r"),
                std::string::npos);
      for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra != f.main.get()) finestra->close();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Changed inputs, by any road, empty an open result window, which "Calcola" does not refill.
TEST(Esempi, UnaFinestraDiRisultatiNonTieneRisultatiDiDatiCambiati) {
  const std::vector<std::tuple<int, const char*, const char*, std::function<void(FinestraMain&)>>>
      passi{
      {0, "btnDominioMN", "btnCalcolaMN",  // b = 40
       [](FinestraMain& f) { f.main->FlexGrid_Click(0), FinestraMain::Batti("40"), Calcola(f); }},
      {2, "btnDominioMN", "txtRapporto", [](FinestraMain& f) { f.C("F_N", 0).SetText("1000"); }},
      {0, "btnMomentoCurvatura_solo", "MRd", [](FinestraMain& f) { f.Clic("OpTipoSezione", 1); }},
      {0, "btnMomentoCurvatura", "M_M2max", [](FinestraMain& f) { f.main->NormativaItem_Click(1); }},
      {0, "btnMomentoCurvatura", "M_M2max", [](FinestraMain& f) { f.C("F_L0").SetText("900"); }},
      {2, "btnDominioMN", "cmdRidisegna", [](FinestraMain&) { Unita("optUnits_0"); }}};
  for (const auto& [esempio, bottone, risultato, cambia] : passi) {
    for (QWidget* finestra : QApplication::topLevelWidgets()) finestra->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FinestraConDialogo f;
    CopiaEsempi(f.ambiente);
    f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + Esempi()[esempio].file));
    f.main->mnuAiutoItem_Click(1);
    f.Clic(bottone);
    FinestraGrafico* w = nullptr;
    for (QWidget* finestra : QApplication::topLevelWidgets())
      w = w ? w : dynamic_cast<FinestraGrafico*>(finestra);
    ASSERT_TRUE(w && w->Grafico().Grafico().RowCount() > 0) << bottone;
    cambia(f);
    EXPECT_EQ(w->Grafico().Grafico().RowCount() + w->Griglia().Griglia().Rows(), 1) << bottone;
    EXPECT_EQ(w->Grafico().Grafico().Title(), "") << bottone;
    const platform::Control& r = w->Controlli().Controllo(risultato);
    EXPECT_TRUE(r.Text().empty() || !r.Enabled()) << risultato;  // a box empty, a command held
  }
}

TEST(Esempi, IlMenuApreLaCartellaEsempiELasciaLaCartellaDati) {
  FinestraConDialogo f;
  CopiaEsempi(f.ambiente);
  const std::string progetti = f.ambiente.Percorso("progetti");
  fs::create_directory(progetti);
  Stato.CartellaDati = progetti;
  QAction* voce = f.main->findChild<QAction*>("mnuAiutoItem_1");
  ASSERT_NE(voce, nullptr);
  ASSERT_TRUE(voce->isEnabled());

  // Cancelled: nothing moves.
  voce->trigger();
  ASSERT_EQ(f.dialogo->Mostrati().size(), 1u);
  EXPECT_EQ(f.dialogo->Mostrati()[0].InitDir, f.ambiente.Percorso("Esempi"));
  EXPECT_TRUE(f.dialogo->Mostrati()[0].Apertura);
  EXPECT_EQ(Stato.CartellaDati, progetti);
  EXPECT_EQ(ProgettoFile::Stato.NomeFileProgetto, "");

  const std::string esempio = f.ambiente.Percorso("Esempi/Trave inflessa.slu");
  const std::string originale = f.ambiente.Leggi("Esempi/Trave inflessa.slu");
  f.dialogo->Accoda(esempio);
  voce->trigger();
  EXPECT_EQ(f.C("txtTitolo").Text(), Esempi()[0].titolo);
  EXPECT_EQ(f.main->windowTitle().toStdString(), f.main->FormCaption + "Trave inflessa");
  EXPECT_EQ(Stato.CartellaDati, progetti);

  // "Salva" writes into the data folder, the example stays as shipped.
  f.Scrivi("txtTitolo", "Mia trave");
  f.main->MnuFileItem_Click(2);
  EXPECT_EQ(f.dialogo->Mostrati().size(), 2u);
  EXPECT_EQ(f.ambiente.Leggi("progetti/Trave inflessa.slu").substr(0, 12), "\"Mia trave\",");
  EXPECT_EQ(f.ambiente.Leggi("Esempi/Trave inflessa.slu"), originale);
}

// Each example opened and verified, then each window it leads to, at the
// size it opens with on a screen of the size given: every number and every
// column header is shown whole, also in the value tables behind the charts,
// every title (the action factor's window opened at 315 pixels, its title
// bar showing "Coefficiente pa...ale di sicurezza"), and nothing needs
// scrolling sideways (the design window at 150 %, its "i" button half out).
void OgniFinestraInteraSulloSchermo(int larghezza, int altezza) {
  const auto Controlla = [] {
    // The windows as they stand once their layouts have settled.
    QApplication::processEvents();
    std::vector<QPointer<QWidget>> finestre;
    for (QWidget* finestra : QApplication::topLevelWidgets()) finestre.emplace_back(finestra);
    for (QWidget* finestra : finestre) {
      if (!finestra || !finestra->isVisible()) continue;
      SCOPED_TRACE(finestra->windowTitle().toStdString());
      EXPECT_EQ(Ritagli(*finestra), std::vector<std::string>{});
      for (QPushButton* valori : finestra->findChildren<QPushButton*>())
        if (valori->isVisible() && valori->text() == "Valori") {
          valori->click();
          QApplication::processEvents();
          EXPECT_EQ(Ritagli(*finestra), std::vector<std::string>{});
          valori->click();
        }
    }
  };
  Schermo(larghezza, altezza);
  if (SchermoInUnAltroProcesso(larghezza, altezza)) return;
  platform::TieniFinestreNelloSchermo(AppQt());
  ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(larghezza, altezza));
  for (const Esempio& e : Esempi()) {
    SCOPED_TRACE(e.file);
    FinestraConDialogo f;
    CopiaEsempi(f.ambiente);
    f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + e.file));
    f.main->mnuAiutoItem_Click(1);
    Calcola(f);
    Controlla();
    for (const char* risultato : {"btnDominioMN", "btnMomentoCurvatura", "btnMomentoCurvatura_solo"})
      if (f.Widget(risultato)->isVisible()) {
        f.Clic(risultato);
        Controlla();
      }
    const auto Clic = [](QWidget* finestra, const char* nome) {
      finestra->findChild<QAbstractButton*>(nome)->click();
    };
    const std::function<void()> altre[] = {
        [&] { f.main->mnuMateriali_Click(); },
        [&] { f.main->mnuOpzioniItem_Click(0); },
        [&] { f.main->mnuOpzioniItem_Click(1); },
        [&] { f.main->mnuOpzioniItem_Click(3); },
        [&] {
          if (!f.main->findChild<QAction*>("mnu_Progetto")->isEnabled()) return;
          f.main->mnu_Progetto_Click();
          Controlla();
          Clic(ProgettoSezione::Aperta(), "cmdListaBarre_0");
        },
        [&] {
          f.main->findChild<QAction*>("MnuSismica")->trigger();
          Controlla();
          Clic(FrmSismica::Aperta(), "StaffePilDef");
        },
        [&] {
          for (int pagina = 0; pagina <= 3; ++pagina) {
            FrmCoefficienti::Mostra(pagina);
            Controlla();
          }
        }};
    for (const std::function<void()>& apri : altre) {
      apri();
      Controlla();
    }
    for (QWidget* finestra : QApplication::topLevelWidgets())
      if (finestra != f.main.get()) finestra->close();
    QApplication::processEvents();
  }
}

TEST(Esempi, OgniFinestraMostraInteriNumeriEIntestazioni) { OgniFinestraInteraSulloSchermo(1366, 768); }

// 1920 x 1080 at 150 %.
TEST(Esempi, OgniFinestraInteraA1280x720) { OgniFinestraInteraSulloSchermo(1280, 720); }

// scripts/run.sh starts the program with this relative path.
TEST(Esempi, LaRigaDiComandoApreUnEsempioDallaCartellaDelProgramma) {
  FinestraConDialogo f;
  CopiaEsempi(f.ambiente);
  f.main->RigaComando = "Esempi/Trave inflessa.slu";
  ASSERT_TRUE(f.main->ApriFileRigaComando());
  EXPECT_EQ(f.C("txtTitolo").Text(), Esempi()[0].titolo);
  EXPECT_EQ(f.main->windowTitle().toStdString(), f.main->FormCaption + "Trave inflessa");
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 2), "50");
}

// Rows a count adds are empty, never those of the project open before.
TEST(Esempi, LeRigheAggiunteNonSonoDelProgettoPrecedente) {
  FinestraConDialogo f;
  CopiaEsempi(f.ambiente);
  for (const std::string esempio : {"Pilastro deviato.slu", "Pilastro circolare.slu"})
    f.dialogo->Accoda(f.ambiente.Percorso("Esempi/" + esempio)), f.main->mnuAiutoItem_Click(1);
  f.main->findChild<QAction*>("mnuSoloBarre")->trigger();
  f.Widget("txtRigheGriglia", 1)->setFocus();
  FinestraMain::Batti("2");
  Calcola(f);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Stato.MatriceBarre(i / 3 + 1, i % 3 + 1), 0) << i;
}

}  // namespace
