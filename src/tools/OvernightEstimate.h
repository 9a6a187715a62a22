#pragma once

#include <QString>

#include <optional>

namespace express {
class Prompter;
}

// The overnight estimator's count (FormOnight): a parent's yearly overnights
// from the school-year schedule and a rule for each vacation period.
namespace tools {

enum class VacationRule { None, Continuation, Half, Other };
enum class SummerRule { None, Continuation, ContinuationPlus, Half, Other };

// The entry boxes in the order a calculation reads them.
enum class OvernightBox {
  SchoolWeeks,
  SchoolNights,
  BreakWeeks,
  BreakNights,
  XMassWeeks,
  XMassNights,
  SummerWeeks,
  SummerConWeeks,
  SummerNights,
  OtherNights,
};
inline constexpr int kOvernightBoxCount = 10;

// The texts of the entry boxes (indexed by OvernightBox) and the chosen rules.
struct OvernightEntries {
  QString text[kOvernightBoxCount];
  VacationRule xmass = VacationRule::None;
  VacationRule breaks = VacationRule::None;
  SummerRule summer = SummerRule::None;

  QString& operator[](OvernightBox box) { return text[static_cast<int>(box)]; }
  const QString& operator[](OvernightBox box) const { return text[static_cast<int>(box)]; }
};

// The window's initial state (and "Clear Data"): weeks 37, 2, 2, 11, other
// overnights 0, every other box empty, no rule chosen.
OvernightEntries InitialOvernightEntries();

struct OvernightResult {
  int message = 0;  // 0: counted; otherwise the number of the entry error
  QString prompt;
  std::optional<OvernightBox> focus;  // empty: the focus stays where it was
  double total = 0;
  QString totalText;  // the total box's text after a count ("###.0")
};

// "Calculate Total Overnights". Reading first rewrites the boxes that hold
// no number: a weeks box takes its typical value, any other box is emptied;
// these rewrites stay even when a later check fails.
OvernightResult CountOvernights(OvernightEntries& entries);

// The message of a failed count, with the estimator's own beep before every
// message but the one for a total past 365.
void ReportOvernightError(const OvernightResult& result, express::Prompter& prompter);

// Choosing a rule empties the boxes of the frame's other rules.
void ChooseXMassRule(OvernightEntries& entries, VacationRule rule);
void ChooseBreakRule(OvernightEntries& entries, VacationRule rule);
void ChooseSummerRule(OvernightEntries& entries, SummerRule rule);

}  // namespace tools
