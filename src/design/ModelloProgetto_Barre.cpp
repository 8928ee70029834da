// The required steel of each zone turned into bars: holders and fixed bars
// count first, the rest is covered by the lightest combination of up to three
// diameters.
#include <algorithm>
#include <cmath>
#include <string>

#include "design/ModelloProgetto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::AreaBarra;
using VariabiliPubbliche::Stato;

namespace {

// Lighter, or as light and enumerated earlier.
bool Prima(const std::pair<Combinazione, long long>& a,
           const std::pair<Combinazione, long long>& b) {
  return a.first[0] < b.first[0] || (a.first[0] == b.first[0] && a.second < b.second);
}

}  // namespace

void ModelloProgetto::ArmaturaFissa() {
  if (Stato.SenzaStaffe) {
    Stato.NumeroBracci = 0;
  } else if (Stato.NumeroBracci < 2) {
    Stato.NumeroBracci = 2;
    finestra_.Controllo("ComboBracci").SetText("2 ");
  }
  AreaReggistaffe = Stato.NumeroBracci * AreaBarra(Stato.DiametroReggistaffe);
  const bool manuale = Stato.DiametriAutomatici != 1;
  AsFissaTesa = manuale ? BarreFisseTese.at(0) : 0;
  AsFissaCompressa = manuale ? BarreFisseCompresse.at(0) : 0;
}

bool ModelloProgetto::ArmaturaCalcola() {
  // The holders count in both zones.
  const bool tesa =
      CombinazioniZona(AsTesa - AreaReggistaffe - AsFissaTesa, AsFissaTesa, DiametriTesi,
                       CombinazioniTese, CombinazioneTesa, AsTesaEffettiva);
  const bool compressa = CombinazioniZona(
      AsCompressa - AreaReggistaffe - AsFissaCompressa, AsFissaCompressa, DiametriCompressi,
      CombinazioniCompresse, CombinazioneCompressa, AsCompressaEffettiva);
  return tesa && compressa;
}

bool ModelloProgetto::CombinazioniZona(float fabbisogno, float fisse,
                                       const std::vector<int>& diametri,
                                       std::vector<Combinazione>& combinazioni,
                                       Combinazione& scelta, float& effettiva) {
  if (!CombinazioniCalcola(fabbisogno, diametri, combinazioni)) {
    CombinazioniAzzera(combinazioni, scelta, effettiva);
    return false;
  }
  scelta = combinazioni.front();
  effettiva = scelta[0] + AreaReggistaffe + fisse;
  return true;
}

void ModelloProgetto::CombinazioniAzzera(std::vector<Combinazione>& combinazioni,
                                         Combinazione& scelta, float& effettiva) {
  combinazioni.clear();
  scelta = {};
  effettiva = 0;
}

bool ModelloProgetto::CombinazioniCalcola(float fabbisogno, const std::vector<int>& diametri,
                                          std::vector<Combinazione>& risultato) {
  risultato.clear();
  const std::size_t k = diametri.size();
  if (k > 3) {
    platform::MsgBox("Numero massimo diametri = 3", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
    return false;
  }
  if (k == 0) return false;
  // How many rows the enumeration would go through, at most: a need out of
  // all proportion to the bars is refused, not enumerated for ever.
  double righe = 1;
  for (std::size_t j = 0; j + 1 < k; ++j)
    righe *= std::max(fabbisogno / AreaBarra(diametri[j]), 0.0f) + 1;
  if (!(righe <= MaxRigheEnumerate)) {
    platform::MsgBox("Troppe combinazioni di barre: aumentare i diametri!", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
  ElencoCombinazioni elenco;
  Combinazione riga{};
  if (k == 1) {
    CombinaFine(fabbisogno, diametri, riga, elenco);
  } else {
    const float a1 = AreaBarra(diametri[0]);
    for (int m1 = 0;; ++m1) {
      const float resto = fabbisogno - m1 * a1;
      riga[0] = m1 * a1;
      riga[1] = static_cast<float>(m1);
      if (resto <= 0) {
        riga[2] = riga[3] = 0;
        Aggiungi(riga, elenco);
        break;
      }
      Combina2(resto, diametri, riga, elenco);
    }
  }
  CombinazioniOrdina(elenco, risultato);
  return true;
}

void ModelloProgetto::Combina2(float resto, const std::vector<int>& diametri, Combinazione& riga,
                               ElencoCombinazioni& elenco) const {
  if (diametri.size() == 2) {
    CombinaFine(resto, diametri, riga, elenco);
    return;
  }
  const float base = riga[0];
  const float a2 = AreaBarra(diametri[1]);
  for (int m2 = 0;; ++m2) {
    const float resto2 = resto - m2 * a2;
    riga[0] = base + m2 * a2;
    riga[2] = static_cast<float>(m2);
    if (!(resto2 > 0)) {
      // The first two diameters cover the need: listed too, without the third.
      riga[3] = 0;
      Aggiungi(riga, elenco);
      break;
    }
    CombinaFine(resto2, diametri, riga, elenco);
  }
}

void ModelloProgetto::CombinaFine(float resto, const std::vector<int>& diametri, Combinazione& riga,
                                  ElencoCombinazioni& elenco) const {
  const float a = AreaBarra(diametri.back());
  const float n = resto > 0.01f ? static_cast<float>(std::ceil(resto / static_cast<double>(a))) : 0;
  riga[0] += n * a;
  riga[diametri.size()] = n;
  Aggiungi(riga, elenco);
}

void ModelloProgetto::Aggiungi(const Combinazione& riga, ElencoCombinazioni& elenco) {
  auto& migliori = elenco.Migliori;
  const std::pair<Combinazione, long long> nuova{riga, elenco.Conta++};
  if (migliori.size() < static_cast<std::size_t>(MaxCombinazioni)) {
    migliori.push_back(nuova);
    std::push_heap(migliori.begin(), migliori.end(), Prima);
  } else if (Prima(nuova, migliori.front())) {
    std::pop_heap(migliori.begin(), migliori.end(), Prima);
    migliori.back() = nuova;
    std::push_heap(migliori.begin(), migliori.end(), Prima);
  }
}

void ModelloProgetto::CombinazioniOrdina(ElencoCombinazioni& elenco,
                                         std::vector<Combinazione>& risultato) {
  const long long c = elenco.Conta;
  if (c > MaxCombinazioni) {
    std::string testo = std::to_string(c) +
                        " combinazioni di barre: vengono considerate solo le migliori " +
                        std::to_string(MaxCombinazioni) + ".";
    if (c > 2 * MaxCombinazioni) {
      testo +=
          "\r\nIl tempo di elaborazione potrebbe essere lungo!"
          "\r\nDiminuire il numero di diametri diversi!";
      platform::MsgBox(testo, platform::Pulsanti::Ok, platform::Icona::Critica);
    } else {
      OsservazioniScrive(testo);
    }
  }
  std::sort_heap(elenco.Migliori.begin(), elenco.Migliori.end(), Prima);
  risultato.clear();
  for (const auto& voce : elenco.Migliori) risultato.push_back(voce.first);
}

int ModelloProgetto::BarreFisseNumero(int j, const std::vector<float>& fisse) const {
  if (Stato.DiametriAutomatici == 1 || j >= static_cast<int>(fisse.size())) return 0;
  return static_cast<int>(fisse[static_cast<std::size_t>(j)]);
}
