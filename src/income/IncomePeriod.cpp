#include "income/IncomePeriod.h"

namespace income {

QString PeriodName(IncomePeriod period) {
  switch (period) {
    case IncomePeriod::Yearly: return QStringLiteral("Yearly");
    case IncomePeriod::Monthly: return QStringLiteral("Monthly");
    case IncomePeriod::SemiWeekly: return QStringLiteral("SemiWeekly");
    case IncomePeriod::Weekly: return QStringLiteral("Weekly");
    case IncomePeriod::Hourly: return QStringLiteral("Hourly");
  }
  return {};
}

QString PeriodLabel(IncomePeriod period) { return PeriodName(period).toUpper(); }

double PeriodFactor(IncomePeriod from, IncomePeriod to) {
  // Rows: the old period, columns: the new one, in the order Yearly, Monthly,
  // SemiWeekly, Weekly, Hourly. Each entry is worked out in double precision
  // as written (a quotient, or a quotient times 40).
  static const double kTable[5][5] = {
      {1, 1.0 / 12, 14.0 / 365, 7.0 / 365, 7.0 / 14600},
      {12, 1, 168.0 / 365, 84.0 / 365, 84.0 / 14600},
      {365.0 / 14, 365.0 / 168, 1, 1.0 / 2, 1.0 / 80},
      {365.0 / 7, 365.0 / 84, 2, 1, 1.0 / 40},
      {365.0 / 7 * 40, 365.0 / 84 * 40, 80, 40, 1},
  };
  return kTable[static_cast<int>(from)][static_cast<int>(to)];
}

GrossIncome GrossIncomeOf(double total, IncomePeriod period) {
  const double t = total;
  switch (period) {
    case IncomePeriod::Yearly: return {t / 12, t};
    case IncomePeriod::Monthly: return {t, t * 12};
    case IncomePeriod::SemiWeekly: return {t * 365 / 168, t * 365 / 14};
    case IncomePeriod::Weekly: return {t * 365 / 84, t * 365 / 7};
    case IncomePeriod::Hourly: return {t * 365 / 84 * 40, t * 365 / 7 * 40};
  }
  return {};
}

}  // namespace income
