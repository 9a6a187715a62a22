#include "express/ExpressFields.h"

#include <QLatin1String>

#include <initializer_list>

namespace express {

namespace {

QStringList Names(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* name : names) list << QLatin1String(name);
  return list;
}

// The option groups of the Express screen: turning one option on turns the
// others of its group off. A group of indexed options pairs the two options of
// one row (ClaimChild(i) with OtherChild(i)).
const std::initializer_list<std::initializer_list<const char*>> kOptionGroups = {
    {"NoMinorOption", "CustodialOption", "NonCustodialOption", "SharedOption", "SplitOption"},
    {"ClaimHeadHouse", "ClaimSingle", "ClaimMarried", "ClaimMFJ"},
    {"PayerHeadHouse", "PayerSingle", "PayerMarried", "PayerMFJ"},
    {"CharOption1", "CharOption2", "CharOption3"},
    {"FParentOption", "MParentOption"},
    {"OptionTaxedToPayer", "OptionTaxedToPayee"},
    {"ClaimChild", "OtherChild"},
};

template <class Map, class T>
T Lookup(const Map& map, const typename Map::key_type& key, T absent) {
  auto it = map.find(key);
  return it == map.end() ? absent : it->second;
}

}  // namespace

const QStringList& ExpressControlNames() {
  static const QStringList names = Names({
      // children, custody and time-sharing
      "NumChild", "MinChild", "MinChildLabel", "NoMinorOption", "CustodialOption",
      "NonCustodialOption", "SharedOption", "SplitOption", "ShareSplitFrame", "ClaimDays",
      "PayerDays", "PercentOfTimeValue", "PayerPerCent", "PercentOfTime", "Label17", "Label18",
      "Label19", "SharedCalc", "Frame10", "ClaimantPossession11", "OtherPossession11",
      "ChildFrame", "ClaimChild", "OtherChild", "ChildLabel",
      // parties' income and tax status
      "ClaimGrossInc", "PayGrossInc", "ClaimDepend17", "PayerDepend17", "ClaimHeadHouse",
      "ClaimSingle", "ClaimMarried", "ClaimMFJ", "PayerHeadHouse", "PayerSingle",
      "PayerMarried", "PayerMFJ", "ClaimStateTax", "PayerStateTax", "ClaimStateTaxCombo",
      "PayerStateTaxCombo",
      // day care and health costs
      "ClaimDayCare", "OtherDayCare", "ClaimNumCare", "OtherNumCare", "ClaimHealthCare",
      "OtherHealthCare", "ClaimSpecial", "OtherSpecial", "ClaimDayCareLabel",
      "OtherDayCareLabel", "ClaimHealthCareLabel", "OtherHealthCareLabel", "ClaimSpecialLabel",
      "OtherSpecialLabel", "ClaimNumCareLabel", "PayerNumCareLabel",
      // alimony inputs, transfers, worksheet role, run buttons
      "ClaimAge", "YrsMarriage", "EdSkillScore", "CharacterizationFrame", "CharOption1",
      "CharOption2", "CharOption3", "ChildSupport", "CSLabel", "CSLabel2",
      "CurrentMaintTransfer", "MaintLabel", "ApplyMaintToCS", "ParentLabel", "FParentOption",
      "MParentOption", "ChildSupportButton", "RunWaWs",
      // menu items read
      "AutoCalc", "DontAutoCalc"});
  return names;
}

const QStringList& ParentingTimeControlNames() {
  static const QStringList names =
      Names({"ClaimDays", "PayerDays", "PercentOfTimeValue", "PayerPerCent", "ShareFrame"});
  return names;
}

QString ControlLabel(const QString& name, int index) {
  return index == kNoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QString FakeExpressFields::Text(const QString& name, int index) const {
  return Lookup(texts_, Key{name, index}, QString());
}

void FakeExpressFields::SetText(const QString& name, const QString& text, int index) {
  texts_[{name, index}] = text;
}

int FakeExpressFields::Value(const QString& name, int index) const {
  return Lookup(values_, Key{name, index}, kOff);
}

void FakeExpressFields::SetValue(const QString& name, int value, int index) {
  if (value != kOff) {
    for (const auto& group : kOptionGroups) {
      bool member = false;
      for (const char* option : group) member = member || name == QLatin1String(option);
      if (!member) continue;
      for (const char* option : group) values_[{QLatin1String(option), index}] = kOff;
    }
  }
  values_[{name, index}] = value;
}

QString FakeExpressFields::ComboText(const QString& name) const {
  return Lookup(combos_, name, QString());
}

bool FakeExpressFields::MenuChecked(const QString& name) const {
  return Lookup(menus_, name, false);
}

void FakeExpressFields::SetFocus(const QString& name, int index) {
  Focus = ControlLabel(name, index);
  Log.push_back(QStringLiteral("focus ") + Focus);
}

bool FakeExpressFields::Enabled(const QString& name, int index) const {
  return Lookup(enabled_, Key{name, index}, true);
}

void FakeExpressFields::SetEnabled(const QString& name, bool enabled, int index) {
  enabled_[{name, index}] = enabled;
}

bool FakeExpressFields::Visible(const QString& name, int index) const {
  return Lookup(visible_, Key{name, index}, true);
}

void FakeExpressFields::SetVisible(const QString& name, bool visible, int index) {
  visible_[{name, index}] = visible;
}

void FakeExpressFields::SetBackColor(const QString& name, std::uint32_t color, int index) {
  colors_[{name, index}] = color;
}

std::uint32_t FakeExpressFields::BackColor(const QString& name, int index) const {
  return Lookup(colors_, Key{name, index}, std::uint32_t{0});
}

void FakeExpressFields::Show() { Log.push_back(QStringLiteral("show")); }

}  // namespace express
