#include <gtest/gtest.h>

#include "affidavit/screens/PageRules.h"
#include "platform/Fonts.h"

using namespace affidavit;

namespace {

TEST(AffidavitPageButtons, ModeChoosesThePairWhicheverPageAsks) {
  struct Case {
    PageId from;
    int mode;
    PageId shown;
    bool setsLeft;
  } cases[] = {
      {PageId::Form12, 1, PageId::Form122, false},  {PageId::Form121, 1, PageId::Form122, true},
      {PageId::Form122, 1, PageId::Form12, true},   {PageId::Form123, 1, PageId::Form12, true},
      {PageId::Form12, 0, PageId::Form123, false},  {PageId::Form121, 0, PageId::Form123, true},
      {PageId::Form122, 0, PageId::Form121, true},  {PageId::Form123, 0, PageId::Form121, true},
      {PageId::Form12, 3, PageId::Form123, false},  {PageId::Form122, 3, PageId::Form121, true},
      {PageId::Form123, 3, PageId::Form121, true},  {PageId::Form121, 3, PageId::Form123, true},
  };
  for (const Case& c : cases) {
    const PageSwitch s = PageButtonTarget(c.from, c.mode);
    EXPECT_EQ(s.shown, c.shown) << PageName(c.from).toStdString() << " mode " << c.mode;
    EXPECT_EQ(s.setsLeft, c.setsLeft) << PageName(c.from).toStdString();
  }
}

TEST(AffidavitWidthCheck, ExactFitCrossingKeyThenOneBeep) {
  WidthGuard guard;
  const double design = 3200;  // limit 3000
  // Before any key passed, the first refusal is silent.
  EXPECT_EQ(guard.Check(3100, design, 'A').beep, false);
  EXPECT_TRUE(guard.Check(3100, design, 'A').locked);
  // A text exactly as wide as the limit fits, so the key that crosses is taken.
  auto r = guard.Check(3000, design, 'A');
  EXPECT_FALSE(r.locked);
  // The next key is refused with one beep, later ones silently.
  r = guard.Check(3050, design, 'B');
  EXPECT_TRUE(r.locked);
  EXPECT_TRUE(r.beep);
  r = guard.Check(3050, design, 'C');
  EXPECT_TRUE(r.locked);
  EXPECT_FALSE(r.beep);
  // Backspace unlocks and re-arms, whatever the width.
  r = guard.Check(99999, design, 8);
  EXPECT_FALSE(r.locked);
  EXPECT_TRUE(guard.BeepOnLock());
  EXPECT_TRUE(guard.Check(3050, design, 'D').beep);
  // Navigation keys and a lone Shift run the check like any other key.
  EXPECT_TRUE(guard.Check(3050, design, Qt::Key_Shift).locked);
}

TEST(AffidavitWidthCheck, OneBeepFlagForAllFieldsOfAPage) {
  WidthGuard page;
  page.Check(0, 1000, 'a');                            // arms
  EXPECT_TRUE(page.Check(5000, 1000, 'b').beep);       // field one beeps
  EXPECT_FALSE(page.Check(5000, 2000, 'c').beep);      // field two on the same page stays silent
  WidthGuard otherPage;
  otherPage.Check(0, 1000, 'a');
  EXPECT_TRUE(otherPage.Check(5000, 1000, 'b').beep);  // another page has its own flag
}

TEST(AffidavitWidthCheck, RulesByPageAndArrayAndSixPointColumns) {
  EXPECT_EQ(WidthRuleFor(PageId::Form12, "S2NNew"), WidthRule::FD);
  EXPECT_EQ(WidthRuleFor(PageId::Form121, "S2NNew"), WidthRule::None);
  EXPECT_EQ(WidthRuleFor(PageId::Form12, "S2New"), WidthRule::None);
  EXPECT_EQ(WidthRuleFor(PageId::Form12, "S2"), WidthRule::None);
  EXPECT_EQ(WidthRuleFor(PageId::Form122, "S3T"), WidthRule::FD1);
  EXPECT_EQ(WidthRuleFor(PageId::Form123, "S4T"), WidthRule::FD1);
  EXPECT_EQ(WidthRuleFor(PageId::Form123, "S5T"), WidthRule::FD);
  for (const char* narrow : {"S3O", "S4D", "S4Cr"}) {
    EXPECT_EQ(WidthRuleFor(PageId::Form122, narrow), WidthRule::SixPoint) << narrow;
    EXPECT_EQ(WidthRuleFor(PageId::Form123, narrow), WidthRule::None) << narrow;
  }
  EXPECT_DOUBLE_EQ(WidthRulePoints(WidthRule::SixPoint), 6);
  EXPECT_DOUBLE_EQ(WidthRulePoints(WidthRule::FD1), 9);

  platform::RegisterTahomaIfMissing();
  const QString text = QStringLiteral("Charge/credit card accounts");
  const double nine = MeasureEntry(text, "Tahoma", 9);
  const double six = MeasureEntry(text, "Tahoma", 6);
  EXPECT_GT(nine, six);
  EXPECT_NEAR(six / nine, 6.0 / 9.0, 0.05);
  EXPECT_DOUBLE_EQ(MeasureEntry(QString(), "Tahoma", 9), 0);
}

TEST(AffidavitEntryRules, CaretAndQuotes) {
  EXPECT_EQ(CaretOnFocus("$"), 1);
  EXPECT_EQ(CaretOnFocus("$ 1,200"), 1);
  EXPECT_EQ(CaretOnFocus(""), 0);
  EXPECT_TRUE(HasCaretRule(PageId::Form12, "S2"));
  EXPECT_FALSE(HasCaretRule(PageId::Form12, "S2New"));
  EXPECT_TRUE(HasCaretRule(PageId::Form122, "S4R"));
  EXPECT_FALSE(HasCaretRule(PageId::Form123, "S4R"));
  EXPECT_EQ(FilterTyped('"'), QChar('\''));
  EXPECT_EQ(FilterTyped('x'), QChar('x'));
  // Pasted text follows the typing rules (no character the data file cannot carry).
  EXPECT_EQ(FilterPasted("He said \"no\"\r\nthen\nleft\rat 5"), "He said 'no' then left at 5");
  EXPECT_EQ(FilterPasted(""), "");
}

TEST(AffidavitSheetSize, ReduceFactors) {
  struct Case {
    double sfx;
    double px;
    double f;
  } cases[] = {{1.0, 800, 0.78},  {0.8, 800, 0.78},  {1.024, 1024, 0.78}, {1.28, 1024, 0.75},
               {1.44, 1152, 0.75}, {1.6, 1280, 0.75}, {1.0, 799, 0.86},    {1.28, 799, 0.86},
               {1.0240000000000002, 1024, 0.75}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ChooseReduceFactor(c.sfx, c.px), c.f) << c.sfx << " " << c.px;
}

TEST(AffidavitSheetSize, GeometryAndFontsReturnExactlyToTheFittedLayout) {
  const ControlGeometry fitted{1000, 2000, 1500, 300, 9.75};
  const ControlGeometry reduced = SheetGeometry(fitted, 0.75);
  EXPECT_DOUBLE_EQ(reduced.left, 750);
  EXPECT_DOUBLE_EQ(reduced.top, 1500);
  EXPECT_DOUBLE_EQ(reduced.width, 1125);
  EXPECT_DOUBLE_EQ(reduced.height, 225);
  EXPECT_EQ(SheetGeometry(fitted, 1.0), fitted);  // Full Size is the fitted layout itself

  const SheetFonts small = ReducedFonts(9.75, 1.0, 0.78);
  EXPECT_NEAR(small.control, 7.4529, 1e-12);
  EXPECT_NEAR(small.note, 6.24, 1e-12);
  const SheetFonts full = FullSizeFonts(9.75, 1.0);
  EXPECT_DOUBLE_EQ(full.control, 9.75);
  EXPECT_DOUBLE_EQ(full.note, 8);

  const LineEnds rule{690, 4140, 11190, 4140};
  const LineEnds r = SheetLine(rule, 0.78);
  EXPECT_FLOAT_EQ(r.x1, 538.2f);
  EXPECT_FLOAT_EQ(r.y1, 3229.2f);
  EXPECT_FLOAT_EQ(r.x2, 8728.2f);
  EXPECT_EQ(SheetLine(rule, 1.0), rule);
}

TEST(AffidavitFontCommand, SizesByPageAndMode) {
  // Long form at full size: Form12's menu keeps the screen size, Form122's sets 9.
  auto s = FontCommandSizesFor(PageId::Form12, 1, false, 1, 1.0, 9.75);
  EXPECT_EQ(s.fdFontSize, 9.75);
  EXPECT_EQ(s.controlSize, 9.75);
  EXPECT_FALSE(s.noteSize);
  s = FontCommandSizesFor(PageId::Form122, 1, false, 1, 1.0, 9.75);
  EXPECT_EQ(s.fdFontSize, 9.0);
  EXPECT_EQ(s.controlSize, 9.0);
  // Reduced: size x ScaleFactorMin x f x 0.98, with the pages' own fitted factor.
  s = FontCommandSizesFor(PageId::Form12, 1, true, 0.78, 1.28, 9.75);
  EXPECT_NEAR(*s.controlSize, 9.75 * 1.28 * 0.78 * 0.98, 1e-12);
  // Short form in use: face only, notes at 8 x ScaleFactorMin (x f reduced).
  s = FontCommandSizesFor(PageId::Form121, 0, false, 1, 1.0, 9.75);
  EXPECT_FALSE(s.fdFontSize);
  EXPECT_FALSE(s.controlSize);
  EXPECT_EQ(s.noteSize, 8.0);
  s = FontCommandSizesFor(PageId::Form123, 0, true, 0.78, 1.0, 9.75);
  EXPECT_NEAR(*s.noteSize, 6.24, 1e-12);
  // Long pages in short mode: face only, no notes.
  s = FontCommandSizesFor(PageId::Form122, 0, false, 1, 1.0, 9.75);
  EXPECT_FALSE(s.controlSize);
  EXPECT_FALSE(s.noteSize);
  // Short pages in long mode: sizes and the notes (notes last, without 0.98).
  s = FontCommandSizesFor(PageId::Form123, 1, true, 0.75, 1.0, 9.75);
  EXPECT_EQ(s.fdFontSize, 9.0);
  EXPECT_NEAR(*s.noteSize, 6.0, 1e-12);
}

TEST(AffidavitPreview, HiddenWindowsByPage) {
  EXPECT_EQ(PreviewHides(PageId::Form12, true), QStringList({"Form9", "Form12", "Form122"}));
  EXPECT_EQ(PreviewHides(PageId::Form121, true), QStringList({"Form9", "Form12", "Form122"}));
  EXPECT_EQ(PreviewHides(PageId::Form122, true), QStringList({"Form9", "Form12"}));
  EXPECT_EQ(PreviewHides(PageId::Form121, false), QStringList({"Form9", "Form12", "Form123"}));
  EXPECT_EQ(PreviewHides(PageId::Form123, false), QStringList({"Form9", "Form12"}));
}

}  // namespace
