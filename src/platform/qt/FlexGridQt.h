#pragma once
// The grid on screen: a table view that follows its FlexGrid model. Fixed rows
// and columns are drawn as headers that do not scroll; sizes and the scroll
// position come from the model, so that a cell's place in the model is where
// it is drawn. Cells are not edited by the view: the window lays its own text
// box over the current cell. Place the grid through its model, or as any
// widget: the model takes the widget's place as the widget receives it (a
// hidden one when it is shown). A hidden grid is sized and scrolled when it
// is shown.
#include <functional>

#include <QTableView>

#include "platform/FlexGrid.h"

class QAbstractButton;

namespace platform {

class ModelloFlexGridQt;

class FlexGridQt : public QTableView, private VistaFlexGrid {
 public:
  explicit FlexGridQt(QWidget* genitore = nullptr);
  ~FlexGridQt() override;

  FlexGrid& Griglia() { return griglia_; }

  // Where cell (riga, colonna) is drawn, in the grid's own pixels, the grid
  // line after it included.
  QRect RettangoloCella(int riga, int colonna) const;

  // The user's events, the model's current cell already moved to the cell
  // clicked: a click on a scrolling cell, a key down (program key code and
  // shift bits) and the character it types, if any.
  std::function<void()> Click;
  std::function<void(int& codice, int shift)> KeyDown;
  std::function<void(int carattere)> KeyPress;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) override;
  void moveEvent(QMoveEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void CellaCambiata(int riga, int colonna) override;
  void StrutturaCambiata() override;
  void FormatoCambiato() override;
  void CellaCorrenteCambiata() override;
  void ScorrimentoCambiato() override;
  void GeometriaCambiata() override;
  void FuocoRichiesto() override;

  // A column with a width is at least as wide as its header's text.
  void AllargaPerIntestazioni();
  void ApplicaFormato();
  void ApplicaCorrente();
  void ApplicaScorrimento();
  // The view's scroll position and place written into the model.
  void ScorrimentoDallaVista();
  // The first scrolling row and column in view start at the edge, also at
  // the end of the scroll range.
  void AllineaAllaPrimaCella();
  void GeometriaNelModello();
  void DipingiAngolo();

  FlexGrid griglia_;
  ModelloFlexGridQt* modello_;
  QAbstractButton* angolo_;
  // Set while the view follows the model, so that it does not echo back.
  bool seguendo_ = false;
  // Set when the model changed while the grid was hidden: shown, it is laid
  // out again from the model.
  bool daImpaginare_ = false;
};

}  // namespace platform
