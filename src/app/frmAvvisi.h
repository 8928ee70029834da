#pragma once
// "Avviso": the strain limits of the concrete differ from the design code's.
// The material laws show it through Finestre::Aperte.frmAvvisi.
#include <QDialog>

#include "model/Finestre.h"

class QCheckBox;

class frmAvvisi : public QDialog, public Finestre::FinestraAvvisi {
  Q_OBJECT

 public:
  explicit frmAvvisi(QWidget* parent = nullptr);
  ~frmAvvisi() override;

  // True when closed by "OK" with "do not show again" ticked.
  bool MostraModale() override;

  void Command1_Click();

 private:
  QCheckBox* Check1 = nullptr;
};

// Creates the notice under the main window and registers it where the
// material laws find it; it unregisters itself when it goes.
frmAvvisi* CreaFrmAvvisi(QWidget* principale);
