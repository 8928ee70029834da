#pragma once
// The one application object of the Qt tests, on the offscreen platform when
// no other is asked for. It is never destroyed: at exit Qt's own statics may
// already be gone.
#include <QApplication>

inline QApplication& App() {
  static int argc = 1;
  static char nome[] = "test";
  static char* argv[] = {nome, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
