#pragma once
// What the engine calls on the program's windows, and where it finds the ones
// that are open. A window registers itself here when it is created and clears
// its pointer when it goes; the engine passes over a window that is not there.
#include <optional>
#include <string>

#include "model/Vettore.h"
#include "platform/Chart.h"
#include "platform/FlexGrid.h"
#include "platform/Form.h"

namespace Finestre {

// The main window.
class FinestraMain : public platform::Form {
 public:
  // Click on the section-type option Index: the window rebuilds its grids for
  // that type (5 is "Coord.", a section given by its vertices).
  virtual void OpTipoSezione_Click(int Index) = 0;
  // Shows or hides the neutral-axis result boxes and their labels: F_h_utile,
  // lbl_h_utile, F_y_neutro, lbl_y_neutro, F_x_su_d(0), F_x_su_d(1),
  // lbl_x_su_d.
  virtual void ControlliAsseNeutro(bool visibile) = 0;
  // Shows or hides the steel-stress box F_sigma_s(0) with its labels.
  virtual void SigmaScontrolli(bool visibile) = 0;
  // With a count, shows it in F_nMaxRettangolini(1) beside its label;
  // without, hides both. The check box "chkDecomp" is read by name.
  virtual void nIterazioniOff(std::optional<int> n) = 0;

  // ---- Used by the moment-curvature analyses and the Mx-My domain, which
  // also write the angle found into the text box F_Angolo and read the axial
  // force of the first action set, kN, from the text of F_N(0).

  // Reads the window's input into the current section and the program
  // state; false when it is not valid (the window has then said why).
  virtual bool FormLeggeDati(bool flag) = 0;
  // After a reading that failed: true when a box named the value refused,
  // false when the outline merely has no area yet.
  virtual bool LetturaRifiutata() const = 0;

  // ---- Used by the materials and units windows.

  // Menu marks, layout and enabled states from the program state.
  virtual void AggiornaForm() = 0;
  // Every open cell editor closed and emptied, its text first written into
  // its cell when prendi is set.
  virtual void ChiudiEditori(bool prendi) = 0;
  // Grids and boxes rewritten from the program state, in the unit shown.
  virtual void FormScriveDati() = 0;
  // The section as typed drawn in the picture, or the sketch while it cannot be read.
  virtual void DisegnaSezioneScritta() = 0;
  // The material boxes from the program state.
  virtual void ScriveMaterialiInForm() = 0;
  // The tooltips of the action-copy buttons, which quote GammaAzioni.
  virtual void ToolTipAzioniDaSLU() = 0;
  // The focus to the control, when it can take it now.
  virtual void Fuoco(const std::string& nome, int indice = platform::SenzaIndice) = 0;
};

// The seismic window, refreshed after a change of the length unit.
class FinestraSismica {
 public:
  virtual ~FinestraSismica() = default;
  virtual bool Visibile() const = 0;
  // Its values reloaded (True: in the unit now in force) and its unit labels.
  virtual void CaricaValoriFormSismicaSub(bool conversione) = 0;
  virtual void AggiornaUnitaSismica() = 0;
  // A project was read: its seismic data shown, so the old boxes are never
  // stored over them.
  virtual void ProgettoLetto() = 0;
  // Its boxes taken into the seismic state, as a save takes them.
  virtual void MemorizzaDatiSismica() = 0;
  // Before a project save: its stirrup editor confirmed (false when refused)
  // and its boxes taken in.
  virtual bool MemorizzaPerSalvare() = 0;
  // Its title on the project file now open.
  virtual void ImpostaCaption() = 0;
};


// What a save of the materials file takes from the materials window: its
// boxes copied into the program state, and its grids as shown: MsFlex(0) the
// steel table of the code in force, MsFlex(1) the concrete table (row 0 the
// header, column 0 the selection marker).
class GriglieMateriali {
 public:
  virtual ~GriglieMateriali() = default;
  virtual void MaterialiDaForm() = 0;
  virtual const platform::FlexGrid& MsFlex(int indice) const = 0;
};

// The rectangular section design window.
class FinestraProgetto : public platform::Form {
 public:
  // Compression reinforcement to use with the tension area As.
  virtual float Ass1Funz(double As) = 0;
};

// The notice about strain limits that differ from the code's.
class FinestraAvvisi {
 public:
  virtual ~FinestraAvvisi() = default;
  // Shown modally; true when the user ticked "do not show again".
  virtual bool MostraModale() = 0;
};

// Services of the seismic column code that write into the main window and
// choose the colours of a section drawing.
class ServiziSismica {
 public:
  virtual ~ServiziSismica() = default;
  // Vertex count and vertices (mm) into the main window's vertex grid.
  virtual void EsportaVerticiInMain(int n, const Vettore<double>& x, const Vettore<double>& y) = 0;
  // Bars (mm, mm2) into the main window's bars grid.
  virtual void EsportaBarreInMain(int n, const Vettore<float>& x, const Vettore<float>& y,
                                  const Vettore<float>& aree) = 0;
  // Colour numbers of the outline and of the bars of a section drawing.
  virtual short ColorePlottaSezione() = 0;
  virtual short ColorePlottaSub() = 0;
};

// ---- Result windows of the domains and of the moment-curvature diagram

// A domain window (M-N or Mx-My): its result grid and chart. The main
// window's domain command sets its number of points and chart title.
class FinestraDominio : public platform::Form {
 public:
  virtual platform::FlexGrid& GridMN() = 0;
  virtual platform::Chart& Graph1() = 0;

  short nPuntiInput = 0;  // M-N: points per region less one; Mx-My: angular divisions
  std::string TitoloTmp;  // chart title
};

// The M-N domain window, which adds the acting load points to its chart.
class FinestraDominioMN : public FinestraDominio {
 public:
  virtual void CalcolaDominioMNgraficoPuntoSollecit() = 0;
};

// The model-column window (MomCurv) and the moment-curvature window
// (MomCurvSolo); their labels are written by name.
class FinestraMomentoCurvatura : public platform::Form {
 public:
  virtual platform::Chart& Graph1() = 0;
  virtual platform::FlexGrid& Grid1() = 0;
};

struct FinestreAperte {
  // A FinestraMain when the program runs; what asks for more than its
  // controls passes over a main window that is not one.
  platform::Form* Main = nullptr;
  FinestraProgetto* ProgettoSezione = nullptr;
  FinestraAvvisi* frmAvvisi = nullptr;
  ServiziSismica* Sismica = nullptr;
  FinestraSismica* FrmSismica = nullptr;
};

inline FinestreAperte Aperte;

// The main window when one is open and answers to its members by name.
inline FinestraMain* MainAperta() { return dynamic_cast<FinestraMain*>(Aperte.Main); }

}  // namespace Finestre
