#include "seismic/Pilastro.h"

#include <algorithm>
#include <cmath>

#include "app/FileDati.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/ErroreEsecuzione.h"

namespace Sismica {
namespace {

// Entries of the current end: rectangular row (top, bottom), circular row.
constexpr int BarreBase[2] = {7, 11};
constexpr int BarreAltezza[2] = {8, 12};
constexpr int DiametroRettangolare[2] = {9, 13};
constexpr int PassoCriticoRettangolare[2] = {10, 14};
constexpr int NumeroStaffe[2] = {15, 16};
constexpr int DiametroCircolare[2] = {7, 13};
constexpr int StaffaCircolare[2] = {8, 14};
constexpr int PassoCriticoCircolare[2] = {11, 17};
// Fewest bars of a circular end: the copy of the other end is offered below.
constexpr int BarreMinimeCircolari = 4;

}  // namespace

int Pilastro::Intero(float valore) {
  const double intero = std::nearbyint(static_cast<double>(valore));
  if (!(intero >= -32768 && intero <= 32767))
    throw platform::ErroreEsecuzione(Generale::ErroreOverflow, "Overflow");
  return static_cast<int>(intero);
}

int Pilastro::nBarreBase() const { return Intero(matrice_(0, BarreBase[SezioneInferiore])); }

int Pilastro::nBarreAltezza() const { return Intero(matrice_(0, BarreAltezza[SezioneInferiore])); }

std::string Pilastro::DatiNonValidi(bool zeriAmmessi) const {
  using Intervalli::Grandezza;
  const auto lunghezza = [zeriAmmessi](float valore, const char* nome, bool zero = false) {
    if ((zeriAmmessi || zero) && valore == 0) return std::string();
    return Intervalli::FuoriIntervallo(Grandezza::Lunghezza, valore, nome,
                                       Intervalli::Lunghezze::Mostrate);
  };
  const int riga = Circolare() ? 1 : 0;
  const float fi =
      matrice_(riga, (Circolare() ? DiametroCircolare : DiametroRettangolare)[SezioneInferiore]);
  const float copriferro = Circolare() ? matrice_(1, 2) : matrice_(0, 3);
  // A pitch not given is the stirrup rules' and the shear check's to report.
  std::vector<std::string> motivi{lunghezza(StaffePassoCritico(), "Il passo delle staffe", true),
                                  lunghezza(StaffePassoCentrale(), "Il passo delle staffe", true)};
  float lato;
  if (Circolare()) {
    lato = 2 * matrice_(1, 1);
    motivi.insert(motivi.begin(),
                  {lunghezza(matrice_(1, 1), "Il raggio"), lunghezza(matrice_(1, 3), "L")});
    // An end still without bars is the rules' to report.
    const float n = matrice_(1, SezioneInferiore ? 12 : 6);
    if (!(n >= BarreMinimeCircolari) && !(zeriAmmessi && n == 0))
      motivi.push_back("Le barre longitudinali devono essere almeno " +
                       std::to_string(BarreMinimeCircolari) +
                       ": n = " + Formattazione::TestoNumero(n) + ".");
  } else {
    lato = std::min(matrice_(0, 1), matrice_(0, 2));
    motivi.insert(motivi.begin(), {lunghezza(matrice_(0, 1), "b"), lunghezza(matrice_(0, 2), "h"),
                                   lunghezza(matrice_(0, 4), "L")});
    if (!(matrice_(0, BarreBase[SezioneInferiore]) >= 2) ||
        !(matrice_(0, BarreAltezza[SezioneInferiore]) >= 2))
      motivi.push_back("Le barre devono essere almeno 2 per lato.");
  }
  // The rules read the critical length too.
  if (zeriAmmessi) motivi.push_back(lunghezza(hCritica(), "H critica"));
  for (const std::string& motivo : motivi)
    if (!motivo.empty()) return motivo;
  if (zeriAmmessi && lato == 0) return "";
  // The bars' axes stay inside the section, on the near side of its centre.
  return Intervalli::CopriferroFuori(copriferro, lato, fi);
}

int Pilastro::RaggioPilastro() const { return Intero(matrice_(1, 1)); }

int Pilastro::CopriFerro() const { return Intero(Circolare() ? matrice_(1, 2) : matrice_(0, 3)); }

// Up to the 100 m a length may be: beyond a 16-bit count of mm.
int Pilastro::LunghezzaPilastro() const {
  return static_cast<int>(std::nearbyint(Circolare() ? matrice_(1, 3) : matrice_(0, 4)));
}

int Pilastro::fiBarrePilastro() const {
  return Intero(Circolare() ? matrice_(1, DiametroCircolare[SezioneInferiore])
                            : matrice_(0, DiametroRettangolare[SezioneInferiore]));
}

// An end never given bars (diameter 0) sets no bound.
int Pilastro::fiBarreEstremo(bool massimo) const {
  const int riga = Circolare() ? 1 : 0;
  const int* colonne = Circolare() ? DiametroCircolare : DiametroRettangolare;
  const float sup = matrice_(riga, colonne[0]);
  const float inf = matrice_(riga, colonne[1]);
  if (!(sup > 0) || !(inf > 0)) return Intero(std::max({sup, inf, 0.0f}));
  return Intero(massimo ? std::max(sup, inf) : std::min(sup, inf));
}

int Pilastro::StaffeNumTot() const {
  if (Circolare()) return 1;
  return Intero(matrice_(0, NumeroStaffe[SezioneInferiore]));
}

void Pilastro::SetStaffeNumTot(int n) {
  matrice_(0, NumeroStaffe[SezioneInferiore]) = static_cast<float>(n);
  if (n == 0) StaffeCorrentiModificabili() = Matrice<float>{};
}

float Pilastro::StaffePassoCritico() const {
  return Circolare() ? matrice_(1, PassoCriticoCircolare[SezioneInferiore])
                     : matrice_(0, PassoCriticoRettangolare[SezioneInferiore]);
}

void Pilastro::SetStaffePassoCritico(float passo) {
  if (Circolare())
    matrice_(1, PassoCriticoCircolare[SezioneInferiore]) = passo;
  else
    matrice_(0, PassoCriticoRettangolare[SezioneInferiore]) = passo;
}

float Pilastro::StaffePassoCentrale() const {
  return Circolare() ? matrice_(1, 5) : matrice_(0, 6);
}

void Pilastro::SetStaffePassoCentrale(float passo) {
  (Circolare() ? matrice_(1, 5) : matrice_(0, 6)) = passo;
}

float Pilastro::DiametroStaffaCircolare() const {
  return matrice_(1, StaffaCircolare[SezioneInferiore]);
}

void Pilastro::StaffeMemorizza(const Matrice<float>& staffe) {
  StaffeCorrentiModificabili() = staffe.Righe() > 0 ? staffe : Matrice<float>{};
  matrice_(0, NumeroStaffe[SezioneInferiore]) = static_cast<float>(staffe.Righe());
}

void Pilastro::MemorizzaDatiPilastri(platform::Form& finestra) {
  // A box that holds no number stops the storing: NumeroNonValido.
  const Generale::RifiutaNumeriNonValidi rifiuta;
  using Generale::ValNumero;
  using VariabiliPubbliche::LunghezzaInMm;
  auto numero = [&](int indice) {
    return ValNumero(finestra.Controllo("PilastroTxt", indice).Text());
  };
  auto lunghezza = [&](int indice) { return static_cast<float>(LunghezzaInMm(numero(indice))); };
  auto diametro = [&](int indice) {
    return static_cast<float>(ValNumero(finestra.Controllo("ComboBarrePil", indice).Text()));
  };
  const bool inferiore = SezioneInferiore;

  if (Circolare()) {
    if (!finestra.Controllo("PilastroFrm", 1).Visible()) return;
    matrice_(1, 1) = lunghezza(6);
    matrice_(1, 2) = lunghezza(8);
    matrice_(1, 3) = lunghezza(11);
    matrice_(1, 4) = lunghezza(12);
    matrice_(1, 5) = lunghezza(15);
    matrice_(1, inferiore ? 12 : 6) = static_cast<float>(numero(7));
    matrice_(1, DiametroCircolare[inferiore]) = diametro(1);
    // The top's hoop follows the bottom's.
    matrice_(1, StaffaCircolare[inferiore]) = inferiore ? diametro(2) : matrice_(1, 14);
    matrice_(1, PassoCriticoCircolare[inferiore]) = lunghezza(5);
    return;
  }

  if (!finestra.Controllo("PilastroFrm", 0).Visible()) return;
  auto conteggio = [&](int indice) {
    int n = Intero(static_cast<float>(numero(indice)));
    if (n < 2) {
      n = 2;
      finestra.Controllo("PilastroTxt", indice).SetText("2");
    }
    return n;
  };
  const int nb = conteggio(2);
  const int nh = conteggio(3);
  if (nb != nBarreBase() || nh != nBarreAltezza()) SetStaffeNumTot(0);
  if (inferiore) {
    matrice_(0, 1) = lunghezza(0);
    matrice_(0, 2) = lunghezza(1);
    matrice_(0, 3) = lunghezza(4);
    matrice_(0, 4) = lunghezza(9);
    matrice_(0, 5) = lunghezza(10);
  }
  matrice_(0, BarreBase[inferiore]) = static_cast<float>(nb);
  matrice_(0, BarreAltezza[inferiore]) = static_cast<float>(nh);
  matrice_(0, DiametroRettangolare[inferiore]) = diametro(0);
}

}  // namespace Sismica
