// The stirrups of the current end as the editor's grid shows them: stored
// from it, kept aside while it is open, written into it.
#include <algorithm>
#include <vector>

#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FinestraSismica.h"
#include "seismic/Pilastro.h"

namespace Sismica {

Matrice<float> Pilastro::StaffeDaGriglia(const platform::FlexGrid& griglia) {
  // A cell that holds no number stops the reading: NumeroNonValido.
  const Generale::RifiutaNumeriNonValidi rifiuta;
  Matrice<double> letta;
  if (griglia.Rows() > 1) MsFlex::LeggeGriglia(griglia, letta, 1, 1, true);
  Matrice<float> righe;
  if (letta.Righe() > 0) righe.ReDim(1, letta.Righe(), 1, CampiStaffa);
  for (int i = 1; i <= righe.Righe(); ++i)
    for (int j = 1; j <= std::min(CampiStaffa, letta.Ub2()); ++j)
      righe(i, j) = static_cast<float>(letta(i, j));
  return righe;
}

void Pilastro::StaffeMemorizza(FinestraSismica& finestra, const platform::FlexGrid& griglia) {
  const Matrice<float> righe = StaffeDaGriglia(griglia);
  // A row the checks refuse stays in the grid only.
  std::vector<int> accettate;
  for (int i = 1; i <= righe.Righe(); ++i)
    if (ErroreStaffa(righe, i).empty() && StaffaSovrapposta(righe, i) == 0) accettate.push_back(i);
  Matrice<float> staffe;
  if (!accettate.empty()) staffe.ReDim(1, static_cast<int>(accettate.size()), 1, CampiStaffa);
  for (int k = 1; k <= staffe.Righe(); ++k)
    for (int j = 1; j <= CampiStaffa; ++j)
      staffe(k, j) = righe(accettate[static_cast<size_t>(k - 1)], j);
  StaffeMemorizza(staffe);
  const Generale::RifiutaNumeriNonValidi rifiuta;
  auto passo = [&](int indice) {
    return static_cast<float>(VariabiliPubbliche::LunghezzaInMm(
        Generale::ValNumero(finestra.Controllo("PilastroTxt", indice).Text())));
  };
  SetStaffePassoCritico(passo(14));
  SetStaffePassoCentrale(passo(13));
}

void Pilastro::StaffeMemorizzaTmp(bool ripristina) {
  if (!ripristina) {
    staffeTmp_ = StaffeCorrenti();
    passoCriticoTmp_ = StaffePassoCritico();
    passoCentraleTmp_ = StaffePassoCentrale();
    return;
  }
  StaffeMemorizza(staffeTmp_);
  SetStaffePassoCritico(passoCriticoTmp_);
  SetStaffePassoCentrale(passoCentraleTmp_);
}

void Pilastro::StaffePilastroVisualizza(platform::FlexGrid& griglia) const {
  const Matrice<float>& staffe = StaffeCorrenti();
  const int n = staffe.Righe();
  VariabiliPubbliche::DimensionaGriglia(griglia, CampiStaffa, n, 0.5);
  griglia.SetTextMatrix(0, 0, "N");
  griglia.SetTextMatrix(0, 1, "φ");
  for (int j = 2; j <= CampiStaffa; ++j) griglia.SetTextMatrix(0, j, std::to_string(j - 1) + "V");
  MsFlex::NumeraRighe(griglia);
  MsFlex::AllineaCelle(griglia, platform::AllineamentoCentroCentro);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= CampiStaffa; ++j)
      griglia.SetTextMatrix(i, j,
                            Formattazione::TestoNumero(j <= staffe.Ub2() ? staffe(i, j) : 0.0f));
}

}  // namespace Sismica
