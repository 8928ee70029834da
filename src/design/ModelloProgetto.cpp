// One design run: sizing by the chosen method and fixed dimension, rounding,
// bars and stirrups.
#include "design/ModelloProgetto.h"

#include <cmath>
#include <exception>

#include "analysis/SezioneCA.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

ModelloProgetto::ModelloProgetto(platform::Form& finestra)
    : Trave(std::make_shared<SezioneCA>()), finestra_(finestra) {}

std::string ModelloProgetto::Richiamo::Name() const { return modello_.finestra_.Name(); }

platform::Control& ModelloProgetto::Richiamo::Controllo(const std::string& nome, int indice) {
  return modello_.finestra_.Controllo(nome, indice);
}

bool ModelloProgetto::Progetta() {
  ArmaturaFissa();
  EpsSDelProgetto = 0;
  governo_.clear();
  try {
    const int metodo = Stato.TipoVerificaProgetto == 0 ? 0 : 1;
    if (metodo == 0 && InitFormProgetto) ProgettaSLUini();
    // Said in a box once while the moment stays nil; the remark every time.
    if (AzioneMx[static_cast<std::size_t>(metodo)] == 0) {
      OsservazioniScrive("Momento sollecitante nullo!");
      if (!momentoNulloDetto_)
        platform::MsgBox("Momento sollecitante nullo!!", platform::Pulsanti::Ok,
                         platform::Icona::Informazione);
      momentoNulloDetto_ = true;
      return false;
    }
    momentoNulloDetto_ = false;
    bool dimensionata;
    switch (Stato.DimensioneFissa) {
      case 0:
        dimensionata = metodo == 0 ? ProgettaSLUbase() : ProgettaTaBase();
        break;
      case 1:
        dimensionata = metodo == 0 ? ProgettaSLUaltezza() : ProgettaTaAltezza();
        break;
      default:
        dimensionata = metodo == 0 ? ProgettaSLUarmatura() : ProgettaTaArmatura();
    }
    if (!dimensionata) return false;
    if (!(BaseSezione > 0 && AltezzaUtile > 0 && std::isfinite(BaseSezione) &&
          std::isfinite(AltezzaSezione) && std::isfinite(AsTesa) && std::isfinite(AsCompressa)))
      throw std::domain_error("dimensionamento");
    DimensioniArrotondate();
    if (DimensioniRifiutate()) return false;
    if (!ArmaturaCalcola()) {
      platform::MsgBox("Dati errati !", platform::Pulsanti::Ok, platform::Icona::Critica);
      return false;
    }
    if (Stato.DimensioneFissa == 0) {
      if (!BaseAllargaAlleBarre()) {
        OsservazioniScrive("Nessun progetto: la base allargata a " +
                           LunghezzaTesto(BaseArrotondata) +
                           " perché le barre stiano in un solo strato non trova un'armatura.");
        return false;
      }
      if (DimensioniRifiutate()) return false;
    }
    GovernoScrive(DeformazioneSezioneMostrata());
    ProgettaTaglio();
    return true;
  } catch (const std::exception&) {
    platform::MsgBox("Errore nel modulo Progetto Sezione Rettangolare", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
}

void ModelloProgetto::DimensioniArrotondate() {
  switch (Stato.DimensioneFissa) {
    case 0:
      BaseArrotondata = Arrotonda(BaseSezione, Stato.PassoArrotondamento[1]);
      AltezzaArrotondata = AltezzaSezione;
      break;
    case 1:
      AltezzaArrotondata = Arrotonda(AltezzaSezione, Stato.PassoArrotondamento[0]);
      BaseArrotondata = BaseSezione;
      break;
    default:
      BaseArrotondata = BaseSezione;
      AltezzaArrotondata = AltezzaSezione;
  }
  AltezzaUtileArrotondata = AltezzaArrotondata - DistanzaFerri;
}
