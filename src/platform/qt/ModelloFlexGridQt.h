#pragma once
// The grid model as Qt item views read it: the scrolling cells are the items,
// the fixed rows and columns are the header sections.
#include <QAbstractTableModel>

#include "platform/FlexGrid.h"

namespace platform {

class ModelloFlexGridQt : public QAbstractTableModel {
 public:
  ModelloFlexGridQt(const FlexGrid& griglia, QObject* genitore);

  int rowCount(const QModelIndex& genitore = {}) const override;
  int columnCount(const QModelIndex& genitore = {}) const override;
  QVariant data(const QModelIndex& indice, int ruolo) const override;
  QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

  // The item of a grid cell; invalid for a fixed one.
  QModelIndex Indice(int riga, int colonna) const;
  // Texts of the cells where the fixed rows and columns meet.
  QString TestoAngolo() const;

  // The grid has changed: one cell, or all of it.
  void CellaCambiata(int riga, int colonna);
  void Ricarica();

 private:
  QVariant Ruolo(int riga, int colonna, int ruolo) const;

  const FlexGrid& griglia_;
};

// A grid alignment number as Qt alignment flags, for the given text.
Qt::Alignment AllineamentoQt(int allineamento, const QString& testo);

}  // namespace platform
