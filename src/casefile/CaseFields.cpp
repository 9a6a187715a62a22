#include "casefile/CaseFields.h"

#include <QLatin1String>

#include <initializer_list>

namespace casefile {

namespace {

struct OptionGroup {
  const char* window;
  std::initializer_list<const char*> options;  // indexed groups pair element i of each name
  bool indexed = false;
};

const std::initializer_list<OptionGroup> kOptionGroups = {
    {"Form1", {"NoMinorOption", "CustodialOption", "NonCustodialOption", "SharedOption", "SplitOption"}},
    {"Form1", {"ClaimHeadHouse", "ClaimSingle", "ClaimMarried", "ClaimMFJ"}},
    {"Form1", {"PayerHeadHouse", "PayerSingle", "PayerMarried", "PayerMFJ"}},
    {"Form1", {"CharOption1", "CharOption2", "CharOption3"}},
    {"Form1", {"FParentOption", "MParentOption"}},
    {"Form1", {"OptionTaxedToPayer", "OptionTaxedToPayee"}},
    {"Form1", {"ClaimChild", "OtherChild"}, true},
    {"Form13", {"ClaimEICNone", "ClaimEICOne", "ClaimEICTwo", "ClaimEICThree"}},
    {"Form13", {"ClaimStandardDeduction", "ClaimItemizedDeduction"}},
    {"Form14", {"PayerEICNone", "PayerEICOne", "PayerEICTwo", "PayerEICThree"}},
    {"Form14", {"PayerStandardDeduction", "PayerItemizedDeduction"}},
    {"Form9", {"WSDev", "WSNoDev"}},
    {"Form9", {"WSOpPet", "WSOpRes"}},
};

}  // namespace

QString ControlLabel(const ControlRef& control) {
  QString label = control.window.isEmpty() ? control.name : control.window + u'.' + control.name;
  if (control.index != kNoIndex) label += QStringLiteral("(%1)").arg(control.index);
  return label;
}

std::vector<ControlRef> OptionGroupPeers(const ControlRef& option) {
  for (const OptionGroup& group : kOptionGroups) {
    if (option.window != QLatin1String(group.window)) continue;
    if (group.indexed == (option.index == kNoIndex)) continue;
    bool member = false;
    for (const char* name : group.options) member = member || option.name == QLatin1String(name);
    if (!member) continue;
    std::vector<ControlRef> peers;
    for (const char* name : group.options)
      if (option.name != QLatin1String(name))
        peers.push_back({option.window, QLatin1String(name), option.index});
    return peers;
  }
  return {};
}

QString FakeCaseFields::Text(const ControlRef& control) const {
  auto it = texts_.find(control);
  return it == texts_.end() ? QString() : it->second;
}

void FakeCaseFields::SetText(const ControlRef& control, const QString& text) {
  texts_[control] = text;
}

int FakeCaseFields::Value(const ControlRef& control) const {
  auto it = values_.find(control);
  return it == values_.end() ? 0 : it->second;
}

void FakeCaseFields::SetValue(const ControlRef& control, int value) {
  values_[control] = value;
  if (value != 0)
    for (const ControlRef& peer : OptionGroupPeers(control)) values_[peer] = 0;
}

void FakeCaseFields::React(const ControlRef& control) {
  Log.push_back(QStringLiteral("react ") + ControlLabel(control));
  if (OnReact) OnReact(control);
}

QString FakeCaseFields::Caption(const ControlRef& control) const {
  const auto found = Captions.find(control);
  return found == Captions.end() ? ControlLabel(control) : found->second;
}

bool FakeCaseFields::Run(const QString& window, const char* method, int column) {
  const QString name = QLatin1String(method);
  Log.push_back(QStringLiteral("run ") + ControlLabel({window, name, column}));
  return OnRun ? OnRun(window, name, column) : true;
}

}  // namespace casefile
