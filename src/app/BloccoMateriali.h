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

// While one lives, the values out of their ranges are named, not replaced:
// a save stops on the first one its file would not read back as it stands.
class SoloControllo {
 public:
  SoloControllo();
  ~SoloControllo();
  SoloControllo(const SoloControllo&) = delete;
  SoloControllo& operator=(const SoloControllo&) = delete;
  static bool Attivo();
};

// campo x scala out of the range of g: campo becomes predefinito / scala
// and elenco gets its line; under SoloControllo, an empty elenco becomes
// the sentence that names the value, in the unit the windows show.
template <class T>
void Sostituisce(std::string& elenco, Intervalli::Grandezza g, T& campo, double predefinito,
                 const std::string& nome, double scala = 1) {
  const double valore = static_cast<double>(campo) * scala;
  if (Intervalli::Dentro(g, valore)) return;
  if (SoloControllo::Attivo()) {
    if (elenco.empty())
      elenco = Intervalli::FuoriIntervallo(g, valore, nome, Intervalli::Lunghezze::Mostrate);
    return;
  }
  elenco += Sostituito(g, valore, predefinito, nome);
  campo = static_cast<T>(predefinito / scala);
}

}  // namespace FileImpostazioni
