#include <gtest/gtest.h>

#include "affidavit/calc/ExpressTransfers.h"
#include "platform/ScriptedDialogs.h"

using namespace affidavit;

namespace {

PageElement E(const QString& page, const char* array, int index = kSingle) {
  return {page, QLatin1String(array), index};
}
casefile::ControlRef W(const char* window, const char* name) { return {QLatin1String(window), QLatin1String(name)}; }

struct Windows {
  FakeAffidavitPages pages;
  casefile::FakeCaseFields windows;
  casevars::CaseVars vars;
  platform::ScriptedDialogs dialogs;
  TransferContext context{pages, windows, vars, 1};
};

}  // namespace

TEST(GetDataFromExpress, FillsTheDeclarantsLinesOfThePageInUse) {
  struct Case {
    std::int16_t form;
    bool claimant;
  };
  for (const Case c : {Case{1, true}, Case{1, false}, Case{0, true}, Case{0, false}}) {
    Windows s;
    s.context.formType = c.form;
    const QString page = c.form == 1 ? QStringLiteral("Form12") : QStringLiteral("Form121");
    s.pages.SetValue(E(page, "FAClaim"), c.claimant ? 1 : 0);
    const char* window = c.claimant ? "Form13" : "Form14";
    // The income windows are monthly once switched: 12,000 yearly shows 1,000.
    s.windows.OnRun = [&](const QString& w, const QString& method, int) {
      if (method == QLatin1String(kMonthlyClick) && w == QLatin1String(window))
        s.windows.SetText(W(window, c.claimant ? "ClaimEarned" : "PayerEarned"), QStringLiteral("$ 1,000.00"));
      return true;
    };
    s.windows.SetText(W("Form1", "CurrentMaintTransfer"), QStringLiteral("$300"));
    s.windows.SetValue(W("Form1", c.claimant ? "ClaimHeadHouse" : "PayerHeadHouse"), 1);
    s.windows.SetText(W("Form1", c.claimant ? "ClaimHealthCare" : "OtherHealthCare"), QStringLiteral("$80"));
    s.windows.SetText(W("Form1", c.claimant ? "ClaimDepend17" : "PayerDepend17"), QStringLiteral("2"));
    s.pages.SetText(E(page, "S1", 28), QStringLiteral("$50"));
    s.pages.SetText(E(page, "S1", 30), QStringLiteral("$60"));
    s.pages.SetText(E(page, "S1", 5), QStringLiteral("$70"));
    s.dialogs.AnswerMessageBox(platform::kAnswerNo);
    GetDataFromExpressForm(s.context, s.dialogs);

    EXPECT_EQ(s.windows.Log, (std::vector<QString>{"run Form13.Monthly_Click", "run Form14.Monthly_Click"}));
    EXPECT_EQ(s.pages.Text(E(page, "S1", 32)), "$ 1,000.00");
    EXPECT_EQ(s.pages.Text(E(page, "S1", 2)), "$");  // no tips or overtime
    EXPECT_EQ(s.pages.Text(E(page, "S1", 5)), "$70");  // a line the transfer leaves alone
    EXPECT_EQ(s.pages.Text(E(page, "S1", c.claimant ? 28 : 30)), "$300");
    EXPECT_EQ(s.pages.Text(E(page, "S1", c.claimant ? 30 : 28)), "$");
    EXPECT_EQ(s.pages.Value(E(page, "S1FileOp", 1)), 1);
    EXPECT_EQ(s.pages.Value(E(page, "S1FileOp", 0)), 0);
    EXPECT_EQ(s.pages.Text(E(page, "S2", c.form == 1 ? 46 : 65)), "$80");
    EXPECT_EQ(s.pages.Text(E(page, "S1T", 0)), "2");
    EXPECT_EQ(s.pages.Text(E(page, "S1T", 21)), "Passive Income, Rentals, Royalties, Annuities, Etc");
    EXPECT_EQ(s.pages.Text(E(page, "S1", 1)), "$1,000");
    EXPECT_DOUBLE_EQ(s.vars.Affidavit.FDIncomeValues[1].number, 1000);
  }
}

TEST(GetDataFromExpress, ClearsOnYesAloneAndSumsTipsAndOvertime) {
  for (const int answer : {int{platform::kAnswerYes}, int{platform::kAnswerNo}, 0}) {
    Windows s;
    s.pages.SetValue(E(QStringLiteral("Form12"), "FAClaim"), 1);
    s.pages.SetText(E(QStringLiteral("Form122"), "S3", 0), QStringLiteral("$5"));
    s.vars.Income.Claim.YrTips = 1000.4f;
    s.vars.Income.Claim.YrOT = 250;
    s.dialogs.AnswerMessageBox(static_cast<int16_t>(answer));
    GetDataFromExpressForm(s.context, s.dialogs);
    EXPECT_EQ(s.pages.Text(E(QStringLiteral("Form122"), "S3", 0)), answer == platform::kAnswerYes ? "$" : "$5");
    EXPECT_EQ(s.pages.Text(E(QStringLiteral("Form12"), "S1", 2)), "$1,250");
  }
}

TEST(TransferToExpress, WritesTheDeclarantsWindowFromThePageInUse) {
  struct Case {
    std::int16_t form;
    bool claimant;
  };
  for (const Case c : {Case{1, true}, Case{1, false}, Case{0, true}, Case{0, false}}) {
    Windows s;
    s.context.formType = c.form;
    const QString page = c.form == 1 ? QStringLiteral("Form12") : QStringLiteral("Form121");
    s.pages.SetValue(E(page, "FAClaim"), c.claimant ? 1 : 0);
    s.pages.SetText(E(page, "S1", 4), QStringLiteral("$1,200.40"));
    s.pages.SetText(E(page, "S1", 5), QStringLiteral("300"));
    s.pages.SetText(E(page, "S1", 32), QStringLiteral("$2,000.55"));
    s.pages.SetText(E(page, "S1", 28), QStringLiteral("$100"));
    s.pages.SetText(E(page, "S1", 30), QStringLiteral("$200"));
    s.pages.SetValue(E(page, "S1FileOp", 3), 1);
    s.pages.SetText(E(page, "S2", c.form == 1 ? 47 : 41), QStringLiteral("$45"));
    s.pages.SetText(E(page, "S1T", 0), QStringLiteral("3"));
    ASSERT_TRUE(TransferDataToExpressForm(s.context, s.dialogs));

    const char* w = c.claimant ? "Form13" : "Form14";
    const QString p = c.claimant ? QStringLiteral("Claim") : QStringLiteral("Payer");
    const QString o = c.claimant ? QStringLiteral("Claim") : QStringLiteral("Other");
    const auto text = [&](const char* window, const QString& name) {
      return s.windows.Text({QLatin1String(window), name});
    };
    EXPECT_EQ(text(w, p + "Comp"), "$1,500");
    EXPECT_EQ(text(w, p + "Earned"), "$2,000.55");
    EXPECT_EQ(text(w, p + "PT"), "$0");
    EXPECT_EQ(text("Form1", QStringLiteral("CurrentMaintTransfer")), c.claimant ? "$100" : "$200");
    EXPECT_EQ(s.windows.Value({QStringLiteral("Form1"), p + "MFJ"}), 1);
    EXPECT_EQ(text("Form1", o + "Special"), "$45");
    EXPECT_EQ(text("Form1", o + "DayCare"), "0");
    EXPECT_EQ(text("Form1", p + "Depend17"), "3");
    EXPECT_EQ(s.windows.Log,
              (std::vector<QString>{"run Form13.Monthly_Click", "run Form14.Monthly_Click",
                                    "run Form13.AssignPopUpVars", "run Form14.AssignPopUpVars",
                                    "run Form13.AddIncomeVars", "run Form13.Yearly_Click",
                                    "run Form13.AssignDeductVars", "run Form14.AddIncomeVars",
                                    "run Form14.Yearly_Click", "run Form14.AssignDeductVars"}));
  }
}
