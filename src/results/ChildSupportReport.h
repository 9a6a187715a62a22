#pragma once

#include <QDate>
#include <QString>

#include "case/CaseVars.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"

// The Child Support Report: one page with both parties' incomes, taxes and net
// incomes side by side, the case data, the guideline calculation, the
// transfer and its method, the children's Social Security credits, the tiers
// and notes, drawn on the preview window's document from the results of the
// last child support run.
namespace results {

struct ChildSupportReportInputs {
  QString caseName;  // the result window's case name box
  QDate today = QDate::currentDate();
};

// Draws the report on a document started with the report margins (see
// StartReportDocument) and ends the document. Sets `ManualNetStateText`.
void PrintChildSupportReport(platform::DrawingCursor& vs, casevars::CaseVars& vars,
                             const ChildSupportReportInputs& inputs);

// Starts a new document for a result report on the preview's document: preview
// display on, margins of 700 twips at the left and 400 at the other edges.
void StartReportDocument(platform::DrawingCursor& vs);

// The report as the result window's preview command makes it: a new document,
// the report, the document ended.
platform::Document BuildChildSupportReport(casevars::CaseVars& vars,
                                           const ChildSupportReportInputs& inputs);

}  // namespace results
