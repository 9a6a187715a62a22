#include "platform/ui/Form.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTextEdit>
#include <QVariant>
#include <QWindow>
#include <cmath>

#include "platform/ui/ButtonPlus.h"

namespace platform::ui {

namespace {

constexpr const char* kLeft = "Left";
constexpr const char* kTop = "Top";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
constexpr const char* kTag = "Tag";
constexpr const char* kBackColor = "BackColor";
constexpr const char* kForeColor = "ForeColor";

double Prop(const QWidget* w, const char* name) { return w->property(name).toDouble(); }

int ToPixels(double twips, double twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

void ApplyControlGeometry(QWidget* w) {
  if (!HasGeometry(w)) return;
  Form* form = FormOf(w);
  const double tx = form ? form->TwipsPerPixelX() : 15.0;
  const double ty = form ? form->TwipsPerPixelY() : 15.0;
  if (w == form) {
    form->PlaceWindow();
    return;
  }
  w->setGeometry(ToPixels(Prop(w, kLeft), tx), ToPixels(Prop(w, kTop), ty),
                 std::max(0, ToPixels(Prop(w, kWidth), tx)), std::max(0, ToPixels(Prop(w, kHeight), ty)));
}

void SetGeometryProp(QWidget* w, const char* name, double twips) {
  w->setProperty(name, twips);
  ApplyControlGeometry(w);
}

QMargins g_assumedFrame;
std::optional<QRect> g_workArea;

}  // namespace

QMargins AssumedFrameMargins() { return g_assumedFrame; }
void SetAssumedFrameMargins(const QMargins& frame) { g_assumedFrame = frame; }

QRect WorkArea(const QWidget* window) {
  if (g_workArea) return *g_workArea;
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}
void SetWorkArea(const std::optional<QRect>& area) { g_workArea = area; }

QSize ClientSize(QSize outer, const QMargins& frame) {
  return QSize(std::max(1, outer.width() - frame.left() - frame.right()),
               std::max(1, outer.height() - frame.top() - frame.bottom()));
}

bool HasGeometry(const QWidget* control) { return control->property(kLeft).isValid(); }
double Left(const QWidget* control) { return Prop(control, kLeft); }
double Top(const QWidget* control) { return Prop(control, kTop); }
double Width(const QWidget* control) { return Prop(control, kWidth); }
double Height(const QWidget* control) { return Prop(control, kHeight); }
void SetLeft(QWidget* control, double twips) { SetGeometryProp(control, kLeft, twips); }
void SetTop(QWidget* control, double twips) { SetGeometryProp(control, kTop, twips); }
void SetWidth(QWidget* control, double twips) { SetGeometryProp(control, kWidth, twips); }
void SetHeight(QWidget* control, double twips) { SetGeometryProp(control, kHeight, twips); }

void Place(QWidget* control, double left, double top, double width, double height) {
  control->setProperty(kLeft, left);
  control->setProperty(kTop, top);
  control->setProperty(kWidth, width);
  control->setProperty(kHeight, height);
  ApplyControlGeometry(control);
}

bool HasFont(const QWidget*) { return true; }
double FontSize(const QWidget* control) { return control->font().pointSizeF(); }

void SetFontSize(QWidget* control, double points) {
  if (!(points > 0)) return;
  QFont f = control->font();
  f.setPointSizeF(points);
  control->setFont(f);
}

QString Tag(const QWidget* control) { return control->property(kTag).toString(); }
void SetTag(QWidget* control, const QString& tag) { control->setProperty(kTag, tag); }

static std::optional<OleColor> ColourProp(const QWidget* control, const char* name) {
  const QVariant v = control->property(name);
  if (!v.isValid()) return std::nullopt;
  return static_cast<OleColor>(v.toUInt());
}

std::optional<OleColor> BackColor(const QWidget* control) { return ColourProp(control, kBackColor); }
std::optional<OleColor> ForeColor(const QWidget* control) { return ColourProp(control, kForeColor); }

// `everywhere` roles take the colour in every state; `enabledOnly` roles
// only while the control is enabled, so that a disabled control shows the
// desktop's greyed text and entry background.
static void SetColourProp(QWidget* control, const char* name, OleColor colour,
                          std::initializer_list<QPalette::ColorRole> everywhere,
                          std::initializer_list<QPalette::ColorRole> enabledOnly) {
  control->setProperty(name, static_cast<uint>(colour));
  QPalette p = control->palette();
  const QColor c = ToQColor(colour);
  for (auto role : everywhere) p.setColor(role, c);
  for (auto role : enabledOnly)
    for (auto group : {QPalette::Active, QPalette::Inactive}) p.setColor(group, role, c);
  control->setPalette(p);
}

void SetBackColor(QWidget* control, OleColor colour) {
  SetColourProp(control, kBackColor, colour, {QPalette::Window, QPalette::Button}, {QPalette::Base});
  control->setAutoFillBackground(true);
}

void SetForeColor(QWidget* control, OleColor colour) {
  SetColourProp(control, kForeColor, colour, {}, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText});
}

Form::Form(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setProperty("IsProgramForm", true);
  QFont f("Tahoma");
  f.setPointSizeF(8.25);
  setFont(f);
  SetBackColor(this, kSysButtonFace);
  client_ = new QWidget(this);
  client_->setObjectName(name + "_client");
  setProperty(kLeft, 0.0);
  setProperty(kTop, 0.0);
  setProperty(kWidth, 800.0 * 15);
  setProperty(kHeight, 600.0 * 15);
  ApplyControlGeometry(this);
}

Form::~Form() = default;

void Form::SetTwipsPerPixel(double x, double y) {
  if (x > 0) twipsPerPixelX_ = x;
  if (y > 0) twipsPerPixelY_ = y;
}

void Form::registerControl(QWidget* control, const QString& name, double left, double top,
                           double width, double height) {
  if (control->parentWidget() == this) control->setParent(client_);
  control->setObjectName(name);
  control->setFont(control->parentWidget()->font());
  // The desktop's colours that a design leaves in place: window colours for
  // entry fields, button-face colours for everything else.
  if (qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) ||
      qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QComboBox*>(control)) {
    SetBackColor(control, kSysWindow);
    SetForeColor(control, kSysWindowText);
  } else if (!qobject_cast<ButtonPlus*>(control)) {
    SetBackColor(control, kSysButtonFace);
    SetForeColor(control, kSysButtonText);
  }
  controls_.push_back(control);
  Place(control, left, top, width, height);
  control->show();
}

QMenuBar* Form::MenuBar() {
  if (!menuBar_) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layoutClient();
  }
  return menuBar_;
}

QMenu* Form::addMenu(const QString& name, const QString& caption) {
  QMenu* menu = MenuBar()->addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  menuItems_.push_back(menu->menuAction());
  return menu;
}

QAction* Form::addMenuItem(const QString& name, const QString& caption, QMenu* menu) {
  QAction* item = menu ? menu->addAction(caption) : MenuBar()->addAction(caption);
  item->setObjectName(name);
  menuItems_.push_back(item);
  return item;
}

QWidget* Form::Control(const QString& name) const {
  for (QWidget* c : controls_)
    if (c->objectName() == name) return c;
  return nullptr;
}

QAction* Form::MenuItem(const QString& name) const {
  for (QAction* a : menuItems_)
    if (a->objectName() == name) return a;
  return nullptr;
}

void Form::ApplyGeometry() {
  ApplyControlGeometry(this);
  for (QWidget* c : controls_) ApplyControlGeometry(c);
  layoutClient();
}

QMargins Form::FrameMargins() const {
  if (!isWindow() || (windowFlags() & Qt::FramelessWindowHint)) return {};
  if (const QWindow* handle = windowHandle()) {
    const QMargins reported = handle->frameMargins();
    if (!reported.isNull()) return reported;
  }
  return g_assumedFrame;
}

void Form::PlaceWindow() {
  sizeClient();
  if (!sizedBySystem())
    move(ToPixels(Prop(this, kLeft), twipsPerPixelX_), ToPixels(Prop(this, kTop), twipsPerPixelY_));
  if (isVisible()) KeepInWorkArea();
}

void Form::KeepInWorkArea() {
  if (!isWindow() || sizedBySystem()) return;
  const QRect area = WorkArea(this);
  if (area.isEmpty()) return;
  const QMargins frame = FrameMargins();
  const QRect outer = geometry().marginsAdded(frame);
  QPoint to = outer.topLeft();
  to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - outer.width())));
  to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - outer.height())));
  // The client area moves by what the frame's corner must: placed so, the
  // window stands where asked whether or not the window system has told its
  // frame yet, and an edge already inside stays where it is.
  const QPoint shift = to - outer.topLeft();
  if (!shift.isNull()) setGeometry(QRect(geometry().topLeft() + shift, size()));
}

bool Form::sizedBySystem() const {
  return isWindow() && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

QMargins Form::countedFrame() const {
  if (!byClientArea_) return usedFrame_;
  return QMargins(0, menuBar_ ? -menuBar_->sizeHint().height() : 0, 0, 0);
}

void Form::SetDesignedByClientArea(bool byClientArea) {
  byClientArea_ = byClientArea;
  sizeClient();
}

void Form::sizeClient() {
  usedFrame_ = FrameMargins();
  if (sizedBySystem()) return;
  const QSize outer(ToPixels(Prop(this, kWidth), twipsPerPixelX_), ToPixels(Prop(this, kHeight), twipsPerPixelY_));
  const QSize client = ClientSize(outer, countedFrame());
  // A window of fixed size keeps it fixed at its new size.
  if (minimumSize() == maximumSize()) setFixedSize(client);
  else resize(client);
}

void Form::noteFrame() {
  if (!isWindow() || (windowFlags() & Qt::FramelessWindowHint)) return;
  const QWindow* handle = windowHandle();
  if (!handle) return;
  const QMargins reported = handle->frameMargins();
  if (reported.isNull()) return;  // no window manager, or not reported yet
  g_assumedFrame = reported;
  if (reported != usedFrame_) sizeClient();
}

bool Form::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
      opening_ = true;
      [[fallthrough]];
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      noteFrame();
      if (opening_ && isWindow()) {
        // Under a window manager the frame of a window's first showing is
        // known only once the window is up, and the window may have been put
        // with its title bar off the screen meanwhile.
        KeepInWorkArea();
        const QWindow* handle = windowHandle();
        if (handle && !handle->frameMargins().isNull()) opening_ = false;
      }
      break;
    case QEvent::Hide:
      opening_ = false;
      break;
    default:
      break;
  }
  return handled;
}

void Form::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isWindow() &&
      windowModality() != Qt::NonModal) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form::layoutClient() {
  const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menuHeight);
  client_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
}

void Form::ShowModal(const std::function<void()>& afterShow) {
  QPointer<Form> self(this);
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  if (afterShow) afterShow();
  if (!self || !isVisible()) return;
  // A window destroyed on closing is waited for until it is gone.
  QEventLoop wait;
  if (!testAttribute(Qt::WA_DeleteOnClose)) connect(this, &Form::Hidden, &wait, &QEventLoop::quit);
  connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
  wait.exec();
}

void Form::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Hidden();
}

void Form::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A window resized by the user or the window manager reports its new
  // size, frame included.
  const QSize expected = ClientSize(
      QSize(ToPixels(Prop(this, kWidth), twipsPerPixelX_), ToPixels(Prop(this, kHeight), twipsPerPixelY_)),
      countedFrame());
  const QSize outer = size().grownBy(countedFrame());
  if (expected.width() != width()) setProperty(kWidth, outer.width() * twipsPerPixelX_);
  if (expected.height() != height()) setProperty(kHeight, outer.height() * twipsPerPixelY_);
  layoutClient();
}

void SetCaption(QWidget* control, const QString& caption) {
  if (auto* label = qobject_cast<QLabel*>(control))
    label->setText(caption);
  else if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->setText(caption);
  else if (auto* frame = qobject_cast<QGroupBox*>(control))
    frame->setTitle(caption);
  else if (auto* edit = qobject_cast<QLineEdit*>(control))
    edit->setText(caption);
  else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
    plain->setPlainText(caption);
}

void BringToFront(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}

Form* FormOf(const QWidget* control) {
  for (const QWidget* w = control; w; w = w->parentWidget())
    if (auto* form = qobject_cast<const Form*>(w)) return const_cast<Form*>(form);
  return nullptr;
}

}  // namespace platform::ui
