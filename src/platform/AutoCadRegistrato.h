#pragma once
// Test side of AutoCAD: applications registered by class name, each with one
// document and its model space, and blocks to draw into. Every call that
// changes something goes into one log shared by all the objects, in order.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/AutoCad.h"

namespace platform {

struct ChiamataAutoCad {
  std::string oggetto;  // "Automazione", "Application", "Document", "ModelSpace",
                        // a block's name, "Entity", "TextStyle"
  std::string membro;   // "GetObject", "AddLine", "Color", ...
  std::vector<double> numeri;
  std::string testo;
};

using RegistroAutoCad = std::vector<ChiamataAutoCad>;

class AutoCadContenitoreRegistrato : public AutoCadContenitore {
 public:
  AutoCadContenitoreRegistrato(std::string nome, std::shared_ptr<RegistroAutoCad> registro)
      : nome_(std::move(nome)), registro_(std::move(registro)) {}

  std::shared_ptr<AutoCadEntita> AddLine(const Punto3D& inizio, const Punto3D& fine) override;
  std::shared_ptr<AutoCadEntita> AddCircle(const Punto3D& centro, double raggio) override;
  std::shared_ptr<AutoCadEntita> AddLightWeightPolyline(
      const std::vector<double>& coordinate) override;
  std::shared_ptr<AutoCadEntita> AddText(const std::string& testo, const Punto3D& inserimento,
                                         double altezza) override;

 private:
  std::shared_ptr<AutoCadEntita> Aggiungi(std::string membro, std::vector<double> numeri,
                                          std::string testo = {});

  std::string nome_;
  std::shared_ptr<RegistroAutoCad> registro_;
};

class AutoCadDocumentoRegistrato : public AutoCadDocumento {
 public:
  // Setting a font file not among fontEsistenti fails.
  AutoCadDocumentoRegistrato(std::shared_ptr<RegistroAutoCad> registro,
                             std::shared_ptr<const std::set<std::string>> fontEsistenti);

  std::shared_ptr<AutoCadContenitore> ModelSpace() override { return modelSpace_; }
  std::shared_ptr<AutoCadStileTesto> AddTextStyle(const std::string& nome) override;
  void SetActiveTextStyle(std::shared_ptr<AutoCadStileTesto> stile) override;

 private:
  std::shared_ptr<RegistroAutoCad> registro_;
  std::shared_ptr<const std::set<std::string>> fontEsistenti_;
  std::shared_ptr<AutoCadContenitore> modelSpace_;
};

class AutoCadApplicazioneRegistrata : public AutoCadApplicazione {
 public:
  AutoCadApplicazioneRegistrata(std::string caption, std::shared_ptr<RegistroAutoCad> registro,
                                std::shared_ptr<const std::set<std::string>> fontEsistenti);

  void SetVisible(bool visibile) override;
  // Fails when the document has been taken away.
  std::shared_ptr<AutoCadDocumento> ActiveDocument() override;
  std::string Caption() override { return caption_; }
  void ZoomExtents() override;

  // The active document, nullptr when none is open.
  std::shared_ptr<AutoCadDocumentoRegistrato> documento;

 private:
  std::string caption_;
  std::shared_ptr<RegistroAutoCad> registro_;
};

class AutoCadRegistrato : public AutoCadAutomazione {
 public:
  // Installs itself for its lifetime.
  AutoCadRegistrato();
  ~AutoCadRegistrato() override;
  AutoCadRegistrato(const AutoCadRegistrato&) = delete;
  AutoCadRegistrato& operator=(const AutoCadRegistrato&) = delete;

  // An application under the class name, already running or only to be started.
  std::shared_ptr<AutoCadApplicazioneRegistrata> Registra(const std::string& classe,
                                                          bool inEsecuzione,
                                                          const std::string& caption);
  std::shared_ptr<AutoCadContenitoreRegistrato> CreaBlocco(const std::string& nome);

  std::shared_ptr<AutoCadApplicazione> OggettoInEsecuzione(const std::string& classe) override;
  std::shared_ptr<AutoCadApplicazione> CreaOggetto(const std::string& classe) override;
  // Fails when no registered application has the title, or it is empty.
  void AttivaFinestra(const std::string& titolo) override;

  const RegistroAutoCad& Chiamate() const { return *registro_; }
  // Only the calls made to one object, in order.
  std::vector<ChiamataAutoCad> Chiamate(const std::string& oggetto) const;
  void Svuota() { registro_->clear(); }

  // A font file that AutoCAD finds; setting any other one fails.
  void AggiungiFont(const std::string& percorso) { fontEsistenti_->insert(percorso); }

 private:
  struct Registrazione {
    std::shared_ptr<AutoCadApplicazioneRegistrata> applicazione;
    bool inEsecuzione;
  };

  std::shared_ptr<RegistroAutoCad> registro_ = std::make_shared<RegistroAutoCad>();
  std::shared_ptr<std::set<std::string>> fontEsistenti_ = std::make_shared<std::set<std::string>>();
  std::map<std::string, Registrazione> classi_;
};

}  // namespace platform
