#include "express/DayCareCredit.h"

#include <QLatin1String>

#include <algorithm>

#include "platform/NumberText.h"

namespace express {

namespace {

inline constexpr float kHalfYear = 182.5f;

// The text pieces of one form, placed between the numbers.
struct Pieces {
  const char* afterFirst;
  const char* afterSecond;  // forms 2 and 3: after B or C
  const char* afterQ;
  const char* afterM;
};

// Forms 1 to 4; form 1 and 4 have no second number.
const Pieces kClaimPieces[4] = {
    {" Child(ren) Reside(s) With The Claimant More Than 50% Of The Time, But You Show ", nullptr,
     " Child(ren) Eligible For The Claimant's Day Care Tax Credit. The Most That Enty Could Be "
     "Is ",
     ". The Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% "
     "Of The Time. Please Check Your Entries."},
    {" Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. ",
     " Child(ren) Reside(s) With Claimant Exactly 50 Percent Of The Time With The Claimant Having "
     "The Greater Income. You Show ",
     " Child(ren) Eligible For The Claimant's Day Care Tax Credit, Which Is Inconsistent With The "
     "Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
    {" Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. ",
     " Child(ren) Reside(s) With Claimant Exactly 50 Percent Of The Time. In An Exact 50 Percent "
     "Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify For The "
     "Care Tax Credit For That Child. You Show ",
     " Child(ren) Eligible For The Claimant's Day Care Tax Credit, Which Is Inconsistent With The "
     "Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
    {" Child(ren) Reside(s) The With Claimant Exactly 50 Percent Of The Time. In An Exact 50 "
     "Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify "
     "For The Care Tax Credit For That Child. You Show ",
     nullptr,
     " Child(ren) Eligible For The Claimant's Day Care Tax Credit, Which Is Inconsistent With The "
     "Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
};

const Pieces kPayerPieces[4] = {
    {" Child(ren) Reside(s) With The Other Party More Than 50% Of The Time, But You Show ",
     nullptr,
     " Child(ren) Eligible For The Other Party's Day Care Tax Credit. The Most That Enty Could Be "
     "Is ",
     ". The Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% "
     "Of The Time. Please ReEnter."},
    {" Child(ren) Reside(s) With The Other Party More Than 50% Of The Time. ",
     " Child(ren) Reside(s) With Other Party Exactly 50 Percent Of The Time With The Other Party "
     "Having The Greater Income. You Show ",
     " Child(ren) Eligible For The Other Party's Day Care Tax Credit, Which Is Inconsistent With "
     "The Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
    {" Child(ren) Reside(s) With The Other Party More Than 50% Of The Time. ",
     " Child(ren) Reside(s) With Other Party Exactly 50 Percent Of The Time. In An Exact 50 "
     "Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify "
     "For The Care Tax Credit For That Child. You Show ",
     " Child(ren) Eligible For The Other Party's Day Care Tax Credit, Which Is Inconsistent With "
     "The Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
    {" Child(ren) Reside(s) With The Other Party Exactly 50 Percent Of The Time. In An Exact 50 "
     "Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify "
     "For The Care Tax Credit For That Child. You Show ",
     nullptr,
     " Child(ren) Eligible For The Other Party's Day Care Tax Credit, Which Is Inconsistent With "
     "The Data Entered. The Most That Enty Could Be Is ",
     ". Please Check Your Entries."},
};

QString Number(int n) { return platform::Format(n, "#0"); }

}  // namespace

DayCareChildCounts CountDayCareChildren(const casevars::CaseVars& cv, casevars::Party party) {
  const casevars::Party other =
      party == casevars::Party::Claim ? casevars::Party::Payer : casevars::Party::Claim;
  const double own = cv.Income[party].YrGrossIncome;
  const double others = cv.Income[other].YrGrossIncome;
  const int n = std::clamp<int>(cv.Express.NumMinorChildren, 0, 6);
  DayCareChildCounts counts;
  for (int i = 0; i < n; ++i) {
    const float nights = cv.Express[party].ChildNights[i];
    if (nights > kHalfYear) ++counts.A;
    else if (nights == kHalfYear && own > others) ++counts.B;
    else if (nights == kHalfYear && others > own) ++counts.C;
  }
  return counts;
}

QString DayCareCreditMessage(casevars::Party party, const DayCareChildCounts& counts,
                             std::int16_t claimed) {
  int form = 3;  // A = 0 and C above 0
  if (counts.B == 0 && counts.C == 0) form = 0;
  else if (counts.C == 0) form = 1;
  else if (counts.A > 0) form = 2;
  const Pieces& p = (party == casevars::Party::Claim ? kClaimPieces : kPayerPieces)[form];

  QString message;
  if (form == 3) {
    message = Number(counts.C) + QLatin1String(p.afterFirst);
  } else {
    message = Number(counts.A) + QLatin1String(p.afterFirst);
    if (p.afterSecond)
      message += Number(form == 1 ? counts.B : counts.C) + QLatin1String(p.afterSecond);
  }
  return message + Number(claimed) + QLatin1String(p.afterQ) + Number(counts.Most()) +
         QLatin1String(p.afterM);
}

}  // namespace express
