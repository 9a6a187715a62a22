#pragma once

#include <QString>

#include <optional>

// What the result window's "Change Alimony Award" command takes from its
// NewAward box before it runs the calculation with the user's award.
namespace alimony {

struct NewAwardReading {
  std::optional<double> Award;  // the yearly award, 0 or more
  QString Message;             // else the "Entry Error" prompt
  bool FocusToBox = false;     // the focus goes to NewAward with the message
};

// Currency characters are removed; the rest must be a number (an empty box is
// not), no larger than an income box takes, and 0 or more.
NewAwardReading ReadNewAward(const QString& text);

}  // namespace alimony
