// Long form page 7: payments to creditors (items 106 to 119), the total
// monthly expenses (120) and the summary (121 to 124).
#include "affidavit/print/LongFormLines.h"

namespace affidavit::longform {

namespace {

const ItemLine kCreditors[] = {
    {.number = "106.   ", .box = "S2T", .boxIndex = 16, .amount = Expense(91), .description = true},
    {.number = "107.   ", .box = "S2T", .boxIndex = 17, .amount = Expense(92), .description = true},
    {.number = "108.   ", .box = "S2T", .boxIndex = 18, .amount = Expense(93), .description = true},
    {.number = "109.   ", .box = "S2T", .boxIndex = 19, .amount = Expense(94), .description = true},
    {.number = "110.   ", .box = "S2T", .boxIndex = 20, .amount = Expense(95), .description = true},
    {.number = "111.   ", .box = "S2T", .boxIndex = 21, .amount = Expense(96), .description = true},
    {.number = "112.   ", .box = "S2T", .boxIndex = 22, .amount = Expense(97), .description = true},
    {.number = "113.   ", .box = "S2T", .boxIndex = 23, .amount = Expense(98), .description = true},
    {.number = "114.   ", .box = "S2T", .boxIndex = 24, .amount = Expense(99), .description = true},
    {.number = "115.   ", .box = "S2T", .boxIndex = 25, .amount = Expense(100), .description = true},
    {.number = "116.   ", .box = "S2T", .boxIndex = 26, .amount = Expense(101), .description = true},
    {.number = "117.   ", .box = "S2T", .boxIndex = 27, .amount = Expense(102), .description = true},
    {.number = "118.   ", .box = "S2T", .boxIndex = 28, .amount = Expense(103), .description = true},
    {.number = "119.   ", .runs = {{"SUBTOTAL", true}, {" (add lines 106 through 118)"}},
     .amount = Expense(104), .gapBefore = true},
    {.number = "120.   ", .runs = {{"TOTAL MONTHLY EXPENSES:", true}}, .amount = Expense(105),
     .continuation = {{{"(Add lines 27, 39, 65, 70, 79, 105, and 119 of Section II, Expenses) "}}}},
};

const ItemLine kSummary[] = {
    {.number = "121.   ", .runs = {{"TOTAL PRESENT MONTHLY NET INCOME", true}},
     .amount = Expense(106), .continuation = {{{"(from line 27 of SECTION I. INCOME) "}}}},
    {.number = "122.   ",
     .runs = {{"TOTAL MONTHLY EXPENSES", true}, {" (from line 120 above) "}},
     .amount = Expense(107)},
    {.number = "123.   ",
     .runs = {{"SURPLUS", true},
              {" (if line 121 is more than line 122, subtract line 122 from "}},
     .amount = Expense(108),
     .continuation = {{{"line 121. This is the amount of your surplus. Enter that amount "
                        "here.)"}}}},
    {.number = "124.   ",
     .runs = {{"(DEFICIT)", true},
              {" (if line 122 is more than line 121, subtract line 121 from "}},
     .amount = Expense(109),
     .continuation = {{{"line 122. This is the amount of your deficit. Enter that amount "
                        "here.)"}}}},
};

}  // namespace

void Painter::Page7() {
  PageTop(125);
  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("MONTHLY PAYMENTS TO CREDITORS: "));
  vs.SetFontBold(false);
  EndAt(kLeft, QStringLiteral("List only when payments are currently made by you on outstanding "
                              "balances and not listed elsewhere"));
  EndAt(kLeft, QStringLiteral("on this affidavit. For student loans listed below, list each "
                              "student loan together with its date of origination."));
  EndAt(kLeft, QStringLiteral("List only last 4 digits of account numbers."));
  EndAt(kLeft, QStringLiteral("MONTHLY PAYMENT AND NAME OF CREDITOR(s):       "));
  Items(kCreditors, kLineStyle);
  vs.SetFontBold(true);
  EndAt(kLeft, QStringLiteral("SUMMARY"));
  vs.SetFontBold(false);
  Items(kSummary, kLineStyle);
}

}  // namespace affidavit::longform
