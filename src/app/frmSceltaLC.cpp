#include "app/frmSceltaLC.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/TestoSingolo.h"
#include "app/Material.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FormQt.h"

namespace {

struct Livello {
  const char* nome;
  const char* dettagli;
  const char* proprieta;
  const char* testoFc;
  float fc;
};

const Livello Livelli[3] = {
    {"LC1",
     "Progetto simulato in accordo alle norme dell’epoca e indagini limitate in situ",
     "Valori usuali per la pratica costruttiva dell’epoca e prove limitate in situ", "1,35", 1.35f},
    {"LC2",
     "Elaborati progettuali incompleti con indagini limitate in situ; in alternativa indagini "
     "estese in situ",
     "Dalle specifiche originali di progetto o dai certificati di prova originali, con prove "
     "limitate in situ; in alternativa da prove estese in situ",
     "1,20", 1.20f},
    {"LC3",
     "Elaborati progettuali completi con indagini limitate in situ; in alternativa indagini "
     "esaustive in situ",
     "Dai certificati di prova originali o dalle specifiche originali di progetto, con prove "
     "estese in situ; in alternativa da prove esaustive in situ",
     "1,00", 1.00f},
};

QLabel* Cella(const QString& testo, bool titolo = false) {
  auto* cella = new QLabel(testo);
  cella->setWordWrap(true);
  cella->setFrameShape(QFrame::Box);
  cella->setMargin(4);
  cella->setAlignment(titolo ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  if (titolo) {
    QFont grassetto = cella->font();
    grassetto.setBold(true);
    cella->setFont(grassetto);
  }
  return cella;
}

}  // namespace

frmSceltaLC::frmSceltaLC(Material& materiali, int IndiceFattoreConfidenza)
    : QDialog(&materiali), materiali_(materiali), IndiceFattoreConfidenza(IndiceFattoreConfidenza) {
  setObjectName("frmSceltaLC");
  setWindowTitle("Livelli di conoscenza e fattori di confidenza");
  auto* g = new QGridLayout(this);
  g->setSpacing(0);
  g->addWidget(Cella("Livello di\nconoscenza", true), 0, 0);
  g->addWidget(Cella("Geometrie (carpenterie)", true), 0, 1);
  g->addWidget(Cella("Dettagli strutturali", true), 0, 2);
  g->addWidget(Cella("Proprietà dei materiali", true), 0, 3);
  g->addWidget(Cella("FC", true), 0, 4);
  g->addWidget(Cella("Da disegni di carpenteria originali con rilievo visivo a campione; in "
                     "alternativa rilievo completo ex-novo"),
               1, 1, 3, 1);
  for (int i = 0; i < 3; ++i) {
    const Livello& livello = Livelli[i];
    optLC_[i] = new QRadioButton(livello.nome);
    optLC_[i]->setObjectName(QString::fromStdString(platform::NomeOggetto("optLC", i)));
    auto* opzione = new QFrame;
    opzione->setFrameShape(QFrame::Box);
    (new QHBoxLayout(opzione))->addWidget(optLC_[i]);
    g->addWidget(opzione, i + 1, 0);
    g->addWidget(Cella(livello.dettagli), i + 1, 2);
    g->addWidget(Cella(livello.proprieta), i + 1, 3);
    QLabel* fc = Cella(livello.testoFc, true);
    fc->setWordWrap(false);
    g->addWidget(fc, i + 1, 4);
  }
  g->setColumnMinimumWidth(1, 160);
  g->setColumnMinimumWidth(2, 200);
  g->setColumnMinimumWidth(3, 240);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  const char* testi[] = {"Annulla", "OK"};
  for (int i = 0; i < 2; ++i) {
    auto* pulsante = new QPushButton(testi[i]);
    pulsante->setObjectName(QString::fromStdString(platform::NomeOggetto("cmdLC", i)));
    pulsante->setAutoDefault(false);
    connect(pulsante, &QPushButton::clicked, this, [this, i] { cmdLC_Click(i); });
    pulsanti->addWidget(pulsante);
  }
  g->addLayout(pulsanti, 4, 0, 1, 5);
  g->setVerticalSpacing(0);
  g->setContentsMargins(10, 10, 10, 10);
}

void frmSceltaLC::FattoreDaLivello() {
  for (int i = 0; i < 3; ++i) {
    if (!optLC_[i]->isChecked()) continue;
    VariabiliPubbliche::Stato.FattoreConfidenza[IndiceFattoreConfidenza] = Livelli[i].fc;
    return;
  }
}

void frmSceltaLC::cmdLC_Click(int Index) {
  if (Index == 1) {
    FattoreDaLivello();
    materiali_.F_FC(IndiceFattoreConfidenza)
        .setText(QString::fromStdString(
            TestoSingolo(VariabiliPubbliche::Stato.FattoreConfidenza[IndiceFattoreConfidenza])));
    // The design strengths follow the new factor at once.
    materiali_.CalcolaValoriDerivati();
  }
  close();
}
