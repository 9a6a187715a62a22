#include "calculators/FinancialCalculator.h"

#include <cmath>
#include <optional>

#include "calculators/AmountEntry.h"
#include "platform/AmountLimit.h"
#include "platform/Financial.h"
#include "platform/NumberText.h"

namespace calculators {

namespace {

using platform::PaymentTiming;

constexpr const char* kMoney = "##,###.#0";

// clang-format off
const std::array<FinModeLayout, kFinModes + 1> kLayouts = {{
    {{"", "", "", ""}, 0, ""},
    {{"Mortgage Amount ($):", "Total No. Of Payments:", "Yearly Interest Rate (As %):", ""}, 3,
     "Each Payment Is ($):"},
    {{"Mortgage Amount ($):", "Total No. Of Payments:", "Monthly Payment ($):", ""}, 3,
     "Implied Yearly Interest Rate Is (As %):"},
    {{"Mortgage Amount ($):", "Total No. Of Pmts", "Amount Each Pmt ($):", "Option After No. Of Pmts:"}, 4,
     "The Balance To Be Paid Is ($): "},
    {{"Future Withdrawal Amount:", "Due No. Of Years From Now:", "Yearly Interest Rate (As %):",
      "No. Of Compounding Periods Per Yr:"}, 4, "Present Value Is ($):"},
    {{"Deposit Per Period ($):", "No. Of Years:", "No. Of Deposits Per Year:", "Yearly Interest Rate (As %):"}, 4,
     "Future Value Is ($):"},
    {{"Withdrawal Per Period ($):", "No. Of Years:", "No. Of Withdrawals Per Year:",
      "Yearly Interest Rate (As %):"}, 4, "Present Value Is ($):"},
    {{"Deposit Amount ($):", "No. Of Years:", "Yearly Interest Rate (As %):", "No. Of Compounding Periods Per Yr:"},
     4, "Future Value Is ($):"},
}};

const std::array<const char*, kFinModes> kCaptions = {
    "MORTGAGE PAYMENT: Calculates a monthly mortgage payment based upon the total mortgage amount, a fixed "
    "interest rate, and a defined number of equal monthly payments.",
    "MORTGAGE INTEREST: Calculates a mortgage interest rate based upon the total mortgage amount and a defined "
    "number of equal monthly payments.",
    "MORTGAGE BALANCE, PRINCIPAL, AND INTEREST PAID: Calculates the remaining mortgage balance, and the total "
    "amount of interest and principal paid after a defined number of equal monthly payments.",
    "PRESENT VALUE OF A SINGLE FUTURE PAYMENT: Calculates the current investment necessary to create a single, "
    "lump sum payment at a future date, given a certain fixed interest rate and compounding frequency.",
    "FUTURE VALUE OF A SERIES OF EQUAL PAYMENTS: Calculates the future value of a series of regular deposits "
    "made over a defined number of years. Calculation assumes deposits are made at the beginning of each period "
    "and interest is compounded per payment period.",
    "PRESENT VALUE OF A SERIES OF EQUAL FUTURE PAYMENTS: Calculates the current investment necessary to fund a "
    "defined number of equal withdrawals over a future number of years. Interest is compounded per withdrawal "
    "period, and withdrawals are made at the end of each period.",
    "FUTURE VALUE OF A SINGLE PAYMENT: Calculates the future value in a defined number of years of a single "
    "current investment, given a certain nominal yearly interest rate and compounding frequency.",
};
// clang-format on

FinAnswer Message(const char* text, int focusBox = -1) { return FinAnswer{QString::fromLatin1(text), focusBox, {}, {}}; }

FinAnswer Answer(double value, const char* pattern) {
  FinAnswer a;
  a.answer = platform::Format(value, pattern);
  return a;
}

FinAnswer TooLarge() { return FinAnswer{FinAnswerTooLargeMessage(), -1, {}, {}}; }

// The amount answer of modes 1 and 4 to 7: negative, no valid answer; past
// the amount limit, too large. Their entries are all above 0, so a function
// that finds no finite figure has overflowed: too large as well.
FinAnswer AmountAnswer(std::optional<double> value, const char* pattern) {
  if (value && *value < 0) return Message(kFinNoAnswer);
  if (!value || !platform::WithinAmountLimit(*value)) return TooLarge();
  return Answer(*value, pattern);
}

// Modes 2 and 3 find the monthly rate the payment implies. A step that fails
// is tried again from a guess 0.005 higher, until the guess would pass 1.
template <class Step>
FinAnswer WithRateRetries(Step step) {
  for (double guess = 0.005;; guess += 0.005) {
    if (std::optional<FinAnswer> done = step(guess)) return *done;
    if (guess + 0.005 > 1) return Message(kFinIllogicalRate);
  }
}

FinAnswer MortgageRate(double e1, double e2, double e3) {
  return WithRateRetries([&](double guess) -> std::optional<FinAnswer> {
    const auto r = platform::Rate(e2, e3, -e1, 0, PaymentTiming::EndOfPeriod, guess);
    if (!r) return std::nullopt;
    const double yearly = *r * 12 * 100;
    if (yearly < 0) return Message(kFinNoAnswer);
    return Answer(yearly, "##,###.##0");
  });
}

FinAnswer MortgageBalance(double e1, double e2, double e3, double e4) {
  if (e4 > e2) return Message(kFinOptionPeriod);
  return WithRateRetries([&](double guess) -> std::optional<FinAnswer> {
    const auto r = platform::Rate(e2, e3, -e1, 0, PaymentTiming::EndOfPeriod, guess);
    if (!r) return std::nullopt;
    if (*r < 0) return Message(kFinNoAnswer);
    double interest = 0;
    for (double j = 1; j <= e4; ++j) {
      const auto part = platform::InterestPart(*r, j, e2, -e1);
      if (!part) return std::nullopt;
      interest += *part;
    }
    const double paid = e3 * e4;
    const double principal = paid - interest;
    for (double figure : {paid, interest, principal, e1 - principal})
      if (!platform::WithinAmountLimit(figure)) return TooLarge();
    FinAnswer a = Answer(e1 - principal, "##,##0.#0");
    a.note = QStringLiteral("Of a total of $") + platform::Format(paid, "##,##0.#0") +
             QStringLiteral(" paid so far: $") + platform::Format(interest, "###,###,##0.#0") +
             QStringLiteral(" is interest portion,") + QStringLiteral("  $") +
             platform::Format(principal, "###,###,##0.#0") + QStringLiteral(" is principal portion.");
    return a;
  });
}

// The entry checks of the shown boxes, in order; mode 3 counts periods and payments in whole numbers.
std::optional<FinAnswer> CheckEntries(std::int16_t mode, const std::array<QString, 4>& texts) {
  const int boxes = FinModeEntries(mode).boxes;
  for (int box = 0; box < boxes; ++box) {
    const QString& text = texts[static_cast<std::size_t>(box)];
    const double value = platform::Val(text);
    if (value == 0) return Message(kFinZeroEntry, box);
    if (!IsAmountEntry(text)) return Message(kFinInvalidEntry, box);
    if (!platform::WithinAmountLimit(value)) return FinAnswer{platform::AmountTooLargeMessage(), box, {}, {}};
    const bool countsWhole = mode == 3 && (box == 1 || box == 3);
    if (countsWhole && value != std::floor(value)) return Message(kFinInvalidEntry, box);
  }
  return std::nullopt;
}

}  // namespace

QString FinAnswerTooLargeMessage() {
  const bool whole = platform::kLargestAmount == std::floor(platform::kLargestAmount);
  return QStringLiteral("The answer is more than %1, the largest amount the program shows. Try changing your "
                        "entries.")
      .arg(platform::Format(platform::kLargestAmount, whole ? "$###,###,###,##0" : "$###,###,###,##0.00"));
}

const FinModeLayout& FinModeEntries(std::int16_t mode) {
  return kLayouts[(mode >= 1 && mode <= kFinModes) ? static_cast<std::size_t>(mode) : 0];
}

QString FinModeCaption(std::int16_t mode) {
  if (mode < 1 || mode > kFinModes) return {};
  return QString::fromLatin1(kCaptions[static_cast<std::size_t>(mode - 1)]);
}

FinAnswer ComputeFinancialAnswer(std::int16_t mode, const std::array<QString, 4>& texts) {
  if (auto refused = CheckEntries(mode, texts)) return *refused;
  const double e1 = platform::Val(texts[0]);
  const double e2 = platform::Val(texts[1]);
  const double e3 = platform::Val(texts[2]);
  const double e4 = platform::Val(texts[3]);
  switch (mode) {
    case 1: return AmountAnswer(platform::Payment(e3 / 1200, e2, -e1), kMoney);
    case 2: return MortgageRate(e1, e2, e3);
    case 3: return MortgageBalance(e1, e2, e3, e4);
    case 4: {
      const double r = e3 / (e4 * 100);
      return AmountAnswer(platform::PresentValue(r, e4 * e2, 0, -e1, PaymentTiming::BeginningOfPeriod), kMoney);
    }
    case 5: {
      const double r = e4 / (e3 * 100);
      return AmountAnswer(platform::FutureValue(r, e3 * e2, -e1, 0, PaymentTiming::BeginningOfPeriod), kMoney);
    }
    case 6: {
      const double r = e4 / (e3 * 100);
      return AmountAnswer(platform::PresentValue(r, e3 * e2, -e1), kMoney);
    }
    case 7: {
      const double r = e3 / (e4 * 100);
      return AmountAnswer(platform::FutureValue(r, e4 * e2, 0, -e1), kMoney);
    }
    default: return FinAnswer{};
  }
}

}  // namespace calculators
