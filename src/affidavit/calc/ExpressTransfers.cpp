#include "affidavit/calc/ExpressTransfers.h"

#include "affidavit/calc/AffidavitCalc.h"
#include "affidavit/calc/ClearAffidavit.h"
#include "affidavit/datafile/FinDecSlots.h"
#include "income/IncomeFields.h"
#include "platform/AmountLimit.h"
#include "platform/NumberText.h"

#include <vector>

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

// The Section I line a box of S1 stands on, as both forms number it.
const char* SectionOneLine(int box) {
  switch (box) {
    case 0: return "8b";
    case 28: return "9a";
    case 29: return "9b";
    case 30: return "25a";
    case 31: return "25b (ordered pre 2019)";
    case 32: return "1a";
    case 33: return "1b";
    case 34: return "10a";
    case 35: return "10b";
    case 36: return "10c";
    case 37: return "8a";
    case 38: return "25b (ordered post 2018)";
    default: break;
  }
  static const char* const kWhole[] = {"",   "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                       "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
                                       "20", "21", "22", "23", "24", "25", "26", "27"};
  return box > 0 && box <= 27 ? kWhole[box] : "";
}

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

bool TransferDataToExpressForm(TransferContext& context, platform::Dialogs& dialogs) {
  ReadAndTotal(context);

  AffidavitPages& pages = context.pages;
  casefile::CaseFields& windows = context.windows;
  const Sides s = SidesOf(context);
  const bool longForm = context.formType == kLongForm;
  const auto& inc = context.vars.Affidavit.FDIncomeValues;
  const auto sum = [&](std::initializer_list<int> elements) {
    double total = 0;
    for (int e : elements) total += inc[e].OrZero();
    return TotalText(total);
  };

  // Every amount the transfer writes, with the sign its box takes and the
  // affidavit line it comes from; read before anything moves. The income
  // windows take monthly amounts and make them yearly.
  struct Move {
    ControlRef target;
    QString text;
    platform::AmountSign sign;
    QString line;
    bool madeYearly = false;
  };
  std::vector<Move> moves;
  const auto income = [&](const char* window, QString text, const QString& line) {
    const income::AmountField* field = income::FindAmountField(QLatin1String(window));
    moves.push_back({Income(s, window), std::move(text), field->sign, line, true});
  };
  const auto lineOf = [](int box) { return QStringLiteral("Line %1").arg(QLatin1String(SectionOneLine(box))); };
  income("Earned", pages.Text(S1(s, 32)), lineOf(32));
  income("EarnedExempt", pages.Text(S1(s, 33)), lineOf(33));
  for (const IncomeLine& line : kCopiedLines) {
    if (line.box == 4) income("Comp", sum({4, 5}), QStringLiteral("Lines 4 and 5 together"));
    else if (line.box == 15) income("PT", sum({11, 12, 14, 15, 16}), QStringLiteral("Lines 11, 12, 14, 15 and 16 together"));
    else if (line.box == 7) income("Pension", sum({6, 7}), QStringLiteral("Lines 6 and 7 together"));
    else income(line.window, pages.Text(S1(s, line.box)), lineOf(line.box));
  }
  const int alimonyBox = s.claimant ? 28 : 30;
  moves.push_back({Express(QStringLiteral("CurrentMaintTransfer")), pages.Text(S1(s, alimonyBox)),
                   platform::AmountSign::MayBeNegative, lineOf(alimonyBox)});
  struct ChildLine {
    int box;
    const char* field;
    const char* longLine;
    const char* shortLine;
  };
  const ChildLine childLines[] = {
      {36, "DayCare", "Section II, line 40", "Section II, C. Child(ren)'s Expenses, Day Care"},
      {s.healthBox, "HealthCare", "Section II, line 50", "Section II, D. Insurance, Child(ren)'s medical/dental"},
      {s.uncoveredBox, "Special", "Section II, line 51", "Section II, C. Child(ren)'s Expenses, Medical/Dental (uninsured)"},
  };
  for (const ChildLine& child : childLines) {
    QString text = pages.Text(S2(s, child.box));
    if (text == QLatin1String("$")) text = QStringLiteral("0");
    moves.push_back({Express(s.expensePrefix + QLatin1String(child.field)), text, platform::AmountSign::NotNegative,
                     QLatin1String(longForm ? child.longLine : child.shortLine)});
  }

  for (const Move& move : moves) {
    const platform::AmountReading reading = platform::ReadAmount(move.text, move.sign);
    QString refusal = platform::RefusalMessage(reading);
    if (refusal.isEmpty() && move.madeYearly && reading.isAmount() &&
        !platform::WithinAmountLimit(reading.value * 12))
      refusal = platform::ConversionTooLargeMessage(QStringLiteral("Yearly"));
    if (refusal.isEmpty()) continue;
    dialogs.ShowMessageBox(QStringLiteral("%1 of the financial affidavit: %2 Nothing was transferred to the Express form.")
                               .arg(move.line, refusal),
                           platform::kBoxOk, QString::fromLatin1(platform::kEntryErrorTitle));
    return false;
  }

  SwitchToMonthly(windows);
  for (const Move& move : moves) windows.SetText(move.target, move.text);
  for (int i = 0; i < 4; ++i)
    windows.SetValue(Express(s.prefix + QLatin1String(kFilingOptions[i])),
                     pages.Value({s.page, QStringLiteral("S1FileOp"), i}) != 0 ? 1 : 0);
  windows.SetText(Express(s.prefix + QStringLiteral("Depend17")), pages.Text({s.page, QStringLiteral("S1T"), 0}));

  for (const char* window : {"Form13", "Form14"})
    windows.Run(QLatin1String(window), casefile::method::AssignPopUpVars);
  for (const char* window : {"Form13", "Form14"}) {
    windows.Run(QLatin1String(window), casefile::method::AddIncomeVars);
    windows.Run(QLatin1String(window), casefile::method::YearlyClick);
    windows.Run(QLatin1String(window), casefile::method::AssignDeductVars);
  }
  return true;
}

}  // namespace affidavit
