#pragma once

#include <QDate>
#include <QString>

#include <vector>

#include "case/CaseVars.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"
#include "results/TextCanvas.h"

// The itemised federal tax credits of one party as the last tax calculation
// left them: the tax credit window (Form10) and its printout of both parties.
namespace results {

// The figures the breakdown works out itself.
struct TaxCreditFigures {
  // The tax the nonrefundable credits are charged against: the party's income
  // tax before credits, for a joint return the couple's (kept by the tax
  // calculation before it took the party's share).
  double taxOwed = 0;
  // The part of the child tax credit the tax absorbs, after the care and the
  // other credits: between 0 and the child tax credit.
  double childTaxCredit = 0;
  // The nonrefundable credits together, at most the tax owed.
  double nonrefundable = 0;
};
TaxCreditFigures ComputeTaxCreditFigures(const casevars::CaseVars& vars, casevars::Party party);

enum class CreditsLayout { Window, Printout };

// One line of the breakdown: a text and the amount written right after it;
// an empty line has neither.
struct CreditLine {
  QString text;
  QString amount;
};

// The breakdown's lines for one party. The window adds the party's business,
// loss carryover, overtime and tips deduction lines where they apply; a few
// texts differ between the window and the printout.
std::vector<CreditLine> TaxCreditLines(const casevars::CaseVars& vars, casevars::Party party,
                                       CreditsLayout layout);

// Form10's breakdown picture (Picture1) at its design size, Tahoma 8.25 points.
TextCanvas TaxCreditsPicture();

// Clears the window's picture and writes the party's breakdown into it, each
// amount right after its text.
void DrawTaxCredits(TextCanvas& picture, const casevars::CaseVars& vars, casevars::Party party);

struct TaxCreditsPrintInputs {
  QString caseName;  // the Express screen's case name
  QDate today = QDate::currentDate();
};

// The "Federal Tax Credits" page on a printer's drawing cursor: the case name
// and preparer lines, then the claimant's and the other party's breakdowns;
// ends the document.
void PrintTaxCredits(platform::DrawingCursor& printer, const casevars::CaseVars& vars,
                     const TaxCreditsPrintInputs& inputs);

}  // namespace results
