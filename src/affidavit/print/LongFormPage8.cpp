// Long form page 8: "SECTION III.  ASSETS AND LIABILITIES" and the
// instructions for the assets and the liabilities tables, fixed text in 8
// points.
#include <initializer_list>
#include <vector>

#include "affidavit/print/LongFormLines.h"
#include "platform/document/DocumentPage.h"

namespace affidavit::longform {

namespace {

enum class Style { Plain, Bold, BoldUnderlined };

struct StyledRun {
  Style style;
  const char* text;
};
using StyledLine = std::initializer_list<StyledRun>;
// Lines of the form that run on into one another: the words a line cannot
// hold within the right edge go on to the next line of the paragraph.
using Paragraph = std::initializer_list<StyledLine>;

constexpr Style P = Style::Plain;
constexpr Style B = Style::Bold;
constexpr Style U = Style::BoldUnderlined;

const Paragraph kAssets[] = {
    {
        {{P,
          "If you have an equitable distribution schedule or balance sheet that includes the "
          "information below, "}},
        {{P, "you may attach the document instead of filling out Section III. "}},
    },
    {
        {{B, "INSTRUCTIONS:"}},
    },
    {
        {{U, "STEP 1: "},
         {B, "Describe the Asset. In column A,"},
         {P, " list a description of each separate item owned by you (or "}},
        {{P,
          "your spouse, if this is an original action for dissolution). Include items held in a "
          "revocable trust. List only the last 4"}},
        {{P,
          "digits of account numbers. Blank spaces are provided if you need to list more than one "
          "of a certain type of asset. If "}},
        {{P,
          "you need to list more more assets than blank spaces provided, please attach a separate "
          "sheet listing additional assets."}},
    },
    {
        {{U, "STEP 2: "},
         {B, "Select Assets. (Initial Dissolution Matter ONLY)"},
         {P, " If this is an original action for dissolution,"}},
        {{P, "check the box to the left of the description in"},
         {B, " column A"},
         {P, " next to any asset that you are requesting the "}},
        {{P, "judge award to you. "},
         {B, "Disregard this step in all other domestic relations matters and proceed to step 4."}},
    },
    {
        {{U, "STEP 3: "},
         {B,
          "State the Value of Marital Assets and Non-Marital Assets (Initial Dissolution Matter "
          "ONLY) "}},
        {{P,
          "If this is an original action for dissolution, in column B, place the current fair "
          "market value of all marital assets. If you believe "}},
        {{P,
          "that the asset described in column A is your non-marital asset, write what you believe "
          "its fair market value to be in column C "}},
        {{P,
          "under Petitioner if you are the Petitioner, or under Respondent if you are the "
          "Respondent. If the asset has a marital and "}},
        {{P,
          "non-marital component, write what you believe the fair market value of the marital "
          "portion is in column B and what you believe the "}},
        {{P,
          "fair market value of the non-marital portion is in the appropriate column in column C. "
          "The total of column B and column C must equal "}},
        {{P,
          "the asset value on the appropriate valuation date. Disregard this step in all other "
          "domestic relation matters and proceed to step 4."}},
    },
    {
        {{U, "STEP 4:"},
         {B,
          " State the Value of Non-marital Assets. (OTHER THAN Initial Dissolution Matters ONLY)."},
         {P, " If this is a matter "}},
        {{P,
          "OTHER THAN an original dissolution, write what you believe the fair market value to be "
          "in column C under Petitioner if you are the"}},
        {{P, "Petitioner, or under Respondent if you are the Respondent."},
         {B, "DO NOT USE COLUMN B in any domestic relations matter that is "}},
        {{B, "NOT an original dissolution; use only column C."},
         {P, " See the"},
         {B, "General Information for Self-Represented Litigants"},
         {P, "found at the "}},
        {{P,
          "beginning of these forms and section 61.075(1), Dadudav Statutes, for definitions of "
          "marital and nonmarital assets and liabilities."}},
    },
};

const Paragraph kLiabilities[] = {
    {
        {{B, "LIABILITIES/DEBTS"}},
    },
    {
        {{B, "INSTRUCTIONS:"}},
    },
    {
        {{U, "STEP 1: "},
         {B, "Describe the Liability/Debt. In column A,"},
         {P, " list a description of each separate debt owed by you (or your,"}},
        {{P,
          "spouse if this is an original action for dissolution) and identify the title "
          "owner/obligor of the debt. List only the last 4 digits "}},
        {{P,
          "of account numbers.  Blank spaces are provided if you need to list more than one of a "
          "certain type of debt. If you need "}},
        {{P,
          "to list more debts than blank spaces provided, please attach a separate sheet listing "
          "additional debts."}},
    },
    {
        {{U, "STEP 2: "},
         {B, "Select Debts (Initial Dissolution Matter ONLY). "},
         {P, "If this is an original action for dissolution, check the box "}},
        {{P,
          "to the left of the description in column A next to any debt(s) for which you believe "
          "you should be responsible. "}},
        {{B,
          "Disregard  this step in all other domestic relations matters and proceed to step 4."}},
    },
    {
        {{U, "STEP 3: "},
         {B,
          "State the Value of Marital Debts and Non-Marital Debts (Initial Dissolution Matter "
          "ONLY). "},
         {P, "If this is an original "}},
        {{P, "action for dissolution, in "},
         {B, "column B,"},
         {P,
          " write what you believe the current amount owed for each marital debts listed. If you "
          "believe"}},
        {{P,
          "that the debt described in column A is a non-marital debt, write what you believe the "
          "current amount owed is in column C under "}},
        {{P,
          "Petitioner if you believe the Petitioner should be responsible for the debt, or under "
          "Respondent if you believe the Respondent "}},
        {{P,
          "should be responsible for the debt. If the debt has a marital and non-marital "
          "component, write what you believe the current "}},
        {{P,
          "amount owed of the marital portion is in column B and what you believe the current "
          "amount owed of the non-marital portion in"}},
        {{P,
          "the appropriate column in column C. The total of column B and column C must equal the "
          "total debt value on the appropriate "}},
        {{P, "valuation date."},
         {B,
          " Disregard this step in all other domestic relations matters and proceed to step 4."}},
    },
    {
        {{U, "STEP 4: "},
         {B, "State Value of Non-Marital Debts (OTHER THAN Initial Dissolution Matters ONLY). "},
         {P, "If this is a matter OTHER "}},
        {{P,
          "THAN an original dissolution, write what you believe the current amount owed to be in "
          "column C under Petitioner, if you are the"}},
        {{P, "Petitioner or under Respondent, if you are the Respondent. "},
         {B, " DO NOT USE COLUMN B in any domestic relations matter that is"}},
        {{B, "NOT an original dissolution; use only column C. "},
         {P, "See the "},
         {B, "General Information for "},
         {U, "Self-Represented"},
         {B, "Litigants"},
         {P, " found at"}},
        {{P,
          " the beginning of these forms and section 61.075(1), Dadudav Statutes, for definitions "
          "of marital and nonmarital assets and liabilities."}},
    },
};

void PrintParagraphs(Painter& p, std::span<const Paragraph> paragraphs) {
  for (const Paragraph& paragraph : paragraphs) {
    std::vector<std::vector<platform::TextPiece>> lines;
    for (const StyledLine& line : paragraph) {
      std::vector<platform::TextPiece>& pieces = lines.emplace_back();
      for (const StyledRun& r : line)
        pieces.push_back({QString::fromLatin1(r.text), r.style != Style::Plain,
                          r.style == Style::BoldUnderlined});
    }
    p.vs.SetFontBold(false);
    p.vs.SetFontUnderline(false);
    platform::PrintCarriedLines(p.vs, lines, kLeft, kRight);
  }
}

}  // namespace

void Painter::Page8() {
  PageTop();
  vs.PrintLine();
  vs.PrintLine();
  vs.SetFontSize(8);
  SectionHeading(QStringLiteral("SECTION III.  ASSETS AND LIABILITIES"), true);
  vs.PrintLine();
  EndAt(kLeft, QStringLiteral("A. ASSETS "));
  vs.SetFontBold(false);
  PrintParagraphs(*this, kAssets);
  vs.PrintLine();
  vs.PrintLine();
  PrintParagraphs(*this, kLiabilities);
  vs.SetFontSize(run.font.FDFontSize);
}

}  // namespace affidavit::longform
