// Page 2 of the printed worksheet: the caption, the title, the gross income
// box and lines 1 to 6.
#include "platform/document/DocumentPage.h"
#include "worksheet/WorksheetPainter.h"

namespace worksheet::print {

void Painter::Page2() {
  Body();
  vs.SetFontBold(false);
  h = platform::LineHeight(vs);
  topMargin = platform::TopMarginFor(settings.preparerMargin);
  vs.SetPenWidth(8);
  Caption();
  Gap(0.5);

  const QString title = QStringLiteral("CHILD SUPPORT GUIDELINES WORKSHEET");
  vs.SetFontBold(true);
  Body();
  Gap(0.25);
  EndAt(platform::CentredX(vs, title), title);
  Gap(0.25);
  vs.SetFontBold(false);
  Gap(0.5);

  const QString headB = QStringLiteral("B. RESPONDENT");
  const Instruction affidavitLine{QStringLiteral(" Form 12.902(b) or (c), Financial Affidavit.")};

  // Box 1: gross income.
  const double box1Top = vs.CurrentY();
  TitledBand(QStringLiteral(" GROSS INCOME CALCULATION"), 0, false, true);
  double section = ColumnHeads(headB);
  double top =
      Line(QStringLiteral(" Present Gross Monthly Income"),
           {{Column::A, Box::WS0f}, {Column::B, Box::WS0m}, {Column::Total, Box::WS0t}},
           {{QStringLiteral(" Enter the amount from line 17, Section I of Dadudav Family Law "
                            "Rules of Procedure")},
            affidavitLine});
  CloseLine(top, {}, true);
  Pen(16);
  Rule(box1Top);
  RuleHere();
  Separators(section, vs.CurrentY());
  Borders(box1Top, vs.CurrentY());

  // Box 2: the worksheet, lines 1 to 6.
  const double box2Top = vs.CurrentY();
  TitledBand(title, 0, true, true);
  section = ColumnHeads(headB);
  top = Line(QStringLiteral(" 1. Present Net Monthly Income"),
             {{Column::A, Box::WS1f}, {Column::B, Box::WS1m}, {Column::Total, Box::WS1t}},
             {{QStringLiteral(" Enter the amount from line 27, Section I of Dadudav Family Law "
                              "Rules of Procedure")},
              affidavitLine});
  CloseLine(top, {}, true);

  // Line 2, with the number of children inside its first instruction line.
  top = BeginLine(QStringLiteral(" 2. Basic Monthly Obligation"));
  Cells({{Column::Total, Box::WS2t}});
  Small();
  At(kInstructionX, QStringLiteral(" There is (are) "));
  Italic(QStringLiteral(" {number}  "));
  vs.SetFontBold(true);
  vs.SetFontUnderline(true);
  vs.PrintText(QStringLiteral("   ") + Text(Box::WSNumMinors) + QStringLiteral("   "));
  vs.SetFontBold(false);
  vs.SetFontUnderline(false);
  vs.PrintLine(QStringLiteral(" minor child(ren) common to the parties. Using the total"));
  Instructions(
      {{QStringLiteral(" amount from line 1, enter the appropriate amount from the child "
                       "support guidelines chart.")}});
  Gap(0.25);
  CloseLine(top, {Column::A, Column::B});

  top = Line(QStringLiteral(" 3. Percent of Financial Responsibility"),
             {{Column::A, Box::WS3f}, {Column::B, Box::WS3m}},
             {{QStringLiteral(" Divide the amount on line 1A by the total amount on line 1 to get "
                              "Petitioner's percentage")},
              {QStringLiteral(" of financial responsibility. Enter answer on line 3A.")},
              {QStringLiteral(" Divide the amount on line 1B by the total amount on line 1 to get "
                              "Respondent's percentage")},
              {QStringLiteral(" of financial responsibility. Enter answer on line 3B.")}});
  CloseLine(top, {Column::Total});
  top = Line(QStringLiteral(" 4. Share of Basic Monthly Obligation"),
             {{Column::A, Box::WS4f}, {Column::B, Box::WS4m}},
             {{QStringLiteral(" Multiply the number on line 2 by the percentage on line 3A to get "
                              "Petitioner's share of basic")},
              {QStringLiteral(" obligation. Enter answer on line 4A.")},
              {QStringLiteral(" Multiply the number on line 2 by the percentage on line 3B to get "
                              "Respondent's share of basic")},
              {QStringLiteral(" obligation. Enter answer on line 4B.")}});
  CloseLine(top, {Column::Total});
  Separators(section, vs.CurrentY());

  section = TitledBand(QStringLiteral("Additional Support - Health Insurance, Child Care & Other"),
                       0, true, false)
                .bottom;
  CostLines(QStringLiteral(" 5a. 100% of Monthly Child Care Costs"), QStringLiteral("  "),
            Box::WS5at, Box::WS5bt, Box::WS5ct);

  // Line 5d: its total stands on the second line, after the bracketed instruction.
  top = BeginLine(QStringLiteral("  d. Total Monthly Child Care & Health Costs"));
  vs.PrintLine();
  Small();
  At(kInstructionX, QStringLiteral(" [Add lines 5a+5b+5c]"));
  Body();
  Cells({{Column::Total, Box::WS5dt}});
  Gap(0.25);
  CloseLine(top, {Column::A, Column::B});

  ShareLine(QStringLiteral(" 6. Additional Support Payments"), Box::WS6f, Box::WS6m, "5d", "6");
  Pen(16);
  Separators(section, vs.CurrentY());
  RuleHere();
  Borders(box2Top, vs.CurrentY());

  Footer(kLabelX);
}

}  // namespace worksheet::print
