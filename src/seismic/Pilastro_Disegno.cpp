#include <algorithm>
#include <cmath>
#include <exception>

#include "analysis/Correnti.h"
#include "drawing/Grafica.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Polilinee.h"
#include "drawing/MsFlex.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "seismic/Pilastro.h"
#include "seismic/SismicaDisegno.h"

namespace Sismica {
namespace {

using Matematica::Pi;

// Points of the arc that rounds each hook corner of a hoop.
constexpr int PuntiRaccordo = 8;
// Area (mm2) below which the bars of a closed stirrup count as in line.
constexpr double AreaMinima = 1E-3;

// The hook legs of a hoop closed at its top point (0, rho): one leg at -q
// before the first point, one at +q after the last, both running L down into
// the core, their corners rounded.
void GanciStaffaCircolare(Vettore<double>& x, Vettore<double>& y, int& n, double rho, double q,
                          double L) {
  Grafica::InseriscePuntoPoligonale(x, y, n, -q, rho, 1);
  Grafica::InseriscePuntoPoligonale(x, y, n, -q, rho - L, 1);
  Grafica::InseriscePuntoPoligonale(x, y, n, q, rho, n + 1);
  Grafica::InseriscePuntoPoligonale(x, y, n, q, rho - L, n + 1);
  Grafica::RaccordaVertice(x, y, n, n - 1, q / 2, PuntiRaccordo);
  Grafica::RaccordaVertice(x, y, n, 2, q / 2, PuntiRaccordo);
}

}  // namespace

void Pilastro::StaffePlotta(const platform::Control& frame) const {
  try {
    Grafica::ImpostaColore(6);
    if (Circolare()) {
      StaffaCircolarePlotta();
      return;
    }
    for (int i = 1; i <= StaffeCorrenti().Righe(); ++i) StaffaPlotta(i);
    Grafica::ImpostaColore(7);
    if (frame.Visible()) NumeraBarre(nBarreTotale());
  } catch (const std::exception&) {
    // What could not be drawn is left out of the picture.
  }
}

bool Pilastro::StaffaPlotta(int riga, platform::Form* finestra) const {
  return StaffaPlotta(StaffeCorrenti(), riga, finestra);
}

bool Pilastro::StaffaPlotta(const Matrice<float>& staffe, int riga,
                            platform::Form* finestra) const {
  auto disegna = [&] {
    if (riga < 1 || riga > staffe.Righe()) return false;
    Vettore<double> x, y, r;
    if (!VerticiBarre(BarreStaffa(staffe, riga), x, y, &r)) return false;
    // The stirrup's centre line runs round the bars.
    const double d = staffe(riga, 1);
    for (double& raggio : r.Dati()) raggio += d / 2;
    const int n = x.Conta();
    const double L = 20 * d / 2;
    const double angolo = n == 2 ? Pi / 8 : n == 8 ? 3 * Pi / 8 : Pi / 4;
    if (n < 3) return SpilloPlotta(x, y, r, 3, L, angolo);
    // Bars all in a line enclose nothing: there is no closed stirrup to draw.
    double area = 0;
    const bool antiorario = Grafica::AreaConSegno(n, x, y, &area) == 1;
    return std::fabs(area) > AreaMinima && StaffaChiusaPlotta(x, y, r, n, L, angolo, antiorario);
  };
  bool fatto = false;
  try {
    fatto = disegna();
  } catch (const std::exception&) {
    fatto = false;
  }
  if (!fatto && finestra && !finestra->Controllo("lblErroreSt").Visible())
    platform::MsgBox("Errore plottaggio staffa " + std::to_string(riga), platform::Pulsanti::Ok,
                     platform::Icona::Critica);
  return fatto;
}

void Pilastro::StaffaPlottaInProgress(const platform::FlexGrid& griglia, int riga) const {
  Matrice<float> record(1, 1, 1, CampiStaffa);
  for (int j = 1; j <= std::min(CampiStaffa, griglia.Cols() - 1); ++j) {
    double valore = 0;
    MsFlex::LeggeCellaNumero(valore, riga, j, griglia);
    record(1, j) = static_cast<float>(valore);
  }
  Vettore<double> x, y;
  if (VerticiBarre(BarreStaffa(record, 1), x, y)) Grafica::PlottaPoligonale2(x.Conta(), x, y, 1);
}

// Each number just outside its bar, on the lower-right diagonal.
void Pilastro::NumeraBarre(int n) const {
  const double scarto = fiBarrePilastro() / (2 * std::sqrt(2.0));
  const float altezza = VariabiliPubbliche::SezioneCorrente()->hTesto;
  for (int i = 1; i <= std::min(n, xBarre_.Conta()); ++i)
    Grafica::PlottaTesto(xBarre_(i) + scarto, yBarre_(i) - scarto, altezza, std::to_string(i), 1);
}

// The hoop's centre line touches the bars from inside; a hoop closes at the
// top with two hooks, a spiral is drawn as a plain circle.
void Pilastro::StaffaCircolarePlotta() const {
  const double d = DiametroStaffaCircolare();
  if (d <= 0) return;
  const double fi = fiBarrePilastro();
  const double rho = RaggioPilastro() - CopriFerro() - fi / 2 - d / 2;
  if (rho <= 0) return;  // no room inside the bars: nothing sensible to draw
  int n = VariabiliPubbliche::Stato.NumeroVerticiCerchio;
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    const double angolo = Pi / 2 - (i - 1) * 2 * Pi / n;
    x(i) = rho * std::cos(angolo);
    y(i) = rho * std::sin(angolo);
  }
  Grafica::InseriscePuntoPoligonale(x, y, n, x(1), y(1), n + 1);
  if (Spirale == 0) GanciStaffaCircolare(x, y, n, rho, d / 2 + fi / 2, 10 * d);
  Grafica::ImpostaColore(6);
  Grafica::PlottaPoligonale2(n, x, y, 1);
}

}  // namespace Sismica
