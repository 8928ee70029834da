#include <algorithm>

#include "drawing/Grafica.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "seismic/Eurocod8.h"
#include "seismic/FinestraSismica.h"
#include "seismic/Normative3274.h"
#include "seismic/Pilastro.h"
#include "seismic/StatoSismica.h"

namespace Sismica {

using Matematica::Pi;

float Pilastro::AreaSezione() const {
  if (Circolare()) {
    const double r = RaggioPilastro();
    return static_cast<float>(Pi * r * r);
  }
  return matrice_(0, 1) * matrice_(0, 2);
}

float Pilastro::bSezione() const {
  return Circolare() ? static_cast<float>(2 * RaggioPilastro()) : matrice_(0, 1);
}

float Pilastro::hSezione() const {
  return Circolare() ? static_cast<float>(2 * RaggioPilastro()) : matrice_(0, 2);
}

float Pilastro::hCritica() const { return Circolare() ? matrice_(1, 4) : matrice_(0, 5); }

float Pilastro::Ro() const {
  const float area = AreaSezione();
  if (!(area > 0)) return 0;
  const double fi = fiBarrePilastro();
  return static_cast<float>(nBarreTotale() * (Pi * fi * fi / 4) / area);
}

// Without a concrete strength there is no normalised load either.
float Pilastro::Nud() const {
  const double resistenza = static_cast<double>(AreaSezione()) * VariabiliPubbliche::Stato.Fcd;
  if (!(AreaSezione() > 0) || !(resistenza > 0)) return 0;
  return static_cast<float>(Stato.NEdSismica / resistenza);
}

float Pilastro::InterasseMaxBarre() const {
  if (Circolare()) {
    if (xBarre_.Conta() <= 1) return 0;
    return static_cast<float>(Grafica::Distanza(xBarre_(1), yBarre_(1), xBarre_(2), yBarre_(2)));
  }
  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  if (nh < 2 || nb < 2) return 0;
  const double c = CopriFerro();
  const double ib = (matrice_(0, 1) - 2 * c) / (nb - 1);
  const double ih = (matrice_(0, 2) - 2 * c) / (nh - 1);
  return static_cast<float>(std::max(ib, ih));
}

void Pilastro::ControlloGeometrico(FinestraSismica& finestra, Prescrizioni& lista) {
  MemorizzaDatiPilastri(finestra);
  finestra.AzioniLeggeScrive(false);
  CoordinateBarre();
  if (VariabiliPubbliche::Stato.NormativaSismica == 1)
    Eurocod8::ControlloGeometricoEc8(lista, finestra);
  else
    Normative3274::ControlloGeometricoNtc(lista, finestra);
}

void Pilastro::ControlloStaffe(FinestraSismica& finestra, Prescrizioni* lista) {
  Prescrizioni propria;
  Prescrizioni& testi = lista ? *lista : propria;
  finestra.AzioniLeggeScrive(false);
  CoordinateBarre();
  if (VariabiliPubbliche::Stato.NormativaSismica == 1)
    Eurocod8::ControlloStaffeEc8(testi, finestra);
  else if (VariabiliPubbliche::Stato.NormativaSismica == 0)
    Normative3274::ControlloStaffeNtc(testi, finestra);
  if (!lista) finestra.ListaPrescrizioniNew(propria);
}

float Pilastro::TaglioCapacitaPilastro(double mInferiore, double mSuperiore,
                                       Normative3274::TestiTaglio& testi) const {
  const float lunghezza = Circolare() ? matrice_(1, 3) : matrice_(0, 4);
  if (!(lunghezza > 0)) {
    platform::MsgBox("H interpiano <=0!");
    return 0;
  }
  if (VariabiliPubbliche::Stato.NormativaSismica != 1)
    return Normative3274::TaglioCapacitaNtc(lunghezza, mInferiore, mSuperiore, testi);
  return Eurocod8::TaglioCapacitaEc8(mInferiore, mSuperiore, lunghezza, testi);
}

}  // namespace Sismica
