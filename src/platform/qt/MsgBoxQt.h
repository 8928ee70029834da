#pragma once
// Message boxes on screen: QMessageBox, modal, with the program's title.
#include <memory>

#include <QMessageBox>

#include "platform/MsgBox.h"

namespace platform {

// The box as it will be shown, before exec().
std::unique_ptr<QMessageBox> CreaMessageBox(const std::string& testo, Pulsanti pulsanti,
                                            Icona icona, const std::string& titolo);

// A box closed without choosing a button answers RispostaPredefinita.
Risposta RispostaDaPulsante(int pulsante, Pulsanti pulsanti);

class MsgBoxQt : public ServizioMsgBox {
 public:
  Risposta Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                  const std::string& titolo) override;
};

}  // namespace platform
