#pragma once
// Message boxes: one service for the whole program. The windows install the Qt
// one; tests install a scripted one. Every text goes through MsgBox().
#include <string>

namespace platform {

// SiNoPredefinitoNo: Yes and No, with No the button Enter answers.
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla, SiNoPredefinitoNo };
enum class Icona { Nessuna, Critica, Domanda, Esclamazione, Informazione };
enum class Risposta { Ok, Annulla, Si, No };

class ServizioMsgBox {
 public:
  virtual ~ServizioMsgBox() = default;
  virtual Risposta Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                          const std::string& titolo) = 0;
};

// What a box answers when nobody is there to click: Ok, or No to a question,
// Annulla to Ok/Annulla, so nothing loops waiting for a user.
Risposta RispostaPredefinita(Pulsanti pulsanti);

// Installs the service used by MsgBox(); nullptr restores the silent default,
// which answers RispostaPredefinita().
void ImpostaServizioMsgBox(ServizioMsgBox* servizio);
ServizioMsgBox& ServizioMsgBoxCorrente();

// While it lives, boxes are answered silently, shown to nobody and counted.
class SenzaMessaggi : public ServizioMsgBox {
 public:
  SenzaMessaggi() : precedente_(ServizioMsgBoxCorrente()) { ImpostaServizioMsgBox(this); }
  ~SenzaMessaggi() override { ImpostaServizioMsgBox(&precedente_); }
  SenzaMessaggi(const SenzaMessaggi&) = delete;
  SenzaMessaggi& operator=(const SenzaMessaggi&) = delete;

  Risposta Mostra(const std::string&, Pulsanti pulsanti, Icona, const std::string&) override {
    ++trattenuti_;
    return RispostaPredefinita(pulsanti);
  }
  int Trattenuti() const { return trattenuti_; }

 private:
  ServizioMsgBox& precedente_;
  int trattenuti_ = 0;
};

// Counts the boxes shown while it lives, every one still shown.
class ContaMessaggi : public ServizioMsgBox {
 public:
  ContaMessaggi() : precedente_(ServizioMsgBoxCorrente()) { ImpostaServizioMsgBox(this); }
  ~ContaMessaggi() override { ImpostaServizioMsgBox(&precedente_); }
  ContaMessaggi(const ContaMessaggi&) = delete;
  ContaMessaggi& operator=(const ContaMessaggi&) = delete;
  Risposta Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                  const std::string& titolo) override {
    ++Mostrati;
    return precedente_.Mostra(testo, pulsanti, icona, titolo);
  }
  int Mostrati = 0;

 private:
  ServizioMsgBox& precedente_;
};

Risposta MsgBox(const std::string& testo, Pulsanti pulsanti = Pulsanti::Ok,
                Icona icona = Icona::Nessuna, const std::string& titolo = "");

}  // namespace platform
