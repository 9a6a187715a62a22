#include "affidavit/calc/ExpressTransfers.h"

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "platform/NumberText.h"

namespace affidavit {

namespace {

using casefile::ControlRef;

// One income line between a page's S1 box and the income windows' boxes
// (named without their Claim / Payer prefix).
struct IncomeLine {
  int box;
  const char* window;  // the income window's box, after the party prefix
};

// Lines copied both ways, in the order Get Data writes them (lines 1a, 1b
// first and the tips line between them and line 3 are handled apart).
constexpr IncomeLine kCopiedLines[] = {
    {3, "Self"},        {4, "Comp"},         {15, "PT"},          {7, "Pension"},        {37, "SS"},
    {0, "SSChild"},     {29, "PriorMaint"},  {36, "Free"},          {34, "ST"},
    {35, "LT"},         {13, "Reimburse"},   {20, "MedCare"},       {21, "Dues"},
    {22, "PensionPay"}, {23, "StIndus"},     {24, "OtherSupport"},  {31, "PriorMaintPaid"},
    {38, "PriorMaintPaid2"},
};

const char* const kFilingOptions[] = {"Single", "HeadHouse", "Married", "MFJ"};

struct Sides {
  bool claimant;
  QString page;
  QString incomeWindow;   // "Form13" / "Form14"
  QString prefix;         // "Claim" / "Payer"
  QString expensePrefix;  // "Claim" / "Other"
  int healthBox;          // the children's health insurance line
  int uncoveredBox;       // the children's costs not covered by insurance
};

Sides SidesOf(const TransferContext& context) {
  const bool longForm = context.formType == kLongForm;
  Sides s;
  s.page = FirstPage(longForm ? kLongForm : kShortForm);
  s.claimant = context.pages.Value({s.page, QStringLiteral("FAClaim"), kSingle}) != 0;
  s.incomeWindow = s.claimant ? QStringLiteral("Form13") : QStringLiteral("Form14");
  s.prefix = s.claimant ? QStringLiteral("Claim") : QStringLiteral("Payer");
  s.expensePrefix = s.claimant ? QStringLiteral("Claim") : QStringLiteral("Other");
  s.healthBox = longForm ? 46 : 65;
  s.uncoveredBox = longForm ? 47 : 41;
  return s;
}

PageElement S1(const Sides& s, int index) { return {s.page, QStringLiteral("S1"), index}; }
PageElement S2(const Sides& s, int index) { return {s.page, QStringLiteral("S2"), index}; }
ControlRef Income(const Sides& s, const char* name) {
  return {s.incomeWindow, s.prefix + QLatin1String(name)};
}
ControlRef Express(const QString& name) { return {QStringLiteral("Form1"), name}; }

void SwitchToMonthly(casefile::CaseFields& windows) {
  windows.Run(QStringLiteral("Form13"), kMonthlyClick);
  windows.Run(QStringLiteral("Form14"), kMonthlyClick);
}

void ReadAndTotal(TransferContext& context) {
  AssignFDVars(context.pages, context.formType, context.vars.Affidavit);
  CalculateFinDec(context.pages, context.formType, context.vars.Affidavit);
}

}  // namespace

void GetDataFromExpressForm(TransferContext& context, platform::Dialogs& dialogs) {
  const int answer = dialogs.ShowMessageBox(
      QStringLiteral("Do You Want To Clear All Previous Entries In The Short and Long Financial Affidavit Before "
                     "Transferring New Data From The Express Screen? Click YES To Clear Your Affidavit Before "
                     "Transferring New Data. Click NO To Transfer New Data Without Clearing Any Other Existing "
                     "Affidavit Entries."),
      platform::kBoxYesNo, QStringLiteral("Data Transfer Option"));
  if (answer == platform::kAnswerYes) ClearFinDecData(context.pages, context.formType);
  SwitchToMonthly(context.windows);

  AffidavitPages& pages = context.pages;
  casefile::CaseFields& windows = context.windows;
  const Sides s = SidesOf(context);
  const casevars::PartyIncome& income = s.claimant ? context.vars.Income.Claim : context.vars.Income.Payer;

  pages.SetText(S1(s, 32), windows.Text(Income(s, "Earned")));
  pages.SetText(S1(s, 33), windows.Text(Income(s, "EarnedExempt")));
  const double tipsAndOvertime = income.YrTips + income.YrOT;
  pages.SetText(S1(s, 2), platform::Format(tipsAndOvertime, "$###,###"));
  for (const IncomeLine& line : kCopiedLines) {
    pages.SetText(S1(s, line.box), windows.Text(Income(s, line.window)));
    if (line.box == 15)
      pages.SetText({s.page, QStringLiteral("S1T"), 21},
                    QStringLiteral("Passive Income, Rentals, Royalties, Annuities, Etc"));
  }
  // This case's alimony: received (9a) by the claimant, paid (25a) by the other party.
  const QString alimony = windows.Text(Express(QStringLiteral("CurrentMaintTransfer")));
  pages.SetText(S1(s, s.claimant ? 28 : 30), alimony);
  pages.SetText(S1(s, s.claimant ? 30 : 28), QString());
  for (int i = 0; i < 4; ++i)
    pages.SetValue({s.page, QStringLiteral("S1FileOp"), i},
                   windows.Value(Express(s.prefix + QLatin1String(kFilingOptions[i]))) != 0 ? 1 : 0);
  pages.SetText(S2(s, 36), windows.Text(Express(s.expensePrefix + QStringLiteral("DayCare"))));
  pages.SetText(S2(s, s.healthBox), windows.Text(Express(s.expensePrefix + QStringLiteral("HealthCare"))));
  pages.SetText(S2(s, s.uncoveredBox), windows.Text(Express(s.expensePrefix + QStringLiteral("Special"))));
  pages.SetText({s.page, QStringLiteral("S1T"), 0}, windows.Text(Express(s.prefix + QStringLiteral("Depend17"))));
  ReadAndTotal(context);
}

void TransferDataToExpressForm(TransferContext& context) {
  ReadAndTotal(context);
  SwitchToMonthly(context.windows);

  AffidavitPages& pages = context.pages;
  casefile::CaseFields& windows = context.windows;
  const Sides s = SidesOf(context);
  const auto& inc = context.vars.Affidavit.FDIncomeValues;
  const auto sum = [&](std::initializer_list<int> elements) {
    double total = 0;
    for (int e : elements) total += inc[e].OrZero();
    return TotalText(total);
  };

  windows.SetText(Income(s, "Earned"), pages.Text(S1(s, 32)));
  windows.SetText(Income(s, "EarnedExempt"), pages.Text(S1(s, 33)));
  for (const IncomeLine& line : kCopiedLines) {
    if (line.box == 4) {
      windows.SetText(Income(s, "Comp"), sum({4, 5}));
    } else if (line.box == 15) {
      windows.SetText(Income(s, "PT"), sum({11, 12, 14, 15, 16}));
    } else if (line.box == 7) {
      windows.SetText(Income(s, "Pension"), sum({6, 7}));
    } else {
      windows.SetText(Income(s, line.window), pages.Text(S1(s, line.box)));
    }
  }
  windows.SetText(Express(QStringLiteral("CurrentMaintTransfer")), pages.Text(S1(s, s.claimant ? 28 : 30)));
  for (int i = 0; i < 4; ++i)
    windows.SetValue(Express(s.prefix + QLatin1String(kFilingOptions[i])),
                     pages.Value({s.page, QStringLiteral("S1FileOp"), i}) != 0 ? 1 : 0);
  const std::pair<int, const char*> childLines[] = {
      {36, "DayCare"}, {s.healthBox, "HealthCare"}, {s.uncoveredBox, "Special"}};
  for (const auto& [box, field] : childLines) {
    QString text = pages.Text(S2(s, box));
    if (text == QLatin1String("$")) text = QStringLiteral("0");
    windows.SetText(Express(s.expensePrefix + QLatin1String(field)), text);
  }
  windows.SetText(Express(s.prefix + QStringLiteral("Depend17")), pages.Text({s.page, QStringLiteral("S1T"), 0}));

  for (const char* window : {"Form13", "Form14"})
    windows.Run(QLatin1String(window), casefile::method::AssignPopUpVars);
  for (const char* window : {"Form13", "Form14"}) {
    windows.Run(QLatin1String(window), casefile::method::AddIncomeVars);
    windows.Run(QLatin1String(window), casefile::method::YearlyClick);
    windows.Run(QLatin1String(window), casefile::method::AssignDeductVars);
  }
}

}  // namespace affidavit
