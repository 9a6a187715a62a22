#include <gtest/gtest.h>

#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/document/PdfWriter.h"
#include "results/ChildSupportReport.h"
#include "results/ReportPage.h"
#include "results/ResultCases.h"
#include "prefs/Preferences.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/TextBounds.h"

using casevars::CaseVars;
using platform::Page;
using platform::TextRun;
using reportpage::Band;
using reportpage::Find;

namespace {

constexpr double kOtherColumn = 4780;
constexpr double kRightColumn = 8860;

class ChildSupportReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  Page Report(CaseVars v, const QString& caseName = QStringLiteral("Rivera v. Rivera")) {
    results::ChildSupportReportInputs in{caseName, QDate(2026, 3, 5)};
    const platform::Document doc = results::BuildChildSupportReport(v, in);
    EXPECT_EQ(doc.pageCount(), 1);
    return doc.pages.at(0);
  }
  // The lines of a block: the claimant's column, the other party's, the right column.
  static QStringList Claimant(const Page& p, const QString& from, const QString& to) {
    return Between(Band(p, 0, kOtherColumn), from, to);
  }
  static QStringList Other(const Page& p, const QString& from, const QString& to) {
    return Between(Band(p, kOtherColumn, kRightColumn), from, to);
  }
  static QStringList Between(const QStringList& lines, const QString& from, const QString& to) {
    const auto a = lines.indexOf(from);
    const auto b = lines.indexOf(to, a);
    return a < 0 || b < 0 ? QStringList{} : lines.mid(a, b - a + 1);
  }
};

TEST_F(ChildSupportReportTest, SoleCustodyPageColumnsAndCalculation) {
  const Page p = Report(resultcases::SoleCustody());
  const QStringList all = Band(p);
  EXPECT_EQ(all.mid(0, 5), (QStringList{"Child Support Report For:  Rivera v. Rivera", "    Prepared By:  ",
                                        "    Office:  ", "    Date:  " + platform::ShortDate(QDate(2026, 3, 5)),
                                        "Claimant (custodial)Other Parent (non-custodial)Case Data"}));
  EXPECT_EQ(Find(p, "Child Support Report For:  Rivera v. Rivera")->position, QPointF(700, 1440));
  const TextRun* word = Find(p, "(custodial)");
  ASSERT_TRUE(word);
  EXPECT_EQ(word->font.size, 13);
  EXPECT_FALSE(word->font.bold);
  EXPECT_TRUE(Find(p, "Other Parent ")->font.bold);
  EXPECT_EQ(Find(p, "Other Parent ")->position.x(), kOtherColumn);
  EXPECT_EQ(Find(p, "Case Data")->position.x(), kRightColumn);

  EXPECT_EQ(Claimant(p, " Gross Income$36,000", " Pays Share Of Expenses At38.34%"),
            (QStringList{" Gross Income$36,000", " Income Deductions-$1,200", " FICA/SE-$2,754", " State Tax-$0",
                         " Federal Tax-$1,185", " Federal Tax Credits$4,585", "----------", " Pre Adj Income$35,446",
                         "----------", " Pre Adj Net/Month$2,954", " Manual Adj/Month-$0", "----------",
                         " Adj Net/Month$2,954", " Child Support/Month$1,411", " Care and Ins Paid-$520",
                         "----------", " Net Income/Month$3,845", " Pays Share Of Expenses At38.34%"}));
  EXPECT_EQ(Other(p, " Gross Income$72,600", " Pays Share Of Expenses At61.66%").mid(13),
            (QStringList{" Child Support/Month-$1,411", " Care and Ins Paid-$50", "----------",
                         " Net Income/Month$3,289", " Pays Share Of Expenses At61.66%"}));
  // Every amount and rule of the columns ends at its edge.
  for (const char* text : {"$36,000", "$35,446", "-$0", "38.34%"})
    EXPECT_NEAR(Find(p, text)->rect().right(), 4280, 1e-6) << text;
  for (const char* text : {"$72,600", "-$1,411", "61.66%"})
    EXPECT_NEAR(Find(p, text)->rect().right(), 8360, 1e-6) << text;
  for (const TextRun* run : p.textRuns()) {
    if (run->text == "----------") {
      EXPECT_NEAR(run->rect().right(), run->position.x() < kOtherColumn ? 4280 : 8360, 1e-6);
    }
  }

  const QStringList right = Band(p, kRightColumn);
  EXPECT_EQ(Between(right, "Case Data", " Manual Inc Adj = None"),
            (QStringList{"Case Data", " Number Of Children = 3", " Number Of Minors = 2",
                         " Children Claimed Under Age 17", " Claimant = 2", " Other Parent  = 0",
                         " Claimant's File Status: HH", " Other's File Status: S", " Manual Inc Adj = None"}));
  EXPECT_EQ(Between(right, "Basic Obligation", " Additional Expenses: $570"),
            (QStringList{"Basic Obligation", " Basic Support: $1,800 /Mo", " Additional Expenses: $570"}));
  EXPECT_EQ(Between(Band(p, 0, kRightColumn), "Child Support Calculation", " Claimant's Net Obligation $389 Other's Net Obligation  $1,411"),
            (QStringList{"Child Support Calculation",
                         " Claimant's Basic Obligation  $690 Other's Basic Obligation $1,110",
                         " Claimant's Expenses Obligation  $219 Other's Expenses Obligation  $351",
                         " Claimant's Expenses Credit -$520 Other's Expenses Credit  -$50", "--------------------",
                         " Claimant's Net Obligation $389 Other's Net Obligation  $1,411"}));
  EXPECT_EQ(Between(all, "Child Support Transfer", "Negative Numbers In Support Amounts Indicate Transfers From "
                                                   "Claimant To Other Parent."),
            (QStringList{"Child Support Transfer", "Child Support Is $1,411 Per Month. ", " Payable By Other Parent. ",
                         "Tiered Child Support", " Without Net Expense Obligation Of $301",
                         "2 Children:  Basic Ob./Mo Is $1,110", "1 Child:  Basic Ob./Mo Is $1,012",
                         "Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent."}));
  EXPECT_EQ(all.back(),
            "You May Need To Run The Program With Redefined Exemptions and Expenses For Accurate Tiered Support Numbers.");
  EXPECT_EQ(Find(p, "Tiered Child Support")->font.size, 14);
  EXPECT_EQ(all.back().size() > 0 && Find(p, all.back())->font.size == 8, true);
}

TEST_F(ChildSupportReportTest, PreparerLinesAndTopMargin) {
  struct Case {
    const char* margin;
    const char* nameCheck;
    const char* dateCheck;
    QString caseName;
    double top;
    QStringList header;
  } cases[] = {
      {"OneHalf", "Yes", "No", " ", 720, {"    Prepared By:  Pat Lee", "    Office:  Law Office"}},
      {"OneOneHalf", "No", "no", "", 2160, {"    Office:  Law Office", "    Date:  " + platform::ShortDate(QDate(2026, 3, 5))}},
      {"Two", "No", "No", "Case 7", 1440, {"Child Support Report For:  Case 7", "    Office:  Law Office"}},
  };
  prefs::PreparerName.write("Pat Lee");
  prefs::PreparerOffice.write("Law Office");
  for (const Case& c : cases) {
    prefs::PreparerMargin.write(c.margin);
    prefs::NameCheck.write(c.nameCheck);
    prefs::DateCheck.write(c.dateCheck);
    const Page p = Report(resultcases::SoleCustody(), c.caseName);
    EXPECT_EQ(Band(p).mid(0, c.header.size()), c.header) << c.margin;
    EXPECT_DOUBLE_EQ(Find(p, c.header[0])->position.y(), c.top) << c.margin;
  }
}

TEST_F(ChildSupportReportTest, AlimonyAndHandEnteredNetRows) {
  CaseVars v = resultcases::SoleCustody();
  v.Express.MoAlimonyTransfer = 100;
  v.Express.Claim.FilingStatus = "MFJ";
  v.Results.ManualNetState = 2;
  v.Support.Claim.MoManualAdj = 150;
  Page p = Report(v);
  QStringList claim = Band(p, 0, kOtherColumn);
  QStringList other = Band(p, kOtherColumn, kRightColumn);
  EXPECT_TRUE(claim.contains(" Alimony Received+$1,200"));
  EXPECT_TRUE(other.contains(" Alimony Paid-$1,200"));
  EXPECT_TRUE(claim.contains(" Manual Adj/Month-$150"));
  EXPECT_TRUE(other.contains(" Manual Adj/Month-$0"));
  EXPECT_TRUE(claim.contains(" State Tax (prorated)-$0"));
  EXPECT_FALSE(other.filter("prorated").size());
  EXPECT_EQ(Find(p, " (prorated)")->font.size, 8);
  EXPECT_TRUE(Band(p, kRightColumn).contains(" Claimant's File Status: MFJ"));
  EXPECT_TRUE(Band(p, kRightColumn).contains(" Manual Inc Adj = Claimant"));

  v.Express.MoAlimonyTransfer = -100;
  v.Support.Claim.MoManualAdj = -150;
  p = Report(v);
  claim = Band(p, 0, kOtherColumn);
  other = Band(p, kOtherColumn, kRightColumn);
  EXPECT_TRUE(claim.contains(" Alimony Paid-$1,200"));
  EXPECT_TRUE(other.contains(" Alimony Received+$1,200"));
  EXPECT_TRUE(claim.contains(" Manual Adj/Month$150"));

  v.Results.ManualNetState = 0;  // back from the Express screen: no rows, the old words
  v.Results.ManualNetStateText = "Both";
  p = Report(v);
  EXPECT_TRUE(Band(p).filter("Manual Adj").isEmpty());
  EXPECT_TRUE(Band(p, kRightColumn).contains(" Manual Inc Adj = Both"));
  // The three rules of the column that stay, and the one of the calculation.
  EXPECT_EQ(Band(p, 0, kOtherColumn).filter("----------").size(), 4);
}

TEST_F(ChildSupportReportTest, TransferMethodsByCustody) {
  struct Case {
    const char* name;
    CaseVars vars;
    QStringList transfer;  // the lines from "Child Support Is"
  };
  CaseVars noMinors = resultcases::SoleCustody();
  noMinors.Express.CustodyStatus = "NoMinors";
  noMinors.Express.NumMinorChildren = 0;
  noMinors.Support.MoChildSupportTransfer = 0;
  noMinors.Support.CombinedMoNetIncome = 799;
  CaseVars noChildWithClaimant = resultcases::SplitWinters();
  noChildWithClaimant.Express.Claim.WintersChildren = 0;
  CaseVars claimantPays = resultcases::SoleCustody();
  claimantPays.Express.CustodyStatus = "NonCust";
  claimantPays.Support.MoChildSupportTransfer = -250;
  claimantPays.Support.CombinedMoNetIncome = 800;
  const Case cases[] = {
      {"no minors", noMinors,
       {"Child Support Is $0 Per Month. ", " There Is No Transfer. ",
        "Combined Net Income Is Less Than $800. Child Support Shown Is Based On A $800 Combined Net."}},
      {"claimant pays", claimantPays, {"Child Support Is -$250 Per Month. ", " Payable By Claimant. ", "Tiered Child Support"}},
      {"shared", resultcases::SharedCustody(),
       {"Child Support Is $556 Per Month. ", " Payable By Other Parent. Shared Formula.",
        "(.500 Of $1966) Minus (.500 Of $854)  Is The Net Transfer"}},
      {"winters", noChildWithClaimant,
       {"Child Support Is $100 Per Month. ", " Payable By Other Parent. Uses Winters v. Katseralis Split Custody Formula.",
        "(/3 Of $1500) Minus (2/3 Of $600)  Is The Net Transfer"}},
      {"dual", resultcases::SplitDual(),
       {"Child Support Is $404 Per Month. ", " Payable By Other Parent. Uses Dual Worksheets For Split Custody.",
        "($829) Minus ($425)  Is The Net Transfer"}},
  };
  for (const Case& c : cases) {
    const QStringList lines = Band(Report(c.vars), 0, kRightColumn);
    const auto at = lines.indexOf(c.transfer[0]);
    ASSERT_GE(at, 0) << c.name;
    EXPECT_EQ(lines.mid(at, c.transfer.size()), c.transfer) << c.name;
  }
  const Page noMinorsPage = Report(noMinors);
  EXPECT_EQ(Band(noMinorsPage)[4], "Case Data");
  EXPECT_TRUE(Band(noMinorsPage).filter("Care and Ins").isEmpty());
}

TEST_F(ChildSupportReportTest, BasicObligationColumnAndDualRows) {
  QStringList right = Band(Report(resultcases::SharedCustody()), kRightColumn);
  EXPECT_EQ(Between(right, "Basic Obligation", " Additional Expenses: $570"),
            (QStringList{"Basic Obligation", " Basic Support: $1,800 /Mo", " 1.5 Times Basic: $2,700",
                         " Additional Expenses: $570"}));
  const Page dual = Report(resultcases::SplitDual());
  right = Band(dual, kRightColumn);
  EXPECT_EQ(Between(right, "Basic Obligation", " Other's Expenses: $50"),
            (QStringList{"Basic Obligation", "     -Claimant's Family-", " Basic Support: $1,100 /Mo",
                         " Claimant's Expenses: $520", "     -Other Parent's Family-", " Basic Support: $1,500 /Mo",
                         " Other's Expenses: $50"}));
  const QStringList rows = Band(dual, 0, kRightColumn);
  EXPECT_TRUE(rows.contains(" Claimant's Basic Ob. To Fam 2 $575 Other's Basic Ob. To Fam 1 $678"));
  EXPECT_TRUE(rows.contains(" 1/2 Claimant's Expenses Credit -$260 1/2 Other's Expenses Credit  -$25"));
}

TEST_F(ChildSupportReportTest, TierTableBySizeAndCustody) {
  CaseVars one = resultcases::SoleCustody();
  one.Express.NumMinorChildren = 1;
  const QStringList lines = Band(Report(one));
  EXPECT_TRUE(lines.filter("Tiered").isEmpty());
  EXPECT_EQ(lines.back(), "Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent.");

  const Page split = Report(resultcases::SplitWinters());
  // Each line: the label, the amount, the claimant's count and the other party's.
  EXPECT_EQ(Between(Band(split), " Without Net Expense Obligation Of $301Claimant's Children      Other's Children",
                    "1 Child:  Basic Ob./Mo Is $1,01210"),
            (QStringList{" Without Net Expense Obligation Of $301Claimant's Children      Other's Children",
                         "3 Children:  Basic Ob./Mo Is $10012", "2 Children:  Basic Ob./Mo Is $30011",
                         "1 Child:  Basic Ob./Mo Is $1,01210"}));
  const TextRun* otherHead = Find(split, "Other's Children");
  ASSERT_TRUE(otherHead);
  EXPECT_TRUE(otherHead->font.bold);
  EXPECT_DOUBLE_EQ(Find(split, "Claimant's Children      ")->position.x(), 7120);
  std::vector<const TextRun*> threeChildren;  // the runs of the line for three children
  for (const TextRun* run : split.textRuns())
    if (run->position.y() == Find(split, "3 Children: ")->position.y()) threeChildren.push_back(run);
  ASSERT_EQ(threeChildren.size(), 4u);
  EXPECT_EQ(threeChildren[2]->text, "1");
  EXPECT_DOUBLE_EQ(threeChildren[2]->position.x(), 8120);
  EXPECT_EQ(threeChildren[3]->text, "2");
  EXPECT_DOUBLE_EQ(threeChildren[3]->position.x(), otherHead->position.x() + 500);

  const Page shared = Report(resultcases::SharedCustody());
  const TextRun* nights = Find(shared, "200.0");
  ASSERT_TRUE(nights);
  EXPECT_DOUBLE_EQ(nights->position.x(), 8120);
  EXPECT_DOUBLE_EQ(Find(shared, "165.0")->position.x(), Find(shared, "Other's Av. Nights")->position.x() + 500);
}

TEST_F(ChildSupportReportTest, SocialSecurityCredits) {
  struct Case {
    double transfer;
    QStringList lines;
  } cases[] = {
      {400, {"Child(ren)'s SS Benefit Of  $250/Mo  Attributable To Other Parent Is Applied As Credit. ",
             "After SS Is Applied, Other Parent Owes $150/Mo"}},
      {200, {"Child(ren)'s SS Benefit Of  $250/Mo  Attributable To Other Parent Is Applied As Credit. ",
             "After SS Is Applied, Other Parent Owes $0/Mo"}},
  };
  for (const Case& c : cases) {
    CaseVars v = resultcases::SoleCustody();
    v.Express.NumMinorChildren = 1;
    v.Income.Payer.YrSSChild = 3'000;
    v.Support.MoChildSupportTransfer = c.transfer;
    const QStringList lines = Band(Report(v), 0, kRightColumn);
    const auto at = lines.indexOf(c.lines[0]);
    ASSERT_GE(at, 0) << c.transfer;
    EXPECT_EQ(lines.mid(at, 2), c.lines);
    EXPECT_EQ(lines[at - 1], " Payable By Other Parent. ");  // right under the transfer text
  }
}

TEST_F(ChildSupportReportTest, PdfHoldsTheReportsText) {
  CaseVars v = resultcases::SharedCustody();
  const platform::Document doc = results::BuildChildSupportReport(v, {QStringLiteral("Rivera v. Rivera"), QDate(2026, 3, 5)});
  const QString path = testenv::scratchFolder() + "/child-support.pdf";
  ASSERT_TRUE(platform::SaveDocumentAsPdf(doc, path).ok());
  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
  ASSERT_EQ(pages->size(), 1);
  const QString& text = pages->front();
  for (const char* expected :
       {"Child Support Report For: Rivera v. Rivera", "Claimant (shared custody)", "Other Parent (shared custody)",
        "Case Data", "Gross Income", "$36,000", "$72,600", "Claimant's Nights", "182.5", "Child Support Calculation",
        "1.5 Times Basic: $2,700", "Child Support Is $556 Per Month.", "Shared Formula.",
        "(.500 Of $1966) Minus (.500 Of $854) Is The Net Transfer", "Tiered Child Support",
        "2 Children: Basic Ob./Mo Is $1,110", "Negative Numbers In Support Amounts Indicate Transfers"}) {
    QString squeezed = text;
    squeezed.replace(QRegularExpression(" +"), " ");
    EXPECT_TRUE(squeezed.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  }
}

// Every text of the report keeps to its column (from the column heads to the
// transfer) and within the page's right margin, with six- to eight-figure
// amounts and a long case name.
TEST_F(ChildSupportReportTest, EveryTextKeepsToItsColumn) {
  for (casevars::CaseVars v : {resultcases::SoleCustody(), resultcases::SharedCustody()}) {
    v.Income.Claim.YrGrossIncome = 1'234'567;
    v.Income.Payer.YrGrossIncome = 12'345'678;
    v.Support.Claim.MoNetIncome = 123'456;
    v.Support.Payer.MoNetIncome = 1'028'806;
    v.Support.CombinedMoNetIncome = 1'152'262;
    v.Support.MoChildSupportTransfer = 21'411;
    const Page p = Report(v, QStringLiteral("In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe"));
    const double heads = Find(p, QStringLiteral("Case Data"))->position.y();
    const double transfer = Find(p, QStringLiteral("Child Support Transfer"))->position.y();
    for (const std::string& outside :
         testenv::RunsOutside(p, {12240 - 400, 0, {kOtherColumn, kRightColumn}, heads, transfer}, 1))
      ADD_FAILURE() << v.Express.CustodyStatus.toStdString() << " " << outside;
  }
}

}  // namespace

namespace {

// Every amount the report prints at a figure wider than any a run can give
// (a hundred boxes at the program's limit, negative): each keeps to its
// column, off its label, in every custody.
TEST_F(ChildSupportReportTest, TheWidestFiguresKeepToTheirColumns) {
  const double widest = -100 * platform::kLargestAmount;
  for (casevars::CaseVars v : {resultcases::SoleCustody(), resultcases::SharedCustody(),
                               resultcases::SplitWinters(), resultcases::SplitDual()}) {
    v.Results.ManualNetState = 2;  // the hand-entered net and its adjustment printed too
    v.Express.MoAlimonyTransfer = widest;
    for (casevars::Party party : casevars::kParties) {
      v.Income[party].YrGrossIncome = v.Income[party].YrAllowableDeductions = v.Income[party].YrSSChild = widest;
      casevars::PartyTax& t = v.Tax[party];
      t.YrFicaTax = t.YrStateTax = t.YrFedTax = t.YrTotalCredits = widest;
      casevars::PartySupport& s = v.Support[party];
      s.MoPreAdjNet = s.MoNetIncome = s.MoManualAdj = s.MoBasicObligation = s.MoBasicObligationFam2 =
          s.MoExpenseObligation = s.MoExpensesPaid = s.MoNetObligation = widest;
    }
    casevars::ChildSupportVars& cs = v.Support;
    cs.CombinedMoNetIncome = cs.MoBasicObligation = cs.MoBasicObligationFam2 = cs.MoChildSupportTransfer = widest;
    cs.MoTierSupport.fill(widest);
    cs.MoTierNetExpense.fill(widest);
    const Page p = Report(v, QStringLiteral("In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe"));
    const double heads = Find(p, QStringLiteral("Case Data"))->position.y();
    const double transfer = Find(p, QStringLiteral("Child Support Transfer"))->position.y();
    for (const std::string& outside :
         testenv::RunsOutside(p, {12240 - 400, 0, {kOtherColumn, kRightColumn}, heads, transfer}, 1))
      ADD_FAILURE() << v.Express.CustodyStatus.toStdString() << " " << v.Support.SplitMethod.toStdString() << " "
                    << outside;
  }
}

}  // namespace
