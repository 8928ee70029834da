#pragma once
// Services every window leans on: the start-up environment (program and data
// folders, the regional separators and their check), numbers typed in boxes,
// the decimal key of the numeric keypad, select-all on focus, file names, the
// Windows folder and the end of the program.
#include <cmath>
#include <string>

#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "platform/Form.h"

namespace Generale {

struct StatoGenerale {
  // Code points of the regional separators read at start-up; the thousands
  // code is 0 when the locale has none, or the same as the decimal one.
  int CodiceSeparatoreDecimale = 0;
  int CodiceSeparatoreMigliaia = 0;
  // The keypad's decimal key went down and its character is still to come.
  bool TastoDecimaleTastierino = false;
};

inline StatoGenerale Stato;

// Key code of the numeric keypad's decimal key.
inline constexpr int TastoDecimale = 110;

// A text box whose selection can be set.
class CasellaTesto {
 public:
  virtual ~CasellaTesto() = default;
  virtual std::string Text() const = 0;
  virtual void SetSelStart(int inizio) = 0;
  virtual void SetSelLength(int lunghezza) = 0;
};

// CartellaProgramma = the folder of the program, CartellaDati = the current
// folder; the program folder becomes the current folder; then the separators
// are checked with the (hidden) text box.
void InizializzaGenerale(platform::Control& casella);

// Reads the regional separators and checks that a grouped number reads back;
// unusable or unusual separators are reported, and start-up goes on.
void ControllaSeparatori(platform::Control& casella);

// A box's text that is no number, for a window that names the box.
class CasellaNonNumerica : public NumeroNonValido {
 public:
  CasellaNonNumerica(const platform::Control& casella, const NumeroNonValido& motivo)
      : NumeroNonValido(motivo), Casella(&casella) {}
  const platform::Control* Casella;
};

// The number typed in the box; CasellaNonNumerica where ValNumero refuses it.
double ValNumero(const platform::Control& casella);

// Empty when the text typed in a box is a number (NumeroCasella) whose value
// times scala is inside the range of g; otherwise why not, the data error for
// a text that is no number.
std::string FuoriIntervalloCasella(const std::string& testo, Intervalli::Grandezza g,
                                   const std::string& nome = "", double scala = 1);

// A value of the program state taken from its box only when the box no longer
// shows the text the program wrote for it: a value the program computed keeps
// every digit, whatever the box shows. The box shows the value times
// 10^potenza (3 for a strain per mille), written by testo. True when the
// box was read.
template <class T, class F>
bool LeggeSeModificato(const platform::Control& casella, T& valore, F testo, int potenza = 0) {
  if (casella.Text() == testo(valore * std::pow(10.0, potenza))) return false;
  valore = static_cast<T>(DivisoPotenzaDieci(ValNumero(casella), potenza));
  return true;
}

// From a window's key-down event: notes the keypad's decimal key.
void TastoGiuNumerico(int codiceTasto);
// From the key-press event that follows: the keypad's character becomes the
// regional decimal separator.
void TastoPremutoNumerico(int& carattere);

// Selects the whole text, so that typing replaces it.
void SelezionaTesto(CasellaTesto& casella);

// The file's name without folder and without its last extension.
std::string NomeBaseFile(const std::string& percorso);

std::string CartellaWindows();

// Closes every window and ends the program at once.
void ChiudiProgramma();

}  // namespace Generale
