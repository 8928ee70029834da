#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Sistema.h"

using platform::SistemaFisso;

TEST(Sistema, NamesOfAPath) {
  SistemaFisso sistema;
  EXPECT_EQ(sistema.GetFileName("/dati/sezioni/trave.slu"), "trave.slu");
  EXPECT_EQ(sistema.GetFileName("/dati/sezioni/"), "sezioni");
  EXPECT_EQ(sistema.GetFileName("/"), "");
  EXPECT_EQ(sistema.GetBaseName("/dati/trave.v2.slu"), "trave.v2");
  EXPECT_EQ(sistema.GetBaseName("*"), "*");
  EXPECT_EQ(sistema.GetBaseName("LEGGIMI"), "LEGGIMI");
}

TEST(Sistema, AbsolutePathsStartFromTheCurrentFolder) {
  SistemaFisso sistema;
  sistema.ImpostaCartellaCorrente("/dati/sezioni");
  EXPECT_EQ(sistema.GetAbsolutePathName("trave.slu"), "/dati/sezioni/trave.slu");
  EXPECT_EQ(sistema.GetAbsolutePathName("../Esempi/"), "/dati/Esempi");
  EXPECT_EQ(sistema.GetAbsolutePathName("/opt/./tramok"), "/opt/tramok");
}

TEST(Sistema, FolderExistsOnlyForFolders) {
  SistemaFisso sistema;
  const std::filesystem::path temporanea = std::filesystem::temp_directory_path();
  sistema.ImpostaCartellaCorrente(temporanea.string());
  EXPECT_TRUE(sistema.FolderExists(temporanea.string()));
  EXPECT_TRUE(sistema.FolderExists("."));
  EXPECT_FALSE(sistema.FolderExists("cartella_che_non_esiste_tramok"));
  EXPECT_FALSE(sistema.FolderExists(""));
}
