#include "results/ui/PictureBox.h"

#include <QPainter>

#include "platform/document/PageRenderer.h"
#include "platform/ui/Form.h"

namespace results::ui {

namespace ui = platform::ui;

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

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
  if (ui::HasGeometry(this)) canvas_->SetSize(ui::Width(this), ui::Height(this));
  if (ui::HasFont(this)) canvas_->SetFontSize(ui::FontSize(this));
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!canvas_) return;
  const ui::Form* form = ui::FormOf(this);
  const double twipsPerPixel = form ? form->TwipsPerPixelX() : 15.0;
  painter.setClipRect(rect());
  platform::PaintPage(painter, canvas_->AsPage(), 1.0 / twipsPerPixel);
}

}  // namespace results::ui
