// Tramok: the main window starts the program and closing it ends it.
#include <QApplication>
#include <string>

#include "app/Main.h"
#include "platform/Applicazione.h"
#include "platform/InputBox.h"
#include "platform/MsgBox.h"
#include "platform/Sistema.h"
#include "platform/Stampante.h"
#include "platform/qt/ApplicazioneQt.h"
#include "platform/qt/InputBoxQt.h"
#include "platform/qt/InvioPulsantiQt.h"
#include "platform/qt/MsgBoxQt.h"
#include "platform/qt/RegistriVettorialiQt.h"
#include "platform/qt/SchermoQt.h"
#include "platform/qt/SistemaQt.h"
#include "platform/qt/StampanteQt.h"
#include "platform/qt/TraduzioniQt.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tramok");
  platform::TieniFinestreNelloSchermo(app);
  platform::TraduciQtInItaliano(app);
  platform::InvioPremePulsanti(app);
  platform::RegistriVettorialiPuliti(app);
  platform::SistemaQt sistema;
  platform::MsgBoxQt messaggi;
  platform::InputBoxQt domande;
  platform::ApplicazioneQt applicazione;
  platform::ImpostaSistema(&sistema);
  platform::ImpostaServizioMsgBox(&messaggi);
  platform::ImpostaServizioInputBox(&domande);
  platform::ImpostaServizioApplicazione(&applicazione);
  platform::StampanteQt stampante;
  platform::ImpostaStampante(&stampante);
  Main finestra;
  for (int i = 1; i < argc; ++i) finestra.RigaComando += std::string(i > 1 ? " " : "") + argv[i];
  finestra.Form_Load();
  return QApplication::exec();
}
