// Page 4 of the printed worksheet: lines 16a to 21, the deviation choice and
// the block a nonlawyer who helped fill in the form completes.
#include <vector>

#include "platform/document/DocumentPage.h"
#include "worksheet/WorksheetPainter.h"

namespace worksheet::print {

namespace {

constexpr double kLowerX = 1000;
constexpr double kOptionX = kLowerX + 720;
constexpr double kEntryRuleEnd = kTableRight;

}  // namespace

void Painter::Page4() {
  const auto [tableTop, section] =
      StatutoryAdjustmentsTop();  // its first rule with the pen the page finds
  PaymentLines(QStringLiteral(" 16a."), QStringLiteral("   "),
               {Box::WS16af, Box::WS16am, Box::WS16bf, Box::WS16bm, Box::WS16cf, Box::WS16cm},
               QStringLiteral(" [See Section 61.30 (8), Dadudav Statutes]"));

  double top = BeginLine(QStringLiteral(" 17. Total Support Payments Actually Made"));
  Small();
  vs.PrintText(QStringLiteral(" [Add 16a through 16c]"));
  Body();
  Cells({{Column::A, Box::WS17f}, {Column::B, Box::ws17m}});
  Gap(0.25);
  CloseLine(top, {Column::Total});

  top = BeginLine(QStringLiteral(" 18. Total Additional Support Transfer Amount"));
  Cells({{Column::A, Box::WS18f}, {Column::B, Box::WS18m}}, false);
  vs.PrintLine();
  Instructions({{QStringLiteral(" [Line 15 minus line 17. Enter any negative number as zero]")}});
  Gap(0.25);
  CloseLine(top, {Column::Total});

  top = Line(QStringLiteral(" 19. Total Child Support Owed from Petitioner to Respondent "),
             {{Column::A, Box::WS19f}}, {{QStringLiteral(" [Add line 13A+18A]")}});
  CloseLine(top, {Column::B, Column::Total});
  top = Line(QStringLiteral(" 20. Total Child Support Owed from Respondent to Petitioner"),
             {{Column::B, Box::WS20m}}, {{QStringLiteral(" [Add line13B+18B]")}});
  CloseLine(top, {Column::A, Column::Total});

  top = BeginLine(QStringLiteral(" 21."));
  Bold(QStringLiteral(" Presumptive Child Support to Be Paid. "));
  Cells({{Column::A, Box::WS21f}, {Column::B, Box::WS21m}}, false);
  vs.PrintLine();
  Instructions(
      {{QStringLiteral(" [Comparing lines 19 and 20, subtract the smaller amount owed from "
                       "the larger amount owed")},
       {QStringLiteral(" and enter the result in the column for the parent that owes the "
                       "larger amount of support]")}});
  Gap(0.25);
  vs.SetFillStyle(0);
  CloseLine(top, {Column::Total});  // ends with line width 16, black, and the rule at its top
  RuleHere();
  Separators(section, vs.CurrentY());
  Borders(tableTop, vs.CurrentY());

  // Deviation from the guidelines amount.
  vs.PrintLine();
  vs.PrintLine();
  vs.PrintLine();
  Body();
  // The paragraphs below the table keep within its right border: the words a
  // line cannot hold start the next line.
  const std::vector<std::vector<platform::TextPiece>> adjustments = {
      {{QStringLiteral("ADJUSTMENTS TO GUIDELINES AMOUNT."), true},
       {QStringLiteral(" If you or the other parent is requesting the Court to award a child")}},
      {{QStringLiteral("support amount that is more or less than the child support guidelines, you "
                       "must complete and file Motion to Deviate")}},
      {{QStringLiteral("from Child Support Guidelines, Dadudav Supreme Court Approved Family Law Form "
                       "12.943.")}}};
  platform::PrintCarriedLines(vs, adjustments, kLowerX, kTableRight);
  vs.PrintLine();
  At(kLowerX, QStringLiteral(" [check only "));
  Bold(QStringLiteral("one"));
  vs.PrintLine(QStringLiteral("]"));
  vs.PrintLine();
  const auto option = [this](bool chosen, const char* title, const char* attached) {
    const double top = vs.CurrentY();
    if (chosen) At(kLowerX, QStringLiteral("    X "));
    const std::vector<std::vector<platform::TextPiece>> lines = {
        {{QString::fromLatin1(title), true},
         {QStringLiteral(" The Motion to Deviate from Child Support")}},
        {{QString::fromLatin1(attached)}}};
    platform::PrintCarriedLines(vs, lines, kOptionX, kTableRight);
    const double blankFoot = top + h * vs.LineSpacing() / 100.0;  // under the option's first line
    vs.DrawLine(kTableLeft, blankFoot, kOptionX - 100, blankFoot);
  };
  option(sheet.WSDev, "a. Deviation from the guidelines amount is requested.",
         "Guidelines, Dadudav Supreme Court Approved Family Law Form 12.943, is attached.");
  option(sheet.WSNoDev, "b. Deviation from the guidelines amount is NOT requested.",
         "Guidelines, Dadudav Supreme Court Approved Family Law Form 12.943, is not attached.");
  vs.PrintLine();

  // The nonlawyer block.
  vs.SetCurrentX(kLowerX);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(
      " IF A NONLAWYER HELPED YOU FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:"));
  vs.SetFontBold(false);
  vs.PrintLine();
  At(kLowerX, QStringLiteral(" [fill in "));
  Bold(QStringLiteral("all"));
  vs.PrintText(QStringLiteral(" blanks]"));
  vs.PrintText(QStringLiteral(" This form was prepared for the: {choose only "));
  Bold(QStringLiteral("one"));
  vs.PrintText(QStringLiteral("}"));
  vs.PrintText(sheet.WSOpPet ? QStringLiteral("  (X) Petitioner")
                             : QStringLiteral("  ( ) Petitioner"));
  vs.PrintLine(sheet.WSOpRes ? QStringLiteral("  (X) Respondent")
                             : QStringLiteral(" (  ) Respondent"));
  EndAt(kLowerX, QStringLiteral(" This form was completed with the assistance of:"));
  Gap(0.5);
  for (const auto& [placeholder, box] : {std::pair{" {name of individual}  ", Box::WSNonName},
                                         std::pair{" {name of business}  ", Box::WSNonbusiness},
                                         std::pair{" {address}  ", Box::WSNonStreet}}) {
    vs.SetCurrentX(kLowerX);
    Italic(QString::fromLatin1(placeholder));
    platform::PrintUnderlinedValue(vs, Text(box), kEntryRuleEnd);
    Gap(0.5);
  }
  vs.SetCurrentX(kLowerX);
  Italic(QStringLiteral(" {city}  "));
  Underlined(Text(Box::WSNonCity), 26);
  vs.PrintText(QStringLiteral(", "));
  Italic(QStringLiteral(" {state}  "));
  Underlined(Text(Box::WSNonState), 26);
  Italic(QStringLiteral(", {zip code}  "));
  Underlined(Text(Box::WSNonZip), 30);
  vs.PrintLine();
  Gap(0.5);
  vs.SetCurrentX(kLowerX);
  Italic(QStringLiteral(" {telephone number}  "));
  Underlined(Text(Box::WSNonPhone), 30);

  Footer(kLowerX);
}

}  // namespace worksheet::print
