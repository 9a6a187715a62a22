#include "affidavit/print/LongFormLines.h"

#include "platform/NumberText.h"

namespace affidavit::longform {

QString Painter::Text(const char* array, int index) const {
  return run.pages.Text({QStringLiteral("Form12"), QLatin1String(array), index});
}

bool Painter::Chosen(const char* array, int index) const {
  return run.pages.Value({QStringLiteral("Form12"), QLatin1String(array), index}) == 1;
}

QString Painter::Amount(Element element, const char* pattern, bool zeroTest) const {
  const casevars::AffidavitValues& v = run.values;
  const casevars::AffidavitValue& value =
      element.array == Values::Income    ? v.FDIncomeValues.at(element.index)
      : element.array == Values::Expense ? v.FDExpenseValues.at(element.index)
                                         : v.FDNewExpenseValues.at(element.index);
  if (!value.IsNumber() || (zeroTest && value.number == 0)) return {};
  return platform::Format(value.number, pattern);
}

void Painter::PageTop(int lineSpacing) {
  vs.SetCurrentY(topMargin);
  vs.SetCurrentX(kLeft);
  if (lineSpacing > 0) vs.SetLineSpacing(lineSpacing);
}

void Painter::SectionRule() {
  vs.SetPenWidth(kHeavyPen);
  Rule(kLeft, kRight);
  vs.SetPenWidth(kOrdinaryPen);
}

void Painter::SectionHeading(const QString& heading, bool keepBold) {
  SectionRule();
  vs.SetFontBold(true);
  EndAt(kLeft, heading);
  if (!keepBold) vs.SetFontBold(false);
  SectionRule();
}

void Painter::FormFooter() {
  platform::PrintFooter(vs, kLongFormFooter, kLeft, kFooterY, kFooterSize);
  vs.SetFontSize(run.font.FDFontSize);
}

void Painter::PrintRuns(const Runs& runs) {
  for (const Run& r : runs) {
    vs.SetFontBold(r.bold);
    vs.PrintText(QString::fromLatin1(r.text));
  }
  vs.SetFontBold(false);
}

void Painter::Item(const ItemLine& line, const AmountStyle& style) {
  if (line.gapBefore) HalfLineGap();
  vs.SetCurrentX(kLabelX);
  double textStart = kLabelX;
  if (line.box) {
    vs.PrintText(QString::fromLatin1(line.prefix));
    textStart = vs.CurrentX();
    vs.PrintText(Text(line.box, line.boxIndex));
  } else {
    PrintRuns(line.runs);
  }
  At(kLeft, QString::fromLatin1(line.number));
  const double start = style.atNumberEnd ? vs.CurrentX() : kAmountX;
  AmountAt(start, Amount(line.amount, style.pattern, line.zeroTest));
  vs.PrintLine();
  Rule(start, kAmountEnd);
  if (line.description) Rule(textStart, kRight);
  for (const Runs& runs : line.continuation) {
    vs.SetCurrentX(kLabelX);
    PrintRuns(runs);
    vs.PrintLine();
  }
  if (line.gapAfter) HalfLineGap();
}

}  // namespace affidavit::longform
