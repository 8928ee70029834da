#include "platform/Sistema.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// The path without the separators that end it, so that "dir/" names "dir".
fs::path SenzaSeparatoreFinale(const std::string& percorso) {
  std::string s = percorso;
  while (s.size() > 1 && s.back() == fs::path::preferred_separator) s.pop_back();
  return fs::path(s);
}

std::string CartellaDelProcesso() {
  std::error_code errore;
  const fs::path cartella = fs::current_path(errore);
  return errore ? std::string() : cartella.string();
}

SistemaFisso predefinito;
Sistema* corrente = &predefinito;

}  // namespace

bool Sistema::FolderExists(const std::string& percorso) const {
  if (percorso.empty()) return false;
  std::error_code errore;
  return fs::is_directory(GetAbsolutePathName(percorso), errore);
}

std::string Sistema::GetFileName(const std::string& percorso) const {
  return SenzaSeparatoreFinale(percorso).filename().string();
}

std::string Sistema::GetBaseName(const std::string& percorso) const {
  const std::string nome = GetFileName(percorso);
  const std::size_t punto = nome.rfind('.');
  return punto == std::string::npos ? nome : nome.substr(0, punto);
}

std::string Sistema::GetAbsolutePathName(const std::string& percorso) const {
  fs::path p(percorso);
  if (p.is_relative()) p = fs::path(CartellaCorrente()) / p;
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == fs::path::preferred_separator) s.pop_back();
  return s;
}

SistemaFisso::SistemaFisso() : applicazione_(CartellaDelProcesso()), corrente_(applicazione_) {}

SistemaFisso::SistemaFisso(std::string decimale, std::string migliaia) : SistemaFisso() {
  ImpostaSeparatori(std::move(decimale), std::move(migliaia));
}

void ImpostaSistema(Sistema* sistema) { corrente = sistema ? sistema : &predefinito; }

Sistema& SistemaCorrente() { return *corrente; }

}  // namespace platform
