#include "results/ui/PictureBox.h"

#include <QPainter>

#include "platform/document/PageRenderer.h"
#include "platform/ui/Form.h"

namespace results::ui {

namespace ui = platform::ui;

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);  // a two-pixel sunken edge, as picture boxes have
}

PictureBox::~PictureBox() {
  if (canvas_) canvas_->SetChangedHandler({});
}

void PictureBox::Attach(TextCanvas* canvas) {
  if (canvas_) canvas_->SetChangedHandler({});
  canvas_ = canvas;
  if (canvas_) canvas_->SetChangedHandler([this] { update(); });
  update();
}

void PictureBox::SyncCanvas() {
  if (!canvas_) return;
  const ui::Form* form = ui::FormOf(this);
  const double edgeX = 2 * frameWidth() * (form ? form->TwipsPerPixelX() : 15.0);
  const double edgeY = 2 * frameWidth() * (form ? form->TwipsPerPixelY() : 15.0);
  if (ui::HasGeometry(this)) canvas_->SetSize(ui::Width(this) - edgeX, ui::Height(this) - edgeY);
  if (ui::HasFont(this)) canvas_->SetFontSize(ui::FontSize(this));
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  drawFrame(&painter);
  if (!canvas_) return;
  const ui::Form* form = ui::FormOf(this);
  const double twipsPerPixel = form ? form->TwipsPerPixelX() : 15.0;
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  painter.translate(inside.topLeft());
  platform::PaintPage(painter, canvas_->AsPage(), 1.0 / twipsPerPixel);
}

}  // namespace results::ui
