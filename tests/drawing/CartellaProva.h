#pragma once
// A fresh temporary folder for a test, removed with everything in it at the
// end; the current folder is put back as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class CartellaProva {
 public:
  CartellaProva() : corrente_(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    percorso_ = std::filesystem::temp_directory_path() /
                ("tramok_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(percorso_);
    std::filesystem::create_directories(percorso_);
  }
  ~CartellaProva() {
    std::filesystem::current_path(corrente_);
    std::filesystem::remove_all(percorso_);
  }
  CartellaProva(const CartellaProva&) = delete;
  CartellaProva& operator=(const CartellaProva&) = delete;

  const std::filesystem::path& Percorso() const { return percorso_; }
  std::string operator/(const std::string& nome) const { return (percorso_ / nome).string(); }

 private:
  std::filesystem::path corrente_;
  std::filesystem::path percorso_;
};

// The whole file as bytes; empty when it cannot be read.
inline std::string LeggiFile(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
