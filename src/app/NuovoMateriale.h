#pragma once
// The dialog that appends a steel or concrete row to the grids of the
// materials window; the row joins the library when that window saves it.
// Stays open for the next row until "Esci".
#include <array>

#include <QDialog>

class Material;
class QLineEdit;

class NuovoMateriale : public QDialog {
 public:
  // TipoMateriale 0 a steel row, any other a concrete row.
  NuovoMateriale(Material& materiali, int TipoMateriale);

  void Inserisci_Click();

 private:
  Material& materiali_;
  int TipoMateriale;
  std::array<QLineEdit*, 4> Text1_{};
};
