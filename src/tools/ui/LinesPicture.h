#pragma once

#include <QWidget>

#include <vector>

#include "tools/DependsFlip.h"

namespace tools::ui {

// A white picture of text lines: each line's label at the left edge and its
// amount, when it has one, ending `rightMargin` pixels short of the right edge.
class LinesPicture : public QWidget {
  Q_OBJECT
 public:
  explicit LinesPicture(QWidget* parent = nullptr);

  void Cls();
  void PrintLine(const QString& text) { lines_.push_back({text, {}}); update(); }
  void PrintLine(const AmountLine& line) { lines_.push_back(line); update(); }
  void SetRightMargin(int pixels) { rightMargin_ = pixels; update(); }
  const std::vector<AmountLine>& Lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<AmountLine> lines_;
  int rightMargin_ = 7;
};

}  // namespace tools::ui
