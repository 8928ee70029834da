// A section outline with its bars and tendons taken from a DXF drawing into
// the window, as a section given by vertex coordinates.
#include <algorithm>
#include <filesystem>

#include "app/FrmImportDXF.h"
#include "app/Generale.h"
#include "app/ImportaDxf.h"
#include "app/Main.h"
#include "app/ProgettoFile.h"
#include "model/Array.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/MsgBox.h"
#include "platform/qt/FileDialogQt.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr int TipoCoordinate = 5;

Matrice<double> InDoppia(const Matrice<float>& m) {
  Matrice<double> d(m.Lb1(), m.Ub1(), m.Lb2(), m.Ub2());
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) d(i, j) = m(i, j);
  return d;
}

// The texts of every cell emptied; the layout stays.
void SvuotaGriglia(platform::FlexGrid& g) {
  for (int r = 0; r < g.Rows(); ++r)
    for (int c = 0; c < g.Cols(); ++c) g.SetTextMatrix(r, c, "");
}

}  // namespace

void Main::cmdDXF_Click() {
  try {
    ApriFileDati_DXF(Stato.CartellaDati);
  } catch (const std::exception&) {
    MessaggioErroreDati();
  }
}

void Main::ApriFileDati_DXF(const std::string& cartella) {
  Stato.NonMostrareAvviso = false;
  if (!DialogoDxf) DialogoDxf = std::make_unique<platform::FileDialogQt>();
  platform::FileDialog& dialogo = *DialogoDxf;
  const std::string inizio = cartella.empty() ? Stato.CartellaDati : cartella;
  dialogo.CancelError = true;
  dialogo.Filter = "Tutti i Files (*.*)|*.*|Files Tramok (*.dxf)|*.dxf";
  dialogo.FilterIndex = 2;
  dialogo.FileName = (std::filesystem::path(inizio) / "*.dxf").string();
  try {
    dialogo.ShowOpen();
  } catch (const platform::ErroreEsecuzione& errore) {
    if (errore.Numero() == platform::Errori::DialogoAnnullato) return;
    throw;
  }
  const std::filesystem::path scelto(dialogo.FileName);
  Stato.CartellaDati = scelto.parent_path().string();

  FrmImportDXF scelta(this);
  const std::optional<ImportaDxf::SezioneDxf> sezione =
      ImportaDxf::ImportaFileDxf(scelto.string(), scelta);
  if (!sezione) return;
  // An imported section is a new project: "Salva" asks for its name.
  ProgettoFile::Stato.NomeFileProgetto.clear();
  ProgettoFile::Stato.PercorsoProgetto.clear();
  setWindowTitle(QString::fromStdString(FormCaption + Generale::NomeBaseFile(scelto.string())));

  AzzeraFormSezione();
  Stato.TipoSezione = TipoCoordinate;
  Controllo("OpTipoSezione", TipoCoordinate).SetValue(1);
  OpTipoSezione_Click(TipoCoordinate);
  nFigureForm = sezione->nFigure;
  Stato.MatriceFigure = InDoppia(sezione->Figure);
  if (sezione->nBarre > 0) {
    nBarreForm = sezione->nBarre;
    Stato.MatriceBarre = InDoppia(sezione->Barre);
  }
  if (sezione->nCavi > 0) {
    nCaviForm = sezione->nCavi;
    Stato.MatriceCavi = InDoppia(sezione->Cavi);
    Stato.Precompresso = true;
  }
  FormScriveDati();
  TxtEdit(0).SetVisible(false);
  Figura_Click();
  Fuoco("btnCalcola");
}

void Main::AzzeraFormSezione() {
  SvuotaGriglia(FlexGrid(0));
  SvuotaGriglia(FlexGrid(1));
  Stato.TipoSezione = 0;
  Stato.DatiSezioneCircolare.fill(0);
  DatiCerchioForm.fill(0);
  Matematica::RiempiMatrice(Stato.MatriceFigure, 0);
  Matematica::RiempiMatrice(GrigliaFigure, 0);
  Matematica::RiempiMatrice(Stato.MatriceBarre, 0);
  Matematica::RiempiMatrice(GrigliaBarre, 0);
  Stato.VisRettangoli = 0;
  Stato.VisAssi = 1;
  InizializzaGriglie();
  nFigureForm = 0;
  nBarreForm = 0;
  AggiornaForm();
  ScriveMaterialiInForm();
  Controllo("OpTipoSezione", Stato.TipoSezione).SetValue(1);
  OpTipoSezione_Click(Stato.TipoSezione);
  Fuoco("txtTitolo");
  Stato.DatiSezioneCircolare[4] = 0;
  Stato.SoloBarre = 0;
  Stato.NumeroVerticiCerchio = 52;
  Stato.Precompresso = false;
  nCaviForm = 0;
  Stato.TipoVerifica = 0;
  Stato.AngoloFlessione = 0;
  Stato.TipoFlessione = 0;
  Stato.VisTensioniBarre = 0;
  Stato.VisTensioniCls = 0;
  Stato.VisAssiNeutri = 0;
  FormScriveDati();
}
