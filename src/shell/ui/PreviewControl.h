#pragma once

#include <QRectF>
#include <QWidget>

#include <map>
#include <vector>

#include "platform/document/Document.h"

class QAction;
class QScrollArea;

namespace shell {

class PreviewPages;

// The preview window's document control: shows the pages of a finished
// document, in one of four zoom modes, and draws frames over a page (the
// find window's frame around a match) without changing the document.
class PreviewControl : public QWidget {
  Q_OBJECT
 public:
  enum class Zoom { WholePage, PageWidth, TwoPages, Thumbnail };

  explicit PreviewControl(QWidget* parent = nullptr);
  ~PreviewControl() override;

  const platform::Document& Document() const { return document_; }
  void SetDocument(platform::Document document);
  // Drops the document and everything drawn over its pages.
  void Clear();
  int PageCount() const { return document_.pageCount(); }

  Zoom ZoomMode() const { return zoom_; }
  void SetZoomMode(Zoom zoom);
  QAction* ZoomAction(Zoom zoom) const;

  // A frame over a page (1 for the first), in twips of the sheet: a pen of
  // `penWidth` twips in `colour`, the inside left clear.
  struct Frame {
    QRectF rect;
    double penWidth;
    QColor colour;
  };
  void DrawFrame(int page, const QRectF& rect, double penWidth, const QColor& colour);
  void ClearOverlay(int page);
  const std::vector<Frame>& Overlay(int page) const;

  // Scrolls so that the page's top shows; the page the view shows at its top.
  void ShowPage(int page);
  int ShownPage() const;
  // Scrolls the least that brings a rectangle of a page into view.
  void ScrollIntoView(int page, const QRectF& rect);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class PreviewPages;
  platform::Document document_;
  std::map<int, std::vector<Frame>> overlay_;
  Zoom zoom_ = Zoom::WholePage;
  QScrollArea* scroll_;
  PreviewPages* pages_;
  std::map<Zoom, QAction*> zoomActions_;
};

}  // namespace shell
