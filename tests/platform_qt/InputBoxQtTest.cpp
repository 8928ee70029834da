#include <gtest/gtest.h>

#include <QInputDialog>
#include <QTimer>

#include "AppQt.h"
#include "platform/qt/InputBoxQt.h"

using namespace platform;

namespace {

// Answers the next input dialog: its prompt, title and default are recorded,
// then the text typed is accepted, or the dialog cancelled.
struct Risposta {
  QString prompt, titolo, predefinito;
  void Prossima(const QString* testo) {
    QTimer::singleShot(0, [this, testo] {
      auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      prompt = d->labelText();
      titolo = d->windowTitle();
      predefinito = d->textValue();
      if (!testo) return d->reject();
      d->setTextValue(*testo);
      d->accept();
    });
  }
};

}  // namespace

TEST(InputBoxQt, AnswerTypedOrEmptyOnCancel) {
  AppQt();
  InputBoxQt box;
  Risposta r;
  const QString dieci = "10";
  r.Prossima(&dieci);
  EXPECT_EQ(box.Chiedi("Diametro", "Diametro staffa", "8"), "10");
  EXPECT_EQ(r.prompt, "Diametro");
  EXPECT_EQ(r.titolo, "Diametro staffa");
  EXPECT_EQ(r.predefinito, "8");
  r.Prossima(nullptr);
  EXPECT_EQ(box.Chiedi("Diametro", "Diametro staffa", "8"), "");
}
