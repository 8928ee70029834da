#pragma once
// "Importa DXF": the modal choice of the layers of the section outline, of
// the bars and of the tendons among the layers of the drawing.
#include <array>

#include <QDialog>

#include "app/ImportaDxf.h"

class QCheckBox;
class QComboBox;
class QPushButton;

class FrmImportDXF : public QDialog, public ImportaDxf::SceltaLayerDxf {
  Q_OBJECT

 public:
  explicit FrmImportDXF(QWidget* parent = nullptr);

  // Loads the layer names of ImportaDxf::Stato and waits for the choice.
  void MostraModale() override;

  void CheckSez_Click(int Index);
  void cmdDXF_Click(int Index);
  // Closing by the frame or by Esc is "Annulla".
  void reject() override;

 private:
  void Form_Load();

  std::array<QComboBox*, 3> ComboSez{};
  std::array<QCheckBox*, 3> CheckSez{};  // 1 bars, 2 tendons
  std::array<QPushButton*, 2> cmdDXF{};  // 0 "Annulla", 1 "OK"
};
