#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/ui/Fitting.h"

using namespace platform;
using namespace platform::ui;
using shell::FitFormToScreen;
using shell::FitTabFormToScreen;
using shell::ScreenFactors;
using shell::ScreenInfo;

namespace {

struct SampleForm : Form {
  explicit SampleForm(const QString& name) : Form(name) {
    label = add<QLabel>("Label1", nullptr, 1000, 200, 500, 300);
    SetFontSize(label, 10);
    fixed = add<QLabel>("Label2", nullptr, 100, 100, 100, 100);
    SetBackColor(fixed, Rgb(0, 0, 255));
    SetForeColor(fixed, 0);
    button = add<ButtonPlus>("Command1", nullptr, 100, 1000, 1200, 400);
    SetTag(button, "1000");
    plain = add<ButtonPlus>("Command2", nullptr, 100, 1500, 1200, 400);
  }
  QLabel* label;
  QLabel* fixed;
  ButtonPlus* button;
  ButtonPlus* plain;
};

}  // namespace

TEST(FitFormToScreen, ScalesGeometryAndFontsByTheScreenFactors) {
  const struct {
    ScreenInfo screen;
    double left, width, top, font;
  } cases[] = {
      {{1024, 768, 15, 15}, 1280, 640, 256, 12.8},
      {{1920, 1080, 15, 15}, 2400, 1200, 360, 18},  // fonts by the smaller factor
      {{800, 600, 12, 12}, 800, 400, 160, 8},
  };
  for (const auto& c : cases) {
    SampleForm form("Form1");
    ScreenFactors f;
    FitFormToScreen(form, f, c.screen);
    EXPECT_DOUBLE_EQ(Left(form.label), c.left);
    EXPECT_DOUBLE_EQ(Width(form.label), c.width);
    EXPECT_DOUBLE_EQ(Top(form.label), c.top);
    EXPECT_NEAR(FontSize(form.label), c.font, 1e-9);
  }
}

TEST(FitFormToScreen, MonitorAdjustmentAppliesExceptToThePreviewWindow) {
  prefs::MonAdj.write("0.75");
  ScreenFactors f;
  SampleForm form("Form1");
  FitFormToScreen(form, f, {1024, 768, 15, 15});
  EXPECT_DOUBLE_EQ(f.ScaleFactorX, 0.96);
  EXPECT_DOUBLE_EQ(Left(form.label), 960);

  SampleForm preview("FormVS");
  FitFormToScreen(preview, f, {1024, 768, 15, 15});
  EXPECT_EQ(f.ScaleFactorX, 1.28);
}

TEST(FitFormToScreen, FittingTwiceScalesTwice) {
  SampleForm form("Form1");
  ScreenFactors f;
  FitFormToScreen(form, f, {1024, 768, 15, 15});
  FitFormToScreen(form, f, {1024, 768, 15, 15});
  EXPECT_NEAR(Left(form.label), 1000 * 1.28 * 1.28, 1e-9);
}

TEST(FitFormToScreen, TaggedButtonsTakeTheButtonScheme) {
  prefs::BackColor.write("255");
  prefs::ForeColor.write("65280");
  prefs::ThemeColor.write("16711680");
  prefs::VisualStyle.write("True");
  prefs::BorderStyle.write("3");
  SampleForm form("Form1");
  ScreenFactors f;
  FitFormToScreen(form, f, {800, 600, 15, 15});
  EXPECT_EQ(BackColor(form.button), 255u);
  EXPECT_EQ(ForeColor(form.button), 65280u);
  EXPECT_EQ(form.button->ThemeColor(), 16711680u);
  EXPECT_TRUE(form.button->UseVisualStyles());
  EXPECT_EQ(form.button->BorderStyle(), 3);
  EXPECT_FALSE(BackColor(form.plain).has_value());  // untagged: keeps its design
}

TEST(FitFormToScreen, ScreenSchemeRecoloursOnlyTheMarkerColours) {
  prefs::ScreenDefault.write("TV");
  SampleForm form("Box");
  ScreenFactors f;
  FitFormToScreen(form, f, {800, 600, 15, 15});
  EXPECT_EQ(BackColor(form.label), kSchemeFace);
  EXPECT_EQ(ForeColor(form.label), kSchemeText);
  EXPECT_EQ(BackColor(form.fixed), Rgb(0, 0, 255));
  EXPECT_EQ(ForeColor(form.fixed), 0u);
  EXPECT_EQ(BackColor(&form), kSchemeFace);  // the box takes the face colour

  prefs::ScreenDefault.write("Sys");
  FitFormToScreen(form, f, {800, 600, 15, 15});
  EXPECT_EQ(BackColor(form.label), kSysButtonFace);
  EXPECT_EQ(ForeColor(form.label), kSysButtonText);

  prefs::ScreenDefault.write("Other");
  SetBackColor(form.label, kSchemeFace);
  FitFormToScreen(form, f, {800, 600, 15, 15});
  EXPECT_EQ(BackColor(form.label), kSchemeFace);
}

TEST(FitFormToScreen, ResultWindowAt1280x960UsesItsOwnCommonFactor) {
  for (const auto& [tpp, common, after] : {std::tuple{12.0, 1.24, 1.28}, std::tuple{15.0, 1.58, 1.6}}) {
    SampleForm form("Form5");
    ScreenFactors f;
    FitFormToScreen(form, f, {1280, 960, tpp, tpp});
    EXPECT_NEAR(FontSize(form.label), 10 * common, 1e-9);
    EXPECT_EQ(f.ScaleFactorMin, after);
  }
}

TEST(FitTabFormToScreen, HorizontalPositionsUseTheCommonFactor) {
  Form form("Form13");
  auto* tabs = form.add<TabControl>("SSTab1", nullptr, 0, 0, 11000, 8000);
  tabs->SetTabs({"A", "B", "C", "D"});
  tabs->SetTabHeight(300);
  auto* box = form.add<QLineEdit>("ClaimOther", tabs->Page(2), 1000, 1000, 500, 300);
  ScreenFactors f;
  FitTabFormToScreen(form, f, {1920, 1080, 15, 15});
  EXPECT_DOUBLE_EQ(Left(box), 1800);
  EXPECT_DOUBLE_EQ(Width(box), 1200);
  EXPECT_DOUBLE_EQ(tabs->TabHeight(), 540);
  EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
}

TEST(FitTabFormToScreen, TabControlWidthShrinksTwiceAtTheSmallFactors) {
  Form form("Form26");
  auto* tabs = form.add<TabControl>("SSTab1", nullptr, 0, 0, 10000, 8000);
  tabs->SetTabs({"A"});
  ScreenFactors f;
  FitTabFormToScreen(form, f, {640, 480, 12, 12});
  EXPECT_NEAR(Width(tabs), 10000 * 0.64 * 0.64, 1e-6);
  EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
}
