#pragma once
// Curvature ductility from the behaviour factor and the periods (page 0),
// the capacity-design moment ratios (page 1), and the explanations of the
// stirrup checks (pages 2 and 3). Modeless, created on first use.
#include <QWidget>

#include "platform/qt/FormQt.h"

class QGroupBox;

// Curvature ductility factor for behaviour factor q and periods T1, TC.
float MuFi(float q, float T1, float TC);

class FrmCoefficienti : public QWidget, public platform::Form {
 public:
  // The window on page Pagina, created on first call.
  static FrmCoefficienti& Mostra(int Pagina);
  static FrmCoefficienti* Aperta();
  ~FrmCoefficienti() override;

  std::string Name() const override { return "FrmCoefficienti"; }
  platform::Control& Controllo(const std::string& nome, int indice = platform::SenzaIndice) override;

  // The page shown and its boxes filled from the seismic state.
  void Form_Load();
  void Setta();
  void frmCoefAggiorna();
  void AggiornaAvvisi();
  // Both ends' factors from q0 and the periods. With digitati false a
  // factor that is neither theirs nor 0 or -1 (never computed) was typed,
  // and stays.
  static void CalcolaMuFi(bool digitati = true);
  // The factors of the q0 and periods in force, shown here and in the
  // seismic window.
  void Ricalcola();
  // The seismic window's mirrors have a value in force: q0, and the
  // curvature ductilities computed from it and the periods.
  bool Q0Letto() const { return q0Letto_; }
  bool FattoriLetti() const { return fattoriLetti_; }

  int Pagina = 0;

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  FrmCoefficienti();
  QGroupBox* CreaDuttilita();
  QGroupBox* CreaCapacity();
  QGroupBox* CreaOmegaSt();
  QGroupBox* CreaOmegaWd();
  void HelpOmegaSt_Click();
  void SpiegazioneNtc();
  void SpiegazioneEc8();
  void Memorizza();
  void Aggiorna();
  void RegoleAggiorna();
  int PaginaMostrata() const;

  platform::FormQt form_;
  bool caricamento_ = false;
  bool q0Letto_ = true;
  bool fattoriLetti_ = true;
};
