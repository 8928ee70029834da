#include "FileCaso.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Spoglia(const std::string& s) {
  const auto inizio = s.find_first_not_of(" \t\r");
  if (inizio == std::string::npos) return {};
  const auto fine = s.find_last_not_of(" \t\r");
  return s.substr(inizio, fine - inizio + 1);
}

bool LeggiNumero(const std::string& parola, double& valore) {
  const char* fine = parola.data() + parola.size();
  auto [p, ec] = std::from_chars(parola.data(), fine, valore);
  return ec == std::errc() && p == fine;
}

// Every blank-separated word as a number; false when one is not.
bool LeggiNumeri(const std::string& testo, std::vector<double>& numeri) {
  std::istringstream flusso(testo);
  std::string parola;
  while (flusso >> parola) {
    double v;
    if (!LeggiNumero(parola, v)) return false;
    numeri.push_back(v);
  }
  return true;
}

}  // namespace

bool Caso::Ha(const std::string& chiave) const {
  return numeri.count(chiave) != 0 || parole.count(chiave) != 0;
}

double Caso::Numero(const std::string& chiave, double predefinito) const {
  const auto it = numeri.find(chiave);
  return it == numeri.end() || it->second.empty() ? predefinito : it->second.front();
}

const std::vector<double>& Caso::Lista(const std::string& chiave) const {
  static const std::vector<double> vuota;
  const auto it = numeri.find(chiave);
  return it == numeri.end() ? vuota : it->second;
}

std::string Caso::Parola(const std::string& chiave, const std::string& predefinita) const {
  const auto it = parole.find(chiave);
  return it == parole.end() ? predefinita : it->second;
}

std::optional<Caso> LeggiCaso(const std::string& percorso, std::string& errore) {
  std::ifstream file(percorso);
  if (!file) {
    errore = percorso + ": impossibile aprire il file";
    return std::nullopt;
  }
  Caso caso;
  caso.nome = std::filesystem::path(percorso).filename().string();
  std::string riga;
  int numeroRiga = 0;
  auto sbaglio = [&](const std::string& motivo) {
    errore = percorso + ":" + std::to_string(numeroRiga) + ": " + motivo;
    return std::nullopt;
  };
  while (std::getline(file, riga)) {
    ++numeroRiga;
    const auto commento = riga.find('#');
    // A "#" inside a quoted expected text is part of it.
    if (commento != std::string::npos && riga.find('"') == std::string::npos)
      riga.erase(commento);
    riga = Spoglia(riga);
    if (riga.empty()) continue;
    const auto uguale = riga.find('=');
    if (uguale == std::string::npos) return sbaglio("manca '='");
    const std::string chiave = Spoglia(riga.substr(0, uguale));
    const std::string valore = Spoglia(riga.substr(uguale + 1));
    if (chiave.empty() || valore.empty()) return sbaglio("chiave o valore vuoto");

    if (chiave.rfind("expect.text.", 0) == 0) {
      if (valore.size() < 2 || valore.front() != '"' || valore.back() != '"')
        return sbaglio("il testo atteso va tra virgolette");
      caso.testiAttesi.push_back(
          {chiave.substr(12), valore.substr(1, valore.size() - 2), numeroRiga});
    } else if (chiave.rfind("expect.", 0) == 0) {
      std::vector<double> v;
      if (!LeggiNumeri(valore, v) || v.size() != 2)
        return sbaglio("atteso 'valore tolleranza'");
      caso.attese.push_back({chiave.substr(7), v[0], v[1], numeroRiga});
    } else {
      std::vector<double> v;
      if (LeggiNumeri(valore, v)) {
        auto& lista = caso.numeri[chiave];
        lista.insert(lista.end(), v.begin(), v.end());
      } else if (valore.find_first_of("+-.0123456789") == 0) {
        return sbaglio("'" + chiave + " = " + valore + "' non è un numero ('.' decimale)");
      } else if (valore.find_first_of(" \t") == std::string::npos) {
        caso.parole[chiave] = valore;
      } else {
        return sbaglio("valore non numerico");
      }
    }
  }
  return caso;
}

std::vector<std::string> FileCasi(const std::string& cartella) {
  std::vector<std::string> file;
  std::error_code ec;
  for (const auto& voce : std::filesystem::directory_iterator(cartella, ec))
    if (voce.path().extension() == ".caso") file.push_back(voce.path().string());
  std::sort(file.begin(), file.end());
  return file;
}
