#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/NumberText.h"
#include "tools/BonusRun.h"

using namespace tools;

namespace {

// Engines whose results follow the other party's earned wages: the alimony
// award grows by 20% of wages above 100,000, the child support transfer by .5%.
struct FakeCase {
  casevars::CaseVars vars;
  QString payerEarned = QStringLiteral("$ 100,000.00");
  QString childSupport = QStringLiteral("$700");
  QString currentMaint = QStringLiteral("$1,000");
  int driverRuns = 0, fieldWrites = 0;
  bool throwInAlimony = false;

  FakeCase() {
    vars.Income.Payer.YrEarned = 100000;
    vars.Alimony.YrAlimonyAward = 24000;
    vars.Support.MoChildSupportTransfer = 700;
  }

  BonusServices Services(bool applyMaint = true) {
    BonusServices s;
    s.payerEarnedText = [this] { return payerEarned; };
    s.setPayerEarnedText = [this](const QString& t) { payerEarned = t; };
    s.incomeRefresh = [this] { vars.Income.Payer.YrEarned = static_cast<double>(platform::AmountFromText(payerEarned)); };
    s.computeChildSupport = [this](bool writeField) {
      ++driverRuns;
      vars.Support.MoChildSupportTransfer = 700 + 0.005 * (vars.Income.Payer.YrEarned - 100000);
      if (writeField) {
        ++fieldWrites;
        childSupport = platform::Format(vars.Support.MoChildSupportTransfer, "$###,##0");
      }
    };
    // The case score sets the award flag to "N"; a user's award stands while it is "Y".
    s.computeAlimony = [this](bool caseScoreFirst) {
      if (throwInAlimony) throw std::runtime_error("stop");
      if (caseScoreFirst) vars.Express.AwardChangedFlag = QStringLiteral("N");
      const bool userAward = vars.Express.AwardChangedFlag == QLatin1String("Y");
      vars.Alimony.YrAlimonyAward = userAward ? 30000 : 24000 + 0.2 * (vars.Income.Payer.YrEarned - 100000);
      vars.Support.MoChildSupportForAlimony = userAward ? 650 : 700 + 0.005 * (vars.Income.Payer.YrEarned - 100000);
    };
    s.childSupportText = [this] { return childSupport; };
    s.setChildSupportText = [this](const QString& t) { childSupport = t; };
    s.currentMaintText = [this] { return currentMaint; };
    s.setCurrentMaintText = [this](const QString& t) { currentMaint = t; };
    s.applyMaintToCS = applyMaint;
    return s;
  }
};

}  // namespace

TEST(BonusRun, BonusEntryMustBeANumberAboveZero) {
  EXPECT_EQ(CheckBonusEntry(QStringLiteral("$50,000"), 100000).bonus, 50000.0);
  for (const char* refused : {"0", "-5", "abc", ""}) {
    const BonusEntryCheck check = CheckBonusEntry(QString::fromLatin1(refused), 100000);
    EXPECT_FALSE(check.bonus) << refused;
    EXPECT_EQ(check.message, kBonusEntryError) << refused;
  }
}

TEST(BonusRun, AlimonyShareAndLinesThenTheCaseIsBack) {
  FakeCase c;
  c.vars.Express.SequencingMode = 1;
  c.vars.Support.MoChildSupportForAlimony = 700;
  BonusValues v;
  RunBonus(BonusKind::Alimony, 50000, c.vars, c.Services(), v);
  EXPECT_EQ(BonusShareText(v), QStringLiteral("20.00%"));
  const QStringList lines = BonusResultLines(BonusKind::Alimony, v, 0);
  EXPECT_EQ(lines[0], QStringLiteral("Alimony/Mo Without Bonus: $2000 ($24000/Yr)"));
  EXPECT_EQ(lines[1], QStringLiteral("Alimony/Mo With Bonus: $2833 ($34000/Yr)"));
  EXPECT_EQ(lines[2], QStringLiteral("Difference In Alimony Recommendations/Mo: $833 ($10000/Yr)"));
  EXPECT_EQ(lines[5], QStringLiteral("Child Support/Mo Without Bonus: $700"));
  EXPECT_EQ(lines[6], QStringLiteral("Child Support/Mo With Bonus: $950"));
  EXPECT_EQ(c.payerEarned, QStringLiteral("$ 100,000.00"));
  EXPECT_EQ(c.vars.Income.Payer.YrEarned, 100000.0);
  EXPECT_EQ(c.vars.Alimony.YrAlimonyAward, 24000.0);
  EXPECT_EQ(c.childSupport, QStringLiteral("$700"));
  EXPECT_TRUE(c.currentMaint.isEmpty());  // as after an alimony run from the Express screen
}

// With the user's award in force the run still compares the suggestions, and
// the user's award is in force again after it.
TEST(BonusRun, AlimonyWithTheUsersAwardComparesSuggestionsAndKeepsTheAward) {
  FakeCase c;
  c.vars.Express.SequencingMode = 1;
  c.vars.Express.AwardChangedFlag = QStringLiteral("Y");
  c.vars.Alimony.YrAlimonyAward = 30000;
  c.vars.Support.MoChildSupportForAlimony = 650;
  BonusValues v;
  RunBonus(BonusKind::Alimony, 50000, c.vars, c.Services(), v);
  EXPECT_EQ(BonusShareText(v), QStringLiteral("20.00%"));
  const QStringList lines = BonusResultLines(BonusKind::Alimony, v, 0);
  EXPECT_EQ(lines[0], QStringLiteral("Alimony/Mo Without Bonus: $2000 ($24000/Yr)"));
  EXPECT_EQ(lines[5], QStringLiteral("Child Support/Mo Without Bonus: $700"));
  EXPECT_EQ(c.vars.Express.AwardChangedFlag, QStringLiteral("Y"));
  EXPECT_EQ(c.vars.Alimony.YrAlimonyAward, 30000.0);
}

// With child support first, the Express screen's ChildSupport keeps the text
// it held (an empty box stays empty) and the driver's results are those of the
// case without the bonus.
TEST(BonusRun, AlimonyWithChildSupportFirstKeepsTheChildSupportFieldAndRerunsTheDriver) {
  for (const char* field : {"", "$700", "n/a"}) {
    FakeCase c;
    c.childSupport = QString::fromLatin1(field);
    BonusValues v;
    RunBonus(BonusKind::Alimony, 50000, c.vars, c.Services(), v);
    EXPECT_EQ(c.childSupport, QString::fromLatin1(field));
    EXPECT_EQ(c.vars.Support.MoChildSupportTransfer, 700.0) << field;
    EXPECT_EQ(c.driverRuns, 2) << field;
    EXPECT_EQ(c.fieldWrites, 1) << field;  // only the bonus pass wrote the field
  }
}

TEST(BonusRun, ChildSupportShareAndLines) {
  FakeCase c;
  BonusValues v;
  RunBonus(BonusKind::ChildSupport, 50000, c.vars, c.Services(), v);
  EXPECT_EQ(BonusShareText(v), QStringLiteral("6.00%"));
  const QStringList lines = BonusResultLines(BonusKind::ChildSupport, v, c.vars.Express.MoAlimonyTransfer);
  EXPECT_EQ(lines[0], QStringLiteral("Child Support/Mo Without Bonus: $700 ($8400/Yr)"));
  EXPECT_EQ(lines[1], QStringLiteral("Child Support/Mo With Estimated Bonus: $950 ($11400/Yr)"));
  EXPECT_EQ(lines[2], QStringLiteral("Difference In Child Support/Mo: $250 ($3000/Yr)"));
  EXPECT_EQ(lines[4], QStringLiteral("Calculations Assume Alimony/Mo Transfer Of: $1000 ($12000/Yr)"));
  EXPECT_EQ(c.childSupport, QStringLiteral("$700"));
  EXPECT_EQ(c.vars.Income.Payer.YrEarned, 100000.0);

  FakeCase unticked;
  RunBonus(BonusKind::ChildSupport, 50000, unticked.vars, unticked.Services(false), v);
  EXPECT_EQ(unticked.vars.Express.MoAlimonyTransfer, 0.0);
}

TEST(BonusRun, ShareTexts) {
  const struct { double share; const char* text; } cases[] = {{0.2, "20.00%"}, {0.06, "6.00%"}, {0.005, ".50%"}, {0, ".00%"}};
  for (const auto& c : cases) {
    BonusValues v;
    v.BonusShare = c.share;
    EXPECT_EQ(BonusShareText(v), QString::fromLatin1(c.text));
  }
}

TEST(BonusRun, AnEngineStopStillPutsTheCaseBack) {
  FakeCase c;
  c.throwInAlimony = true;
  BonusValues v;
  EXPECT_THROW(RunBonus(BonusKind::Alimony, 50000, c.vars, c.Services(), v), std::runtime_error);
  EXPECT_EQ(c.payerEarned, QStringLiteral("$ 100,000.00"));
  EXPECT_EQ(c.vars.Income.Payer.YrEarned, 100000.0);
  EXPECT_EQ(c.childSupport, QStringLiteral("$700"));
}
