#include "app/FrmCarSez.h"

#include <algorithm>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtMath>
#include <QVBoxLayout>

#include "analysis/Correnti.h"
#include "model/Formattazione.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/SchermoQt.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr const char* NessunRisultato = "Nessun risultato disponibile";

std::string V(double valore) { return Formattazione::FormattaMigliaia(4, valore); }

// Area, centroid and centroidal inertias of a section (mm based), in the
// length unit shown; xMax and yMax give the distances of the far edges.
template <class Sezione>
std::string Blocco(const Sezione& s, double xMax, double yMax) {
  using namespace VariabiliPubbliche;
  const std::string u = Stato.UnitaLunghezza == "mm" ? "mm" : "cm";
  const std::string j = " " + u + "4\n";
  return "     Area = " + V(AreaDaMm2(s.Area)) + " " + u + "2\n" +
         "     Ascissa  baricentro xG = " + V(LunghezzaDaMm(s.xG)) + " " + u +
         "   (xMax - xG = " + V(LunghezzaDaMm(xMax - s.xG)) + ")\n" +
         "     Ordinata baricentro yG = " + V(LunghezzaDaMm(s.yG)) + " " + u +
         "   (yMax - yG = " + V(LunghezzaDaMm(yMax - s.yG)) + ")\n" +
         "Momenti d'inerzia baricentrici\n" +
         "      JxG = " + V(InerziaDaMm4(s.jota_xG)) + j +
         "      JyG = " + V(InerziaDaMm4(s.jota_yG)) + j +
         "     JxyG = " + V(InerziaDaMm4(s.jota_xyG)) + j +
         "Momenti principali d'inerzia baricentrici\n" +
         "     J-IG = " + V(InerziaDaMm4(s.jota_IG)) + j +
         "    J-IIG = " + V(InerziaDaMm4(s.jota_IIG)) + j +
         "    angolo = " + V(s.AngoloJotaI * 180 / 3.14159265358979) + " deg";
}

void Massimi(const Poligono& p, double& xMax, double& yMax) {
  double xMin, yMin;
  p.MaxMin(xMin, xMax, yMin, yMax);
}

}  // namespace

FrmCarSez::FrmCarSez(int modo, std::function<bool()> verifica, QWidget* genitore)
    : QWidget(genitore), ModoLista(modo), verifica_(std::move(verifica)) {
  setObjectName("FrmCarSez");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Caratteristiche Statiche Sezione");
  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName("Text1");
  text1_->setReadOnly(true);
  text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setFont(QFont("Monospace"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text1_);
  resize(560, 420);
  ListaCarSez();
}

void FrmCarSez::ListaCarSez() {
  const bool parzializzata = ModoLista != 0;
  setWindowTitle(parzializzata ? "Caratteristiche statiche sezione Parzializzata"
                               : "Caratteristiche statiche sezione Omogeneizzata");
  const QString testo =
      QString::fromStdString(parzializzata ? ReportParzializzata() : ReportOmogeneizzata());
  text1_->setPlainText(testo);
  // As wide as its longest line, where the screen allows: no sideways scrolling.
  int larghezza = 0;
  for (const QString& linea : testo.split('\n'))
    larghezza = std::max(larghezza, text1_->fontMetrics().horizontalAdvance(linea));
  const int margini = 2 * (text1_->frameWidth() + qCeil(text1_->document()->documentMargin())) +
                      text1_->verticalScrollBar()->sizeHint().width() + 4;
  // Text1 fills the window.
  if (larghezza + margini > width()) {
    resize(larghezza + margini, height());
    platform::AdattaAlloSchermo(*this);
  }
}

std::string FrmCarSez::ReportParzializzata() {
  if (Stato.TipoVerifica != 1)
    return "Le caratteristiche statiche della sezione parzializzata "
           "hanno senso solo per il metodo n";
  if (Stato.ClsReagenteTrazione)
    return "Materiale reagente a trazione\nScegliere l'opzione:\n"
           "'Caratteristiche Sezione Omogeneizzata'";
  SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
  // What an earlier run left must not pass for this one's result.
  sezione.EsitoMetodoN = EsitoCalcoloMetodoN::NonEseguito;
  if (!verifica_ || !verifica_()) return NessunRisultato;
  const bool risultato = sezione.EsitoMetodoN == EsitoCalcoloMetodoN::Riuscito ||
                         sezione.EsitoMetodoN == EsitoCalcoloMetodoN::NonConvergente;
  const SezioneCAreagente& reagente = *sezione.SezioneReagenteI;
  if (!risultato || reagente.Area <= 0 || reagente.Contorno->nVertici() < 3)
    return NessunRisultato;
  double xMax, yMax;
  Massimi(*reagente.Contorno, xMax, yMax);
  return "Caratteristiche statiche sezione parzializzata\n" + Blocco(reagente, xMax, yMax);
}

std::string FrmCarSez::ReportOmogeneizzata() {
  const auto omogeneizzata = VariabiliPubbliche::SezioneCorrente()->CreaSezioneCaInteramenteReagente();
  const Poligono& cls = *omogeneizzata->Contorno;
  if (cls.nVertici() < 3 || cls.Area <= 0) return NessunRisultato;
  double xMax, yMax;
  Massimi(cls, xMax, yMax);
  return "Caratteristiche statiche sezione solo calcestruzzo\n" + Blocco(cls, xMax, yMax) +
         "\n \nSezione omogeneizzata interamente reagente\n" + Blocco(*omogeneizzata, xMax, yMax);
}
