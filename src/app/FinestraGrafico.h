#pragma once
// What the chart windows of the results share: the chart Graph1 with a value
// grid laid over it in the same place, the read-out box of a clicked point,
// the File menu (copy the chart, print the window, close), the keypad's
// decimal key, and the window's controls reached by name.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "platform/PrintDialog.h"
#include "platform/qt/CasellaMultirigaQt.h"
#include "platform/qt/ChartQt.h"
#include "platform/qt/FlexGridQt.h"
#include "platform/qt/FormQt.h"

namespace Generale {
class TastieraFinestra;
}

class QGridLayout;
class QHBoxLayout;
class QLineEdit;

class FinestraGrafico : public QMainWindow {
 public:
  // nome: the window's name; nomeGriglia: the value grid's ("GridMN", "Grid1").
  FinestraGrafico(const std::string& nome, const QString& nomeGriglia, QWidget* genitore);
  ~FinestraGrafico() override;

  platform::ChartQt& Grafico() { return *graph1_; }
  platform::FlexGridQt& Griglia() { return *griglia_; }
  platform::CasellaMultirigaQt& txtDataPoint() { return *txtDataPoint_; }
  platform::Form& Controlli() { return form_; }

  // The print dialog of "Stampa": the Qt one unless another is given (not owned).
  void ImpostaDialogoStampa(platform::PrintDialog* dialogo) { dialogoStampa_ = dialogo; }

  // File menu: 0 copies the chart, 1 prints the window, 3 closes it.
  void mnufileitem_Click(int Index);

  // The chart in view (and the grid hidden), or the grid.
  void MostraGrafico(bool grafico);

  // The inputs the results were computed from have changed: chart, title,
  // value grid, read-out and the window's result boxes emptied, and the
  // commands that go on from the last verification held until Riempita().
  // A change the window makes itself (InProprio) leaves it as it is.
  void Svuota();
  // About to be filled from a verification of the inputs on screen.
  void Riempita();

 protected:
  // Under the chart: the window's boxes and buttons.
  QGridLayout& Comandi() { return *comandi_; }
  // Beside the chart, on the right.
  QHBoxLayout& Riga() { return *riga_; }
  // In Comandi(), from colonna on: the symbol (rich text), a box named nome
  // holding testo, the unit; a box that is not read-only selects its whole
  // text on focus.
  QLineEdit* Casella(const QString& nome, const QString& testo, int riga, int colonna,
                     const QString& simbolo, const QString& unita, bool soloLettura = false);
  // The window's own result boxes emptied.
  virtual void SvuotaRisultati() {}
  // A command that computes from the section of the last verification.
  void DopoVerifica(QWidget& comando) { dopoVerifica_.push_back(&comando); }
  // What fai writes into the main window's inputs is this window's own doing.
  void InProprio(const std::function<void()>& fai);
  // True while it does.
  bool CambioProprio() const { return inProprio_; }

 private:
  void Stampa();

  platform::ChartQt* graph1_;
  platform::FlexGridQt* griglia_;
  platform::CasellaMultirigaQt* txtDataPoint_;
  QGridLayout* comandi_;
  QHBoxLayout* riga_;
  platform::FormQt form_;
  // The keypad's decimal key in every box of the window.
  Generale::TastieraFinestra* tastiera_;
  platform::PrintDialog* dialogoStampa_ = nullptr;
  std::vector<QWidget*> dopoVerifica_;
  bool inProprio_ = false;
};

// The main window on screen, when there is one: closing a result window
// gives it the focus.
void AttivaMain();
