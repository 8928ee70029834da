#pragma once
// What a window on screen does not show whole: its title, in a window
// narrower than its title bar needs; content scrolled sideways, out of a
// scroll area's width; a visible text box narrower
// than its text (font metrics against the box's contents rectangle), a table
// column narrower than its header or one of its values, a table whose
// columns or first four rows do not fit in view. Each as "name: text".
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>

#include "platform/qt/SchermoQt.h"

// The offscreen screen at the size given (a laptop's 1366 x 768; 1280 x 720
// is 1920 x 1080 at 150 %), when this test is the one that starts Qt (ctest
// runs each test on its own).
inline void Schermo(int larghezza, int altezza) {
  const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
  if (QApplication::instance() || !(piattaforma.isEmpty() || piattaforma == "offscreen")) return;
  const QString nome = QString("%1x%2").arg(larghezza).arg(altezza);
  const QString file = QDir::temp().filePath("tramok-schermo-" + nome + ".json");
  QFile configurazione(file);
  if (!configurazione.open(QIODevice::WriteOnly)) return;
  configurazione.write(QString(R"({"screens": [{"name": "%1", "x": 0, "y": 0, "width": %2, "height": %3,)"
                               R"( "logicalDpi": 96}]})")
                           .arg(nome)
                           .arg(larghezza)
                           .arg(altezza)
                           .toUtf8());
  configurazione.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toLocal8Bit());
}

// The screen is set once, before a process's first application: a test run
// after another has started Qt runs again alone, in a child process of the
// same program. True when it did.
inline bool SchermoInUnAltroProcesso(int larghezza, int altezza) {
  if (!QApplication::instance() || QGuiApplication::primaryScreen()->size() == QSize(larghezza, altezza))
    return false;
  const ::testing::TestInfo& prova = *::testing::UnitTest::GetInstance()->current_test_info();
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess figlio;
  figlio.setProcessEnvironment(ambiente);
  // The tests' folder, with the fixtures: the current one may be a test's temporary one, gone.
  const QString prove = qEnvironmentVariable("TRAMOK_TESTS");
  figlio.setWorkingDirectory(prove.isEmpty() ? QCoreApplication::applicationDirPath() : prove);
  figlio.setProcessChannelMode(QProcess::ForwardedChannels);
  figlio.start(QCoreApplication::applicationFilePath(),
               {QString("--gtest_filter=%1.%2").arg(prova.test_suite_name(), prova.name())});
  EXPECT_TRUE(figlio.waitForFinished(600000));
  EXPECT_EQ(figlio.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(figlio.exitCode(), 0);
  return true;
}

inline int LarghezzaUtile(const QLineEdit& casella) {
  QStyleOptionFrame opzioni;
  opzioni.initFrom(&casella);
  opzioni.rect = casella.rect();
  opzioni.lineWidth =
      casella.hasFrame() ? casella.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzioni, &casella) : 0;
  opzioni.state |= QStyle::State_Sunken;
  const QRect contenuto = casella.style()
                              ->subElementRect(QStyle::SE_LineEditContents, &opzioni, &casella)
                              .marginsRemoved(casella.textMargins());
  return contenuto.width() - 4;  // the line edit's own margin of 2 on each side
}

inline std::string Nome(const QWidget& w) {
  return (w.objectName().isEmpty() ? QString(w.metaObject()->className()) : w.objectName()).toStdString();
}

inline std::vector<std::string> Ritagli(const QWidget& finestra) {
  std::vector<std::string> ritagliati;
  if (finestra.isWindow() && finestra.width() < platform::LarghezzaPerIlTitolo(finestra))
    ritagliati.push_back("titolo: " + finestra.windowTitle().toStdString());
  for (const QScrollArea* area : finestra.findChildren<QScrollArea*>())
    if (area->isVisible() && area->horizontalScrollBar()->isVisible())
      ritagliati.push_back(Nome(*area) + " scorre in larghezza");
  for (const QLineEdit* casella : finestra.findChildren<QLineEdit*>()) {
    if (!casella->isVisible() || casella->text().isEmpty()) continue;
    if (casella->fontMetrics().horizontalAdvance(casella->text()) > LarghezzaUtile(*casella))
      ritagliati.push_back(Nome(*casella) + ": " + casella->text().toStdString());
  }
  for (const QTableView* tabella : finestra.findChildren<QTableView*>()) {
    if (!tabella->isVisible() || !tabella->model()) continue;
    const QAbstractItemModel& modello = *tabella->model();
    const QHeaderView& testa = *tabella->horizontalHeader();
    const int margine = 2 * tabella->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const int cella = 2 * (tabella->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    // Every column in view side by side, and up to four rows one under the other.
    const QHeaderView& lato = *tabella->verticalHeader();
    const int righe = std::min(modello.rowCount(), 4);
    if (testa.length() > tabella->viewport()->width() ||
        (righe > 0 && lato.sectionPosition(righe - 1) + lato.sectionSize(righe - 1) >
                           tabella->viewport()->height()))
      ritagliati.push_back(Nome(*tabella) + " oltre la vista");
    for (int c = 0; c < modello.columnCount(); ++c) {
      if (tabella->isColumnHidden(c)) continue;
      const int larghezza = testa.sectionSize(c);
      const QString titolo = modello.headerData(c, Qt::Horizontal).toString();
      if (testa.isVisible() && testa.fontMetrics().horizontalAdvance(titolo) + margine > larghezza)
        ritagliati.push_back(Nome(*tabella) + " intestazione " + std::to_string(c) + ": " +
                             titolo.toStdString());
      for (int r = 0; r < modello.rowCount(); ++r) {
        const QString testo = modello.data(modello.index(r, c)).toString();
        if (tabella->fontMetrics().horizontalAdvance(testo) + cella > larghezza) {
          ritagliati.push_back(Nome(*tabella) + " " + std::to_string(r) + "," + std::to_string(c) +
                               ": " + testo.toStdString());
          break;  // the first value the column cuts
        }
      }
    }
  }
  return ritagliati;
}
