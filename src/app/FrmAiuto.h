#pragma once
// The help: Italian HTML pages in the folder Aiuto beside the program, shown
// in one modeless window with back, forward and the index, created on first
// use.
#include <QTextBrowser>
#include <QWidget>
#include <string>

class FrmAiuto : public QWidget {
 public:
  // The pages the windows open: the index ("&Aiuto") and the rectangular
  // design (its "Help" button and F1).
  static constexpr const char* Indice = "indice.html";
  static constexpr const char* Progetto = "progetto.html";

  // Shows the page of the folder Aiuto; a missing page is said and nothing
  // opens.
  static void Mostra(const std::string& pagina);
  // The window, once created.
  static FrmAiuto* Aperta();

  QTextBrowser& Pagine() { return *pagine_; }

 private:
  explicit FrmAiuto(QWidget* parent);

  QTextBrowser* pagine_ = nullptr;
};
