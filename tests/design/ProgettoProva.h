#pragma once
// The design model on a window kept in memory, with C25/30 and B450C under
// NTC (fcd = 0.85 * 25 / 1.5, fyd = 391.3, Es = 200000) and lengths in mm.
#include <gtest/gtest.h>

#include <string>

#include "analysis/SluProva.h"
#include "design/ModelloProgetto.h"
#include "platform/FormInMemoria.h"

class ProgettoProva : public ::testing::Test {
 protected:
  static constexpr double fcd = StatoSlu::fcd;
  static constexpr double fyd = StatoSlu::fyd;
  // Parabola-rectangle block at eps_cu = 0.0035: resultant 17/21 fcd b x at
  // 99/238 x from the compressed edge.
  static constexpr double alfa = 17.0 / 21;
  static constexpr double beta = 99.0 / 238;

  ProgettoProva() {
    VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
    modello_.OpzioniInizializza();
  }

  platform::Control& C(const std::string& nome, int indice = platform::SenzaIndice) {
    return form_.Controllo(nome, indice);
  }

  // The window's inputs: moments (kNm) and shears (kN) of both methods, h and
  // b (mm), cover, A's/As in per cent, rounding steps of h and b.
  void Dati(double M, double V, double h, double b, double copriferro = 20, double as1 = 0,
            double passoH = 0, double passoB = 0) {
    for (int i = 0; i < 2; ++i) {
      C("F_Mxsd", i).SetText(std::to_string(M));
      C("F_Vsd", i).SetText(std::to_string(V));
    }
    C("txtSez", 0).SetText(std::to_string(h));
    C("txtSez", 1).SetText(std::to_string(b));
    C("txtPro", 0).SetText(std::to_string(copriferro));
    C("txtPro", 1).SetText(std::to_string(as1));
    C("TextArrotonda", 0).SetText(std::to_string(passoH));
    C("TextArrotonda", 1).SetText(std::to_string(passoB));
    C("txtCotTeta").SetText("1");
    C("txtRol").SetText("0");
  }

  // Method 0 "S.L.U." or 1 "Metodo n", and the fixed dimension.
  void Scelte(int metodo, int fissa) {
    C("OpTipoVerifica", 0).SetValue(metodo == 0 ? 1 : 0);
    C("OpTipoVerifica", 1).SetValue(metodo == 0 ? 0 : 1);
    VariabiliPubbliche::Stato.DimensioneFissa = fissa;
  }

  // No stirrups and the bars of one manual row in each zone, none fixed:
  // no holders, no compression steel but A's/As.
  void SenzaStaffe(int diametro = 20) {
    VariabiliPubbliche::Stato.SenzaStaffe = true;
    C("chkAutoDiametri").SetValue(0);
    for (const char* zona : {"Fi", "FiC"}) {
      C(std::string("chk") + zona, 0).SetValue(1);
      C(std::string("combo") + zona, 0).SetText(std::to_string(diametro));
      C(std::string("txtNf") + (zona + 1), 0).SetText("0");
    }
  }

  platform::MsgBoxScriptato msg_;
  StatoSlu stato_;
  platform::FormInMemoria form_{"ProgettoSezione"};
  ModelloProgetto modello_{form_};
};
