// The stirrup editor of the seismic window, driven as a user drives it: the
// grid clicked and typed into, the commands pressed, the diameter answered.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "EditorStaffeQt.h"
#include "FinestreSismicaQt.h"
#include "app/FiguraSezione.h"
#include "app/Ritagli.h"
#include "app/Schermata.h"
#include "platform/InputBoxScriptato.h"

using Sismica::Stato;

namespace {

using namespace EditorQt;
using Riga = RigaStaffa;

constexpr const char* InternaInsufficiente =
    "Numero barre insufficienti per creare una staffa interna.\r\n"
    "Devono essere presenti almeno tre barre per lato.";

class EditorStaffe : public FinestreSismicaQt {
 protected:
  void SetUp() override {
    FinestreSismicaQt::SetUp();
    Colonna400();
  }

  static Sismica::Pilastro& Colonna() { return Stato.PilastroCorrente; }

  // The window on the current end, its stirrups given, the editor opened.
  static void Apri(std::initializer_list<Riga> staffe = {}) {
    for (bool inferiore : {false, true}) {
      Colonna().SezioneInferiore = inferiore;
      Memorizza(staffe);
    }
    FrmSismica::Mostra();
    EditorQt::Apri();
  }
  static void Memorizza(std::initializer_list<Riga> righe) {
    Matrice<float> staffe;
    if (righe.size() > 0) staffe.ReDim(1, static_cast<int>(righe.size()), 1, 9);
    int i = 0;
    for (const Riga& riga : righe) {
      ++i;
      for (size_t j = 0; j < riga.size(); ++j) staffe(i, static_cast<int>(j) + 1) = riga[j];
    }
    Colonna().StaffeMemorizza(staffe);
  }

  platform::InputBoxScriptato diametri;
};

// Pixels of colour 1 (pure red) in the section picture.
int Rossi() {
  const QImage immagine =
      Finestra().findChild<FiguraSezione*>("Figura")->Immagine().convertToFormat(
          QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < immagine.height(); ++y)
    for (int x = 0; x < immagine.width(); ++x) {
      const QRgb c = immagine.pixel(x, y);
      n += qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
    }
  return n;
}

// The editor draws in colour 1 the stirrup being typed, the stirrup just
// committed and the stirrup of a row clicked; a plain redraw has none.
TEST_F(EditorStaffe, CurrentAndTypedStirrupsAreDrawnHighlighted) {
  Apri({{8, 1, 4, 12, 9}});
  EXPECT_EQ(Rossi(), 0);
  Premi(4);
  Digita("8");
  Digita("5");
  Digita("6");
  EXPECT_GT(Rossi(), 20);
  EXPECT_EQ(Memorizzate().size(), 1u);
  Digita("0");
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {8, 5, 6}}));
  EXPECT_GT(Rossi(), 20);
  QTest::mouseClick(Finestra().findChild<QWidget*>("Figura"), Qt::LeftButton);
  EXPECT_EQ(Rossi(), 0);
  ClicCella(1, 1);
  EXPECT_GT(Rossi(), 100);
}

TEST_F(EditorStaffe, OpensOnTheCurrentEndWithItsStirrupsAndLocksTheColumnData) {
  Apri({{8, 1, 4, 12, 9}});
  EXPECT_FALSE(F().findChild<QWidget*>("frmStaffe")->isHidden());
  EXPECT_EQ(F().findChild<QWidget*>("frmStaffe")->property("title").toString(),
            "Staffe nella Sezione Inferiore del Pilastro");
  EXPECT_EQ(F().findChild<QWidget*>("PilastroTxt_14")->toolTip(),
            "Passo staffe nella zona critica inferiore del Pilastro");
  for (const char* nome : {"Frame1", "frmTipoPilastro", "PilastroFrm_0", "cmdCopiaSezione"})
    EXPECT_FALSE(F().findChild<QWidget*>(nome)->isEnabled()) << nome;
  ASSERT_EQ(G().Rows(), 2);
  EXPECT_EQ(RigaGriglia(0),
            (std::vector<std::string>{"N", "φ", "1V", "2V", "3V", "4V", "5V", "6V", "7V", "8V"}));
  EXPECT_EQ(RigaGriglia(1),
            (std::vector<std::string>{"1", "8", "1", "4", "12", "9", "0", "0", "0", "0"}));
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_EQ(F().findChild<QLineEdit*>("PilastroTxt_14")->text(), "100");
  EXPECT_EQ(F().findChild<QLineEdit*>("PilastroTxt_13")->text(), "150");
}

// On a 1920 x 1080 screen at 150 % the window scrolls; the editor opens in
// sight with the picture under it, where the stirrup typed is drawn.
class EditorStaffeSulloSchermo : public EditorStaffe {
 protected:
  static void SetUpTestSuite() { Schermo(1280, 720); }
};

TEST_F(EditorStaffeSulloSchermo, OpensInSightWithThePictureUnderIt) {
  if (SchermoInUnAltroProcesso(1280, 720)) return;
  platform::TieniFinestreNelloSchermo(AppQt());
  ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1280, 720));
  Apri();
  auto* area = F().findChild<QScrollArea*>();
  ASSERT_TRUE(area->verticalScrollBar()->isVisible());
  for (const char* nome : {"frmStaffe", "Figura", "cmdPlotta"}) {
    const QWidget* w = F().findChild<QWidget*>(nome);
    EXPECT_TRUE(area->viewport()->rect().contains(
        QRect(w->mapTo(area->viewport(), QPoint(0, 0)), w->size())))
        << nome;
  }
  EXPECT_GE(F().findChild<QWidget*>("Figura")->height(), 100);
}

TEST_F(EditorStaffe, OuterHoopInnerStirrupAndGenericTieAreAddedAndStored) {
  Apri();
  ASSERT_EQ(G().Rows(), 1);
  diametri.Accoda("8");
  Premi(2);  // Agg. Esterna: the four corners in turn
  ASSERT_EQ(diametri.Mostrate().size(), 1u);
  EXPECT_EQ(diametri.Mostrate()[0].prompt, "Diametro");
  EXPECT_EQ(diametri.Mostrate()[0].titolo, "Diametro staffa");
  EXPECT_EQ(diametri.Mostrate()[0].predefinito, "8");
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}}));
  diametri.Accoda("10");
  Premi(5);  // Agg. Interna: the bars next to the corners, round the section
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {10, 2, 3, 6, 8, 11, 10, 7, 5}}));
  EXPECT_EQ(RigaGriglia(2),
            (std::vector<std::string>{"2", "10", "2", "3", "6", "8", "11", "10", "7", "5"}));

  // Agg. Generica: a tie across the middle row, bars 5 and 6, ended by a 0
  // typed after a 0 already there.
  Premi(4);
  ASSERT_EQ(G().Rows(), 4);
  EXPECT_EQ(G().Row(), 3);
  EXPECT_EQ(G().Col(), 1);
  EXPECT_EQ(RigaGriglia(3), (std::vector<std::string>{"3", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
  Digita("6");
  Digita("5");
  Digita("6");
  EXPECT_EQ(Memorizzate().size(), 2u);  // not stored while it is typed
  EXPECT_TRUE(Editor().isVisible());
  Digita("0");
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {10, 2, 3, 6, 8, 11, 10, 7, 5}, {6, 5, 6}}));
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_TRUE(GQt().hasFocus());  // the keys typed next open the editor again
  EXPECT_TRUE(messaggi.Mostrati().empty());

  Premi(0);  // Ok
  EXPECT_FALSE(Aperto());
  EXPECT_EQ(Memorizzate().size(), 3u);
  for (const char* nome : {"Frame1", "frmTipoPilastro", "PilastroFrm_0", "cmdCopiaSezione"})
    EXPECT_TRUE(F().findChild<QWidget*>(nome)->isEnabled()) << nome;
  SalvaSchermata(F(), "FrmSismica_Staffe_chiuso");
}

TEST_F(EditorStaffe, EditedCellIsStoredAsANumberAndPitchesWithIt) {
  Apri({{8, 1, 4, 12, 9}});
  ClicCella(1, 1);
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().text(), "8");
  Digita("10");
  EXPECT_TRUE(Editor().isVisible() && Editor().text() == "1");  // on the next cell, bar 1
  EXPECT_EQ(G().TextMatrix(1, 1), "10");
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{10, 1, 4, 12, 9}}));
  // A key typed on the grid starts the edit with it.
  GQt().setFocus();
  QTest::keyClick(&GQt(), Qt::Key_Left);
  QTest::keyClick(&GQt(), Qt::Key_Delete, Qt::KeypadModifier);  // NumLock off: types nothing
  QTest::keyClick(&GQt(), Qt::Key_1);
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().text(), "1");
  QTest::keyClick(&Editor(), Qt::Key_2);
  QTest::keyClick(&Editor(), Qt::Key_Return);
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{12, 1, 4, 12, 9}}));
  // A text that is no number is the data error: the cell keeps it, the
  // stirrups stored stay.
  messaggi.Svuota();
  ClicCella(1, 3);
  Digita("x");
  EXPECT_EQ(G().TextMatrix(1, 3), "x");
  EXPECT_EQ(messaggi.Testi(), std::vector<std::string>{"Errore! Controllare i dati"});
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{12, 1, 4, 12, 9}}));
  ClicCella(1, 3);
  Digita("4");
  EXPECT_EQ(Errore(), "");
  // The pitches typed in the frame go with the stirrups.
  auto* critico = F().findChild<QLineEdit*>("PilastroTxt_14");
  critico->selectAll();
  QTest::keyClicks(critico, "90");
  ClicCella(1, 9);
  Digita("0");  // the last column: the cell stays current and the row is stored
  EXPECT_EQ(G().Col(), 9);
  EXPECT_FLOAT_EQ(Colonna().StaffePassoCritico(), 90);
  EXPECT_FLOAT_EQ(Colonna().StaffePassoCentrale(), 150);
}

TEST_F(EditorStaffe, DeleteAndCancelRestoreWhatTheEditorOpenedWith) {
  Apri({{8, 1, 4, 12, 9}, {8, 5, 6}});
  auto* critico = F().findChild<QLineEdit*>("PilastroTxt_14");
  critico->selectAll();
  QTest::keyClicks(critico, "80");
  diametri.Accoda("10");
  Premi(5);
  ClicCella(1, 1);
  Premi(3);  // Elimina the first
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 5, 6}, {10, 2, 3, 6, 8, 11, 10, 7, 5}}));
  EXPECT_EQ(RigaGriglia(1), (std::vector<std::string>{"1", "8", "5", "6", "0", "0", "0", "0", "0", "0"}));
  EXPECT_FLOAT_EQ(Colonna().StaffePassoCritico(), 80);
  Premi(1);  // Annulla
  EXPECT_FALSE(Aperto());
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {8, 5, 6}}));
  EXPECT_FLOAT_EQ(Colonna().StaffePassoCritico(), 100);
  EXPECT_EQ(critico->text(), "100");
  // Elimina of the last stirrup leaves the headers and no stirrups.
  Premi(*F().findChild<QPushButton*>("StaffePilDef"));
  Premi(3);
  Premi(3);
  EXPECT_EQ(G().Rows(), 1);
  EXPECT_TRUE(Memorizzate().empty());
  EXPECT_EQ(Colonna().StaffeNumTot(), 0);
}

TEST_F(EditorStaffe, RefusalsAddNothingOrKeepTheRowOutOfTheStore) {
  Colonna().SetMatriceSezionePilastro(0, 11, 3);
  Colonna().SetMatriceSezionePilastro(0, 12, 2);
  Apri();
  Premi(5);  // three bars along b, two along h
  EXPECT_EQ(messaggi.Testi(), (std::vector<std::string>{InternaInsufficiente}));
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Informazione);
  EXPECT_TRUE(diametri.Mostrate().empty());
  EXPECT_EQ(G().Rows(), 1);
  Premi(2);  // the diameter cancelled
  EXPECT_EQ(diametri.Mostrate().size(), 1u);
  EXPECT_EQ(G().Rows(), 1);
  diametri.Accoda("3");
  Premi(2);
  EXPECT_EQ(G().Rows(), 2);
  EXPECT_EQ(Errore(), "Errore nella staffa 1: Diametro = 3");
  EXPECT_TRUE(Memorizzate().empty());
  // A stirrup of 1000 mm round a 40 cm column is none; 8 mm is one.
  ClicCella(1, 1);
  Digita("1.000");
  EXPECT_EQ(Errore(), "Errore nella staffa 1: Diametro = 1000 mm: deve essere compreso tra 4 e 50 mm");
  EXPECT_TRUE(Memorizzate().empty());
  ClicCella(1, 1);
  Digita("8");
  EXPECT_EQ(Errore(), "");
  ASSERT_EQ(Memorizzate().size(), 1u);
  EXPECT_EQ(Memorizzate()[0][0], 8);
}

TEST_F(EditorStaffe, RepeatedStirrupDisablesTheCommandsUntilTheNextOne) {
  Apri({{8, 1, 4, 12, 9}});
  diametri.Accoda("8");
  Premi(2);
  EXPECT_EQ(messaggi.Testi(), (std::vector<std::string>{
                                  "la staffa 2 si sovrappone alla staffa 1.\r\nEliminarla o modificarla!"}));
  for (int i : {0, 2, 4}) EXPECT_FALSE(Comando(i).isEnabled()) << i;
  EXPECT_FALSE(F().findChild<QWidget*>("cmdControlloPilStaffe")->isEnabled());
  for (int i : {1, 3, 5}) EXPECT_TRUE(Comando(i).isEnabled()) << i;
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}}));
  Premi(3);  // the repeated one is current: deleted
  EXPECT_TRUE(Comando(0).isEnabled());
  EXPECT_EQ(G().Rows(), 2);
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}}));
}

TEST_F(EditorStaffe, RefusedRowIsNeverStoredByALaterCommitDeleteOrOk) {
  Apri({{8, 1, 4, 12, 9}});
  Premi(4);  // a generic tie of diameter 3: refused
  Digita("3");
  Digita("5");
  Digita("6");
  Digita("0");
  EXPECT_EQ(Errore(), "Errore nella staffa 2: Diametro = 3");
  diametri.Accoda("10");
  Premi(5);  // row 3 accepted: rows 1 and 3 stored
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {10, 2, 3, 6, 8, 11, 10, 7, 5}}));
  ClicCella(3, 1);
  Premi(3);
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}}));
  Premi(0);  // Ok refused: the editor stays on the refused row
  EXPECT_TRUE(Aperto());
  EXPECT_EQ(G().Row(), 2);
  EXPECT_EQ(Errore(), "Errore nella staffa 2: Diametro = 3");
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}}));
  ClicCella(2, 1);
  SalvaSchermata(F(), "FrmSismica_Staffe");
  Digita("8");
  EXPECT_EQ(Errore(), "");
  Premi(0);
  EXPECT_FALSE(Aperto());
  EXPECT_EQ(Memorizzate(), (std::vector<Riga>{{8, 1, 4, 12, 9}, {8, 5, 6}}));
}

}  // namespace
