#include "worksheet/WorksheetCalculation.h"

#include <cmath>
#include <initializer_list>

#include "engine/childsupport/GuidelineSchedule.h"
#include "platform/AmountLimit.h"
#include "platform/NumberText.h"

namespace worksheet {

namespace {

constexpr std::initializer_list<Box> kStandardLines = {Box::WS4f, Box::WS4m, Box::WS5dt,
                                                       Box::WS6f, Box::WS6m, Box::WS8f,
                                                       Box::WS8m, Box::WS9f, Box::WS9m};
constexpr std::initializer_list<Box> kSharedLines = {
    Box::WS10t, Box::WS11f,  Box::WS11m, Box::WS12f, Box::WS12m, Box::WS13f,
    Box::WS13m, Box::WS14dt, Box::WS15f, Box::WS15m, Box::WS17f, Box::ws17m,
    Box::WS18f, Box::WS18m,  Box::WS19f, Box::WS20m, Box::WS21f, Box::WS21m};

struct Run {
  WorksheetSheet& sheet;
  WorksheetValues& v;

  double operator[](int slot) const { return v[slot].value_or(0); }
  // A line as the sheet prints it, in whole dollars: the lines a printed
  // total or difference is made of enter it so, and the total is then the
  // figure a reader gets from the lines printed beside it.
  double printed(int slot) const { return platform::RoundAsShown((*this)[slot]); }
  double printed(std::initializer_list<int> lines) const {
    double total = 0;
    for (int slot : lines) total += printed(slot);
    return total;
  }
  void Put(Box box, double value, const char* pattern = kAmountPattern) {
    v[SlotOf(box)] = value;
    sheet[box] = platform::Format(value, pattern);
  }
};

CalculationOutcome Stop(const char* message, Box focus) {
  return {false, QString::fromLatin1(message), focus};
}

// The incomes typed on the sheet, and the child care and health costs of the
// method in use, which cannot be negative.
constexpr std::initializer_list<Box> kIncomeAmounts = {Box::WS0f, Box::WS0m, Box::WS1f, Box::WS1m};
constexpr std::initializer_list<Box> kStandardCosts = {Box::WS5at, Box::WS5bt, Box::WS5ct,
                                                       Box::WS7af, Box::WS7am, Box::WS7bf,
                                                       Box::WS7bm, Box::WS7cf, Box::WS7cm};
constexpr std::initializer_list<Box> kSharedCosts = {Box::WS14at, Box::WS14bt, Box::WS14ct,
                                                     Box::WS16af, Box::WS16am, Box::WS16bf,
                                                     Box::WS16bm, Box::WS16cf, Box::WS16cm};

// Every amount typed within the program's limit, no cost below zero.
std::optional<CalculationOutcome> CheckAmounts(const Run& s, bool shared) {
  const auto limit = [&](Box b) { return platform::WithinAmountLimit(s[SlotOf(b)]); };
  for (Box b : kIncomeAmounts)
    if (!limit(b)) return CalculationOutcome{false, platform::AmountTooLargeMessage(), b};
  for (Box b : shared ? kSharedCosts : kStandardCosts) {
    if (!limit(b)) return CalculationOutcome{false, platform::AmountTooLargeMessage(), b};
    if (SignOf(b) == platform::AmountSign::NotNegative && s[SlotOf(b)] < 0)
      return CalculationOutcome{false, platform::NegativeAmountMessage(), b};
  }
  return std::nullopt;
}

}  // namespace

CalculationOutcome CalculateWS(WorksheetSheet& sheet, WorksheetValues& values,
                               QString& interpMethod, const CalculationInputs& inputs) {
  interpMethod = inputs.interpDefault == QLatin1String("Linear") ? QStringLiteral("Linear")
                                                                 : QStringLiteral("Closest");
  AssignWSVars(sheet, values, inputs.sharedOption);
  Run s{sheet, values};
  if (auto stopped = CheckAmounts(s, inputs.sharedOption)) return *stopped;

  const double children = s[54];
  if (children < 1 || children != std::floor(children))
    return Stop("Please Enter The Number Of Minor Children", Box::WSNumMinors);
  // Line 1's total, which line 3 divides by, as it prints.
  if (s.printed({2, 3}) == 0) return Stop("Please Enter The Net Monthly Incomes", Box::WS1f);
  if (inputs.sharedOption && (s[55] < 0 || s[56] < 0 || s[55] + s[56] != 365))
    return Stop("The number of total days child(ren) are with parents does not equal 365",
                Box::WSFatherDays);

  s.Put(Box::WS0t, s.printed({0, 1}));
  s.Put(Box::WS1t, s.printed({2, 3}));
  s.Put(Box::WS2t, childsupport::LookUpBasicObligation(children, s[23], interpMethod));
  s.Put(Box::WS3f, s.printed(2) / s[23], kPercentPattern);
  s.Put(Box::WS3m, s.printed(3) / s[23], kPercentPattern);

  if (!inputs.sharedOption) {
    s.Put(Box::WS4f, s[24] * s[25]);
    s.Put(Box::WS4m, s[24] * s[26]);
    s.Put(Box::WS5dt, s.printed({4, 5, 6}));
    s.Put(Box::WS6f, s[25] * s[29]);
    s.Put(Box::WS6m, s[26] * s[29]);
    s.Put(Box::WS8f, s.printed({7, 9, 11}));
    s.Put(Box::WS8m, s.printed({8, 10, 12}));
    s.Put(Box::WS9f, s.printed({27, 30}) - s.printed(32));
    s.Put(Box::WS9m, s.printed({28, 31}) - s.printed(33));
    for (Box b : kSharedLines) sheet[b].clear();
    return {true, {}, Box::WSNumMinors};
  }

  s.Put(Box::WS10t, s[24] * 1.5);
  s.Put(Box::WS11f, s[25] * s[36]);
  s.Put(Box::WS11m, s[26] * s[36]);
  s.Put(Box::WS12f, s[56] / 365, kPercentPattern);
  s.Put(Box::WS12m, s[55] / 365, kPercentPattern);
  s.Put(Box::WS13f, s[37] * s[40]);
  s.Put(Box::WS13m, s[38] * s[39]);
  s.Put(Box::WS14dt, s.printed({13, 14, 15}));
  s.Put(Box::WS15f, s[25] * s[43]);
  s.Put(Box::WS15m, s[26] * s[43]);
  s.Put(Box::WS17f, s.printed({17, 19, 21}));
  s.Put(Box::ws17m, s.printed({16, 18, 20}));
  const double transferA = s.printed(44) - s.printed(46);
  const double transferB = s.printed(45) - s.printed(47);
  s.Put(Box::WS18f, transferA < 0 ? 0 : transferA);
  s.Put(Box::WS18m, transferB < 0 ? 0 : transferB);
  s.Put(Box::WS19f, s.printed({41, 48}));
  s.Put(Box::WS20m, s.printed({42, 49}));
  if (s[50] > s[51]) {
    s.Put(Box::WS21f, s[50] - s[51]);
    sheet[Box::WS21m].clear();
  } else if (s[51] > s[50]) {
    s.Put(Box::WS21m, s[51] - s[50]);
    sheet[Box::WS21f].clear();
  } else {
    s.Put(Box::WS21f, 0);
    s.Put(Box::WS21m, 0);
  }
  for (Box b : kStandardLines) sheet[b].clear();
  return {true, {}, Box::WSNumMinors};
}

}  // namespace worksheet
