#include "case/CaseCodes.h"
#include "express/CheckSupport.h"
#include "express/ExpressChecks.h"
#include "platform/NumberText.h"

namespace express {

namespace {

namespace custody = casevars::custody;

QString L(const char* text) { return QLatin1String(text); }

// A number box read as typed: its value, or none when not numeric.
std::optional<double> ReadNumber(const QString& text) {
  if (!platform::IsNumeric(text)) return std::nullopt;
  return platform::Val(text);
}

}  // namespace

std::int16_t CheckDataEntry2(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  auto& ev = cv.Express;
  double& csForAlimony = cv.Support.MoChildSupportForAlimony;
  const bool noMinors = ev.CustodyStatus == custody::NoMinors;
  if (noMinors) {
    for (const char* box : {"ClaimDayCare", "OtherDayCare", "ClaimNumCare", "OtherNumCare"})
      f.SetText(L(box), QString());
    for (auto* party : {&ev.Claim, &ev.Payer}) {
      party->MoDayCare = 0;
      party->DayCareChildren = 0;
    }
    csForAlimony = 0;
  }

  const auto age = ReadNumber(f.Text(L("ClaimAge")));
  if (!age || *age <= 13 || *age >= 100)
    return FailRule(f, p, {L("ClaimAge")}, L("Please ReEnter Claimant's Age"));
  ev.Claim.AgeYears = float(*age);
  const auto years = ReadNumber(f.Text(L("YrsMarriage")));
  if (!years || *years <= 0 || *years >= 100)
    return FailRule(f, p, {L("YrsMarriage")}, L("Please ReEnter Years Of Marriage"));
  ev.MarriageYears = float(*years);
  // Compared as typed: an age of exactly the years plus 13 passes, though
  // neither typed figure is held exactly (1.19 + 13 lands above the held
  // 14.19). Both lie below 100, where typed figures differ by far more than
  // the allowance.
  constexpr double kHeldFiguresAllowance = 1e-9;
  if (*years + 13 - *age > kHeldFiguresAllowance)
    return FailRule(f, p, {L("YrsMarriage")},
                    L("Either Claimant's Age Or Years Of Marriage Entry Must Be Incorrect, Please "
                      "Reenter"));

  if (f.Enabled(L("CharacterizationFrame"))) {
    std::int16_t chosen = 0;
    for (std::int16_t i = 1; i <= 3 && chosen == 0; ++i)
      if (f.Value(QStringLiteral("CharOption%1").arg(i)) == kOn) chosen = i;
    if (chosen == 0)
      return FailRule(f, p, {}, L("Please Enter The Primary Caregiver Characterization"));
    ev.CaregiverCharacterization = chosen;
  }

  const auto score = ReadNumber(f.Text(L("EdSkillScore")));
  if (!score || *score < 0 || *score > 15)
    return FailRule(f, p, {L("EdSkillScore")},
                    L("Please ReEnter Claimant's Skill Score Which Must Be Between 0 and 15"));
  ev.Claim.SkillScore = float(*score);

  if (f.Value(L("NoMinorOption")) != kOn)
    csForAlimony = ReadAmount(f.Text(L("ChildSupport"))).value_or(0);
  const bool nonCust = ev.CustodyStatus == custody::NonCust;
  if (csForAlimony > 0 && nonCust && f.MenuChecked(L("DontAutoCalc")) &&
      WarnRule(f, p, L("ChildSupport"),
               L("Monthly Child Support Payment For A Non-Custodial Claimant Is Generally "
                 "Negative Or $0, Do You Want To ReEnter This Value?")))
    return kCheckStop;
  if (nonCust && csForAlimony != 0) csForAlimony = -csForAlimony;

  ev.AwardChangedFlag = ev.UnallocatedFlag = ev.UnallocatedChangedFlag = QStringLiteral("N");
  return kCheckPass;
}

std::int16_t CheckDataEntry3(ExpressFields& f, casevars::CaseVars& cv, Prompter& p) {
  auto& ev = cv.Express;
  // The alimony transfer: empty (or currency characters alone) is no alimony;
  // any other text that is not a number is refused, never taken as none.
  const QString transfer = f.Text(L("CurrentMaintTransfer"));
  if (const auto amount = ReadAmount(transfer)) {
    ev.MoAlimonyTransfer = *amount;
  } else if (WithoutCurrency(transfer).remove(QChar(0)).isEmpty()) {
    ev.MoAlimonyTransfer = 0;
    f.SetText(L("CurrentMaintTransfer"), QString());
  } else {
    return FailRule(f, p, {L("CurrentMaintTransfer")},
                    L("Please ReEnter The Monthly Alimony Transfer From The Other Party To The "
                      "Claimant As A Dollar Amount (Negative If Claimant Pays), Or Leave It Empty "
                      "If There Is No Alimony"));
  }

  if (f.Value(L("NoMinorOption")) == kOn) return kCheckPass;
  struct Cost {
    const char* box;
    double* variable;
    const char* message;
  };
  const Cost kCosts[] = {
      {"ClaimSpecial", &ev.Claim.MoNonCoveredHealth,
       "Please ReEnter Claimant's Monthly Non-Covered Health Expenses, Or Enter A $0 If There Are "
       "No Payments"},
      {"OtherSpecial", &ev.Payer.MoNonCoveredHealth,
       "Please ReEnter Other Parent's Monthly Non-Covered Health Expenses, Or Enter A $0 If There "
       "Are No Payments"},
      {"ClaimHealthCare", &ev.Claim.MoChildHealthIns,
       "Please ReEnter Claimant's Monthly Health Insurance Cost, Or Enter A $0 If There Are No "
       "Payments"},
      {"OtherHealthCare", &ev.Payer.MoChildHealthIns,
       "Please ReEnter Other Parent's Monthly Health Insurance Cost, Or Enter A $0 If There Are "
       "No Payments"},
  };
  for (const Cost& cost : kCosts) {
    const auto amount = ReadAmount(f.Text(L(cost.box)));
    if (!amount || *amount < 0) return FailRule(f, p, {L(cost.box)}, L(cost.message));
    *cost.variable = *amount;
  }
  return kCheckPass;
}

}  // namespace express
