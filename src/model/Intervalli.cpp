#include "model/Intervalli.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

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
    {"fck", 8, 90, false, Nmm2, 1,
     "dal calcestruzzo più debole delle normative, C8/10; per calcestruzzi più resistenti di "
     "fck 90 le normative non danno il legame costitutivo"},
    // fck 8 x 0.85 / (3 x 3) = 0.76, γc and FC at their largest; 0.4 leaves
    // room for a smaller αcc.
    {"fcd", 0.4, 100, false, Nmm2, 1,
     "resistenza di progetto di un calcestruzzo da fck 8 a fck 90"},
    {"fcc/fcd", 0, 1, true, "", 1, "la resistenza sotto sola forza assiale non supera fcd"},
    {"αcc", 0, 1, true, "", 1, "il coefficiente di lunga durata riduce la resistenza"},
    {"γc", 1, 3, false, "", 1, Resistenze},
    {"γs", 1, 3, false, "", 1, Resistenze},
    {"Es", 100000, 300000, false, Nmm2, 1, "modulo degli acciai da armatura e da precompressione"},
    // fyk 200 / (3 x 3): γs and FC at their largest, 22.2 rounded down.
    {"fyd delle barre", 20, 2000, false, Nmm2, 1,
     "fyk da 200 diviso per γs e FC fino a 3; nessun acciaio da armatura è più resistente"},
    // fyk 200 / 3: a tendon's fyd is the fyk of its steel over γs alone.
    {"fyd dei cavi", 60, 2000, false, Nmm2, 1,
     "0 se i cavi non hanno acciaio, altrimenti fyk da 200 diviso per γs fino a 3; nessun "
     "acciaio da precompressione è più resistente",
     true},
    {"fyk", 200, 2000, false, Nmm2, 1,
     "gli acciai lisci più dolci delle normative passate hanno fyk 215; nessun acciaio da "
     "armatura è più resistente"},
    {"εcu", 0.002, 0.02, false, PerMille, 1000,
     "accorciamento ultimo, 2.6 ‰ a fck 90, fino a quello del calcestruzzo confinato"},
    {"εc2", 0.001, 0.02, false, PerMille, 1000,
     "accorciamento al limite della parabola, 2 ‰ per fck fino a 50"},
    {"εsu", 0.005, 0.1, false, PerMille, 1000,
     "allungamento ultimo degli acciai, 10 ‰ il più piccolo delle normative"},
    {"n", 1, 100, false, "", 1, "rapporto fra i moduli di acciaio e calcestruzzo"},
    {"Rck", 10, 110, false, Nmm2, 1, "calcestruzzi da C8/10 a fck 90"},
    // 6 + (10 - 15) / 4 = 4.75 at Rck 10.
    {"σc amm.", 4, 40, false, Nmm2, 1, "tensione ammissibile di un calcestruzzo da Rck 10 a Rck 110"},
    {"σs amm.", 100, 2000, false, Nmm2, 1,
     "0 se non data, altrimenti dall'acciaio più dolce (115 del FeB22k); nessun acciaio è più "
     "resistente",
     true},
    // τc0 = 0.4 + (10 - 15) / 75 = 0.333 at Rck 10.
    {"τc", 0.3, 10, false, Nmm2, 1, "tensione tangenziale ammissibile di un calcestruzzo da Rck 10"},
    {"FC", 1, 3, false, "", 1, Resistenze},
    {"γ azioni", 1, 3, false, "", 1,
     "un coefficiente parziale non riduce le azioni né le moltiplica oltre 3"},
    {"Le coordinate", -LunghezzaMassima, LunghezzaMassima, false, "mm", 1,
     "una sezione sta entro 100 m"},
    {"La lunghezza", 0, LunghezzaMassima, true, "mm", 1, "un elemento misura fino a 100 m"},
    {"La lunghezza libera", 0, LunghezzaMassima, false, "mm", 1, "un pilastro misura fino a 100 m"},
    {"L'area dell'acciaio", 0, LunghezzaMassima * LunghezzaMassima, false, "mm²", 1,
     "un'area non è negativa e non supera quella di una sezione di 100 m per 100 m"},
    {"La precompressione dei cavi", -2000, 2000, false, Nmm2, 1,
     "nessun acciaio da precompressione è più resistente"},
    {"La forza", -ForzaMassima, ForzaMassima, false, "kN", 1e-3,
     "più di quanto una sezione di 100 m potrebbe portare"},
    {"Il momento", -ForzaMassima * LunghezzaMassima, ForzaMassima * LunghezzaMassima, false, "kNm",
     1e-6, "più di quanto una sezione di 100 m potrebbe portare"},
    {"L'angolo dell'asse neutro", -360, 360, false, "°", 1,
     "un giro basta a dare ogni direzione dell'asse neutro"},
    // A hollow circle of n sides is an outline of 2n + 2 vertices.
    {"Il numero di vertici", 3, 16382, false, "", 1,
     "un contorno ha al più 32767 vertici e il cerchio cavo ne usa due per lato, più due"},
    {"μφ", 1, 100, false, "", 1,
     "la duttilità in curvatura non è minore di 1 e nemmeno una sezione confinata ne dà più di "
     "qualche decina"},
    {"q0", 1, 6.75, false, "", 1,
     "il più alto fattore di struttura di base è quello dei telai in alta duttilità con il "
     "massimo αu/α1 ammesso"},
    {"Il periodo", 0, 10, false, "s", 1, "periodi propri di edifici e periodi degli spettri"},
    // 0 is "not given": the capacity rule then takes 1.
    {"r", 0, 10, false, "", 1,
     "rapporto fra i momenti resistenti delle travi e dei pilastri che si incontrano nel nodo"},
    // 4 mm, the thinnest stirrup a check takes; 50 mm, the thickest bar rolled.
    {"Il diametro", 4, 50, false, "mm", 1, "dalla staffa più sottile alla barra più grossa"},
};
static_assert(std::size(Tabella) == static_cast<std::size_t>(Grandezza::Diametro) + 1);

double Arrotondato(double v, int cifre) {
  char testo[40];
  std::snprintf(testo, sizeof testo, "%.*g", cifre, v);
  return std::strtod(testo, nullptr);
}

// Seven significant digits: a value read into a float shows as written.
std::string Numero(double v) { return Formattazione::TestoNumero(Arrotondato(v, 7)); }

// The unit a sentence gives values of i in, after a blank, and a value of
// i in it. A length or area typed in a window is given back in the window's
// unit.
struct Misura {
  std::string unita;
  std::function<double(double)> in;
};

Misura MisuraDi(const Intervallo& i, Lunghezze lunghezze) {
  using namespace VariabiliPubbliche;
  if (lunghezze == Lunghezze::Mostrate && std::string_view(i.unita) == "mm")
    return {" " + Stato.UnitaLunghezza, LunghezzaDaMm};
  if (lunghezze == Lunghezze::Mostrate && std::string_view(i.unita) == "mm²")
    return {" " + Stato.UnitaLunghezza + "²", AreaDaMm2};
  return {*i.unita ? std::string(" ") + i.unita : "", [s = i.scala](double v) { return v * s; }};
}

}  // namespace

const Intervallo& Di(Grandezza g) { return Tabella[static_cast<int>(g)]; }

bool Dentro(Grandezza g, double valore) {
  const Intervallo& i = Di(g);
  if (i.zeroAmmesso && valore == 0) return true;
  if (!std::isfinite(valore) || valore > i.massimo) return false;
  return i.minimoEscluso ? valore > i.minimo : valore >= i.minimo;
}

std::string TestoValore(Grandezza g, double valore, const std::string& nome,
                        Lunghezze lunghezze) {
  const Intervallo& i = Di(g);
  const Misura m = MisuraDi(i, lunghezze);
  return (nome.empty() ? i.nome : nome) + " = " + Numero(m.in(valore)) + m.unita;
}

namespace {

// A value refused shown with the digits it takes to be outside its range too:
// 90.0000001 is not "90" beside "tra 8 e 90".
std::string NumeroFuori(const Intervallo& i, const Misura& m, double valore) {
  const double minimo = m.in(i.minimo), massimo = m.in(i.massimo), v = m.in(valore);
  const auto fuori = [&](double x) {
    if (x == 0 && i.zeroAmmesso) return false;
    return x > massimo || (i.minimoEscluso ? x <= minimo : x < minimo);
  };
  // TestoNumero shows up to 15 digits.
  for (int cifre = 7;; ++cifre) {
    const double mostrato = Arrotondato(v, cifre);
    if (fuori(mostrato) || cifre == 15) return Formattazione::TestoNumero(mostrato);
  }
}

}  // namespace

std::string FuoriIntervallo(Grandezza g, double valore, const std::string& nome,
                            Lunghezze lunghezze) {
  if (Dentro(g, valore)) return "";
  const Intervallo& i = Di(g);
  const Misura m = MisuraDi(i, lunghezze);
  const auto numero = [&](double v) { return Numero(m.in(v)); };
  const std::string limiti =
      std::string(i.zeroAmmesso ? "0 oppure " : "") +
      (i.minimoEscluso ? "maggiore di " + numero(i.minimo) + " e non superiore a " + numero(i.massimo)
                      : "compreso tra " + numero(i.minimo) + " e " + numero(i.massimo));
  const std::string chi = nome.empty() ? i.nome : nome;
  const std::string valoreLetto = std::isfinite(valore)
                                      ? chi + " = " + NumeroFuori(i, m, valore) + m.unita
                                      : chi + " non è un numero finito";
  return valoreLetto + ": deve essere " + limiti + m.unita + ";\r\n" + i.motivo + ".";
}

namespace {

// Empty when copriferro is from 0 to spazio, spazio itself with compreso;
// otherwise the sentence of the cover, with its reason. The room, a
// difference of 32-bit values, is given to the 6 digits it keeps.
std::string CopriferroOltre(double copriferro, double spazio, bool compreso,
                            const std::string& nome, const char* motivo) {
  if (copriferro >= 0 && (copriferro < spazio || (compreso && copriferro == spazio))) return "";
  const Misura m = MisuraDi(Di(Grandezza::Lunghezza), Lunghezze::Mostrate);
  return nome + " = " + Numero(m.in(copriferro)) + m.unita +
         ": deve essere maggiore o uguale a 0 e " + (compreso ? "non maggiore di " : "minore di ") +
         Numero(Arrotondato(m.in(spazio), 6)) + m.unita + ";\r\n" + motivo;
}

}  // namespace

std::string CopriferroFuori(double copriferro, double lato, double barra, const std::string& nome) {
  return CopriferroOltre(copriferro, lato / 2 - barra, false, nome,
                         "le barre devono stare a più di un diametro dal centro della sezione.");
}

std::string LatoSenzaCopriferro(double lato, double minimo, const std::string& nome) {
  const Misura m = MisuraDi(Di(Grandezza::Lunghezza), Lunghezze::Mostrate);
  return nome + " = " + Numero(m.in(lato)) + m.unita + ": deve essere maggiore di " +
         Numero(Arrotondato(m.in(minimo), 6)) + m.unita +
         ";\r\nil lato deve contenere le staffe e le barre a più di un diametro dal centro.";
}

std::string CopriferroCerchioFuori(double copriferro, double raggio, double raggioInterno,
                                   const std::string& nome) {
  if (raggioInterno > 0)
    return CopriferroOltre(copriferro, raggio - raggioInterno, true, nome,
                           "le barre sul cerchio devono stare nel calcestruzzo, fra il bordo e il foro.");
  return CopriferroOltre(copriferro, raggio, false, nome,
                         "le barre sul cerchio devono stare nel calcestruzzo, fra il bordo e il centro.");
}

std::optional<int> Conteggio(const std::string& testo, int massimo) {
  const std::optional<double> n = Generale::NumeroTesto(testo);
  if (!n || *n < 0 || *n > massimo || std::floor(*n) != *n) return std::nullopt;
  return static_cast<int>(*n);
}

std::string NumeroBarreFuori(const std::string& testo, const std::string& nome, int massimo) {
  if (Conteggio(testo, massimo)) return "";
  const std::size_t inizio = testo.find_first_not_of(" \t");
  const std::string letto =
      inizio == std::string::npos ? "\"\"" : testo.substr(inizio, testo.find_last_not_of(" \t") + 1 - inizio);
  return nome + " = " + letto + ": deve essere un numero intero compreso tra 0 e " +
         std::to_string(massimo) + ";\r\nle barre si contano intere.";
}

std::string CopriferroOltreLeCorde(double copriferro, double raggio, int vertici,
                                   const std::string& nome) {
  const Misura m = MisuraDi(Di(Grandezza::Lunghezza), Lunghezze::Mostrate);
  const std::string freccia =
      Numero(Arrotondato(m.in(raggio * (1 - std::cos(Matematica::Pi / vertici))), 6)) + m.unita;
  return nome + " = " + Numero(m.in(copriferro)) + m.unita + ": con " + std::to_string(vertici) +
         " vertici il cerchio è un poligono i cui lati stanno fino a " + freccia +
         " dentro il bordo, e le barre cadono fuori dal calcestruzzo;\r\naumentare il copriferro "
         "ad almeno " + freccia + " (più quanto serve alla barra) o il numero di vertici del cerchio.";
}

}  // namespace Intervalli
