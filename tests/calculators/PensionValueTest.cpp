#include <gtest/gtest.h>

#include <cmath>

#include "calculators/PensionValue.h"

using namespace calculators;

namespace {

// The worked case: all races, male, 40 years now, payable at 65, until death,
// 1000 a month, discount rate 0.05, tax rate 0.2.
PensionEntries Example() {
  PensionEntries e;
  e.CurrentAgeYrs = QStringLiteral("40");
  e.AgePayableYrs = QStringLiteral("65");
  e.ModelGenderOnly = true;
  e.SexMale = true;
  e.PensionAmount = QStringLiteral("1000");
  e.DiscountRate = QStringLiteral(".05");
  e.TaxRate = QStringLiteral(".2");
  return e;
}

PensionInputs Accepted(const PensionEntries& e) {
  PensionInputs in;
  const EntryCheck check = CheckPensionEntries(e, in);
  EXPECT_EQ(check.result, 0) << check.message.toStdString();
  return in;
}

PensionEntries UpToAge(PensionEntries e, const char* endYears, const char* endMonths = "") {
  e.AtDeath = false;
  e.AgeTerminateYrs = QString::fromLatin1(endYears);
  e.AgeTerminateMos = QString::fromLatin1(endMonths);
  return e;
}

TEST(PensionValue, WorkedExample) {
  const PensionResult r = ComputePensionValue(Accepted(Example()));
  // LC 95.196, LP 79.838: q = 1 - 79.838 / 95.196 = 0.161330...
  EXPECT_EQ(r.Picture3, QStringLiteral(" 16.13%"));
  // L = 18.0 years at 65: 216 payments, deferred 300 months.
  EXPECT_EQ(r.Picture4, QStringLiteral(" 18.00 Years"));
  EXPECT_EQ(r.Payments, 216);
  EXPECT_EQ(r.DeferralMonths, 300);
  EXPECT_NEAR(r.PresentValue, 34176.6, 0.5);
  EXPECT_EQ(r.Picture1, QStringLiteral(" $34,176"));
  EXPECT_EQ(r.Picture2, QStringLiteral(" $27,341"));
}

// The largest amount at the extreme rates and ages the check accepts gives
// four figures: none is blank or not a number (a value that rounds down to 0
// shows as the pattern's 0, " $").
TEST(PensionValue, ExtremeEntriesGiveFigures) {
  const struct { const char *current, *payable, *end; } ages[] = {
      {"1", "98", nullptr}, {"1", "98", "99"}, {"99", "1", nullptr}, {"99", "1", "99"}};
  for (const auto& a : ages)
    for (const char* discount : {"0", "1e-30", ".999999"})
      for (const char* tax : {"1e-30", ".999999"}) {
        PensionEntries e = Example();
        e.CurrentAgeYrs = QString::fromLatin1(a.current);
        e.CurrentAgeMos = QStringLiteral("11");
        e.AgePayableYrs = QString::fromLatin1(a.payable);
        if (a.end) e = UpToAge(e, a.end, "12");
        e.PensionAmount = QStringLiteral("$999,999,999,999");
        e.DiscountRate = QString::fromLatin1(discount);
        e.TaxRate = QString::fromLatin1(tax);
        const PensionResult r = ComputePensionValue(Accepted(e));
        const std::string name = std::string(a.current) + "/" + a.payable + "/" + (a.end ? a.end : "death") + " " +
                                 discount + " " + tax;
        EXPECT_TRUE(std::isfinite(r.PresentValue)) << name;
        for (const QString& text : {r.Picture1, r.Picture2, r.Picture3, r.Picture4})
          EXPECT_FALSE(text.trimmed().isEmpty()) << name;
      }
}

TEST(PensionValue, EntryChecks) {
  const struct { const char* name; void (*change)(PensionEntries&); const char* message; const char* field; } cases[] = {
      {"current age 100", [](PensionEntries& e) { e.CurrentAgeYrs = "100"; },
       "Please ReEnter The Number Of Years In Holder's Current Age (Max Age is 99)", "CurrentAgeYrs"},
      {"current age empty", [](PensionEntries& e) { e.CurrentAgeYrs = ""; },
       "Please ReEnter The Number Of Years In Holder's Current Age (Max Age is 99)", "CurrentAgeYrs"},
      {"current months 13", [](PensionEntries& e) { e.CurrentAgeMos = "13"; },
       "Please ReEnter The Number Of Months In Holder's Current Age", "CurrentAgeMos"},
      {"payable age 99", [](PensionEntries& e) { e.AgePayableYrs = "99"; },
       "Please ReEnter The Number Of Years In Holder's Age When Pension Is Payable", "AgePayableYrs"},
      {"payable months x", [](PensionEntries& e) { e.AgePayableMos = "x"; },
       "Please ReEnter The Number Of Months In Holder's Age When Pension Is Payable", "AgePayableMos"},
      {"end age 1", [](PensionEntries& e) { e = UpToAge(e, "1"); },
       "Please ReEnter The Number Of Years In Holder's Age When Pension Terminates", "AgeTerminateYrs"},
      {"end months 12.5", [](PensionEntries& e) { e = UpToAge(e, "80", "12.5"); },
       "Please ReEnter The Number Of Months In Holder's Age When Pension Terminates", "AgeTerminateMos"},
      {"no sex", [](PensionEntries& e) { e.SexMale = false; }, "Please Enter The Pension Holder's Sex", ""},
      {"race model without race", [](PensionEntries& e) { e.ModelGenderOnly = false; },
       "Please Enter The Pension Holder's Race", ""},
      {"amount and a word", [](PensionEntries& e) { e.PensionAmount = "1250 dollars"; },
       "Please ReEnter The Gross Pension Amount Per Month", "PensionAmount"},
      {"amount 1e308", [](PensionEntries& e) { e.PensionAmount = "1e308"; },
       "This amount is too large. Please enter an amount of $999,999,999,999 or less.", "PensionAmount"},
      {"discount rate 1", [](PensionEntries& e) { e.DiscountRate = "1"; },
       "Please ReEnter The Discount Rate(As A Decimal)", "DiscountRate"},
      {"tax rate as percent", [](PensionEntries& e) { e.TaxRate = "5"; },
       "Please ReEnter The Tax Rate(As A Decimal)", "TaxRate"},
  };
  for (const auto& c : cases) {
    PensionEntries e = Example();
    c.change(e);
    PensionInputs in;
    const EntryCheck check = CheckPensionEntries(e, in);
    EXPECT_EQ(check.result, 1) << c.name;
    EXPECT_EQ(check.message, QString::fromLatin1(c.message)) << c.name;
    EXPECT_EQ(check.field, QString::fromLatin1(c.field)) << c.name;
  }
}

TEST(PensionValue, EntriesAccepted) {
  PensionEntries e = Example();
  e.CurrentAgeYrs = QStringLiteral("45.7");  // stored as 45
  e.CurrentAgeMos = QStringLiteral("12");
  e.AgePayableYrs = QStringLiteral("98");
  e.AgePayableMos = QStringLiteral("");     // read as 0
  e.PensionAmount = QStringLiteral("$1,250");
  e.DiscountRate = QStringLiteral("0");
  e.TaxRate = QStringLiteral("0");
  e.HolderName.clear();
  e.ModelGenderOnly = false;
  e.RaceHispanic = true;
  e.SexMale = false;
  e.SexFemale = true;
  const PensionInputs in = Accepted(e);
  EXPECT_EQ(in.PensionCurrentAgeYrs, 45);
  EXPECT_EQ(in.PensionCurrentAgeMos, 12);
  EXPECT_EQ(in.PensionPayableAgeYrs, 98);
  EXPECT_EQ(in.PensionPayableAgeMos, 0);
  EXPECT_EQ(in.PensionMoAmount, 1250);
  EXPECT_EQ(in.PensionRace, QStringLiteral("h"));
  EXPECT_EQ(in.PensionSex, QStringLiteral("f"));
  EXPECT_EQ(in.PensionTableModel, 2);
  // The oldest ages read the table's last row: 99 years 12 months is age 100.
  e.CurrentAgeYrs = QStringLiteral("99");
  const PensionResult r = ComputePensionValue(Accepted(e));
  EXPECT_EQ(r.Picture4, QStringLiteral(" 2.60 Years"));  // Hispanic women at 100
  EXPECT_EQ(r.Payments, 12 * 2.6);
}

// A termination age must be later than the payable age, and than the current
// age when that is later; refused with the termination years' message.
TEST(PensionValue, TerminationNotLaterThanPaymentsStartIsRefused) {
  const struct { const char* current; const char* payable; const char* end; const char* endMos; bool ok; } cases[] = {
      {"40", "65", "65", "", false}, {"40", "65", "64", "11", false}, {"40", "65", "65", "1", true},
      {"70", "65", "70", "", false}, {"70", "65", "70", "1", true},   {"40", "65", "2", "", false},
  };
  for (const auto& c : cases) {
    PensionEntries e = UpToAge(Example(), c.end, c.endMos);
    e.CurrentAgeYrs = QString::fromLatin1(c.current);
    e.AgePayableYrs = QString::fromLatin1(c.payable);
    PensionInputs in;
    const EntryCheck check = CheckPensionEntries(e, in);
    EXPECT_EQ(check.result, c.ok ? 0 : 1) << c.current << " " << c.payable << " " << c.end << "/" << c.endMos;
    if (!c.ok) {
      EXPECT_EQ(check.message,
                QStringLiteral("Please ReEnter The Number Of Years In Holder's Age When Pension Terminates"));
      EXPECT_EQ(check.field, QStringLiteral("AgeTerminateYrs"));
    }
  }
}

// Once the current age has reached the payable age (years and months
// compared), nothing is deferred and no death before payment is counted.
TEST(PensionValue, PayableAgeReachedStartsPaymentsNow) {
  const struct { const char* cy; const char* cm; const char* py; const char* pm; } cases[] = {
      {"66", "0", "65", "0"},
      {"66", "3", "65", "0"},  // deferral 0, not -3 months
      {"65", "6", "65", "3"},  // the months make the current age later: no negative percentage
      {"65", "3", "65", "3"},
  };
  for (const auto& c : cases) {
    PensionEntries e = Example();
    e.CurrentAgeYrs = QString::fromLatin1(c.cy);
    e.CurrentAgeMos = QString::fromLatin1(c.cm);
    e.AgePayableYrs = QString::fromLatin1(c.py);
    e.AgePayableMos = QString::fromLatin1(c.pm);
    const PensionResult r = ComputePensionValue(Accepted(e));
    EXPECT_EQ(r.Picture3, QStringLiteral(" 0.00%")) << c.cy << "/" << c.cm;
    EXPECT_EQ(r.DeferralMonths, 0) << c.cy << "/" << c.cm;
    EXPECT_EQ(r.DeathPossibility, 0);
  }
  // Until death from 66 years 3 months: the life expectancy there, 17.3 x 9/12 + 16.6... x 3/12.
  PensionEntries e = Example();
  e.CurrentAgeYrs = QStringLiteral("66");
  e.CurrentAgeMos = QStringLiteral("3");
  const PensionResult r = ComputePensionValue(Accepted(e));
  EXPECT_EQ(r.Picture4, QStringLiteral(" 17.13 Years"));
}

// Payments up to an age are whole months from the first payment: 65 years 1
// month to 80 years 0 months is 179 payments (counting 12 x (80 - 65.0833) in
// single precision gave 178).
TEST(PensionValue, PaymentsUpToAnAgeCountWholeMonths) {
  PensionEntries e = UpToAge(Example(), "80", "0");
  e.AgePayableMos = QStringLiteral("1");
  PensionResult r = ComputePensionValue(Accepted(e));
  EXPECT_EQ(r.Payments, 179);
  EXPECT_EQ(r.Picture4, QStringLiteral(" 14.92 Years"));
  EXPECT_EQ(r.DeferralMonths, 301);

  // From the current age when payments have begun: 70 to 80 is 120 payments.
  e = UpToAge(Example(), "80");
  e.CurrentAgeYrs = QStringLiteral("70");
  r = ComputePensionValue(Accepted(e));
  EXPECT_EQ(r.Payments, 120);
  EXPECT_EQ(r.Picture4, QStringLiteral(" 10.00 Years"));
}

// Until death the whole months of 12 x L are summed: payable at 65 years 6
// months, L = 18.0 x 6/12 + 17.3 x 6/12 = 17.65, N = 211.8, 211 payments.
TEST(PensionValue, PaymentsUntilDeathSumWholeMonths) {
  PensionEntries e = Example();
  e.AgePayableMos = QStringLiteral("6");
  e.DiscountRate = QStringLiteral("0");
  e.TaxRate = QStringLiteral("0");
  const PensionResult r = ComputePensionValue(Accepted(e));
  EXPECT_NEAR(r.Payments, 211.8, 1e-9);
  EXPECT_EQ(r.Picture4, QStringLiteral(" 17.65 Years"));
  // Discount rate 0: PV = (1 - q) x 1000 x 211 payments.
  EXPECT_NEAR(r.PresentValue, (1 - r.DeathPossibility) * 1000 * 211, 1e-6);
  // Tax rate 0: no after-tax value.
  EXPECT_TRUE(r.Picture2.isEmpty());
}

TEST(PensionValue, TwelveMonthsReadAsTheNextYear) {
  PensionEntries e = Example();
  e.AgePayableYrs = QStringLiteral("64");
  e.AgePayableMos = QStringLiteral("12");
  const PensionResult r = ComputePensionValue(Accepted(e));
  EXPECT_EQ(r.Picture3, QStringLiteral(" 16.13%"));
  EXPECT_EQ(r.Picture4, QStringLiteral(" 18.00 Years"));
  EXPECT_EQ(r.Picture1, QStringLiteral(" $34,176"));
}

}  // namespace
