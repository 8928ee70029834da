// The results shown belong to the inputs on screen: every input a
// verification reads is watched, and a change of one, typed here or written
// by another window, takes the results away.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>

#include "app/GuardiaRisultati.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

void Main::CollegaGuardia() {
  guardia_ = new GuardiaRisultati(this, [this] { RisultatiScaduti(); });
  GuardiaRisultati& g = *guardia_;
  // Each method reads its own action set.
  for (const char* nome : {"F_N", "F_Mxsd", "F_MySd"}) {
    g.Osserva(*qobject_cast<QLineEdit*>(Widget(nome, 0)), [] { return VariabiliPubbliche::TipoVerificaSlu(); });
    g.Osserva(*qobject_cast<QLineEdit*>(Widget(nome, 1)), [] { return !VariabiliPubbliche::TipoVerificaSlu(); });
  }
  const char* const caselle[] = {"F_xN", "F_Angolo", "F_nMaxRettangolini", "F_fyd", "F_Es", "F_eps_su",
                                 "txtSigAdm_S", "F_Es_su_Ec", "TxtFcd", "F_eps_cu", "F_fccSufcd",
                                 "txtSigAdm", "txtPredeformazioneAcciaio", "RaggioTxt", "F_Vertici",
                                 "txtRigheGriglia"};
  for (const char* nome : caselle) {
    if (auto* casella = qobject_cast<QLineEdit*>(Widget(nome))) g.Osserva(*casella);
    for (int i = 0; i <= 4; ++i)
      if (auto* casella = qobject_cast<QLineEdit*>(Widget(nome, i))) g.Osserva(*casella);
  }
  // The method and bending options hide the results in their own handlers.
  for (int i = 0; i <= 6; ++i) g.Osserva(*qobject_cast<QAbstractButton*>(Widget("OpTipoSezione", i)));
  for (int i = 0; i <= 2; ++i) g.Osserva(*qobject_cast<QAbstractButton*>(Widget("OpPuntoN", i)));
  for (const char* nome : {"chkPrecompresso", "chkDecomp"})
    g.Osserva(*qobject_cast<QAbstractButton*>(Widget(nome)));
  for (const std::string& voce : {platform::NomeOggetto("mnuOpzioniItem", 2), std::string("mnuSoloBarre")})
    g.Osserva(*findChild<QAction*>(QString::fromStdString(voce)));
  for (platform::FlexGridQt* griglia : griglie_) g.Osserva(*griglia);
}

void Main::RisultatiScaduti() {
  const bool mostrati = Controllo("FraRisultati", 0).Visible();
  RisultatiControlli(false);
  if (!mostrati || !Stato.RisultatiPresenti) return;
  // Nor does the drawing keep the neutral axis and stresses.
  Stato.RisultatiPresenti = false;
  PlottaSezioneInFigura(0);
  if (auto* disegno = qobject_cast<QMainWindow*>(FrmPltSezione()); disegno && disegno->isVisible())
    disegno->centralWidget()->update();
}
