#pragma once

#include <QDate>
#include <QString>

#include <optional>

#include "case/CaseVars.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"

// The Alimony Report: one page with the case score, the term
// recommendations, the suggested award and its cap, the case data, both
// parties' yearly incomes, taxes and net incomes after alimony side by side,
// the tax-treatment note, the present value of the award and a footer.
namespace alimony {

// Margins the preview starts the report's document with, in twips.
inline constexpr double kReportLeftMargin = 700;
inline constexpr double kReportOtherMargins = 400;

struct AlimonyReportInputs {
  QString CaseName;   // the result window's ClaimantName box
  QDate Today = QDate::currentDate();
  // The default printer's page height in twips; empty when there is no
  // printer: the footer then follows the present-value column.
  std::optional<double> PageHeight = platform::kLetterHeight;
};

// PrintAlimonyReport: draws the report on a started document (left margin
// 700) from the case variables and the preparer preferences, and ends the
// document. The case score printed is the one the figures were computed
// with (Alimony.AlimonyCaseScore, as the result window shows it after a
// run), whatever the window's box holds. Changes nothing.
void PrintAlimonyReport(platform::DrawingCursor& vs, const casevars::CaseVars& vars,
                        const AlimonyReportInputs& inputs);

// The report as the preview shows it: a new document with the report's
// margins, drawn and ended.
platform::Document AlimonyReportDocument(const casevars::CaseVars& vars, const AlimonyReportInputs& inputs);

}  // namespace alimony
