#pragma once
// The main window: the section, its materials and actions are typed here and
// the results of a verification shown. Loading it starts the program and
// closing it ends the program. Controls carry their names as objectName
// ("F_Mu_0" for element 0 of the array F_Mu) and the engine reaches them
// through the Form interface.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/ProgettoFile.h"
#include "model/Finestre.h"
#include "model/GeneraleTesto.h"
#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/CasellaTesto.h"
#include "platform/FileDialog.h"
#include "platform/FlexGrid.h"
#include "platform/MsgBox.h"
#include "platform/qt/FormQt.h"

class QLineEdit;
class FiguraSezione;
class GuardiaRisultati;

namespace platform {
class CasellaTestoQt;
class FlexGridQt;
}  // namespace platform

namespace Generale {
class FileDati;
class TastieraFinestra;
}  // namespace Generale

class Main : public QMainWindow, public Finestre::FinestraMain {
 public:
  Main();
  ~Main() override;

  std::string Name() const override { return "Main"; }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override;

  // ---- Start-up, activation and shutdown
  void Form_Load();
  void Form_Activate();
  void FlexGridZoom_Click(int Index);
  void CmbCavi_Click();
  void fckControlla();
  void AggiornaForm();

  // ---- Layouts by verification type, grid layout tables, material boxes
  void CaricaMateriali();
  void InizializzaGriglie();
  void ControlliMetodoN();
  void ControlliSLU();
  void ControlliSLUretta();
  void ControlliSLUdeviata();

  // ---- Option buttons and input boxes
  void OpTipoVerifica_Click(int Index);
  void OpTipoFlessione_Click(int Index);
  void OpTipoSezione_Click(int Index) override;
  void OpPuntoN_Click(int Index);
  void F_Es_Change(int Index);
  void F_fyd_Change(int Index);
  void F_Mu_Click(int Index);

  // ---- Input grids, cell editor, bar-diameter frame
  void FlexGrid_Click(int g);
  void FlexGrid_KeyPress(int g, int KeyAscii);
  void FlexGrid_GotFocus(int g);
  void TxtEdit_KeyDown(int g, int& KeyCode, int Shift);
  void TxtEdit_GotFocus(int g);
  void TxtEdit_LostFocus(int g);
  // The editor's text into its cell, the editor hidden; a changed cell is
  // drawn in the picture.
  void ConfermaCella(int g);
  void ChiudiEditori(bool prendi) override;
  void txtRigheGriglia_KeyPress(int g, int KeyAscii);
  void txtTitolo_KeyPress(int KeyAscii);
  void CalcolaAreaFi();
  void cmdFi_Click(int Index);
  void UpDownFi_UpClick(int k);
  void UpDownFi_DownClick(int k);
  void FraFi_Click();
  // The frame over the bars grid's top right corner, above the column.
  void PosizionaFraFi();
  void Helpfcc_Click();
  // Mode "L": display copy -> program matrix in mm; otherwise the reverse.
  void MatriceFigureAssociata(const std::string& modo);
  static void MatriceBarreAssociata(const std::string& modo, Matrice<double>& M,
                                    Matrice<double>& G, int n);
  static void MatriceCaviAssociata(const std::string& modo, Matrice<double>& M,
                                   Matrice<double>& G, int n);
  // Direction 1: mm -> display unit; otherwise the reverse.
  static void DatiCerchioAssociati(const std::array<float, 5>& sorgente,
                                   std::array<float, 5>& destinazione, int direzione);

  // ---- Result boxes and the bars-only layout
  void RisultatiControlli(bool visibile);
  // An input of the results shown has changed: they are hidden and the
  // drawing loses them.
  void RisultatiScaduti();
  // The results hidden and no longer present; true when the drawing held them.
  bool NascondiRisultati();
  // The section drawn again without results, here and in the window over the picture.
  void DisegnoSenzaRisultati();
  // The section as typed drawn, or the sketch while it cannot be read.
  void DisegnaSezioneScritta() override;
  void SigmaScontrolli(bool visibile) override;
  void ControlliAsseNeutro(bool visibile) override;
  void nIterazioniOff(std::optional<int> n = std::nullopt) override;
  void SoloBarreControlli();
  void ToolTipAzioniDaSLU();
  void chkPrecompresso_Click();

  // ---- The window into the current section
  // False when the data cannot make a section; the user has been told why,
  // in one box, unless mostraMessaggio is false and the outline has no area.
  bool FormLeggeDati(bool mostraMessaggio) override;
  bool LeggeFinestra(bool mostraMessaggio);
  // leggi under the refusal of numbers no box can be read as, its refusals in
  // one box: in the words of the engine's own when perCalcolo.
  bool LeggeORifiuta(bool perCalcolo, const std::function<bool()>& leggi);
  bool LetturaRifiutata() const override { return letturaRifiutata_; }
  // The refusal that names the box or cell whose text is no number; empty
  // for one of another window.
  std::string NonNumero(const Generale::NumeroNonValido& motivo);
  void FormLeggeDatiBarreCavi(int& nRighe, int& nElementi, int Griglia, Matrice<double>& Matrice,
                              ::Matrice<double>& MatriceGriglia, Vettore<float>& Area,
                              Vettore<float>& x, Vettore<float>& y,
                              Vettore<float>* Precompressione = nullptr);
  void CoordinateSezione(int nVertici);
  bool LeggeCerchio(float& RaggioBarre);
  static bool CoordinateSezioneCircolare(double RaggioEsterno, double RaggioInterno, int& nVertici,
                                         Vettore<float>& x, Vettore<float>& y);
  void FormLeggeDatiBarreCerchio(int& nRigheBarre, float RaggioBarre);
  // Whether bars on the circle of the given radius fall outside the polygon
  // of the circle just read (beyond its chords).
  bool BarreOltreLeCorde(int nBarre, float RaggioBarre) const;
  static void CoordinateSezioneCircolareBarre(int iInizio, int iFine, int nBarreSulCerchio,
                                              float AreaBarra, float RaggioBarre,
                                              Vettore<float>& Area, Vettore<float>& x,
                                              Vettore<float>& y);
  // The error box "Errore! Controllare i dati".
  void MessaggioErroreDati();

  // ---- Commands and the section drawing
  void btnCalcola_Click();
  void cmdAzioniDaSLU_Click(int Index);
  void Figura_Click();
  void Figura_DblClick();
  void PlottaSezioneInFigura(int modo);
  void AggiornaFrmPltSezione(int modo);
  // The drawing window laid over the picture, when open.
  QWidget* FrmPltSezione() const;
  // ---- Commands that open the result windows
  void btnDominioMN_Click();
  // The seismic window passes a title of its own. True when the domain was
  // computed; false after a failed verification or domain (the user has been
  // told why).
  bool btnDominioMNsub(const std::optional<std::string>& titolo = std::nullopt);
  void btnMomentoCurvatura_Click();
  void btnMomentoCurvatura_solo_Click();

  // ---- Section into the window
  void FormScriveDati();
  void ScriveFigure();
  void ScriveBarre();
  void ScriveBarreSub(int n);
  void ScriveCavi();
  void ImpostaGriglia(int g);
  // A count typed in a box: the nearest whole number, halves to even; a
  // negative count, or a text that is not one, counts as none.
  static int Conteggio(const std::string& testo);
  static int Conteggio(double valore);
  void ScriveMaterialiInForm();
  void ScriveMaterialiInFormAcciai(int i);

  // ---- Project file
  // Reads ("L") or writes ("S") the whole project; true when done. A failed
  // reading leaves the project as it was.
  bool FileLeggeScrive(Generale::FileDati& file, const std::string& modo);
  // The open dialog, from cartella or else CartellaDati, and the project read.
  void ApriFileDati(const std::string& cartella = "");
  // Every cell of the three grids and their editors emptied, the layout
  // kept: nothing of the last project comes back when rows are added or a
  // cell is left.
  void SvuotaGriglie();
  // "Files di esempio": the open dialog on the examples beside the program;
  // the data folder stays where it was.
  void ApriEsempio();
  // The project named in RigaComando, at start-up.
  bool ApriFileRigaComando();
  // The words after the program's name on its command line.
  std::string RigaComando;
  // The dialog of the project files; the Qt one unless a test sets its own.
  std::unique_ptr<platform::FileDialog> CMDialog1;
  // The project as the windows show it now is the one last read, saved or
  // started: what a save would write is what it wrote then.
  void RegistraProgetto();
  bool ProgettoModificato();
  // A window shown: what it fills in by itself (defaults, its first design)
  // leaves an unchanged project unchanged.
  void MostraFinestra(const std::function<void()>& mostra);
  ProgettoFile::DatiFinestra DatiProgetto() const;
  // The bytes a save would write for what the windows show.
  std::string ProgettoMostrato();
  // Before the project is dropped: "Salvare le modifiche al progetto?" when
  // it changed. True when it may go (No, or Sì and saved); Annulla, or a
  // save that did not happen, keeps it.
  bool ConfermaAbbandono();
  // "&Esci": the program ends once the project may go.
  void Esci();

  // ---- Menus
  void NormativaItem_Click(int Index);
  // The labels of the code in force; for existing structures its notice.
  void EtichetteNormativa();
  void MnuFileItem_Click(int Index);
  // "&Nuovo", "&Apri", "&Salva", "S&alva come...".
  void MnuFileProgetto(int Index);
  void mnuSoloBarre_Click();
  void mnu_Progetto_Click();
  void mnuOpzioniItem_Click(int Index);
  void mnuAiutoItem_Click(int Index);
  void mnuMateriali_Click();
  void MnuSismica_Click();
  void ToolbarUp_ButtonClick(const std::string& Key);
  // The window printed as it looks, on the system's default printer.
  void StampaForm();

  // ---- DXF import
  void cmdDXF_Click();
  // An empty folder starts the dialog in CartellaDati.
  void ApriFileDati_DXF(const std::string& cartella = "");
  // The open dialog of the DXF import; tests put a scripted one in its place.
  std::unique_ptr<platform::FileDialog> DialogoDxf;

  platform::FlexGrid& FlexGrid(int g);
  platform::CasellaTesto& TxtEdit(int g);
  FiguraSezione& Figura() { return *figura_; }

  // The program's title followed by " - File: ".
  std::string FormCaption;
  // The last reading of the window, or calculation from it, failed.
  bool DatiErrati = false;

  // The window's own copy of the data, in the units it shows: the two action
  // sets (kN, kNm) and shears, grid row counts, grid cells, circle boxes.
  std::array<double, 2> NForm{}, MxForm{}, MyForm{}, VForm{};
  int nFigureForm = 0, nBarreForm = 0, nCaviForm = 0;
  Matrice<double> GrigliaFigure, GrigliaBarre, GrigliaCavi;
  std::array<float, 5> DatiCerchioForm{};
  // The section as read, mm and mm2: bars on the circle, outline, bars and
  // tendons with their prestress.
  int nBarreCerchio = 0;
  float AreaBarraCerchio = 0;
  int nVerticiForm = 0;
  Vettore<float> xVerticiForm, yVerticiForm;
  Vettore<float> AreaBarreForm, xBarreForm, yBarreForm;
  Vettore<float> AreaCaviForm, xCaviForm, yCaviForm, PrecompressioneCaviForm;

  // Layout of grid g (0 figures or vertices, 1 bars, 2 tendons; 3 unused):
  // headers, data columns besides "N°", data rows, and the control that
  // follows the grid in the input order.
  std::array<std::array<std::string, 5>, 4> IntestazioniGriglia{};
  std::array<int, 4> ColonneGriglia{};
  std::array<int, 4> RigheGriglia{};
  std::array<std::string, 4> ControlloDopoGriglia{};

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool event(QEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  // Building the window.
  void CreaControlli();
  QWidget* CreaColonnaSezione();
  QWidget* CreaColonnaCalcolo();
  QWidget* CreaColonnaMateriali();
  QWidget* CreaColonnaAcciai();
  QWidget* CreaGriglia(int g);
  QWidget* CreaFraFi();
  void CreaMenu();
  // The "Sismica" command opens the seismic window.
  void CollegaSismica();
  void CreaToolbar();
  // The window emptied for a section read from a drawing.
  void AzzeraFormSezione();
  void CollegaControlli();
  // Each material box left with a number in its range puts it in force.
  void CollegaCaselleMateriali();
  // A material box that puts its value in force as the user types: an open
  // materials window shows it when it is a number inside its range.
  void MaterialeCambiato(const std::string& nome, int indice);
  void CollegaInvio();
  void CollegaGuardia();

  // What start-up and a new job share: the caption and display flags, then
  // the seismic defaults, materials and an empty rectangle shown.
  void StatoIniziale();
  void FinestraIniziale();
  // cmbCaviCarica: the tendon types from the materials file.
  void cmbCaviCarica();
  void ColoraSollecitazioni(bool sluAttivo);
  // The focus to the control, when it can take it now.
  void Fuoco(const std::string& nome, int indice = platform::SenzaIndice);
  QWidget* Widget(const std::string& nome, int indice = platform::SenzaIndice) const;
  // A view item's mark inverted, and its flag with it.
  void VoceVista(const std::string& nome, int& flag);

  static constexpr int AltezzaMinimaGriglia = 100;  // pixels: the header and four rows
  static constexpr int AltezzaMassimaGriglia = 180;

  platform::FormQt form_;
  Generale::TastieraFinestra* tastiera_ = nullptr;
  std::array<platform::FlexGridQt*, 3> griglie_{};
  std::array<platform::CasellaTestoQt*, 3> editor_{};
  FiguraSezione* figura_ = nullptr;
  GuardiaRisultati* guardia_ = nullptr;
  QWidget* colonnaCavi_ = nullptr;
  QWidget* grigliaCavi_ = nullptr;
  // The material boxes' leaving, cut when the window goes.
  std::vector<QMetaObject::Connection> caselleMateriali_;
  // The one box of a refused reading, which a calculation, not a save,
  // opens with the words of the engine's own refusals; false.
  bool RifiutaLettura(const std::string& motivo, platform::Icona icona);
  // The material boxes into the state, an Es of 0 or less refused.
  bool LeggeMateriali();
  // The materials in force refused as a calculation refuses them, tendons
  // aside: the design and seismic windows have none.
  bool MaterialiValidi();
  bool letturaPerCalcolo_ = false;
  bool letturaRifiutata_ = false;
  bool FiInserito = false;
  bool chiusura_ = false;
};
