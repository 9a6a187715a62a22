#include "casefile/NewCase.h"

#include <QLatin1String>

#include <initializer_list>

#include "casefile/Placing.h"
#include "platform/Dialogs.h"

namespace casefile {

namespace {

using Kind = ClearStep::Kind;
using Names = std::initializer_list<const char*>;

class Steps {
 public:
  std::vector<ClearStep> list;

  void Add(const char* window, const QString& name, Kind kind, int index = kNoIndex,
           const QString& text = QString()) {
    list.push_back({{QLatin1String(window), name, index}, kind, text});
  }
  void On(const char* window, Names names, Kind kind, const QString& text = QString()) {
    for (const char* name : names) Add(window, QLatin1String(name), kind, kNoIndex, text);
  }
  // The income window of a name's party: "Claim..." on Form13, "Payer..." on Form14.
  void ByParty(Names names, Kind kind) {
    for (const char* name : names)
      Add(QLatin1String(name).startsWith(QLatin1String("Payer")) ? "Form14" : "Form13",
          QLatin1String(name), kind);
  }
  // Each claimant field on Form13, then its twin on Form14, name by name.
  void Twins(Names names, Kind kind) {
    for (const char* name : names) {
      Add("Form13", QLatin1String(name), kind);
      Add("Form14", PayerTwin(QLatin1String(name)), kind);
    }
  }
  // The claimant's fields on Form13, then their twins on Form14.
  void ClaimThenPayer(Names names, Kind kind) {
    for (const char* name : names) Add("Form13", QLatin1String(name), kind);
    for (const char* name : names) Add("Form14", PayerTwin(QLatin1String(name)), kind);
  }
  // Business arrays: element 0, then 1; each name on Form26, then Form27.
  void Business(Names names, Kind kind) {
    for (int element = 0; element < 2; ++element)
      for (const char* name : names) {
        Add("Form26", QLatin1String(name), kind, element);
        Add("Form27", QLatin1String(name), kind, element);
      }
  }

  static QString PayerTwin(const QString& name) {
    if (name.startsWith(QLatin1String("Claimant")))
      return QStringLiteral("Other") + name.mid(8);  // ClaimantAge65 -> OtherAge65
    return QStringLiteral("Payer") + name.mid(5);
  }
};

std::vector<ClearStep> MakeSteps() {
  Steps s;
  const QString empty;
  // Express screen: names and counts, custody, split counts, filing status.
  s.On("Form1", {"ClaimantName", "NumChild", "MinChild", "ClaimAge", "YrsMarriage", "EdSkillScore"}, Kind::Text);
  s.On("Form1", {"NoMinorOption"}, Kind::Deselect);
  s.On("Form1", {"CustodialOption"}, Kind::Select);
  s.On("Form1", {"NonCustodialOption", "SharedOption", "SplitOption", "CharOption1", "CharOption2", "CharOption3"},
       Kind::Deselect);
  s.On("Form1", {"ClaimantPossession11", "PercentOfTimeValue", "OtherPossession11"}, Kind::Text);
  s.On("Form1", {"ClaimHeadHouse"}, Kind::Select);
  s.On("Form1", {"ClaimSingle", "PayerHeadHouse"}, Kind::Deselect);
  s.On("Form1", {"PayerSingle"}, Kind::Select);
  s.On("Form1",
       {"ClaimGrossInc", "ClaimDependents", "ClaimDepend17", "PayGrossInc", "PayerDependents", "PayerDepend17",
        "ChildSupport", "ClaimDayCare", "ClaimNumCare", "OtherDayCare", "OtherNumCare", "ClaimStateTax",
        "PayerStateTax", "ClaimSpecial", "OtherHealthCare", "OtherSpecial", "ClaimHealthCare"},
       Kind::Text);
  s.On("Form1", {"ClaimMarried", "PayerMarried"}, Kind::Deselect);
  // Income windows.
  s.Twins({"ClaimEarned", "ClaimSelf", "ClaimFree", "ClaimLT", "ClaimST", "ClaimTotal", "ClaimPriorMaint",
           "ClaimItemizedAmount", "ClaimItemizedNoLimit", "ClaimSelfRetirementDeduct", "ClaimSelfHealthDeduct",
           "ClaimIRADeduct"},
          Kind::Text);
  s.ClaimThenPayer({"ClaimPriorMaintPaid", "ClaimPriorMaintPaid2"}, Kind::Text);
  s.Twins({"ClaimEICCheck"}, Kind::Untick);
  s.Twins({"ClaimOtherDeduct"}, Kind::Text);
  s.Twins({"ClaimEICNone"}, Kind::Deselect);
  s.Twins({"ClaimOtherCredits"}, Kind::Text);
  s.Twins({"ClaimStandardDeduction"}, Kind::Select);
  s.Twins({"ClaimItemizedDeduction"}, Kind::Deselect);
  s.Twins({"ClaimStIndus", "ClaimDues", "ClaimPensionPay"}, Kind::Text);
  s.On("Form1", {"PayerDays", "ClaimDays", "PayerPerCent"}, Kind::Text);
  s.ClaimThenPayer({"ClaimEICOne", "ClaimEICTwo", "ClaimEICThree"}, Kind::Deselect);
  s.ByParty({"PayerOtherSupport", "ClaimOtherSupport", "ClaimPT", "PayerPT"}, Kind::Text);
  s.On("Form1", {"CurrentMaintTransfer"}, Kind::Text);
  s.ByParty({"ClaimEarnedExempt", "PayerEarnedExempt", "ClaimSS", "ClaimSSChild", "PayerSS"}, Kind::Text);
  s.Twins({"ClaimEarned1", "ClaimEarnedExempt1", "ClaimSelf1", "ClaimFree1", "ClaimLT1", "ClaimPT1", "ClaimST1",
           "ClaimPriorMaint1", "ClaimSS1", "ClaimTotal1", "ClaimComp", "ClaimPension", "ClaimReimburse",
           "ClaimMedCare", "ClaimComp1", "ClaimPension1", "ClaimReimburse1"},
          Kind::Text);
  s.ClaimThenPayer({"ClaimPriorMaintPaid1", "ClaimPriorMaintPaid3"}, Kind::Text);
  // State tax: the methods emptied and set "As Rate", the entries ".00".
  s.On("Form1", {"ClaimStateTaxCombo", "PayerStateTaxCombo"}, Kind::Text);
  s.On("Form1", {"ClaimMFJ", "PayerMFJ"}, Kind::Deselect);
  s.On("Form1", {"ClaimStateTaxCombo", "PayerStateTaxCombo"}, Kind::Text, QStringLiteral("As Rate"));
  s.On("Form1", {"ClaimStateTax", "PayerStateTax"}, Kind::Text, QStringLiteral(".00"));
  // Parenting time, split placement, the rest of the income windows.
  for (int row = 0; row <= 6; ++row)
    for (const char* name : {"ClaimDays", "PayerDays", "PercentOfTimeValue", "PayerPerCent"})
      s.Add("Form16", QLatin1String(name), Kind::Text, row);
  for (const char* name : {"ClaimChild", "OtherChild"})
    for (int child = 0; child < 6; ++child) s.Add("Form1", QLatin1String(name), Kind::Deselect, child);
  s.ByParty({"PayerSSChild"}, Kind::Text);
  s.Add("Form13", QStringLiteral("ClaimantAge65"), Kind::Untick);
  s.Add("Form14", QStringLiteral("OtherAge65"), Kind::Untick);
  // Business windows.
  s.Business({"AWages", "BWages", "CWages", "DWages", "CPass", "DPass", "REIT"}, Kind::Text);
  s.Business({"ATrade", "BTrade", "CTrade", "DTrade"}, Kind::Untick);
  s.Business({"AW2", "BW2", "CW2", "DW2"}, Kind::Text);
  s.Business({"ACap", "BCap", "CCap", "DCap"}, Kind::Text);
  s.Business({"ANot", "BNot"}, Kind::Text);
  for (const auto& [window, prefix] : {std::pair{"Form13", "Claim"}, std::pair{"Form14", "Payer"}})
    for (const char* name : {"Tips", "OT"})
      for (int element = 0; element < 2; ++element)
        s.Add(window, QLatin1String(prefix) + QLatin1String(name), Kind::Text, element);
  for (const auto& [window, prefix] : {std::pair{"Form26", "Claim"}, std::pair{"Form27", "Payer"}})
    for (const char* name : {"ATips", "BTips", "CTips"})
      for (int element = 0; element < 2; ++element)
        s.Add(window, QLatin1String(prefix) + QLatin1String(name), Kind::Text, element);
  s.Add("Form13", QStringLiteral("ClaimantSpouseAge65"), Kind::Untick);
  s.Add("Form14", QStringLiteral("OtherSpouseAge65"), Kind::Untick);
  return std::move(s.list);
}

bool IsDropDown(const ControlRef& c) { return c.name.endsWith(QLatin1String("StateTaxCombo")); }

}  // namespace

const std::vector<ClearStep>& NewCaseSteps() {
  static const std::vector<ClearStep> steps = MakeSteps();
  return steps;
}

bool ClearData(CaseFields& fields, platform::Dialogs& dialogs) {
  const int answer = dialogs.ShowMessageBox(
      QStringLiteral("Have You Saved Your Case Data? -  Are You Sure That You Want To Clear All Entries?"),
      platform::kBoxYesNo, QStringLiteral("Clear All Data?"));
  if (answer != platform::kAnswerYes) return false;
  for (const ClearStep& step : NewCaseSteps()) {
    switch (step.kind) {
      case Kind::Text: PlaceText(fields, step.control, step.text, !IsDropDown(step.control)); break;
      case Kind::Select: PlaceOption(fields, step.control, 1); break;
      case Kind::Deselect: PlaceOption(fields, step.control, 0); break;
      case Kind::Untick: PlaceTick(fields, step.control, 0); break;
    }
  }
  // No business figure of the previous case stays in the variables.
  fields.Run(QStringLiteral("Form26"), method::ClearBusinessVars);
  fields.Run(QStringLiteral("Form27"), method::ClearBusinessVars);
  return true;
}

}  // namespace casefile
