#pragma once
// The result windows as the main window's commands open them: one instance
// of each, created on first use and gone when closed, shown beside the main
// window and filled by the engine from the current section. The commands run
// the verification first and open a window only after a result.
#include <functional>
#include <memory>
#include <string>

class QWidget;
class DominioMN;
class DominioMxMy;
class MomCurv;
class FrmPltSezione;
class FrmCarSez;
class SezioneCA;

namespace FinestreRisultati {

// The open instance, or nullptr.
DominioMN* DominioMNAperto();
DominioMxMy* DominioMxMyAperto();
MomCurv* MomCurvAperto(bool solo);
FrmPltSezione* FrmPltSezioneAperto();
FrmCarSez* FrmCarSezAperto();

// Every open chart window emptied: the inputs its results were computed
// from have changed.
void SvuotaAperte();
// The model column emptied: the free length changed.
void SvuotaColonnaModello();
// The moment-curvature windows' force, free length and its unit, the M-N
// window's first acting point and the Mx-My window's couple as the main
// window shows them: their commands write back no value gone from it.
void SeguonoMain();
// The domain windows gone: the M-N acting points and the Mx-My couple
// belonged to the project left.
void ChiudiDomini();

// The M-N domain of the last ultimate run, density 1, with the title.
DominioMN& MostraDominioMN(const std::string& titolo);
// The Mx-My domain at 12 directions for the main window's first moments;
// then ricalcola (the main window's verification again), and the window is
// brought forward with the focus on "Infittisci punti". *calcolato tells
// whether the domain was computed.
DominioMxMy& MostraDominioMxMy(const std::string& titolo, const std::function<void()>& ricalcola,
                               bool* calcolato = nullptr);
// The model column (solo false) or the moment-curvature diagram, at the
// main window's axial force and free length.
MomCurv& MostraMomentoCurvatura(bool solo);
// The drawing window laid over the main window's picture and redrawn, with
// the results of the analysis when modo is not 0.
FrmPltSezione& AggiornaFrmPltSezione(QWidget& figura, int modo);
// The drawing window at the given place and size (twips), shown and redrawn
// with the section given.
FrmPltSezione& MostraFrmPltSezione(int sinistra, int alto, int larghezza, int altezza,
                                   std::shared_ptr<SezioneCA> sezione);
// The properties report, built anew: an open one gives way to it.
FrmCarSez& MostraCarSez(int modo, std::function<bool()> verifica);

}  // namespace FinestreRisultati
