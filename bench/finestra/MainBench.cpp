// "Calcola" on a ring of 52 sides with 24 bars, typed in the main window:
// reading the window, the verification and the drawing into the picture,
// timed apart, and the whole command. Then the domain windows of the ring:
// "Infittisci punti" of the Mx-My domain from 720 to 1,440 directions, and
// the M-N domain at 10 points a region, each with its grid and chart; beside
// each, its computation alone, and for the M-N domain its output alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "analysis/Correnti.h"
#include "analysis/PuntiDominioMN.h"
#include "app/DominioMN.h"
#include "app/DominioMxMy.h"
#include "app/FinestreRisultati.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/RegistriVettorialiQt.h"

namespace {

// A command as the user gives it: the event that carries it passes the
// application's filters before the window runs the command, as Enter on a
// button does (a mouse click also redraws the button first).
template <class Comando>
void DaUtente(QWidget& finestra, Comando comando) {
  QEvent evento(QEvent::None);
  QCoreApplication::sendEvent(&finestra, &evento);
  comando();
}

// The main window of the benchmarks, gone before the application.
std::unique_ptr<Main> anello;

Main& FinestraAnello() {
  if (!anello) anello = [] {
    auto m = std::make_unique<Main>();
    m->Form_Load();
    m->resize(1366, 740);
    m->Controllo("OpTipoSezione", 4).SetValue(1);
    const char* const cerchio[] = {"40", "24", "2", "4", "20"};  // cm: R, bars, diameter, cover, r
    for (int k = 0; k < 5; ++k) m->Controllo("RaggioTxt", k).SetText(cerchio[k]);
    m->Controllo("F_Vertici").SetText("52");
    m->Controllo("F_N", 0).SetText("500");
    QApplication::processEvents();
    return m;
  }();
  return *anello;
}

void LetturaFinestra(benchmark::State& stato) {
  Main& m = FinestraAnello();
  for (auto _ : stato) benchmark::DoNotOptimize(m.FormLeggeDati(true));
}

void Verifica(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.FormLeggeDati(true);
  const auto sezione = VariabiliPubbliche::SezioneCorrente();
  for (auto _ : stato) sezione->CalcolaSezioneCA(m);
}

void DisegnoInFigura(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  for (auto _ : stato) m.PlottaSezioneInFigura(1);
}

void ComandoCalcola(benchmark::State& stato) {
  Main& m = FinestraAnello();
  for (auto _ : stato) DaUtente(m, [&m] { m.btnCalcola_Click(); });
  if (m.DatiErrati || !VariabiliPubbliche::Stato.RisultatiPresenti)
    stato.SkipWithError("la verifica dell'anello non ha dato un risultato");
}

void DominioMxMy_Infittisci(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  DominioMxMy& finestra = FinestreRisultati::MostraDominioMxMy("Anello", nullptr, nullptr);
  finestra.F_Mxsd().setText("100");
  finestra.F_MySd().setText("50");
  for (auto _ : stato) {
    finestra.nPuntiInput = DominioMxMy::DirezioniMassime / 2;
    DaUtente(finestra, [&finestra] { finestra.cmdInfittisci_Click(); });
    QApplication::processEvents();
  }
  if (finestra.GridMN().Rows() != DominioMxMy::DirezioniMassime + 2) std::abort();
}

// The sweep of Infittisci at 1,440 directions without its refinement: the
// ultimate runs alone.
void DominioMxMy_Calcolo(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
  constexpr int n = DominioMxMy::DirezioniMassime;
  for (auto _ : stato)
    for (int i = 0; i <= n; ++i) sezione.CalcolaTramok1(360.0f * static_cast<float>(i) / n, false);
}

// The two halves of the M-N domain at 10 points a region, computed alone.
void DominioMN_Calcolo(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
  for (auto _ : stato) {
    PuntiDominioMN punti;
    for (int meta = 0; meta < 2; ++meta) sezione.CalcolaDominioMN1(10, punti);
    benchmark::DoNotOptimize(punti.M.data());
  }
}

// The output of the M-N domain alone: its points, computed once, written
// into the grid and the chart, and the chart laid out to be drawn. The
// window is hidden, so that the drawing the user sees is left out.
void DominioMN_Uscita(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
  PuntiDominioMN punti;
  for (int meta = 0; meta < 2; ++meta) sezione.CalcolaDominioMN1(10, punti);
  DominioMN& finestra = FinestreRisultati::MostraDominioMN("Anello");
  finestra.hide();
  for (auto _ : stato) {
    sezione.RisultatiDominioMN(finestra, punti, "Anello");
    finestra.Grafico().Aggiorna();
    QApplication::processEvents();
  }
  finestra.show();
}

void DominioMN_Punti(benchmark::State& stato) {
  Main& m = FinestraAnello();
  m.btnCalcola_Click();
  DominioMN& finestra = FinestreRisultati::MostraDominioMN("Anello");
  for (auto _ : stato) {
    finestra.nPuntiInput = 9;
    DaUtente(finestra, [&finestra] { finestra.btnCalcolaMN_Click(); });
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK(DominioMxMy_Infittisci)->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMxMy_Calcolo)->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMN_Punti)->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMN_Calcolo)->Unit(benchmark::kMillisecond);
BENCHMARK(DominioMN_Uscita)->Unit(benchmark::kMillisecond);
BENCHMARK(LetturaFinestra)->Unit(benchmark::kMicrosecond);
BENCHMARK(Verifica)->Unit(benchmark::kMicrosecond);
BENCHMARK(DisegnoInFigura)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComandoCalcola)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::RegistriVettorialiPuliti(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  anello.reset();
  return 0;
}
