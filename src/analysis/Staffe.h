#pragma once
// The stirrups of a designed rectangular beam: how many closed stirrups of
// which widths make up the legs, their cut lengths and weight, and where the
// holder bars sit in their corners. Widths and lengths are measured on the
// bar axis; the beam's b1 and h1 come from the section that owns them, the
// cover deduction (DetrazioneStaffa) and SenzaStaffe from the program state.
#include "model/Vettore.h"

class SezioneCA;

class Staffe {
 public:
  explicit Staffe(const SezioneCA& sezione) : sezione_(sezione) {}

  int NumeroBraccia = 0;  // legs across the width: 2, 4 or 6
  float Diametro = 0;  // mm
  float PassoEffAmin = 0;  // spacing along the beam, mm
  // Layout: 1, 3 one stirrup; 2, 4 two overlapping; 5, 7 outer and one
  // inner; 6, 8 outer and two inner.
  int TipoAmin = 0;
  float hTesto = 0;
  int GancioChiuso = 0;  // 1: 135-degree hooks

  // Widths of the layout; offset receives the distance from the outer
  // stirrup's left leg to the left leg of the first inner (or second) one.
  void LarghezzeStaffeCalcola(float& offset);
  // Cut lengths in whole centimetres of the outer (or both overlapping)
  // stirrups and of the inner ones, from the widths last computed; a code
  // outside 1 to 8 leaves L1 as given.
  void LunghezzeCm(int& L1, int& L2) const;
  // Both lengths together, m.
  float LunghezzaTotale() const;
  // Weight of one set of stirrups, kg.
  float Peso();
  // Transverse x of the holder bar of radius rBar in the corner of each leg,
  // from the middle of the width (1..NumeroBraccia); *xCorner receives its
  // distance from the leg axis. Empty for a leg count other than 2, 4, 6.
  Vettore<double> AscPosizTrasvReg(double rBar, double* xCorner = nullptr) const;

 private:
  void LarghezzaStaffaInternaCalcola();
  // The notice of an unsupported leg count, shown once while the program runs.
  void MessaggioBracci(const char* procedura) const;

  const SezioneCA& sezione_;
  float LarghezzaStaffaInterna = 0;
  float LarghezzaStaffaEsterna = 0;
  float LunghezzaGancio = 0;
  float LarghezzaNetta = 0;
};
