#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "results/ReportPage.h"
#include "results/TaxCreditBreakdown.h"
#include "prefs/Preferences.h"
#include "support/TextBounds.h"

using casevars::CaseVars;
using casevars::Party;
using results::CreditLine;
using results::CreditsLayout;

namespace {

// One party's tax as a calculation left it.
struct TaxFacts {
  const char* filing = "Single";
  double fedTax = 0, jointTax = 0, share = 0;
  double care = 0, other = 0, childTax = 0, additional = 0, eic = 0, total = 0;
};

void SetTax(CaseVars& v, Party p, const TaxFacts& t) {
  v.Express[p].FilingStatus = t.filing;
  v.Tax[p].YrFedTax = t.fedTax;
  v.Tax[p].YrJointFedTax = t.jointTax;
  v.Tax[p].MFJShare = t.share;
  v.Tax[p].YrChildCareCredit = t.care;
  v.Income[p].YrOtherCredits = t.other;
  v.Tax[p].YrChildTaxCredit = t.childTax;
  v.Tax[p].YrAddlChildTaxCredit = t.additional;
  v.Tax[p].YrEIC = t.eic;
  v.Tax[p].YrTotalCredits = t.total;
}

QStringList Texts(const std::vector<CreditLine>& lines) {
  QStringList out;
  for (const CreditLine& l : lines) out << l.text + l.amount;
  return out;
}

TEST(TaxCreditFigures, TaxOwedChildTaxCreditAndSubtotal) {
  struct Case {
    const char* name;
    TaxFacts tax;
    double taxOwed, childTaxCredit, nonrefundable;
  } cases[] = {
      {"single: the tax itself", {.fedTax = 1'000, .care = 600, .childTax = 2'200}, 1'000, 400, 1'000},
      {"joint: the couple's tax, 3,000 being half of it",
       {.filing = "MFJ", .fedTax = 3'000, .jointTax = 6'000, .share = 0.5, .childTax = 2'200}, 6'000, 2'200, 2'200},
      {"care and other credits use up the tax", {.fedTax = 900, .care = 600, .other = 300, .childTax = 2'200}, 900, 0, 900},
      {"the credit, not more", {.fedTax = 10'000, .childTax = 1'000}, 10'000, 1'000, 1'000},
      // A joint filer with no income of her own: share 0, so her part of the
      // tax is 0; the couple's tax still stands against the credits.
      {"joint, share 0", {.filing = "MFJ", .fedTax = 0, .jointTax = 4'000, .share = 0, .care = 500, .childTax = 2'200},
       4'000, 2'200, 2'700},
      {"no tax: the subtotal has no lower bound", {.fedTax = 0, .care = 0, .childTax = 0}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    CaseVars v;
    SetTax(v, Party::Payer, c.tax);
    const results::TaxCreditFigures f = results::ComputeTaxCreditFigures(v, Party::Payer);
    EXPECT_EQ(f.taxOwed, c.taxOwed) << c.name;
    EXPECT_EQ(f.childTaxCredit, c.childTaxCredit) << c.name;
    EXPECT_EQ(f.nonrefundable, c.nonrefundable) << c.name;
  }
}

TEST(TaxCreditLines, ClaimantsWindowLines) {
  CaseVars v;
  SetTax(v, Party::Claim, {.fedTax = 1'000, .care = 600, .childTax = 2'200, .additional = 1'700, .eic = 250, .total = 2'950});
  const auto lines = results::TaxCreditLines(v, Party::Claim, CreditsLayout::Window);
  EXPECT_EQ(Texts(lines),
            (QStringList{"Claimant - Tax Credits", "", "", " Tax Credits Not Refundable Beyond Fed Tax Owed:  ",
                         " Child Care Credit  = $600", " Other Entered Credits = $0", " Child Tax Credit = $400", "",
                         " SubTotal - NonRefundable Credits (Limited To Amt Of Fed Tax) = $1,000", "",
                         " Tax Credits Refundable Beyond Fed Tax Owed:  ",
                         " Note:The Refundable Portion Of The Child Tax Credit Is Called The Additional Child Tax Credit",
                         " Additional Child Tax Credit = $1,700", " Earned Income Tax Credit = $250", "",
                         " Total - All Tax Credits = $2,950", ""}));

  // The same lines on the window's picture, each amount right after its text.
  results::TextCanvas picture = results::TaxCreditsPicture();
  platform::RegisterTahomaIfMissing();
  results::DrawTaxCredits(picture, v, Party::Claim);
  EXPECT_EQ(picture.Lines().mid(0, 3), (QStringList{"Claimant - Tax Credits", " Tax Credits Not Refundable Beyond "
                                                    "Fed Tax Owed:  ", " Child Care Credit  = $600"}));
  const platform::TextRun& care = picture.Runs()[3];
  EXPECT_EQ(care.text, "$600");
  EXPECT_DOUBLE_EQ(care.position.x(), picture.TextWidth(" Child Care Credit  = "));
  EXPECT_DOUBLE_EQ(care.position.y(), 4 * picture.TextHeight());  // two empty lines under the title
  EXPECT_FALSE(care.font.bold);

  // A line wider than the picture goes on below, broken between words: the
  // note shows whole and every line ends within the picture.
  for (const platform::TextRun& run : picture.Runs())
    EXPECT_LE(run.position.x() + picture.TextWidth(run.text), picture.Width()) << run.text.toStdString();
  const QStringList drawn = picture.Lines();
  const auto note = drawn.indexOf(QRegularExpression(" Note:.*"));
  ASSERT_GE(note, 0);
  EXPECT_EQ(drawn[note] + drawn[note + 1],
            " Note:The Refundable Portion Of The Child Tax Credit Is Called The Additional Child Tax Credit");
}

TEST(TaxCreditLines, OtherPartysJointReturnAndDeductionLines) {
  struct Case {
    const char* name;
    double self, self1, deduction, carryover, overtime, tips;
    QStringList tail;  // the lines after the total's empty line
  } cases[] = {
      {"business income with no deduction", 5'000, 0, 0, 0, 0, 0, {" Other Party's Business Deduction = $0"}},
      {"the new spouse's business with a loss", 0, -8'000, 0, -2'500, 0, 0,
       {" Other Party's Business Deduction = $0", " Other Party's Business Loss Carryover = -$2,500"}},
      {"no business income: no business lines", 0, 0, 1'200, -2'500, 0, 0, {}},
      {"overtime and tips", 0, 0, 0, 0, 3'100, 4'000, {" Other's OT Deduction = $3,100", " Other's Tips Deduction  = $4,000"}},
  };
  for (const Case& c : cases) {
    CaseVars v;
    SetTax(v, Party::Payer, {.filing = "MFJ", .fedTax = 3'000, .jointTax = 6'000, .share = 0.5, .childTax = 2'200, .total = 1'100});
    v.Income.Payer.YrSelf = c.self;
    v.Income.Payer.YrSelf1 = c.self1;
    v.Business.Payer.YrBusDeduction = c.deduction;
    v.Business.Payer.YrBusLossCarryover = c.carryover;
    v.Income.Payer.YrOTDeduction = c.overtime;
    v.Income.Payer.YrTipsDeduction = c.tips;
    const QStringList lines = Texts(results::TaxCreditLines(v, Party::Payer, CreditsLayout::Window));
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"Other Parent - Tax Credits", "",
                                            " Tax Credits Not Refundable Beyond Fed Tax Owed:"}))
        << c.name;
    EXPECT_TRUE(lines.contains(" SubTotal - NonRefundable Credits (Limited To Full Amt Of MFJ Fed Tax) = $2,200"));
    const auto total = lines.indexOf(" Total - All Tax Credits = $1,100");
    ASSERT_GE(total, 1);
    EXPECT_EQ(lines[total - 1], " MFJ Credits PRORATED by Other's Share of Income (.5)");
    EXPECT_EQ(lines.mid(total + 2), c.tail) << c.name;
  }
}

TEST(TaxCreditLines, ShareTextOnTheProrationLine) {
  for (const auto& [share, text] : {std::pair{1.0, "1.)"}, {0.625, ".625)"}, {0.3333, ".333)"}}) {
    CaseVars v;
    SetTax(v, Party::Claim, {.filing = "MFJ", .share = share});
    const auto lines = results::TaxCreditLines(v, Party::Claim, CreditsLayout::Printout);
    EXPECT_EQ(lines[lines.size() - 2].text, " MFJ Credits PRORATED by Claimant's Share of Income (");
    EXPECT_EQ(lines[lines.size() - 2].amount, text);
  }
}

class TaxCreditsPrintoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }
  static constexpr double kMm = platform::kTwipsPerMillimetre;

  platform::Page Print(const QString& caseName) {
    platform::DrawingCursor printer = platform::DrawingCursor::ForPrinter({600, QMarginsF(0, 0, 0, 0)});
    results::PrintTaxCredits(printer, vars, {caseName, QDate(2026, 3, 5)});
    const platform::Document doc = printer.TakeDocument();
    EXPECT_EQ(doc.pageCount(), 1);
    return doc.pages.at(0);
  }
  CaseVars vars;
};

TEST_F(TaxCreditsPrintoutTest, HeaderThenBothPartiesFromFortyMillimetres) {
  SetTax(vars, Party::Claim, {.fedTax = 1'000, .care = 600, .childTax = 2'200, .total = 1'000});
  SetTax(vars, Party::Payer, {.filing = "MFJ", .fedTax = 3'000, .jointTax = 6'000, .share = 0.5, .total = 500});
  vars.Income.Payer.YrOTDeduction = 3'100;  // never printed
  const platform::Page p = Print("Rivera v. Rivera");
  const QStringList lines = reportpage::Band(p);
  EXPECT_EQ(lines.mid(0, 4), (QStringList{"Case Name:  Rivera v. Rivera", "    Prepared By:  ", "    Office:  ",
                                          "    Date:  " + platform::ShortDate(QDate(2026, 3, 5))}));
  const platform::TextRun* name = reportpage::Find(p, "Case Name:  ");
  EXPECT_NEAR(name->position.x() / kMm, 15, 1e-9);
  EXPECT_NEAR(name->position.y() / kMm, 15, 1e-9);

  const platform::TextRun* title = reportpage::Find(p, "Federal Tax Credits");
  ASSERT_TRUE(title);
  EXPECT_TRUE(title->font.bold);
  EXPECT_EQ(title->font.size, 8);
  EXPECT_EQ(title->position.x(), 0);
  // One empty line of 8 points under 40 mm.
  EXPECT_NEAR(title->position.y(), 40 * kMm + title->size.height(), 1e-6);

  EXPECT_EQ(lines.mid(4),
            (QStringList{"Federal Tax Credits", "Claimant - Tax Credits", " Tax Credits Not Refundable Beyond Fed Tax Owed: ",
                         " Child Care Credit = $600", " Other Entered Credits = $0", " Child Tax Credit = $400",
                         " SubTotal - NonRefundable Credits (Limited To Amt Of Fed Tax) = $1,000",
                         " Tax Credits Refundable Beyond Fed Tax Owed: ",
                         " Note: The Refundable Portion Of The Child Tax Credit Is Called The Additional Child Tax Credit ",
                         " Additional Child Tax Credit = $0", " Earned Income Tax Credit = $0",
                         " Total - All Tax Credits = $1,000", "Other Parent - Tax Credits",
                         " Tax Credits Not Refundable Beyond Fed Tax Owed: ", " Child Care Credit  = $0",
                         " Other Entered Credits = $0", " Child Tax Credit = $0",
                         " SubTotal - NonRefundable Credits (Limited To Full Amt Of MFJ Fed Tax) = $0",
                         " Tax Credits Refundable Beyond Fed Tax Owed: ",
                         " Note: The Refundable Portion Of The Child Tax Credit Is Called The Additional Child Tax Credit ",
                         " Additional Child Tax Credit = $0", " Earned Income Tax Credit = $0",
                         " MFJ Credits PRORATED by Other's Share of Income (.5)", " Total - All Tax Credits = $500"}));
  // Three empty lines between the two blocks: four line advances.
  const double advance = title->size.height();
  EXPECT_NEAR(reportpage::Find(p, "Other Parent - Tax Credits")->position.y() -
                  reportpage::Find(p, " Total - All Tax Credits = ")->position.y(),
              4 * advance, 1e-6);
}

// With seven-figure credits on every line for a joint filer, or a figure
// wider than any a run can give (a hundred boxes at the program's limit,
// negative), and a long case name, every text keeps within the sheet and off
// the amount beside it.
TEST_F(TaxCreditsPrintoutTest, EveryTextKeepsInsideTheSheet) {
  for (const double a : {1'234'567.0, -100 * platform::kLargestAmount}) {
    const TaxFacts big{.filing = "MFJ", .fedTax = a, .jointTax = 2 * a, .share = 0.5f, .care = a, .other = a,
                       .childTax = a, .additional = a, .eic = a, .total = a};
    SetTax(vars, Party::Claim, big);
    SetTax(vars, Party::Payer, big);
    const platform::Page p = Print("In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe");
    for (const std::string& outside : testenv::RunsOutside(p, {platform::kLetterWidth}, 1))
      ADD_FAILURE() << a << " " << outside;
  }
}

TEST_F(TaxCreditsPrintoutTest, PreparerSwitchesAndCaseName) {
  prefs::PreparerOffice.write("Law Office");
  prefs::NameCheck.write("No");
  prefs::OfficeCheck.write("Yes");
  prefs::DateCheck.write("No");
  for (const QString& caseName : {QString(), QStringLiteral(" ")}) {
    const platform::Page p = Print(caseName);
    EXPECT_EQ(reportpage::Band(p).mid(0, 2), (QStringList{"    Office:  Law Office", "Federal Tax Credits"}));
    EXPECT_NEAR(reportpage::Find(p, "    Office:  ")->position.y() / kMm, 15, 1e-9);
  }
}

}  // namespace
