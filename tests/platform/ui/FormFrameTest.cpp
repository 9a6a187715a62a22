#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "platform/ui/Form.h"
#include "support/ui/ModalDriver.h"

using namespace platform::ui;

namespace {

// A window manager's frame: 4-pixel borders and a 22-pixel title bar. Set as
// the frame assumed for windows whose own frame is not reported (there is no
// window manager under the tests' platform); put back afterwards.
class FormFrameTest : public ::testing::Test {
 protected:
  void SetUp() override { SetAssumedFrameMargins(kFrame); }
  void TearDown() override {
    SetAssumedFrameMargins({});
    SetWorkArea(std::nullopt);
  }
  static inline const QMargins kFrame{4, 22, 4, 4};
};

}  // namespace

TEST(FormFrame, ClientSizeIsTheOuterSizeLessTheFrame) {
  EXPECT_EQ(ClientSize({800, 600}, {4, 22, 4, 4}), QSize(792, 574));
  EXPECT_EQ(ClientSize({800, 600}, {}), QSize(800, 600));
  EXPECT_EQ(ClientSize({6, 20}, {4, 22, 4, 4}), QSize(1, 1));  // never empty
}

TEST_F(FormFrameTest, AWindowsWidthAndHeightCountItsFrame) {
  Form window(QStringLiteral("Form1"));
  SetWidth(&window, 12000);
  SetHeight(&window, 9000);
  EXPECT_EQ(window.FrameMargins(), kFrame);
  EXPECT_EQ(window.size(), QSize(792, 574));
  // Shown, the window takes up the frame the platform reports (if any) and
  // keeps its outer size: 800 x 600.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QMargins frame = window.FrameMargins();
  EXPECT_EQ(window.geometry().marginsAdded(frame).size(), QSize(800, 600));
  EXPECT_EQ(Width(&window), 12000);
  EXPECT_EQ(Height(&window), 9000);

  // Resized by the user: Width and Height follow, frame included.
  window.resize(500, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(Width(&window), (500 + frame.left() + frame.right()) * 15);
  EXPECT_EQ(Height(&window), (400 + frame.top() + frame.bottom()) * 15);
  window.hide();
}

TEST_F(FormFrameTest, FramelessAndChildWindowsHaveNoFrame) {
  Form frameless(QStringLiteral("frmSplash"));
  frameless.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  frameless.PlaceWindow();
  EXPECT_EQ(frameless.FrameMargins(), QMargins());
  EXPECT_EQ(frameless.size(), QSize(800, 600));

  QWidget holder;
  Form child(QStringLiteral("Form9"), &holder);
  EXPECT_EQ(child.FrameMargins(), QMargins());
  EXPECT_EQ(child.size(), QSize(800, 600));
}

TEST_F(FormFrameTest, AWindowDesignedByItsClientAreaHasTheFrameOnTop) {
  Form window(QStringLiteral("Form26"));
  window.SetDesignedByClientArea(true);
  Place(&window, 0, 0, 11775, 7455);
  EXPECT_EQ(window.size(), QSize(785, 497));  // the whole design client area
  EXPECT_EQ(window.FrameMargins(), kFrame);   // with the frame outside it
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.size(), QSize(785, 497));
  window.resize(500, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(Width(&window), 500 * 15);
  EXPECT_EQ(Height(&window), 400 * 15);
  window.hide();
}

// A window opens inside the work area with its frame: one placed past an edge
// is moved in, one larger than the area shows its top-left corner (and so its
// title bar) at the area's.
TEST_F(FormFrameTest, AWindowOpensInsideTheWorkAreaWithItsTitleBarInView) {
  const QRect area(0, 30, 800, 570);  // a panel across the top of an 800 x 600 screen
  SetWorkArea(area);
  struct Case {
    const char* name;
    double left, top, width, height;  // twips, frame included
    int cornerY;                      // where the frame's top edge ends
  };
  const Case cases[] = {
      {"at the screen's corner, under the panel", 0, 0, 6000, 4500, 30},
      {"above the screen", 1500, -900, 6000, 4500, 30},
      {"past the right and bottom edges", 9000, 6000, 6000, 4500, 300},
      {"larger than the area", 3000, 3000, 13500, 9600, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form window(QStringLiteral("Form7"));
    Place(&window, c.left, c.top, c.width, c.height);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect outer = window.geometry().marginsAdded(window.FrameMargins());
    EXPECT_EQ(outer.top(), c.cornerY);
    if (outer.width() <= area.width()) EXPECT_TRUE(area.contains(outer)) << outer.left() << "," << outer.right();
    else EXPECT_EQ(outer.left(), area.left());
    window.hide();
  }
}

// Escape closes a modal window as its title bar does; a window beside the
// others keeps Escape for its fields.
TEST_F(FormFrameTest, EscapeClosesAModalWindow) {
  Form modal(QStringLiteral("Form16"));
  testenv::WhenModal<Form>([](Form& w) { QTest::keyClick(&w, Qt::Key_Escape); });
  modal.ShowModal();
  EXPECT_FALSE(modal.isVisible());

  Form beside(QStringLiteral("FormOnight"));
  beside.show();
  QTest::keyClick(&beside, Qt::Key_Escape);
  EXPECT_TRUE(beside.isVisible());
  beside.hide();
}
