#include "calculators/ui/ProjectionCanvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include "calculators/Withdrawals72t.h"
#include "platform/ui/Form.h"

namespace calculators::ui {

namespace {
constexpr double kHeadingTopTwips = 150;
}

ProjectionCanvas::ProjectionCanvas(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  updateHeight();
}

double ProjectionCanvas::twipsPerPixel() const {
  const platform::ui::Form* form = platform::ui::FormOf(this);
  return form ? form->TwipsPerPixelX() : 15.0;
}

void ProjectionCanvas::Clear() { SetRows({}); }

void ProjectionCanvas::SetRows(std::vector<QStringList> rows) {
  rows_ = std::move(rows);
  updateHeight();
  update();
}

int ProjectionCanvas::LineTop(int index) const {
  const int line = QFontMetrics(font()).height();
  // The heading, an empty line, then the rows.
  const int lines = index == 0 ? 0 : index + 1;
  return static_cast<int>(kHeadingTopTwips / twipsPerPixel()) + lines * line;
}

void ProjectionCanvas::updateHeight() {
  const int lines = rows_.empty() ? 0 : static_cast<int>(rows_.size()) + 2;
  setMinimumHeight(LineTop(lines) + QFontMetrics(font()).height());
}

void ProjectionCanvas::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateHeight();
}

void ProjectionCanvas::paintEvent(QPaintEvent*) {
  if (rows_.empty()) return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  const double tpp = twipsPerPixel();
  const auto columns = Projection72tColumns(width() * tpp);
  const QFontMetrics metrics(font());
  auto drawLine = [&](const QStringList& texts, int top) {
    for (int c = 0; c < texts.size() && c < 5; ++c)
      painter.drawText(static_cast<int>(columns[static_cast<std::size_t>(c)] / tpp), top + metrics.ascent(), texts[c]);
  };
  drawLine(Projection72tHeadings(), LineTop(0));
  for (std::size_t r = 0; r < rows_.size(); ++r) drawLine(rows_[r], LineTop(static_cast<int>(r) + 1));
}

}  // namespace calculators::ui
