#pragma once
// Window tests of the seismic module: the offscreen application, Italian
// separators and millimetres; every window the test opened is closed after.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "AmbienteSismica.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "platform/MsgBoxScriptato.h"
#include "platform_qt/AppQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

class FinestreSismicaQt : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    ambiente.sistema.ImpostaSeparatori(",", ".");
    VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
  }
  void TearDown() override {
    for (QWidget* w : {static_cast<QWidget*>(FinestreRisultati::FrmPltSezioneAperto()),
                       static_cast<QWidget*>(FrmSismica::Aperta()),
                       static_cast<QWidget*>(FrmCoefficienti::Aperta())})
      if (w) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Finestre::Aperte = Finestre::FinestreAperte{};
  }
  static FrmSismica& F() { return *FrmSismica::Aperta(); }

  AmbienteSismica ambiente;
  platform::MsgBoxScriptato messaggi;
};
