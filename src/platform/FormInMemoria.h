#pragma once
// Test side of Form: controls live in memory and are created on first use, so a
// test reads back whatever the engine wrote, by the same name and index.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Form.h"

namespace platform {

class ControlInMemoria : public Control {
 public:
  std::string Text() const override { return testo_; }
  void SetText(const std::string& testo) override { testo_ = testo; }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& testo) override { caption_ = testo; }
  bool Visible() const override { return visibile_; }
  void SetVisible(bool visibile) override { visibile_ = visibile; }
  bool Enabled() const override { return abilitato_; }
  void SetEnabled(bool abilitato) override { abilitato_ = abilitato; }
  Colore ForeColor() const override { return colore_; }
  void SetForeColor(Colore colore) override { colore_ = colore; }
  Colore BackColor() const override { return sfondo_; }
  void SetBackColor(Colore colore) override { sfondo_ = colore; }
  int Value() const override { return valore_; }
  void SetValue(int valore) override { valore_ = valore; }
  void Clear() override { voci_.clear(); testo_.clear(); }
  void AddItem(const std::string& voce) override { voci_.push_back(voce); }
  int ListCount() const override { return static_cast<int>(voci_.size()); }
  std::string List(int indice) const override;

 private:
  std::string testo_;
  std::string caption_;
  bool visibile_ = true;
  bool abilitato_ = true;
  Colore colore_ = 0;
  Colore sfondo_ = ColoreSfondoFinestra;
  int valore_ = 0;
  std::vector<std::string> voci_;
};

class FormInMemoria : public Form {
 public:
  explicit FormInMemoria(std::string nome) : nome_(std::move(nome)) {}
  std::string Name() const override { return nome_; }
  Control& Controllo(const std::string& nome, int indice = SenzaIndice) override;
  bool Esiste(const std::string& nome, int indice = SenzaIndice) const;

 private:
  std::string nome_;
  std::map<std::pair<std::string, int>, std::unique_ptr<ControlInMemoria>> controlli_;
};

}  // namespace platform
