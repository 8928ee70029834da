#pragma once
// The seismic check of a column: its data, its two end sections, the design
// actions and the ductility factors. Modeless, one instance, created on
// first use.
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

class QScrollArea;

#include "model/Finestre.h"
#include "platform/CasellaTesto.h"
#include "platform/qt/FormQt.h"
#include "seismic/FinestraSismica.h"
#include "seismic/ListaPrescrizioni.h"
#include "seismic/Pilastro.h"

class FiguraSezione;
namespace Generale {
class TastieraFinestra;
}
class QGroupBox;
namespace platform {
class CasellaTestoQt;
class FlexGridQt;
}  // namespace platform
class QGridLayout;
class QToolButton;
namespace platform {
class SurfaceImmagineQt;
}

class FrmSismica : public QWidget, public Sismica::FinestraSismica, public Finestre::FinestraSismica,
                   public Finestre::ServiziSismica {
 public:
  // The window, created and shown on first call.
  static FrmSismica& Mostra();
  static FrmSismica* Aperta();
  ~FrmSismica() override;

  std::string Name() const override { return "FrmSismica"; }
  platform::Control& Controllo(const std::string& nome, int indice = platform::SenzaIndice) override;

  // Sismica::FinestraSismica
  void AzioniLeggeScrive(bool Scrive) override;
  void ListaPrescrizioniNew(const std::vector<std::string>& coll) override;
  void StaffeControlliSetta(bool abilita) override;
  // Finestre::FinestraSismica
  bool Visibile() const override { return isVisible(); }
  void CaricaValoriFormSismicaSub(bool conversione) override;
  void AggiornaUnitaSismica() override;
  void ProgettoLetto() override;
  void ImpostaCaption() override;
  // Finestre::ServiziSismica
  void EsportaVerticiInMain(int n, const Vettore<double>& x, const Vettore<double>& y) override;
  void EsportaBarreInMain(int n, const Vettore<float>& x, const Vettore<float>& y,
                          const Vettore<float>& aree) override;
  short ColorePlottaSezione() override;
  short ColorePlottaSub() override;
  static bool FrmSismicaAttiva();

  void Form_Load();
  void CaricaValoriFormSismica();
  void LeggeDinamica();
  void ImportaMaterialiInFormSismica();
  void MemorizzaDatiSismica() override;
  bool MemorizzaPerSalvare() override;
  // The current end section's data into the boxes; with an end given it
  // becomes the current one first.
  void RecuperaDatiPilastri(int inferiore = -1);
  void RecuperaPassoStaffePilastri(bool inferiore);
  void CopiaSezionePilastroRettangolare();
  void CopiaSezionePilastroCircolare();
  // The column's boxes stored; false, the data error told, while one holds
  // no number.
  bool PilastroMemorizzato();
  // A command that could not read its data: no result of earlier inputs
  // stays, and the data error is told.
  void DatiNonLetti();

  void OpTipoPilastro_Click(int Index);
  void CmdSezionePil_Click(int Index);
  void cmdCopiaSezione_Click();
  void chkPianiInf_Click(int Index);
  void ChkSpirale_Click();
  void Figura_Click();
  // The stirrups of the current end on the device the section was drawn on.
  void PlottaStaffeSismica();
  void cmdPlotta_Click();
  void mnuCapacityDesign_Click();
  void HelpMuFi_Click();
  void HelpOmegaSt_Click(int Index);
  // Detailing rules of the code in force after a change; the stirrup rules
  // alone while the stirrup editor is open.
  void ControllaPrescrizioni();
  // No rule list, rule ratio or check result left in sight; with ancheRo
  // false rho = As/Ac stays, for a change of what it does not read.
  void SvuotaRisultati(bool ancheRo = true);
  // The ductility boxes show the state's q0 and curvature ductilities, or
  // nothing while the coefficients window holds no number they come from.
  void MostraDinamica();
  void cmdControlloPil_Click();
  void cmdControlloPilStaffe_Click();
  void OpTipoSezioneSismica_Click(int Index);
  void mnufileitem_Click(int Index);
  void MnuVerificaitem_Click(int Index);
  void mnuAiutoItem_Click(int Index);
  // Bending check of the current end through the main window's Mx-My
  // domain; shear check about x (0) or y (1).
  void btnDominioMNsismica_Click();
  void cmdDirezione_Click(int Index);

  // The stirrup editor (FrmSismica_Staffe.cpp).
  void StaffePilDef_Click();
  void cmdStaffe_Click(int Index);
  void FlexGridS_Click();
  void FlexGridS_KeyPress(int KeyAscii);
  void FlexGridS_GotFocus();
  // Commits an open cell edit: the text typed goes into the cell as a number.
  void FlexGridS_LeaveCell();
  void TxtEdit_KeyDown(int& KeyCode, int Shift);
  platform::FlexGrid& FlexGridS();
  platform::CasellaTesto& TxtEdit();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  // On activation: the materials may have changed in the main window.
  bool event(QEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  FrmSismica();
  void CreaControlli();
  QGroupBox* CreaRettangolare();
  QGroupBox* CreaCircolare();
  QGroupBox* CreaAzioni();
  QGroupBox* CreaStaffe();
  void PulsantiSezione(QGridLayout* griglia, int riga, int primo);
  void Casella(QGridLayout* griglia, int riga, int indice, const QString& testo, int etichetta);
  void RecuperaDatiPilastriRettangolari(bool inferiore);
  void RecuperaDatiPilastriCircolari(bool inferiore);
  void RecuperaDatiPilastriCircolariSub(bool inferiore);
  void MostraDiametro(int indice, float diametro);
  void MostraSezione();
  void ColoraSezioneCorrente(int Index);
  void DisegnaSezioneSismica(platform::SurfaceImmagineQt& immagine);
  // The picture drawn anew, the window's data stored first when memorizza;
  // then evidenzia adds its part in colour 1.
  void Ridisegna(bool memorizza, const std::function<void()>& evidenzia);
  // Row riga of the stirrup grid drawn highlighted over the section: the
  // stirrup, or while it is typed the line through the bars given so far.
  void FiguraStaffa(int riga, bool memorizza, bool inCorso);
  void ApriFinestraDisegno(bool video);
  // The coefficients window, opened anew on the page.
  void MostraCoefficienti(int pagina);
  // A ductility or q0 typed here stored and shown by the coefficients window.
  // q0: the box of q0 left, whose factors an open coefficients window computes.
  void DinamicaNeiCoefficienti(bool q0);
  QToolButton* Aiuto(const std::string& nome, int indice, const char* suggerimento,
                     const std::function<void()>& click);
  void Testo(const std::string& nome, int indice, const std::string& testo);
  void ControllaStaffeSismica(Sismica::Prescrizioni* coll);
  // An open coefficients window shows the values of the check just run.
  void AggiornaCoefficienti();
  QGroupBox* CreaPrescrizioni();
  void CreaMenu();
  void CollegaInput();
  // Enter in box nome(indice): the focus moves on; false when it does not.
  bool InvioCasella(const std::string& nome, int indice);
  void UscitaCasella(const std::string& nome, int indice);
  void AggiornaControlliNormativa();
  void AbilitaDatiComuni(bool inferiore);
  void PremiSezioneCorrente();
  void MostraSezioneInferiore();
  void MostraFramePilastro(int tipo);
  void EsportaSezioneInMain();
  // The boxes filled again from a project just read, and its rules checked.
  void MostraProgettoLetto();
  // The boxes filled by riempi and stored: while the seismic block was as
  // read, the values they leave (an empty end's 2 x 2 bars of the first
  // diameter, T1 = 1) stand for those read.
  void DatiMostrati(const std::function<void()>& riempi);
  QGroupBox* CreaVerifiche();
  void ImpostaVerificaDirezione(int direzione);
  // The picture: the current section with the results it holds.
  void MostraRisultatiInFigura();
  QWidget* CreaGrigliaStaffe();
  void CollegaStaffe();
  void AbilitaDatiPilastro(bool abilita);
  bool StaffeOk();
  // An open editor confirmed as "&Ok" does; false while it stays open on a
  // refused row.
  bool ConfermaEditorStaffe();
  void StaffeAnnulla();
  // The editor hidden and the column's data free again.
  void StaffeChiudi();
  // The open editor and the picture under it scrolled into sight.
  void StaffeInVista();
  // An open cell edit of the stirrup grid stored as Enter stores it; true
  // when its row was stored and the picture redrawn, or its cells could not
  // be read (told). A click on the picture does it before the redraw.
  bool StaffaCellaConferma();
  bool StaffaAggiungi(int Index);
  void StaffaGenericaAggiungi();
  void StaffaElimina();
  bool StaffaMemorizza(int riga);

  // The column and the actions of the window checked before a command uses
  // them: a box tells the first that has no physical meaning, and no result
  // stays in sight. With zeriAmmessi a size of 0 is left to the rules' own
  // warnings.
  bool DatiRifiutati(bool zeriAmmessi = false);
  // The window's column and actions stored and checked for the rules.
  bool DatiPerLeRegole(bool editor);
  // The rules' ratio boxes emptied before a run rewrites them (with the
  // stirrup editor open, the stirrup ratios only).
  void SvuotaCaselleRegole(bool soloStaffe);
  // The inputs the bending and shear results were computed from; results
  // of other inputs are emptied.
  void RicordaIngressiVerifiche();
  void SvuotaVerificheSuperate();
  void SvuotaLista();
  std::vector<double> IngressiVerifiche() const;

  platform::FormQt form_;
  Sismica::Pilastro colonnaVerifiche_;
  std::vector<double> ingressiVerifiche_;
  // The list and the picture show the outcome of the last check.
  bool verificheMostrate_ = false;
  // The result windows show the bending check's section and actions.
  bool flessioneNelleFinestre_ = false;
  FiguraSezione* figura_ = nullptr;
  QScrollArea* scorrimento_ = nullptr;
  Generale::TastieraFinestra* tastiera_ = nullptr;
  bool AggiornamentoInCorso = false;
  platform::FlexGridQt* grigliaS_ = nullptr;
  platform::CasellaTestoQt* txtEditS_ = nullptr;
  bool StaffaGenericaInCorso = false;
  int UltimaColonnaStaffa = 0;
  // Enter has written its cell and opened the editor on the next one: the
  // redraws of the row's commit leave that editor open.
  bool InvioInCorso = false;
};
