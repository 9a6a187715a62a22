#pragma once

#include <QFrame>

#include "results/TextCanvas.h"

namespace results::ui {

// A white picture box that shows a TextCanvas, inside a sunken edge. The
// canvas holds the text; the box only paints it at the window's twips per
// pixel from the corner inside its edge, cut off at the edge, and repaints
// when the canvas changes.
class PictureBox : public QFrame {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  void Attach(TextCanvas* canvas);
  TextCanvas* Canvas() const { return canvas_; }
  // Gives the canvas the size inside the box's edge and the box's font size
  // as fitted (twips, points).
  void SyncCanvas();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TextCanvas* canvas_ = nullptr;
};

}  // namespace results::ui
