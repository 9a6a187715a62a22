#include <gtest/gtest.h>

#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/PdfWriter.h"
#include "prefs/Preferences.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/TextBounds.h"
#include "tools/BonusReport.h"

using namespace tools;

namespace {

class BonusReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  static BonusValues AlimonyRun() {
    BonusValues v;
    v.YrBonus = 50000;
    v.BonusShare = 0.2f;
    v.YrAwardWithoutBonus = 24000;
    v.YrAwardWithBonus = 34000;
    v.YrAwardDifference = 10000;
    v.MoSupportWithoutBonus = 700;
    v.MoSupportWithBonus = 950;
    return v;
  }

  // The report on a printer that has printed nothing yet.
  static platform::Document BuildBonusReport(BonusKind kind, const BonusValues& values, const BonusReportInputs& inputs) {
    platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter();
    PrintBonusReport(printer, kind, values, inputs);
    return printer.TakeDocument();
  }

  static QStringList PageTexts(const platform::Document& doc) {
    QStringList texts;
    for (const platform::TextRun* run : doc.pages.at(0).textRuns()) texts << run->text;
    return texts;
  }
};

TEST_F(BonusReportTest, AlimonyReportOnTheRecordedPage) {
  const platform::Document doc =
      BuildBonusReport(BonusKind::Alimony, AlimonyRun(), {QStringLiteral("Rivera v. Rivera"), QDate(2026, 3, 5)});
  ASSERT_EQ(doc.pageCount(), 1);
  const QStringList texts = PageTexts(doc);
  EXPECT_EQ(texts.front(), "ALIMONY BONUS CALCULATOR");
  for (const char* line :
       {"Case Name:  ", "Rivera v. Rivera", "Other Party's Average Yearly Bonus = $50000/Yr",
        "PerCent Of Yearly Bonus To Transfer As Alimony To Claimant = 20.00%",
        "Alimony/Mo Without Bonus = $2000 ($24000/Yr)", "Alimony/Mo With Estimated Bonus = $2833 ($34000/Yr)",
        "Difference In Alimony Amounts/Mo = $833 ($10000/Yr)", "Child Support Amounts Used In The Alimony Calculations ",
        "Child Support/Mo Without Bonus = $700 ($8400/Yr)", "Child Support/Mo With Bonus = $950 ($11400/Yr)"})
    EXPECT_TRUE(texts.contains(QString::fromLatin1(line))) << line;
  EXPECT_EQ(texts.back(), BonusReportNote().back());
  EXPECT_EQ(BonusReportNote().size(), 8);
}

// Before any run the page prints zeros; a case name of a single blank gives no case line.
TEST_F(BonusReportTest, ChildSupportReportBeforeAnyRun) {
  const platform::Document doc = BuildBonusReport(BonusKind::ChildSupport, {}, {QStringLiteral(" "), QDate(2026, 3, 5)});
  const QStringList texts = PageTexts(doc);
  EXPECT_EQ(texts.front(), "CHILD SUPPORT BONUS CALCULATOR");
  EXPECT_FALSE(texts.contains("Case Name:  "));
  EXPECT_TRUE(texts.contains("PerCent Of Yearly Bonus To Transfer As Child Support To Claimant = .00%"));
  EXPECT_TRUE(texts.contains("Difference In Support Amounts/Mo = $0 ($0/Yr)"));
  BonusValues half;
  half.BonusShare = 0.005f;
  EXPECT_EQ(BonusReportBody(BonusKind::Alimony, half)[2],
            "PerCent Of Yearly Bonus To Transfer As Alimony To Claimant = .50%");
}

TEST_F(BonusReportTest, PdfHoldsBothReportsText) {
  const struct { BonusKind kind; const char* file; const char* heading; const char* line; } cases[] = {
      {BonusKind::Alimony, "/alimony-bonus.pdf", "ALIMONY BONUS CALCULATOR", "$2833 ($34000/Yr)"},
      {BonusKind::ChildSupport, "/child-support-bonus.pdf", "CHILD SUPPORT BONUS CALCULATOR",
       "Child Support/Mo With Estimated Bonus = $950 ($11400/Yr)"},
  };
  for (const auto& c : cases) {
    const platform::Document doc = BuildBonusReport(c.kind, AlimonyRun(), {QStringLiteral("Rivera v. Rivera"), QDate(2026, 3, 5)});
    const QString path = testenv::scratchFolder() + QString::fromLatin1(c.file);
    ASSERT_TRUE(platform::SaveDocumentAsPdf(doc, path).ok());
    const auto pages = testenv::PdfPageTexts(path);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    ASSERT_EQ(pages->size(), 1);
    EXPECT_TRUE(pages->front().contains(QString::fromLatin1(c.heading))) << c.file;
    EXPECT_TRUE(pages->front().contains(QString::fromLatin1(c.line))) << c.file;
    EXPECT_TRUE(pages->front().contains("Rivera v. Rivera")) << c.file;
  }
}

// Both reports with seven-figure figures, or figures wider than any a run
// can give (a bonus at the program's limit, awards and support of a hundred
// boxes at it, negative), a long case name and every preparer line keep
// every text inside the printable area.
TEST_F(BonusReportTest, EveryTextKeepsInsideThePrintableArea) {
  BonusValues seven;
  seven.YrBonus = 1234567;
  seven.BonusShare = 0.8765f;
  seven.YrAwardWithoutBonus = seven.YrAwardWithBonus = seven.YrAwardDifference = 1234567;
  seven.MoSupportWithoutBonus = seven.MoSupportWithBonus = 123456;
  BonusValues widest;
  widest.YrBonus = platform::kLargestAmount;
  widest.BonusShare = -99.99f;
  widest.YrAwardWithoutBonus = widest.YrAwardWithBonus = widest.YrAwardDifference =
      widest.MoSupportWithoutBonus = widest.MoSupportWithBonus = -100 * platform::kLargestAmount;
  for (const BonusValues& v : {seven, widest}) {
    for (BonusKind kind : {BonusKind::Alimony, BonusKind::ChildSupport}) {
      const platform::Document doc =
          BuildBonusReport(kind, v, {QStringLiteral("In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe"),
                                     QDate(2026, 12, 31)});
      const double right = platform::kLetterWidth - platform::PrinterSetup{}.unprintable.right();
      for (const std::string& outside : testenv::RunsOutside(doc, {right})) ADD_FAILURE() << outside;
    }
  }
}

}  // namespace
