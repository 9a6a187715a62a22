// Page 3 of the printed worksheet: lines 7a to 9 of the standard method and
// lines 10 to 15 of the substantial time-sharing method.
#include "platform/document/DocumentPage.h"
#include "worksheet/WorksheetPainter.h"

namespace worksheet::print {

void Painter::Page3() {
  Pen(16);
  const auto [tableTop, firstSection] = StatutoryAdjustmentsTop();
  double section = firstSection;
  PaymentLines(QStringLiteral(" 7a."), QStringLiteral("  "),
               {Box::WS7af, Box::WS7am, Box::WS7bf, Box::WS7bm, Box::WS7cf, Box::WS7cm},
               QStringLiteral(" [See Section 61.30(8), Dadudav Statutes]"));
  double top = 0;

  // Line 8: its amounts stand on the second line.
  top = BeginLine(QStringLiteral(" 8. Total Support Payments Actually Made"));
  vs.PrintLine();
  Small();
  At(kInstructionX, QStringLiteral(" [Add 7a through 7c] "));
  Body();
  Cells({{Column::A, Box::WS8f}, {Column::B, Box::WS8m}});
  Gap(0.25);
  CloseLine(top, {Column::Total});

  top = BeginLine(QStringLiteral(" 9."));
  Bold(QStringLiteral(" MINIMUM CHILD SUPPORT OBLIGATION FOR"));
  Cells({{Column::A, Box::WS9f}, {Column::B, Box::WS9m}});
  vs.SetCurrentX(kLabelX);
  Bold(QStringLiteral("    EACH PARENT "));
  Small();
  vs.PrintLine(QStringLiteral(" [Line 4 plus line 6; minus line 8]"));
  Gap(0.25);
  CloseLine(top, {Column::Total});
  Separators(section, vs.CurrentY());

  // The time-sharing band: two bold heading lines.
  const Band timeSharing = HeadingBand(2, 0, true, false);
  vs.SetCurrentY(timeSharing.top);
  vs.SetFontBold(true);
  Gap(0.25);
  EndAt(kLabelX,
        QStringLiteral(" Substantial Time-Sharing (GROSS UP METHOD) If each parent exercises "
                       "time-sharing at least 20"));
  EndAt(kLabelX,
        QStringLiteral(" percent of the overnights in the year (73 overnights in the year), "
                       "complete Nos. 10 through 21"));
  vs.SetFontBold(false);
  Gap(0.25);
  RuleHere();
  section = vs.CurrentY();

  Line(QStringLiteral(" 10. Basic Monthly Obligation x 150% "), {{Column::Total, Box::WS10t}},
       {{QStringLiteral(" [Multiply line 2 by 1.5]")}});
  ShareLine(QStringLiteral(" 11. Increased Basic Obligation for Each Parent"), Box::WS11f,
            Box::WS11m, "10", "11");

  // Line 12 and the overnights sentences.
  top = BeginLine(QStringLiteral(" 12. Percentage of Overnight Stays With Each Parent"));
  Cells({{Column::A, Box::WS12f}, {Column::B, Box::WS12m}});
  // Each sentence wraps inside its cell, left of column A; the last one, which
  // names the line, stays whole.
  const auto overnights = [this](Box days, const char* parent, const char* line) {
    Small();
    vs.SetCurrentX(kInstructionX);
    const platform::TextPiece sentence[] = {
        {QStringLiteral("The child(ren) spend(s) ")},
        {QStringLiteral("  ") + Text(days) + QStringLiteral("  "), true, true, true},
        {QStringLiteral("overnight stays with the %1 each year. Using the number on the above line, "
                        "multiply it by 100 and divide by 365. ")
             .arg(QLatin1String(parent))},
        {QStringLiteral("Enter this number on line %1.").arg(QLatin1String(line)), false, false, true}};
    platform::PrintWrapped(vs, sentence, kInstructionX, kLabelColumnRight);
  };
  overnights(Box::WSFatherDays, "Petitioner", "12A");
  overnights(Box::WSMotherDays, "Respondent", "12B");
  Gap(0.25);
  CloseLine(top, {Column::Total});

  top = Line(QStringLiteral(" 13. Parent's Support Multiplied by Other Parent's Percentage of"),
             {{Column::A, Box::WS13f}, {Column::B, Box::WS13m}},
             {{QStringLiteral(" Overnights"), false},
              {QStringLiteral(" [Multiply line 11A by line 12B. Enter this number in 13A. Multiply "
                              "line 11B by")},
              {QStringLiteral(" line 12A. Enter this number in 13B.]")}});
  CloseLine(top, {Column::Total});
  Separators(section, vs.CurrentY());

  section = TitledBand(QStringLiteral("Additional Support - Health Insurance, Child Care & Other"),
                       kShade, true, false)
                .bottom;
  CostLines(QStringLiteral(" 14a. Total Monthly Child Care Costs"), QStringLiteral("   "),
            Box::WS14at, Box::WS14bt, Box::WS14ct);
  top = Line(QStringLiteral("   d. Total Monthly Child Care & Health Costs"),
             {{Column::Total, Box::WS14dt}}, {{QStringLiteral(" [Add lines 14a+14b+14c]")}});
  CloseLine(top, {Column::A, Column::B});
  ShareLine(QStringLiteral(" 15. Additional Support Payments"), Box::WS15f, Box::WS15m, "14d",
            "15");
  Separators(section, vs.CurrentY());
  Pen(16);
  RuleHere();
  Borders(tableTop, vs.CurrentY());

  Footer(kLabelX);
}

}  // namespace worksheet::print
