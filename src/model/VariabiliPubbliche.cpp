#include "model/VariabiliPubbliche.h"

#include <algorithm>
#include <cmath>

#include "model/Formattazione.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Matematica.h"
#include "platform/Colori.h"

namespace VariabiliPubbliche {
namespace {

bool UnitaMm() { return Stato.UnitaLunghezza == "mm"; }

bool InizioMeno(const std::string& testo) { return !testo.empty() && testo[0] == '-'; }

// A text with no sign to turn: empty, or the zero of FormattaValore.
bool SenzaSegno(const std::string& testo) {
  const std::size_t inizio = testo.find_first_not_of(' ');
  if (inizio == std::string::npos) return true;
  return testo.substr(inizio, testo.find_last_not_of(' ') + 1 - inizio) == "0";
}

}  // namespace

void DimensionaGriglia(platform::FlexGrid& griglia, int nc, int nr, double k) {
  // Widths in twips, rounded half to even; a grid too narrow for its
  // columns, or without any, gets columns of no width.
  const double colonne = nc + k;
  int w = 0;
  if (colonne > 0) w = static_cast<int>(std::nearbyint((griglia.Width() - 313) / colonne));
  w = std::max(w, 0);
  griglia.SetRows(nr + 1);
  griglia.SetCols(nc + 1);
  griglia.SetRow(0);
  griglia.SetColWidth(0, static_cast<int>(std::nearbyint(k * w)));
  for (int i = 1; i <= nc; ++i) {
    griglia.SetColWidth(i, w);
    griglia.SetColAlignment(i, platform::AllineamentoDestraCentro);
  }
}

double LunghezzaDaMm(double mm) { return UnitaMm() ? mm : mm / 10; }

std::string LunghezzaDaMmConUnita(double mm) {
  return Formattazione::TestoNumero(LunghezzaDaMm(mm)) + " " + Stato.UnitaLunghezza;
}

double LunghezzaInMm(double lunghezza) { return UnitaMm() ? lunghezza : lunghezza * 10; }

double AreaDaMm2(double mm2) { return UnitaMm() ? mm2 : mm2 / 100; }

double AreaInMm2(double area) { return UnitaMm() ? area : area * 100; }

double InerziaDaMm4(double mm4) { return UnitaMm() ? mm4 : mm4 / 10000; }

std::string FormattaValore(double x, bool togliBlanco) {
  // NaN is not small: it goes to the number text, which shows it as such.
  if (!(std::fabs(x) <= 0.001)) return Formattazione::FormattaNumero(4, 10, x, togliBlanco);
  return "0";
}

std::string FormattaArea(double mm2) {
  return Formattazione::Formato(AreaDaMm2(mm2), UnitaMm() ? "0" : "0.00");
}

void ColoraSegno(platform::Control& casella, const std::string& testo) {
  casella.SetForeColor(platform::QBColor(InizioMeno(testo) ? 12 : 9));
  casella.SetText(testo);
}

void InvertiSegnoTesto(platform::Control& casella, std::string& testo) {
  if (InizioMeno(testo)) {
    testo[0] = ' ';
    casella.SetForeColor(platform::QBColor(9));
  } else if (SenzaSegno(testo)) {
    casella.SetForeColor(platform::QBColor(9));
  } else {
    testo = "-" + Generale::TogliCarattere(testo, 1);
    casella.SetForeColor(platform::QBColor(12));
  }
  casella.SetText(testo);
}

float AreaBarra(double d) { return static_cast<float>(Matematica::Pi * d * d / 4); }

float PesoBarre(double d, double lunghezza) {
  return static_cast<float>(7850 * lunghezza * Matematica::Pi * d * d / 4);
}

bool TipoVerificaSlu() { return Stato.TipoVerifica == 0 || Stato.TipoVerifica == 2; }

}  // namespace VariabiliPubbliche
