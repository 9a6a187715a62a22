// The preview of the worksheet or an affidavit, opened from their frame,
// keeps the front until it is closed: it belongs to the frame (the window
// system keeps it above), and the frame, which shows no sheet meanwhile,
// takes no input. The guidelines text previewed beside the worksheet leaves
// the frame in use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <functional>

#include "affidavit/screens/ui/AffidavitPage.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "app/ui/StartupLayout.h"
#include "platform/Fonts.h"
#include "shell/ui/FormVS.h"
#include "support/ui/ProgramFixture.h"
#include "worksheet/ui/Form9.h"
#include "worksheet/ui/MDIForm1.h"
#include "worksheet/ui/OpenWorksheet.h"

using worksheet::ui::MDIForm1;

namespace {

struct PreviewOverFrameTest : ::testing::Test, ProgramFixture {
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  PreviewOverFrameTest() { app::FitStartupWindows(program); }

  MDIForm1& Frame() { return *program.Find<MDIForm1>("MDIForm1"); }
  worksheet::ui::Form9& Sheet() { return *program.Find<worksheet::ui::Form9>("Form9"); }

  // Clicks the first title of the frame's menu bar, through the window
  // system as a person's click comes; true when its menu opened.
  bool FrameMenuOpens() {
    QMenuBar* bar = Frame().MenuBar();
    if (bar->actions().isEmpty()) return false;
    const QPoint title = bar->mapTo(&Frame(), bar->actionGeometry(bar->actions().first()).center());
    QTest::mouseClick(Frame().windowHandle(), Qt::LeftButton, {}, title);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup) popup->close();
    return popup != nullptr;
  }
};

TEST_F(PreviewOverFrameTest, PreviewKeepsTheFrontOfTheFrameUntilItCloses) {
  const struct {
    const char* name;
    bool owned;  // by the frame
    std::function<void(shell::Program&)> open;
  } previews[] = {
      {"worksheet", true,
       [](shell::Program& p) {
         worksheet::ui::OpenWorksheet(p);
         p.Find<worksheet::ui::Form9>("Form9")->PreviewPrintWS->trigger();
       }},
      {"worksheet help", false,
       [](shell::Program& p) {
         worksheet::ui::OpenWorksheet(p);
         p.Find<worksheet::ui::Form9>("Form9")->WSInstructions->trigger();
       }},
      {"long affidavit", true,
       [](shell::Program& p) {
         affidavit::ui::RunAffidavit(p, true);
         affidavit::ui::Page(p, affidavit::PageId::Form12)->PreviewFinDec_Click();
       }},
      {"short affidavit", true,
       [](shell::Program& p) {
         affidavit::ui::RunAffidavit(p, false);
         affidavit::ui::Page(p, affidavit::PageId::Form121)->ShortFinDec_Click();
       }},
  };
  for (const auto& preview : previews) {
    SCOPED_TRACE(preview.name);
    preview.open(program);
    auto* vs = program.Find<shell::FormVS>("FormVS");
    ASSERT_NE(vs, nullptr);
    ASSERT_TRUE(vs->isVisible());
    ASSERT_TRUE(Frame().isVisible());
    ASSERT_NE(vs->windowHandle(), nullptr);
    EXPECT_TRUE(vs->isWindow());
    if (preview.owned) {
      // The window system learns the owner (X window managers only of a dialog window).
      EXPECT_EQ(vs->windowHandle()->transientParent(), Frame().windowHandle());
      EXPECT_EQ(vs->windowType(), Qt::Dialog);
      EXPECT_EQ(vs->windowModality(), Qt::WindowModal);
    }
    EXPECT_EQ(FrameMenuOpens(), !preview.owned);  // a click on the frame reaches it or nothing

    vs->Exit_Click();
    DeleteClosed();
    EXPECT_FALSE(program.IsFormLoaded("FormVS"));
    if (Frame().isVisible()) {
      EXPECT_TRUE(FrameMenuOpens());  // the frame is in use again
    }
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
}

}  // namespace
