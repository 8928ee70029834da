#pragma once
// Detailing rules of the Italian code (NTC 2008, ductility classes CD"A" and
// CD"B") for the current column, the capacity-design shear shared with the
// EC8 rules, and the pass/fail colour of a result box. A rule that fails
// appends its text to the list; the boxes written are those of the seismic
// window.
#include <optional>
#include <string>

#include "platform/Form.h"
#include "seismic/ListaPrescrizioni.h"

namespace Normative3274 {

using Sismica::Prescrizioni;

// Geometry and longitudinal reinforcement, then the stirrups.
void ControlloGeometricoNtc(Prescrizioni& lista, platform::Form& finestra);
// Stirrups of the critical and central zones, both directions.
void ControlloStaffeNtc(Prescrizioni& lista, platform::Form& finestra);
// Stirrups of at least 6 mm and a quarter of the largest bar; the clause
// closes the text.
void ControlloDiametroStaffe(Prescrizioni& lista, const std::string& clausola);
// The geometric reinforcement ratio into its box, between 0.01 and 0.04; the
// clause closes the texts.
void ControlloRapportoArmatura(Prescrizioni& lista, platform::Form& finestra,
                               const std::string& clausola);
// One minimum of Omega_st; the box shows omega and is coloured against it.
void ControlloOmegaSt(Prescrizioni& lista, float omega, float omegaMin, const std::string& zona,
                      float passo, const std::string& direzione, platform::Control& casella);
// Black, or light red when the value (else the box's number) is below the
// limit, or above it when superiore.
void ColoraControllo(platform::Control& casella, double limite, bool superiore,
                     std::optional<double> valore = std::nullopt);

// Texts of the capacity shear: "resistente di" / "resistenti di", and the
// moments with the overstrength factor.
struct TestiTaglio {
  std::string Resistenti;
  std::string Momenti;
};

// Capacity shear (N) from the bottom (m1) and top (m2) resisting moments,
// Nmm, over the column length, mm.
float TaglioCapacitaNtc(float lunghezza, double m1, double m2, TestiTaglio& testi);
void TaglioCapacita(double m1, double m2, float lunghezza, float& v, float gammaRd,
                    TestiTaglio& testi);

}  // namespace Normative3274
