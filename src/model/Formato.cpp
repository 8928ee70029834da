#include "model/Formato.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>

#include "platform/NumeroScritto.h"
#include "platform/Sistema.h"

namespace Formattazione {

// The 15 digits and the point of a "%.15g" text ('.', 'e'): its significant
// digits, the trailing zeros it leaves out put back.
Cifre CifreDaTestoG(const char* t, const char* fine) {
  Cifre c;
  int interi = 0, zeriDopoPunto = 0;
  bool dopoPunto = false;
  const char* e = std::find(t, fine, 'e');
  for (const char* p = t; p != e; ++p) {
    if (*p == '.') {
      dopoPunto = true;
    } else if (c.cifre.empty() && *p == '0') {
      if (dopoPunto) ++zeriDopoPunto;
    } else {
      c.cifre += *p;
      if (!dopoPunto) ++interi;
    }
  }
  if (c.cifre.empty()) return {std::string(15, '0'), 1};
  c.punto = interi - zeriDopoPunto + (e != fine ? std::atoi(e + 1) : 0);
  c.cifre.resize(15, '0');
  return c;
}

// Keeps the first k digits, rounding half away from zero; a carry out of the
// first digit adds a digit in front.
void Arrotonda(Cifre& c, int k) {
  if (k < 0) {
    c.cifre.clear();
    return;
  }
  const auto n = static_cast<std::size_t>(k);
  if (n >= c.cifre.size()) {
    c.cifre.resize(n, '0');
    return;
  }
  const bool perEccesso = c.cifre[n] >= '5';
  c.cifre.resize(n);
  if (!perEccesso) return;
  std::size_t j = n;
  while (j > 0 && c.cifre[j - 1] == '9') c.cifre[--j] = '0';
  if (j > 0) {
    ++c.cifre[j - 1];
  } else {
    c.cifre.insert(c.cifre.begin(), '1');
    ++c.punto;
  }
}

namespace {

struct Schema {
  std::string prefisso;
  int interiMin = 0;  // "0" of the integer part
  int interiTot = 0;  // "0" and "#" of the integer part
  bool raggruppa = false;
  bool punto = false;
  int decimaliMin = 0;  // up to the last "0" of the decimals
  int decimaliMax = 0;
  bool esponente = false;
  char lettera = 'E';
  bool segnoSempre = false;  // "E+": the exponent's sign is always written
  int cifreEsponente = 0;
  std::string suffisso;
};

bool Segnaposto(char c) { return c == '0' || c == '#'; }

Schema Analizza(const std::string& s) {
  Schema sc;
  std::size_t i = 0;
  while (i < s.size() && !Segnaposto(s[i]) && s[i] != '.') sc.prefisso += s[i++];
  for (; i < s.size() && (Segnaposto(s[i]) || s[i] == ','); ++i) {
    if (s[i] == ',') {
      sc.raggruppa = true;
    } else {
      ++sc.interiTot;
      if (s[i] == '0') ++sc.interiMin;
    }
  }
  if (i < s.size() && s[i] == '.') {
    sc.punto = true;
    for (++i; i < s.size() && Segnaposto(s[i]); ++i) {
      ++sc.decimaliMax;
      if (s[i] == '0') sc.decimaliMin = sc.decimaliMax;
    }
  }
  if (i + 1 < s.size() && (s[i] == 'E' || s[i] == 'e') && (s[i + 1] == '+' || s[i + 1] == '-')) {
    sc.esponente = true;
    sc.lettera = s[i];
    sc.segnoSempre = s[i + 1] == '+';
    for (i += 2; i < s.size() && Segnaposto(s[i]); ++i) ++sc.cifreEsponente;
  }
  sc.suffisso = s.substr(i);
  return sc;
}

// The last value TestoNumero wrote, in 15 significant digits: a number
// written as text and then formatted (FormattaMigliaia) is converted once.
struct UltimoTesto {
  std::uint64_t bit = 0;
  bool valido = false;
  Cifre cifre;
};
thread_local UltimoTesto ultimoTesto;

Cifre CifreDecimali(double v) {
  if (ultimoTesto.valido && ultimoTesto.bit == std::bit_cast<std::uint64_t>(v))
    return ultimoTesto.cifre;
  char buf[40];
  char* fine = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, 14).ptr;
  *fine = '\0';  // d.dddddddddddddde+XX
  const char* e = std::find(buf, fine, 'e');
  Cifre c{std::string(static_cast<const char*>(buf), e), std::atoi(e + 1) + 1};
  c.cifre.erase(1, 1);  // the point
  return c;
}

std::string Raggruppa(const std::string& intera, const std::string& separatore) {
  std::string t;
  const int n = static_cast<int>(intera.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) t += separatore;
    t += intera[static_cast<std::size_t>(i)];
  }
  return t;
}

struct Parti {
  std::string intera;
  std::string decimali;
  std::string esponente;
};

Parti PartiFisse(double v, const Schema& sc) {
  Cifre c = CifreDecimali(v);
  Arrotonda(c, c.punto + sc.decimaliMax);
  Parti p;
  if (c.punto > 0) {
    p.intera = c.cifre.substr(0, static_cast<std::size_t>(c.punto));
    p.decimali = c.cifre.substr(static_cast<std::size_t>(c.punto));
  } else {
    p.decimali = std::string(static_cast<std::size_t>(-c.punto), '0') + c.cifre;
  }
  p.decimali.resize(static_cast<std::size_t>(sc.decimaliMax), '0');
  p.intera.erase(0, p.intera.find_first_not_of('0'));
  if (static_cast<int>(p.intera.size()) < sc.interiMin)
    p.intera.insert(0, static_cast<std::size_t>(sc.interiMin) - p.intera.size(), '0');
  return p;
}

Parti PartiEsponenziali(double v, const Schema& sc) {
  const int interi = std::max(1, sc.interiTot);
  const int significative = interi + sc.decimaliMax;
  Cifre c{std::string(static_cast<std::size_t>(significative), '0'), interi};
  if (v != 0) {
    c = CifreDecimali(v);
    Arrotonda(c, significative);
    c.cifre.resize(static_cast<std::size_t>(significative));
  }
  const int esp = c.punto - interi;
  std::string cifreEsp = std::to_string(std::abs(esp));
  if (static_cast<int>(cifreEsp.size()) < sc.cifreEsponente)
    cifreEsp.insert(0, static_cast<std::size_t>(sc.cifreEsponente) - cifreEsp.size(), '0');
  const std::string segno = esp < 0 ? "-" : (sc.segnoSempre ? "+" : "");
  return {c.cifre.substr(0, static_cast<std::size_t>(interi)),
          c.cifre.substr(static_cast<std::size_t>(interi)), sc.lettera + segno + cifreEsp};
}

bool TuttiZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

// The patterns in use are few: each is read once.
const Schema& SchemaDi(const std::string& schema) {
  thread_local std::map<std::string, Schema, std::less<>> letti;
  const auto trovato = letti.find(schema);
  if (trovato != letti.end()) return trovato->second;
  if (letti.size() >= 64) letti.clear();
  return letti.emplace(schema, Analizza(schema)).first->second;
}

}  // namespace

std::string Formato(double x, const std::string& schema) {
  if (!std::isfinite(x)) return TestoNumero(x);
  const platform::Sistema& sistema = platform::SistemaCorrente();
  const Schema& sc = SchemaDi(schema);
  Parti p = sc.esponente ? PartiEsponenziali(std::fabs(x), sc) : PartiFisse(std::fabs(x), sc);
  while (static_cast<int>(p.decimali.size()) > sc.decimaliMin && p.decimali.back() == '0')
    p.decimali.pop_back();
  const bool zero = TuttiZero(p.intera) && TuttiZero(p.decimali);

  std::string t = (x < 0 && !zero) ? "-" : "";
  t += sc.prefisso;
  const bool raggruppa = sc.raggruppa && !sc.esponente;
  t += raggruppa ? Raggruppa(p.intera, sistema.SeparatoreMigliaia()) : p.intera;
  if (sc.punto) t += sistema.SeparatoreDecimale() + p.decimali;
  t += p.esponente + sc.suffisso;
  return t;
}

std::string TestoNumero(double x) {
  if (!std::isfinite(x)) return TestoNonFinito;
  std::string cifre = platform::CifreNumero(x);
  ultimoTesto.valido = true;
  ultimoTesto.bit = std::bit_cast<std::uint64_t>(x == 0 ? 0.0 : x);
  ultimoTesto.cifre = CifreDaTestoG(cifre.data(), cifre.data() + cifre.size());
  return platform::NumeroLocale(std::move(cifre));
}

}  // namespace Formattazione
