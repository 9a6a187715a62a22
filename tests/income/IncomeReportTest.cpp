#include <gtest/gtest.h>

#include "platform/AmountLimit.h"

#include <QDate>

#include <variant>

#include "income/IncomeReport.h"
#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "prefs/Preferences.h"
#include "support/TextBounds.h"

using namespace income;
using platform::DrawingCursor;
using platform::Page;
using platform::TextRun;

namespace {

constexpr double kMm = platform::kTwipsPerMillimetre;

class IncomeReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  // A 600-dpi printer whose printable area starts at the sheet's corner, so
  // positions read back in millimetres directly.
  platform::Document Print() {
    DrawingCursor printer = DrawingCursor::ForPrinter({600, QMarginsF(0, 0, 0, 0)});
    inputs.today = QDate(2026, 3, 5);
    PrintIncomePopups(printer, vars, inputs);
    EXPECT_FALSE(printer.IsDocumentOpen());
    return printer.document();
  }

  static const TextRun* Find(const Page& page, const QString& text, int nth = 0) {
    for (const TextRun* r : page.textRuns())
      if (r->text == text && nth-- == 0) return r;
    return nullptr;
  }
  static double X(const TextRun* r) { return r->position.x() / kMm; }
  static double Y(const TextRun* r) { return r->position.y() / kMm; }
  // The texts printed on the same line as `r`, left to right.
  static QStringList LineOf(const Page& page, const TextRun* r) {
    QStringList line;
    for (const TextRun* t : page.textRuns())
      if (std::abs(t->position.y() - r->position.y()) < 1) line << t->text;
    return line;
  }
  template <class T>
  static std::vector<T> Items(const Page& page) {
    std::vector<T> out;
    for (const auto& item : page.items)
      if (auto* t = std::get_if<T>(&item)) out.push_back(*t);
    return out;
  }

  casevars::IncomeVars vars;
  IncomeReportInputs inputs;
};

TEST_F(IncomeReportTest, TwoPartyPageColumnsAndAmounts) {
  vars.Claim.YrEarned = 1234.4f;
  vars.Payer.YrEarned = 1234.6f;
  vars.Claim.YrSS = -250;
  vars.Claim.YrTotal = 60000;
  vars.Payer.YrTotal = 45000.5f;
  inputs.parties.Claim.eic = true;
  const platform::Document doc = Print();
  ASSERT_EQ(doc.pageCount(), 1);
  const Page& page = doc.pages[0];

  const TextRun* title = Find(page, "Gross Yearly Income");
  ASSERT_TRUE(title);
  EXPECT_TRUE(title->font.bold);
  EXPECT_EQ(title->font.name, "Tahoma");
  EXPECT_DOUBLE_EQ(title->font.size, 8);
  EXPECT_NEAR(X(title), 17, 1e-9);
  EXPECT_EQ(LineOf(page, title), (QStringList{"Gross Yearly Income", "Claimant", "Other Party"}));
  EXPECT_NEAR(X(Find(page, "Claimant")), 147, 1e-9);
  EXPECT_NEAR(X(Find(page, "Other Party")), 170, 1e-9);

  const TextRun* wages =
      Find(page, "Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)");
  ASSERT_TRUE(wages);
  EXPECT_FALSE(wages->font.bold);
  EXPECT_EQ(LineOf(page, wages).mid(1), (QStringList{"$1,234", "$1,235"}));
  EXPECT_EQ(LineOf(page, Find(page, "Social Security Benefits (Portion May Be Subject to Fed Tax)")).mid(1),
            (QStringList{"-$250", "$0"}));
  EXPECT_EQ(LineOf(page, Find(page, "Total Income From All Sources")).mid(1),
            (QStringList{"$60,000", "$45,001"}));
  EXPECT_EQ(LineOf(page, Find(page, "Type of Deduction")).mid(1), (QStringList{"Standard", "Standard"}));
  EXPECT_FALSE(Find(page, "   Itemized"));
  EXPECT_EQ(LineOf(page, Find(page, "Calculate An Earned Income Credit")).mid(1), (QStringList{"Yes", "No"}));
  EXPECT_TRUE(Find(page, "Alimony Paid to Prior Spouses (Ordered After 2018)- Not a Fed AGI Deduction"));

  // Two rules over the totals, 15 mm long, 10 dots wide at 600 dpi.
  const auto lines = Items<platform::LineItem>(page);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(lines[0].from.x() / kMm, 147, 1e-9);
  EXPECT_NEAR(lines[0].to.x() / kMm, 162, 1e-9);
  EXPECT_NEAR(lines[1].from.x() / kMm, 170, 1e-9);
  EXPECT_NEAR(lines[1].to.x() / kMm, 185, 1e-9);
  EXPECT_DOUBLE_EQ(lines[0].pen.width, 10 * 1440.0 / 600);

  // The frame box: from 15 to 191, from the table's top at 40, not filled.
  const auto boxes = Items<platform::BoxItem>(page);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_FALSE(boxes[0].filled);
  EXPECT_NEAR(boxes[0].rect.left() / kMm, 15, 1e-9);
  EXPECT_NEAR(boxes[0].rect.right() / kMm, 191, 1e-9);
  EXPECT_NEAR(boxes[0].rect.top() / kMm, 40, 1e-9);
  EXPECT_GT(Y(title), 40);
}

TEST_F(IncomeReportTest, ItemizedRowShowsOnlyTheItemizingPartysAmount) {
  vars.Claim.YrItemized = 5000;
  vars.Payer.YrItemized = 18000;
  inputs.parties.Payer.itemized = true;
  const platform::Document doc = Print();
  const Page& page = doc.pages[0];
  EXPECT_EQ(LineOf(page, Find(page, "Type of Deduction")).mid(1), (QStringList{"Standard", "Itemized"}));
  const TextRun* itemized = Find(page, "   Itemized");
  ASSERT_TRUE(itemized);
  EXPECT_EQ(LineOf(page, itemized), (QStringList{"   Itemized", "$18,000"}));
  EXPECT_NEAR(X(Find(page, "$18,000")), 170, 1e-9);
}

TEST_F(IncomeReportTest, HeaderLinesFollowTheCaseNameAndPreparerChecks) {
  // Absent preparer keys: every line shows with nothing after its caption.
  inputs.caseName = "Smith v. Smith";
  platform::Document doc = Print();
  const Page* page = &doc.pages[0];
  const TextRun* caption = Find(*page, "Case Name:  ");
  ASSERT_TRUE(caption);
  EXPECT_NEAR(Y(caption), 15, 1e-9);
  EXPECT_DOUBLE_EQ(caption->font.size, 12);
  EXPECT_TRUE(Find(*page, "Smith v. Smith"));
  EXPECT_EQ(LineOf(*page, Find(*page, "    Prepared By:  ")).size(), 1);
  EXPECT_TRUE(Find(*page, "    Office:  "));
  EXPECT_EQ(LineOf(*page, Find(*page, "    Date:  ")), (QStringList{"    Date:  ", platform::ShortDate(QDate(2026, 3, 5))}));

  // No case name and every check "No": no header line, the table still at 40.
  inputs.caseName = " ";
  prefs::NameCheck.write("No");
  prefs::OfficeCheck.write("No");
  prefs::DateCheck.write("No");
  doc = Print();
  page = &doc.pages[0];
  EXPECT_FALSE(Find(*page, "Case Name:  "));
  EXPECT_FALSE(Find(*page, "    Prepared By:  "));
  EXPECT_FALSE(Find(*page, "    Date:  "));
  EXPECT_NEAR(Items<platform::BoxItem>(*page)[0].rect.top() / kMm, 40, 1e-9);

  // With a preparer name the first preparer line stands at 15.
  prefs::NameCheck.write("Yes");
  prefs::PreparerName.write("A. Preparer");
  doc = Print();
  EXPECT_NEAR(Y(Find(doc.pages[0], "    Prepared By:  ")), 15, 1e-9);
  EXPECT_TRUE(Find(doc.pages[0], "A. Preparer"));
}

TEST_F(IncomeReportTest, JointFilerPagesFollowInPartyOrder) {
  const QString claimTitle = "Gross Yearly Income For Claimant and New Spouse (Filing Jointly)";
  const QString payerTitle = "Gross Yearly Income For Other Party and  New Spouse (Filing Jointly)";
  const struct {
    bool claim, payer;
    std::vector<QString> titles;  // of the pages after the first
  } cases[] = {
      {false, false, {}},
      {true, false, {claimTitle}},
      {false, true, {payerTitle}},
      {true, true, {claimTitle, payerTitle}},
  };
  for (const auto& c : cases) {
    inputs.parties.Claim.mfj = c.claim;
    inputs.parties.Payer.mfj = c.payer;
    const platform::Document doc = Print();
    ASSERT_EQ(doc.pageCount(), 1 + static_cast<int>(c.titles.size()));
    EXPECT_TRUE(Find(doc.pages[0], "Gross Yearly Income"));
    for (size_t i = 0; i < c.titles.size(); ++i)
      EXPECT_TRUE(Find(doc.pages[i + 1], c.titles[i])) << c.titles[i].toStdString();
  }
}

TEST_F(IncomeReportTest, JointFilerPageColumnsAndRows) {
  vars.Payer.YrEarned = 40000;
  vars.Payer.YrEarned1 = 30000;
  vars.Payer.YrSSChild = 1200;
  vars.Payer.YrTotal = 41200;
  vars.Payer.YrTotal1 = 30000;
  vars.Payer.YrIRADeduct = 700;
  vars.Payer.YrPriorMaintPaid2 = 100;
  vars.Payer.YrPriorMaintPaid3 = 200;
  vars.Payer.YrItemized = 20000;
  inputs.parties.Payer.mfj = true;
  inputs.parties.Payer.eic = true;
  platform::Document doc = Print();
  ASSERT_EQ(doc.pageCount(), 2);
  const Page& page = doc.pages[1];

  const TextRun* title = Find(page, "Gross Yearly Income For Other Party and  New Spouse (Filing Jointly)");
  ASSERT_TRUE(title);
  EXPECT_EQ(LineOf(page, title).mid(1), (QStringList{"Other Party", "New Spouse"}));
  EXPECT_EQ(LineOf(page, Find(page, "Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)"))
                .mid(1),
            (QStringList{"$40,000", "$30,000"}));
  EXPECT_EQ(LineOf(page, Find(page, "Social Security Benefits Received by Children (Not Subject to Fed Tax)")).mid(1),
            (QStringList{"$1,200"}));
  EXPECT_EQ(LineOf(page, Find(page, "Total Income From All Sources")).mid(1), (QStringList{"$41,200", "$30,000"}));
  EXPECT_TRUE(Find(page, "Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)"));
  EXPECT_TRUE(Find(page, "Adjustments To Gross Income For Fed Tax Calculation"));
  EXPECT_TRUE(Find(page, "Court-ordered Child Support Paid For Children From Other Relationships"));
  const TextRun* ira = Find(page, "$700");
  ASSERT_TRUE(ira);
  EXPECT_NEAR(X(ira), 157, 1e-9);
  EXPECT_EQ(LineOf(page, Find(page, "Earned Income Credit")).mid(1), (QStringList{"Yes"}));
  EXPECT_EQ(LineOf(page, Find(page, "Type of Deduction")).mid(1), (QStringList{"Standard"}));
  EXPECT_FALSE(Find(page, "   Itemized"));
  EXPECT_EQ(LineOf(page, Find(page, "Alimony Paid to Prior Spouses (Ordered After 2018)- Not a Fed AGI Deduction"))
                .mid(1),
            (QStringList{"$100", "$200"}));
  const double standardHeight = Items<platform::BoxItem>(page)[0].rect.height();
  const double top = Items<platform::BoxItem>(page)[0].rect.top();

  // With itemized deductions the page gains row 22 and the frame one line.
  inputs.parties.Payer.itemized = true;
  doc = Print();
  const Page& itemizedPage = doc.pages[1];
  EXPECT_EQ(LineOf(itemizedPage, Find(itemizedPage, "   Itemized")).mid(1), (QStringList{"$20,000"}));
  const auto box = Items<platform::BoxItem>(itemizedPage)[0].rect;
  EXPECT_DOUBLE_EQ(box.top(), top);
  EXPECT_GT(box.height(), standardHeight);
  // The joint page's frame starts below the header, not at 40.
  EXPECT_LT(box.top() / kMm, 40);
}

TEST_F(IncomeReportTest, LineWidthFollowsThePrintQuality) {
  const struct {
    int quality;
    double dots;
  } cases[] = {{600, 10}, {300, 5}, {200, 3}, {180, 3}, {-1, 3}, {450, 8}};
  for (const auto& c : cases) {
    DrawingCursor printer = DrawingCursor::ForPrinter({c.quality, QMarginsF(0, 0, 0, 0)});
    PrintIncomePopups(printer, vars, inputs);
    const auto lines = Items<platform::LineItem>(printer.document().pages[0]);
    const double dpi = c.quality > 0 ? c.quality : 600;
    EXPECT_DOUBLE_EQ(lines[0].pen.width, c.dots * 1440 / dpi) << c.quality;
  }
}

}  // namespace

// Every text of the report and its joint-filer pages, with an eight-figure
// amount in every row, or a figure wider than any a run can give (a hundred
// boxes at the program's limit), and a long case name, keeps within the
// printable area, off the next column and over its rule's length.
TEST_F(IncomeReportTest, EveryTextKeepsInsideTheSheet) {
  using P = casevars::PartyIncome;
  inputs.caseName = "In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe";
  for (const double amount : {-12'345'678.0, -100 * platform::kLargestAmount}) {
    for (P* party : {&vars.Claim, &vars.Payer})
      for (double P::*field :
           {&P::YrGrossIncome, &P::YrTotal, &P::YrTotal1, &P::YrSS, &P::YrSS1, &P::YrSSChild, &P::YrLT, &P::YrLT1,
            &P::YrFree, &P::YrFree1, &P::YrItemized, &P::YrOtherCredits, &P::YrTips, &P::YrTips1, &P::YrOT,
            &P::YrOT1, &P::YrReimburse, &P::YrReimburse1, &P::YrEarnedExempt, &P::YrEarnedExempt1, &P::YrEarned,
            &P::YrEarned1, &P::YrSelf, &P::YrSelf1, &P::YrST, &P::YrST1, &P::YrPT, &P::YrPT1, &P::YrPension,
            &P::YrPension1, &P::YrComp, &P::YrComp1, &P::YrPriorMaint, &P::YrPriorMaint1, &P::YrIRADeduct,
            &P::YrOtherDeduct, &P::YrSelfRetirementDeduct, &P::YrSelfHealthDeduct, &P::YrStIndus, &P::YrDues,
            &P::YrPensionPay, &P::YrOtherSupport, &P::YrMedCare, &P::YrPriorMaintPaid, &P::YrPriorMaintPaid1,
            &P::YrPriorMaintPaid2, &P::YrPriorMaintPaid3, &P::YrOTDeduction, &P::YrTipsDeduction})
        party->*field = amount;
    for (bool joint : {false, true}) {
      inputs.parties.Claim.mfj = inputs.parties.Payer.mfj = joint;
      inputs.parties.Claim.eic = inputs.parties.Payer.eic = joint;
      inputs.parties.Claim.itemized = inputs.parties.Payer.itemized = joint;
      const platform::Document doc = Print();
      for (const std::string& outside : testenv::RunsOutside(doc, {platform::kLetterWidth}))
        ADD_FAILURE() << amount << " " << outside;
    }
  }
}
