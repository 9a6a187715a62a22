#include <gtest/gtest.h>

#include "alimony/AlimonyRun.h"
#include "alimony/ui/Form3.h"
#include "platform/Fonts.h"
#include "support/ui/Layout.h"
#include "support/ui/ProgramFixture.h"

namespace {

class Form3LayoutTest : public ::testing::TestWithParam<shell::ScreenInfo>, public ProgramFixture {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
};

// Fitted to the screen, every control of the alimony result window lies
// inside its frame and shows its whole caption, the present-value labels
// and the award commands included.
TEST_P(Form3LayoutTest, EveryCaptionWholeOnTheScreen) {
  program.PinScreen(GetParam());
  auto* form = program.Load<alimony::ui::Form3>(QStringLiteral("Form3"));
  ASSERT_NE(form, nullptr);
  program.FitFormToScreen(*form);
  form->Frame1->setTitle(QStringLiteral("Claimant (noncustodial)"));
  form->Frame2->setTitle(QStringLiteral("Other (shared custody)"));
  EXPECT_EQ(testenv::CutControls(*form).join('\n').toStdString(), "");
  EXPECT_LE(form->width(), GetParam().widthPx);
  EXPECT_LE(form->height(), GetParam().heightPx);
}

// The longest notes of a run fit the note box whole, to their final point.
TEST_P(Form3LayoutTest, LongestNoteWholeInItsBox) {
  program.PinScreen(GetParam());
  auto* form = program.Load<alimony::ui::Form3>(QStringLiteral("Form3"));
  ASSERT_NE(form, nullptr);
  program.FitFormToScreen(*form);
  for (const char* payer : {"Payee", "Payer"}) {
    alimony::AlimonyOutcome outcome;
    outcome.Picture9 = alimony::PictureText{
        true, {QStringLiteral("Calculation Shown Has Alimony Taxed To %1. The Suggested Alimony Award Has Been "
                              "Modified.").arg(QLatin1String(payer))}};
    form->ShowOutcome(outcome, program.State.Screen.ScaleFactorX);
    const results::TextCanvas& note = form->Pictures().Picture9;
    ASSERT_EQ(note.Runs().size(), 1u);
    const platform::TextRun& run = note.Runs()[0];
    EXPECT_LE(run.position.x() + run.size.width(), note.Width()) << payer;
    EXPECT_LE(run.position.y() + run.size.height(), note.Height()) << payer;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, Form3LayoutTest, testenv::LayoutScreens(), testenv::ScreenName);

}  // namespace
