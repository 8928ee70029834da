// The column's checks that need a calculation: bending of the current end
// through the main window's Mx-My domain, capacity-design shear by
// direction.
#include <exception>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "analysis/Correnti.h"
#include "app/DominioMxMy.h"
#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/Main.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Colori.h"
#include "platform/MsgBox.h"
#include "platform/qt/SurfaceImmagineQt.h"
#include "seismic/EsitoFlessione.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

using platform::Nominato;

QLineEdit* Risultato(const char* nome, int indice) {
  auto* casella = Nominato(new QLineEdit, nome, indice);
  casella->setReadOnly(true);
  return casella;
}

}  // namespace

QGroupBox* FrmSismica::CreaVerifiche() {
  auto* frame = new QGroupBox("Verifiche");
  auto* g = new QGridLayout(frame);
  g->addWidget(new QLabel("X"), 0, 1, Qt::AlignHCenter);
  g->addWidget(new QLabel("Y"), 0, 2, Qt::AlignHCenter);
  g->addWidget(Nominato(new QLabel("Taglio da capacity design [kN]"), "lblSolDestra", 0), 1, 0);
  g->addWidget(Nominato(new QLabel("Taglio resistente [kN]"), "LblMr"), 2, 0);
  for (int d = 0; d <= 1; ++d) {
    g->addWidget(Risultato("F_V", d), 1, d + 1);
    g->addWidget(Risultato("txtVu", d), 2, d + 1);
    auto* direzione = Nominato(new QPushButton(d == 0 ? "Verifica Vx" : "Verifica Vy"),
                               "cmdDirezione", d);
    connect(direzione, &QPushButton::clicked, this, [this, d] { cmdDirezione_Click(d); });
    g->addWidget(direzione, 3, d + 1);
  }
  g->addWidget(new QLabel(QString::fromUtf8("ρM Sez. Inf. / Sez. Sup.")), 4, 0);
  g->addWidget(Risultato("txtRoM", 0), 4, 1);
  g->addWidget(Risultato("txtRoM", 1), 4, 2);
  auto* flessione = Nominato(new QPushButton("V. Fles. Sez. Inf."), "btnDominioMNsismica");
  flessione->setToolTip("Verifica a Pressoflessione Sezione Corrente");
  connect(flessione, &QPushButton::clicked, this, [this] { btnDominioMNsismica_Click(); });
  g->addWidget(flessione, 5, 1, 1, 2);
  return frame;
}

bool FrmSismica::DatiRifiutati(bool zeriAmmessi) {
  std::string motivo = Stato.PilastroCorrente.DatiNonValidi(zeriAmmessi);
  using Intervalli::Grandezza;
  const auto& m = Stato;
  for (const std::string& azione :
       {Intervalli::FuoriIntervallo(Grandezza::Forza, m.NEdSismica, "NEd"),
        Intervalli::FuoriIntervallo(Grandezza::Momento, m.MEdSuperiore[0], "MEd"),
        Intervalli::FuoriIntervallo(Grandezza::Momento, m.MEdSuperiore[1], "MEd"),
        Intervalli::FuoriIntervallo(Grandezza::Momento, m.MEdInferiore[0], "MEd"),
        Intervalli::FuoriIntervallo(Grandezza::Momento, m.MEdInferiore[1], "MEd"),
        Sismica::CoefficientiNonValidi()})
    if (motivo.empty()) motivo = azione;
  if (motivo.empty()) return false;
  platform::MsgBox("Calcolo non eseguito: dati non validi.\r\n" + motivo, platform::Pulsanti::Ok,
                   platform::Icona::Critica);
  SvuotaRisultati();
  return true;
}

// No result of the inputs refused stays in sight; an empty list would read
// "OK prescrizioni".
void FrmSismica::SvuotaRisultati(bool ancheRo) {
  SvuotaCaselleRegole(!ancheRo);
  SvuotaLista();
  SvuotaVerificheSuperate();
}

void FrmSismica::SvuotaLista() {
  if (auto* lista = findChild<QTextEdit*>("RichTextBox1")) lista->clear();
}

void FrmSismica::EsportaSezioneInMain() {
  MemorizzaDatiSismica();
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  if (!main) return;
  main->setWindowState(Qt::WindowNoState);
  main->show();
  main->Controllo("F_N", 0).SetText(
      VariabiliPubbliche::FormattaValore(Stato.NEdSismica / 1000, true));
  main->Controllo("OpPuntoN", 0).SetValue(1);
  if (Stato.ElementoSetto == 0) Stato.PilastroCorrente.EsportaInTramok(*this);
  main->Figura_Click();
}

// An ultimate check in biaxial bending: under "Metodo n" the main window's
// domain command would not compute the Mx-My domain.
void FrmSismica::btnDominioMNsismica_Click() {
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  if (!main) return;
  try {
    MemorizzaDatiSismica();
    if (DatiRifiutati()) return;
    // The main window's own choice: the design window's method is no verification type.
    if (main->Controllo("OpTipoVerifica", 1).Value()) main->Controllo("OpTipoVerifica", 0).SetValue(1);
    main->Controllo("OpTipoFlessione", 1).SetValue(1);
    EsportaSezioneInMain();
    const bool inferiore = Stato.PilastroCorrente.SezioneInferiore;
    const std::string titolo = inferiore ? "SEZIONE INFERIORE" : "SEZIONE SUPERIORE";
    const bool calcolato = main->btnDominioMNsub(titolo);
    flessioneNelleFinestre_ = calcolato;
    DominioMxMy* dominio = FinestreRisultati::DominioMxMyAperto();
    const std::string rapporto =
        calcolato && dominio ? dominio->Controllo("txtRapporto").Text() : std::string();
    main->lower();
    if (QWidget* disegno = FinestreRisultati::FrmPltSezioneAperto()) disegno->close();
    const bool esito = Sismica::EsitoFlessione(*this, calcolato, rapporto, inferiore, titolo);
    RicordaIngressiVerifiche();
    if (esito) MostraRisultatiInFigura();
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}

void FrmSismica::ImpostaVerificaDirezione(int direzione) {
  auto& p = VariabiliPubbliche::Stato;
  p.TipoVerifica = 0;
  p.TipoFlessione = 1;
  p.AngoloFlessione = direzione == 0 ? 0 : -90;
}

void FrmSismica::cmdDirezione_Click(int Index) {
  try {
    MemorizzaDatiSismica();
    // An open stirrup editor is confirmed first; while it holds a refused
    // row the stirrups shown are not those stored: no verdict.
    if (!ConfermaEditorStaffe()) {
      Controllo("txtVu", Index).SetText("");
      Controllo("F_V", Index).SetText("");
      return;
    }
    if (DatiRifiutati()) return;
    if (VariabiliPubbliche::SezioneCorrente()->AreaNulla()) {
      platform::MsgBox("Area sezione nulla!");
      return;
    }
    if (Stato.ElementoSetto != 0) return;
    ImpostaVerificaDirezione(Index);
    const bool esito = Stato.PilastroCorrente.CalcolaMomentiTagliUltimiPilastro(*this, Index);
    RicordaIngressiVerifiche();
    if (esito) MostraRisultatiInFigura();
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}

void FrmSismica::MostraRisultatiInFigura() {
  auto& p = VariabiliPubbliche::Stato;
  p.RisultatiPresenti = true;
  p.PlottaggioVideo = true;
  const qreal scala = figura_->devicePixelRatioF();
  platform::SurfaceImmagineQt immagine(static_cast<int>(figura_->width() * scala),
                                       static_cast<int>(figura_->height() * scala));
  VariabiliPubbliche::SezioneCorrente()->PlottaSezione("VIDEO", &immagine);
  PlottaStaffeSismica();
  figura_->MostraImmagine(immagine.Immagine());
}

std::vector<double> FrmSismica::IngressiVerifiche() const {
  const auto& p = VariabiliPubbliche::Stato;
  return {Stato.NEdSismica,       Stato.MEdSuperiore[0],  Stato.MEdSuperiore[1],
          Stato.MEdInferiore[0],  Stato.MEdInferiore[1],  double(p.NormativaSismica),
          double(Stato.DuttilitaMedia), double(Stato.PilastroMensola),
          Stato.RapportoMomentiSup, Stato.RapportoMomentiInf, p.Fcd, p.Fyd[0],
          double(p.NumeroRettangoli)};
}

void FrmSismica::RicordaIngressiVerifiche() {
  colonnaVerifiche_ = Stato.PilastroCorrente;
  ingressiVerifiche_ = IngressiVerifiche();
  verificheMostrate_ = true;
}

void FrmSismica::SvuotaVerificheSuperate() {
  if (Stato.PilastroCorrente.StessiDati(colonnaVerifiche_) &&
      IngressiVerifiche() == ingressiVerifiche_)
    return;
  for (const char* nome : {"txtRoM", "txtVu", "F_V"})
    for (int i = 0; i <= 1; ++i) {
      platform::Control& casella = Controllo(nome, i);
      casella.SetText("");
      casella.SetForeColor(platform::QBColor(0));
    }
  // Nor the result windows the bending check filled: the main window learns
  // of this window's inputs only at the next check.
  if (flessioneNelleFinestre_) FinestreRisultati::SvuotaAperte();
  flessioneNelleFinestre_ = false;
  // Nor the verdict in the list, nor the compressed zone and neutral axis in
  // the picture: the section drawn as on any other change.
  if (!verificheMostrate_) return;
  verificheMostrate_ = false;
  SvuotaLista();
  Figura_Click();
}
