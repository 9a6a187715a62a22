#include "results/TaxCreditBreakdown.h"

#include "platform/NumberText.h"
#include "results/PreparerLines.h"

namespace results {

using casevars::CaseVars;
using casevars::Party;

namespace {

bool FilesJointly(const CaseVars& vars, Party party) {
  return vars.Express[party].FilingStatus == casevars::filing::MFJ;
}

QString Amount(double value) { return platform::Format(value, "$##,###,##0"); }

}  // namespace

TaxCreditFigures ComputeTaxCreditFigures(const CaseVars& vars, Party party) {
  const casevars::PartyTax& tax = vars.Tax[party];
  const double other = vars.Income[party].YrOtherCredits;
  TaxCreditFigures f;
  // A joint return's own tax as the calculation kept it, never the party's
  // part divided by a share that may be 0.
  f.taxOwed = FilesJointly(vars, party) ? tax.YrJointFedTax : tax.YrFedTax;
  f.childTaxCredit = f.taxOwed - (other + tax.YrChildCareCredit);
  if (f.childTaxCredit <= 0) f.childTaxCredit = 0;
  if (f.childTaxCredit > tax.YrChildTaxCredit) f.childTaxCredit = tax.YrChildTaxCredit;
  f.nonrefundable = tax.YrChildTaxCredit + tax.YrChildCareCredit + other;
  if (f.nonrefundable > f.taxOwed) f.nonrefundable = f.taxOwed;
  return f;
}

std::vector<CreditLine> TaxCreditLines(const CaseVars& vars, Party party, CreditsLayout layout) {
  const bool claim = party == Party::Claim;
  const bool window = layout == CreditsLayout::Window;
  const bool joint = FilesJointly(vars, party);
  const casevars::PartyTax& tax = vars.Tax[party];
  const casevars::PartyIncome& income = vars.Income[party];
  const TaxCreditFigures f = ComputeTaxCreditFigures(vars, party);
  const CreditLine empty;
  const auto text = [](const char* t) { return CreditLine{QString::fromLatin1(t), {}}; };
  const auto amount = [](const char* t, double value) { return CreditLine{QString::fromLatin1(t), Amount(value)}; };

  std::vector<CreditLine> lines;
  lines.push_back(text(claim ? "Claimant - Tax Credits" : "Other Parent - Tax Credits"));
  lines.push_back(empty);
  if (window && claim) lines.push_back(empty);
  if (window)
    lines.push_back(text(claim ? " Tax Credits Not Refundable Beyond Fed Tax Owed:  "
                               : " Tax Credits Not Refundable Beyond Fed Tax Owed:"));
  else
    lines.push_back(text(" Tax Credits Not Refundable Beyond Fed Tax Owed: "));
  const bool oneBlank = !window && claim;
  lines.push_back(amount(oneBlank ? " Child Care Credit = " : " Child Care Credit  = ", tax.YrChildCareCredit));
  lines.push_back(amount(" Other Entered Credits = ", income.YrOtherCredits));
  lines.push_back(amount(" Child Tax Credit = ", f.childTaxCredit));
  lines.push_back(empty);
  lines.push_back(amount(joint ? " SubTotal - NonRefundable Credits (Limited To Full Amt Of MFJ Fed Tax) = "
                               : " SubTotal - NonRefundable Credits (Limited To Amt Of Fed Tax) = ",
                         f.nonrefundable));
  lines.push_back(empty);
  lines.push_back(text(window ? " Tax Credits Refundable Beyond Fed Tax Owed:  "
                              : " Tax Credits Refundable Beyond Fed Tax Owed: "));
  lines.push_back(text(window ? " Note:The Refundable Portion Of The Child Tax Credit Is Called The Additional "
                                "Child Tax Credit"
                              : " Note: The Refundable Portion Of The Child Tax Credit Is Called The Additional "
                                "Child Tax Credit "));
  lines.push_back(amount(" Additional Child Tax Credit = ", tax.YrAddlChildTaxCredit));
  lines.push_back(amount(" Earned Income Tax Credit = ", tax.YrEIC));
  lines.push_back(empty);
  if (joint)
    lines.push_back({QString::fromLatin1(claim ? " MFJ Credits PRORATED by Claimant's Share of Income ("
                                               : " MFJ Credits PRORATED by Other's Share of Income ("),
                     platform::Format(tax.MFJShare, "#.###") + ")"});
  lines.push_back(amount(" Total - All Tax Credits = ", tax.YrTotalCredits));
  if (!window) return lines;

  lines.push_back(empty);
  const casevars::PartyBusiness& business = vars.Business[party];
  if (income.YrSelf != 0 || income.YrSelf1 != 0) {
    lines.push_back(amount(claim ? " Claimant's Business Deduction = " : " Other Party's Business Deduction = ",
                           business.YrBusDeduction));
    if (business.YrBusLossCarryover < 0)
      lines.push_back(amount(claim ? " Claimant's Business Loss Carryover = "
                                   : " Other Party's Business Loss Carryover = ",
                             business.YrBusLossCarryover));
  }
  if (income.YrOTDeduction > 0)
    lines.push_back(amount(claim ? " Claimant's OT Deduction = " : " Other's OT Deduction = ", income.YrOTDeduction));
  if (income.YrTipsDeduction > 0)
    lines.push_back(amount(claim ? " Claimant's Tips Deduction  = " : " Other's Tips Deduction  = ",
                           income.YrTipsDeduction));
  return lines;
}

TextCanvas TaxCreditsPicture() { return TextCanvas(6015, 4335, {QStringLiteral("Tahoma"), 8.25}); }

namespace {

// A line too wide for the picture goes on below, broken before a blank (the
// next line starts with it, as every line does), so that the whole line shows.
void PrintWithinWidth(TextCanvas& picture, const QString& text, const QString& amount) {
  QString rest = text;
  while (picture.TextWidth(rest + amount) > picture.Width()) {
    int cut = rest.lastIndexOf(QLatin1Char(' '));
    while (cut > 0 && picture.TextWidth(rest.left(cut)) > picture.Width()) cut = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
    if (cut <= 0) break;
    picture.PrintLine(rest.left(cut));
    rest = rest.mid(cut);
  }
  picture.PrintText(rest);
  picture.PrintLine(amount);
}

}  // namespace

void DrawTaxCredits(TextCanvas& picture, const CaseVars& vars, Party party) {
  picture.Cls();
  for (const CreditLine& line : TaxCreditLines(vars, party, CreditsLayout::Window))
    PrintWithinWidth(picture, line.text, line.amount);
}

void PrintTaxCredits(platform::DrawingCursor& printer, const CaseVars& vars, const TaxCreditsPrintInputs& inputs) {
  constexpr double kHeaderColumn = 15;  // millimetres from the printable corner
  constexpr double kHeaderTop = 15;
  constexpr double kBreakdownTop = 40;
  printer.ResetPrinter();
  printer.SetOrientation(platform::PageOrientation::Portrait);
  printer.SetScaleMode(platform::ScaleUnit::Millimetres);
  printer.SetFontName(QStringLiteral("Tahoma"));

  printer.SetFontSize(12);
  printer.SetCurrentY(kHeaderTop);
  if (HasCaseName(inputs.caseName)) {
    printer.SetCurrentX(kHeaderColumn);
    printer.PrintText(QStringLiteral("Case Name:  "));
    printer.PrintLine(inputs.caseName);
  }
  printer.SetFontSize(10);
  for (const PreparerLine& line : PreparerLines(inputs.today)) {
    printer.SetCurrentX(kHeaderColumn);
    printer.PrintText(line.label);
    printer.PrintLine(line.value);
  }
  printer.SetFontSize(12);
  for (int i = 0; i < 3; ++i) printer.PrintLine();
  printer.SetFontSize(8);
  printer.SetCurrentY(kBreakdownTop);
  printer.PrintLine();

  printer.SetFontBold(true);
  printer.PrintLine(QStringLiteral("Federal Tax Credits"));
  printer.SetFontBold(false);
  printer.PrintLine();
  printer.PrintLine();
  for (Party party : casevars::kParties) {
    if (party == Party::Payer)
      for (int i = 0; i < 3; ++i) printer.PrintLine();
    for (const CreditLine& line : TaxCreditLines(vars, party, CreditsLayout::Printout)) {
      printer.PrintText(line.text);
      printer.PrintLine(line.amount);
    }
  }
  printer.EndDocument();
}

}  // namespace results
