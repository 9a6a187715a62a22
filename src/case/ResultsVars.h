#pragma once

#include <QString>

#include <cstdint>

namespace casevars {

// State kept by the child support result window (Form5) between runs.
struct ResultsVars {
  // Which monthly nets were entered by hand: 1 none, 2 the claimant's, 3 the
  // other party's, 4 both; 0 after the result window returned to the Express
  // screen. The Express screen's run sets 1 before it calls the run.
  std::int16_t ManualNetState = 0;
  QString ManualNetStateText;  // ManualNetState in words, written by the result text
};

}  // namespace casevars
