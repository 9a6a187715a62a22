#include "business/BusinessBoxes.h"

#include "platform/AmountLimit.h"

namespace business {

using casevars::PartyBusiness;

namespace {

struct BoxInfo {
  const char* name;  // tips boxes: without the party prefix
  bool tips;
  double PartyBusiness::*column0;
  double PartyBusiness::*column1;
  Box next;
};

// Indexed by Box.
constexpr std::array<BoxInfo, kBoxCount> kInfo = {{
    {"AWages", false, &PartyBusiness::YrAWages, &PartyBusiness::YrAWages1, Box::BWages},
    {"BWages", false, &PartyBusiness::YrBWages, &PartyBusiness::YrBWages1, Box::CWages},
    {"CWages", false, &PartyBusiness::YrCWages, &PartyBusiness::YrCWages1, Box::DWages},
    {"DWages", false, &PartyBusiness::YrDWages, &PartyBusiness::YrDWages1, Box::AWages},
    {"CPass", false, &PartyBusiness::YrCPass, &PartyBusiness::YrCPass1, Box::DPass},
    {"DPass", false, &PartyBusiness::YrDPass, &PartyBusiness::YrDPass1, Box::ANot},
    {"REIT", false, &PartyBusiness::YrREIT, &PartyBusiness::YrREIT1, Box::AWages},
    {"AW2", false, &PartyBusiness::YrAW2Wages, &PartyBusiness::YrAW2Wages1, Box::BW2},
    {"BW2", false, &PartyBusiness::YrBW2Wages, &PartyBusiness::YrBW2Wages1, Box::CW2},
    {"CW2", false, &PartyBusiness::YrCW2Wages, &PartyBusiness::YrCW2Wages1, Box::DW2},
    {"DW2", false, &PartyBusiness::YrDW2Wages, &PartyBusiness::YrDW2Wages1, Box::AW2},
    {"ACap", false, &PartyBusiness::YrACapital, &PartyBusiness::YrACapital1, Box::BCap},
    {"BCap", false, &PartyBusiness::YrBCapital, &PartyBusiness::YrBCapital1, Box::CCap},
    {"CCap", false, &PartyBusiness::YrCCapital, &PartyBusiness::YrCCapital1, Box::DCap},
    {"DCap", false, &PartyBusiness::YrDCapital, &PartyBusiness::YrDCapital1, Box::ACap},
    {"ANot", false, &PartyBusiness::YrANotQualified, &PartyBusiness::YrANotQualified1, Box::BNot},
    {"BNot", false, &PartyBusiness::YrBNotQualified, &PartyBusiness::YrBNotQualified1, Box::CPass},
    {"ATips", true, &PartyBusiness::YrATips, &PartyBusiness::YrATips1, Box::BTips},
    {"BTips", true, &PartyBusiness::YrBTips, &PartyBusiness::YrBTips1, Box::CTips},
    {"CTips", true, &PartyBusiness::YrCTips, &PartyBusiness::YrCTips1, Box::ATips},
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

double& BoxVar(PartyBusiness& vars, Box box, int column) {
  const BoxInfo& info = Info(box);
  return vars.*(ColumnOf(column) == 0 ? info.column0 : info.column1);
}

double BoxVar(const PartyBusiness& vars, Box box, int column) {
  return BoxVar(const_cast<PartyBusiness&>(vars), box, column);
}

std::optional<double> ReadAmount(const QString& text) {
  const platform::AmountReading r = platform::ReadAmount(text);
  if (!r.isAmount()) return std::nullopt;
  return r.value;
}

}  // namespace business
