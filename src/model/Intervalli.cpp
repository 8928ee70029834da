#include "model/Intervalli.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/Formato.h"

namespace Intervalli {
namespace {

constexpr const char* Nmm2 = "N/mm²";
constexpr const char* PerMille = "‰";
constexpr const char* Resistenze =
    "un coefficiente parziale non aumenta le resistenze né le riduce oltre un terzo";

// Largest length of a section or member: 100 m, in mm.
constexpr double LunghezzaMassima = 100000;
// What 100 m x 100 m of the strongest concrete and steel could carry, N.
constexpr double ForzaMassima = 1e12;

// In the order of Grandezza.
constexpr Intervallo Tabella[] = {
    {"fck", 0, 90, true, Nmm2, 1,
     "per calcestruzzi più resistenti le normative non danno il legame costitutivo"},
    {"fcd", 0, 100, true, Nmm2, 1, "resistenza di progetto di un calcestruzzo fino a fck 90"},
    {"fcc/fcd", 0, 1, true, "", 1, "la resistenza sotto sola forza assiale non supera fcd"},
    {"αcc", 0, 1, true, "", 1, "il coefficiente di lunga durata riduce la resistenza"},
    {"γc", 1, 3, false, "", 1, Resistenze},
    {"γs", 1, 3, false, "", 1, Resistenze},
    {"Es", 100000, 300000, false, Nmm2, 1, "modulo degli acciai da armatura e da precompressione"},
    {"fyd delle barre", 0, 2000, true, Nmm2, 1, "nessun acciaio da armatura è più resistente"},
    {"fyd dei cavi", 0, 2000, false, Nmm2, 1, "nessun acciaio da precompressione è più resistente"},
    {"fyk", 0, 2000, true, Nmm2, 1, "nessun acciaio da armatura è più resistente"},
    {"εcu", 0, 0.02, true, PerMille, 1000, "accorciamento ultimo anche del calcestruzzo confinato"},
    {"εc2", 0, 0.02, true, PerMille, 1000, "accorciamento al limite della parabola"},
    {"εsu", 0, 0.1, true, PerMille, 1000, "allungamento ultimo degli acciai"},
    {"n", 1, 100, false, "", 1, "rapporto fra i moduli di acciaio e calcestruzzo"},
    {"Rck", 0, 110, true, Nmm2, 1, "calcestruzzi fino a fck 90"},
    {"σc amm.", 0, 40, true, Nmm2, 1, "tensione ammissibile di un calcestruzzo fino a Rck 110"},
    {"σs amm.", 0, 2000, false, Nmm2, 1, "nessun acciaio è più resistente"},
    {"τc", 0, 10, true, Nmm2, 1, "tensione tangenziale ammissibile di un calcestruzzo"},
    {"FC", 1, 3, false, "", 1, Resistenze},
    {"γ azioni", 1, 3, false, "", 1,
     "un coefficiente parziale non riduce le azioni né le moltiplica oltre 3"},
    {"Le coordinate", -LunghezzaMassima, LunghezzaMassima, false, "mm", 1,
     "una sezione sta entro 100 m"},
    {"La lunghezza", 0, LunghezzaMassima, true, "mm", 1, "un elemento misura fino a 100 m"},
    {"La lunghezza libera", 0, LunghezzaMassima, false, "mm", 1, "un pilastro misura fino a 100 m"},
    {"L'area dell'acciaio", 0, LunghezzaMassima * LunghezzaMassima, false, "mm²", 1,
     "una sezione sta entro 100 m"},
    {"La precompressione dei cavi", -2000, 2000, false, Nmm2, 1,
     "nessun acciaio da precompressione è più resistente"},
    {"La forza", -ForzaMassima, ForzaMassima, false, "kN", 1e-3,
     "più di quanto una sezione di 100 m potrebbe portare"},
    {"Il momento", -ForzaMassima * LunghezzaMassima, ForzaMassima * LunghezzaMassima, false, "kNm",
     1e-6, "più di quanto una sezione di 100 m potrebbe portare"},
    {"μφ", 1, 100, false, "", 1,
     "la duttilità in curvatura non è minore di 1 e nemmeno una sezione confinata ne dà più di "
     "qualche decina"},
    {"q0", 1, 6.75, false, "", 1,
     "il fattore di struttura di base di un edificio in calcestruzzo armato non supera "
     "4,5 αu/α1, con αu/α1 fino a 1,5"},
    {"Il periodo", 0, 10, false, "s", 1, "periodi propri di edifici e periodi degli spettri"},
    {"r", 0, 10, true, "", 1,
     "rapporto fra i momenti resistenti delle travi e dei pilastri che si incontrano nel nodo"},
};
static_assert(std::size(Tabella) == static_cast<std::size_t>(Grandezza::RapportoMomenti) + 1);

// Seven significant digits: a value read into a float shows as written.
std::string Numero(double v) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.7g", v);
  return Formattazione::TestoNumero(std::strtod(testo, nullptr));
}

}  // namespace

const Intervallo& Di(Grandezza g) { return Tabella[static_cast<int>(g)]; }

bool Dentro(Grandezza g, double valore) {
  const Intervallo& i = Di(g);
  if (!std::isfinite(valore) || valore > i.massimo) return false;
  return i.minimoEscluso ? valore > i.minimo : valore >= i.minimo;
}

std::string TestoValore(Grandezza g, double valore, const std::string& nome) {
  const Intervallo& i = Di(g);
  const std::string unita = *i.unita ? std::string(" ") + i.unita : "";
  return (nome.empty() ? i.nome : nome) + " = " + Numero(valore * i.scala) + unita;
}

std::string FuoriIntervallo(Grandezza g, double valore, const std::string& nome) {
  if (Dentro(g, valore)) return "";
  const Intervallo& i = Di(g);
  const std::string unita = *i.unita ? std::string(" ") + i.unita : "";
  const auto numero = [&](double v) { return Numero(v * i.scala); };
  const std::string limiti =
      i.minimoEscluso ? "maggiore di " + numero(i.minimo) + " e non superiore a " + numero(i.massimo)
                      : "compreso tra " + numero(i.minimo) + " e " + numero(i.massimo);
  const std::string valoreLetto = std::isfinite(valore)
                                      ? TestoValore(g, valore, nome)
                                      : (nome.empty() ? i.nome : nome) + " non è un numero finito";
  return valoreLetto + ": deve essere " + limiti + unita + ";\r\n" + i.motivo + ".";
}

std::string CopriferroFuori(double copriferro, double lato, double barra, const std::string& nome) {
  const double spazio = lato / 2 - barra;
  if (copriferro >= 0 && copriferro < spazio) return "";
  return nome + " = " + Numero(copriferro) + " mm: deve essere maggiore o uguale a 0 e minore di " +
         Numero(spazio) +
         " mm;\r\nle barre devono stare a più di un diametro dal centro della sezione.";
}

}  // namespace Intervalli
