#include "affidavit/datafile/AffidavitPages.h"

namespace affidavit {

QString ElementLabel(const PageElement& element) {
  QString label = element.page + u'.' + element.array;
  if (element.index != kSingle) label += QStringLiteral("(%1)").arg(element.index);
  return label;
}

QString FakeAffidavitPages::Text(const PageElement& element) const {
  const auto found = texts_.find(element);
  return found == texts_.end() ? QString() : found->second;
}

void FakeAffidavitPages::SetText(const PageElement& element, const QString& text) {
  texts_[element] = text;
  ++Writes;
}

int FakeAffidavitPages::Value(const PageElement& element) const {
  const auto found = values_.find(element);
  return found == values_.end() ? 0 : found->second;
}

void FakeAffidavitPages::SetValue(const PageElement& element, int value) {
  values_[element] = value;
  ++Writes;
}

}  // namespace affidavit
