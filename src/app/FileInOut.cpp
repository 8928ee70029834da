#include "app/FileInOut.h"

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

bool VersioneMinore(const std::string& versione, const std::string& minima) {
  return versione < minima;
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
    platform::MsgBox(lettura ? "Lettura incompleta del file" : "Scrittura incompleta del file");
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
  titolo = testi.front();
  versioneLetta = testi.size() > 1 ? testi[1] : "0";
}

}  // namespace Generale
