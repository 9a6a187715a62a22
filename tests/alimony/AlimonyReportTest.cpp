#include <gtest/gtest.h>

#include <QDir>

#include "alimony/AlimonyReport.h"
#include "platform/AmountLimit.h"
#include "platform/Fonts.h"
#include "platform/NumberText.h"
#include "platform/document/PdfWriter.h"
#include "platform/document/TextMetrics.h"
#include "prefs/Preferences.h"
#include "support/PdfText.h"
#include "support/TestEnvironment.h"
#include "support/TextBounds.h"

namespace {

using alimony::AlimonyReportDocument;
using alimony::AlimonyReportInputs;
using casevars::CaseVars;
using platform::Page;
using platform::TextRun;

constexpr double kPayerColumn = 4780;  // the other party's column of the table

CaseVars Results() {
  CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMarriageChildren = 2;
  v.Express.NumMinorChildren = 2;
  v.Express.Claim.Under17Children = 2;
  v.Express.Claim.FilingStatus = "MFJ";
  v.Express.Payer.FilingStatus = "Single";
  v.Express.MarriageYears = 22;
  v.Express.Claim.AgeYears = 48;
  v.Express.Claim.SkillScore = 9;
  v.Express.CaregiverCharacterization = 1;
  v.Alimony.AlimonyCaseScore = 67.49f;
  v.Alimony.CaseStrengthText =
      " This Is A Very Strong Case For Durational Alimony.\r\n A Maximum Term Of 16.50 Years Is Possible Under "
      "DV Statute";
  v.Alimony.TermRecommendation1 = " Alimony Should Run For A Period Of 8.7 Years.";
  v.Alimony.YrRecommendedAward = 30000;
  v.Alimony.YrAlimonyAward = 30000;
  v.Alimony.YrAlimonyCap = 28000;
  v.Alimony.AlimonyNoteText = "Calculation Shown Has Alimony Taxed To Payee.";
  v.Income.Claim.YrGrossIncome = 52000;
  v.Income.Payer.YrGrossIncome = 110000;
  v.Income.Payer.YrOtherSupport = 2400;
  v.Alimony.Payer.YrPriorSupportPaid = 2400;
  v.Tax.Claim.YrFicaTax = 3978;
  v.Tax.Payer.YrFicaTax = 8415;
  v.Support.MoChildSupportForAlimony = 250;
  v.Alimony.Claim.YrNetAfterAlimony = 85922;
  v.Alimony.Payer.YrNetAfterAlimony = 61234;
  return v;
}

AlimonyReportInputs Inputs() {
  AlimonyReportInputs in;
  in.CaseName = "Doe v. Doe";
  in.Today = QDate(2026, 3, 5);
  return in;
}

class AlimonyReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  static const TextRun* Find(const Page& page, const QString& text, int nth = 0) {
    for (const TextRun* r : page.textRuns())
      if (r->text == text && nth-- == 0) return r;
    return nullptr;
  }
  static double Right(const TextRun* r) { return r->position.x() + r->size.width(); }
};

TEST_F(AlimonyReportTest, OnePageInColumns) {
  const platform::Document doc = AlimonyReportDocument(Results(), Inputs());
  ASSERT_EQ(doc.pageCount(), 1);
  const Page& page = doc.pages[0];

  const TextRun* title = Find(page, "Alimony Report For:  ");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->position, QPointF(700, 1440));  // PreparerMargin absent: one inch
  ASSERT_TRUE(Find(page, "Doe v. Doe"));
  EXPECT_TRUE(Find(page, "    Prepared By:  "));  // no preparer settings saved: every line shows
  EXPECT_TRUE(Find(page, "    Office:  "));
  EXPECT_TRUE(Find(page, platform::ShortDate(QDate(2026, 3, 5))));

  const TextRun* summary = Find(page, "Case Score Summary");
  const TextRun* caseData = Find(page, "Case Data");
  ASSERT_TRUE(summary && caseData);
  EXPECT_EQ(summary->font.size, 14);
  EXPECT_TRUE(summary->font.bold);
  EXPECT_EQ(caseData->position, QPointF(8860, summary->position.y()));
  const TextRun* score = Find(page, "67.49");
  ASSERT_TRUE(score);
  EXPECT_TRUE(score->font.bold);
  EXPECT_TRUE(Find(page, " A Maximum Term Of 16.50 Years Is Possible Under DV Statute"));
  EXPECT_TRUE(Find(page, " Recommended Alimony Is $30,000 Per Year  Or  $2,500 Per Month."));
  // The cap line, broken before the Case Data column, its second line under its words.
  const TextRun *cap = nullptr, *capEnd = nullptr;
  for (const TextRun* r : page.textRuns())
    if (r->text.startsWith(" For alimony not under")) cap = r;
  ASSERT_TRUE(cap);
  for (const TextRun* r : page.textRuns())
    if (r->position.y() == cap->position.y() + cap->size.height() && r->position.x() < 4000) capEnd = r;
  ASSERT_TRUE(capEnd);
  EXPECT_EQ(cap->text + " " + capEnd->text,
            " For alimony not under IRS Section 71, the maximum amount is $28,000 (35% of net income difference)");
  EXPECT_NEAR(capEnd->position.x(), 700 + platform::TextMetrics({"Tahoma", 10}).width(" "), 0.01);

  // Case data: values after " = " at the tab; the caregiver line.
  const TextRun* years = Find(page, " Years Of Marriage");
  ASSERT_TRUE(years);
  EXPECT_EQ(years->position.x(), 8860);
  const TextRun* yearsValue = Find(page, "22");
  ASSERT_TRUE(yearsValue);
  EXPECT_EQ(yearsValue->position.y(), years->position.y());
  EXPECT_TRUE(Find(page, " Primary Caregiver: Claimant"));
  EXPECT_TRUE(Find(page, " Claimant's File Status: MFJ"));

  // The heading line and the two columns, amounts ending at 4280 and 8360.
  const TextRun* claimant = Find(page, "Claimant ");
  const TextRun* custodial = Find(page, "(custodial)");
  const TextRun* other = Find(page, "Other Parent ");
  ASSERT_TRUE(claimant && custodial && other);
  EXPECT_EQ(custodial->font.size, 13);
  EXPECT_FALSE(custodial->font.bold);
  EXPECT_EQ(other->position.x(), 4780);
  const TextRun* presentValue = Find(page, "Present Value");
  ASSERT_TRUE(presentValue);
  EXPECT_EQ(presentValue->position, QPointF(8860, claimant->position.y()));
  const TextRun* gross = Find(page, "$52,000");
  ASSERT_TRUE(gross);
  EXPECT_NEAR(Right(gross), 4280, 0.5);
  const TextRun* payerGross = Find(page, "$110,000");
  ASSERT_TRUE(payerGross);
  EXPECT_NEAR(Right(payerGross), 8360, 0.5);
  EXPECT_EQ(payerGross->position.y(), gross->position.y());
  EXPECT_NEAR(Right(Find(page, "$3,000")), 4280, 0.5);   // child support to the claimant
  EXPECT_NEAR(Right(Find(page, "-$3,000")), 8360, 0.5);
  const TextRun* prior = Find(page, " Prior Child Sup. Paid");
  ASSERT_TRUE(prior);
  const TextRun* fica = Find(page, " FICA/SE");  // the claimant's, a blank row above it
  ASSERT_TRUE(fica);
  EXPECT_EQ(fica->position.y(), Find(page, " FICA/SE", 1)->position.y());
  const TextRun* prorated = Find(page, " (prorated)");
  ASSERT_TRUE(prorated);
  EXPECT_EQ(prorated->font.size, 8);
  EXPECT_LT(prorated->position.x(), 4280);
  EXPECT_FALSE(Find(page, " (prorated)", 2));  // the claimant's two rows only

  const TextRun* none = Find(page, "No Present Value Calculation");
  ASSERT_TRUE(none);
  EXPECT_EQ(none->font.size, 8);
  EXPECT_EQ(none->position.x(), 8860);
  EXPECT_EQ(none->position.y(), gross->position.y());
  const TextRun* note = Find(page, "Calculation Shown Has Alimony Taxed To Payee.");
  ASSERT_TRUE(note);
  EXPECT_TRUE(note->font.bold);
  const TextRun* footer = Find(page, "Kelvane 2026 - Dadudav");
  ASSERT_TRUE(footer);
  EXPECT_EQ(footer->position, QPointF(700, 14840));
}

// Above the income table the left column shares its lines with the Case Data
// column: its longest sentences and the cap line break before they reach it.
TEST_F(AlimonyReportTest, LeftColumnStaysLeftOfTheCaseDataColumn) {
  CaseVars v = Results();
  v.Express.CustodyStatus = "Shared";
  v.Express.NumMinorChildren = 3;
  v.Express.Claim.YrOvernights = 146;
  v.Express.Payer.YrOvernights = 219;
  v.Alimony.CaseStrengthText =
      " This Is An Arguable/Possible Case For Bridge-The-Gap Or Rehabilitative Alimony.\r\n A Maximum "
      "Term Of 16.50 Years Is Possible Under DV Statute";
  v.Alimony.TermRecommendation2 = " But If Alimony Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.";
  v.Alimony.YrRecommendedAward = 1234567;
  v.Alimony.YrAlimonyCap = 1234000;
  const Page page = AlimonyReportDocument(v, Inputs()).pages.at(0);
  const TextRun* summary = Find(page, "Case Score Summary");
  const TextRun* table = Find(page, "Claimant ");
  ASSERT_TRUE(summary && table);
  QStringList left;
  for (const TextRun* r : page.textRuns()) {
    const double y = r->position.y();
    if (r->position.x() >= 8860 || y < summary->position.y() || y >= table->position.y()) continue;
    EXPECT_LT(Right(r), 8860) << r->text.toStdString();
    if (!r->text.trimmed().isEmpty()) left << r->text.trimmed();
  }
  const QString text = left.join(' ');
  for (const char* sentence :
       {"This Is An Arguable/Possible Case For Bridge-The-Gap Or Rehabilitative Alimony.",
        "But If Alimony Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.",
        "Recommended Alimony Is $1,234,567 Per Year  Or  $102,881 Per Month.",
        "For alimony not under IRS Section 71, the maximum amount is $1,234,000 (35% of net income "
        "difference)"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(sentence))) << sentence << "\n" << text.toStdString();
  EXPECT_TRUE(Find(page, " Other Party = 0"));  // the Case Data column as it was
}

// Every text of a report with a long case name, seven-figure amounts, the
// longest sentences, notes and the present value keeps to its column and
// within the page's right margin.
TEST_F(AlimonyReportTest, EveryTextKeepsToItsColumn) {
  for (const char* custody : {"Cust", "Shared", "Split"}) {
    CaseVars v = Results();
    v.Express.CustodyStatus = custody;
    v.Express.NumMinorChildren = 3;
    v.Alimony.CaseStrengthText =
        " This Is An Arguable/Possible Case For Bridge-The-Gap Or Rehabilitative Alimony.\r\n A Maximum "
        "Term Of 16.50 Years Is Possible Under DV Statute";
    v.Alimony.TermRecommendation2 = " But If Alimony Awarded, A Maximum Duration Of 3 To 5 Years Is Suggested.";
    v.Alimony.AlimonyNoteText =
        "Calculation Shown Has Alimony Taxed To Payee.\r\nThe Award Entered Exceeds The Suggested Award.";
    v.Alimony.YrRecommendedAward = v.Alimony.YrAlimonyAward = 1234567;
    v.Alimony.YrAlimonyCap = 1234000;
    v.Income.Claim.YrGrossIncome = 1234567;
    v.Income.Payer.YrGrossIncome = 12345678;
    v.Alimony.Claim.YrNetAfterAlimony = 1234567;
    v.Alimony.Payer.YrNetAfterAlimony = 9876543;
    AlimonyReportInputs in = Inputs();
    in.CaseName = "In re the Marriage of Jane Quinn Roe-Alvarez and John Michael Roe";
    const Page page = AlimonyReportDocument(v, in).pages.at(0);
    const TextRun* summary = Find(page, "Case Score Summary");
    const TextRun* table = Find(page, "Claimant ");
    ASSERT_TRUE(summary && table);
    for (const std::string& outside :
         testenv::RunsOutside(page, {12240 - 400, 0, {8860}, summary->position.y(), table->position.y()}, 1))
      ADD_FAILURE() << custody << " " << outside;
  }
}

// Every amount the report prints at a figure wider than any a run can give
// (a hundred boxes at the program's limit), in either sign: each keeps to its
// column, off its label, and within the right margin.
TEST_F(AlimonyReportTest, TheWidestFiguresKeepToTheirColumns) {
  for (const double widest : {-100 * platform::kLargestAmount, 100 * platform::kLargestAmount}) {
    CaseVars v = Results();
    casevars::AlimonyVars& a = v.Alimony;
    a.YrRecommendedAward = a.YrAlimonyAward = widest;
    a.YrAlimonyCap = std::abs(widest) / 2;
    a.PresentValueOfAward = casevars::PresentValueFigures{std::abs(widest), 50, 0.2, 0.06, "0.06"};
    v.Support.MoChildSupportForAlimony = widest;
    for (casevars::Party party : casevars::kParties) {
      v.Income[party].YrGrossIncome = widest;
      a[party].YrNetAfterAlimony = a[party].YrPriorSupportPaid = a[party].YrExpensesPaid = std::abs(widest);
      casevars::PartyTax& t = v.Tax[party];
      t.YrFicaTax = t.YrStateTax = t.YrFedTax = t.YrTotalCredits = widest;
    }
    const Page page = AlimonyReportDocument(v, Inputs()).pages.at(0);
    const TextRun* table = Find(page, "Claimant ");
    const TextRun* note = Find(page, "Calculation Shown Has Alimony Taxed To Payee.");
    ASSERT_TRUE(table && note);
    for (const std::string& outside : testenv::RunsOutside(
             page, {12240 - 400, 0, {kPayerColumn, 8860}, table->position.y(), note->position.y()}, 1))
      ADD_FAILURE() << widest << " " << outside;
  }
}

TEST_F(AlimonyReportTest, PresentValueWithTheEntriesThatProducedIt) {
  CaseVars v = Results();
  v.Alimony.PresentValueOfAward = casevars::PresentValueFigures{36270.88, 2, 0.2f, 0.06f, "0.06"};
  const platform::Document doc = AlimonyReportDocument(v, Inputs());
  const Page& page = doc.pages.at(0);
  const TextRun* value = Find(page, "$36,271");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->position.x(), 8860);
  EXPECT_TRUE(Find(page, "2"));
  EXPECT_TRUE(Find(page, "Duration In Years = "));
  EXPECT_TRUE(Find(page, "0.2"));
  EXPECT_TRUE(Find(page, "Discount Rate = "));
  EXPECT_TRUE(Find(page, "0.06"));
  EXPECT_FALSE(Find(page, "No Present Value Calculation"));
}

TEST_F(AlimonyReportTest, PreparerSettingsAndNoMinors) {
  prefs::PreparerMargin.write("OneHalf");
  prefs::NameCheck.write("No");
  prefs::OfficeCheck.write("No");
  prefs::DateCheck.write("No");
  CaseVars v = Results();
  v.Express.CustodyStatus = "NoMinors";
  v.Express.NumMinorChildren = 0;
  v.Express.NumMarriageChildren = 0;
  v.Alimony.YrRecommendedAward = 0;
  AlimonyReportInputs in = Inputs();
  in.CaseName = " ";
  in.PageHeight.reset();  // no printer: the footer follows the present-value column
  const platform::Document doc = AlimonyReportDocument(v, in);
  const Page& page = doc.pages.at(0);
  EXPECT_FALSE(Find(page, "Alimony Report For:  "));
  EXPECT_FALSE(Find(page, "    Prepared By:  "));
  EXPECT_EQ(Find(page, "Case Score Summary")->position.y(), 720);
  EXPECT_TRUE(Find(page, " No Alimony Is Recommended"));
  EXPECT_TRUE(Find(page, "(no minors)", 1));
  EXPECT_FALSE(Find(page, " Care & Health Paid"));
  EXPECT_FALSE(Find(page, " Child Support"));
  EXPECT_FALSE(Find(page, " Primary Caregiver: Claimant"));
  EXPECT_FALSE(Find(page, " Children Claimed Under Age 17"));
  const TextRun* footer = Find(page, "Kelvane 2026 - Dadudav");
  ASSERT_TRUE(footer);
  EXPECT_LT(footer->position.y(), 14000);
}

TEST_F(AlimonyReportTest, PdfText) {
  CaseVars v = Results();
  v.Alimony.PresentValueOfAward = casevars::PresentValueFigures{36270.88, 2, 0.2f, 0.06f, "0.06"};
  const QString path = QDir(testenv::scratchFolder()).filePath("alimony.pdf");
  const platform::OutputResult result = platform::SaveDocumentAsPdf(AlimonyReportDocument(v, Inputs()), path);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  const auto pages = testenv::PdfPageTexts(path);
  if (!pages) GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
  ASSERT_EQ(pages->size(), 1);
  const QString& text = (*pages)[0];
  for (const char* expected :
       {"Alimony Report For: Doe v. Doe", "Case Score Summary", "The Case Score on a Scale of 0 to 100 is: 67.49",
        "Alimony Term Recommendations", "Recommended Alimony Is $30,000 Per Year Or $2,500 Per Month.",
        "Case Data", "Years Of Marriage", "Present Value", "$36,271", "Duration In Years = 2",
        "Tax Rate = 0.2", "Discount Rate = 0.06", "Gross Income", "$52,000", "$110,000", "Net Income",
        "$85,922", "$61,234", "Kelvane 2026 - Dadudav"})
    EXPECT_TRUE(text.simplified().contains(QString::fromLatin1(expected))) << expected << "\n"
                                                                            << text.toStdString();
}

}  // namespace
