#pragma once
// The materials window "Materiali": the steel and concrete of the job chosen
// from the grade tables, the constants of the design code in force with the
// values derived from them, recomputed at every change and written straight
// into the program state; the code switched; the tables edited, saved and
// reset; the confidence factors of existing structures. Modeless, one
// instance, built when shown and gone when closed. Closing it other than by
// "Aggiorna form verifica" gives back the material state it found.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/StatoMateriali.h"
#include "model/Finestre.h"
#include "model/Intervalli.h"
#include "platform/qt/FormQt.h"

class QGridLayout;
class QLineEdit;

namespace platform {
class FlexGridQt;
}

namespace Generale {
class TastieraFinestra;
}

class Material : public QMainWindow, public Finestre::GriglieMateriali {
 public:
  // The one window, built and loaded when there is none, and shown.
  static Material& Mostra();
  // The window when it is open.
  static Material* Aperta();
  // The open window, after a change of code or project made elsewhere, shows
  // the material state now in force as one opened afresh would, and gives
  // that state back when cancelled.
  static void Ricarica();
  // Before a change of code or project made elsewhere: the values the open
  // window wrote into the state and the user did not confirm are taken back,
  // so that the change starts from the state in force. Ricarica follows.
  static void ScartaModifiche();
  // After a project not read: the values taken back are in force again.
  static void RiprendeModifiche();
  // A material box of the main window, nome with indice, put its value in
  // force: the open window's box of the same quantity shows it with nothing
  // recomputed from it, and cancelling keeps it. The tendons' values have no
  // box here: cancelling keeps them.
  static void SegueMain(const std::string& nome, int indice);
  // While it lives the program state holds the materials in force, without
  // the values an open window holds unconfirmed, for what is saved or
  // compared with a file; they come back after.
  class InVigore {
   public:
    InVigore();
    ~InVigore();
    InVigore(const InVigore&) = delete;
    InVigore& operator=(const InVigore&) = delete;

   private:
    std::optional<StatoMateriali> finestra_;
  };

  ~Material() override;

  platform::Form& Form() { return form_; }

  // The constants and both grids from the program state; the designation,
  // strength, design-strength and allowable-stress boxes stay as they are.
  void CompletaForm();
  // The boxes into the program state.
  void MaterialiDaForm() override;
  const platform::FlexGrid& MsFlex(int indice) const override;
  platform::FlexGrid& MsFlex(int indice);
  // Row r of grid index chosen: its values into the boxes of that material.
  void MSFlex_Click(int index);
  // A row appended to grid index (steel: designation, fyk, ftk, allowable
  // stress; concrete: designation, fck, Rck), made current and chosen.
  void AggiungiRiga(int index, const std::vector<std::string>& testi);
  // The box of the confidence factor: index 0 steel, 1 concrete.
  QLineEdit& F_FC(int index) { return *F_FC_[index]; }
  // Design strengths, allowable stresses and strains from the boxes.
  void CalcolaValoriDerivati();

  // ---- Handlers
  void NormativaItem_Click(int Index);
  void Nuovo_Click(int Index);
  void Elimina_Click(int Index);
  void CmdFC_Click(int Index);
  void MatDefault_Click();
  void Command1_Click();
  void F_esci_Click(int Index);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  Material();

  // ---- Building the window
  void CreaControlli();
  QWidget* CreaGriglia(int index);
  // Designation and the two strengths of material index, and its
  // confidence factor with the chooser's button: rows 0 to 2 of its panel.
  void RigheMateriale(QGridLayout& g, int index, QWidget* resistenza1, QWidget* resistenza2);
  QWidget* CreaPannelloAcciaio();
  QWidget* CreaPannelloCalcestruzzo();
  QWidget* CreaPulsanti();
  void CreaMenu();
  QLineEdit* Casella(const std::string& nome, int indice, bool verde);
  void Collega();

  void Form_Load();
  // The boxes, grids and code menu from the state, the library already read.
  void Carica();
  void SelezionaRigaMateriale(const std::string& sigla, int index);
  void AggiornaEtichetteNormativa();
  // The code in force marked in the main window's menu, which takes its
  // results away, and followed by an open design window.
  static void NormativaSeguita();
  // The material state found at opening back in force, the code with it.
  void RestituisceStato();
  // True when the boxes are inside their ranges, and under existing
  // structures the confidence factor of material index too.
  bool Calcolabile(std::initializer_list<const QLineEdit*> caselle, int index) const;
  void CalcolaCalcestruzzo();
  void CalcolaAcciaio();
  void Segue(const std::string& nome, int indice);
  void AggiornaEtichetteAcciaio();
  void AggiornaDeformazioniCls();
  void AggiornaEpsUltima();
  // Writes the box only when its text differs, so no change handler runs
  // for a text it already holds.
  static void Scrivi(QLineEdit& casella, const std::string& testo);

  // The boxes whose values go into the state, each kept in its range (see
  // Intervalli): a box outside gets back the text it had before the user
  // typed, and the user is told once what was refused and why. True when
  // all were inside.
  bool ValoriValidi();
  struct Controllata {
    QLineEdit* casella;
    Intervalli::Grandezza grandezza;
    double scala;  // the box's number times scala is the state's value
    const char* nome;  // in place of the table's name, or nullptr
    QString valida;  // the last text inside the range that was not being typed
  };
  void Controlla(QLineEdit* casella, Intervalli::Grandezza g, double scala = 1,
                 const char* nome = nullptr);
  // Empty when the box's value is inside its range.
  static std::string FuoriIntervallo(const Controllata& c);
  bool Dentro(const QLineEdit* casella) const;
  // Material index has a grade in its boxes: its designation or strength.
  bool Scelto(int index) const;
  // An empty box of a material whose grade is not chosen: no value is read
  // from it, and the confirm asks for the grade.
  bool DiGradoNonScelto(const QLineEdit* casella) const;

  platform::FormQt form_;
  StatoMateriali allApertura_;
  std::array<platform::FlexGridQt*, 2> griglie_{};
  std::array<QLineEdit*, 2> F_sigla_{}, F_fck_{}, F_Rck_{}, F_gamma_{}, F_fd_{}, F_FC_{};
  std::array<QLineEdit*, 3> F_eps_u_{};
  std::array<QLineEdit*, 4> txtSigAdm_{};
  QLineEdit* F_Es_ = nullptr;
  QLineEdit* F_Es_su_Ec_ = nullptr;
  QLineEdit* F_eps_syd_ = nullptr;
  QLineEdit* F_AlfaCC_ = nullptr;
  QLineEdit* F_fccSufcd_ = nullptr;
  QLineEdit* F_fctm_ = nullptr;
  QLineEdit* F_Ecm_ = nullptr;
  std::vector<Controllata> controllate_;

  bool CaricamentoInCorso = false;
  bool CalcoloInCorso = false;
  // Closed by "Aggiorna form verifica": the state stays as the window left it.
  bool confermato_ = false;
  // Its values taken out of the state by ScartaModifiche, not yet reloaded.
  bool scartate_ = false;
  // The state with its values, while they are taken back.
  std::optional<StatoMateriali> modifiche_;
};
