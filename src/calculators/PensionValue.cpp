#include "calculators/PensionValue.h"

#include <algorithm>
#include <cmath>

#include "calculators/LifeTables.h"
#include "platform/AmountLimit.h"
#include "platform/NumberText.h"

namespace calculators {

namespace {

// A field's value accepted in [low, high) (or [low, high] when `highIncluded`), the whole text numeric.
bool InRange(const QString& text, double low, double high, bool highIncluded) {
  const double v = platform::Val(text);
  return v >= low && (highIncluded ? v <= high : v < high) && platform::IsNumeric(text);
}

QString OrZero(const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; }

float WholePart(const QString& text) { return static_cast<float>(std::floor(platform::Val(text))); }

int Months(float years, float months) { return static_cast<int>(years) * 12 + static_cast<int>(months); }

}  // namespace

EntryCheck CheckPensionEntries(const PensionEntries& e, PensionInputs& in) {
  if (!InRange(e.CurrentAgeYrs, 1, 100, false))
    return EntryCheck::Refuse("Please ReEnter The Number Of Years In Holder's Current Age (Max Age is 99)",
                              "CurrentAgeYrs");
  in.PensionCurrentAgeYrs = WholePart(e.CurrentAgeYrs);
  const QString currentMos = OrZero(e.CurrentAgeMos);
  if (!InRange(currentMos, 0, 12, true))
    return EntryCheck::Refuse("Please ReEnter The Number Of Months In Holder's Current Age", "CurrentAgeMos");
  in.PensionCurrentAgeMos = WholePart(currentMos);
  if (!InRange(e.AgePayableYrs, 1, 99, false))
    return EntryCheck::Refuse("Please ReEnter The Number Of Years In Holder's Age When Pension Is Payable",
                              "AgePayableYrs");
  in.PensionPayableAgeYrs = WholePart(e.AgePayableYrs);
  const QString payableMos = OrZero(e.AgePayableMos);
  if (!InRange(payableMos, 0, 12, true))
    return EntryCheck::Refuse("Please ReEnter The Number Of Months In Holder's Age When Pension Is Payable",
                              "AgePayableMos");
  in.PensionPayableAgeMos = WholePart(payableMos);
  in.PensionPayableAge = in.PensionPayableAgeMos / 12 + in.PensionPayableAgeYrs;

  if (e.AtDeath) {
    in.PensionEndAgeYrs = 0;
    in.PensionEndAgeMos = 0;
  } else {
    constexpr const char* kEndYears = "Please ReEnter The Number Of Years In Holder's Age When Pension Terminates";
    if (!InRange(e.AgeTerminateYrs, 2, 100, false)) return EntryCheck::Refuse(kEndYears, "AgeTerminateYrs");
    in.PensionEndAgeYrs = WholePart(e.AgeTerminateYrs);
    const QString endMos = OrZero(e.AgeTerminateMos);
    if (!InRange(endMos, 0, 12, true))
      return EntryCheck::Refuse("Please ReEnter The Number Of Months In Holder's Age When Pension Terminates",
                                "AgeTerminateMos");
    in.PensionEndAgeMos = WholePart(endMos);
    const int start = std::max(Months(in.PensionPayableAgeYrs, in.PensionPayableAgeMos),
                               Months(in.PensionCurrentAgeYrs, in.PensionCurrentAgeMos));
    if (Months(in.PensionEndAgeYrs, in.PensionEndAgeMos) <= start)
      return EntryCheck::Refuse(kEndYears, "AgeTerminateYrs");
  }

  in.PensionTableModel = e.ModelGenderOnly ? 1 : 2;
  in.PensionHolderName = e.HolderName;
  if (!e.SexMale && !e.SexFemale) return EntryCheck::Refuse("Please Enter The Pension Holder's Sex", "");
  in.PensionSex = e.SexMale ? QStringLiteral("m") : QStringLiteral("f");
  if (in.PensionTableModel == 1) {
    in.PensionRace = QStringLiteral("arace");
  } else if (e.RaceBlack || e.RaceWhite || e.RaceHispanic) {
    in.PensionRace = e.RaceBlack ? QStringLiteral("b") : e.RaceWhite ? QStringLiteral("w") : QStringLiteral("h");
  } else {
    return EntryCheck::Refuse("Please Enter The Pension Holder's Race", "");
  }

  const QString amount = RemoveAmountChars(e.PensionAmount);
  if (!platform::IsNumeric(amount))
    return EntryCheck::Refuse("Please ReEnter The Gross Pension Amount Per Month", "PensionAmount");
  if (!platform::WithinAmountLimit(platform::Val(amount)))
    return EntryCheck{1, platform::AmountTooLargeMessage(), QStringLiteral("PensionAmount")};
  in.PensionMoAmount = platform::Val(amount);
  if (!InRange(e.DiscountRate, 0, 1, false))
    return EntryCheck::Refuse("Please ReEnter The Discount Rate(As A Decimal)", "DiscountRate");
  in.PensionDiscountRate = static_cast<float>(platform::Val(e.DiscountRate));
  if (!InRange(e.TaxRate, 0, 1, false))
    return EntryCheck::Refuse("Please ReEnter The Tax Rate(As A Decimal)", "TaxRate");
  in.PensionTaxRate = static_cast<float>(platform::Val(e.TaxRate));
  return {};
}

PensionResult ComputePensionValue(const PensionInputs& in) {
  PensionResult out;
  const LifeTable* table = FindLifeTable(in.PensionRace, in.PensionSex);
  if (!table) return out;

  const int cy = static_cast<int>(in.PensionCurrentAgeYrs), cm = static_cast<int>(in.PensionCurrentAgeMos);
  const int py = static_cast<int>(in.PensionPayableAgeYrs), pm = static_cast<int>(in.PensionPayableAgeMos);
  const int currentMonths = cy * 12 + cm, payableMonths = py * 12 + pm;
  const bool started = currentMonths >= payableMonths;

  const double lc = AtAge(table->survivors, cy, cm);
  const double lp = AtAge(table->survivors, py, pm);
  out.DeathPossibility = started ? 0 : 1 - lp / lc;
  out.Picture3 = platform::Format(out.DeathPossibility, " #0.00%");

  // The first payment: at the payable age, or now when that has passed.
  const int startYears = started ? cy : py, startMonths = started ? cm : pm;
  const float startAge = started ? static_cast<float>(cm) / 12 + static_cast<float>(cy) : in.PensionPayableAge;
  const bool untilDeath = in.PensionEndAgeYrs + in.PensionEndAgeMos == 0;
  if (!untilDeath) {
    const float period = in.PensionEndAgeYrs + in.PensionEndAgeMos / 12 - startAge;
    out.Picture4 = platform::Format(period, " ####.00") + QStringLiteral(" Years");
    out.Payments = Months(in.PensionEndAgeYrs, in.PensionEndAgeMos) - std::max(currentMonths, payableMonths);
  } else {
    const double remaining = AtAge(table->expectancy, startYears, startMonths);
    out.Picture4 = platform::Format(remaining, " ####.00") + QStringLiteral(" Years");
    out.Payments = 12 * remaining;
  }

  out.DeferralMonths = started ? 0.0f : static_cast<float>(payableMonths - currentMonths);
  const float v = 1 - in.PensionDiscountRate / 12;
  const double deferral = std::pow(static_cast<double>(v), static_cast<double>(out.DeferralMonths));
  double sum = 0;
  for (int k = 1; k <= out.Payments; ++k) sum += in.PensionMoAmount * std::pow(static_cast<double>(v), k - 1);
  out.PresentValue = (1 - out.DeathPossibility) * sum * deferral;

  out.Picture1 = platform::Format(std::floor(out.PresentValue), " $###,###,###");
  if (in.PensionTaxRate != 0) {
    const float afterTax = 1 - in.PensionTaxRate;
    out.Picture2 = platform::Format(std::floor(out.PresentValue * static_cast<double>(afterTax)), " $###,###,###");
  }
  return out;
}

}  // namespace calculators
