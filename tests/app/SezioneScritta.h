#pragma once
// A section typed into the main window as a user types it, the same section
// as a case of the case runner, and the window's result boxes checked
// against the runner's texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FinestraMain.h"
#include "casi/EseguiCaso.h"
#include "casi/FileCaso.h"

// One section, as typed into the window (cm) and as the case runner takes
// it (mm, the outline centred as the window centres figure sections).
struct SezioneTabella {
  const char* nome;
  int tipo;
  int righeFigure;
  std::vector<const char*> figure;  // typed down each column, then across
  int righeBarre;
  std::vector<const char*> barre;
  std::vector<double> vertici;      // x y ... mm
  std::vector<double> barreMm;      // x y area ...
  const char* verifica = "SLU+";
  double N = 0, Mx = 0;             // kN, kNm of the set the method reads
  double angolo = -1;               // biaxial bending at this angle, degrees
};

inline Caso CasoDi(const SezioneTabella& s) {
  Caso c;
  c.nome = s.nome;
  c.numeri["vertices"] = s.vertici;
  c.numeri["bars"] = s.barreMm;
  // The window's own materials, at every digit: C25/30 and B450C,
  // fyd = 450 / 1.15 = 391.304... (its box shows 391,3).
  c.numeri["fck"] = {25};
  c.numeri["fyd"] = {450 / 1.15};
  c.numeri["strips"] = {100};
  c.parole["unit"] = "cm";
  c.parole["verification"] = s.verifica;
  const bool metodoN = std::string(s.verifica) == "n";
  c.numeri[metodoN ? "N1" : "N"] = {s.N * 1000};
  c.numeri[metodoN ? "Mx1" : "Mx"] = {s.Mx * 1e6};
  if (s.angolo >= 0) c.numeri["angle"] = {s.angolo};
  return c;
}

// Typed into the box with the focus, each followed by Enter.
inline void BattiTutti(const std::vector<const char*>& valori) {
  for (const char* v : valori) FinestraMain::Batti(QString::fromUtf8(v));
}

inline void ScriviSezione(FinestraMain& f, const SezioneTabella& s) {
  if (std::string(s.verifica) == "n") f.Clic("OpTipoVerifica", 1);
  if (std::string(s.verifica) == "SLU-") f.Clic("OpTipoVerifica", 2);
  f.Clic("OpTipoSezione", s.tipo == 0 ? 1 : 0);
  f.Clic("OpTipoSezione", s.tipo);
  if (s.tipo >= 2) FinestraMain::Batti(QString::number(s.righeFigure));
  BattiTutti(s.figure);
  f.Widget("txtRigheGriglia", 1)->setFocus();
  FinestraMain::Batti(QString::number(s.righeBarre));
  BattiTutti(s.barre);
  const int set = std::string(s.verifica) == "n" ? 1 : 0;
  f.C("F_N", set).SetText(QString::number(s.N).toStdString());
  f.C("F_Mxsd", set).SetText(QString::number(s.Mx).toStdString());
  if (s.angolo >= 0) {
    f.Clic("OpTipoFlessione", 1);
    f.C("F_Angolo").SetText(QString::number(s.angolo).toStdString());
    f.Widget("btnCalcola")->setFocus();
  }
}

// The section with one tendon row: area, depth, prestress.
inline void ScriviPrecompressa(FinestraMain& f, const SezioneTabella& s,
                               const std::vector<const char*>& cavo) {
  f.Clic("chkPrecompresso");
  ScriviSezione(f, s);
  f.Widget("txtRigheGriglia", 2)->setFocus();
  FinestraMain::Batti("1");
  BattiTutti(cavo);
}

inline void Calcola(FinestraMain& f) { f.Clic("btnCalcola"); }

inline std::pair<std::string, int> Controllo(const std::string& chiave) {
  const auto punto = chiave.find('.');
  if (punto == std::string::npos) return {chiave, platform::SenzaIndice};
  return {chiave.substr(0, punto), std::stoi(chiave.substr(punto + 1))};
}

// Every result box the runner wrote shows the same text in the window.
inline void ControllaRisultati(FinestraMain& f, const RisultatiCaso& atteso) {
  ASSERT_FALSE(atteso.testi.empty());
  for (const auto& [chiave, testo] : atteso.testi) {
    const auto [nome, indice] = Controllo(chiave);
    if (nome.rfind("lbl_", 0) == 0) continue;
    EXPECT_EQ(f.C(nome, indice).Text(), testo) << chiave;
  }
}
