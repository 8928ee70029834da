#include "app/GuardiaRisultati.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>

#include "platform/qt/FlexGridQt.h"

GuardiaRisultati::GuardiaRisultati(QObject* genitore, std::function<void()> scaduti)
    : QObject(genitore), scaduti_(std::move(scaduti)) {}

void GuardiaRisultati::Cambiato() {
  if (sospensioni_ == 0) scaduti_();
}

void GuardiaRisultati::Osserva(QLineEdit& casella, std::function<bool()> conta) {
  connect(&casella, &QLineEdit::textChanged, this, [this, conta = std::move(conta)] {
    if (!conta || conta()) Cambiato();
  });
}

void GuardiaRisultati::Osserva(QAbstractButton& bottone) {
  connect(&bottone, &QAbstractButton::toggled, this, [this] { Cambiato(); });
}

void GuardiaRisultati::Osserva(QAction& voce) {
  connect(&voce, &QAction::toggled, this, [this] { Cambiato(); });
}

void GuardiaRisultati::Osserva(QAction& voce, std::function<int()> valore) {
  auto visto = std::make_shared<int>(valore());
  connect(&voce, &QAction::toggled, this, [this, visto, valore = std::move(valore)] {
    const int ora = valore();
    if (ora == *visto) return;
    *visto = ora;
    Cambiato();
  });
}

void GuardiaRisultati::Osserva(platform::FlexGridQt& griglia) {
  // The grid tells that a cell changed, not whether its text did: the texts
  // last seen tell. A grid laid out anew is seen afresh.
  auto viste = std::make_shared<Celle>();
  auto rivedi = [&griglia, viste] {
    const platform::FlexGrid& g = griglia.Griglia();
    viste->clear();
    for (int r = g.FixedRows(); r < g.Rows(); ++r)
      for (int c = g.FixedCols(); c < g.Cols(); ++c) (*viste)[{r, c}] = g.TextMatrix(r, c);
  };
  rivedi();
  const QAbstractItemModel* modello = griglia.model();
  connect(modello, &QAbstractItemModel::modelReset, this, rivedi);
  connect(modello, &QAbstractItemModel::dataChanged, this,
          [this, &griglia, viste](const QModelIndex& da, const QModelIndex& a) {
            const platform::FlexGrid& g = griglia.Griglia();
            bool cambiata = false;
            for (int r = da.row(); r <= a.row(); ++r)
              for (int c = da.column(); c <= a.column(); ++c) {
                const std::pair<int, int> cella{g.FixedRows() + r, g.FixedCols() + c};
                const std::string testo = g.TextMatrix(cella.first, cella.second);
                std::string& visto = (*viste)[cella];
                cambiata = cambiata || visto != testo;
                visto = testo;
              }
            if (cambiata) Cambiato();
          });
}
