#include "express/CustodyStates.h"

#include <initializer_list>

#include "case/CaseCodes.h"
#include "express/SplitCustody.h"
#include "platform/NumberText.h"

namespace express {

const CustodyOption kCustodyOptions[5] = {
    {"NoMinorOption", casevars::custody::NoMinors},
    {"CustodialOption", casevars::custody::Cust},
    {"NonCustodialOption", casevars::custody::NonCust},
    {"SharedOption", casevars::custody::Shared},
    {"SplitOption", casevars::custody::Split},
};

namespace {

using Names = std::initializer_list<const char*>;
using Kind = ScreenChange::Kind;

const Names kWorksheetRole = {"ParentLabel", "FParentOption", "MParentOption"};
const Names kRunButtons = {"ChildSupportButton", "RunWaWs"};
const Names kChildSupportEntry = {"ChildSupport", "CSLabel2", "CSLabel"};
const Names kAlimonyEntry = {"CurrentMaintTransfer", "MaintLabel"};
const Names kChildCosts = {
    "ClaimDayCare", "OtherDayCare", "ClaimNumCare", "OtherNumCare", "ClaimHealthCare",
    "OtherHealthCare", "ClaimSpecial", "OtherSpecial", "ClaimDayCareLabel", "OtherDayCareLabel",
    "ClaimHealthCareLabel", "OtherHealthCareLabel", "ClaimSpecialLabel", "OtherSpecialLabel",
    "ClaimNumCareLabel", "PayerNumCareLabel"};
// The cost boxes emptied when the minor-children fields are hidden, in order.
const Names kEmptiedCosts = {"ClaimDayCare", "OtherDayCare", "ClaimHealthCare",
                             "OtherHealthCare", "ClaimSpecial", "ClaimNumCare",
                             "OtherNumCare", "OtherSpecial"};
const Names kTimeSharing = {"ClaimDays",     "PayerDays", "PercentOfTimeValue", "PayerPerCent",
                            "PercentOfTime", "Label17",   "Label18",            "Label19"};
const Names kSplitCounts = {"ClaimantPossession11", "OtherPossession11"};
const Names kOtherCustodyOptions = {"CustodialOption", "SplitOption", "SharedOption",
                                    "NonCustodialOption"};
const Names kCaregiverOptions = {"CharOption1", "CharOption2", "CharOption3"};

class Changes {
 public:
  Changes& Set(Names names, Kind kind, std::variant<bool, QString, int, std::uint32_t> value) {
    for (const char* name : names) list.push_back({QLatin1String(name), kNoIndex, kind, value});
    return *this;
  }
  Changes& Show(Names names, bool visible) { return Set(names, Kind::Visible, visible); }
  Changes& Enable(Names names, bool enabled) { return Set(names, Kind::Enabled, enabled); }
  Changes& Text(Names names, const char* text) {
    return Set(names, Kind::Text, QString::fromLatin1(text));
  }
  Changes& Value(Names names, int value) { return Set(names, Kind::Value, value); }

  std::vector<ScreenChange> list;
};

}  // namespace

std::vector<ScreenChange> ScreenChanges(ScreenProcedure procedure, bool autoCalcChecked) {
  Changes c;
  switch (procedure) {
    case ScreenProcedure::ShowMinorChildFields:
      c.Show(kWorksheetRole, true).Enable(kRunButtons, true);
      c.Set(kRunButtons, Kind::BackColor, kRunButtonColor);
      c.Show(kChildSupportEntry, true).Show(kChildCosts, true);
      if (autoCalcChecked)
        c.Show(kChildSupportEntry, false).Show({"ApplyMaintToCS"}, false).Show(kAlimonyEntry, true);
      else
        c.Show(kChildSupportEntry, true).Show({"ApplyMaintToCS"}, false).Show(kAlimonyEntry, false);
      break;
    case ScreenProcedure::HideMinorChildFields:
      c.Show(kWorksheetRole, false).Enable(kRunButtons, false);
      c.Show(kChildSupportEntry, false).Text({"ChildSupport"}, "");
      c.Show(kChildCosts, false).Show({"ApplyMaintToCS"}, false).Text(kEmptiedCosts, "");
      break;
    case ScreenProcedure::HidePossessionFields:
      c.Show({"SharedCalc"}, false).Show({"ShareSplitFrame"}, true);
      c.Enable({"ShareSplitFrame"}, false).Text({"ShareSplitFrame"}, "Shared/Split Possession");
      c.Show(kTimeSharing, false).Show(kSplitCounts, false);
      break;
    case ScreenProcedure::ShowSplitPossessionFields:
      c.Show({"Frame10"}, true).Show({"ShareSplitFrame"}, false).Show(kTimeSharing, false);
      c.Show(kSplitCounts, true).Show({"SharedCalc"}, false);
      break;
    case ScreenProcedure::ShowSharedPossessionFields:
      c.Show({"SharedCalc"}, true).Show({"Frame10"}, false);
      c.Enable({"ShareSplitFrame"}, true).Show({"ShareSplitFrame"}, true);
      c.Text({"ShareSplitFrame"}, "Shared Possession");
      c.Show(kTimeSharing, true).Show(kSplitCounts, false);
      break;
    case ScreenProcedure::ShowCaregiverOptions:
      for (const char* option : kCaregiverOptions) c.Show({option}, true).Value({option}, kOff);
      c.Enable({"CharacterizationFrame"}, true);
      break;
    case ScreenProcedure::HideCaregiverOptions:
      for (const char* option : kCaregiverOptions) c.Show({option}, false).Value({option}, kOff);
      c.Enable({"CharacterizationFrame"}, false);
      break;
    case ScreenProcedure::LockToNoMinors:
      c.Enable({"NoMinorOption"}, true).Value({"NoMinorOption"}, kOn);
      c.Enable(kOtherCustodyOptions, false);
      break;
    case ScreenProcedure::UnlockCustodyOptions:
      c.Enable({"NoMinorOption"}, true).Value({"NoMinorOption"}, kOff);
      c.Enable(kOtherCustodyOptions, true);
      break;
  }
  return c.list;
}

namespace {

void Apply(ExpressFields& f, const ScreenChange& change) {
  switch (change.kind) {
    case Kind::Visible: f.SetVisible(change.name, std::get<bool>(change.value), change.index); break;
    case Kind::Enabled: f.SetEnabled(change.name, std::get<bool>(change.value), change.index); break;
    case Kind::Text: f.SetText(change.name, std::get<QString>(change.value), change.index); break;
    case Kind::Value: f.SetValue(change.name, std::get<int>(change.value), change.index); break;
    case Kind::BackColor:
      f.SetBackColor(change.name, std::get<std::uint32_t>(change.value), change.index);
      break;
  }
}

bool IsOn(const ExpressFields& f, const char* option) {
  return f.Value(QLatin1String(option)) == kOn;
}

}  // namespace

void RunProcedure(ExpressFields& f, casevars::ExpressVars& ev, ScreenProcedure procedure) {
  const bool autoCalc = f.MenuChecked(QStringLiteral("AutoCalc"));
  const bool noMinorsWasOn = IsOn(f, "NoMinorOption");
  for (const ScreenChange& change : ScreenChanges(procedure, autoCalc)) Apply(f, change);
  if (procedure == ScreenProcedure::ShowMinorChildFields) {
    ev.SequencingMode = autoCalc ? 1 : 0;
    if (!autoCalc) ev.MaintAppliedToCS = 0;
  }
  // Turning "No Minor Children" on runs its click handling.
  if (procedure == ScreenProcedure::LockToNoMinors && !noMinorsWasOn) ApplyCustodyState(f, ev);
}

std::vector<ScreenProcedure> CustodyStateProcedures(const ExpressFields& f) {
  using P = ScreenProcedure;
  std::vector<P> run;
  if (IsOn(f, "NoMinorOption"))
    run = {P::HidePossessionFields, P::ShowCaregiverOptions, P::HideMinorChildFields};
  else if (IsOn(f, "NonCustodialOption") || IsOn(f, "CustodialOption"))
    run = {P::HidePossessionFields, P::ShowCaregiverOptions, P::ShowMinorChildFields};
  else if (IsOn(f, "SharedOption"))
    run = {P::ShowSharedPossessionFields, P::ShowCaregiverOptions, P::ShowMinorChildFields};
  else if (IsOn(f, "SplitOption"))
    run = {P::ShowSplitPossessionFields, P::ShowCaregiverOptions, P::ShowMinorChildFields};
  else
    run = {P::ShowCaregiverOptions, P::HidePossessionFields, P::ShowMinorChildFields};

  // No child born during the marriage: no caregiver either. Only an empty
  // count or a real 0 means none; a text that is not a number changes nothing.
  const QString born = f.Text(QStringLiteral("NumChild"));
  const bool noneBorn = born.isEmpty() || (platform::IsNumeric(born) && platform::Val(born) == 0);
  if (IsOn(f, "NoMinorOption") && noneBorn)
    run.insert(run.end(), {P::HidePossessionFields, P::HideCaregiverOptions, P::HideMinorChildFields});
  return run;
}

void ApplyCustodyState(ExpressFields& f, casevars::ExpressVars& ev) {
  for (ScreenProcedure procedure : CustodyStateProcedures(f)) RunProcedure(f, ev, procedure);
}

namespace {

void EnableMinorCount(ExpressFields& f, bool enabled) {
  f.SetEnabled(QStringLiteral("MinChildLabel"), enabled);
  f.SetEnabled(QStringLiteral("MinChild"), enabled);
}

// A count box's number; none for an empty text or one that is not a number
// (such a text changes nothing).
std::optional<double> CountEntry(const QString& text) {
  if (!platform::IsNumeric(text)) return std::nullopt;
  return platform::Val(text);
}

}  // namespace

void NumChild_Change(ExpressFields& f, casevars::ExpressVars& ev) {
  const auto born = CountEntry(f.Text(QStringLiteral("NumChild")));
  if (!born) return;
  if (*born != 0) {
    EnableMinorCount(f, true);
    RunProcedure(f, ev, ScreenProcedure::UnlockCustodyOptions);
    RunProcedure(f, ev, ScreenProcedure::ShowMinorChildFields);
  } else {
    RunProcedure(f, ev, ScreenProcedure::LockToNoMinors);
    RunProcedure(f, ev, ScreenProcedure::HideMinorChildFields);
    EnableMinorCount(f, false);
    f.SetText(QStringLiteral("MinChild"), QString());
  }
  ApplyCustodyState(f, ev);
}

void MinChild_Change(ExpressFields& f, casevars::ExpressVars& ev, Prompter& prompter) {
  const auto minors = CountEntry(f.Text(QStringLiteral("MinChild")));
  if (!minors) return;
  if (platform::Val(f.Text(QStringLiteral("NumChild"))) < *minors) {
    prompter.EntryError(QStringLiteral("Minor Children Can Not Exceed Number Of Children Born"));
    f.SetText(QStringLiteral("MinChild"), QString());
    return;
  }
  if (*minors == 0) {
    RunProcedure(f, ev, ScreenProcedure::LockToNoMinors);
    RunProcedure(f, ev, ScreenProcedure::HideMinorChildFields);
  } else {
    RunProcedure(f, ev, ScreenProcedure::UnlockCustodyOptions);
    RunProcedure(f, ev, ScreenProcedure::ShowMinorChildFields);
    f.SetEnabled(QStringLiteral("NoMinorOption"), false);
    if (IsOn(f, "SplitOption")) {
      for (const char* box : kSplitCounts) f.SetText(QLatin1String(box), QString());
      SplitOption_Click(f, ev, prompter);
      ClaimChild_Click(f, ev, prompter);
    }
    EnableMinorCount(f, true);
  }
  ApplyCustodyState(f, ev);
}

}  // namespace express
