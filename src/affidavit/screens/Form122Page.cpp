// The long-form affidavit's second page: Section III (assets, liabilities,
// net worth, contingent items) and the closing blocks.
#include <map>
#include <utility>

#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

namespace {

QString DesignText(const std::map<int, const char*>& texts, int index) {
  const auto it = texts.find(index);
  return it == texts.end() ? QString() : QString::fromLatin1(it->second);
}

// The captions of column C's two boxes, in the page font.
void PetitionerRespondent(PageBuilder& b, double pLeft, double pWidth, double rLeft, double rWidth, double top) {
  b.Cell("Petitioner", pLeft, top, pWidth, 300).bold = false;
  b.Cell(" Respondent", rLeft, top, rWidth, 300).bold = false;
}

// The column captions of the asset table, in bordered cells from `top`
// down to the first row (1020 twips).
void AssetColumns(PageBuilder& b, double top) {
  b.Cell("A", 840, top, 420, 1020);
  b.Cell("ASSETS: DESCRIPTION OF ITEM(S)", 1275, top, 5385, 1020);
  b.Cell("Title Owner", 6660, top, 1050, 1020);
  b.Cell("B", 7725, top, 1515, 240);
  b.Cell("Marital Assets Current Fair Market Value", 7725, top + 240, 1515, 780);
  b.Cell("C", 9270, top, 2210, 240);
  b.Cell("Nonmarital Assets Current Fair Market Value", 9270, top + 240, 2210, 480);
  PetitionerRespondent(b, 9270, 1110, 10380, 1100, top + 720);
}

// A locked caption of a total, in the notes' bold.
void TotalCaption(PageBuilder& b, const QString& array, int index, double left, double top, double width,
                  const QString& text, double size) {
  PageControl& c = b.Text(array, index, left, top, width, text);
  c.locked = c.bold = true;
  c.fontSize = size;
}

}  // namespace

PageDesign BuildForm122() {
  // The contingent items' instructions stand above their tables: those
  // tables and everything after them stand `d` lower.
  constexpr double d = 4 * kSmallLine;
  PageBuilder b(PageId::Form122, QStringLiteral("Form122"), 65265 + d);
  // Furniture: the asset table, the liabilities with net worth, the
  // contingent tables, the worksheet statement with the first certificate,
  // the non-lawyer block and the second certificate; the rule under the title.
  b.Panels({{120, 27660}, {27660, 41490}, {41520, 49590 + d}, {49650 + d, 55500 + d}, {55560 + d, 58950 + d},
            {59100 + d, 65100 + d}});
  b.Rule(1050);

  b.PageButtons(630, 180, 64650 + d);
  b.Heading("SECTION III. ASSETS AND LIABILITIES", 5700, 240, 4000);
  b.Heading("LONG FORM", 9900, 240, 1300);
  b.Heading("A. ASSETS", 600, 1140, 1300);
  PageControl& digits = b.Heading(" LIST ONLY LAST FOUR DIGITS OF ACCOUNT NUMBERS.", 3300, 1140, 5800);
  digits.fontSize = 9;
  b.Label("Check  the box on the left in column A next to any asset(s) ", 600, 1410, 6000);
  b.Label("which you are requesting be awarded to you", 600, 1665, 6000);
  AssetColumns(b, 1950);

  const std::map<int, const char*> assets = {
      {0, "Cash (on hand)"},
      {1, "Cash (in banks, credit unions, checking, savings, CDs)"},
      {3, "Cash in digital wallets (Venmo, Paypal, Apple Wallet)"},
      {5, "Virtual currency and cryptocurrency (attach schedule)"},
      {6, "Non-Fungible Tokens (NFT) and the like"},
      {8, "Stocks/Bonds, investment/brokerage accounts"},
      {11, "Notes (money owed to you in writing)"},
      {14, "Money owed to you (not evidenced by a note)"},
      {17, "Real Estate: (Home)"},
      {20, "Real estate: (Other)"},
      {23, "Business interests (indicate % ownership next to each entity)"},
      {26, "Automobiles"},
      {29, "Boats"},
      {31, "Other vehicles"},
      {35, "Retirement plans (Profit Sharing, Pension, IRA, 401(k)s, etc.)"},
      {39, "Furniture & furnishings in home"},
      {41, "Furniture & furnishings elsewhere"},
      {43, "Collectibles and commodities (including cards, coins, etc)"},
      {45, "Jewelry"},
      {47, "Life insurance (cash surrender value)"},
      {49, "Sporting, hobby and entertainment (T.V., stereo, etc)"},
      {51, "Tools"},
      {52, "Firearms and ammunition"},
      {54, "Judgments (owed to you)"},
      {56, "Patents, trademarks, copyrights"},
      {59, "Other assets:"},
  };
  for (int i = 0; i <= 62; ++i) {
    // Rows 0-30 from 3000 to 13755, rows 31-62 from 15420 to 26520.
    const double top = i <= 30 ? 3000 + i * (13755 - 3000) / 30.0 : 15420 + (i - 31) * (26520 - 15420) / 31.0;
    if (i == 31) AssetColumns(b, 14250);
    PageControl& check = b.Check("S3c", i, QString(), 870, top + 15, 300);
    check.bold = true;
    check.hidden = i == 62;
    b.Text("S3T", i, 1275, top, 5385, DesignText(assets, i));
    b.Text("S3O", i, 6660, top, 1050);
    b.Amount("S3", i, 7725, top, 1515);
    b.Amount("S3P", i, 9270, top, 1100);
    b.Amount("S3R", i, 10380, top, 1100);
  }
  b.Check("S3c", 63, QString(), 870, 26865, 300).hidden = true;
  b.Check("s3ch", 63, QString(), 9270, 26865, 300).hidden = true;
  b.Check("s3cw", 63, QString(), 10380, 26865, 300).hidden = true;
  TotalCaption(b, "S3T", 63, 1275, 26850, 6405, "Total Fair Market Value of Marital Assets (add column B)", 9);
  b.Total("S3", 63, 7725, 26850, 1515);
  TotalCaption(b, "S3T", 64, 1275, 27210, 8085, "Total Fair Market Value of Nonmarital Assets (add column C)", 9);
  b.Total("S3", 64, 9405, 27210, 2055);

  // B. Liabilities.
  b.Heading("B. LIABILITIES/DEBTS:", 600, 27720, 2400);
  b.Heading("DO NOT LIST ACCOUNT NUMBERS.", 3300, 27720, 3800).fontSize = 9;
  b.Label("Check box on the left in column A next to any debts", 600, 27975, 6000);
  b.Label("for which you believe you should be responsible.", 600, 28230, 6000);
  const double lh = 28485;
  b.Cell("A", 780, lh, 480, 1020);
  b.Cell("LIABILITIES: DESCRIPTION OF ITEM(S)", 1290, lh, 4635, 1020);
  b.Cell("Debtor/  Obligor Title Holder", 5940, lh, 1005, 1020);
  b.Cell("Creditor", 6960, lh, 1005, 1020);
  b.Cell("B", 7980, lh, 1100, 240);
  b.Cell("Current Amount Owed", 7980, lh + 240, 1100, 780);
  b.Cell("C", 9090, lh, 2090, 240);
  b.Cell("Nonmarital Liabilities", 9090, lh + 240, 2090, 480);
  PetitionerRespondent(b, 9090, 1040, 10140, 1040, lh + 720);
  const std::map<int, const char*> debts = {
      {0, "Mortgages on real estate"},
      {3, "Charge/credit card accounts"},
      {6, "Student loans (list each loan individually)"},
      {9, "Medical Liabilities"},
      {10, "Auto Loans"},
      {12, "Bank/Credit Union loans"},
      {13, "Tax liabilities"},
      {15, "Notes (money you owe in writing)"},
      {18, "Money you owe (not evidenced by a note)"},
      {21, "Judgments (against you)"},
      {24, "Other liabilities"},
      {29, "Stock Options"},
      {30, "Other"},
      {37, "Attorney Fees"},
  };
  for (int i = 0; i <= 26; ++i) {
    const double top = 29520 + i * 358.27;
    b.Check("S4c", i, QString(), 780, top + 15, 300).hidden = i == 26;
    b.Text("S4T", i, 1290, top, 4635, DesignText(debts, i));
    b.Text("S4D", i, 5940, top, 1005);
    b.Text("S4Cr", i, 6960, top, 1005);
    b.Amount("S4", i, 7980, top, 1100);
    b.Amount("S4P", i, 9090, top, 1040);
    b.Amount("S4R", i, 10140, top, 1040);
  }
  auto hiddenNa = [&](int index, double pLeft, double rLeft, double top, double width) {
    for (const auto& [array, left] : {std::pair{"S4P", pLeft}, std::pair{"S4R", rLeft}}) {
      PageControl& c = b.Amount(array, index, left, top, width);
      c.text = "NA";
      c.hidden = true;
    }
  };
  b.Check("S4c", 27, QString(), 780, 39195, 300).hidden = true;
  TotalCaption(b, "S4T", 27, 1290, 39180, 5955, "Total Amount Owed on Marital Liabilities (add column B)", 9.75);
  b.Total("S4", 27, 7290, 39180, 1700);
  hiddenNa(27, 9090, 10140, 39180, 1040);
  TotalCaption(b, "S4T", 40, 1290, 39570, 7755, "Total Amount Owed on Nonmarital Liabilities (add column C)", 9.75);
  b.Total("S4", 43, 9090, 39570, 2000);

  b.Heading("C. NET WORTH (excluding contingent assets and liabilities)", 600, 39915, 6600);
  const char* worth[][2] = {{"Total Assets ", "(enter total of Column B in Asset Table; Section A)"},
                            {"Total Liabilities ", "(enter total of Column B in Liabilities Table; Section B)"}};
  for (int k = 0; k < 2; ++k) {
    const double top = 40140 + k * 420;
    b.Heading(worth[k][0], 1290, top + 45, 1650);
    b.Label(worth[k][1], 2955, top + 45, 4650).fontSize = 9;
    b.Total("S4", 40 + k, 7620, top);
  }
  b.Heading("TOTAL NET WORTH (Total Assets minus Total Liabilities)", 1290, 41025, 6285);
  b.Total("S4", 42, 7620, 40980);
  b.Label("(excluding contingent assets and liabilities) ", 1290, 41310, 5000);

  // D. Contingent assets and liabilities.
  b.Heading("D. CONTINGENT ASSETS AND LIABILITIES ", 600, 41580, 4500);
  b.Lines({"INSTRUCTIONS:",
           " If you have any POSSIBLE assets (possible lawsuits, income potential, accrued vacation or sick leave, "
           "bonus, inheritance, etc.) or",
           " POSSIBLE liabilities (possible lawsuits, future unpaid taxes, contingent tax liabilities, debts assumed "
           "by another), ",
           "you must list them here."},
          600, 41850, true);
  b.Label("Check the box in column A next to any contingent asset(s) which you are requesting the court assign to you.",
          600, 41850 + d, 10600);
  const double ah = 42180 + d;
  b.Cell("A", 1140, ah, 420, 1020);
  b.Cell("Contingent Assets", 1590, ah, 5100, 1020);
  b.Cell("Title / Owner", 6750, ah, 1050, 1020);
  b.Cell("Marital Contingent Assets Possible Value", 7830, ah, 1450, 1020);
  b.Cell("Nonmarital Contingent Assets", 9360, ah, 2050, 720);
  PetitionerRespondent(b, 9360, 1020, 10410, 1000, ah + 720);
  for (int i = 28; i <= 32; ++i) {
    const double top = 43260 + d + (i - 28) * 360;
    b.Check("S4c", i, QString(), 1200, top + 15, 300);
    b.Text("S4T", i, 1590, top, 5100, DesignText(debts, i));
    b.Text("S4D", i, 6750, top, 1050);
    b.Amount("S4", i, 7830, top, 1450);
    b.Amount("S4P", i, 9360, top, 1020);
    b.Amount("S4R", i, 10410, top, 1000);
  }
  b.Check("S4c", 33, QString(), 1200, 45075 + d, 300).hidden = true;
  TotalCaption(b, "S4T", 33, 1200, 45060 + d, 6585,
               "Total Possible Value of Marital Contingent Assets (add column B)", 9);
  b.Edit("S4T", 33)->height = 300;
  b.Total("S4", 33, 7830, 45060 + d, 1450, Tint::ContingentTotal).height = 300;
  hiddenNa(33, 9360, 10410, 45060 + d, 1000);
  TotalCaption(b, "S4T", 41, 1200, 45360 + d, 8175,
               "Total Possible Value of Nonmarital Contingent Assets (add column C)", 9);
  b.Total("S4", 44, 9420, 45360 + d, 1900, Tint::ContingentTotal);

  b.Label("Check the box in column A next to any contingent debt(s) for which you believe you should be responsible.",
          600, 45735 + d, 10600);
  const double dh = 46020 + d;
  b.Cell("A", 1050, dh, 480, 1140);
  b.Cell("Contingent Liabilities", 1590, dh, 4600, 1140);
  b.Cell("Debtor/  Obligor Title Holder", 6210, dh, 1000, 1140);
  b.Cell("Creditor", 7230, dh, 1000, 1140);
  b.Cell("Marital Contingent Liabilities Possible Amount Owed", 8250, dh, 1120, 1140);
  b.Cell("Nonmarital Contingent Liabilities", 9390, dh, 2050, 840);
  PetitionerRespondent(b, 9390, 1030, 10440, 1000, dh + 840);
  for (int i = 34; i <= 38; ++i) {
    const double top = 47190 + d + (i - 34) * 360;
    b.Check("S4c", i, QString(), 1110, top + 15, 300);
    b.Text("S4T", i, 1590, top, 4600, DesignText(debts, i));
    b.Text("S4D", i, 6210, top, 1000);
    b.Text("S4Cr", i, 7230, top, 1000);
    b.Amount("S4", i, 8250, top, 1100);
    b.Amount("S4P", i, 9390, top, 1030);
    b.Amount("S4R", i, 10440, top, 1000);
  }
  b.Check("S4c", 39, QString(), 1110, 49065 + d, 300).hidden = true;
  TotalCaption(b, "S4T", 39, 1110, 49050 + d, 7095, "Total Possible Amount Owed on Contingent Liabilities", 9);
  b.Total("S4", 39, 8250, 49050 + d, 1100, Tint::ContingentTotal);
  b.Total("S4", 45, 9390, 49050 + d, 1500, Tint::ContingentTotal);

  AddClosingBlocks(b, 49740 + d, 63000 + d, false);
  return b.Take();
}

}  // namespace affidavit
