#include "worksheet/SheetRows.h"

namespace worksheet {

namespace {

SheetRow Heading(const char* text, double x, bool bold = true) {
  SheetRow r;
  r.kind = RowKind::Heading;
  r.text = QString::fromLatin1(text);
  r.x = x;
  r.bold = bold;
  return r;
}


SheetRow Heads() {
  SheetRow r;
  r.kind = RowKind::ColumnHeads;
  return r;
}

SheetRow Line(const char* title, const char* a, const char* b, const char* t,
              std::vector<UnderText> under = {}) {
  SheetRow r;
  r.text = QString::fromLatin1(title);
  r.cells = {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(t)};
  r.under = std::move(under);
  return r;
}

SheetRow Beside(SheetRow r, const char* beside, double x) {
  r.beside = QString::fromLatin1(beside);
  r.besideX = x;
  return r;
}

UnderText U(const char* text) { return {QString::fromLatin1(text), std::nullopt, 0, 0}; }

const char* const kChildCare =
    "[Child care costs should not exceed the level required to provide quality care from a licensed source for the "
    "child(ren). See section 61.30(7), Dad. Stat. for more information.]";
const char* const kHealthOnly = "[This is only amounts actually paid for health insurance on the child(ren).]";
const char* const kOtherPayments =
    "Other Payments/Credits Actually Made For Any Noncovered Medical, Dental And Prescription Medication Expenses Of "
    "The Child(ren) Not Ordered To Be Separately Paid On A Percentage Basis. ";

std::vector<SheetRow> MakeRows() {
  const QString spaces28(28, u' '), spaces31(31, u' ');
  std::vector<SheetRow> rows;
  rows.push_back(Heading("GROSS INCOME CALCULATION", 2430));
  rows.push_back(Heads());
  SheetRow gross = Line("Present Gross Monthly Income", "WS0f", "WS0m", "WS0t",
                        {U("Enter the amount from line number 17, Section I of Dadudav Family Law Rules of Procedure "
                           "Form 12.902(b) or (c), Financial Affidavit.")});
  gross.x = 1050;
  rows.push_back(gross);
  rows.push_back(Heading("CHILD SUPPORT GUIDELINES WORKSHEET", 2340));
  rows.push_back(Heads());
  rows.push_back(Line("1. Present Net Monthly Income", "WS1f", "WS1m", "WS1t",
                      {U("Enter the amount from line number 27, Section I of Dadudav Family Law Rules of Procedure "
                         "Form 12.902(b) or (c), Financial Affidavit.")}));
  rows.push_back(Line("2. Basic Monthly Obligation", "WS2f", "", "WS2t",
                      {{QStringLiteral("There is (are)") + spaces28 +
                            QStringLiteral("minor child(ren) common to the parties. Using the total amount from line "
                                           "1, enter the appropriate amount from the child support guidelines chart."),
                        Box::WSNumMinors, 2280, 480}}));
  rows.push_back(Line("3. Percent of Financial Responsibility", "WS3f", "WS3m", "",
                      {U("Divide the amount on line 1A by the total amount on line 1 to get Petitioner's percentage "
                         "of financial responsibility. Enter answer on line 3A. Divide the amount on line 1B by the "
                         "total amount on line 1 to get Respondent's percentage of financial responsibility. Enter "
                         "answer on line 3B.")}));
  rows.push_back(Line("4. Share of Basic Monthly Obligation", "WS4f", "WS4m", "",
                      {U("Multiply the number on line 2 by the percentage on line 3A to get Petitioner's share of "
                         "basic obligation. Enter answer on line 4A. Multiply the number on line 2 by the percentage "
                         "on line 3B to get Respondent's share of basic obligation. Enter answer on line 4B.")}));
  rows.push_back(Heading("Additional Support - Health Insurance, Child Care and Other", 3810));
  rows.push_back(Line("5a. 100% of Monthly Child Care Costs", "WS5af", "", "WS5at", {U(kChildCare)}));
  rows.push_back(
      Line("5b. Total Monthly Child(ren)'s Health Insurance Cost", "WS5bf", "", "WS5bt", {U(kHealthOnly)}));
  rows.push_back(Line("5c. Total Monthly Child(ren)'s Noncovered Medical, Dental, and Prescription Costs", "", "",
                      "WS5ct"));
  rows.push_back(Beside(Line("5d. Total Monthly Child Care and Health Costs", "", "", "WS5dt"),
                        "[Add lines 5a+5b+5c]", 5670));
  rows.push_back(Line("6. Additional Support Payments", "WS6f", "WS6m", "",
                      {U("Multiply the number on line 5d by the percentage on line 3A to determine the Petitioner's "
                         "share. Enter answer on line 6A. Multiply the number on line 5d by the percentage on line 3B "
                         "to determine the Respondent's share. Enter answer on line 6B.")}));
  rows.push_back(Heading("Statutory Adjustments/Credits", 4890));
  rows.push_back(Line("7a. Monthly Child Care Payments Actually Made", "WS7af", "WS7am", "Text6"));
  rows.push_back(Line("7b. Monthly Health Insurance Payments Actually Made", "WS7bf", "WS7bm", "Text7"));
  rows.push_back(Line(("7c. " + QByteArray(kOtherPayments)).constData(), "WS7cf", "WS7cm", "Text8"));
  rows.push_back(Beside(Line("8. Total Support Payments Actually Made", "WS8f", "WS8m", "Text9"),
                        "Add 7a through 7c", 5745));
  rows.push_back(Line("9. MINIMUM CHILD SUPPORT OBLIGATION FOR EACH PARENT", "WS9f", "WS9m", "Text10",
                      {U("[Line 4 plus line 6; minus line 8]")}));
  SheetRow wide;
  wide.kind = RowKind::WideHeading;
  wide.text = QStringLiteral(
      "Substantial Time-Sharing (GROSS UP METHOD) If each parent exercises time-sharing at least 20 Percent of the "
      "overnights in the year (73 overnights in the year), complete Nos. 10 through 21");
  rows.push_back(wide);
  rows.push_back(Heads());
  rows.push_back(Beside(Line("10. Basic Monthly Obligation X 150%", "", "", "WS10t"), "[Multiply line 2 by 1.5]", 5490));
  rows.push_back(Line("11. Basic Monthly Obligation For Each Parent", "WS11f", "WS11m", "WS11t",
                      {U("Multiply the number on line 10 by the percentage on line 3A to determine the Petitioner's "
                         "share. Enter answer on line 11A. Multiply the number on line 10 by the percentage on line 3B "
                         "to determine the Respondent's share. Enter answer on line 11B.")}));
  const QString overnights = QStringLiteral("The child(ren) spend(s)") + spaces31 + QStringLiteral("overnight stays with the ");
  const auto multiply = [](const char* line) {
    return QStringLiteral(" each year. Using the above number, multiply it by 100 and divide by 365. Enter this "
                          "number on line %1. ")
        .arg(QLatin1String(line));
  };
  rows.push_back(Line("12. Percentage Of Overnight Stays With Each Parent", "WS12f", "WS12m", "",
                      {{overnights + QStringLiteral("Petitioner") + multiply("12A"), Box::WSFatherDays, 2850, 585},
                       {overnights + QStringLiteral("Respondent") + multiply("12B"), Box::WSMotherDays, 2850, 585}}));
  rows.push_back(Line("13. Parent's Support Multiplied By Other Parent's Percentage Of Overnights", "WS13f", "WS13m", "",
                      {U("[Multiply line 11A by line 12B. Enter this number in 13A. Multiply line 11B by line 12A. "
                         "Enter this number in 13B.]")}));
  rows.push_back(Heading("Additional Support - Health Insurance, Child Care and Other", 3810));
  rows.push_back(Line("14a. Total Monthly Child Care Costs", "", "", "WS14at", {U(kChildCare)}));
  rows.push_back(Line("14b. Total Monthly Child(ren)'s Health Insurance Cost", "", "", "WS14bt", {U(kHealthOnly)}));
  rows.push_back(Line("14c. Total Monthly Child(ren)'s Noncovered Medical, Dental, and Prescription Costs", "", "",
                      "WS14ct"));
  rows.push_back(Line("14d. Total Monthly Child Care and Health Costs", "", "", "WS14dt", {U("[Add lines 14a+14b+14c]")}));
  rows.push_back(Line("15. Additional Support Payments", "WS15f", "WS15m", "",
                      {U("Multiply the number on line 14d by the percentage on line 3A to determine the Petitioner's "
                         "share. Enter answer on line 15A. Multiply the number on line 14d by the percentage on line "
                         "3B to determine the Respondent's share. Enter answer on line 15B.")}));
  rows.push_back(Heading("Statutory Adjustments/Credits", 4890));
  rows.push_back(Line("16a. Monthly Child Care Payments Actually Made", "WS16af", "WS16am", "Text11"));
  rows.push_back(Line("16b. Monthly Health Insurance Payments Actually Made", "WS16bf", "WS16bm", "Text12"));
  rows.push_back(Line(("16c. " + QByteArray(kOtherPayments)).constData(), "WS16cf", "WS16cm", "Text13"));
  rows.push_back(Line("17. Total Support Payments Actually Made", "WS17f", "ws17m", "Text14",
                      {U("[Add 16a through 16c]")}));
  rows.push_back(Line("18. Total Additional Support Transfer Amount", "WS18f", "WS18m", "Text19",
                      {U("[Line 15 minus line 17; Enter any negative number a zero]")}));
  rows.push_back(Line("19. Total Support Owed From Petitioner To Respondent", "WS19f", "", "Text23",
                      {U("[Add line 13A+18A]")}));
  rows.push_back(Line("20. Total Support Owed From Respondent To Petitioner", "", "WS20m", "Text24",
                      {U("[Add line 13B+18B]")}));
  rows.push_back(Line("21. Presumptive Child Support To Be Paid", "WS21f", "WS21m", "Text25",
                      {U("[Comparing lines 19 and 20, Subtract the smaller amount owed from the larger amount owed "
                         "and enter the result in the column for the parent that owes the larger amount of support] ")}));
  return rows;
}

}  // namespace

const std::vector<SheetRow>& SheetRows() {
  static const std::vector<SheetRow> rows = MakeRows();
  return rows;
}

QStringList GreyCellNames() {
  QStringList names;
  for (int i : {0, 3, 5, 9, 10, 12, 23, 24, 25, 27, 29, 32, 35, 37}) names << QStringLiteral("a1f(%1)").arg(i);
  for (int i : {1, 4, 5, 6, 7, 18, 19, 20, 25, 27, 28}) names << QStringLiteral("a1m(%1)").arg(i);
  return names;
}

}  // namespace worksheet
