#pragma once

#include <QString>

#include <functional>

#include "case/CaseVars.h"
#include "results/TextCanvas.h"

// The child support result text: what every child support run writes into the
// result window Form5, shown or not.
namespace results {

// The pictures and frame captions of Form5 that the result text writes, at
// their design sizes (twips) in Tahoma 8.25 points bold. The window fitting
// scales their sizes and fonts; a window draws them as they stand.
struct ChildSupportPictures {
  ChildSupportPictures();

  TextCanvas Picture5;  // the claimant's incomes, taxes and net income
  TextCanvas Picture6;  // the other party's
  TextCanvas Picture7;  // case data
  TextCanvas Picture3;  // the transfer and the notes
  TextCanvas Picture1;  // the claimant's side of the calculation
  TextCanvas Picture4;  // the other party's side
  TextCanvas Picture8;  // the tiers, one line a number of children
  TextCanvas Picture2;  // the basic support obligation
  QString Frame1Caption = QStringLiteral("Claimant");
  QString Frame2Caption = QStringLiteral("Other Parent");
};

// Writes the results of the run in `vars` into the pictures and sets the
// party frames' captions by custody ("NoMinors" leaves them). The value
// columns end 200 x scaleFactorX twips inside the party pictures and
// 100 x scaleFactorX inside the obligation pictures. Sets
// `ManualNetStateText`. (The Express screen's ChildSupport field takes the
// transfer from the run's outcome.)
void DrawChildSupportText(casevars::CaseVars& vars, ChildSupportPictures& pictures,
                          double scaleFactorX);

// The child support run's result-text hook drawing into `pictures` with the
// horizontal screen factor of the moment.
std::function<void(casevars::CaseVars&)> ChildSupportTextHook(
    ChildSupportPictures& pictures, std::function<double()> scaleFactorX);

}  // namespace results
