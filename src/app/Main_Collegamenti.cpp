// The main window's controls wired to their handlers: option buttons, check
// boxes and text boxes through the signals that also fire on changes made by
// the program; Enter, clicks and focus through the window's event filter.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "app/FiguraSezione.h"
#include "app/Main.h"
#include "app/TastieraFinestra.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Tasti.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"

namespace {

const char* const Prossimo = "tramokProssimo";

}  // namespace

void Main::CollegaControlli() {
  auto opzioni = [this](const char* nome, int n, void (Main::*clic)(int)) {
    for (int i = 0; i < n; ++i) {
      auto* bottone = qobject_cast<QAbstractButton*>(Widget(nome, i));
      connect(bottone, &QAbstractButton::toggled, this, [this, clic, i](bool scelto) {
        if (scelto) (this->*clic)(i);
      });
    }
  };
  opzioni("OpTipoSezione", 7, &Main::OpTipoSezione_Click);
  opzioni("OpTipoVerifica", 3, &Main::OpTipoVerifica_Click);
  opzioni("OpTipoFlessione", 2, &Main::OpTipoFlessione_Click);
  opzioni("OpPuntoN", 3, &Main::OpPuntoN_Click);

  for (int k = 0; k <= 1; ++k) {
    connect(qobject_cast<QLineEdit*>(Widget("F_Es", k)), &QLineEdit::textChanged, this,
            [this, k] { F_Es_Change(k); });
    connect(qobject_cast<QLineEdit*>(Widget("F_fyd", k)), &QLineEdit::textChanged, this,
            [this, k] { F_fyd_Change(k); });
  }
  connect(qobject_cast<QComboBox*>(Widget("CmbCavi")), &QComboBox::activated, this,
          [this] { CmbCavi_Click(); });
  connect(qobject_cast<QCheckBox*>(Widget("chkPrecompresso")), &QCheckBox::toggled, this,
          [this] { chkPrecompresso_Click(); });

  for (int k = 0; k <= 2; ++k) {
    connect(qobject_cast<QLineEdit*>(Widget("txtNfi", k)), &QLineEdit::textChanged, this,
            [this] { CalcolaAreaFi(); });
    connect(qobject_cast<QComboBox*>(Widget("comboFi", k)), &QComboBox::activated, this,
            [this] { CalcolaAreaFi(); });
  }
  for (int i = 0; i <= 1; ++i)
    connect(qobject_cast<QAbstractButton*>(Widget("cmdFi", i)), &QAbstractButton::clicked, this,
            [this, i] { cmdFi_Click(i); });

  connect(qobject_cast<QAbstractButton*>(Widget("btnCalcola")), &QAbstractButton::clicked, this,
          [this] { btnCalcola_Click(); });
  connect(qobject_cast<QAbstractButton*>(Widget("btnDominioMN")), &QAbstractButton::clicked, this,
          [this] { btnDominioMN_Click(); });
  connect(qobject_cast<QAbstractButton*>(Widget("btnMomentoCurvatura")), &QAbstractButton::clicked,
          this, [this] { btnMomentoCurvatura_Click(); });
  connect(qobject_cast<QAbstractButton*>(Widget("btnMomentoCurvatura_solo")),
          &QAbstractButton::clicked, this, [this] { btnMomentoCurvatura_solo_Click(); });
  connect(qobject_cast<QAbstractButton*>(Widget("cmdDXF")), &QAbstractButton::clicked, this,
          [this] { cmdDXF_Click(); });
  for (int i = 0; i <= 1; ++i)
    connect(qobject_cast<QAbstractButton*>(Widget("cmdAzioniDaSLU", i)), &QAbstractButton::clicked,
            this, [this, i] { cmdAzioniDaSLU_Click(i); });
  figura_->Click = [this] { Figura_Click(); };
  figura_->DblClick = [this] { Figura_DblClick(); };

  for (int g = 0; g <= 2; ++g) {
    connect(qobject_cast<QAbstractButton*>(Widget("FlexGridZoom", g)), &QAbstractButton::clicked,
            this, [this, g] { FlexGridZoom_Click(g); });
    griglie_[g]->Click = [this, g] { FlexGrid_Click(g); };
    griglie_[g]->KeyPress = [this, g](int carattere) { FlexGrid_KeyPress(g, carattere); };
    griglie_[g]->installEventFilter(this);
    editor_[g]->KeyDown = [this, g](int& codice, int shift) { TxtEdit_KeyDown(g, codice, shift); };
    editor_[g]->GotFocus = [this, g] { TxtEdit_GotFocus(g); };
    editor_[g]->LostFocus = [this, g] { TxtEdit_LostFocus(g); };
  }
  for (const char* nome : {"Helpfcc", "FraFi"}) Widget(nome)->installEventFilter(this);
  for (int i = 0; i <= 1; ++i) Widget("F_Mu", i)->installEventFilter(this);
}

void Main::CollegaInvio() {
  auto invio = [this](const std::string& da, const std::string& a) {
    QWidget* casella = findChild<QWidget*>(QString::fromStdString(da));
    casella->setProperty(Prossimo, QString::fromStdString(a));
    casella->installEventFilter(this);
  };
  invio("F_Angolo", "btnCalcola");
  for (const char* i : {"0", "1"}) {
    invio(std::string("F_N_") + i, std::string("F_Mxsd_") + i);
    invio(std::string("F_Mxsd_") + i, std::string("F_MySd_") + i);
  }
  invio("F_MySd_0", "F_N_1");
  invio("F_MySd_1", "btnCalcola");
  invio("F_xN_0", "F_xN_1");
  invio("F_xN_1", "btnCalcola");
  invio("RaggioTxt_0", "RaggioTxt_4");
  invio("RaggioTxt_4", "RaggioTxt_1");
  invio("RaggioTxt_1", "RaggioTxt_2");
  invio("RaggioTxt_2", "RaggioTxt_3");
  invio("RaggioTxt_3", "txtRigheGriglia_1");
  for (int g = 0; g <= 2; ++g) Widget("txtRigheGriglia", g)->installEventFilter(this);
  Widget("txtTitolo")->installEventFilter(this);

  // Boxes that select their whole text on focus.
  const char* const selezionate[] = {"F_Angolo", "TxtFcd", "F_fccSufcd", "txtPredeformazioneAcciaio",
                                     "txtFi"};
  for (const char* nome : selezionate) tastiera_->SelezionaAlFuoco(*qobject_cast<QLineEdit*>(Widget(nome)));
  const char* const array[] = {"F_eps_cu", "F_eps_su", "F_Es", "F_Es_su_Ec", "F_fyd", "F_Mxsd",
                               "F_MySd", "F_N", "F_xN", "txtRigheGriglia"};
  for (const char* nome : array)
    for (int i = 0; i <= 2; ++i)
      if (auto* casella = qobject_cast<QLineEdit*>(Widget(nome, i))) tastiera_->SelezionaAlFuoco(*casella);
  for (int i = 0; i <= 4; ++i) tastiera_->SelezionaAlFuoco(*qobject_cast<QLineEdit*>(Widget("RaggioTxt", i)));
}

bool Main::eventFilter(QObject* oggetto, QEvent* evento) {
  const QString nome = oggetto->objectName();
  if (evento->type() == QEvent::KeyPress) {
    auto* tasto = static_cast<QKeyEvent*>(evento);
    const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
    if (!invio) return false;
    const QVariant prossimo = oggetto->property(Prossimo);
    if (prossimo.isValid()) {
      Fuoco(prossimo.toString().toStdString());
      return true;
    }
    for (int g = 0; g <= 2; ++g)
      if (oggetto == Widget("txtRigheGriglia", g)) {
        txtRigheGriglia_KeyPress(g, platform::TastoInvio);
        return true;
      }
    if (nome == "txtTitolo") {
      txtTitolo_KeyPress(platform::TastoInvio);
      return true;
    }
    return false;
  }
  if (evento->type() == QEvent::Resize) {
    // The columns share the grid's new width.
    for (int g = 0; g <= 2; ++g) {
      const auto k = static_cast<size_t>(g);
      if (oggetto != griglie_[k] || RigheGriglia[k] < 1) continue;
      platform::FlexGrid& f = FlexGrid(g);
      const int riga = f.Row(), colonna = f.Col();
      VariabiliPubbliche::DimensionaGriglia(f, ColonneGriglia[k], RigheGriglia[k], 0.5);
      f.SetRow(riga);
      f.SetCol(colonna);
      // An open editor stays over its cell.
      platform::CasellaTesto& editor = TxtEdit(g);
      if (editor.Visible())
        editor.Move(f.Left() + f.CellLeft(), f.Top() + f.CellTop(), f.CellWidth(), f.CellHeight());
    }
    return false;
  }
  if (evento->type() == QEvent::Show && nome == "FraFi") {
    PosizionaFraFi();
    return false;
  }
  if (evento->type() == QEvent::FocusIn) {
    for (int g = 0; g <= 2; ++g)
      if (oggetto == griglie_[g]) FlexGrid_GotFocus(g);
    return false;
  }
  if (evento->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
    if (nome == "Helpfcc") Helpfcc_Click();
    if (nome == "FraFi") FraFi_Click();
    if (nome == "F_Mu_0") F_Mu_Click(0);
    if (nome == "F_Mu_1") F_Mu_Click(1);
  }
  return false;
}

void Main::PosizionaFraFi() {
  QWidget* fraFi = Widget("FraFi");
  const QWidget* barre = griglie_[1];
  const QPoint angolo = barre->mapTo(fraFi->parentWidget(), QPoint(barre->width(), 0));
  fraFi->move(angolo.x() - fraFi->width(), angolo.y());
  fraFi->raise();
}
