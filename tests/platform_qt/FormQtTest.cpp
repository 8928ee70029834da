// A window on screen reached by control name: each kind of widget answers
// the properties it has, arrays by "name_index", a missing name harmlessly.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "AppQt.h"
#include "platform/qt/FormQt.h"

using namespace platform;

TEST(FormQt, ControlsAreFoundByNameAndIndexAndAnswerAsTheirKind) {
  AppQt();
  QWidget finestra;
  auto* mu = new QLineEdit(&finestra);
  mu->setObjectName("F_Mu_1");
  auto* spunta = new QCheckBox("Precompresso", &finestra);
  spunta->setObjectName("chkPrecompresso");
  auto* cornice = new QGroupBox("Tipo rottura", &finestra);
  cornice->setObjectName("frmTipoRottura_0");
  auto* opzione = new QRadioButton("Retta", cornice);
  opzione->setObjectName("OpTipoFlessione_0");
  auto* elenco = new QComboBox(&finestra);
  elenco->setObjectName("CmbCavi");
  elenco->setEditable(true);
  auto* menu = new QMenu("&Normativa", &finestra);
  menu->setObjectName("NormativaMain");
  QAction* voce = menu->addAction("NTC 2018");
  voce->setObjectName("NormativaItem_0");
  auto* comando = new QPushButton("Calcola MRd", &finestra);
  comando->setObjectName("btnCalcola");
  comando->setProperty(NonDisponibile, true);
  comando->setEnabled(false);
  FormQt form(finestra, "Main");

  form.Controllo("F_Mu", 1).SetText("12,5");
  EXPECT_EQ(mu->text(), "12,5");
  form.Controllo("F_Mu", 1).SetForeColor(0x0000FF);
  EXPECT_EQ(form.Controllo("F_Mu", 1).ForeColor(), 0x0000FFu);

  EXPECT_EQ(form.Controllo("chkPrecompresso").Value(), 0);
  form.Controllo("chkPrecompresso").SetValue(1);
  EXPECT_TRUE(spunta->isChecked());
  EXPECT_EQ(form.Controllo("chkPrecompresso").Value(), 1);
  form.Controllo("chkPrecompresso").SetValue(2);
  EXPECT_EQ(spunta->checkState(), Qt::PartiallyChecked);

  form.Controllo("OpTipoFlessione", 0).SetValue(1);
  EXPECT_TRUE(opzione->isChecked());
  form.Controllo("frmTipoRottura", 0).SetVisible(false);
  EXPECT_FALSE(form.Controllo("frmTipoRottura", 0).Visible());
  EXPECT_EQ(form.Controllo("frmTipoRottura", 0).Caption(), "Tipo rottura");

  form.Controllo("CmbCavi").AddItem("Trefolo");
  form.Controllo("CmbCavi").SetText("Tipo cavo");
  EXPECT_EQ(elenco->currentText(), "Tipo cavo");
  EXPECT_EQ(form.Controllo("CmbCavi").ListCount(), 1);
  EXPECT_EQ(form.Controllo("CmbCavi").List(0), "Trefolo");
  EXPECT_EQ(form.Controllo("CmbCavi").List(1), "");

  form.Controllo("NormativaMain").SetCaption("Normativa: NTC 2018");
  EXPECT_EQ(menu->title(), "Normativa: NTC 2018");
  form.Controllo("NormativaItem", 0).SetChecked(true);
  EXPECT_TRUE(voce->isChecked());

  // A command not yet there stays disabled, and remembers what was asked.
  form.Controllo("btnCalcola").SetEnabled(true);
  EXPECT_FALSE(comando->isEnabled());
  EXPECT_TRUE(form.Controllo("btnCalcola").Enabled());
  form.Controllo("btnCalcola").SetCaption("Verifica");
  EXPECT_EQ(comando->text(), "Verifica");

  // A name the window lacks takes writes and forgets them.
  form.Controllo("F_Mu", 7).SetText("x");
  EXPECT_EQ(form.Controllo("F_Mu", 7).Text(), "");
}
