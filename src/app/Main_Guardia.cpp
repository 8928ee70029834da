// The results shown belong to the inputs on screen: every input a
// verification reads is watched, and a change of one, typed here or written
// by another window, takes the results away.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>

#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/GuardiaRisultati.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

void Main::CollegaGuardia() {
  guardia_ = new GuardiaRisultati(this, [this] { RisultatiScaduti(); });
  GuardiaRisultati& g = *guardia_;
  // Each method reads its own action set.
  for (const char* nome : {"F_N", "F_Mxsd", "F_MySd"})
    for (int s = 0; s <= 1; ++s)
      g.Osserva(*qobject_cast<QLineEdit*>(Widget(nome, s)),
                [s] { return VariabiliPubbliche::TipoVerificaSlu() == (s == 0); });
  const char* const caselle[] = {"F_xN", "F_Angolo", "F_nMaxRettangolini", "F_fyd", "F_Es", "F_eps_su",
                                 "txtSigAdm_S", "F_Es_su_Ec", "TxtFcd", "F_eps_cu", "F_fccSufcd",
                                 "txtSigAdm", "txtPredeformazioneAcciaio", "RaggioTxt", "F_Vertici",
                                 "txtRigheGriglia"};
  for (const char* nome : caselle) {
    if (auto* casella = qobject_cast<QLineEdit*>(Widget(nome))) g.Osserva(*casella);
    for (int i = 0; i <= 4; ++i)
      if (auto* casella = qobject_cast<QLineEdit*>(Widget(nome, i))) g.Osserva(*casella);
  }
  // The free length is an input of the model column alone.
  auto* l0 = qobject_cast<QLineEdit*>(Widget("F_L0"));
  connect(l0, &QLineEdit::textChanged, this, [] { FinestreRisultati::SvuotaColonnaModello(); });
  // The result windows mirror it and the first action set.
  for (const char* nome : {"F_N", "F_Mxsd", "F_MySd"})
    connect(qobject_cast<QLineEdit*>(Widget(nome, 0)), &QLineEdit::textChanged, this,
            [] { FinestreRisultati::SeguonoMain(); });
  connect(l0, &QLineEdit::textChanged, this, [] { FinestreRisultati::SeguonoMain(); });
  // The method and bending options hide the results in their own handlers.
  for (int i = 0; i <= 6; ++i) g.Osserva(*qobject_cast<QAbstractButton*>(Widget("OpTipoSezione", i)));
  for (int i = 0; i <= 2; ++i) g.Osserva(*qobject_cast<QAbstractButton*>(Widget("OpPuntoN", i)));
  for (const char* nome : {"chkPrecompresso", "chkDecomp"})
    g.Osserva(*qobject_cast<QAbstractButton*>(Widget(nome)));
  for (const char* voce : {"mnuOpzioniItem_2", "mnuSoloBarre"})
    g.Osserva(*findChild<QAction*>(voce));
  // The code menu is checked again on every activation: only another code counts.
  for (const char* voce : {"NormativaItem_0", "NormativaItem_1", "NormativaItem_2"})
    g.Osserva(*findChild<QAction*>(voce), [] { return Stato.Normativa; });
  for (size_t k = 0; k <= 2; ++k) {
    g.Osserva(*griglie_[k]);
    // A cell being typed over counts as soon as it reads otherwise.
    g.Osserva(*editor_[k], [this, k] {
      const int i = static_cast<int>(k);
      return TxtEdit(i).Text() != FlexGrid(i).Text();
    });
  }
}

void Main::RisultatiScaduti() {
  FinestreRisultati::SvuotaAperte();
  // Nor does the drawing keep the neutral axis and stresses.
  if (NascondiRisultati()) DisegnoSenzaRisultati();
}

bool Main::NascondiRisultati() {
  const bool mostrati = Controllo("FraRisultati", 0).Visible();
  RisultatiControlli(false);
  if (!mostrati || !Stato.RisultatiPresenti) return false;
  Stato.RisultatiPresenti = false;
  return true;
}

void Main::DisegnaSezioneScritta() {
  // Read for the picture, without a word or notice ("Calcola" tells what is wrong).
  // The current section and materials take what is typed, as the read of
  // any command would; the program state stays as it was.
  const VariabiliPubbliche::StatoProgramma prima = Stato;
  const platform::SenzaMessaggi muto;
  Stato.NonMostrareAvviso = true;
  try {
    if (FormLeggeDati(true))
      DisegnoSenzaRisultati();
    else
      figura_->MostraImmagine({});
  } catch (const std::exception&) {
    figura_->MostraImmagine({});
  }
  Stato = prima;
}

void Main::DisegnoSenzaRisultati() {
  PlottaSezioneInFigura(0);
  if (auto* disegno = qobject_cast<QMainWindow*>(FrmPltSezione()); disegno && disegno->isVisible())
    disegno->centralWidget()->update();
}
