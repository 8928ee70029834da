// Design-code selection and the concrete formulas that depend on the code.
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace VariabiliPubbliche {
namespace {

struct CostantiNormativa {
  double GammaC;
  double GammaS;
  double EpsSu;
  double AlfaCC;
};

// By code: 0 "NTC 2018", 1 "DM 1996", 2 "NTC 2018 - Strutture esistenti".
constexpr CostantiNormativa Costanti[3] = {
    {1.5, 1.15, 0.0675, 0.85}, {1.6, 1.15, 0.01, 0.85}, {1.5, 1.15, 0.0675, 1.0}};

void NormativaNonPrevista() {
  platform::MsgBox("Normativa non prevista", platform::Pulsanti::Ok, platform::Icona::Critica);
}

void AggiornaMenu(platform::Form& finestra, int nVoci) {
  const std::string voce = finestra.Controllo("NormativaItem", Stato.Normativa).Caption();
  finestra.Controllo("NormativaMain").SetCaption("Normativa: " + voce);
  for (int i = 0; i < nVoci; ++i) finestra.Controllo("NormativaItem", i).SetChecked(false);
  finestra.Controllo("NormativaItem", Stato.Normativa).SetChecked(true);
}

// Takes the new code when the menu has it; otherwise reports it and keeps the
// code in force. Either way the menu shows the code in force.
bool CambiaNormativa(int nuova, platform::Form& finestra, int nVoci) {
  const bool prevista = nuova >= 0 && nuova < nVoci;
  if (prevista)
    Stato.Normativa = nuova;
  else
    NormativaNonPrevista();
  AggiornaMenu(finestra, nVoci);
  return prevista;
}

}  // namespace

bool ScegliNormativa3(int nuova, platform::Form& finestra) {
  const bool prevista = CambiaNormativa(nuova, finestra, 3);
  if (prevista) {
    const CostantiNormativa& c = Costanti[nuova];
    Stato.GammaC = c.GammaC;
    Stato.GammaS = c.GammaS;
    Stato.EpsSu = c.EpsSu;
    Stato.AlfaCC = c.AlfaCC;
    Stato.Fcd = Stato.Fck / c.GammaC;
    if (nuova == 2) Stato.Fcd /= Stato.FattoreConfidenza[1];
  }
  AggiornaAcciaiNormativa();
  return prevista;
}

void ApplicaNormativa(int nuova, platform::Form& finestra) {
  // A code refused leaves fcd as it was, alfa_cc already in it.
  if (!ScegliNormativa3(nuova, finestra)) return;
  Stato.Fcd = Stato.AlfaCC * Stato.Fcd;
  if (Stato.GammaS > 0) Stato.Fyd[0] = Stato.Fyk / Stato.GammaS;
}

void ScegliNormativa2(int nuova, platform::Form& finestra) {
  if (CambiaNormativa(nuova, finestra, 2)) {
    Stato.GammaC = Costanti[nuova].GammaC;
    Stato.EpsSu = Costanti[nuova].EpsSu;
  }
  Stato.Fcd = Stato.Fck / Stato.GammaC;
}

void AggiornaMenuNormativa3(platform::Form& finestra) { AggiornaMenu(finestra, 3); }

void AggiornaMenuNormativa2(platform::Form& finestra) { AggiornaMenu(finestra, 2); }

double EpsSuNormativa(int normativa) {
  return normativa >= 0 && normativa <= 2 ? Costanti[normativa].EpsSu
                                          : std::numeric_limits<double>::infinity();
}

Vettore<RigaAcciaio>* TabellaAcciaiNormativa(int normativa) {
  switch (normativa) {
    case 0: return &Stato.TabellaAcciaiNtc;
    case 1: return &Stato.TabellaAcciaiDm96;
    case 2: return &Stato.TabellaAcciaiEsistenti;
    default: return nullptr;
  }
}

void AssegnaMatrAcciaio() {
  const Vettore<RigaAcciaio>* tabella = TabellaAcciaiNormativa(Stato.Normativa);
  if (tabella && !tabella->Vuoto()) Stato.TabellaAcciai = *tabella;
}

void AggiornaAcciaiNormativa() {
  AssegnaMatrAcciaio();
  RiempiListaCavi();
}

void RiempiListaCavi() {
  if (!Finestre::Aperte.Main) return;
  platform::Control& cavi = Finestre::Aperte.Main->Controllo("CmbCavi");
  cavi.Clear();
  const Vettore<RigaAcciaio>& tabella = Stato.TabellaAcciai;
  for (int i = 1; i <= tabella.Ub(); ++i) cavi.AddItem(tabella(i).Designazione);
  cavi.SetText("Tipo cavo");
}

float Fctm() {
  const double fck = Stato.Fck;
  switch (Stato.Normativa) {
    case 0:
    case 2:
      if (fck <= 50) return static_cast<float>(0.3 * std::pow(fck, 2.0 / 3));
      return static_cast<float>(2.12 * std::log(1 + (fck + 8) / 10));
    case 1:
      return static_cast<float>(0.27 * std::pow(static_cast<double>(Stato.Rck), 2.0 / 3));
    default:
      NormativaNonPrevista();
      return 0;
  }
}

float Ecm() {
  switch (Stato.Normativa) {
    case 0:
    case 2: {
      const float fcm = static_cast<float>(Stato.Fck + 8);
      return static_cast<float>(22000 * std::pow(fcm / 10.0, 0.3));
    }
    case 1:
      return static_cast<float>(5700 * std::sqrt(static_cast<double>(Stato.Rck)));
    default:
      NormativaNonPrevista();
      return 0;
  }
}

// fck = 0.83 Rck; the lowest class, C8/10, keeps its cube strength of 10.
float RckDaFck(double fck) {
  return static_cast<float>(std::max(10.0, std::round(fck / 0.83 * 100) / 100));
}

float DeltaRidistribuzione(double xSuD) {
  // fck rounded half to even, so 50.5 counts as 50.
  const double base = std::nearbyint(Stato.Fck) <= 50 ? 0.44 : 0.54;
  // NTC 2018 4.1.1.1: the slope 1.25 (0.6 + 0.0014 / eps_cu), 1.25 at 3.5 per mil.
  const float delta = static_cast<float>(base + 1.25 * (0.6 + 0.0014 / Stato.EpsCu) * xSuD);
  return std::clamp(delta, 0.7f, 1.0f);
}

}  // namespace VariabiliPubbliche
