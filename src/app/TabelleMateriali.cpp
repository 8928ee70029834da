#include "app/TabelleMateriali.h"

namespace TabelleMateriali {
namespace {

using VariabiliPubbliche::RigaAcciaio;
using VariabiliPubbliche::RigaCalcestruzzo;
using VariabiliPubbliche::Stato;

const Vettore<RigaAcciaio> AcciaiNtc{
    {"B450C", 450, 540, 255}, {"B450A", 450, 540, 255}, {"Trefolo", 1620, 1800, 1080}};

const Vettore<RigaAcciaio> AcciaiDm96{{"FeB22k", 215, 335, 115},
                                      {"FeB32k", 315, 490, 155},
                                      {"FeB38k", 375, 450, 215},
                                      {"FeB44k", 430, 540, 255},
                                      {"Trefolo", 1620, 1800, 1080}};

const Vettore<RigaAcciaio> AcciaiEsistenti{
    {"B450C", 450, 540, 255},          {"FeB22k", 215, 335, 115},    {"FeB32k", 315, 490, 155},
    {"FeB38k", 375, 450, 215},         {"FeB44k", 430, 540, 255},    {"Trefolo", 1620, 1800, 1080},
    {"A41 1972", 400, 490, 235},       {"A38 1972", 375, 450, 215},  {"Dolce 1939", 225, 450, 125},
    {"Semi duro 1939", 265, 540, 195}, {"Duro 1939", 305, 640, 195}, {"Aq42 1957", 225, 450, 135},
    {"Aq50 1957", 265, 540, 155},      {"Aq60 1957", 305, 640, 175}};

const Vettore<RigaCalcestruzzo> Calcestruzzi{
    {"C16/20", 16, 20}, {"C20/25", 20, 25},  {"C25/30", 25, 30}, {"C28/35", 28, 35},
    {"C30/37", 30, 37}, {"C35/45", 35, 45},  {"C40/50", 40, 50}, {"C45/55", 45, 55},
    {"C50/60", 50, 60}, {"C55/67", 55, 67},  {"C60/75", 60, 75}, {"C70/85", 70, 85},
    {"C80/95", 80, 95}, {"C90/105", 90, 105}};

struct Parametri {
  double EpsSu;
  double GammaC;
  double GammaS;
  double EpsC2;
  double AlfaCC;
};

// By code: 0 "NTC 2018", 1 "DM 1996", 2 "NTC 2018 - Strutture esistenti".
constexpr Parametri ParametriCodice[3] = {{0.0675, 1.5, 1.15, 0.002, 0.85},
                                          {0.01, 1.6, 1.15, 0.002, 0.85},
                                          {0.0675, 1.5, 1.15, 0.002, 1.0}};

bool CodicePrevisto(int normativa) { return normativa >= 0 && normativa <= 2; }

}  // namespace

Vettore<RigaAcciaio> AcciaiPredefiniti(int normativa) {
  switch (normativa) {
    case 0: return AcciaiNtc;
    case 1: return AcciaiDm96;
    case 2: return AcciaiEsistenti;
    default: return {};
  }
}

Vettore<RigaCalcestruzzo> CalcestruzziPredefiniti() { return Calcestruzzi; }

void MaterialiDefault() {
  Stato.GammaS = 1.15;
  Stato.ModuloEs = 200000;
  Stato.EpsCu = 0.0035;
  Stato.AlfaCC = 0.85;
  Stato.RapportoFccFcd = 0.8;
  Stato.RapportoN[0] = 15;
  Stato.TabellaCalcestruzzi = Calcestruzzi;
  // The user's tables of each code stay; one never filled takes its defaults,
  // so that a change of code finds rows.
  for (int normativa = 0; normativa <= 2; ++normativa) {
    Vettore<RigaAcciaio>& tabella = *VariabiliPubbliche::TabellaAcciaiNormativa(normativa);
    if (tabella.Vuoto()) tabella = AcciaiPredefiniti(normativa);
  }
  if (CodicePrevisto(Stato.Normativa)) Stato.TabellaAcciai = AcciaiPredefiniti(Stato.Normativa);
  ParametriNormativa();
}

void ParametriNormativa() {
  if (!CodicePrevisto(Stato.Normativa)) return;
  const Parametri& p = ParametriCodice[Stato.Normativa];
  Stato.EpsSu = p.EpsSu;
  Stato.GammaC = p.GammaC;
  Stato.GammaS = p.GammaS;
  Stato.EpsC2 = p.EpsC2;
  Stato.AlfaCC = p.AlfaCC;
}

}  // namespace TabelleMateriali
