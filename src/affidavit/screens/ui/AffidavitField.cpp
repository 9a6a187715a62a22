#include "affidavit/screens/ui/AffidavitField.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "affidavit/screens/PageRules.h"

namespace affidavit::ui {

AffidavitField::AffidavitField(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, &AffidavitField::FilterEdit);
}

void AffidavitField::keyPressEvent(QKeyEvent* event) {
  if (KeyDown) KeyDown(event->key() == Qt::Key_Backspace ? 8 : event->key());
  if (event->text() == QStringLiteral("\"")) {
    if (!isReadOnly()) insert(QString(FilterTyped(QChar('"'))));
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void AffidavitField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (CaretRule) {
    deselect();
    setCursorPosition(CaretOnFocus(text()));
  }
}

void AffidavitField::FilterEdit(const QString& text) {
  const QString filtered = FilterPasted(text);
  if (filtered == text) return;
  const int caret = std::min<int>(cursorPosition() - int(text.size() - filtered.size()), int(filtered.size()));
  const QSignalBlocker block(this);
  setText(filtered);
  setCursorPosition(std::max(caret, 0));
}

}  // namespace affidavit::ui
