#include <gtest/gtest.h>

#include <cmath>

#include "calculators/Withdrawals72t.h"

using namespace calculators;

namespace {

// Age 50, withdrawals to 56, 100,000 in the IRA, reasonable rate 5%, expected gain 6%.
Withdrawal72tEntries Example(const char* method = "Annuity") {
  Withdrawal72tEntries e;
  e.CurrentAgeYrs = QStringLiteral("50");
  e.AgeEndYrs = QStringLiteral("56");
  e.IRAAmount = QStringLiteral("100000");
  e.InterestRate = QStringLiteral("5");
  e.IraInterestRate = QStringLiteral("6");
  e.MethodAnnuity = QLatin1String(method) == QLatin1String("Annuity");
  e.MethodAmort = QLatin1String(method) == QLatin1String("Amortization");
  e.MethodMin = QLatin1String(method) == QLatin1String("LE");
  return e;
}

Withdrawal72tInputs Accepted(const Withdrawal72tEntries& e) {
  Withdrawal72tInputs in;
  const EntryCheck check = Check72tEntries(e, in);
  EXPECT_EQ(check.result, 0) << check.message.toStdString();
  return in;
}

QStringList Row(const char* age, const char* begin, const char* w, const char* gain, const char* end) {
  return {QString::fromLatin1(age), QString::fromLatin1(begin), QString::fromLatin1(w), QString::fromLatin1(gain),
          QString::fromLatin1(end)};
}

TEST(Withdrawals72t, WorkedExample) {
  const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(Example()));
  EXPECT_NEAR(r.AnnuityFactor, 16.4426f, 5e-5f);
  EXPECT_EQ(r.LifeExpectancy, 34.2);
  const QString boxes[] = {r.AnnuityYearly, r.AnnuityMonthly, r.LEYearly, r.LEMonthly, r.AmortYearly, r.AmortMonthly};
  const char* expected[] = {"$6,082", "$507", "$2,924", "$244", "$6,161", "$513"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(boxes[k], QString::fromLatin1(expected[k])) << k;

  EXPECT_EQ(r.Caption, QStringLiteral("Projected IRA Account Balance/Yr (Annuity Method)"));
  const QStringList rows[] = {
      Row("50", "100,000", "$6,082", "5,966", "99,885"), Row("51", "99,885", "$6,082", "5,959", "99,762"),
      Row("52", "99,762", "$6,082", "5,952", "99,632"),  Row("53", "99,632", "$6,082", "5,944", "99,494"),
      Row("54", "99,494", "$6,082", "5,935", "99,348"),  Row("55", "99,348", "$6,082", "5,926", "99,192"),
  };
  ASSERT_EQ(r.Rows.size(), 6u);
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(r.Rows[k].Texts(), rows[k]) << k;
}

TEST(Withdrawals72t, LifeExpectancyProjectionRecomputesEachYear) {
  const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(Example("LE")));
  EXPECT_EQ(r.Caption, QStringLiteral("Projected IRA Account Balance/Yr (Minimum Withdrawal Method)"));
  ASSERT_EQ(r.Rows.size(), 6u);
  EXPECT_EQ(r.Rows[0].Texts(), Row("50", "100,000", "$2,924", "6,071", "103,147"));
  // The second withdrawal is 103,147 / 33.3, the life expectancy at 51.
  EXPECT_EQ(r.Rows[1].Texts(), Row("51", "103,147", "$3,098", "6,259", "106,309"));
  EXPECT_DOUBLE_EQ(r.Rows[1].withdrawal, r.Rows[0].end / 33.3);
}

TEST(Withdrawals72t, AmortizationFirstYearEarnsOnTheBalanceLessTheWithdrawal) {
  const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(Example("Amortization")));
  EXPECT_EQ(r.Caption, QStringLiteral("Projected IRA Account Balance/Yr (Amortization Method)"));
  EXPECT_EQ(r.Rows[0].Texts(), Row("50", "100,000", "$6,161", "5,931", "99,770"));
  for (const auto& row : r.Rows) EXPECT_EQ(row.withdrawal, r.Amortization);
}

TEST(Withdrawals72t, NoGainTakesTheWithdrawalEachYear) {
  Withdrawal72tEntries e = Example();
  e.IraInterestRate = QStringLiteral("0");
  e.AgeEndYrs = QStringLiteral("55");
  const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(e));
  ASSERT_EQ(r.Rows.size(), 5u);  // ages 50 to 54
  EXPECT_EQ(r.Rows.back().age, 54);
  for (const auto& row : r.Rows) {
    EXPECT_EQ(row.gain, 0);
    EXPECT_NEAR(row.end, row.begin - row.withdrawal, 1e-6);
  }
}

TEST(Withdrawals72t, AnnuityFactorCoversEveryAgeTo116) {
  // At 18 and at 60 (a typed 59.5, rounded to the even 60) the factor is finite and above 1.
  for (const char* age : {"18", "59.5"}) {
    Withdrawal72tEntries e = Example();
    e.CurrentAgeYrs = QString::fromLatin1(age);
    e.AgeEndYrs = QStringLiteral("70");
    const Withdrawal72tInputs in = Accepted(e);
    const Withdrawals72tResult r = Compute72tWithdrawals(in);
    EXPECT_GT(r.AnnuityFactor, 1) << age;
    EXPECT_LT(r.AnnuityFactor, 30) << age;
  }
}

// Every figure is a number for every rate the check accepts: a reasonable rate
// so small that 1 + i is 1 in double precision amortizes as at a rate of 0
// (the balance over the life expectancy), and the largest balance at the
// extreme rates and gains over the longest projection stays finite.
TEST(Withdrawals72t, EveryRateGivesFigures) {
  for (const char* rate : {"1e-20", "1e-40"}) {
    Withdrawal72tEntries e = Example("Amortization");
    e.InterestRate = QString::fromLatin1(rate);
    const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(e));
    EXPECT_EQ(r.AmortYearly, r.LEYearly) << rate;  // $2,924: 100,000 / 34.2
    EXPECT_EQ(r.AmortMonthly, r.LEMonthly) << rate;
    // The first month earns on 100,000 - 2,924 - 2,924 / 12: 484.16; the year 6,056.
    EXPECT_EQ(r.Rows[0].Texts(), Row("50", "100,000", "$2,924", "6,056", "103,132")) << rate;
  }
  for (const char* rate : {"1e-40", "1e-20", "0.01", "99.99"})
    for (const char* gain : {"-100", "0", "99.99"})
      for (const char* method : {"LE", "Amortization", "Annuity"}) {
        Withdrawal72tEntries e = Example(method);
        e.CurrentAgeYrs = QStringLiteral("18");
        e.AgeEndYrs = QStringLiteral("111");
        e.IRAAmount = QStringLiteral("999,999,999,999");
        e.InterestRate = QString::fromLatin1(rate);
        e.IraInterestRate = QString::fromLatin1(gain);
        const Withdrawals72tResult r = Compute72tWithdrawals(Accepted(e));
        const std::string name = std::string(rate) + " " + gain + " " + method;
        for (const QString& box : {r.LEYearly, r.LEMonthly, r.AmortYearly, r.AmortMonthly, r.AnnuityYearly,
                                   r.AnnuityMonthly})
          EXPECT_TRUE(box.startsWith('$') && box.size() > 1) << name << " " << box.toStdString();
        ASSERT_EQ(r.Rows.size(), 93u) << name;
        for (const Projection72tRow& row : r.Rows)
          for (double figure : {row.begin, row.withdrawal, row.gain, row.end})
            ASSERT_TRUE(std::isfinite(figure)) << name << " at " << row.age;
      }
}

TEST(Withdrawals72t, EntryChecks) {
  constexpr const char* kAge = "Please ReEnter The Number Of Years In Holder's Current Age (Min Is 18, Max Is 59)";
  constexpr const char* kEnd =
      "Please ReEnter The Holder's Age When the 72(t) Withdrawals End (Must Be At Least 5 Years From Current Age)";
  constexpr const char* kBalance = "Please ReEnter The Current IRA Amount";
  constexpr const char* kRate = "Please ReEnter The Interest Rate(As A Percentage)";
  constexpr const char* kGain = "Please ReEnter Annual Gain of the IRA (As A Percentage)";
  constexpr const char* kTooLarge = "This amount is too large. Please enter an amount of $999,999,999,999 or less.";
  const struct { const char* name; void (*change)(Withdrawal72tEntries&); const char* message; const char* field; } cases[] = {
      {"age 18", [](Withdrawal72tEntries& e) { e.CurrentAgeYrs = "18"; }, nullptr, nullptr},
      {"age 17.9", [](Withdrawal72tEntries& e) { e.CurrentAgeYrs = "17.9"; }, kAge, "CurrentAgeYrs"},
      {"age 59.9", [](Withdrawal72tEntries& e) { e.CurrentAgeYrs = "59.9"; e.AgeEndYrs = "65"; }, nullptr, nullptr},
      {"age 60", [](Withdrawal72tEntries& e) { e.CurrentAgeYrs = "60"; }, kAge, "CurrentAgeYrs"},
      {"end 55", [](Withdrawal72tEntries& e) { e.AgeEndYrs = "55"; }, nullptr, nullptr},
      {"end 54.9", [](Withdrawal72tEntries& e) { e.AgeEndYrs = "54.9"; }, kEnd, "AgeEndYrs"},
      // Beyond the life table's last age, 111.
      {"end 111", [](Withdrawal72tEntries& e) { e.AgeEndYrs = "111"; }, nullptr, nullptr},
      {"end 112", [](Withdrawal72tEntries& e) { e.AgeEndYrs = "112"; }, kEnd, "AgeEndYrs"},
      {"end 40000", [](Withdrawal72tEntries& e) { e.AgeEndYrs = "40000"; }, kEnd, "AgeEndYrs"},
      {"balance $250,000", [](Withdrawal72tEntries& e) { e.IRAAmount = "$250,000"; }, nullptr, nullptr},
      {"balance and a word", [](Withdrawal72tEntries& e) { e.IRAAmount = "250000 dollars"; }, kBalance, "IRAAmount"},
      {"balance 0", [](Withdrawal72tEntries& e) { e.IRAAmount = "0"; }, kBalance, "IRAAmount"},
      {"balance negative", [](Withdrawal72tEntries& e) { e.IRAAmount = "-5"; }, kBalance, "IRAAmount"},
      {"balance 999,999,999,999", [](Withdrawal72tEntries& e) { e.IRAAmount = "999,999,999,999"; }, nullptr, nullptr},
      {"balance 1e39", [](Withdrawal72tEntries& e) { e.IRAAmount = "1e39"; }, kTooLarge, "IRAAmount"},
      {"rate 99.99", [](Withdrawal72tEntries& e) { e.InterestRate = "99.99"; }, nullptr, nullptr},
      // A rate that holds as 0 is 0.
      {"rate 1e-50", [](Withdrawal72tEntries& e) { e.InterestRate = "1e-50"; }, kRate, "InterestRate"},
      {"rate 100", [](Withdrawal72tEntries& e) { e.InterestRate = "100"; }, kRate, "InterestRate"},
      {"rate empty", [](Withdrawal72tEntries& e) { e.InterestRate = ""; }, kRate, "InterestRate"},
      {"rate 0", [](Withdrawal72tEntries& e) { e.InterestRate = "0"; }, kRate, "InterestRate"},
      {"rate -100", [](Withdrawal72tEntries& e) { e.InterestRate = "-100"; }, kRate, "InterestRate"},
      {"gain negative", [](Withdrawal72tEntries& e) { e.IraInterestRate = "-3"; }, nullptr, nullptr},
      {"gain 100", [](Withdrawal72tEntries& e) { e.IraInterestRate = "100"; }, kGain, "IraInterestRate"},
      // The account loses at most all of itself in a year.
      {"gain -100", [](Withdrawal72tEntries& e) { e.IraInterestRate = "-100"; }, nullptr, nullptr},
      {"gain -100.01", [](Withdrawal72tEntries& e) { e.IraInterestRate = "-100.01"; }, kGain, "IraInterestRate"},
      {"gain -1e30", [](Withdrawal72tEntries& e) { e.IraInterestRate = "-1e30"; }, kGain, "IraInterestRate"},
  };
  for (const auto& c : cases) {
    Withdrawal72tEntries e = Example();
    c.change(e);
    Withdrawal72tInputs in;
    const EntryCheck check = Check72tEntries(e, in);
    EXPECT_EQ(check.result, c.message ? 1 : 0) << c.name;
    EXPECT_EQ(check.message, QString::fromLatin1(c.message)) << c.name;
    EXPECT_EQ(check.field, QString::fromLatin1(c.field)) << c.name;
  }
}

TEST(Withdrawals72t, CheckStoresWhatItAccepted) {
  Withdrawal72tEntries e = Example("LE");
  e.CurrentAgeYrs = QStringLiteral("59.5");  // halves to the even number
  e.AgeEndYrs = QStringLiteral("65.5");
  e.IRAAmount = QStringLiteral("$250,000");
  const Withdrawal72tInputs in = Accepted(e);
  EXPECT_EQ(in.HolderAge, 60);
  EXPECT_EQ(in.HolderEndAge, 66);
  EXPECT_EQ(in.WithdrawalYears, 6);
  EXPECT_EQ(in.IraBalance, 250000);
  EXPECT_EQ(in.WithdrawalMethod, QStringLiteral("LE"));
  // Values stored before a refusal stay.
  e.InterestRate = QStringLiteral("abc");
  Withdrawal72tInputs partly;
  EXPECT_EQ(Check72tEntries(e, partly).result, 1);
  EXPECT_EQ(partly.IraBalance, 250000);
  EXPECT_EQ(partly.ReasonableRate, 0);
}

TEST(Withdrawals72t, ColumnsSpreadOverThePicture) {
  const auto x = Projection72tColumns(5400);
  EXPECT_EQ(x[0], 100);
  EXPECT_EQ(x[1], 600);
  EXPECT_EQ(x[2], 1600);
  EXPECT_EQ(x[4], 3600);
}

}  // namespace
