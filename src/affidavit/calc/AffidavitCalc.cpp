#include "affidavit/calc/AffidavitCalc.h"

#include <span>

#include "affidavit/datafile/FinDecSlots.h"
#include "affidavit/datafile/PageElements.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"

namespace affidavit {

namespace {

using casevars::AffidavitValue;

PageElement Box(const QString& page, const char* array, int index) {
  return {page, QLatin1String(array), index};
}

// The number an amount text holds, if any.
std::optional<double> AmountIn(const QString& text) {
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  if (!platform::IsNumeric(cleaned)) return std::nullopt;
  return platform::Val(cleaned);
}

void ReadBox(AffidavitPages& pages, const PageElement& box, AffidavitValue& element, EntryTexts entries) {
  if (const auto amount = AmountIn(pages.Text(box))) {
    element = AffidavitValue::Of(*amount);
  } else {
    element = {};
    if (entries == EntryTexts::Reset) pages.SetText(box, QStringLiteral("$"));
  }
}

// Boxes first..last of an array that the page has.
void ReadRun(AffidavitPages& pages, const QString& page, const char* array, int first, int last,
             std::span<AffidavitValue> elements, EntryTexts entries) {
  for (int i = first; i <= last; ++i) {
    const PageElement box = Box(page, array, i);
    if (HasElement(box)) ReadBox(pages, box, elements[i], entries);
  }
}

void Show(AffidavitPages& pages, const QString& page, const char* array, int index, double amount) {
  pages.SetText(Box(page, array, index), TotalText(amount));
}

// A member of a total as its line prints it: in whole dollars.
double Printed(const AffidavitValue& element) { return platform::RoundAsShown(element.OrZero()); }

// The total of members first..last as they print, so that a printed total is
// the sum of the printed lines above it.
double Sum(std::span<const AffidavitValue> elements, int first, int last) {
  double total = 0;
  for (int i = first; i <= last; ++i) total += Printed(elements[i]);
  return total;
}

// A short-form group: blank members become 0 (and show "$") in the short
// form proper; the total of the members.
double Group(AffidavitPages& pages, std::int16_t formType, const QString& page, const char* array,
             std::span<AffidavitValue> elements, int first, int last, EntryTexts entries) {
  double total = 0;
  for (int i = first; i <= last; ++i) {
    if (formType == kShortForm && !elements[i].IsNumber()) {
      elements[i] = AffidavitValue::Of(0);
      if (entries == EntryTexts::Reset) pages.SetText(Box(page, array, i), QStringLiteral("$"));
    } else {
      total += Printed(elements[i]);
    }
  }
  return total;
}

}  // namespace

QString TotalText(double amount) { return platform::Format(amount, "$###,##0"); }

void AssignFDVars(AffidavitPages& pages, std::int16_t formType, casevars::AffidavitValues& values,
                  EntryTexts entries) {
  const AffidavitMode pageForm = formType == kLongForm ? kLongForm : kShortForm;
  const QString first = FirstPage(pageForm);
  ReadRun(pages, first, "S1", 0, 38, values.FDIncomeValues, entries);
  ReadRun(pages, first, "S2", 1, 109, values.FDExpenseValues, entries);
  ReadRun(pages, QStringLiteral("Form12"), "S2New", 1, 16, values.FDNewExpenseValues, entries);
  if (formType == kLongForm) {
    ReadRun(pages, QStringLiteral("Form122"), "S3", 0, 64, values.FDAssetValues, entries);
    ReadRun(pages, QStringLiteral("Form122"), "S4", 0, 45, values.FDLiabilityValues, entries);
  } else if (formType == kShortForm) {
    ReadRun(pages, QStringLiteral("Form123"), "S3", 0, 63, values.FDAssetValues, entries);
    ReadRun(pages, QStringLiteral("Form123"), "S4", 0, 39, values.FDLiabilityValues, entries);
  }
  const QString second = QStringLiteral("Form122");
  ReadRun(pages, second, "S3P", 0, 62, values.FDAssetPetitionerValues, entries);
  ReadRun(pages, second, "S3R", 0, 62, values.FDAssetRespondentValues, entries);
  ReadRun(pages, second, "S4R", 0, 38, values.FDLiabilityRespondentValues, entries);
  ReadRun(pages, second, "S4P", 0, 38, values.FDLiabilityPetitionerValues, entries);
  for (const int index : {24, 0}) {
    const auto amount = AmountIn(pages.Text(Box(QStringLiteral("Form12"), "S1T", index)));
    values.FDIncomeTexts[index] = amount ? AffidavitValue::Of(*amount) : AffidavitValue::EmptyText();
  }
}

void CalculateFinDec(AffidavitPages& pages, std::int16_t formType, casevars::AffidavitValues& v,
                     EntryTexts entries) {
  const bool longForm = formType == kLongForm;
  const QString first = FirstPage(longForm ? kLongForm : kShortForm);
  const QString other = FirstPage(longForm ? kShortForm : kLongForm);
  auto& inc = v.FDIncomeValues;
  auto& exp = v.FDExpenseValues;

  // Section I. Items 1, 8 and 10 print without their parts: the exact sum
  // of the parts. Items 9 and 25 print under their parts 9a, 9b, 25a and 25b
  // (25b the two amounts for other cases together): the sum of those as printed.
  const auto exact = [&](std::initializer_list<int> parts) {
    double total = 0;
    for (int part : parts) total += inc[part].OrZero();
    return total;
  };
  const struct {
    int item;
    double total;
  } composed[] = {{8, exact({37, 0})},
                  {9, Printed(inc[28]) + Printed(inc[29])},
                  {25, Printed(inc[30]) + platform::RoundAsShown(exact({31, 38}))},
                  {1, exact({32, 33})},
                  {10, exact({34, 35, 36})}};
  for (const auto& [item, total] : composed) {
    inc[item] = AffidavitValue::Of(total);
    Show(pages, first, "S1", item, total);
    pages.SetText(Box(other, "S1", item), QString());
  }
  inc[17] = AffidavitValue::Of(Sum(inc, 1, 16));
  Show(pages, first, "S1", 17, inc[17].number);
  inc[26] = AffidavitValue::Of(Sum(inc, 18, 25));
  Show(pages, first, "S1", 26, inc[26].number);
  inc[27] = AffidavitValue::Of(inc[17].number - inc[26].number);
  Show(pages, first, "S1", 27, inc[27].number);
  pages.SetText(Box(other, "S1", 27), QString());

  // Section II.
  double expenses = 0;
  if (longForm) {
    const struct {
      int subtotal, first, last, newFirst, newLast;
    } groups[] = {{25, 1, 24, 1, 2},    {35, 26, 34, 3, 4},  {58, 36, 57, 5, 7},  {63, 59, 62, 1, 0},
                  {69, 64, 68, 8, 10},  {90, 70, 89, 11, 16}, {104, 91, 103, 1, 0}};
    for (const auto& g : groups) {
      const double total = Sum(exp, g.first, g.last) + Sum(v.FDNewExpenseValues, g.newFirst, g.newLast);
      exp[g.subtotal] = AffidavitValue::Of(total);
      Show(pages, first, "S2", g.subtotal, total);
      expenses += total;
    }
  } else {
    const struct {
      int subtotal, first, last;
    } groups[] = {{25, 1, 8}, {35, 26, 28}, {58, 36, 42}, {69, 64, 67}, {90, 70, 83}, {104, 91, 101}};
    for (const auto& g : groups) {
      const double total = Group(pages, formType, first, "S2", exp, g.first, g.last, entries);
      exp[g.subtotal] = AffidavitValue::Of(total);
      Show(pages, first, "S2", g.subtotal, total);
      expenses += total;
    }
  }
  exp[105] = AffidavitValue::Of(expenses);
  Show(pages, first, "S2", 105, expenses);
  exp[106] = inc[27];
  exp[107] = exp[105];
  Show(pages, first, "S2", 106, exp[106].number);
  Show(pages, first, "S2", 107, exp[107].number);
  double surplus = exp[106].number - exp[107].number;
  double deficit = 0;
  if (surplus < 0) {
    deficit = exp[107].number - exp[106].number;
    surplus = 0;
  }
  exp[108] = AffidavitValue::Of(surplus);
  exp[109] = AffidavitValue::Of(deficit);
  Show(pages, first, "S2", 108, surplus);
  Show(pages, first, "S2", 109, deficit);

  // Section III.
  auto& ast = v.FDAssetValues;
  auto& lia = v.FDLiabilityValues;
  const auto columns = [&](int from, int to, auto& petitioner, auto& respondent) {
    return Sum(petitioner, from, to) + Sum(respondent, from, to);
  };
  const auto set = [&](auto& array, const QString& page, const char* box, int index, double amount) {
    array[index] = AffidavitValue::Of(amount);
    Show(pages, page, box, index, amount);
  };
  if (longForm) {
    const QString page = QStringLiteral("Form122");
    set(ast, page, "S3", 63, Sum(ast, 0, 62));
    set(ast, page, "S3", 64, columns(0, 62, v.FDAssetPetitionerValues, v.FDAssetRespondentValues));
    set(lia, page, "S4", 27, Sum(lia, 0, 26));
    set(lia, page, "S4", 43, columns(0, 26, v.FDLiabilityPetitionerValues, v.FDLiabilityRespondentValues));
    set(lia, page, "S4", 40, ast[63].number);
    set(lia, page, "S4", 41, lia[27].number);
    set(lia, page, "S4", 42, ast[63].number - lia[27].number);
    set(lia, page, "S4", 33, Sum(lia, 28, 32));
    set(lia, page, "S4", 44, columns(28, 32, v.FDLiabilityPetitionerValues, v.FDLiabilityRespondentValues));
    set(lia, page, "S4", 39, Sum(lia, 34, 38));
    set(lia, page, "S4", 45, columns(34, 38, v.FDLiabilityPetitionerValues, v.FDLiabilityRespondentValues));
  } else {
    const QString page = QStringLiteral("Form123");
    set(ast, page, "S3", 63, Group(pages, formType, page, "S3", ast, 0, 17, entries));
    set(lia, page, "S4", 27, Group(pages, formType, page, "S4", lia, 0, 17, entries));
    set(lia, page, "S4", 33, Group(pages, formType, page, "S4", lia, 28, 32, entries));
    set(lia, page, "S4", 39, Group(pages, formType, page, "S4", lia, 34, 38, entries));
  }
}

}  // namespace affidavit
