#pragma once
// The section drawn large in a window of its own: outline, bars, tendons and
// what the last analysis left (neutral axes, stresses), redrawn whenever the
// window is painted; its File menu prints it, exports it to DXF, draws it
// into AutoCAD or closes the window.
#include <functional>
#include <memory>
#include <string>

#include <QMainWindow>

#include "drawing/OggettoPlottabile.h"
#include "platform/FileDialog.h"
#include "platform/PrintDialog.h"
#include "platform/qt/SurfaceImmagineQt.h"

class SezioneCA;

class FrmPltSezione : public QMainWindow, public Grafica::OggettoPlottabile {
 public:
  explicit FrmPltSezione(QWidget* genitore = nullptr);
  ~FrmPltSezione() override;

  // The section on the device: "VIDEO" (this window), "STAMPANTE",
  // "DXF", "DWG".
  void PlottaInOggetto(const std::string& dispositivo) override;
  void Chiudi() override { close(); }

  // 0 print, 1 DXF, 2 AutoCAD, 4 close.
  void MnufileItem_Click(int Index);

  // The dialogs of the File menu: the Qt ones unless others are given (not owned).
  void ImpostaDialoghi(platform::FileDialog* file, platform::PrintDialog* stampa) {
    dialogoFile_ = file;
    dialogoStampa_ = stampa;
  }

  // Opened by the seismic window: its column stirrups are drawn after the
  // section, on the same device.
  bool ChiamataDaSismica = false;
  std::function<void(const std::string& dispositivo)> PlottaStaffeSismica;
  // The section drawn when a window hands one of its own; none: the current one.
  std::shared_ptr<SezioneCA> Sezione;
  // The project's name, the stem of the DXF file proposed.
  std::string NomeFileProgetto;

  // The picture last drawn on screen.
  const QImage& Immagine() { return immagine_.Immagine(); }

 protected:
  void resizeEvent(QResizeEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  class Disegno;
  Disegno* disegno_;
  platform::SurfaceImmagineQt immagine_{0, 0};
  platform::FileDialog* dialogoFile_ = nullptr;
  platform::PrintDialog* dialogoStampa_ = nullptr;
};
