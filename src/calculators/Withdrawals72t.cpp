#include "calculators/Withdrawals72t.h"

#include <cmath>

#include "platform/AmountLimit.h"
#include "platform/NumberText.h"

namespace calculators {

// clang-format off
const std::array<double, kSingleLifeLastAge + 1> SingleLifeTable = {
    82.4, 81.6, 80.6, 79.7, 78.7, 77.7, 76.7, 75.8, 74.8, 73.8,   // 0-9
    72.8, 71.8, 70.8, 69.9, 68.9, 67.9, 66.9, 66.0, 65.0, 64.0,   // 10-19
    63.0, 62.1, 61.1, 60.1, 59.1, 58.2, 57.2, 56.2, 55.3, 54.3,   // 20-29
    53.3, 52.4, 51.4, 50.4, 49.4, 48.5, 47.5, 46.5, 45.6, 44.6,   // 30-39
    43.6, 42.7, 41.7, 40.7, 39.8, 38.8, 37.9, 37.0, 36.0, 35.1,   // 40-49
    34.2, 33.3, 32.3, 31.4, 30.5, 29.6, 28.7, 27.9, 27.0, 26.1,   // 50-59
    25.2, 24.4, 23.5, 22.7, 21.8, 21.0, 20.2, 19.4, 18.6, 17.8,   // 60-69
    17.0, 16.3, 15.5, 14.8, 14.1, 13.4, 12.7, 12.1, 11.4, 10.8,   // 70-79
    10.2,  9.7,  9.1,  8.6,  8.1,  7.6,  7.1,  6.7,  6.3,  5.9,   // 80-89
     5.5,  5.2,  4.9,  4.6,  4.3,  4.1,  3.8,  3.6,  3.4,  3.1,   // 90-99
     2.9,  2.7,  2.5,  2.3,  2.1,  1.9,  1.7,  1.5,  1.4,  1.2,   // 100-109
     1.1,  1.0,                                                   // 110-111
};

const std::array<double, 116> MortalityTable = {
    0.001982, 0.000802, 0.000433, 0.000337, 0.000284, 0.000248, 0.000221, 0.000201, 0.000222, 0.000241,  // 0-9
    0.000259, 0.000277, 0.000292, 0.000306, 0.000318, 0.000331, 0.000344, 0.000359, 0.000375, 0.000392,  // 10-19
    0.000411, 0.000432, 0.000454, 0.000476, 0.000501, 0.000524, 0.000547, 0.000567, 0.000584, 0.000598,  // 20-29
    0.000608, 0.000615, 0.000619, 0.000622, 0.000625, 0.000629, 0.000636, 0.000657, 0.000696, 0.000749,  // 30-39
    0.000818, 0.000904, 0.001007, 0.00113,  0.00127,  0.001426, 0.001597, 0.001783, 0.001979, 0.002187,  // 40-49
    0.002409, 0.002646, 0.002896, 0.003167, 0.003453, 0.003754, 0.004069, 0.004398, 0.004736, 0.005101,  // 50-59
    0.005509, 0.005975, 0.006512, 0.007137, 0.007854, 0.00867,  0.009591, 0.01062,  0.011778, 0.013072,  // 60-69
    0.014519, 0.016139, 0.01795,  0.019958, 0.022198, 0.024699, 0.027484, 0.030582, 0.03401,  0.037807,  // 70-79
    0.04201,  0.046652, 0.051766, 0.057392, 0.063583, 0.070397, 0.077892, 0.086124, 0.095238, 0.105068,  // 80-89
    0.115518, 0.126487, 0.137876, 0.149419, 0.161176, 0.173067, 0.185008, 0.19692,  0.210337, 0.224861,  // 90-99
    0.241017, 0.259334, 0.280356, 0.303142, 0.329482, 0.359886, 0.394865, 0.434933, 0.480599, 0.532376,  // 100-109
    0.590774, 0.656307, 0.729484, 0.810817, 0.900819, 1.0,                                                // 110-115
};
// clang-format on

namespace {

constexpr const char* kWhole = "$###,###,###";
constexpr int kLastAnnuityAge = 116;

bool Numeric(const QString& text) { return platform::IsNumeric(text); }

// Present value at age x of 1 dollar at the start of every year the holder
// lives, the first at once; each year's term is held in single precision.
float AnnuityFactor(int x, double i) {
  std::array<float, 121> s{}, d{}, p{};
  float factor = 1;
  for (int k = x; k <= kLastAnnuityAge; ++k) {
    const auto u = static_cast<std::size_t>(k);
    if (k == x) {
      s[u] = d[u] = p[u] = 1;
      continue;
    }
    s[u] = static_cast<float>(s[u - 1] * (1 - MortalityTable[u - 1]));
    d[u] = static_cast<float>(d[u - 1] * (1 / (1 + i)));
    p[u] = d[u] * s[u];
    factor += p[u];
  }
  return factor;
}

}  // namespace

EntryCheck Check72tEntries(const Withdrawal72tEntries& e, Withdrawal72tInputs& in) {
  const double age = platform::Val(e.CurrentAgeYrs);
  if (!(age >= 18 && age < 60 && Numeric(e.CurrentAgeYrs)))
    return EntryCheck::Refuse("Please ReEnter The Number Of Years In Holder's Current Age (Min Is 18, Max Is 59)",
                              "CurrentAgeYrs");
  in.HolderAge = *platform::ToCount(age);

  const double endAge = platform::Val(e.AgeEndYrs);
  const auto endCount = platform::ToCount(endAge);
  if (!(endAge - in.HolderAge >= 5 && Numeric(e.AgeEndYrs) && endCount && *endCount <= kSingleLifeLastAge))
    return EntryCheck::Refuse(
        "Please ReEnter The Holder's Age When the 72(t) Withdrawals End (Must Be At Least 5 Years From Current "
        "Age)",
        "AgeEndYrs");
  in.HolderEndAge = *endCount;
  in.WithdrawalYears = static_cast<std::int16_t>(in.HolderEndAge - in.HolderAge);

  if (e.MethodAmort) in.WithdrawalMethod = QStringLiteral("Amortization");
  else if (e.MethodAnnuity) in.WithdrawalMethod = QStringLiteral("Annuity");
  else if (e.MethodMin) in.WithdrawalMethod = QStringLiteral("LE");

  const QString balance = RemoveAmountChars(e.IRAAmount);
  if (!(Numeric(balance) && platform::Val(balance) > 0))
    return EntryCheck::Refuse("Please ReEnter The Current IRA Amount", "IRAAmount");
  if (!platform::WithinAmountLimit(platform::Val(balance)))
    return EntryCheck{1, platform::AmountTooLargeMessage(), QStringLiteral("IRAAmount")};
  in.IraBalance = platform::Val(balance);

  // The rate as it is held: one that holds as 0 is refused as 0 is.
  const float rate = static_cast<float>(platform::Val(e.InterestRate));
  if (!(rate > 0 && rate < 100 && Numeric(e.InterestRate)))
    return EntryCheck::Refuse("Please ReEnter The Interest Rate(As A Percentage)", "InterestRate");
  in.ReasonableRate = rate;

  // A year's loss takes at most the whole account.
  const double gain = platform::Val(e.IraInterestRate);
  if (!(gain >= -100 && gain < 100 && Numeric(e.IraInterestRate)))
    return EntryCheck::Refuse("Please ReEnter Annual Gain of the IRA (As A Percentage)", "IraInterestRate");
  in.ExpectedRate = static_cast<float>(gain);
  return {};
}

QStringList Projection72tRow::Texts() const {
  return {platform::Format(age, "###"), platform::Format(begin, "###,###"), platform::Format(withdrawal, kWhole),
          platform::Format(gain, "###,###"), platform::Format(end, "###,###")};
}

const QStringList& Projection72tHeadings() {
  static const QStringList headings = {QStringLiteral("Age"), QStringLiteral("Begin Balance"),
                                       QStringLiteral("Withdrawal"), QStringLiteral("Expected Gain"),
                                       QStringLiteral("End Balance")};
  return headings;
}

std::array<double, 5> Projection72tColumns(double widthTwips) {
  const double w = (widthTwips - 400) / 5;
  return {100, 600, 600 + w, 600 + 2 * w, 600 + 3 * w};
}

Withdrawals72tResult Compute72tWithdrawals(const Withdrawal72tInputs& in) {
  Withdrawals72tResult out;
  const double i = static_cast<double>(in.ReasonableRate) * 0.01;
  const int x = in.HolderAge;
  const double b = in.IraBalance;

  out.AnnuityFactor = AnnuityFactor(x, i);
  const double annuity = b / out.AnnuityFactor;
  out.AnnuityYearly = platform::Format(annuity, kWhole);
  out.AnnuityMonthly = platform::Format(b / (12 * out.AnnuityFactor), kWhole);

  out.LifeExpectancy = SingleLifeTable.at(static_cast<std::size_t>(x));
  const double l = out.LifeExpectancy;
  out.LEYearly = platform::Format(b / l, kWhole);
  out.LEMonthly = platform::Format(b / (l * 12), kWhole);

  // 1 - (1 + i)^-L, worked out so that a rate too small to change 1 + i in
  // double precision still counts: as i falls the amount tends to B / L.
  out.Amortization = b * i / -std::expm1(-l * std::log1p(i));
  out.AmortYearly = platform::Format(out.Amortization, kWhole);
  out.AmortMonthly = platform::Format(out.Amortization / 12, kWhole);

  const QString& method = in.WithdrawalMethod;
  const bool le = method == QLatin1String("LE");
  const bool amort = method == QLatin1String("Amortization");
  const bool annuityMethod = method == QLatin1String("Annuity");
  if (le) out.Caption = QStringLiteral("Projected IRA Account Balance/Yr (Minimum Withdrawal Method)");
  if (annuityMethod) out.Caption = QStringLiteral("Projected IRA Account Balance/Yr (Annuity Method)");
  if (amort) out.Caption = QStringLiteral("Projected IRA Account Balance/Yr (Amortization Method)");
  if (!out.Caption) return out;

  double opening = b, running = b, gain = 0;
  double w = le ? b / l : annuityMethod ? annuity : out.Amortization;
  if (amort) running = opening - w;
  const double r = static_cast<double>(in.ExpectedRate / 12) * 0.01;
  for (int n = 1; n <= in.WithdrawalYears; ++n) {
    for (int m = 1; m <= 12; ++m) {
      gain += r * (running - w / 12);
      running = opening - m * w / 12 + gain;
    }
    out.Rows.push_back({x + n - 1, opening, w, gain, running});
    opening = running;
    gain = 0;
    if (le) w = opening / SingleLifeTable.at(static_cast<std::size_t>(x + n));
  }
  return out;
}

}  // namespace calculators
