#pragma once
// Drawing tests start from a clean drawing state, with a recording screen
// surface and a recording 600 dpi printer installed.
#include <gtest/gtest.h>

#include "drawing/GraficaStato.h"
#include "platform/Stampante.h"
#include "platform/SurfaceRegistrata.h"

class AmbienteDisegno : public ::testing::Test {
 protected:
  void SetUp() override {
    Grafica::Stato = Grafica::StatoGrafica{};
    platform::ImpostaStampante(&stampante);
  }
  void TearDown() override { platform::ImpostaStampante(nullptr); }

  platform::SurfaceRegistrata video{800, 600};
  platform::SurfaceRegistrata stampante{4800, 6600, 2.4};
};
