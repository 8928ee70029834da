#pragma once
// Test side of the message boxes: records every box shown and answers from a
// queue; an empty queue answers as the silent default does.
#include <deque>
#include <string>
#include <vector>

#include "platform/MsgBox.h"

namespace platform {

struct MessaggioMostrato {
  std::string testo;
  Pulsanti pulsanti;
  Icona icona;
  std::string titolo;
};

class MsgBoxScriptato : public ServizioMsgBox {
 public:
  // Installs itself for its lifetime.
  MsgBoxScriptato();
  ~MsgBoxScriptato() override;
  MsgBoxScriptato(const MsgBoxScriptato&) = delete;
  MsgBoxScriptato& operator=(const MsgBoxScriptato&) = delete;

  Risposta Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                  const std::string& titolo) override;

  void Accoda(Risposta risposta) { risposte_.push_back(risposta); }
  const std::vector<MessaggioMostrato>& Mostrati() const { return mostrati_; }
  std::vector<std::string> Testi() const;
  void Svuota() { mostrati_.clear(); risposte_.clear(); }

 private:
  std::deque<Risposta> risposte_;
  std::vector<MessaggioMostrato> mostrati_;
};

}  // namespace platform
