#include "income/IncomeReport.h"

#include <algorithm>
#include <cmath>

#include "income/AmountText.h"
#include "platform/NumberText.h"
#include "platform/document/DocumentPage.h"
#include "prefs/Preferences.h"

namespace income {

using casevars::Party;
using casevars::PartyIncome;
using platform::DrawingCursor;

namespace {

// Positions in millimetres from the printable corner.
constexpr double kHeaderColumn = 15;
constexpr double kHeaderTop = 15;
constexpr double kTableTop = 40;
constexpr double kLeftEdge = 15;
constexpr double kRightEdge = kLeftEdge + 176;
constexpr double kLabelColumn = kLeftEdge + 2;
constexpr double kPartyColumn = 147;
constexpr double kMiddleColumn = 157;
constexpr double kOtherColumn = 170;
constexpr double kRuleLength = 15;
constexpr int kTransparent = 1;
constexpr int kSolid = 0;

using Amount = double PartyIncome::*;

QString Money(double value) { return FormatAmount(value, kReportPattern); }

struct Report {
  DrawingCursor& p;
  const casevars::IncomeVars& vars;
  const IncomeReportInputs& in;
  double lineUnit = 0;
  int lineDots = 3;

  void At(double x, const QString& text) {
    p.SetCurrentX(x);
    p.PrintText(text);
  }
  void EndAt(double x, const QString& text) {
    p.SetCurrentX(x);
    p.PrintLine(text);
  }
  void Bold(bool on) { p.SetFontBold(on); }
  void HalfLine() { p.SetCurrentY(p.CurrentY() + lineUnit / 2); }

  // Font, line width and line unit of the table.
  void TableFont() {
    p.SetFontName(QStringLiteral("Tahoma"));
    p.SetFontSize(8);
    p.SetLineWidthDots(lineDots);
    lineUnit = p.TextHeight(QStringLiteral("N"));
  }

  void SetUp() {
    p.ResetPrinter();
    p.SetOrientation(platform::PageOrientation::Portrait);
    p.SetScaleMode(platform::ScaleUnit::Millimetres);
    const double factor = std::max(p.PrintQuality() / 300.0, 0.6);
    lineDots = static_cast<int>(std::nearbyint(5 * factor));
    TableFont();
  }

  void Header() {
    p.SetFontSize(12);
    p.SetCurrentY(kHeaderTop);
    if (!in.caseName.isEmpty() && in.caseName != QLatin1String(" ")) {
      At(kHeaderColumn, QStringLiteral("Case Name:  "));
      p.PrintLine(in.caseName);
    }
    const QString name = prefs::PreparerName.read();
    const QString office = prefs::PreparerOffice.read();
    const QString nameCheck = prefs::NameCheck.read();
    const QString officeCheck = prefs::OfficeCheck.read();
    const QString dateCheck = prefs::DateCheck.read();
    p.SetFontSize(10);
    const QLatin1String no("No");
    if (nameCheck != no) {
      At(kHeaderColumn, QStringLiteral("    Prepared By:  "));
      p.PrintLine(name);
    }
    if (officeCheck != no) {
      At(kHeaderColumn, QStringLiteral("    Office:  "));
      p.PrintLine(office);
    }
    if (dateCheck != no) {
      At(kHeaderColumn, QStringLiteral("    Date:  "));
      p.PrintLine(platform::ShortDate(in.today));
    }
    p.SetFontSize(12);
    p.PrintLine();
    p.PrintLine();
  }

  void Rules() {
    const double y = p.CurrentY();
    p.DrawLine(kPartyColumn, y, kPartyColumn + kRuleLength, y);
    p.DrawLine(kOtherColumn, y, kOtherColumn + kRuleLength, y);
    HalfLine();
  }

  void Heading(const QString& text) {
    Bold(true);
    EndAt(kLabelColumn, text);
    Bold(false);
    p.PrintLine();
  }

  void Note() {
    HalfLine();
    EndAt(kLabelColumn, QStringLiteral("Note: Child Tax and Child Care Credits are Calculated in Program"));
    p.PrintLine();
  }

  // Three empty lines and the frame box from `top` down to them.
  void CloseFrame(double top) {
    Bold(true);
    p.PrintLine();
    Bold(false);
    p.PrintLine();
    p.SetCurrentX(kLabelColumn);
    p.PrintLine();
    const double bottom = p.CurrentY();
    p.SetFillStyle(kTransparent);
    p.DrawRectangle(kLeftEdge, top, kRightEdge, bottom);
    p.SetFillStyle(kSolid);
  }

  // A value of the column at `x`, set smaller where it would pass the
  // column's room: the length of the total's rule in the two party columns,
  // the frame in the middle column of the joint-filer pages.
  void Value(double x, const QString& text) {
    p.SetCurrentX(x);
    platform::PrintFitted(p, text, x == kMiddleColumn ? kRightEdge - 2 : x + kRuleLength);
  }

  // A row with a label and one or two values.
  void Row(const QString& label, double x1, const QString& v1, double x2 = -1, const QString& v2 = {}) {
    At(kLabelColumn, label);
    Value(x1, v1);
    if (x2 >= 0) Value(x2, v2);
    p.PrintLine();
  }

  void TwoPartyPage();
  void JointPage(Party party);
};

struct RowSpec {
  const char* label;
  Amount party;   // the party's amount (on a joint page) or both parties' (first page)
  Amount spouse;  // the new spouse's amount on a joint page; null: none
};

// Rows 1 to 16 of the first page.
const RowSpec kFirstIncomeRows[] = {
    {"Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)", &PartyIncome::YrEarned, nullptr},
    {"Qualified Tips Subject to FICA but not Fed Tax", &PartyIncome::YrTips, nullptr},
    {"Overtime Premium Subject to FICA but not Fed Tax", &PartyIncome::YrOT, nullptr},
    {"Earned Income Only Subject to FICA (Included on Form W-2 but not in Box 1, 401K Contribs, Etc)", &PartyIncome::YrEarnedExempt, nullptr},
    {"Business Income (Subject to SE/FICA Taxes and Fed/State Taxes)", &PartyIncome::YrSelf, nullptr},
    {"Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax but not FICA or SE Tax)", &PartyIncome::YrST, nullptr},
    {"Long Term Capital Gains (Subject to Lower Federal Tax Rates and NII Tax)", &PartyIncome::YrLT, nullptr},
    {"Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)", &PartyIncome::YrPT, nullptr},
    {"Qualified Pensions/Retirement Plans, Unemployment, Taxable Disability Benefits (Subject to Fed Tax)", &PartyIncome::YrPension, nullptr},
    {"Workers' Comp, SSI, Portion of Disability Benefits Not Subject to Tax", &PartyIncome::YrComp, nullptr},
    {"Income Not Subject to Fed Tax (Bond Int., Prior Alimony Ordered After 2018, Exempt Pensions)", &PartyIncome::YrFree, nullptr},
    {"Employer Reimbursements that Reduce Living Expenses (Treated as Wages Subject to Fed Tax/FICA)", &PartyIncome::YrReimburse, nullptr},
    {"Alimony Received From Prior Marriages (Ordered Before 2019 and Subject to Fed Tax)", &PartyIncome::YrPriorMaint, nullptr},
    {"Social Security Benefits Received by Children (Not Subject to Fed Tax)", &PartyIncome::YrSSChild, nullptr},
    {"Social Security Benefits (Portion May Be Subject to Fed Tax)", &PartyIncome::YrSS, nullptr},
};

const RowSpec kFirstAdjustmentRows[] = {
    {"Yearly IRA Deduction Taken On Form 1040", &PartyIncome::YrIRADeduct, nullptr},
    {"Other Yearly Income Adjustments Entered on Form 1040", &PartyIncome::YrOtherDeduct, nullptr},
    {"SEP, SIMPLE, KEOGH and Other Self-employed Yearly Retirement Contributions", &PartyIncome::YrSelfRetirementDeduct, nullptr},
    {"Self-employed Yearly Health Insurance Deduction (Up to 100% of Payments)", &PartyIncome::YrSelfHealthDeduct, nullptr},
};

const char* const kOtherCreditsLabel =
    "Other Federal Tax Credits Taken on Form 1040 (Except for Child Tax and Child Care Credits)";
const char* const kTotalLabel = "Total Income From All Sources";
const char* const kDeductionsHeading =
    "Other Deductions Applied to Child Support Worksheet And Prior Alimony/Spousal Support Paid";

const RowSpec kFirstDeductionRows[] = {
    {"Yearly Health Insurance Payments Excluding Coverage For The Minor Children", &PartyIncome::YrStIndus, nullptr},
    {"Yearly Mandatory Union/Professional Dues", &PartyIncome::YrDues, nullptr},
    {"Yearly Mandatory Retirement Payment", &PartyIncome::YrPensionPay, nullptr},
    {"Court-ordered Child Support Paid For Children From Other Relationships", &PartyIncome::YrOtherSupport, nullptr},
    {"Medicare Payments", &PartyIncome::YrMedCare, nullptr},
    {"Alimony Paid to Prior Spouses (Ordered Before 2019)- Is a Fed AGI Deduction", &PartyIncome::YrPriorMaintPaid, nullptr},
    {"Alimony Paid to Prior Spouses (Ordered After 2018)- Not a Fed AGI Deduction", &PartyIncome::YrPriorMaintPaid2, nullptr},
};

QString ItemizedText(bool itemized) {
  return itemized ? QStringLiteral("Itemized") : QStringLiteral("Standard");
}
QString YesNo(bool yes) { return yes ? QStringLiteral("Yes") : QStringLiteral("No"); }

void Report::TwoPartyPage() {
  const PartyIncome& c = vars.Claim;
  const PartyIncome& o = vars.Payer;
  auto both = [&](const RowSpec& r) {
    Row(QString::fromUtf8(r.label), kPartyColumn, Money(c.*r.party), kOtherColumn, Money(o.*r.party));
  };
  const IncomeReportParty& cp = in.parties.Claim;
  const IncomeReportParty& op = in.parties.Payer;

  p.SetFontSize(8);
  p.SetCurrentY(kTableTop);
  const double top = p.CurrentY();
  p.PrintLine();
  Bold(true);
  At(kLabelColumn, QStringLiteral("Gross Yearly Income"));
  At(kPartyColumn, QStringLiteral("Claimant"));
  EndAt(kOtherColumn, QStringLiteral("Other Party"));
  p.PrintLine();
  Bold(false);
  for (const RowSpec& r : kFirstIncomeRows) both(r);
  Rules();
  both({kTotalLabel, &PartyIncome::YrTotal, nullptr});
  p.PrintLine();
  Heading(QStringLiteral("Adjustments To Gross Income For Fed Tax Calculation"));
  for (const RowSpec& r : kFirstAdjustmentRows) both(r);
  p.PrintLine();
  Heading(QStringLiteral("Fed Tax Credits And Deductions"));
  Row(QStringLiteral("Type of Deduction"), kPartyColumn, ItemizedText(cp.itemized), kOtherColumn,
      ItemizedText(op.itemized));
  if (cp.itemized || op.itemized) At(kLabelColumn, QStringLiteral("   Itemized"));
  if (cp.itemized) Value(kPartyColumn, Money(c.YrItemized));
  if (op.itemized) Value(kOtherColumn, Money(o.YrItemized));
  p.PrintLine();
  Row(QStringLiteral("Calculate An Earned Income Credit"), kPartyColumn, YesNo(cp.eic), kOtherColumn,
      YesNo(op.eic));
  both({kOtherCreditsLabel, &PartyIncome::YrOtherCredits, nullptr});
  Note();
  Heading(QString::fromUtf8(kDeductionsHeading));
  for (const RowSpec& r : kFirstDeductionRows) both(r);
  CloseFrame(top);
}

// The joint-filer pages' own rows.
const RowSpec kJointIncomeRows[] = {
    {"Earned Wages and Salaries Subject to FICA and Fed Tax (Box 1 of Form W-2, Etc)", &PartyIncome::YrEarned, &PartyIncome::YrEarned1},
    {"Qualified Tips Subject to FICA but not Fed Tax", &PartyIncome::YrTips, &PartyIncome::YrTips1},
    {"Overtime Premium Subject to FICA but not Fed Tax", &PartyIncome::YrOT, &PartyIncome::YrOT1},
    {"Earned Income Only Subject to FICA (Included on Form W-2 but not in Box 1, 401K Contribs, Etc)", &PartyIncome::YrEarnedExempt, &PartyIncome::YrEarnedExempt1},
    {"Business Income (Subject to SE/FICA Taxes and Fed/State Taxes)", &PartyIncome::YrSelf, &PartyIncome::YrSelf1},
    {"Short Term Capital Gains, Investment Interest (Subject to Fed and NII Tax but not FICA or SE)", &PartyIncome::YrST, &PartyIncome::YrST1},
    {"Long Term Capital Gains (Subject to Lower Federal Tax Rates and NII Tax)", &PartyIncome::YrLT, &PartyIncome::YrLT1},
    {nullptr, &PartyIncome::YrPT, &PartyIncome::YrPT1},  // the rentals label is the party's
    {"Qualified Pensions/Retirement Plans, Unemployment, Taxable Disability Benefits (Subject to Fed Tax)", &PartyIncome::YrPension, &PartyIncome::YrPension1},
    {"Workers' Comp, SSI, Portion of Disability Benefits Not Subject to Tax", &PartyIncome::YrComp, &PartyIncome::YrComp1},
    {"Income Not Subject to Fed Tax (Bond Int., Prior Alimony Ordered After 2018, Exempt Pensions)", &PartyIncome::YrFree, &PartyIncome::YrFree1},
    {"Employer Reimbursements that Reduce Living Expenses (Treated as Wages Subject to Fed Tax/FICA)", &PartyIncome::YrReimburse, &PartyIncome::YrReimburse1},
    {"Alimony Received From Prior Marriages (Ordered Before 2019 and Subject to Fed Tax)", &PartyIncome::YrPriorMaint, &PartyIncome::YrPriorMaint1},
    {"Social Security Benefits Received by Children (Not Subject to Fed Tax)", &PartyIncome::YrSSChild, nullptr},
    {"Social Security Benefits (Portion May Be Subject to Fed Tax)", &PartyIncome::YrSS, &PartyIncome::YrSS1},
};

const RowSpec kJointAdjustmentRows[] = {
    {"Yearly IRA Tax Deduction Taken on Form 1040", &PartyIncome::YrIRADeduct, nullptr},
    {"Other Yearly Income Adjustments Entered on Form 1040", &PartyIncome::YrOtherDeduct, nullptr},
    {"SEP, SIMPLE, KEOGH and Other Self-employed Yearly Retirement Contributions", &PartyIncome::YrSelfRetirementDeduct, nullptr},
    {"Self-employed Yearly Health Insurance Deduction (Up to 100% of Payments)", &PartyIncome::YrSelfHealthDeduct, nullptr},
};

const RowSpec kJointDeductionRows[] = {
    {"Yearly Health Insurance Payments Excluding Coverage For The Minor Children", &PartyIncome::YrStIndus, nullptr},
    {"Yearly Mandatory Union/Professional Dues", &PartyIncome::YrDues, nullptr},
    {"Yearly Mandatory Retirement Plan Payments", &PartyIncome::YrPensionPay, nullptr},
    {nullptr, &PartyIncome::YrOtherSupport, nullptr},  // the support label is the party's
    {"Medicare Payments", &PartyIncome::YrMedCare, nullptr},
    {"Alimony Paid to Prior Spouses (Ordered Before 2019)- Is a Fed AGI Deduction", &PartyIncome::YrPriorMaintPaid, &PartyIncome::YrPriorMaintPaid1},
    {"Alimony Paid to Prior Spouses (Ordered After 2018)- Not a Fed AGI Deduction", &PartyIncome::YrPriorMaintPaid2, &PartyIncome::YrPriorMaintPaid3},
};

// The texts in which the two joint-filer pages differ.
struct JointTexts {
  const char* title;
  const char* heading;
  const char* rentalsLabel;
  const char* adjustmentsHeading;
  const char* supportLabel;
};

JointTexts JointTextsOf(Party party) {
  if (party == Party::Claim)
    return {"Gross Yearly Income For Claimant and New Spouse (Filing Jointly)", "Claimant",
            "Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)",
            "Adjustments To Gross Income",
            "Court-ordered Child Support Paid For Children From Other Relationships"};
  return {"Gross Yearly Income For Other Party and  New Spouse (Filing Jointly)", "Other Party",
          "Rentals, Royalties, Annuities (Subject to Fed and NII Tax but not FICA/SE)",
          "Adjustments To Gross Income For Fed Tax Calculation",
          "Court-ordered Child Support Paid For Children From Other Relationships"};
}

void Report::JointPage(Party party) {
  const PartyIncome& v = vars[party];
  const IncomeReportParty& choices = in.parties[party];
  const JointTexts texts = JointTextsOf(party);
  auto row = [&](const RowSpec& r, const char* ownLabel, bool middle) {
    const QString label = QString::fromUtf8(r.label ? r.label : ownLabel);
    if (middle) Row(label, kMiddleColumn, Money(v.*r.party));
    else if (r.spouse) Row(label, kPartyColumn, Money(v.*r.party), kOtherColumn, Money(v.*r.spouse));
    else Row(label, kPartyColumn, Money(v.*r.party));
  };

  p.NewPage();
  Header();
  TableFont();
  const double top = p.CurrentY();
  p.PrintLine();
  Bold(true);
  At(kLabelColumn, QString::fromUtf8(texts.title));
  At(kPartyColumn, QString::fromUtf8(texts.heading));
  EndAt(kOtherColumn, QStringLiteral("New Spouse"));
  Bold(false);
  p.PrintLine();
  for (const RowSpec& r : kJointIncomeRows) row(r, texts.rentalsLabel, false);
  Rules();
  row({kTotalLabel, &PartyIncome::YrTotal, &PartyIncome::YrTotal1}, nullptr, false);
  p.PrintLine();
  Heading(QString::fromUtf8(texts.adjustmentsHeading));
  for (const RowSpec& r : kJointAdjustmentRows) row(r, nullptr, true);
  p.PrintLine();
  Heading(QStringLiteral("Fed Tax Credits And Deductions"));
  Row(QStringLiteral("Type of Deduction"), kMiddleColumn, ItemizedText(choices.itemized));
  if (choices.itemized) Row(QStringLiteral("   Itemized"), kMiddleColumn, Money(v.YrItemized));
  Row(QStringLiteral("Earned Income Credit"), kMiddleColumn, YesNo(choices.eic));
  row({kOtherCreditsLabel, &PartyIncome::YrOtherCredits, nullptr}, nullptr, true);
  Note();
  Heading(QString::fromUtf8(kDeductionsHeading));
  for (const RowSpec& r : kJointDeductionRows) row(r, texts.supportLabel, false);
  CloseFrame(top);
}

}  // namespace

void PrintIncomePopups(DrawingCursor& printer, const casevars::IncomeVars& vars,
                       const IncomeReportInputs& inputs) {
  Report report{printer, vars, inputs};
  report.SetUp();
  report.Header();
  report.TwoPartyPage();
  for (Party party : casevars::kParties)
    if (inputs.parties[party].mfj) report.JointPage(party);
  printer.EndDocument();
}

}  // namespace income
