// Keyboard and focus of the seismic window's boxes: Enter moves along the
// input order, a box selects its text on focus, and leaving a column box
// redraws the section and reruns the rules.
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/FiguraSezione.h"
#include "app/TastieraFinestra.h"
#include "model/GeneraleTesto.h"
#include "platform/MsgBox.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

// "F_MInfsd_1" -> "F_MInfsd", 1; a name without a numeric suffix keeps it all.
std::pair<std::string, int> NomeIndice(const QString& oggetto) {
  const std::string nome = oggetto.toStdString();
  const size_t trattino = nome.rfind('_');
  if (trattino == std::string::npos || trattino + 1 == nome.size() ||
      nome.find_first_not_of("0123456789", trattino + 1) != std::string::npos)
    return {nome, platform::SenzaIndice};
  return {nome.substr(0, trattino), std::stoi(nome.substr(trattino + 1))};
}

// Where Enter in box PilastroTxt(i) goes; the stirrup pitch 14 is apart.
std::string DopoPilastroTxt(int i) {
  switch (i) {
    case 0: return "PilastroTxt_1";
    case 1: return "PilastroTxt_10";
    case 10: return "PilastroTxt_4";
    case 4: return "ComboBarrePil_0";
    case 2: return "PilastroTxt_3";
    case 3: return "StaffePilDef";
    case 5: return "cmdControlloPil_0";
    case 9: return "PilastroTxt_0";
    case 11: return "PilastroTxt_6";
    case 6: return "PilastroTxt_12";
    case 12: return "PilastroTxt_8";
    case 8: return "PilastroTxt_15";
    case 15: return "ComboBarrePil_1";
    case 7: return "ComboBarrePil_2";
    case 13: return "cmdStaffe_0";
    default: return {};
  }
}

// rho = As/Ac reads the bar counts and the sides or the radius alone.
bool DatoDiRo(int i) { return i <= 3 || i == 6 || i == 7; }

bool Invio(const QKeyEvent& tasto) {
  return tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter;
}

}  // namespace

void FrmSismica::CollegaInput() {
  for (QLineEdit* casella : findChildren<QLineEdit*>()) {
    const auto [nome, indice] = NomeIndice(casella->objectName());
    // A column or ductility value typed: no rule of the one before stays in
    // sight; leaving the box runs them again.
    if (nome == "PilastroTxt" || nome == "txtDinamica") {
      const bool ro = nome == "PilastroTxt" && DatoDiRo(indice);
      connect(casella, &QLineEdit::textEdited, this, [this, ro] {
        if (AggiornamentoInCorso) return;
        // Nor a check: the column is stored, and checked, when the box is left.
        ingressiVerifiche_.clear();
        SvuotaRisultati(ro);
      });
    }
    if (nome == "txtDinamica") casella->installEventFilter(this);
    const bool selezionata = nome == "PilastroTxt" || nome == "F_MSupsd" || nome == "F_MInfsd" ||
                             nome == "F_N" || nome == "txtTitolo" || nome == "F_nome_acc" ||
                             nome == "F_nome_cls";
    if (!selezionata) continue;
    tastiera_->SelezionaAlFuoco(*casella);
    casella->installEventFilter(this);
    // An action typed: the checks of the old one are no longer shown.
    if (nome == "F_N" || nome == "F_MSupsd" || nome == "F_MInfsd")
      connect(casella, &QLineEdit::textEdited, this, [this] {
        if (AggiornamentoInCorso) return;
        // A text not yet a number is told when a command reads it.
        try {
          AzioniLeggeScrive(false);
        } catch (const Generale::NumeroNonValido&) {
        }
        SvuotaVerificheSuperate();
      });
  }
  connect(findChild<QPushButton*>("cmdControlloPilStaffe"), &QPushButton::clicked, this,
          [this] { cmdControlloPilStaffe_Click(); });
  for (int i = 0; i <= 2; ++i) {
    auto* lista = findChild<QComboBox*>(QString::fromStdString(platform::NomeOggetto("ComboBarrePil", i)));
    lista->installEventFilter(this);
    // An editable list also reports its text when a message box takes the
    // focus: that is no choice of the user's.
    connect(lista, &QComboBox::activated, this, [this] {
      if (AggiornamentoInCorso || QApplication::activeModalWidget()) return;
      ControllaPrescrizioni();
      Figura_Click();
    });
  }
}

bool FrmSismica::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == figura_) {
    if (evento->type() == QEvent::Resize && !figura_->Immagine().isNull()) Ridisegna(false, nullptr);
    return false;
  }
  const auto [nome, indice] = NomeIndice(oggetto->objectName());
  if (evento->type() == QEvent::KeyPress && Invio(*static_cast<QKeyEvent*>(evento)))
    return InvioCasella(nome, indice);
  // A message box or another window taking the focus is no leaving of the
  // box, nor is the window closing.
  if (evento->type() == QEvent::FocusOut && isVisible()) {
    const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
    if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
      UscitaCasella(nome, indice);
  }
  return false;
}

bool FrmSismica::InvioCasella(const std::string& nome, int indice) {
  std::string prossimo;
  if (nome == "PilastroTxt") {
    prossimo = DopoPilastroTxt(indice);
    if (indice == 14)
      prossimo = Controllo("PilastroTxt", 13).Visible() ? "PilastroTxt_13" : "cmdControlloPilStaffe";
  } else if (nome == "ComboBarrePil") {
    const char* const dopo[] = {"PilastroTxt_2", "PilastroTxt_7", "PilastroTxt_5"};
    prossimo = dopo[indice];
  } else if (nome == "txtTitolo") {
    Stato.TitoloSismica = Controllo("txtTitolo").Text();
    prossimo = "PilastroTxt_9";
  } else if (nome == "F_MInfsd") {
    prossimo = platform::NomeOggetto("F_MSupsd", indice);
  } else if (nome == "F_MSupsd") {
    prossimo = indice == 0 ? "F_MInfsd_1" : "cmdDirezione_0";
  } else if (nome == "txtDinamica") {
    // On to the next box, which takes the value as leaving the box does.
    focusNextChild();
    return true;
  } else if (nome != "F_N") {
    return false;
  }
  if (nome == "F_N") prossimo = "F_MInfsd_0";
  auto* bersaglio = findChild<QWidget*>(QString::fromStdString(prossimo));
  if (bersaglio && bersaglio->isVisible() && bersaglio->isEnabled())
    bersaglio->setFocus(Qt::TabFocusReason);
  if (nome == "F_N") ControllaPrescrizioni();
  return true;
}

void FrmSismica::UscitaCasella(const std::string& nome, int indice) {
  if (nome == "ComboBarrePil") {
    platform::ContaMessaggi detti;
    ControllaPrescrizioni();
    if (detti.Mostrati == 0) Figura_Click();
    return;
  }
  if (nome == "txtDinamica") {
    DinamicaNeiCoefficienti(indice == 1);
    return ControllaPrescrizioni();
  }
  if (nome != "PilastroTxt") return;
  if ((indice >= 0 && indice <= 4) || (indice >= 6 && indice <= 8)) {
    // A box that holds no number is told once.
    platform::ContaMessaggi detti;
    Figura_Click();
    if (detti.Mostrati == 0) ControllaPrescrizioni();
  } else if (indice == 5 || (indice >= 9 && indice <= 12) || indice == 15) {
    ControllaPrescrizioni();
  } else if (indice == 13 || indice == 14) {
    cmdControlloPilStaffe_Click();
  }
}
