#pragma once
// The analyses a case may ask for with "analysis", run on the section the
// case builds: the M-N and Mx-My domains, the moment-curvature diagram and
// the model column, each into a window of its own kept in memory.
#include <functional>
#include <set>
#include <string>

#include "EseguiCaso.h"
#include "FileCaso.h"

class SezioneCA;

struct AnalisiCaso {
  // The ultimate verification runs first, as the window's command does.
  bool verificaPrima;
  // Keys of its own.
  std::set<std::string> chiavi;
  // Fills the results; a case it cannot run gets its reason in errore.
  std::function<void(const Caso&, SezioneCA&, RisultatiCaso&)> esegui;
};

// nullptr for a name that is no analysis.
const AnalisiCaso* TrovaAnalisi(const std::string& nome);
