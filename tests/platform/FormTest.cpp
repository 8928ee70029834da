#include <gtest/gtest.h>

#include "platform/FormInMemoria.h"

using namespace platform;

TEST(FormInMemoria, ControlArraysAreDistinctByIndex) {
  FormInMemoria f("Main");
  f.Controllo("F_Mu", 0).SetText("  12.5");
  f.Controllo("F_Mu", 1).SetText("-3");
  f.Controllo("F_Mu", 1).SetForeColor(QBColor(12));
  EXPECT_EQ(f.Controllo("F_Mu", 0).Text(), "  12.5");
  EXPECT_EQ(f.Controllo("F_Mu", 1).Text(), "-3");
  EXPECT_EQ(f.Controllo("F_Mu", 1).ForeColor(), 0xFF0000u);
  EXPECT_FALSE(f.Esiste("F_Mu"));
  EXPECT_EQ(f.Name(), "Main");
}

TEST(FormInMemoria, ListsAndChecks) {
  FormInMemoria f("Main");
  Control& cmb = f.Controllo("CmbCavi");
  cmb.AddItem("Trefolo");
  cmb.AddItem("Treccia");
  EXPECT_EQ(cmb.ListCount(), 2);
  EXPECT_EQ(cmb.List(1), "Treccia");
  EXPECT_EQ(cmb.List(2), "");
  cmb.Clear();
  EXPECT_EQ(cmb.ListCount(), 0);
  Control& voce = f.Controllo("NormativaItem", 2);
  voce.SetChecked(true);
  EXPECT_TRUE(voce.Checked());
  EXPECT_EQ(voce.Value(), 1);
}
