#include "platform/qt/ControlQt.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

namespace platform {
namespace {

QString Q(const std::string& testo) { return QString::fromStdString(testo); }
std::string S(const QString& testo) { return testo.toStdString(); }

constexpr const char* Sfondo = "tramokSfondo";

// The palette role a widget paints its background with.
QPalette::ColorRole RuoloSfondo(const QWidget* c) {
  if (qobject_cast<const QAbstractButton*>(c)) return QPalette::Button;
  if (qobject_cast<const QLineEdit*>(c) || qobject_cast<const QComboBox*>(c) ||
      qobject_cast<const QAbstractScrollArea*>(c))
    return QPalette::Base;
  return QPalette::Window;
}

bool ColoreDiSistema(Colore colore) { return colore >= 0x80000000u; }

}  // namespace

std::string ControlQt::Text() const {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QLineEdit*>(o)) return S(c->text());
  if (auto* c = qobject_cast<QPlainTextEdit*>(o)) return S(c->toPlainText());
  if (auto* c = qobject_cast<QComboBox*>(o)) return S(c->currentText());
  if (auto* c = qobject_cast<QListWidget*>(o))
    return c->currentItem() ? S(c->currentItem()->text()) : std::string();
  return Caption();
}

void ControlQt::SetText(const std::string& testo) {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QLineEdit*>(o)) return c->setText(Q(testo));
  if (auto* c = qobject_cast<QPlainTextEdit*>(o)) return c->setPlainText(Q(testo));
  if (auto* c = qobject_cast<QComboBox*>(o)) {
    if (c->isEditable()) {
      c->setCurrentIndex(-1);
      c->setEditText(Q(testo));
    } else {
      c->setCurrentIndex(c->findText(Q(testo)));
    }
    return;
  }
  SetCaption(testo);
}

std::string ControlQt::Caption() const {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QLabel*>(o)) return S(c->text());
  if (auto* c = qobject_cast<QAbstractButton*>(o)) return S(c->text());
  if (auto* c = qobject_cast<QGroupBox*>(o)) return S(c->title());
  if (auto* c = qobject_cast<QMenu*>(o)) return S(c->title());
  if (auto* c = qobject_cast<QAction*>(o)) return S(c->text());
  if (auto* c = qobject_cast<QWidget*>(o)) return S(c->windowTitle());
  return {};
}

void ControlQt::SetCaption(const std::string& testo) {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QLabel*>(o)) return c->setText(Q(testo));
  if (auto* c = qobject_cast<QAbstractButton*>(o)) return c->setText(Q(testo));
  if (auto* c = qobject_cast<QGroupBox*>(o)) return c->setTitle(Q(testo));
  if (auto* c = qobject_cast<QMenu*>(o)) return c->setTitle(Q(testo));
  if (auto* c = qobject_cast<QAction*>(o)) return c->setText(Q(testo));
  if (auto* c = qobject_cast<QWidget*>(o)) c->setWindowTitle(Q(testo));
}

bool ControlQt::Visible() const {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QAction*>(o)) return c->isVisible();
  if (auto* c = qobject_cast<QWidget*>(o)) return !c->isHidden();
  return false;
}

void ControlQt::SetVisible(bool visibile) {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QAction*>(o)) return c->setVisible(visibile);
  if (auto* c = qobject_cast<QWidget*>(o)) c->setVisible(visibile);
}

bool ControlQt::Enabled() const {
  QObject* o = oggetto_;
  if (!o) return false;
  if (o->property(NonDisponibile).toBool()) return abilitatoRichiesto_;
  if (auto* c = qobject_cast<QAction*>(o)) return c->isEnabled();
  if (auto* c = qobject_cast<QWidget*>(o)) return c->isEnabled();
  return false;
}

void ControlQt::SetEnabled(bool abilitato) {
  QObject* o = oggetto_;
  if (!o) return;
  abilitatoRichiesto_ = abilitato;
  if (o->property(NonDisponibile).toBool()) abilitato = false;
  if (auto* c = qobject_cast<QAction*>(o)) return c->setEnabled(abilitato);
  if (auto* c = qobject_cast<QWidget*>(o)) c->setEnabled(abilitato);
}

Colore ControlQt::ForeColor() const {
  auto* c = qobject_cast<QWidget*>(oggetto_.data());
  if (!c) return 0;
  const QColor colore = c->palette().color(c->foregroundRole());
  return static_cast<Colore>(colore.rgb() & 0xFFFFFF);
}

void ControlQt::SetForeColor(Colore colore) {
  auto* c = qobject_cast<QWidget*>(oggetto_.data());
  if (!c) return;
  QPalette tavolozza = c->palette();
  const QColor q = QColor::fromRgb(colore & 0xFFFFFF);
  for (QPalette::ColorRole ruolo : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    tavolozza.setColor(ruolo, q);
  c->setPalette(tavolozza);
}

Colore ControlQt::BackColor() const {
  const QVariant sfondo = oggetto_ ? oggetto_->property(Sfondo) : QVariant();
  return sfondo.isValid() ? sfondo.toUInt() : ColoreSfondoFinestra;
}

void ControlQt::SetBackColor(Colore colore) {
  auto* c = qobject_cast<QWidget*>(oggetto_.data());
  if (!c) return;
  c->setProperty(Sfondo, colore);
  const QPalette::ColorRole ruolo = RuoloSfondo(c);
  QPalette tavolozza = c->palette();
  if (ColoreDiSistema(colore))
    tavolozza.setBrush(ruolo, QApplication::palette(c).brush(ruolo));
  else
    tavolozza.setColor(ruolo, QColor::fromRgb(colore & 0xFFFFFF));
  c->setPalette(tavolozza);
  if (ruolo == QPalette::Window) c->setAutoFillBackground(!ColoreDiSistema(colore));
}

int ControlQt::Value() const {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QCheckBox*>(o))
    return c->checkState() == Qt::Checked ? 1 : c->checkState() == Qt::PartiallyChecked ? 2 : 0;
  if (auto* c = qobject_cast<QAbstractButton*>(o)) return c->isChecked() ? 1 : 0;
  if (auto* c = qobject_cast<QAction*>(o)) return c->isChecked() ? 1 : 0;
  if (auto* c = qobject_cast<QAbstractSlider*>(o)) return c->value();
  return 0;
}

void ControlQt::SetValue(int valore) {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QCheckBox*>(o)) {
    if (valore == 2) c->setTristate(true);
    return c->setCheckState(valore == 0   ? Qt::Unchecked
                            : valore == 2 ? Qt::PartiallyChecked
                                          : Qt::Checked);
  }
  if (auto* c = qobject_cast<QAbstractButton*>(o)) return c->setChecked(valore != 0);
  if (auto* c = qobject_cast<QAbstractSlider*>(o)) return c->setValue(valore);
  if (auto* c = qobject_cast<QAction*>(o)) {
    c->setCheckable(true);
    c->setChecked(valore != 0);
  }
}

void ControlQt::Clear() {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QComboBox*>(o)) return c->clear();
  if (auto* c = qobject_cast<QListWidget*>(o)) c->clear();
}

void ControlQt::AddItem(const std::string& voce) {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QComboBox*>(o)) return c->addItem(Q(voce));
  if (auto* c = qobject_cast<QListWidget*>(o)) c->addItem(Q(voce));
}

int ControlQt::ListCount() const {
  QObject* o = oggetto_;
  if (auto* c = qobject_cast<QComboBox*>(o)) return c->count();
  if (auto* c = qobject_cast<QListWidget*>(o)) return c->count();
  return 0;
}

std::string ControlQt::List(int indice) const {
  QObject* o = oggetto_;
  if (indice < 0 || indice >= ListCount()) return {};
  if (auto* c = qobject_cast<QComboBox*>(o)) return S(c->itemText(indice));
  if (auto* c = qobject_cast<QListWidget*>(o)) return S(c->item(indice)->text());
  return {};
}

}  // namespace platform
