#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "platform/Colors.h"

class QAction;
class QMenu;
class QMenuBar;

namespace platform::ui {

// The program's windows are laid out in twips (1440 to the inch) on a design
// grid of 800 x 600 pixels at 15 twips per pixel, and fitted to the screen by
// multiplying positions, sizes and font sizes (the shell's fitting routines).
//
// Every control of a window therefore carries its geometry in twips as the
// properties Left, Top, Width and Height (doubles, relative to its container,
// as Qt child geometry is), its font size in points as FontSize, and optionally
// Tag, BackColor and ForeColor (colour values as the program stores them).
// Routines that walk a window's controls address them by these names, and a
// control that lacks one is left alone for it (menu items, lines).
//
// Twips map to Qt's logical pixels: pixels = twips / TwipsPerPixel, where
// TwipsPerPixel is 1440 / the screen's logical dots per inch (15 at 96 dpi).
// Qt's device pixel ratio takes care of high-density screens, so a window
// fitted on a 2x screen has the same logical size as on a 1x screen of the
// same logical resolution.

// Property access for any control. Setting a geometry property moves the
// widget at once.
bool HasGeometry(const QWidget* control);
double Left(const QWidget* control);
double Top(const QWidget* control);
double Width(const QWidget* control);
double Height(const QWidget* control);
void SetLeft(QWidget* control, double twips);
void SetTop(QWidget* control, double twips);
void SetWidth(QWidget* control, double twips);
void SetHeight(QWidget* control, double twips);
void Place(QWidget* control, double left, double top, double width, double height);

bool HasFont(const QWidget* control);
double FontSize(const QWidget* control);
void SetFontSize(QWidget* control, double points);

QString Tag(const QWidget* control);
void SetTag(QWidget* control, const QString& tag);

std::optional<OleColor> BackColor(const QWidget* control);
std::optional<OleColor> ForeColor(const QWidget* control);
void SetBackColor(QWidget* control, OleColor colour);
void SetForeColor(QWidget* control, OleColor colour);

// Sets the caption of a control that has one (label, button, check box,
// option, text box: its text; frame: its title); others are left alone.
void SetCaption(QWidget* control, const QString& caption);

// The frame the window system draws around a window (borders and title bar),
// in pixels. A window's Width and Height count its frame, so a window fitted
// to the whole screen has its frame, not its client area, on the screen's
// edges. Until the window system reports a window's own frame (under a window
// manager: once the window is first shown), the frame last reported for any
// window of the program is assumed; none at first. The client area follows
// when the frame becomes known.
QMargins AssumedFrameMargins();
void SetAssumedFrameMargins(const QMargins& frame);
// The client area of a window `outer` pixels in size within `frame` (at
// least one pixel each way).
QSize ClientSize(QSize outer, const QMargins& frame);

// The area windows open in: the work area of the window's screen (the screen
// less the desktop's panels), unless an area is set (a pinned screen).
QRect WorkArea(const QWidget* window);
void SetWorkArea(const std::optional<QRect>& area);

// A window of the program. Its name (the Qt object name) is the program's name
// for it ("Form13"); its Width, Height, Left and Top are in twips like its
// controls'. Controls are created through add() so the window keeps them in
// design order, the order in which routines walk them.
class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(const QString& name, QWidget* parent = nullptr);
  ~Form() override;

  QString Name() const { return objectName(); }

  // Set once the window has been fitted to the screen since it was loaded:
  // a fit scales the window's geometry, so a window is fitted once a loading.
  bool Fitted = false;

  // The screen's twips per pixel in use for this window (15 until fitted).
  double TwipsPerPixelX() const { return twipsPerPixelX_; }
  double TwipsPerPixelY() const { return twipsPerPixelY_; }
  void SetTwipsPerPixel(double x, double y);

  // Creates a control of type T named `name` inside `container` (this window
  // when null) at the given twips geometry, with the window's font.
  template <class T>
  T* add(const QString& name, QWidget* container, double left, double top, double width,
         double height) {
    T* control = new T(container ? container : this);
    registerControl(control, name, left, top, width, height);
    return control;
  }

  // The same with a caption: the text of a label, button, check box, option
  // or text box, the title of a frame.
  template <class T>
  T* add(const QString& name, QWidget* container, double left, double top, double width,
         double height, const QString& caption) {
    T* control = add<T>(name, container, left, top, width, height);
    SetCaption(control, caption);
    return control;
  }

  // Menus: a top-level menu or an item; items are controls without geometry.
  QMenuBar* MenuBar();
  QAction* addMenuItem(const QString& name, const QString& caption, QMenu* menu = nullptr);
  QMenu* addMenu(const QString& name, const QString& caption);

  // The area below the menu bar that holds the window's own controls.
  QWidget* Client() const { return client_; }

  // Every control in design order (menu items are not widgets and not listed).
  const std::vector<QWidget*>& Controls() const { return controls_; }
  QWidget* Control(const QString& name) const;
  QAction* MenuItem(const QString& name) const;
  const std::vector<QAction*>& MenuItems() const { return menuItems_; }

  // Moves every control to the pixels its twips geometry gives at the current
  // twips per pixel (after a change of TwipsPerPixel).
  void ApplyGeometry();

  // The frame around this window: none for a child window or a frameless
  // one; otherwise the frame the window system reports, or the assumed one.
  QMargins FrameMargins() const;
  // A window whose design gives its client area (menu bar included) rather
  // than its outer size: its Width and Height are then its client area, and
  // the frame comes on top of them.
  void SetDesignedByClientArea(bool byClientArea);
  bool DesignedByClientArea() const { return byClientArea_; }
  // Sizes the window itself from its Width and Height less its frame, and
  // places it at Left and Top (the frame's top-left corner); a maximised or
  // full-screen window is left to the window system.
  void PlaceWindow();

  // A window opens inside the work area, frame and title bar included: one
  // that would reach past it is moved in (one larger than the area keeps its
  // top-left corner, and so its title bar, in view). Runs when the window is
  // shown or placed, and as the window system settles the new window's frame.
  void KeepInWorkArea();

  // Shows the window modally over the whole program and returns once it is
  // hidden (or, for a window destroyed on closing, once it is gone). `afterShow` runs once the window is up (an activation
  // handler); when it hides the window, ShowModal returns at once.
  void ShowModal(const std::function<void()>& afterShow = {});

 signals:
  // The window has been hidden (closed windows are hidden first).
  void Hidden();

 protected:
  void registerControl(QWidget* control, const QString& name, double left, double top,
                       double width, double height);

 private:
  double twipsPerPixelX_ = 15.0;
  double twipsPerPixelY_ = 15.0;
  std::vector<QWidget*> controls_;
  std::vector<QAction*> menuItems_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;

  QMargins usedFrame_;  // the frame the window's client size was computed with
  bool byClientArea_ = false;
  // The frame that Width and Height count. A window designed by its client
  // area counts none, and its menu bar comes on top of that area as the
  // frame does (a negative margin: the window grows by the bar).
  QMargins countedFrame() const;

  void layoutClient();
  void sizeClient();
  bool sizedBySystem() const;  // maximised or full screen
  // Takes up the frame the window system reports, once it does.
  void noteFrame();
  // Set from the showing until the window system has reported the frame.
  bool opening_ = false;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // Escape closes a modal window as its title bar's close does.
  void keyPressEvent(QKeyEvent* event) override;
};

// Shows a window, restored if minimised, in front of the program's others
// and active; its size and place stay as they are.
void BringToFront(QWidget& window);

// The Form a control belongs to (itself when it is one), or null.
Form* FormOf(const QWidget* control);

}  // namespace platform::ui
