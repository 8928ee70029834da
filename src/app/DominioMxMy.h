#pragma once
// The Mx-My interaction domain at the main window's axial force: the
// resisting domain, the acting couple the user may change, the resisting
// couple on its ray and the ratio of the two.
#include "app/FinestraGrafico.h"
#include "model/Finestre.h"

class QLineEdit;
class QPushButton;

class DominioMxMy : public FinestraGrafico, public Finestre::FinestraDominio {
 public:
  // Directions of the full turn first computed, and the most the engine takes.
  static constexpr short DirezioniIniziali = 12;
  static constexpr short DirezioniMassime = 1440;

  explicit DominioMxMy(QWidget* genitore = nullptr);

  std::string Name() const override { return "DominioMxMy"; }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override {
    return Controlli().Controllo(nome, indice);
  }
  platform::FlexGrid& GridMN() override { return Griglia().Griglia(); }
  platform::Chart& Graph1() override { return Grafico().Grafico(); }

  // The domain with nPuntiInput directions for the couple (kNm); the
  // resisting couple and the ratio are cleared first, so that a failed run
  // leaves no number behind. False when the domain could not be computed.
  bool Calcola(float MxEd, float MyEd);

  void cmdRidisegna_Click();
  // The main window's first moments, as they are now, into the acting
  // couple's boxes; a change this window wrote itself is already there.
  void CoppiaDaMain();
  void cmdInfittisci_Click();
  void Command1_Click();

  QLineEdit& F_Mxsd() { return *mxEd_; }
  QLineEdit& F_MySd() { return *myEd_; }
  QPushButton& cmdRidisegna() { return *cmdRidisegna_; }
  QPushButton& cmdInfittisci() { return *cmdInfittisci_; }

 private:
  // The acting couple typed; false after the data-error box.
  bool CoppiaSollecitante(float& MxEd, float& MyEd);
  void SvuotaRisultati() override;

  QLineEdit* mxEd_;
  QLineEdit* myEd_;
  QPushButton* command1_;
  QPushButton* cmdInfittisci_;
  QPushButton* cmdRidisegna_;
};
