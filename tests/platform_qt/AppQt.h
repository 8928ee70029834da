#pragma once
// The one QApplication of the Qt tests, created by the first test that needs
// it (or taken from whoever created it first). It is never destroyed: the
// print dialog leaves clean-up routines that must not run after the print
// support has gone at exit.
#include <QApplication>

inline QApplication& AppQt() {
  if (auto* esistente = qobject_cast<QApplication*>(QApplication::instance())) return *esistente;
  static int argc = 1;
  static char nome[] = "test";
  static char* argv[] = {nome, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
