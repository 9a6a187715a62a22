// Section II of the short-form affidavit on page 2: the heading, the expense
// schedule in two columns (filled from the affidavit, or blank for writing
// in) and the total line 28.
#include <initializer_list>

#include "affidavit/print/ShortFormPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::shortform {

namespace {

enum class Fit { None, LastRow, EveryRow };

// One group of the filled schedule: its rows are its items, amount elements
// firstElement.. and name boxes `names`(firstName..) taken in step.
struct FilledGroup {
  const char* heading;
  int rows;
  int firstElement;
  const char* names;
  int firstName;
  Fit fit;
};

constexpr FilledGroup kGroupA{"A. HOUSEHOLD:", 8, 1, "S2N", 0, Fit::None};
constexpr FilledGroup kGroupB{"B. AUTOMOBILE:", 3, 26, "S2N", 19, Fit::None};
constexpr FilledGroup kGroupC{"C. CHILD(REN)'S EXPENSES: ", 7, 36, "S2N", 27, Fit::None};
constexpr FilledGroup kGroupD{"D. INSURANCE:", 4, 64, "S2N", 64, Fit::LastRow};
constexpr FilledGroup kGroupE{"E. OTHER EXPENSES NOT LISTED ABOVE:", 14, 70, "S2N", 49, Fit::None};
constexpr FilledGroup kGroupF{"F. PAYMENTS TO CREDITORS: ", 11, 91, "S2T", 16, Fit::EveryRow};

constexpr double kPaymentHeadOffset = 250;  // "MONTHLY PAYMENT" starts this far before the amounts

const QString kOther = QStringLiteral("Other ____________________");
const QString kWriteIn = QStringLiteral("__________________________");

}  // namespace

void ShortFormPainter::ExpenseSection(bool blankForm) {
  vs.SetFontBold(true);
  vs.PrintParagraph(QStringLiteral("SECTION II. AVERAGE MONTHLY EXPENSES"));
  vs.SetCurrentX(kLeftMargin);
  vs.PrintText(QStringLiteral("Proposed/Estimated Expenses."));
  vs.SetFontBold(false);
  vs.PrintText(QStringLiteral(" If this is a dissolution of marriage case "));
  Bold(QStringLiteral("and"));
  vs.PrintParagraph(QStringLiteral(" your expenses as listed below"));
  EndAt(kLeftMargin, QStringLiteral("do not reflect what you actually pay currently, you should "
                                    "write 'estimate' next to each amount that is estimated."));
  Gap(0.5);
  if (blankForm)
    BlankSchedule();
  else
    FilledSchedule();
}

void ShortFormPainter::FilledSchedule() {
  const auto& expenses = values.FDExpenseValues;
  const double top = vs.CurrentY();

  const auto group = [&](const ScheduleColumn& column, const FilledGroup& g) {
    vs.SetCurrentX(column.label);
    vs.SetFontBold(true);
    vs.PrintParagraph(QLatin1String(g.heading));
    vs.SetFontBold(false);
    if (g.fit == Fit::EveryRow) {
      At(column.label, QStringLiteral("CREDITOR:"));
      EndAt(column.amount - kPaymentHeadOffset, QStringLiteral("MONTHLY PAYMENT"));
      Gap(0.5);
    }
    // Items with an amount close up at the top; the rest are empty blanks.
    int printed = 0;
    for (int k = 0; k < g.rows && printed < g.rows; ++k) {
      const casevars::AffidavitValue& value = expenses[g.firstElement + k];
      if (!value.IsNumber()) continue;
      ++printed;
      QString name = Text(g.names, g.firstName + k);
      if (g.fit == Fit::EveryRow || (g.fit == Fit::LastRow && k == g.rows - 1))
        name = platform::CutToWidth(vs, name, kNameWidth);
      At(column.label, name);
      vs.SetCurrentX(column.amount);
      AmountLine(AmountText(value), column.blankEnd);
      Rule(column.amount, column.blankEnd);
    }
    for (; printed < g.rows; ++printed) {
      EndAt(column.amount, QStringLiteral("$"));
      Rule(column.amount, column.blankEnd);
    }
  };

  for (const FilledGroup* g : {&kGroupA, &kGroupB, &kGroupC}) {
    group(kScheduleLeft, *g);
    Gap(0.5);
  }
  group(kScheduleLeft, kGroupD);
  vs.PrintParagraph();
  const double leftEnd = vs.CurrentY();

  vs.SetCurrentY(top);
  group(kScheduleRight, kGroupE);
  Gap(0.5);
  group(kScheduleRight, kGroupF);
  vs.PrintParagraph();
  if (vs.CurrentY() < leftEnd) vs.SetCurrentY(leftEnd);

  vs.SetCurrentX(kLabelColumn);
  Bold(QStringLiteral("TOTAL MONTHLY EXPENSES:"));
  vs.PrintText(QStringLiteral(" (Add "));
  Bold(QStringLiteral("all"));
  vs.PrintText(QStringLiteral(" monthly amounts in A through F above) "));
  At(kLeftMargin, QStringLiteral("28.  "));
  const double start = vs.CurrentX();
  AmountLine(AmountText(expenses[105]), kBlankEnd);
  Rule(start, kBlankEnd);
}

void ShortFormPainter::BlankSchedule() {
  const double top = vs.CurrentY();

  const auto heading = [&](const ScheduleColumn& column, const char* text) {
    vs.SetCurrentX(column.label);
    vs.SetFontBold(true);
    vs.PrintParagraph(QLatin1String(text));
    vs.SetFontBold(false);
  };
  const auto rows = [&](const ScheduleColumn& column, std::initializer_list<QString> labels) {
    for (const QString& label : labels) {
      At(column.label, label);
      EndAt(column.amount, QStringLiteral("$"));
      Rule(column.amount, column.blankEnd);
    }
  };
  const auto writeIns = [&](const ScheduleColumn& column, int count) {
    for (int i = 0; i < count; ++i) rows(column, {kWriteIn});
  };
  // Every group ends with an empty line; all but D and F then with half a line.
  const auto groupEnd = [&](bool halfLine) {
    vs.PrintParagraph();
    if (halfLine) Gap(0.5);
  };

  heading(kScheduleLeft, "A. HOUSEHOLD:");
  rows(kScheduleLeft,
       {QStringLiteral("Mortgage or rent"), QStringLiteral("Property taxes"),
        QStringLiteral("Utilities"), QStringLiteral("Telephone"), QStringLiteral("Food"),
        QStringLiteral("Meals outside home"), QStringLiteral("Maintenance/Repairs"), kOther});
  groupEnd(true);
  heading(kScheduleLeft, "B. AUTOMOBILE:");
  rows(kScheduleLeft,
       {QStringLiteral("Gasoline"), QStringLiteral("Repairs"), QStringLiteral("Insurance")});
  groupEnd(true);
  heading(kScheduleLeft, "C. CHILD(REN)'S EXPENSES: ");
  rows(kScheduleLeft, {QString(), QStringLiteral("Day Care"), QStringLiteral("Lunch Money"),
                       QStringLiteral("Clothing"), QStringLiteral("Grooming"),
                       QStringLiteral("Gifts for holidays"),
                       QStringLiteral("Medical/Dental (uninsured)"), kOther});
  groupEnd(true);
  heading(kScheduleLeft, "D. INSURANCE:");
  rows(kScheduleLeft,
       {QStringLiteral("Medical/Dental"), QStringLiteral("Child(ren)'s medical/dental"),
        QStringLiteral("Life"), kOther});
  groupEnd(false);
  const double leftEnd = vs.CurrentY();

  vs.SetCurrentY(top);
  heading(kScheduleRight, "E. OTHER EXPENSES NOT LISTED ABOVE:");
  rows(kScheduleRight,
       {QStringLiteral("Clothing"), QStringLiteral("Medical/Dental (uninsured)"),
        QStringLiteral("Grooming"), QStringLiteral("Entertainment"), QStringLiteral("Gifts"),
        QStringLiteral("Religious organizations"), QStringLiteral("Miscellaneous"), kOther});
  writeIns(kScheduleRight, 6);
  groupEnd(true);
  heading(kScheduleRight, "F. PAYMENTS TO CREDITORS: ");
  At(kScheduleRight.label, QStringLiteral("CREDITOR:"));
  EndAt(kScheduleRight.amount - kPaymentHeadOffset, QStringLiteral("MONTHLY PAYMENT"));
  vs.PrintParagraph();
  writeIns(kScheduleRight, 11);
  groupEnd(false);
  if (vs.CurrentY() < leftEnd) vs.SetCurrentY(leftEnd);

  vs.SetCurrentX(kLeftMargin);
  vs.SetFontBold(true);
  vs.PrintParagraph(QStringLiteral("28. TOTAL MONTHLY EXPENSES:"));
  vs.SetFontBold(false);
  At(kLeftMargin, QStringLiteral("       (Add all monthly amounts in A through F above) "));
  vs.SetFontBold(true);
  At(kExpenseColumn, QStringLiteral("28.  "));
  const double start = vs.CurrentX();
  vs.SetFontBold(false);
  AmountLine(AmountText(values.FDExpenseValues[105]), kRightEdge);
  Rule(start, kRightEdge);
}

}  // namespace affidavit::shortform
