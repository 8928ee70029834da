// The main window's project file: new, open, save, save as, the command line.
#include <QApplication>

#include "app/FileImpostazioni.h"
#include "app/Codifica.h"
#include "app/DominioMN.h"
#include "app/FinestreRisultati.h"
#include "app/Generale.h"
#include "app/GeneraleFile.h"
#include "app/Main.h"
#include "app/Material.h"
#include "app/Messaggi.h"
#include "design/ProgettoSezione.h"
#include "app/ProgettoFile.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FileDialogQt.h"
#include "seismic/StatoSismica.h"

using VariabiliPubbliche::Stato;

namespace {

class FinestraProgetto : public Generale::FinestraFile {
 public:
  explicit FinestraProgetto(Main& main) : main_(main) {}
  bool FileLeggeScrive(Generale::FileDati& file, const std::string& modo) override {
    if (modo != "L") {
      const Material::InVigore inVigore;
      return main_.FileLeggeScrive(file, modo);
    }
    // Read over the state in force, not over values an open materials
    // window holds unconfirmed; a file not read leaves them as they were.
    Material::ScartaModifiche();
    normativaPrima = Stato.Normativa;
    const bool letto = main_.FileLeggeScrive(file, modo);
    if (!letto) Material::RiprendeModifiche();
    return letto;
  }
  void ImpostaCaption(const std::string& caption) override {
    main_.setWindowTitle(QString::fromStdString(caption));
  }
  std::string PrefissoCaption() const override { return main_.FormCaption; }

  // The code in force before the project was read.
  int normativaPrima = Stato.Normativa;

 private:
  Main& main_;
};

template <class T>
void Azzera(Matrice<T>& m) {
  for (int i = m.Lb1(); m.Dimensionata() && i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) m(i, j) = 0;
}

// The design made with the options and code before does not stay beside
// those of the project read or begun.
void ChiudiProgetto() {
  if (ProgettoSezione* progetto = ProgettoSezione::Aperta()) progetto->close();
}

// The window shows the project just read; its title too, which AggiornaForm
// clears. A project of another code than the one in force before brings that
// code's labels, notice and steel table, with its own strengths and factors.
void MostraProgettoLetto(Main& main, int normativaPrima) {
  // Nor the domain windows of the section left.
  FinestreRisultati::ChiudiDomini();
  const std::string titolo = Stato.TitoloSezione;
  main.AggiornaForm();
  main.SvuotaGriglie();
  main.FormScriveDati();
  main.Controllo("txtTitolo").SetText(titolo);
  // The section read, not the sketch of its type.
  main.DisegnaSezioneScritta();
  main.Controllo("mnuSoloBarre").SetChecked(Stato.SoloBarre != 0);
  VariabiliPubbliche::AggiornaMenuNormativa3(main);
  if (Stato.Normativa != normativaPrima) {
    VariabiliPubbliche::AggiornaAcciaiNormativa();
    main.EtichetteNormativa();
  }
  Material::Ricarica();
  ChiudiProgetto();
  if (Finestre::Aperte.FrmSismica) Finestre::Aperte.FrmSismica->ProgettoLetto();
}

// A value the file would not read back as typed stops the save, named as
// the window's own refusals name theirs.
bool ValoriSalvabili(const ProgettoFile::DatiFinestra& dati) {
  const std::string fuori = ProgettoFile::PrimoValoreFuoriIntervallo(dati);
  if (fuori.empty()) return true;
  platform::MsgBox(fuori, platform::Pulsanti::Ok, platform::Icona::Critica);
  return false;
}

// Characters the file cannot hold are named before they become "?".
bool TitoliSalvabili() {
  const std::string mancanti =
      Codifica::NonCp1252(Stato.TitoloSezione + Sismica::Stato.TitoloSismica);
  return mancanti.empty() ||
         platform::MsgBox("Il file non può contenere questi caratteri del titolo: " + mancanti +
                              "\r\nVerranno salvati come \"?\". Salvare comunque?",
                          platform::Pulsanti::OkAnnulla, platform::Icona::Esclamazione) ==
             platform::Risposta::Ok;
}

}  // namespace

void Main::SvuotaGriglie() {
  ChiudiEditori(false);
  for (int g = 0; g <= 2; ++g) {
    platform::FlexGrid& f = FlexGrid(g);
    for (int r = 1; r < f.Rows(); ++r)
      for (int c = 1; c < f.Cols(); ++c) f.SetTextMatrix(r, c, "");
  }
}

ProgettoFile::DatiFinestra Main::DatiProgetto() const {
  return {NForm, MxForm, MyForm, VForm, nFigureForm, nBarreForm, nCaviForm};
}

std::string Main::ProgettoMostrato() {
  // The windows read as a save reads them, with no box and no notice.
  platform::SenzaMessaggi muto;
  const Material::InVigore inVigore;
  struct SenzaAvviso {
    bool prima = Stato.NonMostrareAvviso;
    SenzaAvviso() { Stato.NonMostrareAvviso = true; }
    ~SenzaAvviso() { Stato.NonMostrareAvviso = prima; }
  } senzaAvviso;
  try {
    if (Finestre::Aperte.FrmSismica) Finestre::Aperte.FrmSismica->MemorizzaDatiSismica();
  } catch (const Generale::NumeroNonValido&) {
    return {};  // a seismic box that holds no number: not the project saved
  }
  // A box refused is typed all the same: the project is not the one registered.
  if (!FormLeggeDati(false) && LetturaRifiutata()) return {};
  // The domain's first acting point mirrors the first action set whether
  // or not the domain window has been opened.
  const Matrice<float> azioni = Stato.AzioniDominioMN;
  DominioMN::PrimaRigaAzioni(NForm[0], MxForm[0]);
  std::string testo = ProgettoFile::Testo(DatiProgetto());
  Stato.AzioniDominioMN = azioni;
  return testo;
}

void Main::RegistraProgetto() { ProgettoFile::Stato.Impronta = ProgettoMostrato(); }

bool Main::ProgettoModificato() {
  const std::string testo = ProgettoMostrato();
  return testo.empty() || testo != ProgettoFile::Stato.Impronta;
}

void Main::MostraFinestra(const std::function<void()>& mostra) {
  const bool invariato = !ProgettoModificato();
  mostra();
  if (invariato) RegistraProgetto();
}

bool Main::ConfermaAbbandono() {
  // A cell being typed, over a grid shown, counts as typed.
  for (size_t g = 0; g < editor_.size(); ++g)
    if (editor_[g]->isVisible()) ConfermaCella(static_cast<int>(g));
  if (!ProgettoModificato()) return true;
  switch (platform::MsgBox("Salvare le modifiche al progetto?", platform::Pulsanti::SiNoAnnulla,
                           platform::Icona::Domanda)) {
    case platform::Risposta::No: return true;
    case platform::Risposta::Si:
      MnuFileItem_Click(2);
      return !ProgettoModificato();
    default: return false;
  }
}

void Main::Esci() {
  if (chiusura_ || !ConfermaAbbandono()) return;
  chiusura_ = true;
  Generale::ChiudiProgramma();
}

bool Main::FileLeggeScrive(Generale::FileDati& file, const std::string& modo) {
  ProgettoFile::DatiFinestra dati = DatiProgetto();
  const bool fatto = modo == "L" ? ProgettoFile::Legge(file, dati) : ProgettoFile::Scrive(file, dati);
  if (!fatto) return false;
  NForm = dati.NForm;
  MxForm = dati.MxForm;
  MyForm = dati.MyForm;
  VForm = dati.VForm;
  nFigureForm = dati.nFigureForm;
  nBarreForm = dati.nBarreForm;
  nCaviForm = dati.nCaviForm;
  return true;
}

void Main::ApriFileDati(const std::string& cartella) {
  if (!ConfermaAbbandono()) return;
  Stato.NonMostrareAvviso = false;
  FinestraProgetto finestra(*this);
  auto& p = ProgettoFile::Stato;
  if (!CMDialog1) CMDialog1 = std::make_unique<platform::FileDialogQt>();
  // A dialog cancelled or a file not read leaves the window as it is.
  if (!Generale::ApriSalvaFile(Generale::FileApri, ProgettoFile::TipoFileProgetto,
                               p.NomeFileProgetto, p.PercorsoProgetto,
                               ProgettoFile::EstensioneProgetto, *CMDialog1, finestra, FormCaption,
                               cartella))
    return;
  MostraProgettoLetto(*this, finestra.normativaPrima);
  RegistraProgetto();
  TxtEdit(0).SetVisible(false);
  Fuoco("btnCalcola");
}

bool Main::ApriFileRigaComando() {
  FinestraProgetto finestra(*this);
  auto& p = ProgettoFile::Stato;
  if (!Generale::ApriFileRigaComando(RigaComando, p.NomeFileProgetto, p.PercorsoProgetto, finestra))
    return false;
  MostraProgettoLetto(*this, finestra.normativaPrima);
  return true;
}

void Main::MnuFileProgetto(int Index) {
  FinestraProgetto finestra(*this);
  auto& p = ProgettoFile::Stato;
  if (!CMDialog1) CMDialog1 = std::make_unique<platform::FileDialogQt>();
  try {
    if (Index == 1) {
      ApriFileDati(Stato.CartellaDati);
      return;
    }
    if (Index == 2 || Index == 3) {
      // What is typed in an open seismic window, its box not yet left, is
      // saved too.
      if (Finestre::Aperte.FrmSismica && !Finestre::Aperte.FrmSismica->MemorizzaPerSalvare())
        return;
      // A window the section cannot be read from is not saved; a section
      // without area yet is.
      if (!FormLeggeDati(false) && LetturaRifiutata()) return;
      if (!ProgettoFile::SezioneSalvabile() || !ValoriSalvabili(DatiProgetto()) ||
          !TitoliSalvabili())
        return;
      if (Generale::ApriSalvaFile(Index == 2 ? Generale::FileSalva : Generale::FileSalvaCome,
                                  ProgettoFile::TipoFileProgetto, p.NomeFileProgetto,
                                  p.PercorsoProgetto, ProgettoFile::EstensioneProgetto,
                                  *CMDialog1, finestra, FormCaption)) {
        RegistraProgetto();
        if (Finestre::Aperte.FrmSismica) Finestre::Aperte.FrmSismica->ImpostaCaption();
      }
      QApplication::processEvents();
      return;
    }
    if (Index != 0 || !ConfermaAbbandono()) return;
    Material::ScartaModifiche();
    p.NomeFileProgetto.clear();
    Generale::ApriSalvaFile(Generale::FileNuovo, ProgettoFile::TipoFileProgetto,
                            p.NomeFileProgetto, p.PercorsoProgetto,
                            ProgettoFile::EstensioneProgetto, *CMDialog1, finestra, FormCaption);
    Stato.NonMostrareAvviso = false;
    SvuotaGriglie();
    StatoIniziale();
    FileImpostazioni::FileIniLeggeScrive("L");
    ChiudiProgetto();
    FinestreRisultati::ChiudiDomini();
    InizializzaGriglie();
    FinestraIniziale();
    Stato.SoloBarre = 0;
    Stato.ClsReagenteTrazione = false;
    Stato.DatiSezioneCircolare[4] = 0;
    Stato.Precompresso = false;
    nCaviForm = 0;
    Stato.TitoloSezione.clear();
    p.VersioneFileLetto.clear();
    p.OpzioniLette = {};
    Controllo("FlexGrid", 1).SetVisible(false);
    Controllo("F_tipo_rottura", 0).SetText("");
    nFigureForm = 0;
    Stato.DatiSezioneCircolare.fill(0);
    DatiCerchioForm.fill(0);
    // The circle's boxes are read again when "Circolare" is chosen.
    for (int k = 0; k < 5; ++k) Controllo("RaggioTxt", k).SetText("");
    Controllo("F_Vertici").SetText(std::to_string(Stato.NumeroVerticiCerchio));
    for (Matrice<double>* m : {&Stato.MatriceFigure, &GrigliaFigure, &Stato.MatriceBarre,
                               &GrigliaBarre})
      Azzera(*m);
    Azzera(Stato.AzioniDominioMN);
    nBarreForm = 0;
    NForm = MxForm = MyForm = VForm = {};
    Stato.AzioneV = {};
    Stato.LunghezzaL0 = 0;
    Stato.FattoreConfidenza = {1, 1};
    Stato.PuntoApplicazioneN = 0;
    Stato.XN = Stato.YN = 0;
    Stato.NumeroVerticiCerchio = 52;
    Stato.TipoVerifica = 0;
    Stato.AngoloFlessione = 0;
    Stato.TipoFlessione = 0;
    Stato.VisTensioniBarre = Stato.VisTensioniCls = Stato.VisRettangoli = Stato.VisAssiNeutri = 0;
    Stato.VisAssi = 1;
    Stato.Normativa = 0;
    FormScriveDati();
    Controllo("mnuSoloBarre").SetChecked(false);
    // The window laid out and the code left in force applied, as at
    // start-up, so that layout, menu, factors and steel table agree.
    FinestraIniziale();
    VariabiliPubbliche::AggiornaMenuNormativa3(*this);
    NormativaItem_Click(Stato.Normativa);
    // An open seismic window shows the new column and file name.
    if (Finestre::Aperte.FrmSismica) Finestre::Aperte.FrmSismica->ProgettoLetto();
    RegistraProgetto();
  } catch (const std::exception&) {
    Messaggi::MessaggioErroreDati();
  }
}
