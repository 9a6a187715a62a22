#include "tools/DependsFlip.h"

#include <algorithm>
#include <cmath>

#include "case/CaseCodes.h"
#include "express/Prompter.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"
#include "tools/WhatIfRun.h"

namespace tools {

namespace {

// A field holds a number: numeric as typed and not negative; a count must
// also be whole.
bool HoldsNumber(const QString& text, bool whole, float& value) {
  if (!platform::IsNumeric(text)) return false;
  const double v = platform::Val(text);
  if (v < 0 || (whole && v != std::floor(v))) return false;
  value = static_cast<float>(v);
  return true;
}

DependsCheck Failed(int step, const char* prompt, DependsField focus) {
  return {step, QString::fromLatin1(prompt), focus};
}

// The number the Express screen's ChildSupport text starts with.
double TransferOf(const QString& text) {
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  return platform::Val(cleaned);
}

double PartyTax(const casevars::CaseVars& vars, casevars::Party party) {
  const auto& tax = vars.Tax[party];
  return tax.YrStateTax + tax.YrFedTax - tax.YrTotalCredits;
}

QString Money(double value) { return platform::Format(value, "$####0"); }
QString Gain(double value) { return QStringLiteral("+") + Money(value); }

int TierIndex(const casevars::CaseVars& vars) {
  return std::clamp<int>(vars.Express.NumMinorChildren, 0, 6);
}

AmountLine SupportLine(bool receiving, double r) {
  const char* kind = receiving ? "Received" : "Paid";
  if (r == 0) return {QStringLiteral("  No Change In Child Support %1/Yr   ").arg(QLatin1String(kind)), Money(0)};
  if (r > 0)
    return {QStringLiteral("  Increase In Child Support %1/Yr   ").arg(QLatin1String(kind)),
            receiving ? Gain(r) : Money(-r)};
  return {QStringLiteral("  Decrease In Child Support %1/Yr   ").arg(QLatin1String(kind)),
          receiving ? Money(r) : Gain(-r)};
}

void AddTaxAndNet(PartyLines& party, double tax, double net) {
  if (tax == 0)
    party.lines.push_back({QStringLiteral("  No Change In Tax Paid/Yr   "), Money(0)});
  else if (tax < 0)
    party.lines.push_back({QStringLiteral("  Increase In Tax Paid/Yr   "), Money(tax)});
  else
    party.lines.push_back({QStringLiteral("  Decrease In Tax Paid/Yr   "), Gain(tax)});
  party.lines.push_back({QString(), QStringLiteral("----------")});
  if (net == 0)
    party.lines.push_back({QStringLiteral("  No Change In Net Income/Yr:   "), Money(0)});
  else if (net < 0)
    party.lines.push_back({QStringLiteral("  Decrease In Net Income/Yr:   "), Money(net)});
  else
    party.lines.push_back({QStringLiteral("  Increase In Net Income/Yr:   "), Gain(net)});
}

const char* const kFilingNote =
    " Consequently, There May Be Tax Implications Beyond This Calculation Which Uses Each Party's Existing Tax "
    "Filling Status.";

}  // namespace

std::pair<QString, QString> CourtRoles(bool claimantIsRespondent) {
  const QString petitioner = QStringLiteral("Petitioner"), respondent = QStringLiteral("Respondent");
  return claimantIsRespondent ? std::pair{respondent, petitioner} : std::pair{petitioner, respondent};
}

DependsCheck CheckDependsEntry(const DependsEntries& e, const casevars::CaseVars& vars, DependsRevised& revised) {
  using F = DependsField;
  if (!HoldsNumber(e.ClaimDepend17, true, revised.ClaimUnder17))
    return Failed(1, "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Claimant (For The "
                     "Federal Child Tax Credit), Or Enter 0 If None", F::ClaimDepend17);
  if (!HoldsNumber(e.PayerDepend17, true, revised.PayerUnder17))
    return Failed(2, "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Other Party (For The "
                     "Federal Child Tax Credit), Or Enter 0 If None", F::PayerDepend17);
  const int minors = vars.Express.NumMinorChildren;
  if (revised.ClaimUnder17 > minors)
    return Failed(3, "Number Of Children That Are Claimant's Revised Dependents Under Age 17 Should Be Less Than Or "
                     "Equal To The Total Number Of Minors", F::ClaimDepend17);
  if (revised.PayerUnder17 > minors)
    return Failed(4, "Number Of Children That Are Other Party's Revised Dependents Under Age 17 Should Be Less Than Or "
                     "Equal To The Total Number Of Minors", F::PayerDepend17);
  if (revised.ClaimUnder17 + revised.PayerUnder17 > minors)
    return Failed(5, "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be Less Than Or "
                     "Equal To The Total Number Of Minors", F::ClaimDepend17);
  if (vars.Express.CustodyStatus != casevars::custody::Shared) return {};
  if (!HoldsNumber(e.ClaimNights, false, revised.ClaimNights))
    return Failed(6, "Please ReEnter The Revised Overnights For The Claimant", F::ClaimNights);
  if (!HoldsNumber(e.PayerNights, false, revised.PayerNights))
    return Failed(7, "Please ReEnter The Revised Overnights For The Other Party", F::PayerNights);
  if (static_cast<float>(revised.ClaimNights + revised.PayerNights) != 365.0f)
    return Failed(8, "Total Sum Of Claimant's and Other Party's Overnights Must Equal 365", F::ClaimNights);
  return {};
}

void ReportDependsError(const DependsCheck& check, express::Prompter& prompter) {
  if (check.step == 0) return;
  prompter.Beep();
  prompter.EntryError(check.prompt);
}

NightsKeyUp OvernightsTyped(const QString& text) {
  NightsKeyUp k;
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  k.typed = platform::IsNumeric(cleaned) ? static_cast<float>(platform::Val(cleaned)) : 0.0f;
  k.other = static_cast<float>(365.00001 - k.typed);
  k.otherText = platform::Format(k.other, "##0.00");
  return k;
}

DependsFlipReport CalculateDependsFlip(casevars::CaseVars& vars, const DependsRevised& revised,
                                       const DependsServices& services) {
  using casevars::Party;
  const double old = TransferOf(services.childSupportText());
  const int n = TierIndex(vars);
  const float savedClaimNights = vars.Express.Claim.TierNights[n];
  const float savedPayerNights = vars.Express.Payer.TierNights[n];
  const double claimTaxBefore = PartyTax(vars, Party::Claim), payerTaxBefore = PartyTax(vars, Party::Payer);
  const bool shared = vars.Express.CustodyStatus == casevars::custody::Shared;

  auto change = [&](casevars::CaseVars& v) {
    v.Express.Claim.NumDependents = v.Express.Payer.NumDependents = 0;
    v.Express.Claim.Under17Children = platform::ToCount(revised.ClaimUnder17).value_or(0);
    v.Express.Payer.Under17Children = platform::ToCount(revised.PayerUnder17).value_or(0);
    v.Express.Claim.TierNights[n] = revised.ClaimNights;
    v.Express.Payer.TierNights[n] = revised.PayerNights;
  };
  auto run = [&] {
    if (services.computeChildSupport) services.computeChildSupport();
    const double now = TransferOf(services.childSupportText());
    DependsFlipReport report;
    report.originalMoChildSupport = old;
    const double tc = claimTaxBefore - PartyTax(vars, Party::Claim);
    const double to = payerTaxBefore - PartyTax(vars, Party::Payer);
    const double nc = tc + 12 * (now - old), no = to + 12 * (old - now);

    bool claimantReceives = true;
    double r = 12 * (now - old);
    if (old >= 0 && now >= 0) {
    } else if (old <= 0 && now <= 0) {
      claimantReceives = false;
      r = 12 * (old - now);
    } else if (old < 0 && now > 0) {
      report.notes << QStringLiteral(" Claimant Went From Payer To Payee");
    } else {
      claimantReceives = false;
      r = 12 * (old - now);
      report.notes << QStringLiteral(" Other Party Went From Payer To Payee");
    }
    if (shared) {
      if (savedClaimNights >= 182.5f && revised.ClaimNights < 182.5f)
        report.notes << QStringLiteral(" Claimant's Overnights Decreased Below 182.5, Which May Result In A Change In "
                                       "The Filing Status Of The Parties.")
                     << QString::fromLatin1(kFilingNote);
      if (savedPayerNights >= 182.5f && revised.PayerNights < 182.5f)
        report.notes << QStringLiteral(" Other Party's Overnights Decreased Below 182.5, Which May Result In A Change "
                                       "In The Filing Status Of The Parties.")
                     << QString::fromLatin1(kFilingNote);
    }

    report.transfer << QStringLiteral(" Original Child Support = %1 (%2/Yr)").arg(Money(old), Money(12 * old))
                    << QStringLiteral(" Child Support/Mo After Revised Dependencies And/Or Overnights = %1 (%2/Yr)")
                           .arg(Money(now), Money(12 * now));
    if (now == old) {
      report.transfer << QStringLiteral(" No Difference In Child Support Amounts = %1 (%2/Yr)").arg(Money(0), Money(0));
    } else {
      const double d = std::fabs(now - old);
      report.transfer << QStringLiteral(" Difference In Child Support Amounts = %1 (%2/Yr)").arg(Money(d), Money(12 * d));
    }

    const auto [claimRole, otherRole] = CourtRoles(services.ClaimantIsRespondent());
    report.claimant.heading = QStringLiteral(" %1's (Claimant) Income Adjustments /Yr").arg(claimRole);
    report.other.heading = QStringLiteral(" %1's (Other Party) Income Adjustments/Yr").arg(otherRole);
    report.claimant.lines.push_back(SupportLine(claimantReceives, r));
    report.other.lines.push_back(SupportLine(!claimantReceives, r));
    AddTaxAndNet(report.claimant, tc, nc);
    AddTaxAndNet(report.other, to, no);
    return report;
  };
  return RunWhatIf(vars, change, run, services.computeChildSupport);
}

}  // namespace tools
