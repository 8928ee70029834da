#pragma once
// The materials record block that the settings file and the project file
// share: steel and concrete designations and constants, confidence factors.
#include <string>

#include "app/FileDati.h"
#include "model/Intervalli.h"

namespace FileImpostazioni {

// Reads ("L") or writes ("S") the block at the current position of the file.
// Reading follows the layout of the file's version; writing always writes the
// current layout. Errors of the records pass on (see FileInOut). The reader
// checks the ranges once its whole file is read (AvvisaValoriSostituiti).
void BloccoMaterialiLeggeScrive(Generale::FileDati& file, const std::string& modo,
                                const std::string& versione);

// Every material constant and design parameter of the program state out of
// its range (see Intervalli) back to its default; one line a value replaced,
// empty when none was.
std::string SostituisceValoriFuoriIntervallo();

// The same, then one box that lists the values replaced, altri (lines of
// the file's own values replaced) after them, when there are any. Called
// after each file that fills those values is read whole.
void AvvisaValoriSostituiti(const std::string& altri = "");

// "nome = letto: sostituito con predefinito", a line of that box.
std::string Sostituito(Intervalli::Grandezza g, double letto, double predefinito,
                       const std::string& nome);

// campo x scala out of the range of g: campo becomes predefinito / scala
// and elenco gets its line.
template <class T>
void Sostituisce(std::string& elenco, Intervalli::Grandezza g, T& campo, double predefinito,
                 const std::string& nome, double scala = 1) {
  const double valore = static_cast<double>(campo) * scala;
  if (Intervalli::Dentro(g, valore)) return;
  elenco += Sostituito(g, valore, predefinito, nome);
  campo = static_cast<T>(predefinito / scala);
}

}  // namespace FileImpostazioni
