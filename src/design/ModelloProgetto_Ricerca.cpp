// The searches of the sizing: the width or depth bracketed between the least
// section that holds the bars and one strong enough, and the reinforcement
// ratio of a fixed rectangle.
#include <algorithm>
#include <cmath>

#include "analysis/SezioneCA.h"
#include "design/ModelloProgetto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr int MaxPassiRicerca = 101;

constexpr const char* SoliReggistaffe =
    "Il momento resistente è portato dai dai soli reggistaffe,\r\nanche senza calcestruzzo!";

}  // namespace

float ModelloProgetto::LarghezzaStrato(int nBarre, double sommaDiametri, double fiMax) const {
  const double staffa = Stato.SenzaStaffe ? 0 : Stato.DiametroStaffe;
  return static_cast<float>(2 * (Stato.CopriferroProgetto + staffa) +
                            SezioneCA::LarghezzaFila(nBarre, sommaDiametri, fiMax));
}

float ModelloProgetto::BaseMinima() const {
  if (Stato.NumeroBracci > 0)
    return LarghezzaStrato(Stato.NumeroBracci, Stato.NumeroBracci * Stato.DiametroReggistaffe,
                           Stato.DiametroReggistaffe);
  const int fi = DiametriTesi.empty() ? 0 : *std::max_element(DiametriTesi.begin(), DiametriTesi.end());
  return LarghezzaStrato(2, 2.0 * fi, fi);
}

std::optional<double> ModelloProgetto::Residuo(double x) {
  try {
    return yEquazione(x, std::nullopt);
  } catch (const ProvaImpossibile&) {
    return std::nullopt;
  }
}

ModelloProgetto::Ricerca ModelloProgetto::DimensioneCambioSegno(double& x, double minimo,
                                                                double tolleranza, double& x1,
                                                                double& x2) {
  auto radice = [tolleranza](const std::optional<double>& f) {
    return f && std::fabs(*f) < tolleranza;
  };
  x = std::max(x, minimo);
  std::optional<double> f = Residuo(x);
  if (radice(f)) return Ricerca::Trovata;
  // forte carries the moment; sotto, below it, is too weak (debole) or
  // cannot balance.
  double forte = x, sotto = 0;
  bool debole = false;
  if (!f || *f > 0) {
    for (int k = 0;; ++k) {
      if (k == MaxPassiRicerca) throw std::domain_error("ricerca");
      sotto = x;
      debole = f.has_value();
      x *= 2;
      f = Residuo(x);
      if (radice(f)) return Ricerca::Trovata;
      if (f && *f < 0) break;
    }
    forte = x;
  } else {
    for (int k = 0;; ++k) {
      if (forte <= minimo || k == MaxPassiRicerca) {
        x = forte;
        return Ricerca::Minima;
      }
      x = std::max(forte / 2, minimo);
      f = Residuo(x);
      if (radice(f)) return Ricerca::Trovata;
      if (!f || *f > 0) {
        sotto = x;
        debole = f.has_value();
        break;
      }
      forte = x;
    }
  }
  if (debole) {
    x1 = sotto;
    x2 = forte;
    return Ricerca::Intervallo;
  }
  // The least section that balances, unless a root comes before it.
  for (int k = 0; k < MaxPassiRicerca && forte - sotto > 1E-4 * forte; ++k) {
    x = (sotto + forte) / 2;
    f = Residuo(x);
    if (radice(f)) return Ricerca::Trovata;
    if (f && *f > 0) {
      x1 = x;
      x2 = forte;
      return Ricerca::Intervallo;
    }
    (f ? forte : sotto) = x;
  }
  x = forte;
  return Ricerca::Minima;
}

bool ModelloProgetto::DimensioneCerca(double& x, double minimo, double tolleranza, bool& minima) {
  double x1 = 0, x2 = 0;
  const Ricerca esito = DimensioneCambioSegno(x, minimo, tolleranza, x1, x2);
  minima = esito == Ricerca::Minima;
  if (esito == Ricerca::Intervallo) {
    bool trovata = false;
    x = Matematica::RadiceRegulaFalsi(*this, x1, x2, tolleranza, std::nullopt, &trovata);
    return trovata;
  }
  if (!minima) return true;
  (IncognitaAltezza ? AltezzaSezione : BaseSezione) = static_cast<float>(x);
  AltezzaUtile = AltezzaSezione - DistanzaFerri;
  // The steel for the moment, not for the strain asked, which no section
  // this small reaches.
  if (!ArmaturaSezioneFissa()) return false;
  MinimaSegnala(minimo);
  return true;
}

bool ModelloProgetto::ArmaturaSezioneFissa() {
  const float richiesta = Stato.EpsSProgetto;
  const bool progettata =
      Stato.TipoVerificaProgetto == 0 ? ProgettaSLUarmatura() : ProgettaTaArmatura();
  IncognitaRapporto = false;
  EpsSDelProgetto = Stato.EpsSProgetto;
  Stato.EpsSProgetto = richiesta;
  return progettata;
}

bool ModelloProgetto::RoCambioSegno(double& x, double& f) {
  const bool debole = f > 0;
  // Never more steel than the whole section.
  for (int k = 0; k < MaxPassiRicerca && (f > 0) == debole && !(debole && 2 * x > 1); ++k) {
    x = debole ? 2 * x : x / 2;
    f = yEquazione(x, std::nullopt);
  }
  if ((f > 0) != debole) return true;
  platform::MsgBox(debole ? "Nessuna armatura porta il momento sollecitante:\r\n"
                            "aumentare le dimensioni della sezione!"
                          : SoliReggistaffe,
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  return false;
}

bool ModelloProgetto::RapportoCerca(double ro, double tolleranza) {
  IncognitaRapporto = true;
  // Holders and fixed bars are there anyway: when they carry the moment, no
  // more steel is needed.
  const double presenti = AreaReggistaffe + AsFissaTesa;
  if (presenti > 0) {
    double roPresenti = presenti / (static_cast<double>(AltezzaUtile) * BaseSezione);
    if (yEquazione(roPresenti, std::nullopt) < tolleranza) {
      AsTesa = static_cast<float>(presenti);
      AsCompressa = Ass1Funz(AsTesa);
      OsservazioniScrive(SoliReggistaffe);
      return true;
    }
    ro = std::max(ro, roPresenti);
  }
  double f = yEquazione(ro, std::nullopt);
  if (std::fabs(f) >= tolleranza) {
    double ro1 = ro, ro2 = ro;
    if (!RoCambioSegno(ro2, f)) return false;
    bool trovata = false;
    ro = Matematica::RadiceRegulaFalsi(*this, ro1, ro2, tolleranza, std::nullopt, &trovata);
    if (!trovata) return false;
  }
  AsTesa = static_cast<float>(ro * AltezzaUtile * BaseSezione);
  AsCompressa = Ass1Funz(AsTesa);
  return true;
}
