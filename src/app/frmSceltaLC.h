#pragma once
// The knowledge level of an existing structure, LC1 to LC3, chosen from the
// table of what each requires; it sets the confidence factor FC of the steel
// or of the concrete, and the materials window shows it and recomputes.
#include <array>

#include <QDialog>

class Material;
class QRadioButton;

class frmSceltaLC : public QDialog {
 public:
  // IndiceFattoreConfidenza: 0 the steel's factor, 1 the concrete's.
  frmSceltaLC(Material& materiali, int IndiceFattoreConfidenza);

  void cmdLC_Click(int Index);

 private:
  // The factor of the first level selected; nothing without one.
  void FattoreDaLivello();

  Material& materiali_;
  int IndiceFattoreConfidenza;
  std::array<QRadioButton*, 3> optLC_{};
};
