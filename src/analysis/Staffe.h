#pragma once
// The stirrups of a designed rectangular beam: how many closed stirrups of
// which widths make up the legs, their cut lengths and weight, and where the
// holder bars sit in their corners. Widths and lengths are measured on the
// bar axis; the beam's b1 and h1 come from the section that owns them, the
// cover deduction (DetrazioneStaffa) and SenzaStaffe from the program state.
#include <string>

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
  // The axes of the legs, from the middle of the width, left to right; empty
  // for a leg count other than 2, 4, 6.
  Vettore<double> AssiBracci() const;

  // ---- Drawing (Staffe_Disegno.cpp), in the beam's frame: x from the middle
  // of the width, y up from the bottom face; on the current device.

  // The stirrups of the layout inside the section of depth h (the first
  // argument is not used).
  void InserisceStaffe(double, double h);
  // The stirrups one by one beside each other below the section, with both
  // faces, hooks, widths and the label; position 1 puts the outer one under
  // the section, its origin 2 (h - DetrazioneStaffa) below yRiferimento.
  // Any other position draws nothing.
  void InserisceEsploso(double h, int posizione, double yRiferimento);
  // The box the exploded view of position 1 fills, texts included.
  void IngombroEsploso(double h, double yRiferimento, double& xMin, double& xMax, double& yMin,
                       double& yMax);
  // One closed stirrup of axis height h and axis width b, its left leg dx to
  // the right of the outer stirrup's, moved by (x0, y0): the outer face of
  // the bar, or both faces with the hooks.
  void StaffaPoly(double h, double b, bool doubleLine, double dx, double x0 = 0, double y0 = 0);

 private:
  void LarghezzaStaffaInternaCalcola();
  // The notice of an unsupported leg count, shown once while the program runs.
  void MessaggioBracci(const char* procedura) const;
  // "Ltot = ..." of the cut lengths.
  std::string TestoLunghezzaStaffe() const;
  // The two hooks of the closing corner (top left) of the stirrup of axis
  // height h whose points move by (dx, dy).
  void ContornoStaffa(double h, double dx, double dy) const;
  // Where the pieces of the exploded view go.
  struct VistaEsploso {
    double y0 = 0;  // origin of every piece
    Vettore<double> x0;  // origin of each piece, the outer one first
    Vettore<double> larghezze;  // their axis widths
    double yEtichetta = 0;
    std::string etichetta;
  };
  VistaEsploso Esploso(double h, double yRiferimento);

  const SezioneCA& sezione_;
  float LarghezzaStaffaInterna = 0;
  float LarghezzaStaffaEsterna = 0;
  float LunghezzaGancio = 0;
  float LarghezzaNetta = 0;
};
