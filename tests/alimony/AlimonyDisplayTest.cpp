#include <gtest/gtest.h>

#include "alimony/AlimonyDisplay.h"
#include "platform/document/DrawingCursor.h"
#include "platform/Fonts.h"

namespace {

using alimony::PictureLine;
using alimony::ShowAlimonyResults;
using casevars::CaseVars;
using casevars::Party;
using Place = PictureLine::Place;

// The figures an alimony calculation leaves for a custodial claimant.
CaseVars Results() {
  CaseVars v;
  v.Express.CustodyStatus = "Cust";
  v.Express.NumMarriageChildren = 2;
  v.Express.NumMinorChildren = 2;
  v.Express.Claim.Under17Children = 2;
  v.Express.Claim.FilingStatus = "Head";
  v.Express.Payer.FilingStatus = "MFJ";
  v.Express.MarriageYears = 12.5;
  v.Express.Claim.AgeYears = 41;
  v.Express.Claim.SkillScore = 9;
  v.Express.CaregiverCharacterization = 1;
  v.Alimony.AlimonyCaseScore = 67.49;
  v.Alimony.TermRecommendation1 = " Alimony Should Run For A Period Of 4.9 Years.";
  v.Alimony.YrRecommendedAward = 30000;
  v.Alimony.YrAlimonyAward = 30000;
  v.Alimony.YrAlimonyCap = 40000;
  v.Income.Claim.YrGrossIncome = 52000;
  v.Income.Payer.YrGrossIncome = 150000;
  v.Tax.Claim.YrFicaTax = 3978;
  v.Tax.Payer.YrFicaTax = 11475;
  v.Tax.Claim.YrStateTax = 0;
  v.Tax.Payer.YrStateTax = 1234.4;
  v.Tax.Claim.YrFedTax = 2500;
  v.Tax.Payer.YrFedTax = 24000;
  v.Tax.Claim.YrTotalCredits = 4400;
  v.Alimony.Claim.YrExpensesPaid = 6000;
  v.Support.MoChildSupportForAlimony = 250;
  v.Alimony.Claim.YrNetAfterAlimony = 85922;
  v.Alimony.Payer.YrNetAfterAlimony = 80291.6;
  return v;
}

TEST(AlimonyDisplay, AwardSentencesAndCapNotes) {
  const struct {
    double score, award, cap;
    QStringList lines;
  } rows[] = {
      {25, 30000, 40000, {" Recommended Alimony Is $30,000 Per Year  Or  $2,500 Per Month."}},
      {24.99, 30000, 40000, {" If Alimony Is Awarded, $30,000 Per Year  Or  $2,500 Per Month Is Suggested."}},
      {60, 30000, 30000,
       {" Recommended Alimony Is $30,000 Per Year  Or  $2,500 Per Month.",
        " This is the max allowed under DV statute (35% of the difference in net incomes)."}},
      {60, 30000, 25000.4,
       {" Recommended Alimony Is $30,000 Per Year  Or  $2,500 Per Month.",
        " 35% of net income difference ($25,000) not applied for mods of pre-2019 orders."}},
      // No cap applies when the claimant's net income is not the lower.
      {60, 0, 0, {" No Alimony Is Recommended."}},
      {60, 0, -5000, {" No Alimony Is Recommended."}},
  };
  for (const auto& r : rows) {
    CaseVars v = Results();
    v.Alimony.AlimonyCaseScore = r.score;
    v.Alimony.YrRecommendedAward = r.award;
    v.Alimony.YrAlimonyCap = r.cap;
    EXPECT_EQ(ShowAlimonyResults(v).Award, r.lines) << r.score << " " << r.cap;
  }
}

TEST(AlimonyDisplay, CaseDataLinesAndCaptions) {
  CaseVars v = Results();
  const auto d = ShowAlimonyResults(v);
  const std::vector<PictureLine> expected = {
      {" Years Of Marriage", "", " = 12.5 ", Place::AtTab},
      {" Age Of Claimant", "", " = 41 ", Place::AtTab},
      {" Claimant Ed/Skill", "", " = 9 ", Place::AtTab},
      {" Number Of Children", "", " = 2 ", Place::AtTab},
      {" Number Of Minors", "", " = 2 ", Place::AtTab},
      {" Children Claimed Under Age 17", "", "", Place::None},
      {" Claimant =  2 ", "", "", Place::None},
      {" Other Party =  0 ", "", "", Place::None},
      {" Claimant's File Status: HH", "", "", Place::None},
      {" Other's File Status: MFJ", "", "", Place::None},
      {" Primary Caregiver: Claimant", "", "", Place::None},
  };
  EXPECT_EQ(d.CaseData, expected);
  EXPECT_EQ(d.ClaimFrameCaption, "Claimant (custodial)");
  EXPECT_EQ(d.PayerFrameCaption, "Other (noncustodial)");
  EXPECT_EQ(d.Terms, (QStringList{" Alimony Should Run For A Period Of 4.9 Years.", ""}));

  v.Express.CustodyStatus = "Shared";
  v.Express.NumMinorChildren = 0;
  v.Express.NumMarriageChildren = 0;
  v.Express.Claim.YrOvernights = 73;
  v.Express.Payer.YrOvernights = 292;
  const auto shared = ShowAlimonyResults(v);
  QStringList labels;
  for (const PictureLine& l : shared.CaseData) labels << l.Label + l.Value;
  EXPECT_EQ(labels, (QStringList{" Years Of Marriage = 12.5 ", " Age Of Claimant = 41 ",
                                 " Claimant Ed/Skill = 9 ", " Number Of Children = 0 ",
                                 " Number Of Minors = 0 ", "       - Shared Custody -",
                                 " Claimant's Nights  = 73.0", " Other's Nights  = 292.0",
                                 " Claimant's File Status: HH", " Other's File Status: MFJ"}));
  EXPECT_EQ(shared.ClaimFrameCaption, "Claimant (shared cust.)");
  v.Express.CustodyStatus = "Other";
  EXPECT_TRUE(ShowAlimonyResults(v).ClaimFrameCaption.isEmpty());  // captions left as they are
}

QStringList Texts(const std::vector<PictureLine>& rows) {
  QStringList out;
  for (const PictureLine& r : rows) out << r.Label + r.Regular + "|" + r.Value;
  return out;
}

TEST(AlimonyDisplay, IncomeTables) {
  CaseVars v = Results();
  v.Income.Payer.YrOtherSupport = 2400;
  v.Alimony.Payer.YrPriorSupportPaid = 2400;
  const auto d = ShowAlimonyResults(v);
  EXPECT_EQ(Texts(d.IncomeTables.Claim),
            (QStringList{" Gross Income|$52,000", "|", " FICA/SE|-$3,978", " Alimony|$30,000",
                         " State Tax|-$0", " Federal Tax|-$2,500", " Fed Tax Credits|$4,400",
                         " Care & Health Paid|-$6,000", " Child Support|$3,000", "|------------",
                         " Net Income|$85,922"}));
  EXPECT_EQ(Texts(d.IncomeTables.Payer),
            (QStringList{" Gross Income|$150,000", " Prior Child Sup. Paid|-$2,400", " FICA/SE|-$11,475",
                         " Alimony|-$30,000", " State Tax (prorated)|-$1,234",
                         " Federal Tax (prorated)|-$24,000", " Fed Tax Credits|$0",
                         " Care & Health Paid|-$0", " Child Support|-$3,000", "|------------",
                         " Net Income |$80,292"}));
  EXPECT_EQ(d.IncomeTables.Payer[4].Regular, " (prorated)");

  // Who pays child support, by custody and sign.
  const struct {
    const char* custody;
    double monthly;
    const char *claim, *payer;
  } support[] = {{"Cust", 250, "$3,000", "-$3,000"},   {"Cust", -250, "-$3,000", "$3,000"},
                 {"Cust", 0, "-$0", "$0"},             {"NonCust", 250, "-$3,000", "$3,000"},
                 {"NonCust", 0, "$0", "-$0"},          {"Split", 100, "$1,200", "-$1,200"}};
  for (const auto& s : support) {
    v.Express.CustodyStatus = s.custody;
    v.Support.MoChildSupportForAlimony = s.monthly;
    const auto rows = ShowAlimonyResults(v).IncomeTables;
    EXPECT_EQ(rows.Claim[8].Value, s.claim) << s.custody << s.monthly;
    EXPECT_EQ(rows.Payer[8].Value, s.payer) << s.custody << s.monthly;
  }

  // No minors: no child rows; the rule follows the credits.
  v.Express.CustodyStatus = "NoMinors";
  const auto none = ShowAlimonyResults(v).IncomeTables.Claim;
  ASSERT_EQ(none.size(), 9u);
  EXPECT_EQ(none[7].Value, "------------");

  // Prior support labels from the party's own parts.
  v.Income.Claim.YrPriorMaintPaid2 = 1000;
  v.Alimony.Claim.YrPriorSupportPaid = 1000;
  EXPECT_EQ(ShowAlimonyResults(v).IncomeTables.Claim[1].Label, " Prior Alimony Paid");
  v.Income.Claim.YrOtherSupport = 500;
  EXPECT_EQ(ShowAlimonyResults(v).IncomeTables.Claim[1].Label, " Prior CS & SS Paid");
}

TEST(AlimonyDisplay, PictureLinesOnADrawingCursor) {
  platform::RegisterTahomaIfMissing();
  platform::DrawingCursor picture;
  picture.SetMarginLeft(0);
  picture.SetMarginTop(0);
  picture.BeginDocument();
  picture.SetFontSize(9);
  picture.SetFontBold(true);
  CaseVars v = Results();
  const auto rows = ShowAlimonyResults(v).IncomeTables.Payer;
  const double rightEdge = 3735 - 200;
  alimony::DrawPictureLines(picture, rows, 0, rightEdge);
  picture.EndDocument();
  const auto runs = picture.document().pages.at(0).textRuns();
  int values = 0;
  for (const platform::TextRun* r : runs) {
    if (r->text.startsWith("$") || r->text.startsWith("-$") || r->text == "------------") {
      ++values;
      EXPECT_NEAR(r->position.x() + r->size.width(), rightEdge, 0.5) << r->text.toStdString();
      EXPECT_TRUE(r->font.bold);
    }
    if (r->text == " (prorated)") {
      EXPECT_FALSE(r->font.bold);
    }
    if (r->text == " Gross Income") {
      EXPECT_EQ(r->position.x(), 0);
    }
  }
  EXPECT_EQ(values, 10);
}

}  // namespace
