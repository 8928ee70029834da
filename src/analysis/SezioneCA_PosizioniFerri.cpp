// Where the bars of a designed beam go: the holders in the stirrup corners,
// the bars of each zone in the gaps between them, group by group.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "analysis/SezioneCA.h"
#include "model/Array.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

int SezioneCA::TotaleBarre(const std::vector<Barra>& gruppi) {
  int n = 0;
  for (const Barra& b : gruppi) n += b.nBarre;
  return n;
}

void SezioneCA::NumeraGruppi() {
  short n = 0;
  for (std::vector<Barra>* gruppi : {&CollReggiInf, &CollReggiSup, &CollInf, &CollSup})
    for (Barra& b : *gruppi) b.iPosizione = ++n;
}

void SezioneCA::AssegnaPosizioniReggistaffeCampata() {
  Staffe& staffe = StaffeCamp();
  PosizioniReggiSup = {};
  PosizioniReggiInf = {};
  for (Barra& b : CollReggiSup) {
    PosizioniReggiSup = staffe.AscPosizTrasvReg(b.Diametro / 2.0);
    b.AssegnaPosizione(PosizioniReggiSup);
  }
  for (Barra& b : CollReggiInf) {
    PosizioniReggiInf = staffe.AscPosizTrasvReg(b.Diametro / 2.0);
    b.AssegnaPosizione(PosizioniReggiInf);
  }
  // Without stirrups a zone's row runs from cover to cover.
  if (Stato.SenzaStaffe) {
    const double estremo = b1 / 2.0 - Stato.CopriferroProgetto;
    PosizioniReggiSup = PosizioniReggiInf = {-estremo, estremo};
  }
}

void SezioneCA::PosizioniFerriCampata() {
  // The room of a row: inside the stirrups, or inside the cover without them.
  const bool senza = Stato.SenzaStaffe;
  const double larghezza = senza ? b1 - 2.0 * Stato.CopriferroProgetto
                                 : b1 - Stato.DetrazioneStaffa - StaffeCamp().Diametro;
  auto zona = [this, senza, larghezza](std::vector<Barra>& gruppi, const Vettore<double>& reggi,
                                 const std::vector<Barra>& reggistaffe,
                                 std::vector<std::vector<double>>& rientri) {
    Vettore<double> libere = PosizioniStandard(TotaleBarre(gruppi), reggi);
    int f = libere.Conta();
    for (Barra& b : gruppi) b.AssegnaPosizione(PosizioniBarra(libere, f, reggi, b.nBarre));
    if (senza && reggi.Conta() == 2) Affianca(gruppi, reggi(reggi.Lb()), reggi(reggi.Ub()));
    const bool staffe = !senza && !reggistaffe.empty();
    const Vettore<double> bracci = staffe ? StaffeCamp().AssiBracci() : Vettore<double>{};
    return FileZona(gruppi, reggi, staffe ? reggistaffe.front().Diametro : 0,
                    {bracci, staffe ? StaffeCamp().Diametro : 0.0}, larghezza, rientri);
  };
  InterferroSup = zona(CollSup, PosizioniReggiSup, CollReggiSup, RientriSup);
  InterferroInf = zona(CollInf, PosizioniReggiInf, CollReggiInf, RientriInf);
}

bool SezioneCA::ReggiDistanziati() const {
  if (Stato.SenzaStaffe) return true;
  for (const auto& [reggi, gruppi] :
       {std::pair{&PosizioniReggiInf, &CollReggiInf}, {&PosizioniReggiSup, &CollReggiSup}}) {
    const double d = gruppi->empty() ? 0 : gruppi->front().Diametro;
    for (int k = reggi->Lb(); d > 0 && k < reggi->Ub(); ++k)
      if ((*reggi)(k + 1) - (*reggi)(k) < d + Interferro(d) - 1E-6) return false;
  }
  return true;
}

double SezioneCA::LarghezzaFila(int nBarre, double sommaDiametri, double fiMax) {
  return sommaDiametri + std::max(nBarre - 1, 0) * Interferro(fiMax);
}

double SezioneCA::Interferro(double fiMax) { return std::max(fiMax, 20.0); }

Vettore<double> SezioneCA::PosizioniAffiancate(const std::vector<double>& diametri, double inizio,
                                               double fine) {
  const int n = static_cast<int>(diametri.size());
  if (n == 0) return {};
  if (n == 1) return {(inizio + fine) / 2};
  double somma = 0;
  for (double d : diametri) somma += d;
  const double luce = (fine - inizio - somma) / (n - 1);
  Vettore<double> x(1, n);
  x(1) = inizio + diametri[0] / 2;
  for (int k = 2; k <= n; ++k)
    x(k) = x(k - 1) + (diametri[static_cast<std::size_t>(k - 2)] +
                       diametri[static_cast<std::size_t>(k - 1)]) / 2 + luce;
  return x;
}

void SezioneCA::Affianca(std::vector<Barra>& gruppi, double inizio, double fine) {
  struct Posto {
    double x;
    std::size_t gruppo;
    int k;
  };
  std::vector<Posto> posti;
  for (std::size_t g = 0; g < gruppi.size(); ++g) {
    const Vettore<double>& x = gruppi[g].Posizione_;
    for (int k = x.Lb(); k <= x.Ub(); ++k) posti.push_back({x(k), g, k});
  }
  std::sort(posti.begin(), posti.end(), [](const Posto& a, const Posto& b) { return a.x < b.x; });
  std::vector<double> diametri;
  for (const Posto& p : posti) diametri.push_back(gruppi[p.gruppo].Diametro);
  const Vettore<double> x = PosizioniAffiancate(diametri, inizio, fine);
  for (std::size_t i = 0; i < posti.size(); ++i)
    gruppi[posti[i].gruppo].Posizione_(posti[i].k) = x(static_cast<int>(i) + 1);
}

void SezioneCA::PosizioniIntervallo(double inizio, double fine, int c, Vettore<double>& x, int& k) {
  const double passo = (fine - inizio) / (c + 1);
  for (int j = 1; j <= c; ++j) x(k++) = inizio + j * passo;
}

Vettore<double> SezioneCA::PosizioniStandard(int n, const Vettore<double>& P) {
  const int m = P.Conta() - 1;  // gaps between stirrup legs
  if (n <= 0 || m < 1) return {};
  std::vector<int> conta(static_cast<std::size_t>(m), n / m);
  const int r = n % m;
  // Gaps (from 1) that take one more bar, by the remainder: the middle
  // first, then symmetric pairs.
  static const std::array<std::vector<int>, 5> piu5 = {
      std::vector<int>{}, {3}, {2, 4}, {2, 3, 4}, {1, 2, 4, 5}};
  switch (m) {
    case 1:
      break;
    case 3:
      if (r == 1) conta[1]++;
      if (r == 2) conta[0]++, conta[2]++;
      break;
    case 5:
      for (int g : piu5[static_cast<std::size_t>(r)]) conta[static_cast<std::size_t>(g - 1)]++;
      break;
    default:
      return {};
  }
  Vettore<double> x(1, n);
  int k = 1;
  for (int g = 1; g <= m; ++g)
    PosizioniIntervallo(P(P.Lb() + g - 1), P(P.Lb() + g), conta[static_cast<std::size_t>(g - 1)],
                        x, k);
  return x;
}

Vettore<int> SezioneCA::SceltaPosizioniGruppo(const Vettore<double>& libere, int f,
                                              const Vettore<double>& proprie, int g) {
  Vettore<int> s(1, g);
  if (g == f) {
    for (int k = 1; k <= g; ++k) s(k) = k;
    return s;
  }
  std::vector<bool> presa(static_cast<std::size_t>(f) + 1, false);
  // The free slot nearest to x among those this group has not taken yet.
  auto vicina = [&](double x) {
    int migliore = 0;
    for (int j = 1; j <= f; ++j)
      if (!presa[static_cast<std::size_t>(j)] &&
          (migliore == 0 || std::fabs(libere(j) - x) < std::fabs(libere(migliore) - x)))
        migliore = j;
    presa[static_cast<std::size_t>(migliore)] = true;
    return migliore;
  };
  for (int k = 1; k <= g / 2; ++k) {
    s(k) = vicina(proprie(k));
    // The bar at the other end of the group takes the mirror slot.
    const int specchio = f + 1 - s(k);
    if (presa[static_cast<std::size_t>(specchio)]) {
      s(g + 1 - k) = vicina(proprie(g + 1 - k));
    } else {
      s(g + 1 - k) = specchio;
      presa[static_cast<std::size_t>(specchio)] = true;
    }
  }
  if (g % 2 == 1) s(g / 2 + 1) = vicina(proprie(g / 2 + 1));
  return s;
}

Vettore<double> SezioneCA::PosizioniBarra(Vettore<double>& libere, int& f, const Vettore<double>& P,
                                          int g) {
  const Vettore<double> proprie = PosizioniStandard(g, P);
  if (proprie.Vuoto() || g > f) return {};
  const Vettore<int> s = SceltaPosizioniGruppo(libere, f, proprie, g);
  Vettore<double> x(1, g);
  std::vector<int> prese;
  for (int k = 1; k <= g; ++k) {
    x(k) = libere(s(k));
    prese.push_back(s(k));
  }
  // From the highest index down, so the ones still to go keep their place.
  std::sort(prese.rbegin(), prese.rend());
  for (int j : prese) {
    if (f == 1) {
      libere = {};
      f = 0;
    } else {
      Matematica::EliminaElementoArray(libere, f, j, 1);
    }
  }
  return x;
}

void SezioneCA::PosizioniTrave() {
  float offset = 0;
  StaffeCamp().LarghezzeStaffeCalcola(offset);
  NumeraGruppi();
  AssegnaPosizioniReggistaffeCampata();
  PosizioniFerriCampata();
}

std::vector<SezioneCA::FerroTrave> SezioneCA::FerriTrave() {
  std::vector<FerroTrave> ferri;
  auto zona = [&](const std::vector<Barra>& gruppi, const std::string& z) {
    for (std::size_t i = 0; i < gruppi.size(); ++i) {
      const std::vector<FerroTrave> gruppo = FerriGruppo(gruppi[i], z, RientriGruppo(gruppi, i, z));
      ferri.insert(ferri.end(), gruppo.begin(), gruppo.end());
    }
  };
  if (!Stato.SenzaStaffe) {
    zona(CollReggiInf, "INF");
    zona(CollReggiSup, "SUP");
  }
  zona(CollInf, "INF");
  zona(CollSup, "SUP");
  return ferri;
}

std::vector<SezioneCA::FerroTrave> SezioneCA::FerriGruppo(const Barra& gruppo,
                                                         const std::string& zona,
                                                         const std::vector<double>* rientri) {
  Staffe& staffe = StaffeCamp();
  // Bar centres touching the stirrup, or at the cover without stirrups.
  const double copriferro = Stato.CopriferroProgetto + gruppo.Diametro / 2;
  const double fila = Stato.SenzaStaffe ? copriferro
                                        : Stato.DetrazioneStaffa / 2.0 + staffe.Diametro / 2 +
                                              gruppo.Diametro / 2;
  const bool sup = zona == "SUP";
  double xAngolo = 0;
  Vettore<double> x = gruppo.Posizione_;
  double yFerro;
  if (gruppo.Tipo == "REGGI-SUP" || gruppo.Tipo == "REGGI-INF") {
    x = staffe.AscPosizTrasvReg(gruppo.Diametro / 2.0, &xAngolo);
    const double dalLembo = Stato.DetrazioneStaffa / 2.0 + xAngolo;
    yFerro = gruppo.Tipo == "REGGI-SUP" ? h1 - dalLembo : dalLembo;
  } else {
    yFerro = yFerroLimitato(sup ? h1 - fila : fila, copriferro);
  }
  // A zone its stirrups cannot share out leaves its bars without a place.
  const int n = std::min<int>(gruppo.nBarre, x.Conta());
  std::vector<FerroTrave> ferri;
  for (int k = 1; k <= n; ++k) {
    // Rows further in: up from the bottom, down from the top.
    const bool dentro = rientri && k <= static_cast<int>(rientri->size());
    const double rientro = dentro ? (*rientri)[static_cast<std::size_t>(k - 1)] : 0;
    ferri.push_back(
        {x(x.Lb() + k - 1), sup ? yFerro - rientro : yFerro + rientro, gruppo.Diametro, rientro});
  }
  return ferri;
}

const std::vector<double>* SezioneCA::RientriGruppo(const std::vector<Barra>& gruppi,
                                                    std::size_t i, const std::string& zona) const {
  const auto& rientri = zona == "SUP" ? RientriSup : RientriInf;
  const bool ferri = gruppi[i].Tipo == "FERRI-SUP" || gruppi[i].Tipo == "FERRI-INF";
  return ferri && i < rientri.size() ? &rientri[i] : nullptr;
}

double SezioneCA::yFerroLimitato(double v, double c) const {
  return std::clamp(v, c, std::max(c, h1 - c));
}
