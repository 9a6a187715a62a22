#include "shell/ui/PreviewControl.h"

#include <QAction>
#include <QActionGroup>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "platform/document/PageRenderer.h"

namespace shell {

namespace {
constexpr int kGap = 12;  // pixels between pages and around them
}

// The pages laid out for the zoom mode, painted straight from the document.
class PreviewPages : public QWidget {
 public:
  explicit PreviewPages(PreviewControl& owner) : QWidget(nullptr), owner_(owner) {}

  // Lays the pages out for a viewport of this size.
  void Relayout(const QSize& viewport) {
    rects_.clear();
    const auto& pages = owner_.document_.pages;
    if (pages.empty()) {
      resize(viewport);
      return;
    }
    const double sheetW = platform::kLetterWidth, sheetH = platform::kLetterHeight;
    const double w = std::max(50, viewport.width() - 2 * kGap);
    const double h = std::max(50, viewport.height() - 2 * kGap);
    int perRow = 1;
    switch (owner_.zoom_) {
      case PreviewControl::Zoom::WholePage: scale_ = std::min(w / sheetW, h / sheetH); break;
      case PreviewControl::Zoom::PageWidth: scale_ = w / sheetW; break;
      case PreviewControl::Zoom::TwoPages:
        perRow = 2;
        scale_ = std::min((w - kGap) / (2 * sheetW), h / sheetH);
        break;
      case PreviewControl::Zoom::Thumbnail:
        scale_ = 120.0 / sheetW;
        perRow = std::max(1, static_cast<int>((w + kGap) / (120 + kGap)));
        break;
    }
    int x = kGap, y = kGap, rowHeight = 0, widest = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0 && i % perRow == 0) {
        x = kGap;
        y += rowHeight + kGap;
        rowHeight = 0;
      }
      const QSizeF size = pages[i].size * scale_;
      const QRect r(x, y, static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
      rects_.push_back(r);
      x += r.width() + kGap;
      widest = std::max(widest, x);
      rowHeight = std::max(rowHeight, r.height());
    }
    resize(std::max(widest, viewport.width()), std::max(y + rowHeight + kGap, viewport.height()));
    update();
  }

  QRect PageRect(int page) const {
    return page >= 1 && page <= static_cast<int>(rects_.size()) ? rects_[page - 1] : QRect();
  }
  QRect OnScreen(int page, const QRectF& twips) const {
    const QRect p = PageRect(page);
    return QRectF(p.topLeft() + twips.topLeft() * scale_, twips.size() * scale_).toAlignedRect();
  }
  int PageAt(int y) const {
    for (std::size_t i = 0; i < rects_.size(); ++i)
      if (rects_[i].bottom() + kGap >= y) return static_cast<int>(i) + 1;
    return static_cast<int>(rects_.size());
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(128, 128, 128));
    const auto& pages = owner_.document_.pages;
    for (std::size_t i = 0; i < rects_.size(); ++i) {
      const QRect r = rects_[i];
      if (!r.intersects(event->rect())) continue;
      painter.fillRect(r, Qt::white);
      painter.save();
      painter.translate(r.topLeft());
      painter.setClipRect(QRect(QPoint(0, 0), r.size()));
      platform::PaintPage(painter, pages[i], scale_);
      painter.scale(scale_, scale_);
      for (const auto& frame : owner_.Overlay(static_cast<int>(i) + 1)) {
        painter.setPen(QPen(frame.colour, frame.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.rect);
      }
      painter.restore();
    }
  }

 private:
  PreviewControl& owner_;
  std::vector<QRect> rects_;
  double scale_ = 0.05;
};

PreviewControl::PreviewControl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ZoomBar"));
  auto* group = new QActionGroup(this);
  const std::pair<Zoom, const char*> modes[] = {{Zoom::WholePage, "Whole &Page"},
                                                {Zoom::PageWidth, "Page &Width"},
                                                {Zoom::TwoPages, "&Two Pages"},
                                                {Zoom::Thumbnail, "Thumb&nail"}};
  for (const auto& [zoom, caption] : modes) {
    QAction* action = bar->addAction(QString::fromLatin1(caption));
    action->setCheckable(true);
    action->setChecked(zoom == zoom_);
    group->addAction(action);
    zoomActions_[zoom] = action;
    connect(action, &QAction::triggered, this, [this, z = zoom] { SetZoomMode(z); });
  }
  layout->addWidget(bar);
  scroll_ = new QScrollArea(this);
  pages_ = new PreviewPages(*this);
  scroll_->setWidget(pages_);
  scroll_->setWidgetResizable(false);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->viewport()->installEventFilter(this);
  layout->addWidget(scroll_, 1);
}

PreviewControl::~PreviewControl() = default;

void PreviewControl::SetDocument(platform::Document document) {
  document_ = std::move(document);
  overlay_.clear();
  pages_->Relayout(scroll_->viewport()->size());
}

void PreviewControl::Clear() { SetDocument({}); }

bool PreviewControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
    const int page = ShownPage();
    pages_->Relayout(scroll_->viewport()->size());
    ShowPage(page);
  }
  return QWidget::eventFilter(watched, event);
}

void PreviewControl::SetZoomMode(Zoom zoom) {
  zoom_ = zoom;
  if (QAction* a = ZoomAction(zoom)) a->setChecked(true);
  const int page = ShownPage();
  pages_->Relayout(scroll_->viewport()->size());
  ShowPage(page);
}

QAction* PreviewControl::ZoomAction(Zoom zoom) const {
  const auto it = zoomActions_.find(zoom);
  return it == zoomActions_.end() ? nullptr : it->second;
}

void PreviewControl::DrawFrame(int page, const QRectF& rect, double penWidth, const QColor& colour) {
  overlay_[page].push_back({rect, penWidth, colour});
  pages_->update();
}

void PreviewControl::ClearOverlay(int page) {
  overlay_.erase(page);
  pages_->update();
}

const std::vector<PreviewControl::Frame>& PreviewControl::Overlay(int page) const {
  static const std::vector<Frame> none;
  const auto it = overlay_.find(page);
  return it == overlay_.end() ? none : it->second;
}

void PreviewControl::ShowPage(int page) {
  const QRect r = pages_->PageRect(page);
  if (r.isNull()) return;
  scroll_->verticalScrollBar()->setValue(r.top() - kGap);
  scroll_->horizontalScrollBar()->setValue(r.left() - kGap);
}

int PreviewControl::ShownPage() const {
  if (document_.isEmpty()) return 0;
  return pages_->PageAt(scroll_->verticalScrollBar()->value() + kGap);
}

void PreviewControl::ScrollIntoView(int page, const QRectF& rect) {
  const QRect r = pages_->OnScreen(page, rect);
  if (r.isNull()) return;
  scroll_->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + kGap, r.height() / 2 + kGap);
}

}  // namespace shell
