#pragma once

#include <QDate>
#include <QString>

#include "case/IncomeVars.h"
#include "platform/document/DrawingCursor.h"

// The income report ("Print Income Popups"): both parties' entries side by
// side on a first page, then a page for each party who files jointly with a
// new spouse, drawn straight for the printer in millimetres.
namespace income {

// What the report reads of the windows for one party.
struct IncomeReportParty {
  bool mfj = false;       // the Express screen's "Married Filing Jointly" option
  bool itemized = false;  // the income window's itemized deduction option
  bool eic = false;       // the income window's earned income credit box
};

struct IncomeReportInputs {
  QString caseName;  // the Express screen's case name
  casevars::PartyPair<IncomeReportParty> parties;
  QDate today = QDate::currentDate();
};

// Draws the whole report on a printer's drawing cursor and ends its
// document. The amounts are the case variables as they stand; the header
// reads the preparer preferences.
void PrintIncomePopups(platform::DrawingCursor& printer, const casevars::IncomeVars& vars,
                       const IncomeReportInputs& inputs);

}  // namespace income
