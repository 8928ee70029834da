#pragma once
// The prescription list: one text per rule the column breaks, in the order
// the rules ran. Inside a text "Omega_", "_Teta_", "_Gamma_" and "_r_" stand
// for the Greek letters omega, theta, gamma and rho.
#include <string>
#include <vector>

namespace Sismica {

using Prescrizioni = std::vector<std::string>;

// The texts one per line (CR LF between them), or "OK prescrizioni".
std::string TestoPrescrizioni(const Prescrizioni& coll);

// A text with its placeholders turned into Greek letters; Simboli holds the
// positions (characters from 0) of the letters, which the list shows at size 12.
struct TestoSimboli {
  std::string Testo;
  std::vector<int> Simboli;
};

// Replaces the first n placeholders of the table, in table order, each
// wherever it stands (letter case as written).
TestoSimboli SostituisciSimboli(const std::string& testo, int n = 4);

}  // namespace Sismica
