#include <gtest/gtest.h>

#include "AmbienteFile.h"
#include "app/TabelleMateriali.h"

using namespace TabelleMateriali;
using VariabiliPubbliche::RigaAcciaio;
using VariabiliPubbliche::Stato;

TEST(TabelleMateriali, ParametersOfEachCode) {
  AmbienteFile ambiente;
  const struct {
    int normativa;
    double epsSu, gammaC, alfaCC;
  } casi[] = {{0, 0.0675, 1.5, 0.85}, {1, 0.01, 1.6, 0.85}, {2, 0.0675, 1.5, 1.0}};
  for (const auto& caso : casi) {
    Stato.Normativa = caso.normativa;
    Stato.GammaS = Stato.EpsC2 = 0;
    ParametriNormativa();
    EXPECT_EQ(Stato.EpsSu, caso.epsSu);
    EXPECT_EQ(Stato.GammaC, caso.gammaC);
    EXPECT_EQ(Stato.AlfaCC, caso.alfaCC);
    EXPECT_EQ(Stato.GammaS, 1.15);
    EXPECT_EQ(Stato.EpsC2, 0.002);
  }
  Stato.Normativa = 3;
  Stato.GammaC = 7;
  ParametriNormativa();
  EXPECT_EQ(Stato.GammaC, 7);
}

TEST(TabelleMateriali, DefaultsFillEverySteelTable) {
  AmbienteFile ambiente;
  Stato.Normativa = 2;
  Stato.AlfaCC = 0.5;
  MaterialiDefault();
  EXPECT_EQ(Stato.TabellaAcciai.Conta(), 14);
  EXPECT_EQ(Stato.TabellaAcciai(14), (RigaAcciaio{"Aq60 1957", 305, 640, 175}));
  EXPECT_EQ(Stato.TabellaAcciaiNtc.Conta(), 3);
  EXPECT_EQ(Stato.TabellaAcciaiDm96.Conta(), 5);
  EXPECT_EQ(Stato.TabellaCalcestruzzi(14).Designazione, "C90/105");
  EXPECT_EQ(Stato.AlfaCC, 1.0);

  // A code outside the three keeps the table in force and its factors.
  Stato.Normativa = 9;
  Stato.TabellaAcciai = {{"Mio", 1, 2, 3}};
  Stato.GammaC = 1.45;
  Stato.TabellaAcciaiDm96 = {};
  MaterialiDefault();
  EXPECT_EQ(Stato.TabellaAcciai, (Vettore<RigaAcciaio>{{"Mio", 1, 2, 3}}));
  EXPECT_EQ(Stato.GammaC, 1.45);
  EXPECT_EQ(Stato.TabellaAcciaiDm96, AcciaiPredefiniti(1));
}

TEST(TabelleMateriali, SteelTableFollowsTheCodeWhenItHasRows) {
  AmbienteFile ambiente;
  Stato.TabellaAcciaiDm96 = {{"FeB44k", 430, 540, 255}};
  Stato.Normativa = 1;
  VariabiliPubbliche::AssegnaMatrAcciaio();
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiDm96);
  Stato.Normativa = 0;  // never filled
  VariabiliPubbliche::AssegnaMatrAcciaio();
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiDm96);
  Stato.Normativa = -1;
  VariabiliPubbliche::AssegnaMatrAcciaio();
  EXPECT_EQ(Stato.TabellaAcciai, Stato.TabellaAcciaiDm96);
}
