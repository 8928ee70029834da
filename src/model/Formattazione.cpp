#include "model/Formattazione.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "drawing/Grafica.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/TestoUtf8.h"
#include "platform/MsgBox.h"
#include "platform/NumeroScritto.h"
#include "platform/Sistema.h"

namespace Formattazione {
namespace {

std::string Zeri(int n) { return std::string(static_cast<std::size_t>(std::max(n, 0)), '0'); }

// The significant digits of a "%.15g" text of a value > 0 (at most 15, no
// trailing zeros) and the place of the point: value = 0.cifre x 10^punto.
struct CifreTesto {
  std::string cifre;
  int punto = 0;
};

CifreTesto CifreDelTesto(const char* testo, const char* fine) {
  CifreTesto c;
  const char* e = std::find(testo, fine, 'e');
  int interi = 0, zeriDopoPunto = 0;
  bool dopoPunto = false;
  for (const char* q = testo; q != e; ++q) {
    if (*q == '.') {
      dopoPunto = true;
    } else if (c.cifre.empty() && *q == '0') {
      if (dopoPunto) ++zeriDopoPunto;
    } else {
      c.cifre += *q;
      if (!dopoPunto) ++interi;
    }
  }
  int esponente = 0;
  if (e != fine) std::from_chars(e + 1 + (e[1] == '+'), fine, esponente);
  c.punto = interi - zeriDopoPunto + esponente;
  return c;
}

// The first k digits, zeros added, rounded half away from zero; a carry out
// of the first digit adds a digit in front.
void Arrotonda(CifreTesto& c, int k) {
  const auto n = static_cast<std::size_t>(k);
  const bool perEccesso = n < c.cifre.size() && c.cifre[n] >= '5';
  c.cifre.resize(n, '0');
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

}  // namespace

std::string FormattaCifreSignificative(int n, double x, std::string* schema) {
  if (!std::isfinite(x)) {
    if (schema) schema->clear();
    return TestoNonFinito;
  }
  // Digits before the decimal point; <= 0 below 1.
  const int k = static_cast<int>(std::floor(Grafica::Log10(std::fabs(x)) + 0.000001)) + 1;
  std::string modello;
  std::string testo = " 0";
  if (k > -19) {
    modello = "#,##0";
    if (std::fabs(x) <= 1 || k < n) modello += "." + Zeri(n - k);
    testo = Formato(x, modello);
    if (x >= 0) testo.insert(0, " ");
  }
  if (schema) *schema = modello;
  return testo;
}

std::string FormattaMaxCaratteri(int n, int m, double x, std::string* schema) {
  const std::string testo = FormattaCifreSignificative(n, x, schema);
  if (TestoUtf8::NumeroCaratteri(testo) <= m) return testo;
  if (m < n + 6) platform::MsgBox("n. caratteri minimo = " + std::to_string(n + 6));
  // The pattern's blank is the sign position: a negative value puts its "-" there.
  const std::string mantissa = "0." + Zeri(n - 1) + "E+00";
  if (schema) *schema = " " + mantissa;
  return (x < 0 ? "-" : " ") + Formato(std::fabs(x), mantissa);
}

std::string FormattaNumero(int n, int m, double x, bool togliBlanco) {
  if (!std::isfinite(x)) return TestoNonFinito;
  std::string s = FormattaMaxCaratteri(n, m, x);
  const std::string d = SeparatoreDecimale();
  if (s.find(d) != std::string::npos) {
    int i = 0;
    while (ZeroFinaleMantissa(s, i)) s = Generale::TogliCarattere(s, i);
    const std::size_t e = s.find('E');
    const std::size_t fineMantissa = (e == std::string::npos) ? s.size() : e;
    if (fineMantissa >= d.size() && s.compare(fineMantissa - d.size(), d.size(), d) == 0)
      s.erase(fineMantissa - d.size(), d.size());
  }
  if (x > 0 && togliBlanco) s = Generale::TogliCarattere(s, 1);
  return s;
}

bool ZeroFinaleMantissa(const std::string& testo, int& posizione) {
  const std::size_t e = testo.find('E');
  const int i = TestoUtf8::NumeroCaratteri(e == std::string::npos ? testo : testo.substr(0, e));
  if (i > 0 && testo[TestoUtf8::InizioCarattere(testo, i)] == '0') {
    posizione = i;
    return true;
  }
  return false;
}

std::string SeparatoreDecimale() { return platform::SistemaCorrente().SeparatoreDecimale(); }

std::string FormattaMigliaia(int n, double x, std::string* schema) {
  if (!std::isfinite(x)) {
    if (schema) schema->clear();
    return TestoNonFinito;
  }
  const double a = std::fabs(x);
  const std::string segno = x < 0 ? "-" : " ";
  // The plain text is TestoNumero's: its characters decide the pattern.
  char buffer[40];
  const char* testo = buffer;
  const char* fine =
      std::to_chars(buffer, buffer + sizeof buffer, a, std::chars_format::general, 15).ptr;
  const char* punto = std::find(testo, fine, '.');
  const platform::Sistema& sistema = platform::SistemaCorrente();
  const std::string decimale = sistema.SeparatoreDecimale();
  const int lunghezza = static_cast<int>(fine - testo) +
                        (punto != fine ? TestoUtf8::NumeroCaratteri(decimale) - 1 : 0);
  const int p = punto != fine ? static_cast<int>(punto - testo) + 1 : 0;
  int cifre = lunghezza;  // all digits
  int intere = lunghezza;
  if (p > 0 && a >= 1) {
    cifre = lunghezza - 1;
    intere = p - 1;
  } else if (p > 0) {
    cifre = lunghezza - 2;
    intere = 0;
  }
  if (cifre < n) {
    if (schema) schema->clear();
    return segno + platform::NumeroLocale(std::string(testo, fine));
  }
  const bool esponenziale = a < 1;
  const int decimali = esponenziale || intere >= n ? 0 : n - intere;
  if (schema)
    *schema = esponenziale ? "#." + Zeri(n - 1) + "E+00"
                           : (decimali == 0 ? "#,##0" : "#,##0." + Zeri(decimali));
  if (a == 0) return segno + Formato(a, "#." + Zeri(n - 1) + "E+00");

  CifreTesto c = CifreDelTesto(testo, fine);
  Arrotonda(c, esponenziale ? n : c.punto + decimali);
  std::string t = segno;
  if (esponenziale) {
    const int esponente = c.punto - 1;
    t += c.cifre[0];
    t += decimale;
    t.append(c.cifre, 1, static_cast<std::size_t>(n - 1));  // a carry's last zero dropped
    t += esponente < 0 ? "E-" : "E+";
    if (std::abs(esponente) < 10) t += '0';
    t += std::to_string(std::abs(esponente));
    return t;
  }
  const std::string migliaia = sistema.SeparatoreMigliaia();
  for (int i = 0; i < c.punto; ++i) {
    if (i > 0 && (c.punto - i) % 3 == 0) t += migliaia;
    t += c.cifre[static_cast<std::size_t>(i)];
  }
  if (decimali > 0) {
    t += decimale;
    t.append(c.cifre, static_cast<std::size_t>(c.punto));
  }
  return t;
}

}  // namespace Formattazione
