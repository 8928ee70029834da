#include "platform/qt/ModelloFlexGridQt.h"

#include <QFont>
#include <QStringList>

#include "platform/qt/NumeroQt.h"

namespace platform {

Qt::Alignment AllineamentoQt(int allineamento, const QString& testo) {
  if (allineamento < 0 || allineamento > 8) {
    const bool numero = NumeroDaTesto(testo).has_value();
    return Qt::AlignVCenter | (numero ? Qt::AlignRight : Qt::AlignLeft);
  }
  static const Qt::Alignment orizzontale[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static const Qt::Alignment verticale[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  return orizzontale[allineamento / 3] | verticale[allineamento % 3];
}

ModelloFlexGridQt::ModelloFlexGridQt(const FlexGrid& griglia, QObject* genitore)
    : QAbstractTableModel(genitore), griglia_(griglia) {}

int ModelloFlexGridQt::rowCount(const QModelIndex& genitore) const {
  return genitore.isValid() ? 0 : griglia_.Rows() - griglia_.FixedRows();
}

int ModelloFlexGridQt::columnCount(const QModelIndex& genitore) const {
  return genitore.isValid() ? 0 : griglia_.Cols() - griglia_.FixedCols();
}

QVariant ModelloFlexGridQt::Ruolo(int riga, int colonna, int ruolo) const {
  // The text only where it is asked for: a number kept in the cell is
  // written each time its text is read.
  const auto testo = [&] { return QString::fromStdString(griglia_.TextMatrix(riga, colonna)); };
  switch (ruolo) {
    case Qt::DisplayRole: return testo();
    case Qt::TextAlignmentRole: {
      const int allineamento = griglia_.CellAlignment(riga, colonna);
      const bool generale = allineamento < 0 || allineamento > 8;
      return static_cast<int>(AllineamentoQt(allineamento, generale ? testo() : QString()));
    }
    case Qt::FontRole:
      if (griglia_.CellFontBold(riga, colonna)) {
        QFont grassetto;
        grassetto.setBold(true);
        return grassetto;
      }
      return {};
    default: return {};
  }
}

QVariant ModelloFlexGridQt::data(const QModelIndex& indice, int ruolo) const {
  if (!indice.isValid()) return {};
  return Ruolo(griglia_.FixedRows() + indice.row(), griglia_.FixedCols() + indice.column(), ruolo);
}

QVariant ModelloFlexGridQt::headerData(int sezione, Qt::Orientation orientamento,
                                       int ruolo) const {
  // A header section stands for the fixed cells across it: their texts one
  // per line, the format of the last of them.
  const bool colonne = orientamento == Qt::Horizontal;
  const int fisse = colonne ? griglia_.FixedRows() : griglia_.FixedCols();
  const int altra = sezione + (colonne ? griglia_.FixedCols() : griglia_.FixedRows());
  if (fisse == 0) return {};
  if (ruolo == Qt::DisplayRole) {
    QStringList testi;
    for (int f = 0; f < fisse; ++f)
      testi << QString::fromStdString(colonne ? griglia_.TextMatrix(f, altra)
                                              : griglia_.TextMatrix(altra, f));
    return testi.join('\n');
  }
  return colonne ? Ruolo(fisse - 1, altra, ruolo) : Ruolo(altra, fisse - 1, ruolo);
}

QModelIndex ModelloFlexGridQt::Indice(int riga, int colonna) const {
  return index(riga - griglia_.FixedRows(), colonna - griglia_.FixedCols());
}

QString ModelloFlexGridQt::TestoAngolo() const {
  QStringList righe;
  for (int r = 0; r < griglia_.FixedRows(); ++r) {
    QStringList testi;
    for (int c = 0; c < griglia_.FixedCols(); ++c)
      testi << QString::fromStdString(griglia_.TextMatrix(r, c));
    righe << testi.join(' ');
  }
  return righe.join('\n');
}

void ModelloFlexGridQt::CellaCambiata(int riga, int colonna) {
  const bool rigaFissa = riga < griglia_.FixedRows();
  const bool colonnaFissa = colonna < griglia_.FixedCols();
  if (!rigaFissa && !colonnaFissa) {
    const QModelIndex i = Indice(riga, colonna);
    emit dataChanged(i, i);
  } else if (rigaFissa && !colonnaFissa) {
    const int sezione = colonna - griglia_.FixedCols();
    emit headerDataChanged(Qt::Horizontal, sezione, sezione);
  } else if (colonnaFissa && !rigaFissa) {
    const int sezione = riga - griglia_.FixedRows();
    emit headerDataChanged(Qt::Vertical, sezione, sezione);
  }
}

void ModelloFlexGridQt::Ricarica() {
  beginResetModel();
  endResetModel();
}

}  // namespace platform
