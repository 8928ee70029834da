#pragma once
// Windows on screen in a test: made the active window, so that focus and
// keys reach them, and saved as <nome>.png in the build's screenshots folder.
#include <string>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

inline bool Attiva(QWidget& finestra) {
  finestra.show();
  finestra.activateWindow();
  return QTest::qWaitFor([&] { return QApplication::activeWindow() == &finestra; });
}

inline void SalvaSchermata(QWidget& finestra, const std::string& nome) {
  QDir().mkpath(TRAMOK_SCREENSHOTS);
  finestra.grab().save(QString(TRAMOK_SCREENSHOTS) + "/" + QString::fromStdString(nome) + ".png");
}
