// The design window's driver and handlers.
#include <cmath>
#include <exception>
#include <optional>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "analysis/Correnti.h"
#include "app/FrmAiuto.h"
#include "app/FrmPltSezione.h"
#include "app/Main.h"
#include "app/frmAbout.h"
#include "design/ProgettoSezione.h"
#include "design/ScorciatoiaProgetto.h"
#include "drawing/NumeroCella.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

namespace {

int Intero(const std::string& testo) {
  const double x = Generale::ValNumero(testo);
  return std::fabs(x) < 1E6 ? static_cast<int>(std::lround(x)) : 0;
}

using NumeroCella::Numerico;

}  // namespace

std::string ProgettoSezione::Testo(const std::string& nome, int indice) {
  return form_.Controllo(nome, indice).Text();
}

void ProgettoSezione::Scrivi(const std::string& nome, int indice, const std::string& testo) {
  form_.Controllo(nome, indice).SetText(testo);
}

void ProgettoSezione::Collega() {
  auto casella = [this](const std::string& nome, int i = platform::SenzaIndice) {
    return findChild<QLineEdit*>(QString::fromStdString(platform::NomeOggetto(nome, i)));
  };
  auto pulsante = [this](const std::string& nome, int i = platform::SenzaIndice) {
    return findChild<QAbstractButton*>(QString::fromStdString(platform::NomeOggetto(nome, i)));
  };
  auto combo = [this](const std::string& nome, int i = platform::SenzaIndice) {
    return findChild<QComboBox*>(QString::fromStdString(platform::NomeOggetto(nome, i)));
  };
  auto R = [this] { Ricalcola(); };
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { ButtonHelp_Click(); });

  connect(pulsante("cmdSeleziona"), &QAbstractButton::clicked, this,
          [this] { cmdSeleziona_Click(); });
  connect(pulsante("cmdNasondiBarre"), &QAbstractButton::clicked, this,
          [this] { cmdNasondiBarre_Click(); });
  findChild<platform::FlexGridQt*>("flexBarre")->Click = [this] {
    form_.Controllo("cmdSeleziona").SetEnabled(true);
  };
  connect(pulsante("cmdProgetta"), &QAbstractButton::clicked, this, R);
  connect(pulsante("ButtonHelp"), &QAbstractButton::clicked, this, [this] { ButtonHelp_Click(); });
  connect(pulsante("Command1"), &QAbstractButton::clicked, this, [this] { Disegna(); });
  connect(pulsante("Command2"), &QAbstractButton::clicked, this, [] { MostraFrmAbout(); });
  for (int i = 0; i < 2; ++i) {
    connect(pulsante("cmdInsDati", i), &QAbstractButton::clicked, this,
            [this, i] { cmdInsDati_Click(i); });
    connect(pulsante("cmdListaBarre", i), &QAbstractButton::clicked, this,
            [this, i] { CombinazioniBarre(i == 1); });
    connect(pulsante("ButtonCR", i), &QAbstractButton::clicked, this,
            [this, i] { ButtonCR_Click(i); });
    connect(pulsante("OpTipoVerifica", i), &QAbstractButton::toggled, this, [this, i](bool su) {
      if (su) OpTipoVerifica_Click(i);
    });
    connect(casella("F_Mxsd", i), &QLineEdit::returnPressed, this, [this, i, casella] {
      (i == 0 ? casella("F_Mxsd", 1) : casella("F_Vsd", 0))->setFocus();
      Ricalcola();
    });
    connect(casella("F_Vsd", i), &QLineEdit::returnPressed, this, [this, i, casella] {
      if (i == 0)
        casella("F_Vsd", 1)->setFocus();
      else
        findChild<QPushButton*>("cmdProgetta")->setFocus();
      Ricalcola();
    });
    connect(casella("txtSez", i), &QLineEdit::returnPressed, this, R);
    for (const char* nome : {"F_Mxsd", "F_Vsd", "txtSez"}) ConfermaDigitando(*casella(nome, i), R);
    connect(casella("txtPro", i), &QLineEdit::textChanged, this, [this, i, casella] {
      if (!modello_.InitFormProgetto && !RicalcoloInCorso) RicalcolaCambio(*casella("txtPro", i));
    });
    // Enter in A's/As recalculates anyway: once.
    ConfermaAllUscita(*casella("txtPro", i), i == 0);
    connect(casella("TextArrotonda", i), &QLineEdit::returnPressed, this,
            [this, i] { TextArrotonda_Invio(i); });
    ConfermaDigitando(*casella("TextArrotonda", i), [this, i] { TextArrotonda_Invio(i); });
  }
  connect(casella("txtPro", 0), &QLineEdit::returnPressed, this,
          [casella] { casella("txtPro", 1)->setFocus(); });
  connect(casella("txtPro", 1), &QLineEdit::returnPressed, this, [this] {
    if (!RicalcoloInCorso) Ricalcola();
  });
  for (int i = 0; i < 3; ++i) {
    connect(pulsante("OptionFissa", i), &QAbstractButton::toggled, this, [this, i](bool su) {
      if (su) OptionFissa_Click(i);
    });
    for (bool superiore : {false, true}) {
      const std::string z = superiore ? "FiC" : "Fi";
      connect(pulsante("chk" + z, i), &QAbstractButton::toggled, this,
              [this, superiore, i] { RigaDiametri_Click(superiore, i, false); });
      connect(combo("combo" + z, i), &QComboBox::activated, this,
              [this, superiore, i] { RigaDiametri_Click(superiore, i, true); });
      QLineEdit* numero = casella("txtNf" + z.substr(1), i);
      connect(numero, &QLineEdit::textChanged, this,
              [this, superiore, i] { NumeroFissi_Change(superiore, i); });
      ConfermaAllUscita(*numero);
    }
  }
  connect(casella("txtCotTeta"), &QLineEdit::returnPressed, this, R);
  ConfermaDigitando(*casella("txtCotTeta"), R);
  const std::pair<const char*, std::function<void()>> invii[] = {
      {"txtRol", [this] { txtRol_Invio(); }},
      {"txtEpsS", [this] { txtEpsS_Invio(); }},
      {"DiaMax", [this] { DiaMax_Invio(); }}};
  for (const auto& [nome, invio] : invii) {
    connect(casella(nome), &QLineEdit::returnPressed, this, invio);
    ConfermaDigitando(*casella(nome), invio);
  }
  connect(casella("txtEpsS"), &QLineEdit::textChanged, this, [this] { EpsSModificata = true; });
  auto* slider = findChild<QSlider*>("Slider1");
  connect(slider, &QSlider::sliderMoved, this, [this](int v) { Slider1_Scroll(v); });
  connect(slider, &QSlider::sliderReleased, this, [this] { Slider1_Change(); });
  connect(slider, &QSlider::valueChanged, this, [this, slider] {
    if (!slider->isSliderDown()) Slider1_Change();
  });
  connect(pulsante("chkCotTeta"), &QAbstractButton::toggled, this, [this] { chkCotTeta_Click(); });
  connect(pulsante("chkNoStaffe"), &QAbstractButton::toggled, this,
          [this] { chkNoStaffe_Click(); });
  connect(pulsante("chkAutoDiametri"), &QAbstractButton::toggled, this,
          [this] { chkAutoDiametri_Click(); });
  // The hook is drawn and weighed with the stirrups.
  connect(pulsante("chkGancio135"), &QAbstractButton::toggled, this,
          [this] { RicalcolaSeLibero(); });
  connect(combo("ComboBracci"), &QComboBox::activated, this, [this] { ComboBracci_Click(); });
  connect(combo("ComboReggi"), &QComboBox::activated, this, R);
  connect(combo("ComboStaffe"), &QComboBox::activated, this, R);
  connect(combo("DiaMin"), &QComboBox::activated, this, [this] { DiaMin_Click(); });
}

// ---- The driver

void ProgettoSezione::Ricalcola() {
  if (RicalcoloInCorso) {
    ricalcoloChiesto_ = true;
    return;
  }
  do {
    ricalcoloChiesto_ = false;
    RicalcolaUnaVolta();
  } while (ricalcoloChiesto_);
}

void ProgettoSezione::UnitaCambia(const std::string& vecchia) {
  const double mmVecchia = vecchia == "cm" ? 10 : 1;
  const double mmNuova = Stato.UnitaLunghezza == "cm" ? 10 : 1;
  const bool carica = modello_.InitFormProgetto;
  modello_.InitFormProgetto = true;  // the cover box recalculates on change
  for (const auto& [nome, indice] : {std::pair{"txtSez", 0}, {"txtSez", 1}, {"txtPro", 0},
                                     {"TextArrotonda", 0}, {"TextArrotonda", 1}}) {
    const std::string testo = Testo(nome, indice);
    if (!Numerico(testo)) continue;
    Scrivi(nome, indice,
           VariabiliPubbliche::FormattaValore(Generale::ValNumero(testo) * mmVecchia / mmNuova));
  }
  modello_.InitFormProgetto = carica;
  for (int i = 0; i <= 4; ++i) Scrivi("lblLung", i, Stato.UnitaLunghezza);
  RicalcolaSeLibero();
}

void ProgettoSezione::RicalcolaSeLibero() {
  if (!modello_.InitFormProgetto) Ricalcola();
}

void ProgettoSezione::RicalcolaCambio(const QLineEdit& casella) {
  if (!casella.isModified()) return Ricalcola();
  digitata_ = &casella;
  modello_.ValoreInDigitazione = true;
  Ricalcola();
  modello_.ValoreInDigitazione = false;
}

void ProgettoSezione::ConfermaAllUscita(QLineEdit& casella, bool invio) {
  casella.installEventFilter(this);
  conferme_[&casella] = [this] { Ricalcola(); };
  if (invio) connect(&casella, &QLineEdit::returnPressed, this, [this] { ConfermaDigitato(); });
}

void ProgettoSezione::ConfermaDigitando(QLineEdit& casella, std::function<void()> conferma) {
  casella.installEventFilter(this);
  conferme_[&casella] = std::move(conferma);
  connect(&casella, &QLineEdit::textEdited, this, [this, &casella] {
    RisultatiSvuota();
    trattenuto_ = true;
    digitata_ = &casella;
  });
}

void ProgettoSezione::ConfermaDigitato() {
  if (trattenuto_) Ricalcola();
}

bool ProgettoSezione::eventFilter(QObject* oggetto, QEvent* evento) {
  // Focus taken by a message box, a popup or another window is no leaving;
  // the click that left the box, on Ricalcola say, runs first.
  if (evento->type() == QEvent::FocusOut && trattenuto_) {
    const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
    const auto conferma = conferme_.find(oggetto);
    if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason &&
        conferma != conferme_.end())
      QTimer::singleShot(0, this, [this, oggetto, esegui = conferma->second] {
        if (trattenuto_ && digitata_ == oggetto) esegui();
      });
  }
  return QMainWindow::eventFilter(oggetto, evento);
}

void ProgettoSezione::RicalcolaUnaVolta() {
  // What a run on a value still being typed would say waits for the value
  // to be committed, and such a run shows no design.
  std::optional<platform::SenzaMessaggi> trattenuti;
  if (modello_.ValoreInDigitazione) trattenuti.emplace();
  trattenuto_ = false;
  modello_.Osservazioni.clear();
  Scrivi("txtOsservazioni", platform::SenzaIndice, "");
  cmdNasondiBarre_Click();
  RicalcoloInCorso = true;
  bool progettata = false;
  // Existing structures have no design rules here: no design to show.
  if (Stato.Normativa != 0 && Stato.Normativa != 1) {
    modello_.Osservazioni = ProgettoSoloNtcDm96;
  } else if (!modello_.LeggiDati()) {
    trattenuto_ = trattenuti.has_value();
  } else {
    const ScorciatoiaProgetto inCorso;
    try {
      progettata = modello_.Progetta();
      trattenuto_ = trattenuti && trattenuti->Trattenuti() > 0;
      if (progettata && !trattenuto_) RisultatiScrive();
    } catch (const std::exception&) {
      progettata = false;
      platform::MsgBox("Errore nel modulo Progetto Sezione Rettangolare", platform::Pulsanti::Ok,
                       platform::Icona::Critica);
    }
  }
  if (!progettata || trattenuto_) {
    NessunProgetto();
    Scrivi("txtOsservazioni", platform::SenzaIndice, modello_.Osservazioni);
  }
  ButtonsPosiziona();
  RicalcoloInCorso = false;
}

void ProgettoSezione::ScriveArrotondato() {
  using VariabiliPubbliche::FormattaValore;
  using VariabiliPubbliche::LunghezzaDaMm;
  modello_.DimensioniArrotondate();
  Scrivi("txtSez", 1, FormattaValore(LunghezzaDaMm(modello_.BaseArrotondata)));
  Scrivi("txtSez", 0, FormattaValore(LunghezzaDaMm(modello_.AltezzaArrotondata)));
}

void ProgettoSezione::RisultatiScrive() {
  ScriveArrotondato();
  const TestiRisultati t = modello_.RisultatiTesti();
  RisultatiMostra(t);
  Scrivi("txtOsservazioni", platform::SenzaIndice, t.txtOsservazioni);
  modello_.DeformazioneProgettoMostra();
  DisegnoSegue();
}

void ProgettoSezione::RisultatiSvuota() {
  RisultatiMostra({});
  for (int i = 0; i < 2; ++i) Scrivi("txtxSud", i, "");
  // The width designed goes with its design.
  if (Stato.DimensioneFissa == 0) Scrivi("txtSez", 1, "");
  // The remarks and the bar combinations were the design's too.
  Scrivi("txtOsservazioni", platform::SenzaIndice, "");
  cmdNasondiBarre_Click();
  if (FrmPltSezione* disegno = DisegnoAperto()) disegno->close();
}

void ProgettoSezione::NessunProgetto() {
  // The strain asked, in place of one a design had to take; within the run,
  // the slider that follows it starts no other.
  modello_.EpsSLegge();
  modello_.DeformazioneMostra();
  RisultatiSvuota();
}

void ProgettoSezione::RisultatiMostra(const TestiRisultati& t) {
  for (int i = 0; i < 2; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    Scrivi("LblArmatura", i, t.LblArmatura[k]);
    Scrivi("txtAsMin", i, t.txtAsMin[k]);
    Scrivi("LblAsMin", i, t.LblAsMin[k]);
    Scrivi("txtAs", i, t.txtAs[k]);
    Scrivi("LblAs", i, t.LblAs[k]);
    Scrivi("txtAsPerc", i, t.txtAsPerc[k]);
    Scrivi("lblArea", i, t.lblArea);
  }
  Scrivi("txtAsSuAs1", platform::SenzaIndice, t.txtAsSuAs1);
  Scrivi("LabelRo_s", platform::SenzaIndice, t.LabelRo_s);
  if (auto* ro = findChild<QWidget*>("LabelRo_s")) {
    const bool colorata = !t.LabelRo_s.empty();
    ro->setAutoFillBackground(colorata);
    QPalette p = ro->palette();
    if (colorata) p.setColor(QPalette::Window, QColor(static_cast<QRgb>(t.LabelRo_sBackColor)));
    ro->setPalette(colorata ? p : QPalette());
  }
  Scrivi("txtIncidenzaAcciaio", platform::SenzaIndice, t.txtIncidenzaAcciaio);
  Scrivi("lblTau", platform::SenzaIndice, t.lblTau);
  form_.Controllo("lblTau").SetForeColor(t.lblTauForeColor);
  Scrivi("lblTaglioResistente", platform::SenzaIndice, t.lblTaglioResistente);
  form_.Controllo("lblTaglioResistente").SetForeColor(t.lblTaglioResistenteForeColor);
  Scrivi("LabelStaffeMin", platform::SenzaIndice, t.LabelStaffeMin);
  Scrivi("LabelStaffeCalc", platform::SenzaIndice, t.LabelStaffeCalc);
  form_.Controllo("LabelStaffeCalc").SetForeColor(t.LabelStaffeCalcForeColor);
  Scrivi("lblTaglio", 8, t.lblTaglio8);
  // Without a design there is nothing to list, draw or copy.
  const bool progetto = progettoInVista_ = !t.txtAs[0].empty();
  for (int i = 0; i < 2; ++i) {
    form_.Controllo("cmdListaBarre", i).SetEnabled(progetto);
    form_.Controllo("cmdInsDati", i).SetEnabled(progetto);
  }
  form_.Controllo("Command1").SetEnabled(progetto);
}

void ProgettoSezione::CotTetaMostra() {
  const bool mostra = Stato.TipoVerificaProgetto == 0 && Stato.Normativa == 0 && !Stato.SenzaStaffe;
  for (int i = 0; i < 2; ++i) form_.Controllo("lblCotTeta", i).SetVisible(mostra);
  form_.Controllo("txtCotTeta").SetVisible(mostra);
  form_.Controllo("chkCotTeta").SetVisible(mostra);
}

void ProgettoSezione::StaffeControlliMostra() {
  for (int i = 0; i < 3; ++i) form_.Controllo("lblRol", i).SetVisible(Stato.SenzaStaffe);
  form_.Controllo("txtRol").SetVisible(Stato.SenzaStaffe);
}

void ProgettoSezione::StaffeControlliAbilita() {
  const bool staffe = !Stato.SenzaStaffe;
  for (int i = 0; i <= 5; ++i) form_.Controllo("lblTaglio", i).SetEnabled(staffe);
  for (const char* nome : {"ComboStaffe", "ComboBracci", "ComboReggi", "chkGancio135"})
    form_.Controllo(nome).SetEnabled(staffe);
  for (int i = 6; i <= 8; ++i) form_.Controllo("lblTaglio", i).SetVisible(staffe);
  form_.Controllo("LabelStaffeCalc").SetVisible(staffe);
  form_.Controllo("LabelStaffeMin").SetVisible(staffe);
}

// ---- Handlers

void ProgettoSezione::NoNumero(const std::string& nome, int indice) {
  platform::MsgBox("Inserire un valore numerico", platform::Pulsanti::Ok,
                   platform::Icona::Informazione, "Errore nell'inserimento dei dati");
  if (auto* c = findChild<QLineEdit*>(QString::fromStdString(platform::NomeOggetto(nome, indice)))) {
    c->setFocus();
    c->selectAll();
  }
}

void ProgettoSezione::DeformazioneFissaAvvisa() {
  platform::MsgBox(
      "La deformazione dell'armatura non può essere cambiata\nquando sono fisse sia la base che "
      "l'altezza",
      platform::Pulsanti::Ok, platform::Icona::Informazione);
}

void ProgettoSezione::ButtonCR_Click(int Index) {
  if (form_.Controllo("OptionFissa", 2).Value()) return DeformazioneFissaAvvisa();
  const float rapporto = modello_.RapportiLimite[static_cast<std::size_t>(Index)];
  const std::string testo = Formattazione::Formato(rapporto, "0.00");
  Scrivi("txtEpsS", platform::SenzaIndice, testo);
  Stato.EpsSProgetto = static_cast<float>(rapporto * ModelloProgetto::EpsYd());
  Ricalcola();
  // The strain of the design, which is the one imposed unless a least
  // section governed.
  modello_.InitFormProgetto = true;
  modello_.DeformazioneProgettoMostra();
  modello_.InitFormProgetto = false;
}

void ProgettoSezione::OpTipoVerifica_Click(int Index) {
  Stato.TipoVerificaProgetto = Index;
  form_.Controllo("Frame1").SetVisible(Index != 1);
  if (Index == 1) {
    Stato.TipoVerifica = 1;
  } else {
    Stato.TipoVerifica = 0;
    modello_.ProgettaSLUini();
    modello_.MessaggioNormativa(true);
  }
  CotTetaMostra();
  RicalcolaSeLibero();
}

void ProgettoSezione::OptionFissa_Click(int Index) {
  Stato.DimensioneFissa = Index;
  // A width fixed now starts from the last one designed.
  if (Index != 0 && Testo("txtSez", 1).empty())
    Scrivi("txtSez", 1,
           VariabiliPubbliche::FormattaValore(VariabiliPubbliche::LunghezzaDaMm(modello_.BaseSezione)));
  RicalcolaSeLibero();
}

void ProgettoSezione::Slider1_Scroll(int valore) {
  EpsSModificata = false;
  Stato.EpsSProgetto = static_cast<float>(valore / 10.0 * ModelloProgetto::EpsYd());
  modello_.DeformazioneMostra();
  if (form_.Controllo("OptionFissa", 2).Value()) DeformazioneFissaAvvisa();
}

void ProgettoSezione::Slider1_Change() {
  if (modello_.InitFormProgetto) return;
  const int valore = findChild<QSlider*>("Slider1")->value();
  if (!EpsSModificata)
    Scrivi("txtEpsS", platform::SenzaIndice, Formattazione::Formato(valore / 10.0, "0.00"));
  if (!RicalcoloInCorso) Ricalcola();
}

void ProgettoSezione::txtEpsS_Invio() {
  if (form_.Controllo("OptionFissa", 2).Value()) DeformazioneFissaAvvisa();
  if (!Numerico(Testo("txtEpsS"))) return NoNumero("txtEpsS");
  const int prima = findChild<QSlider*>("Slider1")->value();
  modello_.SliderDaEpsS();
  // The same place: no change of the slider, so recalculate here.
  if (findChild<QSlider*>("Slider1")->value() == prima) Ricalcola();
}

void ProgettoSezione::TextArrotonda_Invio(int Index) {
  const std::string testo = Testo("TextArrotonda", Index);
  if (!Numerico(testo)) return NoNumero("TextArrotonda", Index);
  Stato.PassoArrotondamento[static_cast<std::size_t>(Index)] =
      static_cast<float>(VariabiliPubbliche::LunghezzaInMm(Generale::ValNumero(testo)));
  Ricalcola();
}

void ProgettoSezione::txtRol_Invio() {
  if (!Generale::NumeroCasella(Testo("txtRol"))) return NoNumero("txtRol");
  Stato.RoL = static_cast<float>(Generale::ValNumero(Testo("txtRol")) / 100);
  if (Stato.RoL > 0.02f) {
    Stato.RoL = 0.02f;
    Scrivi("txtRol", platform::SenzaIndice, "2");
  }
  Ricalcola();
}

void ProgettoSezione::chkCotTeta_Click() {
  if (modello_.InitFormProgetto) return;
  Stato.MinimizzaStaffe = form_.Controllo("chkCotTeta").Value();
  if (Stato.MinimizzaStaffe == 1) Scrivi("txtCotTeta", platform::SenzaIndice,
                                         VariabiliPubbliche::FormattaValore(2.5));
  Ricalcola();
}

void ProgettoSezione::chkNoStaffe_Click() {
  Stato.SenzaStaffe = form_.Controllo("chkNoStaffe").Value() != 0;
  StaffeControlliAbilita();
  CotTetaMostra();
  StaffeControlliMostra();
  RicalcolaSeLibero();
}

void ProgettoSezione::ComboBracci_Click() {
  auto* bracci = findChild<QComboBox*>("ComboBracci");
  if (bracci->currentIndex() >= 3) {
    bracci->setCurrentIndex(2);
    platform::MsgBox("N° di bracci delle staffe non ancora implementato: N° max 6",
                     platform::Pulsanti::Ok, platform::Icona::Nessuna);
  }
  Ricalcola();
}

void ProgettoSezione::chkAutoDiametri_Click() {
  modello_.AutoDiametriSetta(form_.Controllo("chkAutoDiametri").Value() == 1);
  if (modello_.InitFormProgetto) return;
  modello_.LeggiOpzioni();
  Ricalcola();
}

void ProgettoSezione::DiaMaxImposta() {
  int candidato = Stato.DiametroMinimo;
  for (int k = 0; k <= 2; ++k) {
    candidato = Stato.DiametroMinimo + 2 * k;
    if (candidato == 26) break;
  }
  Stato.DiametroMassimo = candidato;
}

void ProgettoSezione::DiaMin_Click() {
  Stato.DiametroMinimo = Intero(Testo("DiaMin"));
  DiaMaxImposta();
  Scrivi("DiaMax", platform::SenzaIndice, std::to_string(Stato.DiametroMassimo));
  Ricalcola();
}

void ProgettoSezione::DiaMax_Invio() {
  Stato.DiametroMassimo = Intero(Testo("DiaMax"));
  Ricalcola();
}

void ProgettoSezione::RigaDiametri_Click(bool superiore, int i, bool diametro) {
  const std::size_t k = static_cast<std::size_t>(i);
  const std::string z = superiore ? "FiC" : "Fi";
  if (diametro) {
    (superiore ? Stato.RigheFiCDiametro : Stato.RigheFiDiametro)[k] = Intero(Testo("combo" + z, i));
    Ricalcola();
  } else {
    (superiore ? Stato.RigheFiCAttive : Stato.RigheFiAttive)[k] = form_.Controllo("chk" + z, i).Value();
    RicalcolaSeLibero();
  }
}

void ProgettoSezione::NumeroFissi_Change(bool superiore, int i) {
  const std::string nome = superiore ? "txtNfiC" : "txtNfi";
  const std::string testo = Testo(nome, i);
  auto* casella = findChild<QLineEdit*>(QString::fromStdString(platform::NomeOggetto(nome, i)));
  const std::optional<int> n = Intervalli::Conteggio(testo, ModelloProgetto::MaxBarreFisse);
  if (!n) {
    // No design of the count before stays in sight; leaving the box says why.
    if (!modello_.InitFormProgetto) {
      RisultatiSvuota();
      trattenuto_ = true;
      digitata_ = casella;
    }
    return;
  }
  (superiore ? Stato.RigheFiCNumero : Stato.RigheFiNumero)[static_cast<std::size_t>(i)] = *n;
  if (!modello_.InitFormProgetto) RicalcolaCambio(*casella);
}

void ProgettoSezione::NormativaItem_Click(int Index) {
  // The main window shows and reads the values of the code in force, and
  // hands the code back here as to every open design window.
  if (auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main))
    return main->NormativaItem_Click(Index);
  VariabiliPubbliche::ScegliNormativa2(Index, form_);
  Stato.Fcd = Stato.Fcd * Stato.AlfaCC;
  NormativaSegue();
}

void ProgettoSezione::NormativaScelta() {
  if (ProgettoSezione* aperta = Aperta()) aperta->NormativaSegue();
}

void ProgettoSezione::MaterialiScelti() {
  ProgettoSezione* aperta = Aperta();
  if (aperta && aperta->materiali_ != MaterialiInVigore()) aperta->NormativaSegue();
}

std::string ProgettoSezione::MaterialiInVigore() {
  std::string s = std::to_string(Stato.Normativa) + "|" + Stato.SiglaAcciaio[0] + "|" +
                  Stato.SiglaCalcestruzzo;
  for (double x : {Stato.Fck, Stato.Fcd, Stato.GammaC, Stato.AlfaCC, Stato.EpsCu, Stato.EpsC2,
                   Stato.EpsSu, Stato.ModuloEs, Stato.Fyd[0], Stato.EpsYdSezione[0],
                   Stato.RapportoFccFcd, static_cast<double>(Stato.RapportoN[0]),
                   static_cast<double>(Stato.SigmaSAmm[0]), static_cast<double>(Stato.SigmaCAmm),
                   static_cast<double>(Stato.TauC0), static_cast<double>(Stato.TauC1)})
    s += "|" + std::to_string(x);
  return s;
}

void ProgettoSezione::MaterialiMostra() {
  materiali_ = MaterialiInVigore();
  Scrivi("lblMat", platform::SenzaIndice,
         "Acciaio " + Stato.SiglaAcciaio[0] + "   Calcestruzzo " + Stato.SiglaCalcestruzzo);
}

void ProgettoSezione::NormativaSegue() {
  MaterialiMostra();
  const bool prevista = Stato.Normativa == 0 || Stato.Normativa == 1;
  if (prevista) {
    VariabiliPubbliche::AggiornaMenuNormativa2(form_);
  } else {
    for (int i = 0; i < 2; ++i) form_.Controllo("NormativaItem", i).SetChecked(false);
    form_.Controllo("NormativaMain").SetCaption("Normativa");
  }
  // The sizing's laws of the materials follow the code at once.
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(Stato.ModuloEs);
  CotTetaMostra();
  RicalcolaSeLibero();
}

void ProgettoSezione::ButtonHelp_Click() { FrmAiuto::Mostra(FrmAiuto::Progetto); }
