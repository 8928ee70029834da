#pragma once
// Program-wide values that the settings, materials and project files keep
// beside those of StatoProgramma: designations and allowable stresses of the
// materials, the grade tables, the factor on actions, the rectangular-design
// options and the seismic code.
//
// Reset in a test with
// VariabiliPubbliche::Impostazioni = VariabiliPubbliche::StatoImpostazioni{}.
#include <array>
#include <string>

#include "model/VariabiliPubbliche.h"
#include "model/Vettore.h"

namespace VariabiliPubbliche {

// One row of the concrete table: designation, fck and Rck, N/mm2.
struct RigaCalcestruzzo {
  std::string Designazione;
  double Fck = 0;
  double Rck = 0;
  bool operator==(const RigaCalcestruzzo&) const = default;
};

struct StatoImpostazioni {
  // Arrays by steel kind: [0] bars, [1] tendons.
  std::array<std::string, 2> SiglaAcciaio{"B450C", ""};
  std::string SiglaCalcestruzzo = "C25/30";
  double Fyk = 450;  // N/mm2
  // Allowable stresses, N/mm2.
  std::array<float, 2> SigmaSAmm{255, 0};
  float SigmaCAmm = 9.75f;
  float TauC0 = 0.6f;
  float TauC1 = 1.829f;
  float GammaAzioni = 1.5f;

  // Steel table of each design code (rows 1..n; no rows until filled) and
  // the concrete table.
  Vettore<RigaAcciaio> TabellaAcciaiNtc;
  Vettore<RigaAcciaio> TabellaAcciaiDm96;
  Vettore<RigaAcciaio> TabellaAcciaiEsistenti;
  Vettore<RigaCalcestruzzo> TabellaCalcestruzzi;

  // Rectangular design: concrete cover, mm; steps b and h are rounded to, mm.
  float CopriferroProgetto = 20;
  std::array<float, 2> PassoArrotondamento{50, 0};

  int NormativaSismica = 0;  // 0 NTC, 1 EC8
};

inline StatoImpostazioni Impostazioni;

}  // namespace VariabiliPubbliche
