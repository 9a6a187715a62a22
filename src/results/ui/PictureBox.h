#pragma once

#include <QWidget>

#include "results/TextCanvas.h"

namespace results::ui {

// A white picture box that shows a TextCanvas. The canvas holds the text; the
// box only paints it at the window's twips per pixel, cut off at its edges,
// and repaints when the canvas changes.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  void Attach(TextCanvas* canvas);
  TextCanvas* Canvas() const { return canvas_; }
  // Gives the canvas the box's size and font size as fitted (twips, points).
  void SyncCanvas();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TextCanvas* canvas_ = nullptr;
};

}  // namespace results::ui
