#pragma once
// The rectangular section design window: moment and shear typed, what is
// fixed chosen, the section, bars and stirrups of ModelloProgetto shown again
// at every change, and the result copied into the main window. Modeless, one
// instance, built when the main window asks for it and gone when closed.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QRgb>

#include "design/ModelloProgetto.h"
#include "model/Barra.h"
#include "platform/FlexGrid.h"
#include "platform/qt/FormQt.h"

class FrmPltSezione;
class QGridLayout;
class QLineEdit;

// Bottom bars and top bars, as the lists and labels show them.
inline constexpr QRgb ColoreInferiori = 0xFFFFC0C0;
inline constexpr QRgb ColoreSuperiori = 0xFFC0C0FF;

// Why no design is made under a code other than these two.
inline constexpr const char* ProgettoSoloNtcDm96 =
    "Progetto sezione rettangolare compatibile solo con normative NTC 2018 o DM 1996.";

class ProgettoSezione : public QMainWindow {
 public:
  // The one window, built and loaded (with the model's first-run strain)
  // when there is none, and shown.
  static ProgettoSezione& Mostra();
  static ProgettoSezione* Aperta();
  ~ProgettoSezione() override;

  platform::Form& Form() { return form_; }
  ModelloProgetto& Modello() { return modello_; }

  // Reads, designs and shows; asked again while it runs, it runs once more
  // at the end instead of nesting.
  void Ricalcola();
  // The length unit has changed from vecchia: the lengths typed are shown in
  // the new one, the same in mm, and the design shown again.
  void UnitaCambia(const std::string& vecchia);

  // ---- Handlers
  void cmdInsDati_Click(int Index);
  void ButtonCR_Click(int Index);
  void OpTipoVerifica_Click(int Index);
  void OptionFissa_Click(int Index);
  void Slider1_Scroll(int valore);
  void Slider1_Change();
  void txtEpsS_Invio();
  void TextArrotonda_Invio(int Index);
  void txtRol_Invio();
  void chkCotTeta_Click();
  void chkNoStaffe_Click();
  void ComboBracci_Click();
  void chkAutoDiametri_Click();
  void DiaMin_Click();
  void DiaMax_Invio();
  // The check box of a manual row, or its diameter.
  void RigaDiametri_Click(bool superiore, int i, bool diametro);
  void NumeroFissi_Change(bool superiore, int i);
  void NormativaItem_Click(int Index);
  // A code chosen in any window: the open design window follows it as it
  // follows its own menu.
  static void NormativaScelta();
  // The materials in force may have changed, in any window: the open design
  // window follows them when they differ from those of its design.
  static void MaterialiScelti();
  // The combinations of the top or bottom bars listed in flexBarre.
  void CombinazioniBarre(bool superiori);
  // The combination of the current row becomes the zone's bars.
  void cmdSeleziona_Click();
  void cmdNasondiBarre_Click();
  void ButtonHelp_Click();
  // "Plotta": the designed beam with its bar groups and stirrups into the
  // current section, drawn in the drawing window.
  void Disegna();

 private:
  ProgettoSezione();

  // ---- Building the window
  void CreaControlli();
  void CreaMenu();
  QWidget* CreaAzioni();
  QWidget* CreaCriteri();
  QWidget* CreaDeformazione();
  QWidget* CreaDiametri();
  QWidget* RigheDiametri(bool superiore);
  QWidget* CreaTaglio();
  QWidget* CreaRisultati();
  QWidget* CreaComandi();
  QLineEdit* Casella(const std::string& nome, int indice = platform::SenzaIndice);
  void Collega();

  void Form_Load();
  void RicalcolaUnaVolta();
  // R unless the window is loading.
  void RicalcolaSeLibero();
  // R on the change of a box whose change recalculates. While the user types
  // in it, the run shows no box; a run that had one to show shows no design
  // and is run again, boxes and all, on Enter or on leaving the box.
  void RicalcolaCambio(const QLineEdit& casella);
  // A box whose change recalculates: a run held back runs again on leaving
  // it (and on Enter with invio).
  void ConfermaAllUscita(QLineEdit& casella, bool invio = true);
  // A box read on Enter: a key typed in it takes the design away, and
  // leaving it commits the value as Enter does, with conferma.
  void ConfermaDigitando(QLineEdit& casella, std::function<void()> conferma);
  void ConfermaDigitato();
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void NormativaSegue();
  // The code and materials in force, as the design reads them.
  static std::string MaterialiInVigore();
  // The footer names the materials the design is made of.
  void MaterialiMostra();
  void RisultatiScrive();
  // The result boxes show these texts; empty ones leave no result on show
  // and nothing to list, draw or copy.
  void RisultatiMostra(const TestiRisultati& testi);
  // No design on show: no results, x/d, delta, remarks or combinations, no
  // drawing of the beam, nothing to list or copy.
  void RisultatiSvuota();
  // A run that gave no design: the same, with the strain asked in txtEpsS.
  void NessunProgetto();
  // An open drawing of the beam follows the design now on show.
  void DisegnoSegue();
  void ScriveArrotondato();
  void CotTetaMostra();
  void StaffeControlliMostra();
  void StaffeControlliAbilita();
  void DiaMaxImposta();
  void DeformazioneFissaAvvisa();
  // "CR" and "SA" under the slider at the strains they impose.
  void ButtonsPosiziona();
  // "Inserire un valore numerico", the box's text selected again.
  void NoNumero(const std::string& nome, int indice = platform::SenzaIndice);
  std::string Testo(const std::string& nome, int indice = platform::SenzaIndice);
  void Scrivi(const std::string& nome, int indice, const std::string& testo);

  // The design on show into the beam's section: its frame, bar groups and stirrups.
  void TraveRiempie();
  // The drawing window open on this window's beam, if it is.
  FrmPltSezione* DisegnoAperto() const;

  platform::FlexGrid& flexBarre();
  // The list on show is the tension zone's.
  bool ListaTesa() const;

  platform::FormQt form_;
  ModelloProgetto modello_{form_};
  bool RicalcoloInCorso = false;
  bool ricalcoloChiesto_ = false;
  // A value typed whose run was held back, or a count that is no number.
  bool trattenuto_ = false;
  // The box typed in last: leaving it, and no other, runs its commit.
  const QObject* digitata_ = nullptr;
  // What leaving each box runs while trattenuto_.
  std::map<const QObject*, std::function<void()>> conferme_;
  // The result boxes show the design of the inputs on screen.
  bool progettoInVista_ = false;
  bool EpsSModificata = false;
  std::string materiali_;  // MaterialiInVigore() of the design on show
  int SuperioriInLista = 0;
};
