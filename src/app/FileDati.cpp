#include "app/FileDati.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "app/Codifica.h"
#include "platform/FileLeggibile.h"
#include "platform/FileSostituito.h"

namespace Generale {
namespace {

const std::string Bom = "\xEF\xBB\xBF";

bool Blanco(char c) { return c == ' ' || c == '\t'; }

bool FineLinea(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FileDati FileDati::ApriLettura(const std::string& percorso) {
  bool manca = false;
  const std::string motivo = platform::MotivoNonLeggibile(percorso, DimensioneMassima, &manca);
  if (!motivo.empty()) throw ErroreFile(manca ? ErroreFileNonTrovato : ErroreAccesso, motivo);
  std::ifstream ingresso(percorso, std::ios::binary);
  if (!ingresso) throw ErroreFile(ErroreAccesso, "Il file " + percorso + " non può essere letto.");
  std::string contenuto{std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
  if (ingresso.bad()) throw ErroreFile(ErroreDispositivo, "Errore di lettura: " + percorso);
  FileDati file = DaContenuto(contenuto);
  file.percorso_ = percorso;
  return file;
}

FileDati FileDati::DaContenuto(const std::string& contenuto) {
  FileDati file;
  file.modo_ = Modo::Lettura;
  if (contenuto.compare(0, Bom.size(), Bom) == 0)
    file.testo_ = contenuto.substr(Bom.size());
  else
    file.testo_ = Codifica::Utf8DaCp1252(contenuto);
  return file;
}

FileDati FileDati::ApriScrittura(const std::string& percorso) {
  FileDati file;
  file.destinazione_ = platform::DestinazioneSalvataggio(percorso);
  if (platform::SolaLettura(file.destinazione_))
    throw ErroreFile(ErroreSolaLettura, "Il file " + file.destinazione_ + " è di sola lettura.");
  file.uscita_ = platform::CreaTemporaneo(file.destinazione_, file.temporaneo_);
  if (!file.uscita_)
    throw ErroreFile(ErroreAccesso, "Impossibile creare un file accanto a " + file.destinazione_);
  file.modo_ = Modo::Scrittura;
  return file;
}

FileDati FileDati::InMemoria() {
  FileDati file;
  file.modo_ = Modo::Scrittura;
  file.memoria_ = true;
  return file;
}

FileDati::FileDati(FileDati&& altro) noexcept
    : modo_(altro.modo_),
      testo_(std::move(altro.testo_)),
      posizione_(altro.posizione_),
      percorso_(std::move(altro.percorso_)),
      destinazione_(std::move(altro.destinazione_)),
      temporaneo_(std::move(altro.temporaneo_)),
      uscita_(std::exchange(altro.uscita_, nullptr)),
      memoria_(altro.memoria_),
      scritto_(std::move(altro.scritto_)) {
  altro.modo_ = Modo::Chiuso;
}

FileDati::~FileDati() { Interrompi(); }

void FileDati::Verifica(Modo richiesto) const {
  if (modo_ == Modo::Chiuso) throw ErroreFile(ErroreFileChiuso, "File chiuso");
  if (modo_ != richiesto) throw ErroreFile(ErroreModoFile, "Modo del file errato");
}

bool FileDati::FineRiga() const {
  return posizione_ >= testo_.size() || FineLinea(testo_[posizione_]);
}

void FileDati::ConsumaSeparatore() {
  if (posizione_ >= testo_.size()) return;
  const char c = testo_[posizione_++];
  if (c == '\r' && posizione_ < testo_.size() && testo_[posizione_] == '\n') ++posizione_;
}

CampoLetto FileDati::LeggiCampo() {
  Verifica(Modo::Lettura);
  if (posizione_ >= testo_.size())
    throw ErroreFile(ErroreFineFile, "Lettura oltre la fine del file");
  while (posizione_ < testo_.size() && Blanco(testo_[posizione_])) ++posizione_;
  const auto separatore = [&] { return FineRiga() || testo_[posizione_] == ','; };
  CampoLetto campo;
  if (posizione_ < testo_.size() && testo_[posizione_] == '"') {
    campo.TraVirgolette = true;
    const std::size_t inizio = ++posizione_;
    while (!FineRiga() && testo_[posizione_] != '"') ++posizione_;
    // Texts are written on one line: without its closing quote the fields
    // that follow would shift.
    if (FineRiga()) throw ErroreFile(ErroreTipo, "Testo senza virgolette di chiusura");
    campo.Testo = testo_.substr(inizio, posizione_ - inizio);
    while (!separatore()) ++posizione_;
  } else {
    const std::size_t inizio = posizione_;
    while (!separatore()) ++posizione_;
    std::size_t fine = posizione_;
    while (fine > inizio && Blanco(testo_[fine - 1])) --fine;
    campo.Testo = testo_.substr(inizio, fine - inizio);
  }
  ConsumaSeparatore();
  return campo;
}

std::string FileDati::LeggiRiga() {
  Verifica(Modo::Lettura);
  if (posizione_ >= testo_.size())
    throw ErroreFile(ErroreFineFile, "Lettura oltre la fine del file");
  const std::size_t inizio = posizione_;
  while (!FineRiga()) ++posizione_;
  std::string riga = testo_.substr(inizio, posizione_ - inizio);
  ConsumaSeparatore();
  return riga;
}

bool FileDati::Esaurito() const {
  for (std::size_t i = posizione_; i < testo_.size(); ++i)
    if (!Blanco(testo_[i]) && !FineLinea(testo_[i])) return false;
  return true;
}

void FileDati::ScriviRiga(const std::string& riga) {
  Verifica(Modo::Scrittura);
  if (memoria_) {
    scritto_ += Codifica::Cp1252DaUtf8(riga) + "\r\n";
    return;
  }
  const std::string testo = Codifica::Cp1252DaUtf8(riga) + "\r\n";
  if (std::fwrite(testo.data(), 1, testo.size(), uscita_) != testo.size()) throw ErroreFile(ErroreDispositivo, "Errore di scrittura: " + temporaneo_);
}

void FileDati::Chiudi() {
  if (modo_ != Modo::Scrittura || memoria_) {
    Interrompi();
    return;
  }
  const bool errore = std::fclose(std::exchange(uscita_, nullptr)) != 0;
  modo_ = Modo::Chiuso;
  if (errore) platform::RimuoviTemporaneo(temporaneo_);
  if (errore || !platform::SostituisciFile(temporaneo_, destinazione_))
    throw ErroreFile(ErroreDispositivo, "Impossibile scrivere " + destinazione_);
}

void FileDati::Interrompi() {
  if (modo_ == Modo::Scrittura && !memoria_) {
    std::fclose(std::exchange(uscita_, nullptr));
    platform::RimuoviTemporaneo(temporaneo_);
  }
  modo_ = Modo::Chiuso;
  testo_.clear();
  posizione_ = 0;
}

}  // namespace Generale
