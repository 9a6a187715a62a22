#include "tools/ui/LinesPicture.h"

#include <QFontMetrics>
#include <QPainter>

namespace tools::ui {

LinesPicture::LinesPicture(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void LinesPicture::Cls() {
  lines_.clear();
  update();
}

void LinesPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QFontMetrics metrics(font());
  int y = metrics.ascent() + 2;
  for (const AmountLine& line : lines_) {
    painter.drawText(2, y, line.label);
    if (!line.amount.isEmpty())
      painter.drawText(width() - rightMargin_ - metrics.horizontalAdvance(line.amount), y, line.amount);
    y += metrics.height();
  }
}

}  // namespace tools::ui
