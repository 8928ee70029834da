#include "app/StatoMateriali.h"

namespace {

using VariabiliPubbliche::StatoProgramma;

void CopiaMateriali(const StatoProgramma& da, StatoProgramma& a) {
  a.Normativa = da.Normativa;
  a.Fck = da.Fck;
  a.Rck = da.Rck;
  a.GammaC = da.GammaC;
  a.GammaS = da.GammaS;
  a.AlfaCC = da.AlfaCC;
  a.Fcd = da.Fcd;
  a.EpsCu = da.EpsCu;
  a.EpsC2 = da.EpsC2;
  a.EpsSu = da.EpsSu;
  a.ModuloEs = da.ModuloEs;
  a.Fyd = da.Fyd;
  a.EpsYdSezione = da.EpsYdSezione;
  a.RapportoFccFcd = da.RapportoFccFcd;
  a.RapportoN = da.RapportoN;
  a.FattoreConfidenza = da.FattoreConfidenza;
  a.SiglaAcciaio = da.SiglaAcciaio;
  a.SiglaCalcestruzzo = da.SiglaCalcestruzzo;
  a.Fyk = da.Fyk;
  a.SigmaSAmm = da.SigmaSAmm;
  a.SigmaCAmm = da.SigmaCAmm;
  a.TauC0 = da.TauC0;
  a.TauC1 = da.TauC1;
  a.TabellaAcciai = da.TabellaAcciai;
  a.TabellaAcciaiNtc = da.TabellaAcciaiNtc;
  a.TabellaAcciaiDm96 = da.TabellaAcciaiDm96;
  a.TabellaAcciaiEsistenti = da.TabellaAcciaiEsistenti;
  a.TabellaCalcestruzzi = da.TabellaCalcestruzzi;
}

}  // namespace

StatoMateriali::StatoMateriali() : salvato_(VariabiliPubbliche::Stato) {}

void StatoMateriali::Ripristina(bool listaCavi) const {
  CopiaMateriali(salvato_, VariabiliPubbliche::Stato);
  if (listaCavi) VariabiliPubbliche::RiempiListaCavi();
}
