#include "tools/OvernightEstimate.h"

#include "express/Prompter.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace tools {

namespace {

using B = OvernightBox;

// The text a box takes when it holds no number (weeks boxes: their typical value).
const char* DefaultText(B box) {
  switch (box) {
    case B::SchoolWeeks: return "37";
    case B::BreakWeeks: return "2";
    case B::XMassWeeks: return "2";
    case B::SummerWeeks: return "11";
    default: return "";
  }
}

OvernightResult Fail(int message, const char* prompt, std::optional<B> focus) {
  OvernightResult result;
  result.message = message;
  result.prompt = QString::fromLatin1(prompt);
  result.focus = focus;
  return result;
}

// The messages of a Christmas or break frame: no rule chosen, Other with an
// empty box, more than 7 overnights a week.
struct VacationMessages {
  int none;
  const char* nonePrompt;
  int empty;
  const char* emptyPrompt;
  int tooMany;
  const char* tooManyPrompt;
};

const VacationMessages kXMassMessages = {
    4, "Please Select Option For XMass Vacation Overnights.",
    5, "Please Enter The Number Of XMass Vacation Overnights.",
    6, "Please Enter The Number Of Overnights Per XMass Break Period. It Can Not Be More Than 7 Days Per Week."};
const VacationMessages kBreakMessages = {
    7, "Please Select Option For School Break Overnights.",
    8, "Please Enter The Number Of School Break Overnights.",
    9, "Please Enter The Number Of Overnights Per School Break Periods. It Can Not Be More Than 7 Days Per Week."};

// The overnights of a Christmas or break period; a failed check gives its result.
std::optional<OvernightResult> VacationCount(VacationRule rule, double school, double weeks, double nights,
                                             bool nightsEmpty, B nightsBox, const VacationMessages& m,
                                             double& count) {
  switch (rule) {
    case VacationRule::Continuation: count = school * weeks / 2; break;
    case VacationRule::Half: count = 7 * weeks / 2; break;
    case VacationRule::Other:
      count = nights;
      if (nightsEmpty) return Fail(m.empty, m.emptyPrompt, nightsBox);
      break;
    case VacationRule::None:
      return Fail(m.none, m.nonePrompt, std::nullopt);
  }
  if (nights > 7 * weeks) return Fail(m.tooMany, m.tooManyPrompt, nightsBox);
  return std::nullopt;
}

}  // namespace

OvernightEntries InitialOvernightEntries() {
  OvernightEntries entries;
  for (int i = 0; i < kOvernightBoxCount; ++i) entries.text[i] = QString::fromLatin1(DefaultText(static_cast<B>(i)));
  entries[B::OtherNights] = QStringLiteral("0");
  return entries;
}

OvernightResult CountOvernights(OvernightEntries& e) {
  double v[kOvernightBoxCount] = {};
  for (int i = 0; i < kOvernightBoxCount; ++i) {
    QString cleaned = e.text[i];
    platform::RemoveCurrencyChars(cleaned);
    if (platform::IsNumeric(cleaned)) {
      v[i] = platform::Val(cleaned);
    } else {
      e.text[i] = QString::fromLatin1(DefaultText(static_cast<B>(i)));
      v[i] = e.text[i].isEmpty() ? 0 : platform::Val(e.text[i]);
    }
  }
  auto val = [&v](B box) { return v[static_cast<int>(box)]; };
  auto empty = [&e](B box) { return e[box].isEmpty(); };

  if (val(B::SchoolWeeks) + val(B::XMassWeeks) + val(B::BreakWeeks) + val(B::SummerWeeks) != 52)
    return Fail(1, "The Total Number Of Weeks In The Year Does Not Equal 52. Please ReEnter The Number Of School, "
                   "Break And Vacation Period Weeks.", B::SchoolWeeks);
  if (empty(B::SchoolNights))
    return Fail(2, "Please Enter The Number Of Overnights Per Two-Week Period During The School Year.", B::SchoolNights);
  if (val(B::SchoolNights) > 14)
    return Fail(3, "Please Enter The Number Of Overnights Per Two-Week Period During The School Year. It Can Not Be "
                   "More Than 14 Days.", B::SchoolNights);
  const double school = val(B::SchoolNights);
  const double schoolCount = school * val(B::SchoolWeeks) / 2;

  double xmass = 0;
  if (auto failed = VacationCount(e.xmass, school, val(B::XMassWeeks), val(B::XMassNights), empty(B::XMassNights),
                                  B::XMassNights, kXMassMessages, xmass))
    return *failed;
  double breaks = 0;
  if (auto failed = VacationCount(e.breaks, school, val(B::BreakWeeks), val(B::BreakNights), empty(B::BreakNights),
                                  B::BreakNights, kBreakMessages, breaks))
    return *failed;

  double summer = 0;
  const double summerWeeks = val(B::SummerWeeks);
  const double conWeeks = val(B::SummerConWeeks);
  switch (e.summer) {
    case SummerRule::Continuation: summer = school * summerWeeks / 2; break;
    case SummerRule::ContinuationPlus: summer = 7 * conWeeks + school * (summerWeeks - 2 * conWeeks) / 2; break;
    case SummerRule::Half: summer = 7 * summerWeeks / 2; break;
    case SummerRule::Other:
      summer = val(B::SummerNights);
      if (empty(B::SummerNights))
        return Fail(11, "Please Enter The Number Of Summer Vacation Overnights.", B::SummerNights);
      break;
    case SummerRule::None:
      return Fail(10, "Please Select Option Of Summer Vacation Overnights.", std::nullopt);
  }
  if (val(B::SummerNights) > 7 * summerWeeks)
    return Fail(12, "Please Enter The Number Of Overnights Per Summer Vacation Period. It Can Not Be More Than 7 Days "
                    "Per Week.", B::SummerNights);
  if (conWeeks > summerWeeks / 2)
    return Fail(13, "Please ReEnter The Number Of Uninterrupted Weeks For Each Parent During Summer Vacation. It Can "
                    "Not Be More Than 1/2 The Number Of Weeks In The Summer Vacation Period.", B::SummerConWeeks);

  if (empty(B::OtherNights))
    return Fail(14, "Please Enter The Number Of Other Possible Overnights.", B::OtherNights);
  const double total = schoolCount + xmass + breaks + summer + val(B::OtherNights);
  if (total > 365)
    return Fail(15, "Please ReCheck Your Entries. The Total Number Of Calculated Overnights Is Greater Than 365 days.",
                B::OtherNights);

  OvernightResult result;
  result.total = total;
  result.totalText = platform::Format(total, "###.0");
  return result;
}

void ReportOvernightError(const OvernightResult& result, express::Prompter& prompter) {
  if (result.message == 0) return;
  if (result.message != 15) prompter.Beep();
  prompter.EntryError(result.prompt);
}

void ChooseXMassRule(OvernightEntries& e, VacationRule rule) {
  e.xmass = rule;
  if (rule == VacationRule::Continuation || rule == VacationRule::Half) e[B::XMassNights].clear();
}

void ChooseBreakRule(OvernightEntries& e, VacationRule rule) {
  e.breaks = rule;
  if (rule == VacationRule::Continuation || rule == VacationRule::Half) e[B::BreakNights].clear();
}

void ChooseSummerRule(OvernightEntries& e, SummerRule rule) {
  e.summer = rule;
  if (rule == SummerRule::Continuation || rule == SummerRule::Half || rule == SummerRule::Other)
    e[B::SummerConWeeks].clear();
  if (rule == SummerRule::Continuation || rule == SummerRule::Half || rule == SummerRule::ContinuationPlus)
    e[B::SummerNights].clear();
}

}  // namespace tools
