#include "express/CheckSupport.h"

#include "express/ExpressChecks.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace express {

namespace {
inline constexpr int kMostMinorChildren = 6;
}

QString WithoutCurrency(const QString& text) {
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  return cleaned;
}

std::optional<double> ReadAmount(const QString& text) {
  const QString cleaned = WithoutCurrency(text);
  if (!platform::IsNumeric(cleaned)) return std::nullopt;
  return platform::Val(cleaned);
}

std::optional<std::int16_t> ReadCount(const QString& text) {
  if (!platform::IsNumeric(text)) return std::nullopt;
  const double value = platform::Val(text);
  if (value < 0) return std::nullopt;
  return platform::ToCount(value);
}

std::optional<std::int16_t> ReadMinorCount(const QString& text, std::int16_t marriageChildren) {
  const QString counted = marriageChildren == 0 ? QStringLiteral("0") : text;
  const std::optional<std::int16_t> count = ReadCount(counted);
  if (!count || platform::Val(counted) >= 7 || *count > kMostMinorChildren) return std::nullopt;
  return count;
}

std::int16_t FailRule(ExpressFields& form1, Prompter& prompter, const FailStep& step,
                      const QString& message) {
  if (!step.focus.isEmpty()) form1.SetFocus(step.focus);
  if (step.beep) prompter.Beep();
  if (step.show) form1.Show();
  prompter.EntryError(message);
  return kCheckStop;
}

bool WarnRule(ExpressFields& form1, Prompter& prompter, const QString& focus,
              const QString& message) {
  if (!focus.isEmpty()) form1.SetFocus(focus);
  return prompter.EntryWarning(message);
}

std::int16_t ReadChildrenCounts(ExpressFields& form1, casevars::ExpressVars& ev,
                                Prompter& prompter) {
  const auto born = ReadCount(form1.Text(QStringLiteral("NumChild")));
  if (!born)
    return FailRule(form1, prompter, {QStringLiteral("NumChild")},
                    QStringLiteral("Please ReEnter Number Of Children Born During Marriage"));
  ev.NumMarriageChildren = *born;
  const auto minors = ReadMinorCount(form1.Text(QStringLiteral("MinChild")), *born);
  if (!minors)
    return FailRule(form1, prompter, {QStringLiteral("MinChild")},
                    QStringLiteral("Please ReEnter Number Of Minor Children Remaining From "
                                   "Marriage (Entry Must Be Between 0 And 6)"));
  ev.NumMinorChildren = *minors;
  return kCheckPass;
}

}  // namespace express
