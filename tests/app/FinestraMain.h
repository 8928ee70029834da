#pragma once
// The main window started as the program starts it, in a program folder of
// its own, with Italian separators and every message box recorded.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

#include "AmbienteFile.h"
#include "app/FiguraSezione.h"
#include "app/Main.h"
#include "app/frmAvvisi.h"
#include "drawing/MsFlex.h"
#include "platform/qt/InvioPulsantiQt.h"
#include "platform_qt/AppQt.h"

class FinestraMain {
 public:
  // The files named are in the program folder before start-up; a project
  // fixture is named on the command line.
  explicit FinestraMain(bool conFile = false, const std::string& progetto = {}) {
    platform::InvioPremePulsanti(AppQt());
    MsFlex::Stato = MsFlex::StatoMsFlex{};
    ambiente.sistema.ImpostaSeparatori(",", ".");
    if (conFile) {
      ambiente.CopiaFixture("Tramok-7.8.ini", "Tramok.ini");
      ambiente.CopiaFixture("TramokMateriali-italiano.txt", "TramokMateriali.txt");
    }
    if (!progetto.empty()) ambiente.CopiaFixture(progetto, progetto);
    // The user closes the notice on strain limits whenever it shows.
    QObject::connect(&chiudiAvvisi, &QTimer::timeout, [this] {
      if (auto* avviso = qobject_cast<frmAvvisi*>(QApplication::activeModalWidget())) {
        ++avvisiChiusi;
        avviso->Command1_Click();
      }
    });
    chiudiAvvisi.start(20);
    main = std::make_unique<Main>();
    main->RigaComando = progetto;
    main->Form_Load();
    QApplication::setActiveWindow(main.get());
    QApplication::processEvents();
  }
  ~FinestraMain() {
    chiudiAvvisi.stop();
    main.reset();
    MsFlex::Stato = MsFlex::StatoMsFlex{};
  }

  template <class W = QWidget>
  W* Widget(const std::string& nome, int indice = platform::SenzaIndice) const {
    return main->findChild<W*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  }
  platform::Control& C(const std::string& nome, int indice = platform::SenzaIndice) const {
    return main->Controllo(nome, indice);
  }
  // A click on an option button, check box or command button.
  void Clic(const std::string& nome, int indice = platform::SenzaIndice) const {
    QWidget* w = Widget(nome, indice);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
  }
  // Typed into the box with the focus, then Enter.
  static void Batti(const QString& testo, bool invio = true) {
    QWidget* fuoco = QApplication::focusWidget();
    QTest::keyClicks(fuoco, testo);
    if (invio) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // The box's text replaced by the keys typed, the focus left where it is.
  static void Digita(QLineEdit* casella, const QString& testo) {
    casella->selectAll();
    QTest::keyClicks(casella, testo);
  }
  static std::string Fuoco() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : std::string();
  }

  AmbienteFile ambiente;
  std::unique_ptr<Main> main;
  QTimer chiudiAvvisi;
  int avvisiChiusi = 0;
};
