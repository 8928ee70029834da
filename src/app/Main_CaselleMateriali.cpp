// The material boxes of the main window into the program state: all of them
// before a command, one as soon as the user leaves it. A value left in a box
// is in force at once, and an open materials window shows it; a box that
// holds no number, or one outside its range, stays out of the state until a
// command reads it and refuses it.
#include <optional>
#include <variant>

#include <QLineEdit>

#include "analysis/TestoSingolo.h"
#include "app/Generale.h"
#include "app/Main.h"
#include "app/Material.h"
#include "design/ProgettoSezione.h"
#include "model/Formato.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FormQt.h"

using VariabiliPubbliche::Stato;

namespace {

using Intervalli::Grandezza;

std::string Valore(double x) { return VariabiliPubbliche::FormattaValore(x); }
std::string Numero(double x) { return Formattazione::TestoNumero(x); }
std::string Singolo(double x) { return TestoSingolo(static_cast<float>(x)); }
std::string Quattro(double x) { return VariabiliPubbliche::FormattaValore(x, true); }

struct CasellaMateriale {
  const char* nome;
  int indice;
  Grandezza grandezza;
  std::variant<double*, float*> campo;  // in the program state
  std::string (*testo)(double);  // how the box shows a value of the state
  int potenza = 0;  // the box shows the value times 10^potenza
};

// In the order a command reads them.
const CasellaMateriale Caselle[] = {
    {"F_fyd", 0, Grandezza::FydBarre, &Stato.Fyd[0], Valore},
    {"txtSigAdm_S", 0, Grandezza::SigmaSAmm, &Stato.SigmaSAmm[0], Singolo},
    {"F_fyd", 1, Grandezza::FydCavi, &Stato.Fyd[1], Valore},
    {"txtSigAdm_S", 1, Grandezza::SigmaSAmm, &Stato.SigmaSAmm[1], Singolo},
    {"F_Es", 0, Grandezza::ModuloEs, &Stato.ModuloEs, Valore},
    {"F_eps_su", 0, Grandezza::EpsSu, &Stato.EpsSu, Quattro, 3},
    {"F_eps_cu", 0, Grandezza::EpsCu, &Stato.EpsCu, Quattro, 3},
    {"F_eps_cu", 1, Grandezza::EpsC2, &Stato.EpsC2, Quattro, 3},
    {"TxtFcd", platform::SenzaIndice, Grandezza::Fcd, &Stato.Fcd, Valore},
    {"F_fccSufcd", platform::SenzaIndice, Grandezza::RapportoFccFcd, &Stato.RapportoFccFcd, Numero},
    {"F_Es_su_Ec", 0, Grandezza::RapportoN, &Stato.RapportoN[0], Singolo},
    {"txtSigAdm", 1, Grandezza::SigmaCAmm, &Stato.SigmaCAmm, Quattro},
    {"txtSigAdm", 2, Grandezza::TauC, &Stato.TauC0, Quattro},
    {"txtSigAdm", 3, Grandezza::TauC, &Stato.TauC1, Quattro},
};

// The box into the state as a command reads it; true when the value changed.
bool Legge(Main& m, const CasellaMateriale& c) {
  const bool cambiato = std::visit(
      [&](auto* campo) {
        auto letto = *campo;
        Generale::LeggeSeModificato(m.Controllo(c.nome, c.indice), letto, c.testo, c.potenza);
        // The laws divide by Es: one of 0 or less stays out of the state.
        if (letto == *campo || (c.grandezza == Grandezza::ModuloEs && letto <= 0)) return false;
        *campo = letto;
        return true;
      },
      c.campo);
  if (cambiato && c.grandezza == Grandezza::Fcd) {
    m.fckControlla();
    // DM 1996 takes fctm and Ecm from the cube strength: it goes with fck.
    if (Stato.Normativa == 1) Stato.Rck = VariabiliPubbliche::RckDaFck(Stato.Fck);
  }
  return cambiato;
}

// A number inside its range: what the box holds may be in force.
bool Accettata(Main& m, const CasellaMateriale& c) {
  const std::optional<double> x = Generale::NumeroCasella(m.Controllo(c.nome, c.indice).Text());
  return x && Intervalli::Dentro(c.grandezza, Generale::DivisoPotenzaDieci(*x, c.potenza));
}

// Typed by the user since the program last wrote the box, or took it when left.
bool Digitata(const Main& m, const char* nome, int indice) {
  auto* casella = m.findChild<QLineEdit*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  return casella && casella->isModified();
}

// The box into the state. A value typed is followed by an open materials
// window, so that what it saves or confirms keeps it; a box only showing the
// value in force differs from the window's unconfirmed values, and is no change.
void Prende(Main& m, const CasellaMateriale& c) {
  if (Legge(m, c) && Digitata(m, c.nome, c.indice)) Material::SegueMain(c.nome, c.indice);
}

void Sigla(Main& m, std::string& campo, const char* nome, int indice) {
  const std::string testo = m.Controllo(nome, indice).Text();
  if (campo == testo) return;
  campo = testo;
  if (Digitata(m, nome, indice)) Material::SegueMain(nome, indice);
}

}  // namespace

void Main::CaricaMateriali() {
  for (int k = 0; k <= 1; ++k)
    Sigla(*this, Stato.SiglaAcciaio[static_cast<size_t>(k)], "F_nome_acc", k);
  Sigla(*this, Stato.SiglaCalcestruzzo, "F_nome_cls", platform::SenzaIndice);
  for (const CasellaMateriale& c : Caselle) Prende(*this, c);
}

void Main::CollegaCaselleMateriali() {
  for (const CasellaMateriale& c : Caselle) {
    auto* casella = qobject_cast<QLineEdit*>(Widget(c.nome, c.indice));
    const auto lasciata = [this, &c, casella] {
      // What the user typed: a box passed through leaves the state as it is.
      if (!casella->isModified() || !Accettata(*this, c)) return;
      Prende(*this, c);
      casella->setModified(false);
      // fyd and Es are in force as typed: an open design follows when left.
      ProgettoSezione::MaterialiScelti();
    };
    caselleMateriali_.push_back(connect(casella, &QLineEdit::editingFinished, this, lasciata));
  }
}

void Main::MaterialeCambiato(const std::string& nome, int indice) {
  for (const CasellaMateriale& c : Caselle)
    if (c.nome == nome && c.indice == indice && Accettata(*this, c))
      Material::SegueMain(nome, indice);
}
