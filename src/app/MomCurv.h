#pragma once
// The moment-curvature windows: "Colonna modello" (the model column, with
// the largest first-order moment and the second-order eccentricity) and
// "Momento - Curvatura" (the diagram alone, with the resisting and yield
// moments). One class, two configurations; the engine fills both.
#include "app/FinestraGrafico.h"
#include "model/Finestre.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MomCurv : public FinestraGrafico, public Finestre::FinestraMomentoCurvatura {
 public:
  // solo: the moment-curvature diagram alone (MomCurvSolo).
  explicit MomCurv(bool solo, QWidget* genitore = nullptr);

  bool Solo() const { return solo_; }
  std::string Name() const override { return solo_ ? "MomCurvSolo" : "MomCurv"; }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override {
    return Controlli().Controllo(nome, indice);
  }
  platform::Chart& Graph1() override { return Grafico().Grafico(); }
  platform::FlexGrid& Grid1() override { return Griglia().Griglia(); }

  // F_N, F_L0 and the unit of F_L0 as the main window shows them now.
  void IngressiDaMain();
  // The engine's run with the points of F_nDivisioniMN; a count that is not
  // a whole 16-bit number gives the data-error box and runs nothing.
  void Calcola();
  // "Ricalcola": the axial force and the free length back into the main
  // window, then the run.
  void btnCalcolaMN_Click();
  void Command1_Click();
  void cmdDuttil_Click();

  QLineEdit& F_N() { return *fN_; }
  QLineEdit& F_L0() { return *fL0_; }
  QLineEdit& F_nDivisioniMN() { return *fDivisioni_; }
  QPushButton& btnCalcolaMN() { return *btnCalcolaMN_; }
  QGroupBox& fraDutt() { return *fraDutt_; }

 private:
  void CreaDuttilita();
  void SvuotaRisultati() override;
  // The count of F_nDivisioniMN; false after the data-error box.
  bool LeggePunti(short& n);
  void Esegui(short n);

  bool solo_;
  QLineEdit* fN_;
  QLineEdit* fL0_;
  QLineEdit* fDivisioni_;
  QPushButton* btnCalcolaMN_;
  QPushButton* command1_;
  QGroupBox* fraDutt_;
};
