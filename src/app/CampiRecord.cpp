#include "app/CampiRecord.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "model/GeneraleTesto.h"

namespace Generale {
namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

bool UgualeSenzaMaiuscole(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return i == a.size() && b[i] == '\0';
}

// The text as the number reader takes it ("+" dropped, "D" as "e"), when
// the whole text is a number: sign, digits with one optional point, an
// optional exponent.
bool FormaNumero(const std::string& testo, std::string& numero) {
  std::size_t i = 0;
  numero.clear();
  if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) {
    if (testo[i] == '-') numero += '-';
    ++i;
  }
  std::size_t cifre = 0;
  auto copiaCifre = [&] {
    std::size_t n = 0;
    for (; i < testo.size() && Cifra(testo[i]); ++i, ++n) numero += testo[i];
    return n;
  };
  cifre += copiaCifre();
  if (i < testo.size() && testo[i] == '.') {
    numero += testo[i++];
    cifre += copiaCifre();
  }
  if (cifre == 0) return false;
  if (i < testo.size() && std::string("eEdD").find(testo[i]) != std::string::npos) {
    numero += 'e';
    ++i;
    if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) numero += testo[i++];
    if (copiaCifre() == 0) return false;
  }
  return i == testo.size();
}

[[noreturn]] void NonConvertibile(const CampoLetto& campo) {
  throw ErroreFile(ErroreTipo, "Campo non convertibile: " + campo.Testo);
}

template <class T>
T Numero(const CampoLetto& campo) {
  if (campo.Testo.empty()) throw ErroreFile(ErroreTipo, "Campo numerico vuoto");
  if (UgualeSenzaMaiuscole(campo.Testo, "#TRUE#")) return -1;
  if (UgualeSenzaMaiuscole(campo.Testo, "#FALSE#")) return 0;
  std::string numero;
  if (!FormaNumero(campo.Testo, numero)) NonConvertibile(campo);
  T valore{};
  const auto [fine, errore] = std::from_chars(numero.data(), numero.data() + numero.size(), valore);
  if (errore == std::errc::result_out_of_range)
    throw ErroreFile(ErroreOverflow, "Numero fuori dai limiti: " + campo.Testo);
  if (errore != std::errc() || fine != numero.data() + numero.size()) NonConvertibile(campo);
  return valore;
}

// Whole numbers round half to even, as the platform converts to its integers.
template <class T>
void AssegnaIntero(const CampoLetto& campo, T& variabile) {
  const double valore = std::nearbyint(Numero<double>(campo));
  if (valore < std::numeric_limits<T>::min() || valore > std::numeric_limits<T>::max())
    throw ErroreFile(ErroreOverflow, "Numero fuori dai limiti: " + campo.Testo);
  variabile = static_cast<T>(valore);
}

template <class T>
std::string TestoReale(T valore) {
  if (!std::isfinite(valore)) throw ErroreFile(ErroreTipo, "Numero non scrivibile");
  if (valore == 0) return "0";
  const T grandezza = std::fabs(valore);
  const auto formato = grandezza >= T(1e-4) && grandezza < T(1e15) ? std::chars_format::fixed
                                                                   : std::chars_format::scientific;
  char testo[64];
  const auto fine = std::to_chars(testo, testo + sizeof testo, valore, formato).ptr;
  std::string risultato(testo, fine);
  for (char& c : risultato)
    if (c == 'e') c = 'E';
  return risultato;
}

}  // namespace

void AssegnaCampo(const CampoLetto& campo, short& variabile) { AssegnaIntero(campo, variabile); }

void AssegnaCampo(const CampoLetto& campo, int& variabile) { AssegnaIntero(campo, variabile); }

void AssegnaCampo(const CampoLetto& campo, float& variabile) { variabile = Numero<float>(campo); }

void AssegnaCampo(const CampoLetto& campo, double& variabile) { variabile = Numero<double>(campo); }

void AssegnaCampo(const CampoLetto& campo, Singolo singolo) {
  singolo.Valore = Numero<float>(campo);
}

void AssegnaCampo(const CampoLetto& campo, bool& variabile) {
  variabile = Numero<double>(campo) != 0;
}

void AssegnaCampo(const CampoLetto& campo, std::string& variabile) { variabile = campo.Testo; }

void AssegnaCampo(const CampoLetto& campo, Cella cella) {
  cella.Valore = campo.TraVirgolette ? ValNumero(campo.Testo) : Numero<double>(campo);
}

std::string TestoCampo(short valore) { return std::to_string(valore); }

std::string TestoCampo(int valore) { return std::to_string(valore); }

std::string TestoCampo(float valore) { return TestoReale(valore); }

std::string TestoCampo(double valore) { return TestoReale(valore); }

std::string TestoCampo(bool valore) { return valore ? "#TRUE#" : "#FALSE#"; }

std::string TestoCampo(const std::string& valore) {
  return '"' + SostituisciACapo(SenzaVirgolette(valore), " ") + '"';
}

std::string TestoCampo(Cella cella) { return TestoReale(cella.Valore); }

std::string TestoCampo(Singolo singolo) { return TestoReale(static_cast<float>(singolo.Valore)); }

std::string SenzaVirgolette(const std::string& testo) {
  std::string risultato = testo;
  for (char& c : risultato)
    if (c == '"') c = '\'';
  return risultato;
}

std::string SostituisciACapo(const std::string& testo, const std::string& sostituto) {
  std::string risultato;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' || testo[i] == '\n') {
      if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
      risultato += sostituto;
    } else {
      risultato += testo[i];
    }
  }
  return risultato;
}

}  // namespace Generale
