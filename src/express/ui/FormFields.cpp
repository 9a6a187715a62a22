#include "express/ui/FormFields.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/ui/Form.h"

namespace express {

void TurnOff(QAbstractButton* option) {
  const bool exclusive = option->autoExclusive();
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(exclusive);
}

QWidget* FormFields::Find(const QString& name, int index) const {
  return form_.Control(ControlLabel(name, index));
}

QString FormFields::Text(const QString& name, int index) const {
  QWidget* c = Find(name, index);
  if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(c)) return frame->title();
  if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->text();
  if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
  return {};
}

void FormFields::SetText(const QString& name, const QString& text, int index) {
  QWidget* c = Find(name, index);
  if (!c) return;
  const QSignalBlocker quiet(c);
  if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    edit->setText(text);
    edit->setCursorPosition(0);
  } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
    combo->setCurrentText(text);
  } else {
    platform::ui::SetCaption(c, text);
  }
}

int FormFields::Value(const QString& name, int index) const {
  QWidget* c = Find(name, index);
  if (auto* box = qobject_cast<QCheckBox*>(c)) return box->checkState() == Qt::PartiallyChecked ? 2 : box->isChecked();
  if (auto* option = qobject_cast<QAbstractButton*>(c)) return option->isChecked() ? kOn : kOff;
  return kOff;
}

void FormFields::SetValue(const QString& name, int value, int index) {
  QWidget* c = Find(name, index);
  if (auto* box = qobject_cast<QCheckBox*>(c)) {
    box->setCheckState(value == 2 ? Qt::PartiallyChecked : value ? Qt::Checked : Qt::Unchecked);
  } else if (auto* option = qobject_cast<QAbstractButton*>(c)) {
    if (value != kOff) option->setChecked(true);
    else TurnOff(option);
  }
}

QString FormFields::ComboText(const QString& name) const {
  auto* combo = qobject_cast<QComboBox*>(Find(name, kNoIndex));
  return combo ? combo->currentText() : QString();
}

bool FormFields::MenuChecked(const QString& name) const {
  QAction* item = form_.MenuItem(name);
  return item && item->isChecked();
}

void FormFields::SetFocus(const QString& name, int index) {
  if (QWidget* c = Find(name, index)) c->setFocus();
}

bool FormFields::Enabled(const QString& name, int index) const {
  QWidget* c = Find(name, index);
  return c && c->isEnabled();
}

void FormFields::SetEnabled(const QString& name, bool enabled, int index) {
  if (QWidget* c = Find(name, index)) c->setEnabled(enabled);
}

bool FormFields::Visible(const QString& name, int index) const {
  QWidget* c = Find(name, index);
  return c && !c->isHidden();
}

void FormFields::SetVisible(const QString& name, bool visible, int index) {
  if (QWidget* c = Find(name, index)) c->setVisible(visible);
}

void FormFields::SetBackColor(const QString& name, std::uint32_t color, int index) {
  if (QWidget* c = Find(name, index)) platform::ui::SetBackColor(c, color);
}

void FormFields::Show() {
  form_.show();
  form_.raise();
}

}  // namespace express
