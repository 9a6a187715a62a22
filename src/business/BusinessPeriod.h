#pragma once

#include <QString>

#include <cstdint>

#include "case/BusinessVars.h"

// The entry periods of a business window and the conversion between them.
namespace business {

enum class BusinessPeriod : std::uint8_t { Yearly, Monthly, SemiWeekly, Weekly };

// The factor that turns an amount of period `from` into one of period `to`: a
// year counts 12 months, 365/14 two-week periods and 365/7 weeks, worked out
// in double precision.
double PeriodFactor(BusinessPeriod from, BusinessPeriod to);

// The caption of the window's period label: "YEARLY", "MONTHLY", "SEMIWEEKLY", "WEEKLY".
QString PeriodCaption(BusinessPeriod period);
// The period's menu caption: "Yearly", "Monthly", "SemiWeekly", "Weekly".
QString PeriodName(BusinessPeriod period);

// Multiplies every box amount of both columns (tips included) and the box
// totals YrBusTotalWages and YrBusTotalPass of both columns by `factor`.
// YrSCorpWages, YrBusIncome and the income window's YrSelf keep their period until the totals are next computed.
void ScaleBusinessAmounts(casevars::PartyBusiness& bus, double factor);

// True when ScaleBusinessAmounts by `factor` keeps every box amount within the
// program's amount limit (platform/AmountLimit.h); a switch that would not is
// refused before anything changes.
bool CanScaleBusinessAmounts(const casevars::PartyBusiness& bus, double factor);

}  // namespace business
