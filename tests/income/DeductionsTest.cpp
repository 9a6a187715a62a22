#include <gtest/gtest.h>

#include "income/AmountText.h"
#include "income/Deductions.h"

using namespace income;
using casevars::Age65Status;
using casevars::PartyIncome;

namespace {

DeductionChoices Single() {
  DeductionChoices c;
  c.filing.Single = true;
  return c;
}
DeductionChoices Joint() {
  DeductionChoices c;
  c.filing.MFJ = true;
  return c;
}

TEST(ApplyDeductions, SingleFilerAgiBaseAndUntaxedIncome) {
  // Total 80,000 with 5,000 tax-free income and 3,000 adjustments.
  PartyIncome in;
  in.YrTotal = 80000;
  in.YrFree = 5000;
  in.YrOtherDeduct = 3000;
  in.YrTotal1 = 40000;  // a single filer's new-spouse column enters nothing
  in.YrFree1 = 1000;
  in.YrLT1 = 700;
  in.YrPriorMaintPaid1 = 900;
  ApplyDeductions(in, Single(), {}, {});
  EXPECT_EQ(in.YrAdjustments, 3000);
  EXPECT_EQ(in.YrAGIBase, 72000);
  EXPECT_EQ(in.YrUntaxedIncome, 8000);
  EXPECT_EQ(in.YrInvestIncome, 0);
}

TEST(ApplyDeductions, JointFilerCountsTheNewSpouse) {
  PartyIncome in;
  in.YrTotal = 50000;
  in.YrTotal1 = 30000;
  in.YrComp1 = 2000;
  in.YrSSChild = 1000;
  in.YrPriorMaintPaid = 500;
  in.YrPriorMaintPaid1 = 700;
  in.YrPriorMaintPaid3 = 400;  // orders after 2018: no adjustment
  in.YrLT = 100;
  in.YrST1 = 200;
  in.YrPT1 = 300;
  ApplyDeductions(in, Joint(), {}, {});
  EXPECT_EQ(in.YrAdjustments, 1200);
  EXPECT_EQ(in.YrAGIBase, 50000 + 30000 - 2000 - 1200 - 1000);
  EXPECT_EQ(in.YrInvestIncome, 600);
  EXPECT_EQ(in.YrUntaxedIncome, 80000 - in.YrAGIBase);
}

TEST(ApplyDeductions, SelfEmployedDeductionsCountOnlyWithBusinessIncome) {
  for (double self : {0.0, -500.0, 1000.0}) {
    PartyIncome in;
    in.YrSelf = self;
    in.YrTotal = self;
    in.YrSelfHealthDeduct = 300;
    in.YrSelfRetirementDeduct = 200;
    ApplyDeductions(in, Single(), {}, {});
    const double expected = self > 0 ? 500 : 0;
    EXPECT_EQ(in.YrAdjustments, expected) << self;
    EXPECT_EQ(in.YrSelfHealthDeduct + in.YrSelfRetirementDeduct, expected) << self;
  }
}

TEST(ApplyDeductions, StandardDeductionClearsItemizedAndReservedFields) {
  PartyIncome in;
  in.YrItemized = 12000;
  in.YrItemizedNoLimit = 5;
  in.TaxReserved = 3;
  ApplyDeductions(in, Single(), {}, {});
  EXPECT_EQ(in.YrItemized, 0);
  EXPECT_EQ(in.YrItemizedNoLimit, 0);
  EXPECT_EQ(in.TaxReserved, 0);
  DeductionChoices itemized = Single();
  itemized.standardDeduction = false;
  in.YrItemized = 12000;
  ApplyDeductions(in, itemized, {}, {});
  EXPECT_EQ(in.YrItemized, 12000);
}

TEST(ApplyDeductions, AllowableDeductionsLeaveOutTheNewSpousesAlimony) {
  PartyIncome in;
  in.YrDues = 1;
  in.YrStIndus = 2;
  in.YrPensionPay = 4;
  in.YrPriorMaintPaid = 8;
  in.YrPriorMaintPaid2 = 16;
  in.YrOtherSupport = 32;
  in.YrMedCare = 64;
  in.YrPriorMaintPaid1 = 128;
  in.YrPriorMaintPaid3 = 256;
  ApplyDeductions(in, Joint(), {}, {});
  EXPECT_EQ(in.YrAllowableDeductions, 127);
}

TEST(ApplyDeductions, Age65Status) {
  const struct {
    bool joint, age65, spouseAge65;
    Age65Status status;
    bool spouseFlag;
  } cases[] = {
      {true, true, true, Age65Status::Both, true},   {true, true, false, Age65Status::Yes, false},
      {true, false, true, Age65Status::Yes, true},   {true, false, false, Age65Status::No, false},
      {false, false, true, Age65Status::No, false},  {false, true, true, Age65Status::Yes, false},
  };
  for (const auto& c : cases) {
    PartyIncome in;
    DeductionChoices ch = c.joint ? Joint() : Single();
    ch.age65 = c.age65;
    ch.spouseAge65 = c.spouseAge65;
    ApplyDeductions(in, ch, {}, {});
    EXPECT_EQ(in.Age65Status, c.status);
    EXPECT_EQ(in.Spouse65Flag, c.spouseFlag);
  }
}

TEST(ApplyDeductions, EarnedIncomeCreditChildrenOnlyWhileTicked) {
  PartyIncome in;
  DeductionChoices c = Single();
  c.eicCheck = true;
  c.eicChoice = 2;
  ApplyDeductions(in, c, {}, {});
  EXPECT_EQ(in.EICChildren, 2);
  c.eicCheck = false;
  c.eicChoice = 3;
  ApplyDeductions(in, c, {}, {});
  EXPECT_EQ(in.EICChildren, 2);
  c.eicCheck = true;
  c.eicChoice = -1;
  ApplyDeductions(in, c, {}, {});
  EXPECT_EQ(in.EICChildren, 0);
}

TEST(ApplyDeductions, OvertimeAndTipsComeOffTheAgiBaseBeforeTheBusinessDeduction) {
  PartyIncome in;
  in.YrTotal = 200000;
  in.YrOT = 5000;
  in.YrTips = 30000;
  double seen = -1;
  ApplyDeductions(in, Single(), {}, [&](double agi) {
    seen = agi;
    return 1000.0;
  });
  // AGI-like income 200,000: overtime 5,000 - 5,000 = 0; tips 25,000 - 5,000.
  EXPECT_EQ(in.YrOTDeduction, 0);
  EXPECT_EQ(in.YrTipsDeduction, 20000);
  EXPECT_EQ(in.YrAGIBase, 180000);
  EXPECT_EQ(seen, 180000);
  EXPECT_EQ(in.YrUntaxedIncome, 20000 + 1000);
}

TEST(ApplyDeductions, MarriedSeparatelyGetsNeitherDeductionNoStatusGetsOvertimeOnly) {
  PartyIncome in;
  in.YrTotal = 60000;
  in.YrOT = 4000;
  in.YrTips = 3000;
  DeductionChoices c;
  c.filing.Married = true;
  ApplyDeductions(in, c, {}, {});
  EXPECT_EQ(in.YrOTDeduction, 0);
  EXPECT_EQ(in.YrTipsDeduction, 0);
  ApplyDeductions(in, DeductionChoices{}, {}, {});
  EXPECT_EQ(in.YrOTDeduction, 4000);
  EXPECT_EQ(in.YrTipsDeduction, 0);
}

TEST(ApplyDeductions, NewSpouseBusinessTipsWrittenForJointFilersOnly) {
  BusinessTips t;
  t.tips[1][0] = 2000;
  PartyIncome in;
  in.YrATipsDeducted1 = 77;
  ApplyDeductions(in, Single(), t, {});
  EXPECT_EQ(in.YrATipsDeducted1, 77);
  ApplyDeductions(in, Joint(), t, {});
  EXPECT_EQ(in.YrATipsDeducted1, 2000);
  EXPECT_EQ(in.YrTipsDeduction, 2000);
}

TEST(ReadAmount, CurrencyCharactersRemovedBeforeTheNumericTest) {
  const struct {
    const char* text;
    AmountReading::Kind kind;
    double value;
  } cases[] = {
      {"$ 1,234.50", AmountReading::Amount, 1234.5},
      {"12%", AmountReading::Amount, 12},
      {"12 34", AmountReading::Amount, 1234},
      {"-200", AmountReading::Amount, -200},
      {"0", AmountReading::Amount, 0},
      {"$", AmountReading::NotANumber, 0},
      {"", AmountReading::NotANumber, 0},
      {"12abc", AmountReading::NotANumber, 0},
      {"1.2.3", AmountReading::NotANumber, 0},
      {"12'5", AmountReading::NotANumber, 0},
      {"999,999,999,999", AmountReading::Amount, 999999999999.0},
      {"1,000,000,000,000", AmountReading::TooLarge, 0},
      {"-5e20", AmountReading::TooLarge, 0},
      {"1e400", AmountReading::NotANumber, 0},
  };
  for (const auto& c : cases) {
    const AmountReading r = ReadAmount(QString::fromUtf8(c.text));
    EXPECT_EQ(r.kind, c.kind) << c.text;
    if (r.isAmount()) {
      EXPECT_EQ(r.value, c.value) << c.text;
    }
  }
}

}  // namespace
