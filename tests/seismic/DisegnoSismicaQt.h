#pragma once
// What the seismic drawings show of the stirrups: the pixels of their colour
// in a picture, the polylines of their colour in a DXF export.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "app/FrmPltSezione.h"
#include "platform/FileDialogScriptato.h"
#include "platform/PrintDialogScriptato.h"

// The pixels of the stirrups' colour, magenta, smoothed or not: red and blue
// well above green. Red hatching, blue bars and green axes are not.
inline QImage MascheraStaffe(const QImage& immagine) {
  QImage maschera(immagine.size(), QImage::Format_Mono);
  maschera.fill(0);
  for (int y = 0; y < immagine.height(); ++y)
    for (int x = 0; x < immagine.width(); ++x) {
      const QColor c = immagine.pixelColor(x, y);
      if (c.red() - c.green() > 60 && c.blue() - c.green() > 60) maschera.setPixel(x, y, 1);
    }
  return maschera;
}
inline int Pixel(const QImage& maschera) {
  int n = 0;
  for (int y = 0; y < maschera.height(); ++y)
    for (int x = 0; x < maschera.width(); ++x) n += maschera.pixelIndex(x, y);
  return n;
}
inline int PixelStaffe(const QImage& immagine) { return Pixel(MascheraStaffe(immagine)); }
// The pixels set in both.
inline int Comuni(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixelIndex(x, y) && b.pixelIndex(x, y);
  return n;
}

// The drawing window's picture exported to the DXF file percorso; the
// stirrups (polylines of colour 6) it holds, -1 when there is no file.
inline int StaffeDxf(FrmPltSezione& disegno, const QString& percorso) {
  platform::FileDialogScriptato file;
  platform::PrintDialogScriptato stampa;
  disegno.ImpostaDialoghi(&file, &stampa);
  file.Accoda(percorso.toStdString());
  // The export ends in the program's folder: the tests' own is given back.
  const QString cartellaTest = QDir::currentPath();
  disegno.MnufileItem_Click(1);
  QDir::setCurrent(cartellaTest);
  disegno.ImpostaDialoghi(nullptr, nullptr);
  QFile dxf(percorso);
  if (!dxf.open(QIODevice::ReadOnly)) return -1;
  const QRegularExpression staffa(
      "POLYLINE\\r?\\n  8\\r?\\n0\\r?\\n 66\\r?\\n     1\\r?\\n 62\\r?\\n     6\\r?\\n");
  return static_cast<int>(QString::fromLatin1(dxf.readAll()).count(staffa));
}
