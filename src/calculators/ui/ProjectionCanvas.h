#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

namespace calculators::ui {

// The 72(t) window's projected balance table: the heading line at 150 twips
// from the top, an empty line, then one line per year, each text at its
// column's left edge (columns spread over the canvas's width). The canvas is
// as tall as its lines, so a scroll area around it reaches every row.
class ProjectionCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit ProjectionCanvas(QWidget* parent = nullptr);

  void Clear();
  void SetRows(std::vector<QStringList> rows);
  const std::vector<QStringList>& Rows() const { return rows_; }
  // Where row `index` (0: the heading) is drawn, in pixels from the top.
  int LineTop(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void updateHeight();
  double twipsPerPixel() const;

  std::vector<QStringList> rows_;
};

}  // namespace calculators::ui
