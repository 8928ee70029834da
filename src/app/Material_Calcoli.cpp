// The materials window: boxes and grids to and from the program state, and
// the values derived from the boxes.
#include <algorithm>

#include <QLineEdit>

#include "analysis/TestoSingolo.h"
#include "app/FileMateriali.h"
#include "app/Generale.h"
#include "app/Material.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FlexGridQt.h"

namespace {

using Formattazione::TestoNumero;
using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

double Numero(const QLineEdit& casella) { return Generale::ValNumero(casella.text().toStdString()); }

// What a box shows of a value the window computed: four significant digits.
// The state keeps every digit.
std::string QuattroCifre(double x) { return TestoNumero(Generale::ValNumero(FormattaValore(x))); }

std::string QuattroCifreSingolo(double x) {
  return TestoSingolo(static_cast<float>(Generale::ValNumero(FormattaValore(x))));
}

std::string Valore(double x) { return FormattaValore(x); }

// Steels whose table gives mean strengths instead of characteristic ones.
bool AcciaioStorico(const std::string& sigla) {
  static const char* const storici[] = {"Dolce 1939", "Semi duro 1939", "Duro 1939",
                                        "Aq42 1957",  "Aq50 1957",      "Aq60 1957"};
  return std::find(std::begin(storici), std::end(storici), sigla) != std::end(storici);
}

}  // namespace

const platform::FlexGrid& Material::MsFlex(int indice) const {
  return griglie_.at(static_cast<std::size_t>(indice))->Griglia();
}

platform::FlexGrid& Material::MsFlex(int indice) {
  return griglie_.at(static_cast<std::size_t>(indice))->Griglia();
}

void Material::Scrivi(QLineEdit& casella, const std::string& testo) {
  const QString nuovo = QString::fromStdString(testo);
  if (casella.text() != nuovo) casella.setText(nuovo);
}

void Material::CompletaForm() {
  Scrivi(*F_gamma_[0], TestoNumero(Stato.GammaS));
  Scrivi(*F_Es_, FormattaValore(Stato.ModuloEs));
  Scrivi(*F_eps_u_[0], TestoNumero(Stato.EpsSu * 1000));
  Scrivi(*F_gamma_[1], TestoNumero(Stato.GammaC));
  Scrivi(*F_eps_u_[1], TestoNumero(Stato.EpsCu * 1000));
  Scrivi(*F_eps_u_[2], TestoNumero(Stato.EpsC2 * 1000));
  Scrivi(*F_AlfaCC_, TestoNumero(Stato.AlfaCC));
  Scrivi(*F_fccSufcd_, TestoNumero(Stato.RapportoFccFcd));
  Scrivi(*F_Es_su_Ec_, TestoSingolo(Stato.RapportoN[0]));
  FileMateriali::TabellaInGriglia(Stato.TabellaAcciai, MsFlex(0));
  FileMateriali::TabellaInGriglia(Stato.TabellaCalcestruzzi, MsFlex(1));
  for (int i = 0; i < 2; ++i) Scrivi(*F_FC_[i], TestoSingolo(Stato.FattoreConfidenza[i]));
}

void Material::MaterialiDaForm() {
  // Boxes the window wrote from the state are read only when the user changed
  // them: a computed value keeps every digit.
  const auto letto = [this](const QLineEdit* casella, auto& valore, auto testo, int potenza = 0) {
    Generale::LeggeSeModificato(form_.Controllo(casella->objectName().toStdString()), valore,
                                testo, potenza);
  };
  letto(F_gamma_[0], Stato.GammaS, TestoNumero);
  letto(F_gamma_[1], Stato.GammaC, TestoNumero);
  letto(F_eps_u_[0], Stato.EpsSu, TestoNumero, 3);
  letto(F_Es_, Stato.ModuloEs, Valore);
  letto(F_Es_su_Ec_, Stato.RapportoN[0], TestoSingolo);
  letto(F_eps_u_[1], Stato.EpsCu, Valore, 3);
  letto(F_eps_u_[2], Stato.EpsC2, Valore, 3);
  letto(F_AlfaCC_, Stato.AlfaCC, TestoNumero);
  letto(F_fccSufcd_, Stato.RapportoFccFcd, TestoNumero);
  // A material with no grade chosen (a save before the choice) keeps the
  // job's grade and its values.
  if (Scelto(0)) {
    Stato.Fyk = Numero(*F_fck_[0]);
    Stato.SiglaAcciaio[0] = F_sigla_[0]->text().toStdString();
    letto(F_fd_[0], Stato.Fyd[0], QuattroCifre);
    letto(F_eps_syd_, Stato.EpsYdSezione[0], Valore, 3);
    Stato.SigmaSAmm[0] = static_cast<float>(Numero(*txtSigAdm_[0]));
  }
  if (Scelto(1)) {
    Stato.Fck = Numero(*F_fck_[1]);
    Stato.Rck = static_cast<float>(Numero(*F_Rck_[1]));
    Stato.SiglaCalcestruzzo = F_sigla_[1]->text().toStdString();
    letto(F_fd_[1], Stato.Fcd, QuattroCifre);
    letto(txtSigAdm_[1], Stato.SigmaCAmm, QuattroCifreSingolo);
    letto(txtSigAdm_[2], Stato.TauC0, QuattroCifreSingolo);
    letto(txtSigAdm_[3], Stato.TauC1, QuattroCifreSingolo);
  }
}

void Material::SegueMain(const std::string& nome, int indice) {
  Material* finestra = Aperta();
  // Nor a window confirming, nor one whose values were taken back before a reload.
  if (!finestra || !finestra->isVisible() || finestra->confermato_ || finestra->scartate_) return;
  finestra->CaricamentoInCorso = true;
  finestra->Segue(nome, indice);
  finestra->CaricamentoInCorso = false;
}

void Material::Segue(const std::string& nome, int indice) {
  using S = VariabiliPubbliche::StatoProgramma;
  const std::size_t k = indice == 1 ? 1 : 0;
  // campo(s) is the quantity in the state s: into the state given back, and
  // its text into the box that shows it, when there is one and its grade is
  // chosen (an empty grade stays one to choose).
  const auto segue = [this](auto campo, QLineEdit* casella, const std::string& testo) {
    allApertura_.Prende([campo](const S& ora, S& a) { campo(a) = campo(ora); });
    if (casella && !DiGradoNonScelto(casella)) Scrivi(*casella, testo);
  };
  if (nome == "F_fyd" || nome == "F_Es") {
    if (nome == "F_Es")
      segue([](auto& s) -> auto& { return s.ModuloEs; }, F_Es_, FormattaValore(Stato.ModuloEs));
    else
      segue([k](auto& s) -> auto& { return s.Fyd[k]; }, k == 0 ? F_fd_[0] : nullptr,
            QuattroCifre(Stato.Fyd[0]));
    // Each steel's yield strain is its fyd over Es.
    allApertura_.Prende([](const S&, S& a) {
      if (a.ModuloEs > 0)
        for (std::size_t i = 0; i < 2; ++i) a.EpsYdSezione[i] = a.Fyd[i] / a.ModuloEs;
    });
    if (Scelto(0) && (nome == "F_Es" || k == 0))
      Scrivi(*F_eps_syd_, FormattaValore(Stato.EpsYdSezione[0] * 1000));
  } else if (nome == "TxtFcd") {
    // fck follows fcd in the main window, under DM 1996 Rck too; fctm and
    // Ecm show what they give.
    segue([](auto& s) -> auto& { return s.Fcd; }, F_fd_[1], QuattroCifre(Stato.Fcd));
    segue([](auto& s) -> auto& { return s.Fck; }, F_fck_[1], TestoNumero(Stato.Fck));
    if (Stato.Normativa == 1)
      segue([](auto& s) -> auto& { return s.Rck; }, F_Rck_[1], TestoSingolo(Stato.Rck));
    if (Scelto(1)) {
      Scrivi(*F_fctm_, FormattaValore(VariabiliPubbliche::Fctm()));
      Scrivi(*F_Ecm_, FormattaValore(VariabiliPubbliche::Ecm()));
    }
  } else if (nome == "txtSigAdm_S") {
    segue([k](auto& s) -> auto& { return s.SigmaSAmm[k]; }, k == 0 ? txtSigAdm_[0] : nullptr,
          TestoSingolo(Stato.SigmaSAmm[0]));
  } else if (nome == "F_Es_su_Ec") {
    segue([](auto& s) -> auto& { return s.RapportoN[0]; }, F_Es_su_Ec_,
          TestoSingolo(Stato.RapportoN[0]));
  } else if (nome == "F_fccSufcd") {
    segue([](auto& s) -> auto& { return s.RapportoFccFcd; }, F_fccSufcd_,
          TestoNumero(Stato.RapportoFccFcd));
  } else if (nome == "F_eps_su") {
    segue([](auto& s) -> auto& { return s.EpsSu; }, F_eps_u_[0],
          TestoNumero(Stato.EpsSu * 1000));
  } else if (nome == "F_eps_cu" && k == 0) {
    segue([](auto& s) -> auto& { return s.EpsCu; }, F_eps_u_[1],
          FormattaValore(Stato.EpsCu * 1000));
  } else if (nome == "F_eps_cu") {
    segue([](auto& s) -> auto& { return s.EpsC2; }, F_eps_u_[2],
          FormattaValore(Stato.EpsC2 * 1000));
  } else if (nome == "F_nome_acc") {
    // A designation into the grade's box only where a grade is chosen.
    segue([k](auto& s) -> auto& { return s.SiglaAcciaio[k]; },
          k == 0 && Scelto(0) ? F_sigla_[0] : nullptr, Stato.SiglaAcciaio[0]);
  } else if (nome == "F_nome_cls") {
    segue([](auto& s) -> auto& { return s.SiglaCalcestruzzo; }, Scelto(1) ? F_sigla_[1] : nullptr,
          Stato.SiglaCalcestruzzo);
  } else if (nome == "txtSigAdm" && indice == 1) {
    segue([](auto& s) -> auto& { return s.SigmaCAmm; }, txtSigAdm_[1],
          QuattroCifreSingolo(Stato.SigmaCAmm));
  } else if (nome == "txtSigAdm" && indice == 2) {
    segue([](auto& s) -> auto& { return s.TauC0; }, txtSigAdm_[2],
          QuattroCifreSingolo(Stato.TauC0));
  } else if (nome == "txtSigAdm" && indice == 3) {
    segue([](auto& s) -> auto& { return s.TauC1; }, txtSigAdm_[3],
          QuattroCifreSingolo(Stato.TauC1));
  }
}

void Material::MSFlex_Click(int index) {
  platform::FlexGrid& griglia = MsFlex(index);
  const int r = griglia.Row();
  if (r < 1 || r >= griglia.Rows()) return;
  for (int i = 1; i < griglia.Rows(); ++i) griglia.SetTextMatrix(i, 0, "");
  griglia.SetTextMatrix(r, 0, ">");
  Scrivi(*F_sigla_[index], griglia.TextMatrix(r, 1));
  Scrivi(*F_fck_[index], griglia.TextMatrix(r, 2));
  Scrivi(*F_Rck_[index], griglia.TextMatrix(r, 3));
  if (index == 0) Scrivi(*txtSigAdm_[0], griglia.TextMatrix(r, 4));
}

void Material::SelezionaRigaMateriale(const std::string& sigla, int index) {
  platform::FlexGrid& griglia = MsFlex(index);
  for (int r = 1; r < griglia.Rows(); ++r) {
    if (griglia.TextMatrix(r, 1) != sigla) continue;
    griglia.SetRow(r);
    MSFlex_Click(index);
    griglia.SetTopRow(std::max(1, r - 2));
    return;
  }
}

void Material::AggiungiRiga(int index, const std::vector<std::string>& testi) {
  platform::FlexGrid& griglia = MsFlex(index);
  const int r = griglia.Rows();
  griglia.SetRows(r + 1);
  for (int c = 1; c < griglia.Cols() && c <= static_cast<int>(testi.size()); ++c)
    griglia.SetTextMatrix(r, c, testi[static_cast<std::size_t>(c - 1)]);
  griglia.SetRow(r);
  MSFlex_Click(index);
}

void Material::CalcolaValoriDerivati() {
  if (CaricamentoInCorso || CalcoloInCorso) return;
  CalcoloInCorso = true;
  // Each material from its own boxes: a steel not chosen (its grade missing
  // from the code's table) holds back none of the concrete's values, nor the
  // other way round. While a value is out of its range the last values of
  // its material stay: the user is still typing, or is told when leaving
  // the box.
  if (Calcolabile({F_gamma_[1], F_fck_[1], F_Rck_[1], F_AlfaCC_}, 1)) CalcolaCalcestruzzo();
  if (Calcolabile({F_gamma_[0], F_fck_[0], F_Es_}, 0)) CalcolaAcciaio();
  AggiornaEpsUltima();
  AggiornaEtichetteAcciaio();
  CalcoloInCorso = false;
}

bool Material::Calcolabile(std::initializer_list<const QLineEdit*> caselle, int index) const {
  for (const QLineEdit* casella : caselle)
    if (!Dentro(casella)) return false;
  // Existing structures divide by the material's confidence factor too.
  return Stato.Normativa != 2 ||
         Intervalli::Dentro(Intervalli::Grandezza::FattoreConfidenza,
                            Stato.FattoreConfidenza[static_cast<std::size_t>(index)]);
}

void Material::CalcolaCalcestruzzo() {
  Stato.GammaC = Numero(*F_gamma_[1]);
  Stato.Fck = Numero(*F_fck_[1]);
  Stato.Rck = static_cast<float>(Numero(*F_Rck_[1]));
  Stato.Fcd = Stato.Fck / Stato.GammaC * Stato.AlfaCC;
  if (Stato.Normativa == 2) Stato.Fcd /= Stato.FattoreConfidenza[1];
  Scrivi(*F_fd_[1], QuattroCifre(Stato.Fcd));
  Scrivi(*F_fctm_, FormattaValore(VariabiliPubbliche::Fctm()));
  Scrivi(*F_Ecm_, FormattaValore(VariabiliPubbliche::Ecm()));

  const double r = Stato.Rck - 15;
  Stato.SigmaCAmm = static_cast<float>(6 + r / 4);
  Stato.TauC0 = static_cast<float>(0.4 + r / 75);
  Stato.TauC1 = static_cast<float>(1.4 + r / 35);
  Scrivi(*txtSigAdm_[1], QuattroCifreSingolo(Stato.SigmaCAmm));
  Scrivi(*txtSigAdm_[2], QuattroCifreSingolo(Stato.TauC0));
  Scrivi(*txtSigAdm_[3], QuattroCifreSingolo(Stato.TauC1));
  AggiornaDeformazioniCls();
}

void Material::CalcolaAcciaio() {
  Stato.ModuloEs = Numero(*F_Es_);
  Stato.GammaS = Numero(*F_gamma_[0]);
  Stato.Fyk = Numero(*F_fck_[0]);
  Stato.Fyd[0] = Stato.Fyk / Stato.GammaS;
  if (Stato.Normativa == 2) Stato.Fyd[0] /= Stato.FattoreConfidenza[0];
  Stato.EpsYdSezione[0] = Stato.Fyd[0] / Stato.ModuloEs;
  Scrivi(*F_fd_[0], QuattroCifre(Stato.Fyd[0]));
  Scrivi(*F_eps_syd_, FormattaValore(Stato.EpsYdSezione[0] * 1000));
}

void Material::AggiornaDeformazioniCls() {
  Materiali::ParabolaRettangolo(Stato.EpsCu, Stato.EpsC2);
  Scrivi(*F_eps_u_[1], FormattaValore(Stato.EpsCu * 1000));
  Scrivi(*F_eps_u_[2], FormattaValore(Stato.EpsC2 * 1000));
}

// The steel's own ultimate strain, within the limit of the code in force
// (DM 1996: 10 per mille for every steel).
void Material::AggiornaEpsUltima() {
  const double acciaio = F_sigla_[0]->text() == "B450A" ? 22.5 : 67.5;
  const double codice = VariabiliPubbliche::EpsSuNormativa(Stato.Normativa) * 1000;
  Scrivi(*F_eps_u_[0], TestoNumero(std::min(acciaio, codice)));
}

void Material::AggiornaEtichetteAcciaio() {
  const bool medi = AcciaioStorico(F_sigla_[0]->text().toStdString());
  form_.Controllo("Label6", 0).SetCaption(medi ? "ym" : "yk");
  form_.Controllo("Label6", 1).SetCaption(medi ? "tm" : "tk");
}

void Material::AggiornaEtichetteNormativa() {
  const int normativa = Stato.Normativa;
  if (normativa < 0 || normativa > 2) return;
  const bool esistenti = normativa == 2;
  const char* pedici[2][4] = {{"yd", "syd", "cd", "cd"}, {"y", "sy", "c", "c"}};
  const int etichette[4] = {5, 6, 13, 11};
  for (int k = 0; k < 4; ++k)
    form_.Controllo("Label6", etichette[k]).SetCaption(pedici[esistenti][k]);
  for (int i = 0; i < 2; ++i)
    for (const char* nome : {"Label34", "F_FC", "CmdFC"}) form_.Controllo(nome, i).SetVisible(esistenti);
  form_.Controllo("Label4", 5).SetVisible(!esistenti);
  form_.Controllo("Label6", 18).SetVisible(!esistenti);
  form_.Controllo("F_AlfaCC").SetVisible(!esistenti);
  form_.Controllo("Label5").SetVisible(!esistenti);
}
