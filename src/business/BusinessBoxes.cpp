#include "business/BusinessBoxes.h"

#include "platform/AmountLimit.h"

namespace business {

using casevars::PartyBusiness;

namespace {

constexpr auto kLoss = platform::AmountSign::MayBeNegative;
constexpr auto kNotNegative = platform::AmountSign::NotNegative;

struct BoxInfo {
  const char* name;  // tips boxes: without the party prefix
  bool tips;
  // Net business income, pass-through and REIT income may be a loss; wages,
  // the employees' W-2 wages, assets and tips cannot be negative.
  platform::AmountSign sign;
  double PartyBusiness::*column0;
  double PartyBusiness::*column1;
  Box next;
};

// Indexed by Box.
constexpr std::array<BoxInfo, kBoxCount> kInfo = {{
    {"AWages", false, kLoss, &PartyBusiness::YrAWages, &PartyBusiness::YrAWages1, Box::BWages},
    {"BWages", false, kLoss, &PartyBusiness::YrBWages, &PartyBusiness::YrBWages1, Box::CWages},
    {"CWages", false, kNotNegative, &PartyBusiness::YrCWages, &PartyBusiness::YrCWages1, Box::DWages},
    {"DWages", false, kNotNegative, &PartyBusiness::YrDWages, &PartyBusiness::YrDWages1, Box::AWages},
    {"CPass", false, kLoss, &PartyBusiness::YrCPass, &PartyBusiness::YrCPass1, Box::DPass},
    {"DPass", false, kLoss, &PartyBusiness::YrDPass, &PartyBusiness::YrDPass1, Box::ANot},
    {"REIT", false, kLoss, &PartyBusiness::YrREIT, &PartyBusiness::YrREIT1, Box::AWages},
    {"AW2", false, kNotNegative, &PartyBusiness::YrAW2Wages, &PartyBusiness::YrAW2Wages1, Box::BW2},
    {"BW2", false, kNotNegative, &PartyBusiness::YrBW2Wages, &PartyBusiness::YrBW2Wages1, Box::CW2},
    {"CW2", false, kNotNegative, &PartyBusiness::YrCW2Wages, &PartyBusiness::YrCW2Wages1, Box::DW2},
    {"DW2", false, kNotNegative, &PartyBusiness::YrDW2Wages, &PartyBusiness::YrDW2Wages1, Box::AW2},
    {"ACap", false, kNotNegative, &PartyBusiness::YrACapital, &PartyBusiness::YrACapital1, Box::BCap},
    {"BCap", false, kNotNegative, &PartyBusiness::YrBCapital, &PartyBusiness::YrBCapital1, Box::CCap},
    {"CCap", false, kNotNegative, &PartyBusiness::YrCCapital, &PartyBusiness::YrCCapital1, Box::DCap},
    {"DCap", false, kNotNegative, &PartyBusiness::YrDCapital, &PartyBusiness::YrDCapital1, Box::ACap},
    {"ANot", false, kLoss, &PartyBusiness::YrANotQualified, &PartyBusiness::YrANotQualified1, Box::BNot},
    {"BNot", false, kLoss, &PartyBusiness::YrBNotQualified, &PartyBusiness::YrBNotQualified1, Box::CPass},
    {"ATips", true, kNotNegative, &PartyBusiness::YrATips, &PartyBusiness::YrATips1, Box::BTips},
    {"BTips", true, kNotNegative, &PartyBusiness::YrBTips, &PartyBusiness::YrBTips1, Box::CTips},
    {"CTips", true, kNotNegative, &PartyBusiness::YrCTips, &PartyBusiness::YrCTips1, Box::ATips},
}};

const BoxInfo& Info(Box box) { return kInfo[static_cast<std::size_t>(box)]; }

}  // namespace

QString BoxName(Box box, casevars::Party party) {
  const BoxInfo& info = Info(box);
  const QString name = QString::fromLatin1(info.name);
  if (!info.tips) return name;
  return (party == casevars::Party::Claim ? QStringLiteral("Claim") : QStringLiteral("Payer")) + name;
}

Box EnterMovesTo(Box box) { return Info(box).next; }

platform::AmountSign SignOf(Box box) { return Info(box).sign; }

double& BoxVar(PartyBusiness& vars, Box box, int column) {
  const BoxInfo& info = Info(box);
  return vars.*(ColumnOf(column) == 0 ? info.column0 : info.column1);
}

double BoxVar(const PartyBusiness& vars, Box box, int column) {
  return BoxVar(const_cast<PartyBusiness&>(vars), box, column);
}

std::optional<double> ReadAmount(const QString& text, platform::AmountSign sign) {
  const platform::AmountReading r = platform::ReadAmount(text, sign);
  if (!r.isAmount()) return std::nullopt;
  return r.value;
}

}  // namespace business
