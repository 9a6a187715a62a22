#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

#include "platform/Colors.h"

class QTabBar;

namespace platform::ui {

// A tabbed control whose pages keep their controls in the tab control's own
// coordinates (the tab strip included), as the program's window designs place
// them: each page covers the whole control and only the selected page shows.
// Controls of a page are created with Page(i) as their container.
// TabHeight and TabMaxWidth are in twips, like all geometry: every tab is
// TabHeight tall and TabMaxWidth wide (sized to its caption when that is 0),
// never narrower than its caption. The tabs stand side by side within the
// control's width and never scroll: where they would not fit, the width is
// cut to an equal share and, if that is not enough, the captions are drawn
// in a smaller font than the control's.
class TabControl : public QWidget {
  Q_OBJECT
 public:
  explicit TabControl(QWidget* parent = nullptr);

  void SetTabs(const QStringList& captions);
  int Tabs() const;
  QWidget* Page(int index) const;
  QString TabCaption(int index) const;

  int Tab() const;
  // Selects a page; an index outside the pages is refused (returns false).
  bool SetTab(int index);

  double TabHeight() const { return tabHeight_; }
  double TabMaxWidth() const { return tabMaxWidth_; }
  void SetTabHeight(double twips);
  void SetTabMaxWidth(double twips);

  // The page a widget lies on (directly or inside a container on it), or -1.
  int PageOf(const QWidget* control) const;

  QTabBar* Bar() const { return bar_; }

  // Painting in a solid colour (see HookTabControl below).
  int PaintStyle() const { return paintStyle_; }
  QColor SolidColor() const { return solidColor_; }
  bool Hooked() const { return hooked_; }
  void SetPaintStyle(int style);
  void SetSolidColor(const QColor& colour);
  void Hook();

 signals:
  // The selected tab changed (by the user or by SetTab), with its index.
  void Click(int previousTab);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void layoutPages();

  QTabBar* bar_;
  std::vector<QWidget*> pages_;
  double tabHeight_ = 300;
  double tabMaxWidth_ = 0;
  int previous_ = 0;
  int paintStyle_ = 0;
  QColor solidColor_;
  bool hooked_ = false;
};

// The user's background scheme on a tab control: the paint style (0, the
// only one the program uses, fills the background), the solid colour (a
// system colour is taken at its current value) and the hook, after which the
// control's background and tabs are painted in that colour. Hooking a
// hooked control again changes nothing; a later colour shows at the next paint.
void SetTabPaintStyle(TabControl& tabs, int style);
void SetTabSolidColor(TabControl& tabs, OleColor colour);
void HookTabControl(TabControl& tabs);

}  // namespace platform::ui
