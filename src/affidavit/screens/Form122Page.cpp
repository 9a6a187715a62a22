// The long-form affidavit's second page: Section III (assets, liabilities,
// net worth, contingent items) and the closing blocks.
#include <map>

#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

namespace {

QString DesignText(const std::map<int, const char*>& texts, int index) {
  const auto it = texts.find(index);
  return it == texts.end() ? QString() : QString::fromLatin1(it->second);
}

void AssetColumns(PageBuilder& b, double top) {
  b.Label("A", 900, top, 300).bold = true;
  b.Label("ASSETS:  DESCRIPTION OF ITEM(S)", 1320, top, 5000).bold = true;
  b.Label("Title Owner", 6660, top, 1100).fontSize = 8.25;
  b.Label("B", 7725, top - 240, 300).bold = true;
  b.Label("Marital Assets Current Fair Market Value", 7725, top, 1515).fontSize = 8.25;
  b.Label("C", 9270, top - 240, 300).bold = true;
  b.Label("Nonmarital Assets Current Fair Market Value", 9270, top - 240, 2200).fontSize = 8.25;
  b.Label("Petitioner", 9270, top + 240, 1100).fontSize = 8.25;
  b.Label(" Respondent", 10350, top + 240, 1100).fontSize = 8.25;
}

}  // namespace

PageDesign BuildForm122() {
  PageBuilder b(PageId::Form122, QStringLiteral("Form122"), 65265);
  b.PageButtons(630, 180, 64650);
  b.Heading("SECTION III. ASSETS AND LIABILITIES", 5700, 240, 4000);
  b.Heading("LONG FORM", 9900, 240, 1500);
  b.Heading("A. ASSETS", 600, 1200, 3000);
  b.Label("Check  the box on the left in column A next to any asset(s) ", 600, 1500, 6000);
  b.Label("which you are requesting be awarded to you", 600, 1770, 6000);
  b.Label(" LIST ONLY LAST FOUR DIGITS OF ACCOUNT NUMBERS.", 600, 2040, 6000).bold = true;
  AssetColumns(b, 2460);

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
      {52, "Fireams and ammunition"},
      {54, "Judgments (owed to you)"},
      {56, "Patents, trademarks, copyrights"},
      {59, "Other assets:"},
  };
  for (int i = 0; i <= 62; ++i) {
    const double top = i <= 30 ? 3000 + i * 360 : 15420 + (i - 31) * 360;
    if (i == 31) AssetColumns(b, 14250 + 330);
    PageControl& check = b.Check("S3c", i, QString(), 870, top + 30, 300);
    check.bold = true;
    check.hidden = i == 62;
    b.Text("S3T", i, 1320, top, 5385, DesignText(assets, i));
    b.Text("S3O", i, 6690, top, 1100);
    b.Amount("S3", i, 7770, top, 1515);
    b.Amount("S3P", i, 9300, top, 1100);
    b.Amount("S3R", i, 10380, top, 1100);
  }
  b.Check("S3c", 63, QString(), 870, 26880, 300).hidden = true;
  b.Check("s3ch", 63, QString(), 9300, 26880, 300).hidden = true;
  b.Check("s3cw", 63, QString(), 10380, 26880, 300).hidden = true;
  PageControl& cap63 = b.Text("S3T", 63, 1320, 26850, 6300, "Total Fair Market Value of Marital Assets (add Column B)");
  cap63.locked = cap63.bold = true;
  cap63.fontSize = 9;
  b.Total("S3", 63, 7770, 26850, 1515);
  PageControl& cap64 =
      b.Text("S3T", 64, 1320, 27210, 7900, "Total Fair Market Value of Nonmarital Assets (add Column C)");
  cap64.locked = cap64.bold = true;
  cap64.fontSize = 9;
  b.Total("S3", 64, 9405, 27210, 2055);

  // B. Liabilities.
  b.Heading("B. LIABILITIES/DEBTS:", 600, 27800, 4000);
  b.Label("DO NOT LIST ACCOUNT NUMBERS.", 600, 28100, 5000).bold = true;
  b.Label("LIABILITIES: DESCRIPTION OF ITEM(S)", 1320, 28900, 4600).fontSize = 8.25;
  b.Label("Debtor/  Obligor Title Holder", 5940, 28700, 1050).fontSize = 8.25;
  b.Label("Creditor", 6960, 28900, 1050).fontSize = 8.25;
  b.Label("Current Amount Owed", 7980, 28900, 1100).fontSize = 8.25;
  b.Label("Petitioner", 9090, 28900, 1000).fontSize = 8.25;
  b.Label(" Respondent", 10140, 28900, 1000).fontSize = 8.25;
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
    b.Check("S4c", i, QString(), 780, top + 30, 300).hidden = i == 26;
    b.Text("S4T", i, 1320, top, 4635, DesignText(debts, i));
    b.Text("S4D", i, 5940, top, 1050);
    b.Text("S4Cr", i, 6960, top, 1050);
    b.Amount("S4", i, 7980, top, 1100);
    b.Amount("S4P", i, 9090, top, 1050);
    b.Amount("S4R", i, 10140, top, 1050);
  }
  auto caption = [&](int index, double left, double top, double width, const QString& text, double size) {
    PageControl& c = b.Text("S4T", index, left, top, width, text);
    c.locked = c.bold = true;
    c.fontSize = size;
  };
  auto hiddenNa = [&](int index, double top) {
    PageControl& p = b.Amount("S4P", index, 9090, top, 1050);
    p.text = "NA";
    p.hidden = true;
    PageControl& r = b.Amount("S4R", index, 10140, top, 1050);
    r.text = "NA";
    r.hidden = true;
  };
  b.Check("S4c", 27, QString(), 780, 39210, 300).hidden = true;
  caption(27, 1320, 39180, 5900, "Total Amount Owed on Marital Liabilities (add column B)", 9.75);
  b.Total("S4", 27, 7290, 39180, 1700);
  hiddenNa(27, 39180);
  caption(40, 1320, 39570, 7700, "Total Amount Owed on Nonmarital Liabilities (add column C)", 9.75);
  b.Total("S4", 43, 9090, 39570, 2000);

  b.Heading("C. NET WORTH (excluding contingent assets and liabilities)", 600, 39900, 7000);
  b.Label("Total Assets (enter total of Column B in Asset Table; Section A)", 1200, 40170, 6300);
  b.Total("S4", 40, 7620, 40140);
  b.Label("Total Liabilities (enter total of Column B in Liabilities Table; Section B)", 1200, 40590, 6300);
  b.Total("S4", 41, 7620, 40560);
  b.Heading("TOTAL NET WORTH (Total Assets minus Total Liabilities)", 1200, 41010, 6300);
  b.Total("S4", 42, 7620, 40980);

  // D. Contingent assets and liabilities.
  b.Heading("D. CONTINGENT ASSETS AND LIABILITIES ", 600, 41700, 5000);
  b.Heading("Contingent Assets", 1590, 42700, 3000).fontSize = 8.25;
  b.Label("Title / Owner", 6750, 42700, 1050).fontSize = 8.25;
  b.Label("Marital Contingent Assets Possible Value", 7830, 42500, 1450).fontSize = 8.25;
  b.Label("Petitioner", 9360, 42900, 1000).fontSize = 8.25;
  b.Label(" Respondent", 10410, 42900, 1000).fontSize = 8.25;
  for (int i = 28; i <= 32; ++i) {
    const double top = 43260 + (i - 28) * 360;
    b.Check("S4c", i, QString(), 1200, top + 30, 300);
    b.Text("S4T", i, 1590, top, 5100, DesignText(debts, i));
    b.Text("S4D", i, 6750, top, 1050);
    b.Amount("S4", i, 7830, top, 1450);
    b.Amount("S4P", i, 9360, top, 1000);
    b.Amount("S4R", i, 10410, top, 1000);
  }
  b.Check("S4c", 33, QString(), 1200, 45090, 300).hidden = true;
  caption(33, 1590, 45060, 6200, "Total Possible Value of Marital Contingent Assets (add column B)", 9);
  b.Total("S4", 33, 7830, 45060, 1450, Tint::ContingentTotal);
  PageControl& p33 = b.Amount("S4P", 33, 9360, 45060, 1000);
  p33.text = "NA";
  p33.hidden = true;
  PageControl& r33 = b.Amount("S4R", 33, 10410, 45060, 1000);
  r33.text = "NA";
  r33.hidden = true;
  caption(41, 1590, 45360, 7800, "Total Possible Value of NonMarital Contingent Assets (add column C)", 9);
  b.Total("S4", 44, 9420, 45360, 1900, Tint::ContingentTotal);

  b.Heading("Contingent Liabilities", 1590, 46700, 3000).fontSize = 8.25;
  b.Label("Debtor/  Obligor Title Holder", 6210, 46600, 1000).fontSize = 8.25;
  b.Label("Creditor", 7230, 46800, 1000).fontSize = 8.25;
  b.Label("Marital Contingent Liabilities Possible Amount Owed", 8250, 46400, 1100).fontSize = 8.25;
  for (int i = 34; i <= 38; ++i) {
    const double top = 47190 + (i - 34) * 360;
    b.Check("S4c", i, QString(), 1110, top + 30, 300);
    b.Text("S4T", i, 1590, top, 4635, DesignText(debts, i));
    b.Text("S4D", i, 6210, top, 1000);
    b.Text("S4Cr", i, 7230, top, 1000);
    b.Amount("S4", i, 8250, top, 1100);
    b.Amount("S4P", i, 9390, top, 1000);
    b.Amount("S4R", i, 10440, top, 1000);
  }
  b.Check("S4c", 39, QString(), 1110, 49080, 300).hidden = true;
  caption(39, 1590, 49050, 6600, "Total Possible Amount Owed on Contingent Liabilities", 9);
  b.Total("S4", 39, 8250, 49050, 1100, Tint::ContingentTotal);
  b.Total("S4", 45, 9390, 49050, 1500, Tint::ContingentTotal);

  AddClosingBlocks(b, 49740, false);
  return b.Take();
}

}  // namespace affidavit
