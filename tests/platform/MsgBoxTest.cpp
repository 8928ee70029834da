#include <gtest/gtest.h>

#include "platform/MsgBoxScriptato.h"

using namespace platform;

TEST(MsgBox, ScriptedBoxRecordsTextsAndAnswersFromQueue) {
  MsgBoxScriptato box;
  box.Accoda(Risposta::Si);
  EXPECT_EQ(MsgBox("Proseguire ?", Pulsanti::SiNo), Risposta::Si);
  // Queue empty: a question is answered No, never Yes.
  EXPECT_EQ(MsgBox("Ancora ?", Pulsanti::SiNo), Risposta::No);
  EXPECT_EQ(MsgBox("Errore", Pulsanti::Ok, Icona::Critica, "Titolo"), Risposta::Ok);
  ASSERT_EQ(box.Mostrati().size(), 3u);
  EXPECT_EQ(box.Testi()[1], "Ancora ?");
  EXPECT_EQ(box.Mostrati()[2].icona, Icona::Critica);
  EXPECT_EQ(box.Mostrati()[2].titolo, "Titolo");
}

TEST(MsgBox, SilentDefaultReturnsAfterScriptedBoxEnds) {
  {
    MsgBoxScriptato box;
    EXPECT_EQ(&ServizioMsgBoxCorrente(), &box);
  }
  EXPECT_EQ(MsgBox("?", Pulsanti::SiNo), Risposta::No);
  EXPECT_EQ(MsgBox("?", Pulsanti::OkAnnulla), Risposta::Annulla);
}
