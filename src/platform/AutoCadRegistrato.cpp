#include "platform/AutoCadRegistrato.h"

#include <cerrno>

#include "platform/ErroreEsecuzione.h"

namespace platform {
namespace {

std::vector<double> Numeri(const Punto3D& p) { return {p[0], p[1], p[2]}; }

class EntitaRegistrata : public AutoCadEntita {
 public:
  explicit EntitaRegistrata(std::shared_ptr<RegistroAutoCad> registro)
      : registro_(std::move(registro)) {}
  void SetColor(int colore) override {
    registro_->push_back({"Entity", "Color", {static_cast<double>(colore)}, {}});
  }

 private:
  std::shared_ptr<RegistroAutoCad> registro_;
};

class StileRegistrato : public AutoCadStileTesto {
 public:
  StileRegistrato(std::string nome, std::shared_ptr<RegistroAutoCad> registro,
                  std::shared_ptr<const std::set<std::string>> fontEsistenti)
      : nome_(std::move(nome)), registro_(std::move(registro)), font_(std::move(fontEsistenti)) {}

  void SetFontFile(const std::string& percorso) override {
    registro_->push_back({"TextStyle", "fontFile", {}, nome_ + "|" + percorso});
    if (!font_->contains(percorso)) throw ErroreFile(ENOENT, percorso);
  }
  const std::string& Nome() const { return nome_; }

 private:
  std::string nome_;
  std::shared_ptr<RegistroAutoCad> registro_;
  std::shared_ptr<const std::set<std::string>> font_;
};

}  // namespace

std::shared_ptr<AutoCadEntita> AutoCadContenitoreRegistrato::Aggiungi(std::string membro,
                                                                       std::vector<double> numeri,
                                                                       std::string testo) {
  registro_->push_back({nome_, std::move(membro), std::move(numeri), std::move(testo)});
  return std::make_shared<EntitaRegistrata>(registro_);
}

std::shared_ptr<AutoCadEntita> AutoCadContenitoreRegistrato::AddLine(const Punto3D& inizio,
                                                                      const Punto3D& fine) {
  std::vector<double> numeri = Numeri(inizio);
  numeri.insert(numeri.end(), fine.begin(), fine.end());
  return Aggiungi("AddLine", std::move(numeri));
}

std::shared_ptr<AutoCadEntita> AutoCadContenitoreRegistrato::AddCircle(const Punto3D& centro,
                                                                        double raggio) {
  std::vector<double> numeri = Numeri(centro);
  numeri.push_back(raggio);
  return Aggiungi("AddCircle", std::move(numeri));
}

std::shared_ptr<AutoCadEntita> AutoCadContenitoreRegistrato::AddLightWeightPolyline(
    const std::vector<double>& coordinate) {
  return Aggiungi("AddLightWeightPolyline", coordinate);
}

std::shared_ptr<AutoCadEntita> AutoCadContenitoreRegistrato::AddText(const std::string& testo,
                                                                      const Punto3D& inserimento,
                                                                      double altezza) {
  std::vector<double> numeri = Numeri(inserimento);
  numeri.push_back(altezza);
  return Aggiungi("AddText", std::move(numeri), testo);
}

AutoCadDocumentoRegistrato::AutoCadDocumentoRegistrato(
    std::shared_ptr<RegistroAutoCad> registro,
    std::shared_ptr<const std::set<std::string>> fontEsistenti)
    : registro_(registro),
      fontEsistenti_(std::move(fontEsistenti)),
      modelSpace_(std::make_shared<AutoCadContenitoreRegistrato>("ModelSpace", registro)) {}

std::shared_ptr<AutoCadStileTesto> AutoCadDocumentoRegistrato::AddTextStyle(
    const std::string& nome) {
  registro_->push_back({"Document", "TextStyles.Add", {}, nome});
  return std::make_shared<StileRegistrato>(nome, registro_, fontEsistenti_);
}

void AutoCadDocumentoRegistrato::SetActiveTextStyle(std::shared_ptr<AutoCadStileTesto> stile) {
  const auto* registrato = dynamic_cast<const StileRegistrato*>(stile.get());
  registro_->push_back({"Document", "ActiveTextStyle", {}, registrato ? registrato->Nome() : ""});
}

AutoCadApplicazioneRegistrata::AutoCadApplicazioneRegistrata(
    std::string caption, std::shared_ptr<RegistroAutoCad> registro,
    std::shared_ptr<const std::set<std::string>> fontEsistenti)
    : documento(std::make_shared<AutoCadDocumentoRegistrato>(registro, std::move(fontEsistenti))),
      caption_(std::move(caption)),
      registro_(std::move(registro)) {}

void AutoCadApplicazioneRegistrata::SetVisible(bool visibile) {
  registro_->push_back({"Application", "Visible", {visibile ? 1.0 : 0.0}, caption_});
}

std::shared_ptr<AutoCadDocumento> AutoCadApplicazioneRegistrata::ActiveDocument() {
  if (!documento)
    throw ErroreEsecuzione(Errori::VariabileOggettoNonImpostata, "Nessun documento aperto");
  return documento;
}

void AutoCadApplicazioneRegistrata::ZoomExtents() {
  registro_->push_back({"Application", "ZoomExtents", {}, caption_});
}

AutoCadRegistrato::AutoCadRegistrato() { ImpostaAutoCadAutomazione(this); }

AutoCadRegistrato::~AutoCadRegistrato() {
  if (&AutoCadAutomazioneCorrente() == this) ImpostaAutoCadAutomazione(nullptr);
}

std::shared_ptr<AutoCadApplicazioneRegistrata> AutoCadRegistrato::Registra(
    const std::string& classe, bool inEsecuzione, const std::string& caption) {
  auto applicazione =
      std::make_shared<AutoCadApplicazioneRegistrata>(caption, registro_, fontEsistenti_);
  classi_[classe] = {applicazione, inEsecuzione};
  return applicazione;
}

std::shared_ptr<AutoCadContenitoreRegistrato> AutoCadRegistrato::CreaBlocco(
    const std::string& nome) {
  return std::make_shared<AutoCadContenitoreRegistrato>(nome, registro_);
}

std::shared_ptr<AutoCadApplicazione> AutoCadRegistrato::OggettoInEsecuzione(
    const std::string& classe) {
  registro_->push_back({"Automazione", "GetObject", {}, classe});
  const auto trovata = classi_.find(classe);
  if (trovata == classi_.end() || !trovata->second.inEsecuzione)
    throw ErroreEsecuzione(Errori::ComponenteNonDisponibile, "Nessuna istanza di " + classe);
  return trovata->second.applicazione;
}

std::shared_ptr<AutoCadApplicazione> AutoCadRegistrato::CreaOggetto(const std::string& classe) {
  registro_->push_back({"Automazione", "CreateObject", {}, classe});
  const auto trovata = classi_.find(classe);
  if (trovata == classi_.end())
    throw ErroreEsecuzione(Errori::ComponenteNonDisponibile, "Classe non registrata: " + classe);
  trovata->second.inEsecuzione = true;
  return trovata->second.applicazione;
}

void AutoCadRegistrato::AttivaFinestra(const std::string& titolo) {
  registro_->push_back({"Automazione", "AppActivate", {}, titolo});
  for (const auto& [classe, r] : classi_)
    if (!titolo.empty() && r.applicazione->Caption() == titolo) return;
  throw ErroreEsecuzione(Errori::ArgomentoNonValido, "Nessuna finestra con il titolo " + titolo);
}

std::vector<ChiamataAutoCad> AutoCadRegistrato::Chiamate(const std::string& oggetto) const {
  std::vector<ChiamataAutoCad> scelte;
  for (const auto& c : *registro_)
    if (c.oggetto == oggetto) scelte.push_back(c);
  return scelte;
}

}  // namespace platform
