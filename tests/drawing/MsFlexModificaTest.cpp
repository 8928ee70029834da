#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "doppi/VistaGrigliaProva.h"
#include "drawing/MsFlex.h"
#include "platform/ApplicazioneInMemoria.h"
#include "platform/CasellaTestoInMemoria.h"
#include "platform/Tasti.h"

using namespace MsFlex;
using platform::TastoInvio;

namespace {

// A grid of 3 data rows by 2 data columns, placed on its window, with the
// floating editor and the control after the grid.
class ModificaInCella : public ::testing::Test {
 protected:
  void SetUp() override {
    Stato = StatoMsFlex{};
    griglia.SetRows(4);
    griglia.SetCols(3);
    griglia.SetLeft(300);
    griglia.SetTop(600);
    griglia.SetColWidth(0, 450);
    griglia.SetColWidth(2, 1200);
    Vai(1, 1);
    vista.Eventi.clear();
  }
  void TearDown() override { Stato = StatoMsFlex{}; }

  void Vai(int riga, int colonna) {
    griglia.SetRow(riga);
    griglia.SetCol(colonna);
  }

  // A key on the editor; returns the code as the handler left it.
  int Tasto(int codice, bool perRighe = false, platform::Focalizzabile* dopo = nullptr) {
    TxtEditKeyDown(griglia, editor, codice, 0, dopo, perRighe);
    return codice;
  }

  bool Richiesto(const std::string& evento) const {
    return std::find(vista.Eventi.begin(), vista.Eventi.end(), evento) != vista.Eventi.end();
  }

  platform::FlexGrid griglia;
  VistaGrigliaProva vista{griglia};
  platform::CasellaTestoInMemoria editor;
  platform::CasellaTestoInMemoria prossimo;
  platform::ApplicazioneInMemoria applicazione;
};

}  // namespace

TEST_F(ModificaInCella, AClickTakesUpANumberElseKeepsTheEditorsTextAllSelected) {
  griglia.SetText("12.5");
  editor.SetText("vecchio");
  ModificaCella(griglia, editor, 0);
  EXPECT_EQ(editor.Text(), "12.5");
  EXPECT_EQ(editor.SelStart(), 0);
  EXPECT_EQ(editor.SelLength(), 4);
  EXPECT_TRUE(editor.Visible());
  EXPECT_EQ(editor.Fuochi, 1);
  EXPECT_EQ(Stato.PrimoTastoCella, 0);
  // Over the cell: the grid's place, then the fixed column and the header row.
  EXPECT_EQ(editor.Left(), 300 + 450);
  EXPECT_EQ(editor.Top(), 600 + platform::AltezzaRigaPredefinita);
  EXPECT_EQ(editor.Width(), platform::LarghezzaColonnaPredefinita);
  EXPECT_EQ(editor.Height(), platform::AltezzaRigaPredefinita);

  for (const char* testo : {"", "abc", "1,2,x"}) {
    griglia.SetText(testo);
    editor.SetText("vecchio");
    ModificaCella(griglia, editor, 0);
    EXPECT_EQ(editor.Text(), "vecchio") << testo;
    EXPECT_EQ(editor.SelLength(), 7) << testo;
  }
}

TEST_F(ModificaInCella, TypingOpensWithThatCharacterAndEnterOpensTheNextCellWithItsOwnText) {
  ModificaCella(griglia, editor, '5');
  EXPECT_EQ(editor.Text(), "5");
  EXPECT_EQ(editor.SelStart(), 1);
  editor.SetText("57");

  // The grid has the focus and its events have run before the cell is written.
  std::string cellaDuranteEventi = "non eseguiti";
  applicazione.EventiInSospeso = [&] {
    EXPECT_TRUE(Richiesto("fuoco"));
    cellaDuranteEventi = griglia.TextMatrix(1, 1);
  };
  EXPECT_EQ(Tasto(TastoInvio), TastoInvio);
  EXPECT_EQ(cellaDuranteEventi, "");
  EXPECT_EQ(griglia.TextMatrix(1, 1), "57");
  EXPECT_EQ(griglia.Row(), 2);
  EXPECT_EQ(griglia.Col(), 1);
  EXPECT_EQ(editor.Text(), griglia.TextMatrix(2, 1));  // the key typed is not carried on
  EXPECT_EQ(editor.SelStart(), 0);
  EXPECT_EQ(editor.Top(), 600 + 2 * platform::AltezzaRigaPredefinita);
  EXPECT_EQ(editor.Fuochi, 2);
  EXPECT_EQ(applicazione.CicliEventi, 1);
}

TEST_F(ModificaInCella, AControlKeyOpensOnTheCellsTextWithTheCaretAtItsEnd) {
  const std::string lungo(1200, '7');
  griglia.SetText(lungo);
  ModificaCella(griglia, editor, TastoInvio);
  EXPECT_EQ(editor.Text(), lungo);
  EXPECT_EQ(editor.SelStart(), 1200);
  EXPECT_EQ(editor.SelLength(), 0);

  ModificaCella(griglia, editor, 0xE8);  // è
  EXPECT_EQ(editor.Text(), "è");
  EXPECT_EQ(editor.SelStart(), 1);
  ModificaCella(griglia, editor, 0x20AC);  // €
  EXPECT_EQ(editor.Text(), "€");
}

TEST_F(ModificaInCella, EnterAtTheEndOfAColumnOrRowGoesOnToTheNextOne) {
  Vai(3, 1);
  ModificaCella(griglia, editor, 0);
  Tasto(TastoInvio);
  EXPECT_EQ(griglia.Row(), 1);
  EXPECT_EQ(griglia.Col(), 2);
  EXPECT_EQ(editor.Left(), 300 + 450 + platform::LarghezzaColonnaPredefinita);
  EXPECT_EQ(editor.Width(), 1200);

  Vai(1, 2);
  Tasto(TastoInvio, true);
  EXPECT_EQ(griglia.Row(), 2);
  EXPECT_EQ(griglia.Col(), 1);
  Tasto(TastoInvio, true);
  EXPECT_EQ(griglia.Row(), 2);
  EXPECT_EQ(griglia.Col(), 2);
}

TEST_F(ModificaInCella, EnterInTheLastCellCommitsAndHandsTheFocusOn) {
  for (const bool perRighe : {false, true}) {
    Vai(3, 2);
    ModificaCella(griglia, editor, '9');
    const int fuochiEditor = editor.Fuochi;
    Tasto(TastoInvio, perRighe, &prossimo);
    EXPECT_EQ(griglia.TextMatrix(3, 2), "9");
    EXPECT_EQ(griglia.Row(), 3);
    EXPECT_EQ(griglia.Col(), 2);
    EXPECT_EQ(editor.Fuochi, fuochiEditor);
  }
  EXPECT_EQ(prossimo.Fuochi, 2);
  Tasto(TastoInvio);  // with no control to go to
  EXPECT_EQ(griglia.Row(), 3);
}

TEST_F(ModificaInCella, EscUpAndDownLeaveTheCellsTextAlone) {
  griglia.SetText("1");
  ModificaCella(griglia, editor, '8');
  Tasto(platform::TastoEsc);
  EXPECT_FALSE(editor.Visible());
  EXPECT_EQ(griglia.Text(), "1");
  EXPECT_TRUE(Richiesto("fuoco"));

  vista.Eventi.clear();
  Tasto(platform::TastoSu);
  EXPECT_EQ(vista.Eventi, (std::vector<std::string>{"fuoco"}));
  EXPECT_EQ(applicazione.CicliEventi, 0);

  Tasto(platform::TastoGiu);
  EXPECT_EQ(griglia.Row(), 2);
  EXPECT_EQ(griglia.TextMatrix(1, 1), "1");
  EXPECT_EQ(griglia.TextMatrix(2, 1), "");
  EXPECT_EQ(applicazione.CicliEventi, 1);
  Vai(3, 1);
  Tasto(platform::TastoGiu);
  EXPECT_EQ(griglia.Row(), 3);
}

TEST_F(ModificaInCella, TabCommitsAsEnterAndShiftTabGoesBackToTheGrid) {
  int codice = platform::TastoTab;
  ModificaCella(griglia, editor, '4');
  TxtEditTastoGiu(griglia, editor, codice, 0);  // down the column, as Enter
  EXPECT_EQ(griglia.TextMatrix(1, 1), "4");
  EXPECT_EQ(griglia.Row(), 2);
  EXPECT_EQ(griglia.Col(), 1);
  Vai(3, 2);
  ModificaCella(griglia, editor, '7');
  TxtEditTastoGiu(griglia, editor, codice, 0, &prossimo);
  EXPECT_EQ(griglia.TextMatrix(3, 2), "7");
  EXPECT_EQ(prossimo.Fuochi, 1);

  ModificaCella(griglia, editor, '5');
  TxtEditTastoGiu(griglia, editor, codice, platform::MascheraMaiuscolo, &prossimo);
  EXPECT_EQ(griglia.TextMatrix(3, 2), "7");  // the window's grid focus writes it
  EXPECT_EQ(prossimo.Fuochi, 1);
  EXPECT_EQ(Tasto(platform::TastoTab), TastoInvio);  // the key-down handler's Enter
}

namespace {

class TabStop : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoMsFlex{}; }
  void TearDown() override { Stato = StatoMsFlex{}; }

  static std::vector<std::optional<bool>> Fermate(const platform::ControlliFinestra& f) {
    std::vector<std::optional<bool>> fermate;
    for (int i = 0; i < f.ControlCount(); ++i) fermate.push_back(f.TabStop(i));
    return fermate;
  }

  platform::ApplicazioneInMemoria applicazione;
  std::vector<std::optional<bool>> iniziali{true, std::nullopt, false, true};
  std::shared_ptr<platform::ControlliInMemoria> finestra =
      std::make_shared<platform::ControlliInMemoria>(iniziali);
};

}  // namespace

TEST_F(TabStop, HeldWhileTheEditorHasTheFocusAndGivenBackOnce) {
  applicazione.Attiva = finestra;
  TxtEditEntra();
  EXPECT_EQ(Fermate(*finestra),
            (std::vector<std::optional<bool>>{false, std::nullopt, false, false}));
  // Focus coming twice would otherwise store the cleared values.
  TxtEditEntra();
  TxtEditEsce();
  EXPECT_EQ(Fermate(*finestra), iniziali);
  EXPECT_TRUE(Stato.TabStopSalvati.empty());
  // Leaving twice does not clear them again.
  finestra->SetTabStop(2, true);
  TxtEditEsce();
  EXPECT_EQ(Fermate(*finestra)[2], true);
}

TEST_F(TabStop, GivenBackToTheWindowTheyCameFrom) {
  applicazione.Attiva = finestra;
  ImpostaTabStop(false);
  auto altra = std::make_shared<platform::ControlliInMemoria>(
      std::vector<std::optional<bool>>{false, false, false, false, true});
  applicazione.Attiva = altra;
  ImpostaTabStop(true);
  EXPECT_EQ(Fermate(*finestra), iniziali);
  EXPECT_EQ(Fermate(*altra),
            (std::vector<std::optional<bool>>{false, false, false, false, true}));

  applicazione.Attiva = nullptr;
  ImpostaTabStop(false);
  ImpostaTabStop(true);
  EXPECT_EQ(Fermate(*finestra), iniziali);
}
