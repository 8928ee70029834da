#pragma once
// A section case file: plain text, one "key = value" per line, "#" starts a
// comment. Values are numbers separated by blanks ("." decimals) or one word;
// a list key given on several lines collects all of them. Expected results
// are "expect.<field> = value tolerance" or "expect.text.<control>.<index> =
// "text"". The format is described in tests/cases/README.md.
#include <map>
#include <optional>
#include <string>
#include <vector>

struct AttesaNumero {
  std::string campo;
  double valore;
  double tolleranza;
  int riga;
};

struct AttesaTesto {
  std::string controllo;  // "F_Mu.0"
  std::string testo;
  int riga;
};

struct Caso {
  std::string nome;  // file name
  std::map<std::string, std::vector<double>> numeri;
  std::map<std::string, std::string> parole;
  std::vector<AttesaNumero> attese;
  std::vector<AttesaTesto> testiAttesi;

  bool Ha(const std::string& chiave) const;
  // The single number of a key, or the default when the key is absent.
  double Numero(const std::string& chiave, double predefinito) const;
  // The list of a key; empty when absent.
  const std::vector<double>& Lista(const std::string& chiave) const;
  std::string Parola(const std::string& chiave, const std::string& predefinita) const;
};

// Reads a case file; on a malformed line, errore gets "file:line: reason".
std::optional<Caso> LeggiCaso(const std::string& percorso, std::string& errore);

// The case files (*.caso) of a folder, sorted by name.
std::vector<std::string> FileCasi(const std::string& cartella);
