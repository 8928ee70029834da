#include "platform/qt/FormQt.h"

#include <utility>

namespace platform {

std::string NomeOggetto(const std::string& nome, int indice) {
  return indice == SenzaIndice ? nome : nome + "_" + std::to_string(indice);
}

FormQt::FormQt(QWidget& finestra, std::string nome) : finestra_(&finestra), nome_(std::move(nome)) {}

Control& FormQt::Controllo(const std::string& nome, int indice) {
  const std::string oggetto = NomeOggetto(nome, indice);
  auto trovato = controlli_.find(oggetto);
  if (trovato != controlli_.end()) return *trovato->second;
  QObject* controllo =
      finestra_ ? finestra_->findChild<QObject*>(QString::fromStdString(oggetto)) : nullptr;
  if (!controllo) {
    assente_ = ControlInMemoria{};
    return assente_;
  }
  return *controlli_.emplace(oggetto, std::make_unique<ControlQt>(controllo)).first->second;
}

}  // namespace platform
