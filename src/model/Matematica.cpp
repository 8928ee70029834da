#include "model/Matematica.h"

#include <cmath>
#include <string>

#include "platform/MsgBox.h"

using platform::Icona;
using platform::MsgBox;
using platform::Pulsanti;
using platform::Risposta;

namespace Matematica {

double RadiceRegulaFalsi(Equazione& oggetto, double& x1, double& x2, double tolleranza,
                         const std::optional<double>& parametro, bool* trovata) {
  auto esito = [trovata](bool ok, double x) {
    if (trovata) *trovata = ok;
    return x;
  };
  double f1 = oggetto.yEquazione(x1, parametro);
  if (std::fabs(f1) < tolleranza) return esito(true, x1);
  double f2 = oggetto.yEquazione(x2, parametro);
  if (std::fabs(f2) < tolleranza) return esito(true, x2);
  if (f1 * f2 > 0) {
    MsgBox("ERRORE! La funzione non cambia segno fra x1 e x2", Pulsanti::Ok, Icona::Critica);
    return esito(false, 0);
  }
  int limite = 100;
  int k = 0;
  for (;;) {
    // Equal residuals give no secant: the search cannot go on.
    if (f2 == f1) break;
    double x3 = x2 - f2 * (x2 - x1) / (f2 - f1);
    const double f3 = oggetto.yEquazione(x3, parametro);
    if (std::fabs(f3) < tolleranza) return esito(true, x3);
    if (f3 * f2 <= 0) {
      x1 = x2;
      f1 = f2;
    } else {
      f1 = f1 / 2;
    }
    x2 = x3;
    f2 = f3;
    ++k;
    if (k <= limite) continue;
    const std::string domanda = "ERRORE! Il procedimento non converge!\rSuperate " +
                                std::to_string(k) + " iterazioni.\rProseguire ?";
    if (MsgBox(domanda, Pulsanti::SiNo) != Risposta::Si) break;
    limite += 100;
  }
  MsgBox("ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
  return esito(false, 0);
}

double AngoloVettoreAssi(double y, double x) {
  if (y == 0 && x == 0) return 0;
  if ((y > 0 && x > 0) || (y < 0 && x < 0)) return Pi / 2;
  if (x == 0) return y > 0 ? Pi / 2 : TrePi / 2;
  return TrePi / 2;
}

double AngoloVettore(double y, double x) {
  if (x == 0) return AngoloVettoreAssi(y, x);
  const double rapporto = y / x;
  if (!std::isfinite(rapporto)) return AngoloVettoreAssi(y, x);
  double a = std::atan(rapporto);
  if (x > 0) {
    if (y < 0) a += DuePi;
  } else {
    a += Pi;
  }
  return a;
}

double yInterpola(double x, double x1, double y1, double x2, double y2) {
  if (x2 - x1 == 0) return y1;
  const double y = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
  if (!std::isfinite(y)) {
    MsgBox("Errore nella funzione yInterpola", Pulsanti::Ok, Icona::Critica);
    return 0;
  }
  return y;
}

double ArcoSeno(double x) { return std::atan(x / std::sqrt(1 - x * x)); }

bool RadiciSecondoGrado(double a, double b, double c, double& r1, double& r2) {
  const double d = b * b - 4 * a * c;
  if (d < 0) return false;
  r1 = (-b + std::sqrt(d)) / 2 / a;
  r2 = (-b - std::sqrt(d)) / 2 / a;
  return true;
}

bool StessoSegno(double a, double b) {
  return (a > 0 && b > 0) || (a < 0 && b < 0) || (a == 0 && b == 0);
}

bool NumeroPari(double x) { return x == std::floor(x / 2) * 2; }

bool NumeroDispari(double x) { return !NumeroPari(x); }

}  // namespace Matematica
