#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QTest>

#include "calculators/ui/CalculatorWindow.h"
#include "platform/Fonts.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/DocumentPrinter.h"
#include "prefs/Preferences.h"
#include "screenimage/ui/Form6.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"
#include "tools/ui/FormDepends.h"
#include "tools/ui/FormOnight.h"

namespace {

// The calculators and what-if windows that hand their picture to the Print
// Screen Images window, and what each hides, shows and gives back.
struct Caller {
  const char* window;
  const char* item;  // the menu item that takes the picture
  std::int16_t code;
  std::vector<const char*> buttons;  // hidden for the picture
  bool tradeMark;                    // shown for the picture
  bool maximisedAfter;               // the window's state when given back (monitor adjustment 1)
};

const Caller kCallers[] = {
    {"FormFin", "PrintScreen", 9, {"CmdAnswer", "CmdClear", "cmdReturn"}, false, true},
    {"Form7", "PrintScreenImage", 7, {"About", "Return", "RunDBReport"}, true, true},
    {"Form72t", "PrintScreenImage", 72, {"About", "AboutInterest"}, true, true},
    {"FormOnight", "PrintImage", 17, {"Clear", "OvernightCalc"}, false, false},
    {"FormDepends", "PrintRevised", 22, {"Calculate", "Reset"}, false, false},
};

// Opens the callers and takes their pictures.
struct CallerRun : ProgramFixture {
  CallerRun() { platform::RegisterTahomaIfMissing(); }

  platform::ui::Form* Open(const QString& name) {
    if (name == "Form1") {
      auto* express = program.Load<platform::ui::Form>(name);
      program.FitFormToScreen(*express);
      express->show();
      return express;
    }
    if (name == "FormOnight") return tools::ui::OpenOvernightEstimator(program);
    if (name == "FormDepends") return tools::ui::OpenDependsCalculator(program, {});
    return calculators::ui::OpenCalculator(program, name, 1);
  }
  screenimage::ui::Form6* TakePicture(platform::ui::Form& w, const char* item) {
    w.MenuItem(QLatin1String(item))->trigger();
    return program.Find<screenimage::ui::Form6>(QStringLiteral("Form6"));
  }
};

struct ScreenImageCallersTest : ::testing::Test, CallerRun {};

// Each window's picture item opens Form6 with the window's code; the window
// waits hidden in its print appearance, and leaving Form6 gives it back
// shown, with its buttons, without its trade mark, in its grey scheme.
TEST_F(ScreenImageCallersTest, EachWindowGoesThroughForm6AndComesBackGrey) {
  program.State.SchemeBackColor = platform::Rgb(200, 210, 220);
  for (const Caller& c : kCallers) {
    SCOPED_TRACE(c.window);
    platform::ui::Form* w = Open(QLatin1String(c.window));
    ASSERT_NE(w, nullptr);
    QWidget* frame = w->Control(QStringLiteral("Frame2"));
    ASSERT_NE(frame, nullptr);
    QWidget* mark = w->Control(QStringLiteral("TradeMark"));
    ASSERT_EQ(mark != nullptr, c.tradeMark);

    screenimage::ui::Form6* form6 = TakePicture(*w, c.item);
    ASSERT_NE(form6, nullptr);
    EXPECT_TRUE(form6->isVisible());
    EXPECT_FALSE(form6->Capture().isNull());
    EXPECT_EQ(form6->Capture().size(), w->Client()->size());  // the menu bar is no part of it
    EXPECT_EQ(program.State.PrintImageCaller, c.code);
    EXPECT_FALSE(w->isVisible());
    for (const char* b : c.buttons) EXPECT_FALSE(w->Control(QLatin1String(b))->isVisibleTo(w)) << b;
    if (mark) {
      EXPECT_TRUE(mark->isVisibleTo(w));
    }
    EXPECT_EQ(platform::ui::BackColor(frame), std::optional(platform::kWhite));

    form6->Command4_Click();  // "Cancel Print And Return"
    DeleteClosed();
    EXPECT_EQ(program.Find(QStringLiteral("Form6")), nullptr);
    EXPECT_TRUE(w->isVisible());
    for (const char* b : c.buttons) EXPECT_TRUE(w->Control(QLatin1String(b))->isVisibleTo(w)) << b;
    if (mark) {
      EXPECT_FALSE(mark->isVisibleTo(w));
    }
    EXPECT_EQ(platform::ui::BackColor(frame), std::optional(program.State.SchemeBackColor));
    EXPECT_EQ(w->isMaximized(), c.maximisedAfter);
    w->close();
    DeleteClosed();
  }
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join('\n').toStdString();
}

// With a monitor adjustment other than 1 the financial calculator is
// captured and given back at its normal size; the pension calculator comes
// back maximised all the same; the estimator's state is never touched.
TEST_F(ScreenImageCallersTest, MonitorAdjustmentDecidesTheFinancialCalculatorsState) {
  prefs::MonAdj.write("0.8");
  for (auto [name, item, maximised] : {std::tuple{"FormFin", "PrintScreen", false},
                                       {"Form7", "PrintScreenImage", true}, {"FormOnight", "PrintImage", false}}) {
    SCOPED_TRACE(name);
    platform::ui::Form* w = Open(QLatin1String(name));
    screenimage::ui::Form6* form6 = TakePicture(*w, item);
    ASSERT_NE(form6, nullptr);
    dialogs.AnswerPrintDialog(std::nullopt);  // a cancelled print gives the window back too
    EXPECT_FALSE(form6->Command3_Click());
    DeleteClosed();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->isMaximized(), maximised);
    w->close();
    DeleteClosed();
  }
}

}  // namespace

namespace {

// With no printer installed (the test platform has none), a screen image
// still reaches a file: the print dialog offers printing to a PDF file, and
// "Print Report LANDSCAPE" writes the picture on a landscape page.
TEST_F(ScreenImageCallersTest, AScreenImagePrintsToAPdfFileWithNoPrinterInstalled) {
  ASSERT_FALSE(platform::PrinterAvailable());
  platform::ui::Form* w = Open(QStringLiteral("FormFin"));
  ASSERT_NE(w, nullptr);
  screenimage::ui::Form6* form6 = TakePicture(*w, "PrintScreen");
  ASSERT_NE(form6, nullptr);
  platform::PrinterChoice toFile;
  toFile.outputFile = testenv::scratchFolder() + QStringLiteral("/Screen image.pdf");
  dialogs.AnswerPrintDialog(toFile);
  QTest::mouseClick(form6->Command1, Qt::LeftButton);
  EXPECT_FALSE(dialogs.Failed()) << dialogs.Failures().join("; ").toStdString();
  EXPECT_TRUE(dialogs.CallsOf(platform::DialogKind::MessageBox).empty());  // no "No printer is available."
  ASSERT_TRUE(QFile::exists(toFile.outputFile));
  const auto sizes = testenv::PdfPageSizes(toFile.outputFile);
  if (!sizes) GTEST_SKIP() << "pdfinfo is not installed";
  EXPECT_EQ(*sizes, QStringList{"792 x 612"});
}

}  // namespace

namespace {

// A window manager's frame: borders and a title bar.
const QMargins kWindowManagerFrame(4, 28, 4, 4);

struct ScreenImagePlacementTest : ::testing::TestWithParam<shell::ScreenInfo>, CallerRun {
  ScreenImagePlacementTest() { platform::ui::SetAssumedFrameMargins(kWindowManagerFrame); }
  ~ScreenImagePlacementTest() override { platform::ui::SetAssumedFrameMargins(QMargins()); }
};

// From every caller (the Express screen and the side windows), Print Screen
// Images opens maximised with its title bar (and so its close box) in view,
// and its panels whole inside what the work area leaves a maximised window
// below its title bar.
TEST_P(ScreenImagePlacementTest, OpensMaximisedWithItsTitleBarInView) {
  program.PinScreen(GetParam());
  std::vector<std::pair<const char*, const char*>> callers = {{"Form1", "PrintScreenImage"}};
  for (const Caller& c : kCallers) callers.emplace_back(c.window, c.item);
  for (const auto& [window, item] : callers) {
    SCOPED_TRACE(window);
    platform::ui::Form* w = Open(QLatin1String(window));
    ASSERT_NE(w, nullptr);
    screenimage::ui::Form6* form6 = TakePicture(*w, item);
    ASSERT_NE(form6, nullptr);
    EXPECT_TRUE(form6->isMaximized());
    EXPECT_GT(form6->FrameMargins().top(), 0);  // a title bar
    EXPECT_EQ(form6->windowTitle(), "Print Screen Images");
    const QSize client = platform::ui::WorkArea(form6).marginsRemoved(kWindowManagerFrame).size();
    for (QGroupBox* panel : {form6->Frame1, form6->Frame2, form6->Frame3, form6->Frame5})
      EXPECT_TRUE(QRect(QPoint(), client).contains(panel->geometry()))
          << panel->objectName().toStdString() << " ends at " << panel->geometry().right() << ", "
          << panel->geometry().bottom() << " in " << client.width() << " x " << client.height();
    form6->Command4_Click();
    DeleteClosed();
    w->close();
    DeleteClosed();
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenImagePlacementTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
