#include "seismic/ListaPrescrizioni.h"

#include <algorithm>

#include "model/TestoUtf8.h"

namespace Sismica {
namespace {

struct Simbolo {
  const char* Segnaposto;
  const char* Lettera;
};

constexpr Simbolo Tabella[] = {
    {"Omega_", "\u03C9"}, {"_Teta_", "\u03B8"}, {"_Gamma_", "\u03B3"}, {"_r_", "\u03C1"}};

}  // namespace

std::string TestoPrescrizioni(const Prescrizioni& coll) {
  if (coll.empty()) return "OK prescrizioni";
  std::string testo = coll.front();
  for (size_t i = 1; i < coll.size(); ++i) testo += "\r\n" + coll[i];
  return testo;
}

TestoSimboli SostituisciSimboli(const std::string& testo, int n) {
  std::string risultato = testo;
  std::vector<size_t> inizi;  // byte offsets of the letters written
  for (int k = 0; k < std::min(n, static_cast<int>(std::size(Tabella))); ++k) {
    const std::string segnaposto = Tabella[k].Segnaposto;
    const std::string lettera = Tabella[k].Lettera;
    for (size_t p = risultato.find(segnaposto); p != std::string::npos;
         p = risultato.find(segnaposto, p + lettera.size())) {
      risultato.replace(p, segnaposto.size(), lettera);
      for (size_t& inizio : inizi)
        if (inizio > p) inizio = inizio + lettera.size() - segnaposto.size();
      inizi.push_back(p);
    }
  }
  std::sort(inizi.begin(), inizi.end());
  TestoSimboli esito{risultato, {}};
  for (size_t inizio : inizi)
    esito.Simboli.push_back(TestoUtf8::NumeroCaratteri(risultato.substr(0, inizio)));
  return esito;
}

}  // namespace Sismica
