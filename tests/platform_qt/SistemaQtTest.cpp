#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QWidget>
#include <filesystem>

#include "platform/qt/SistemaQt.h"

using platform::SistemaQt;

namespace {
int argc = 1;
char nome[] = "test";
char* argv[] = {nome, nullptr};
QApplication& App() {
  static QApplication app(argc, argv);
  return app;
}

class LocalePredefinito {
 public:
  explicit LocalePredefinito(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocalePredefinito() { QLocale::setDefault(precedente_); }

 private:
  QLocale precedente_ = QLocale();
};
}  // namespace

TEST(SistemaQt, SeparatorsOfTheLocale) {
  App();
  SistemaQt sistema;
  {
    LocalePredefinito italiano(QLocale(QLocale::Italian, QLocale::Italy));
    EXPECT_EQ(sistema.SeparatoreDecimale(), ",");
    EXPECT_EQ(sistema.SeparatoreMigliaia(), ".");
  }
  LocalePredefinito inglese(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(sistema.SeparatoreDecimale(), ".");
  EXPECT_EQ(sistema.SeparatoreMigliaia(), ",");
}

TEST(SistemaQt, FoldersOfTheProcess) {
  App();
  SistemaQt sistema;
  EXPECT_EQ(std::filesystem::path(sistema.CartellaApplicazione()),
            std::filesystem::canonical("/proc/self/exe").parent_path());
  const std::string prima = sistema.CartellaCorrente();
  const std::string temporanea = std::filesystem::temp_directory_path().string();
  sistema.ImpostaCartellaCorrente(temporanea);
  EXPECT_EQ(std::filesystem::path(sistema.CartellaCorrente()),
            std::filesystem::canonical(temporanea));
  EXPECT_EQ(sistema.GetAbsolutePathName("x.slu"),
            (std::filesystem::canonical(temporanea) / "x.slu").string());
  sistema.ImpostaCartellaCorrente(prima);
  EXPECT_EQ(sistema.CartellaCorrente(), prima);
}

TEST(SistemaQt, EveryWindowIsClosed) {
  App();
  QWidget primo, secondo;
  primo.show();
  secondo.show();
  SistemaQt().ChiudiFinestre();
  EXPECT_FALSE(primo.isVisible());
  EXPECT_FALSE(secondo.isVisible());
}
