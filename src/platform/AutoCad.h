#pragma once
// AutoCAD driven by automation: the objects and members the program calls.
// Members are named as AutoCAD names them; a property it sets is SetName.
// Any failure inside AutoCAD is raised as ErroreEsecuzione.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/Oggetto.h"

namespace platform {

// A point as AutoCAD takes it: x, y, z.
using Punto3D = std::array<double, 3>;

class AutoCadEntita {
 public:
  virtual ~AutoCadEntita() = default;
  // AutoCAD colour number.
  virtual void SetColor(int colore) = 0;
};

class AutoCadStileTesto {
 public:
  virtual ~AutoCadStileTesto() = default;
  // Fails when there is no such font file.
  virtual void SetFontFile(const std::string& percorso) = 0;
};

// Where entities are added: the model space of a document or a block. It is
// an Oggetto so that a block can be the target of the drawing.
class AutoCadContenitore : public Oggetto {
 public:
  virtual std::shared_ptr<AutoCadEntita> AddLine(const Punto3D& inizio, const Punto3D& fine) = 0;
  virtual std::shared_ptr<AutoCadEntita> AddCircle(const Punto3D& centro, double raggio) = 0;
  // x1, y1, x2, y2, ... xm, ym.
  virtual std::shared_ptr<AutoCadEntita> AddLightWeightPolyline(
      const std::vector<double>& coordinate) = 0;
  virtual std::shared_ptr<AutoCadEntita> AddText(const std::string& testo,
                                                 const Punto3D& inserimento, double altezza) = 0;
};

class AutoCadDocumento {
 public:
  virtual ~AutoCadDocumento() = default;
  virtual std::shared_ptr<AutoCadContenitore> ModelSpace() = 0;
  // TextStyles.Add(nome): the new style.
  virtual std::shared_ptr<AutoCadStileTesto> AddTextStyle(const std::string& nome) = 0;
  virtual void SetActiveTextStyle(std::shared_ptr<AutoCadStileTesto> stile) = 0;
};

class AutoCadApplicazione {
 public:
  virtual ~AutoCadApplicazione() = default;
  virtual void SetVisible(bool visibile) = 0;
  virtual std::shared_ptr<AutoCadDocumento> ActiveDocument() = 0;
  // Title of its main window.
  virtual std::string Caption() = 0;
  virtual void ZoomExtents() = 0;
};

// How the program reaches an automation server from outside.
class AutoCadAutomazione {
 public:
  virtual ~AutoCadAutomazione() = default;
  // The running instance registered under the class name.
  virtual std::shared_ptr<AutoCadApplicazione> OggettoInEsecuzione(const std::string& classe) = 0;
  // A new instance of the class, started.
  virtual std::shared_ptr<AutoCadApplicazione> CreaOggetto(const std::string& classe) = 0;
  // Brings to the front the window with this title.
  virtual void AttivaFinestra(const std::string& titolo) = 0;
};

// Installs the automation used by AutoCadAutomazioneCorrente(); nullptr
// restores the platform's own. No AutoCAD can be reached on this platform:
// the platform's own raises Errori::ComponenteNonDisponibile from every member.
void ImpostaAutoCadAutomazione(AutoCadAutomazione* automazione);
AutoCadAutomazione& AutoCadAutomazioneCorrente();

}  // namespace platform
