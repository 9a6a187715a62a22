#include "platform/ui/TabControl.h"

#include <QEvent>
#include <QPainter>
#include <QTabBar>

#include <cmath>

#include "platform/ui/Form.h"

namespace platform::ui {

namespace {
double TwipsPerPixelY(const QWidget* w) {
  const Form* f = FormOf(w);
  return f ? f->TwipsPerPixelY() : 15.0;
}
double TwipsPerPixelX(const QWidget* w) {
  const Form* f = FormOf(w);
  return f ? f->TwipsPerPixelX() : 15.0;
}

// The smallest font the tab captions are lowered to so that they fit.
constexpr double kSmallestCaptionPoints = 4;

// The strip of tabs: every tab as tall as the control's tab height and as
// wide as its tab width, but never narrower than its caption needs.
class TabStrip : public QTabBar {
 public:
  using QTabBar::QTabBar;

  int tabWidth = 0;  // pixels; 0 sizes each tab to its caption
  int tabHeight = 20;

  // Lays the tabs out again after a change of their set sizes.
  void Refresh() {
    QEvent change(QEvent::FontChange);
    changeEvent(&change);
  }

  int TotalWidth() const {
    int total = 0;
    for (int i = 0; i < count(); ++i) total += tabSizeHint(i).width();
    return total;
  }

 protected:
  QSize tabSizeHint(int index) const override {
    return {std::max(QTabBar::tabSizeHint(index).width(), tabWidth), tabHeight};
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace


TabControl::TabControl(QWidget* parent) : QWidget(parent), bar_(new TabStrip(this)) {
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  // Every tab stays in view with its caption whole (see layoutPages).
  bar_->setUsesScrollButtons(false);
  bar_->setElideMode(Qt::ElideNone);
  connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(static_cast<int>(i) == index);
    const int before = previous_;
    previous_ = index;
    emit Click(before);
  });
}

void TabControl::SetTabs(const QStringList& captions) {
  const QSignalBlocker block(bar_);
  while (bar_->count() > 0) bar_->removeTab(0);
  for (QWidget* p : pages_) delete p;
  pages_.clear();
  for (const QString& c : captions) {
    bar_->addTab(c);
    auto* page = new QWidget(this);
    page->setObjectName(objectName() + "_page" + QString::number(pages_.size()));
    pages_.push_back(page);
  }
  bar_->setCurrentIndex(0);
  previous_ = 0;
  for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(i == 0);
  layoutPages();
}

int TabControl::Tabs() const { return static_cast<int>(pages_.size()); }
QWidget* TabControl::Page(int index) const {
  return index >= 0 && index < Tabs() ? pages_[static_cast<size_t>(index)] : nullptr;
}
QString TabControl::TabCaption(int index) const { return bar_->tabText(index); }
int TabControl::Tab() const { return bar_->currentIndex(); }

bool TabControl::SetTab(int index) {
  if (index < 0 || index >= Tabs()) return false;
  bar_->setCurrentIndex(index);
  return true;
}

void TabControl::SetTabHeight(double twips) {
  tabHeight_ = twips;
  layoutPages();
}

void TabControl::SetTabMaxWidth(double twips) {
  tabMaxWidth_ = twips;
  layoutPages();
}

int TabControl::PageOf(const QWidget* control) const {
  for (const QWidget* w = control; w && w != this; w = w->parentWidget())
    for (size_t i = 0; i < pages_.size(); ++i)
      if (w == pages_[i]) return static_cast<int>(i);
  return -1;
}

void TabControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutPages();
}

bool TabControl::event(QEvent* e) {
  const bool handled = QWidget::event(e);
  if (e->type() == QEvent::FontChange) layoutPages();
  return handled;
}

void TabControl::SetPaintStyle(int style) {
  paintStyle_ = style;
  if (hooked_) layoutPages();
}

void TabControl::SetSolidColor(const QColor& colour) {
  solidColor_ = colour;
  if (hooked_) {
    layoutPages();
    update();
  }
}

void TabControl::Hook() {
  if (hooked_) return;
  hooked_ = true;
  layoutPages();
  update();
}

void TabControl::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!hooked_ || paintStyle_ != 0 || !solidColor_.isValid()) return;
  QPainter painter(this);
  painter.fillRect(rect(), solidColor_);
}

void SetTabPaintStyle(TabControl& tabs, int style) { tabs.SetPaintStyle(style); }
void SetTabSolidColor(TabControl& tabs, OleColor colour) { tabs.SetSolidColor(ToQColor(colour)); }
void HookTabControl(TabControl& tabs) { tabs.Hook(); }

void TabControl::layoutPages() {
  auto* strip = static_cast<TabStrip*>(bar_);
  const int barHeight = std::max(1, static_cast<int>(std::lround(tabHeight_ / TwipsPerPixelY(this))));
  // A tab width that would push the last tab out of the control is cut to
  // an equal share of the control's width.
  int tabWidth = tabMaxWidth_ > 0 ? static_cast<int>(std::lround(tabMaxWidth_ / TwipsPerPixelX(this))) : 0;
  if (bar_->count() > 0) tabWidth = std::min(tabWidth, width() / bar_->count());
  if (strip->tabWidth != tabWidth || strip->tabHeight != barHeight) {
    strip->tabWidth = tabWidth;
    strip->tabHeight = barHeight;
    strip->Refresh();
  }
  QString css;
  if (hooked_ && paintStyle_ == 0 && solidColor_.isValid()) {
    // Every tab face in the solid colour; the selected tab stands out by its
    // frame and by standing taller.
    css += QString(
               "QTabBar::tab { background: %1; border: 1px solid #8c8c8c; border-bottom: none;"
               " padding: 0 6px; margin-right: 1px; }"
               "QTabBar::tab:!selected { margin-top: 2px; background: %2; }")
               .arg(solidColor_.name(), solidColor_.darker(106).name());
  }
  if (bar_->styleSheet() != css) bar_->setStyleSheet(css);

  // The captions in the control's font; where the tabs would not all fit in
  // the control's width, in a smaller one, so that every tab stays in view
  // with its caption whole.
  QFont captions = font();
  bar_->setFont(captions);
  while (width() > 0 && strip->TotalWidth() > width() && captions.pointSizeF() > kSmallestCaptionPoints) {
    captions.setPointSizeF(std::max(kSmallestCaptionPoints, captions.pointSizeF() * 0.95));
    bar_->setFont(captions);
  }
  bar_->setGeometry(0, 0, width(), barHeight + 2);
  for (QWidget* p : pages_) p->setGeometry(0, 0, width(), height());
  bar_->raise();
}

}  // namespace platform::ui
