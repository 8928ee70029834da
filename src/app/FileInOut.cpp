#include "app/FileInOut.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/MsgBox.h"

namespace Generale {
namespace {

const std::string CodificaACapo = "\x01\x01";

std::string DecodificaACapo(const std::string& testo) {
  std::string risultato;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo.compare(i, CodificaACapo.size(), CodificaACapo) == 0) {
      risultato += "\r\n";
      ++i;
    } else {
      risultato += testo[i];
    }
  }
  return risultato;
}

bool Blanco(char c) { return c == ' ' || c == '\t'; }

// The quoted texts of a line, each up to its closing quote; whatever stands
// between a closing quote and the next comma is dropped.
std::vector<std::string> EstraiElementi(const std::string& riga) {
  std::vector<std::string> elementi;
  std::size_t p = 0;
  while (p < riga.size()) {
    while (p < riga.size() && Blanco(riga[p])) ++p;
    if (p == riga.size()) break;
    const std::size_t chiusura = riga[p] == '"' ? riga.find('"', p + 1) : std::string::npos;
    if (chiusura == std::string::npos)
      throw ErroreFile(ErroreTipo, "Testo senza virgolette di chiusura: " + riga);
    elementi.push_back(DecodificaACapo(riga.substr(p + 1, chiusura - p - 1)));
    const std::size_t virgola = riga.find(',', chiusura + 1);
    p = virgola == std::string::npos ? riga.size() : virgola + 1;
  }
  return elementi;
}

}  // namespace

std::optional<std::vector<long>> PartiVersione(const std::string& versione) {
  std::vector<long> parti;
  std::size_t p = 0;
  do {
    std::size_t fine = p;
    while (fine < versione.size() && std::isdigit(static_cast<unsigned char>(versione[fine])) &&
           fine - p < 9)
      ++fine;
    if (fine == p || (fine < versione.size() && versione[fine] != '.')) return std::nullopt;
    parti.push_back(std::stol(versione.substr(p, fine - p)));
    p = fine + 1;
  } while (p <= versione.size() && versione[p - 1] == '.');
  return parti;
}

bool VersioneMinore(const std::string& versione, const std::string& minima) {
  const auto a = PartiVersione(versione), b = PartiVersione(minima);
  if (!a || !b) return versione < minima;
  return std::lexicographical_compare(a->begin(), a->end(), b->begin(), b->end());
}

bool SenzaVersione(const std::string& versione) {
  const auto parti = PartiVersione(versione);
  return parti && std::all_of(parti->begin(), parti->end(), [](long n) { return n == 0; });
}

bool VersioneLeggibile(const std::string& versione) {
  return PartiVersione(versione) && !VersioneMinore(VersioneFileCorrente, versione);
}

std::string TestoLetturaIncompleta(const FileDati& file) {
  const std::string testo = "Lettura incompleta del file";
  return file.Percorso().empty() ? testo : testo + "\r\n" + file.Percorso();
}

namespace dettaglio {

bool ModoValido(const std::string& modo, const char* routine) {
  if (modo == "L" || modo == "S") return true;
  platform::MsgBox(std::string("Errore nella Sub ") + routine);
  return false;
}

void FineFileVecchio(FileDati& file) {
  file.Interrompi();
  throw ErroreFile(ErroreFineLettura, "Record assente nella versione del file");
}

void EseguiRecord(const std::string& modo, FileDati& file, const char* routine, Reazione reazione,
                  const std::function<void()>& leggi, const std::function<std::string()>& riga) {
  if (!ModoValido(modo, routine)) return;
  const bool lettura = modo == "L";
  try {
    if (lettura)
      leggi();
    else
      file.ScriviRiga(riga());
  } catch (const ErroreFile& errore) {
    file.Interrompi();
    if (reazione == Reazione::Silenziosa) {
      if (lettura) throw ErroreFile(ErroreFineLettura, errore.what());
      throw;
    }
    platform::MsgBox(lettura ? TestoLetturaIncompleta(file) : "Scrittura incompleta del file");
    throw ErroreFile(ErroreRecordIncompleto, errore.what());
  }
}

}  // namespace dettaglio

void FileInOutStringColl(const std::string& modo, FileDati& file, std::vector<std::string>& testi) {
  if (!dettaglio::ModoValido(modo, "FileInOutStringColl")) return;
  if (modo == "S") {
    std::string riga;
    const char* separatore = "";
    for (const std::string& testo : testi) {
      riga += separatore;
      riga += '"' + SostituisciACapo(SenzaVirgolette(testo), CodificaACapo) + '"';
      separatore = ",";
    }
    file.ScriviRiga(riga);
    return;
  }
  const std::string riga = file.LeggiRiga();
  if (riga.empty() || riga[0] != '"')
    testi = {riga};
  else
    testi = EstraiElementi(riga);
}

void RecordVersione(const std::string& modo, FileDati& file, std::string& titolo,
                    std::string& versioneLetta, const std::string& versioneDaScrivere) {
  std::vector<std::string> testi;
  if (modo != "L") {
    testi = {titolo, versioneDaScrivere};
    FileInOutStringColl(modo, file, testi);
    return;
  }
  FileInOutStringColl(modo, file, testi);
  const std::string versione = testi.size() > 1 ? testi[1] : "0";
  // No version number ("-1", "") is a damaged file, not a later one.
  if (!PartiVersione(versione)) {
    file.Interrompi();
    platform::MsgBox(TestoLetturaIncompleta(file));
    throw ErroreFile(ErroreRecordIncompleto, "Versione del file non valida: " + versione);
  }
  if (!VersioneLeggibile(versione)) {
    file.Interrompi();
    platform::MsgBox("Il file è stato scritto da una versione del programma più recente (" +
                         versione + ") e non può essere letto." +
                         (file.Percorso().empty() ? "" : "\r\n" + file.Percorso()),
                     platform::Pulsanti::Ok, platform::Icona::Esclamazione);
    throw ErroreFile(ErroreRecordIncompleto, "Versione del file successiva: " + versione);
  }
  titolo = testi.front();
  versioneLetta = versione;
}

}  // namespace Generale
