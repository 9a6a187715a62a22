#include "affidavit/datafile/DefaultLabels.h"

namespace affidavit {

const std::vector<LabelEntry>& FDLongExpenseLabels() {
  static const std::vector<LabelEntry> list = {
      {"Form12", "S2N", 0, " Mortgage or rent payments"},
      {"Form12", "S2N", 1, " Property taxes (if not included in mortgage)"},
      {"Form12", "S2N", 2, " Insurance on residence (if not included in mortgage)"},
      {"Form12", "S2N", 3, " Condominium maintenance fees and homeowner's association fees"},
      {"Form12", "S2N", 4, " Electricity"},
      {"Form12", "S2N", 5, " Water, garbage, and sewer"},
      {"Form12", "S2N", 6, " Telephone"},
      {"Form12", "S2N", 7, " Fuel oil or natural gas"},
      {"Form12", "S2N", 8, " Repairs and maintenance"},
      {"Form12", "S2N", 9, " Lawn care"},
      {"Form12", "S2N", 10, " Pool maintenance"},
      {"Form12", "S2N", 11, " Pest control"},
      {"Form12", "S2N", 12, " Misc. household"},
      {"Form12", "S2N", 13, " Food and home supplies"},
      {"Form12", "S2N", 14, " Meals outside home"},
      {"Form12", "S2N", 15, " Cable t.v./internet"},
      {"Form12", "S2NNew", 1, " Subscription streaming services"},
      {"Form12", "S2N", 16, " Alarm service contract"},
      {"Form12", "S2N", 17, " Service contracts on appliances"},
      {"Form12", "S2N", 18, " Housekeeping service"},
      {"Form12", "S2NNew", 2, " Communication technology/remote working subscriptions"},
      {"Form12", "S2N", 19, " Gasoline and oil"},
      {"Form12", "S2NNew", 3, " Electric car charging (outside of the home)"},
      {"Form12", "S2N", 20, " Repairs"},
      {"Form12", "S2N", 21, " Auto tags"},
      {"Form12", "S2N", 22, " Insurance"},
      {"Form12", "S2N", 23, " Payments (lease or financing)"},
      {"Form12", "S2N", 24, " Rental"},
      {"Form12", "S2N", 25, " Alternative transportation (bus, rail, carpool, taxi, ridesharing)"},
      {"Form12", "S2N", 26, " Tolls and parking"},
      {"Form12", "S2NNew", 4, " Automobile subscriptions and roadside services"},
      {"Form12", "S2N", 27, " Childcare"},
      {"Form12", "S2N", 28, " School tuition"},
      {"Form12", "S2N", 29, " School supplies, books, and fees"},
      {"Form12", "S2N", 30, " Extracurricular activities"},
      {"Form12", "S2N", 31, " School uniforms"},
      {"Form12", "S2N", 32, " Lunch Money"},
      {"Form12", "S2N", 33, " Private lessons or tutoring"},
      {"Form12", "S2N", 34, " Allowances"},
      {"Form12", "S2N", 35, " Clothing"},
      {"Form12", "S2N", 36, " Entertainment (movies, parties, video games etc.)"},
      {"Form12", "S2N", 37, " Health insurance (including dental and vision)"},
      {"Form12", "S2N", 38, " Medical, dental, prescriptions (nonreimbursed only)"},
      {"Form12", "S2N", 39, " Psychiatric/psychological/counselor"},
      {"Form12", "S2N", 40, " Orthodontic"},
      {"Form12", "S2N", 41, " Grooming"},
      {"Form12", "S2N", 42, " Nonprescription medications, supplements, and vitamins"},
      {"Form12", "S2N", 43, " Cosmetics, toiletries, and sundries"},
      {"Form12", "S2N", 44, " Gifts from child(ren) to others (other children, relatives, teachers, etc.)"},
      {"Form12", "S2N", 45, " Camp or summer activities"},
      {"Form12", "S2N", 46, " Clubs (Boy/Girl Scouts, etc.)"},
      {"Form12", "S2N", 47, " Cost required to exercise time-sharing (supervised visitation, travel and lodging expenses)"},
      {"Form12", "S2NNew", 5, " Religious training"},
      {"Form12", "S2NNew", 6, " Remote learning"},
      {"Form12", "S2NNew", 7, " Subscription service (if not listed on line 17 above)"},
      {"Form12", "S2N", 48, " Other"},
      {"Form12", "S2N", 49, " Dry cleaning and laundry"},
      {"Form12", "S2N", 50, " Clothing"},
      {"Form12", "S2N", 51, " Medical, dental, and prescription (unreimbursed only)"},
      {"Form12", "S2N", 52, " Psychiatric, psychological, or counselor (unreimbursed only)"},
      {"Form12", "S2N", 53, " Non-prescription medications, cosmetics, toiletries, and sundries"},
      {"Form12", "S2N", 54, " Grooming"},
      {"Form12", "S2N", 55, " Gifts"},
      {"Form12", "S2N", 56, " Pet care"},
      {"Form12", "S2N", 57, " Club dues and membership"},
      {"Form12", "S2N", 58, " Sports and hobbies"},
      {"Form12", "S2N", 59, " Entertainment"},
      {"Form12", "S2N", 60, " Periodicals/books/other subscription service"},
      {"Form12", "S2NNew", 11, " Charitable donations"},
      {"Form12", "S2NNew", 12, " Gambling and lottery"},
      {"Form12", "S2NNew", 13, " Tobacco, alcohol, and vaping"},
      {"Form12", "S2NNew", 14, " Attorney fees and court costs (related to this case)"},
      {"Form12", "S2NNew", 15, " Attorney fees and court costs (other)"},
      {"Form12", "S2NNew", 16, " Professional training fees (unreimbursed only)"},
      {"Form12", "S2N", 61, " Vacations"},
      {"Form12", "S2N", 62, " Religious organizations"},
      {"Form12", "S2N", 63, " Bank charges/credit card fees"},
      {"Form12", "S2N", 64, " Education expenses (unreimbursed only)"},
      {"Form12", "S2N", 67, " Health insurance (if not listed on Lines 23 of deductions or 50 expenses)"},
      {"Form12", "S2N", 66, " Life insurance"},
      {"Form12", "S2N", 65, " Dental insurance (if not listed on Lines 23 of deductions or 50 expenses)"},
      {"Form12", "S2NNew", 8, " Vision insurance (if not listed on Lines 23 of deductions or 50 expenses)"},
      {"Form12", "S2NNew", 9, " Long term care insurance"},
      {"Form12", "S2NNew", 10, " Disability insurance"},
  };
  return list;
}

const std::vector<LabelEntry>& FDShortExpenseLabels() {
  static const std::vector<LabelEntry> list = {
      {"Form121", "S2N", 0, "Mortgage or rent"},
      {"Form121", "S2N", 1, "Property taxes"},
      {"Form121", "S2N", 2, "Utilities"},
      {"Form121", "S2N", 3, "Telephone"},
      {"Form121", "S2N", 4, "Food"},
      {"Form121", "S2N", 5, "Meals outside home"},
      {"Form121", "S2N", 6, "Maintenance/Repairs"},
      {"Form121", "S2N", 7, "Other:"},
      {"Form121", "S2N", 19, "Gasoline"},
      {"Form121", "S2N", 20, "Repairs"},
      {"Form121", "S2N", 21, "Insurance"},
      {"Form121", "S2N", 27, "Day care"},
      {"Form121", "S2N", 28, "Lunch money"},
      {"Form121", "S2N", 29, "Clothing"},
      {"Form121", "S2N", 30, "Grooming"},
      {"Form121", "S2N", 31, "Gifts for holidays"},
      {"Form121", "S2N", 32, "Medical/Dental (uninsured)"},
      {"Form121", "S2N", 33, "Other"},
      {"Form121", "S2N", 64, "Medical/Dental (not on Line 23)"},
      {"Form121", "S2N", 65, "Child(ren)'s medical/dental"},
      {"Form121", "S2N", 66, "Life insurance"},
      {"Form121", "S2N", 67, "Other"},
      {"Form121", "S2N", 49, "Clothing"},
      {"Form121", "S2N", 50, "Medical/Dental (uninsured)"},
      {"Form121", "S2N", 51, "Grooming"},
      {"Form121", "S2N", 52, "Entertainment"},
      {"Form121", "S2N", 53, "Gifts"},
      {"Form121", "S2N", 54, "Religious organizations"},
      {"Form121", "S2N", 55, "Miscellaneous"},
      {"Form121", "S2N", 56, "Other"},
      {"Form121", "S2N", 57, ""},
      {"Form121", "S2N", 58, ""},
      {"Form121", "S2N", 59, ""},
      {"Form121", "S2N", 60, ""},
      {"Form121", "S2N", 61, ""},
      {"Form121", "S2N", 62, ""},
  };
  return list;
}

const std::vector<LabelEntry>& FDAssetLabels() {
  static const std::vector<LabelEntry> list = {
      {"Form122", "S3T", 0, "Cash (on hand)"},
      {"Form122", "S3T", 1, "Cash (in banks, credit unions, checking, savings, CDs)"},
      {"Form122", "S3T", 3, "Cash in digital wallets (Venmo, PayPal, Apple Wallet)"},
      {"Form122", "S3T", 5, "Virtual Currency and cryptocurrency (attach schedule)"},
      {"Form122", "S3T", 6, "Non-Fungible Tokens (NFT) and the like"},
      {"Form122", "S3T", 8, "Stocks/Bonds, investment/brokerage accounts"},
      {"Form122", "S3T", 11, "Notes (money owed to you in writing)"},
      {"Form122", "S3T", 14, "Money owed to you (not evidenced by a note)"},
      {"Form122", "S3T", 17, "Real estate: (Home)"},
      {"Form122", "S3T", 20, "Real estate: (Other)"},
      {"Form122", "S3T", 23, "Business interests (indicate % ownership next to each entity)"},
      {"Form122", "S3T", 26, "Automobiles"},
      {"Form122", "S3T", 29, "Boats"},
      {"Form122", "S3T", 31, "Other vehicles"},
      {"Form122", "S3T", 35, "Retirement plans (Profit Sharing, Pension, IRA, 401(k)s, etc.)"},
      {"Form122", "S3T", 39, "Furniture & furnishings in home"},
      {"Form122", "S3T", 41, "Furniture & furnishings elsewhere"},
      {"Form122", "S3T", 43, "Collectibles and commodities (cards, coins, etc)"},
      {"Form122", "S3T", 45, "Jewelry"},
      {"Form122", "S3T", 47, "Life insurance (cash surrender value)"},
      {"Form122", "S3T", 49, "Sporting, hobby and entertainment (T.V., stereo, etc.)"},
      {"Form122", "S3T", 51, "Tools"},
      {"Form122", "S3T", 52, "Firearms and ammunition"},
      {"Form122", "S3T", 54, "Judgments (owed to you)"},
      {"Form122", "S3T", 56, "Patents, trademarks, copyrights"},
      {"Form122", "S3T", 59, "Other assets"},
  };
  return list;
}

const std::vector<LabelEntry>& FDLiabilityLabels() {
  static const std::vector<LabelEntry> list = {
      {"Form122", "S4T", 0, "Mortgages on real estate"},
      {"Form122", "S4T", 3, "Charge/credit card accounts"},
      {"Form122", "S4T", 6, "Student Loans (list each loan individually)"},
      {"Form122", "S4T", 9, "Medical liabilities"},
      {"Form122", "S4T", 10, "Auto loans"},
      {"Form122", "S4T", 12, "Bank/Credit Union loans"},
      {"Form122", "S4T", 13, "Tax liabilities"},
      {"Form122", "S4T", 15, "Notes (money you owe in writing)"},
      {"Form122", "S4T", 18, "Money you owe (not evidenced by a note)"},
      {"Form122", "S4T", 21, "Judgments (against you)"},
      {"Form122", "S4T", 24, "Other liabilities"},
  };
  return list;
}

const std::vector<LabelEntry>& FDTotalsLabels() {
  static const std::vector<LabelEntry> list = {
      {"Form122", "S3T", 63, "Total Fair Market Value of Marital Assets (add column B)"},
      {"Form122", "S3T", 64, "Total Fair Market Value of Nonmarital Assets (add column C)"},
      {"Form122", "S4T", 27, "Total Amount Owed on Marital Liabilities (add column B)"},
      {"Form122", "S4T", 40, "Total Amount Owed on Nonmarital Liabilities (add column C)"},
      {"Form122", "S4T", 33, "Total Possible Value of Marital Contingent Assets (add column B)"},
      {"Form122", "S4T", 41, "Total Possible Value of Nonmarital Contingent Assets (add column C)"},
      {"Form122", "S4T", 39, "Total Possible Amount Owed on Contingent Liabilities"},
  };
  return list;
}

const std::vector<LabelEntry>& FDOlderFileExpenseLabels() {
  // Older files' names: three differ from the present ones.
  static const std::vector<LabelEntry> list = [] {
    std::vector<LabelEntry> older = FDLongExpenseLabels();
    const struct {
      int order;
      const char* text;
    } changed[] = {
        {29, " Alternative transportation (bus, rail, carpool, ridesharing, etc.)"},
        {42, " Health insurance"},
        {56, " Miscellaneous"},
    };
    for (const auto& c : changed) older[c.order - 1].text = c.text;
    return older;
  }();
  return list;
}

const std::vector<LabelCorrection>& MisspeltDefaultLabels() {
  static const std::vector<LabelCorrection> list = {
      {"Form12", "S2NNew", 13, " Tobacco, alchohol, and vaping", " Tobacco, alcohol, and vaping"},
      {"Form12", "S2N", 16, " Aarm service contract", " Alarm service contract"},
      {"Form12", "S2N", 42, " Nonprescription medications, suplements, and vitamins",
       " Nonprescription medications, supplements, and vitamins"},
      {"Form12", "S2N", 47,
       " Cost required to exercise time-sharing (supervised visitation, travel and lodging expenses",
       " Cost required to exercise time-sharing (supervised visitation, travel and lodging expenses)"},
      {"Form121", "S2N", 0, "Mortage or rent", "Mortgage or rent"},
      {"Form122", "S3T", 52, "Fireams and ammunition", "Firearms and ammunition"},
  };
  return list;
}

void CorrectMisspeltLabels(AffidavitPages& pages) {
  for (const LabelCorrection& c : MisspeltDefaultLabels()) {
    const PageElement element{QLatin1String(c.page), QLatin1String(c.array), c.index};
    if (pages.Text(element) == QLatin1String(c.misspelt)) pages.SetText(element, QString::fromLatin1(c.text));
  }
}

void ApplyLabels(AffidavitPages& pages, const std::vector<LabelEntry>& list) {
  for (const LabelEntry& e : list)
    pages.SetText({QLatin1String(e.page), QLatin1String(e.array), e.index}, QString::fromLatin1(e.text));
}

}  // namespace affidavit
