#include "app/NuovoMateriale.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Generale.h"
#include "app/Material.h"
#include "app/TastieraFinestra.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "platform/MsgBox.h"
#include "platform/qt/FormQt.h"

namespace {

QLabel* Etichetta(const QString& testo, const std::string& nome, int indice) {
  auto* etichetta = new QLabel(testo);
  etichetta->setObjectName(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  return etichetta;
}

}  // namespace

NuovoMateriale::NuovoMateriale(Material& materiali, int TipoMateriale)
    : QDialog(&materiali), materiali_(materiali), TipoMateriale(TipoMateriale) {
  setObjectName("NuovoMateriale");
  const bool acciaio = TipoMateriale == 0;
  setWindowTitle(acciaio ? "Nuovo acciaio" : "Nuovo calcestruzzo");
  auto* g = new QGridLayout(this);
  for (int i = 0; i < 4; ++i) {
    Text1_[i] = new QLineEdit;
    Text1_[i]->setObjectName(QString::fromStdString(platform::NomeOggetto("Text1", i)));
  }
  auto* sigla = new QLabel("Sigla:");
  sigla->setObjectName("Label1");
  g->addWidget(sigla, 0, 0);
  g->addWidget(Text1_[0], 0, 1, 1, 3);
  const QString res1[2][3] = {{"Tensione caratteristica di snervamento:", "f", "yk"},
                              {"Resistenza caratteristica cilindica:", "f", "ck"}};
  const QString res2[2][3] = {{"Tensione caratteristica di rottura:", "f", "tk"},
                              {"Resistenza caratteristica cubica:", "R", "ck"}};
  const int k = acciaio ? 0 : 1;
  auto riga = [&](int r, const char* nome, const QString (&testi)[3], int primo) {
    g->addWidget(Etichetta(testi[0], nome, primo), r, 0);
    auto* simbolo = new QHBoxLayout;
    simbolo->setSpacing(0);
    simbolo->addWidget(Etichetta(testi[1], nome, primo + 1));
    simbolo->addWidget(Etichetta(testi[2], nome, primo + 2), 0, Qt::AlignBottom);
    simbolo->addStretch();
    g->addLayout(simbolo, r, 1);
    g->addWidget(Text1_[r], r, 2);
    g->addWidget(new QLabel(QStringLiteral("N/mm²")), r, 3);
  };
  riga(1, "lblRes1", res1[k], 0);
  riga(2, "lblRes2", res2[k], 0);
  riga(3, "lblRes2", {"Tensione ammissibile", QStringLiteral("σ"), "adm"}, 3);

  auto* inserisci = new QPushButton("Inserisci");
  inserisci->setObjectName("Inserisci");
  auto* esci = new QPushButton("Esci");
  esci->setObjectName("Annulla");
  for (QPushButton* pulsante : {inserisci, esci}) pulsante->setAutoDefault(false);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(inserisci);
  pulsanti->addWidget(esci);
  g->addLayout(pulsanti, 4, 0, 1, 4);

  connect(inserisci, &QPushButton::clicked, this, [this] { Inserisci_Click(); });
  connect(esci, &QPushButton::clicked, this, &QDialog::reject);
  for (int i = 0; i < 4; ++i) {
    QWidget* prossimo = i < 3 ? static_cast<QWidget*>(Text1_[i + 1]) : inserisci;
    connect(Text1_[i], &QLineEdit::returnPressed, prossimo,
            [prossimo] { prossimo->setFocus(Qt::TabFocusReason); });
  }
  new Generale::TastieraFinestra(*this);
}

void NuovoMateriale::Inserisci_Click() {
  using G = Intervalli::Grandezza;
  struct Valore {
    int casella;
    G grandezza;
    const char* nome;
  };
  const std::vector<Valore> valori =
      TipoMateriale == 0
          ? std::vector<Valore>{{1, G::Fyk, "fyk"}, {2, G::Fyk, "ftk"}, {3, G::SigmaSAmm, nullptr}}
          : std::vector<Valore>{{1, G::Fck, nullptr}, {2, G::Rck, nullptr}};
  std::string motivi;
  for (const Valore& v : valori) {
    const std::string motivo = Generale::FuoriIntervalloCasella(
        Text1_[v.casella]->text().toStdString(), v.grandezza, v.nome ? v.nome : "");
    // The data error is told once however many boxes hold no number.
    if (!motivo.empty() && motivi.find(motivo) == std::string::npos)
      motivi += (motivi.empty() ? "" : "\r\n") + motivo;
  }
  const auto numero = [&](int i) { return Generale::ValNumero(Text1_[i]->text().toStdString()); };
  if (motivi.empty() && TipoMateriale == 0 && numero(2) < numero(1))
    motivi = "ftk non può essere minore di fyk.";
  if (!motivi.empty()) {
    platform::MsgBox(motivi, platform::Pulsanti::Ok, platform::Icona::Esclamazione);
    return;
  }
  std::vector<std::string> testi;
  for (QLineEdit* casella : Text1_) testi.push_back(casella->text().toStdString());
  materiali_.AggiungiRiga(TipoMateriale == 0 ? 0 : 1, testi);
  Text1_[0]->setFocus(Qt::OtherFocusReason);
}
