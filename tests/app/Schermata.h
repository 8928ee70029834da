#pragma once
// A window's picture for anyone to look at: build/screenshots/<nome>.png,
// beside the test program.
#include <QCoreApplication>
#include <QDir>
#include <QWidget>

inline void SalvaSchermata(QWidget& finestra, const QString& nome) {
  QDir cartella(QCoreApplication::applicationDirPath());
  cartella.mkpath("screenshots");
  finestra.grab().save(cartella.filePath("screenshots/" + nome + ".png"));
}
