#pragma once
// The seismic check of a column: its data, its two end sections, the design
// actions and the ductility factors. Modeless, one instance, created on
// first use.
#include <string>
#include <vector>

#include <QWidget>

#include "model/Finestre.h"
#include "platform/CasellaTesto.h"
#include "platform/qt/FormQt.h"
#include "seismic/FinestraSismica.h"

class FiguraSezione;
class QGroupBox;
namespace platform {
class CasellaTestoQt;
class FlexGridQt;
}  // namespace platform
class QGridLayout;

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
  void MemorizzaDatiSismica();
  // The current end section's data into the boxes; with an end given it
  // becomes the current one first.
  void RecuperaDatiPilastri(int inferiore = -1);
  void RecuperaPassoStaffePilastri(bool inferiore);
  void CopiaSezionePilastroRettangolare();
  void CopiaSezionePilastroCircolare();

  void OpTipoPilastro_Click(int Index);
  void CmdSezionePil_Click(int Index);
  void cmdCopiaSezione_Click();
  void chkPianiInf_Click(int Index);
  void ChkSpirale_Click();
  void Figura_Click();

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
  void NumeraBarre(double altezza);
  void Testo(const std::string& nome, int indice, const std::string& testo);
  QWidget* CreaGrigliaStaffe();
  void CollegaStaffe();
  void AbilitaDatiPilastro(bool abilita);
  bool StaffeOk();
  void StaffeAnnulla();
  bool StaffaAggiungi(int Index);
  void StaffaGenericaAggiungi();
  void StaffaElimina();
  bool StaffaMemorizza(int riga);
  void RidisegnaStaffe();
  void RicontrolloStaffe();

  platform::FormQt form_;
  FiguraSezione* figura_ = nullptr;
  bool AggiornamentoInCorso = false;
  platform::FlexGridQt* grigliaS_ = nullptr;
  platform::CasellaTestoQt* txtEditS_ = nullptr;
  bool StaffaGenericaInCorso = false;
  int UltimaColonnaStaffa = 0;
};
