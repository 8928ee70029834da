#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "AmbienteFile.h"
#include "Schermata.h"
#include "app/FrmImportDXF.h"
#include "platform_qt/AppQt.h"

using ImportaDxf::Stato;

namespace {

class FrmImportDXFTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    Stato = ImportaDxf::StatoImportaDxf{};
    Stato.LayerDxf = {"0", "SEZIONE", "BARRE", "CAVI"};
  }
  void TearDown() override { Stato = ImportaDxf::StatoImportaDxf{}; }

  template <class T>
  T* Controllo(const char* nome) {
    T* c = finestra.findChild<T*>(nome);
    EXPECT_NE(c, nullptr) << nome;
    return c;
  }
  // Runs the user's actions inside the modal loop; a window left open by a
  // failed expectation is closed so that the test ends.
  void Mostra(std::function<void()> utente) {
    QTimer::singleShot(0, &finestra, [this, utente] {
      utente();
      if (finestra.isVisible()) {
        ADD_FAILURE() << "la finestra è rimasta aperta";
        finestra.reject();
      }
    });
    finestra.MostraModale();
  }
  void Scegli(const char* combo, const char* layer) {
    auto* c = Controllo<QComboBox>(combo);
    c->setCurrentIndex(c->findText(layer));
  }

  AmbienteFile ambiente;
  FrmImportDXF finestra;
};

TEST_F(FrmImportDXFTest, LoadListsTheLayersWithNoneChosen) {
  Stato.LayerContorno = "vecchio";
  Stato.LayerBarre = "vecchio";
  Stato.LayerConfermati = true;
  Mostra([this] {
    EXPECT_EQ(finestra.windowTitle(), "Importa DXF");
    EXPECT_EQ(Stato.LayerContorno, "");
    EXPECT_EQ(Stato.LayerBarre, "");
    EXPECT_FALSE(Stato.LayerConfermati);
    for (const char* nome : {"ComboSez_0", "ComboSez_1", "ComboSez_2"}) {
      auto* combo = Controllo<QComboBox>(nome);
      ASSERT_EQ(combo->count(), 4);
      EXPECT_EQ(combo->itemText(0), "0");
      EXPECT_EQ(combo->itemText(3), "CAVI");
      EXPECT_EQ(combo->currentIndex(), -1);
    }
    EXPECT_TRUE(Controllo<QComboBox>("ComboSez_0")->isVisible());
    EXPECT_FALSE(Controllo<QComboBox>("ComboSez_1")->isVisible());
    EXPECT_FALSE(Controllo<QComboBox>("ComboSez_2")->isVisible());
    EXPECT_FALSE(Controllo<QCheckBox>("CheckSez_1")->isChecked());
    EXPECT_EQ(Controllo<QCheckBox>("CheckSez_2")->text(), "Armatura di precompressione");
    EXPECT_EQ(finestra.focusWidget(), Controllo<QPushButton>("cmdDXF_1"));
    QTest::keyClick(&finestra, Qt::Key_Escape);
  });
  EXPECT_FALSE(Stato.LayerConfermati);
}

TEST_F(FrmImportDXFTest, OkAsksForTheOutlineLayerThenTakesTheShownBoxes) {
  Mostra([this] {
    QTest::mouseClick(Controllo<QPushButton>("cmdDXF_1"), Qt::LeftButton);
    EXPECT_EQ(ambiente.box.Testi(),
              std::vector<std::string>{"Selezionare layer per geometria sezione!"});
    EXPECT_EQ(ambiente.box.Mostrati().at(0).icona, platform::Icona::Esclamazione);
    EXPECT_TRUE(finestra.isVisible());

    Scegli("ComboSez_0", "SEZIONE");
    Controllo<QCheckBox>("CheckSez_1")->click();
    auto* barre = Controllo<QComboBox>("ComboSez_1");
    EXPECT_TRUE(barre->isVisible());
    EXPECT_EQ(barre->currentText(), "0");  // the first name, on ticking
    Scegli("ComboSez_1", "BARRE");
    // Ticked and unticked again: its choice is not taken.
    Controllo<QCheckBox>("CheckSez_2")->click();
    Scegli("ComboSez_2", "CAVI");
    SalvaSchermata(finestra, "FrmImportDXF");
    Controllo<QCheckBox>("CheckSez_2")->click();
    EXPECT_FALSE(Controllo<QComboBox>("ComboSez_2")->isVisible());
    QTest::mouseClick(Controllo<QPushButton>("cmdDXF_1"), Qt::LeftButton);
  });
  EXPECT_TRUE(Stato.LayerConfermati);
  EXPECT_EQ(Stato.LayerContorno, "SEZIONE");
  EXPECT_EQ(Stato.LayerBarre, "BARRE");
  EXPECT_EQ(Stato.LayerCavi, "");
}

TEST_F(FrmImportDXFTest, DrawingWithoutLayersEndsOnlyByAnnulla) {
  Stato.LayerDxf.clear();
  Mostra([this] {
    QTest::keyClick(&finestra, Qt::Key_Return);  // "OK" is the default button
    EXPECT_TRUE(finestra.isVisible());
    EXPECT_EQ(ambiente.box.Testi().size(), 1u);
    QTest::mouseClick(Controllo<QPushButton>("cmdDXF_0"), Qt::LeftButton);
  });
  EXPECT_FALSE(Stato.LayerConfermati);
}

TEST_F(FrmImportDXFTest, ImportOfADrawingThroughTheWindow) {
  // The user acts once the file is read and the window is up.
  QTimer::singleShot(0, &finestra, [this] {
    Scegli("ComboSez_0", "SEZIONE");
    Controllo<QCheckBox>("CheckSez_1")->click();
    Scegli("ComboSez_1", "BARRE");
    QTest::mouseClick(Controllo<QPushButton>("cmdDXF_1"), Qt::LeftButton);
  });
  const char* test = std::getenv("TRAMOK_TESTS");
  const auto sezione = ImportaDxf::ImportaFileDxf(
      std::string(test ? test : ".") + "/app/fixtures/sezione_r2000.dxf", finestra);
  ASSERT_TRUE(sezione);
  EXPECT_EQ(sezione->nFigure, 4);
  EXPECT_EQ(sezione->nBarre, 4);
  EXPECT_EQ(sezione->nCavi, 0);
  EXPECT_TRUE(ambiente.box.Testi().empty());
}

}  // namespace
