#include <gtest/gtest.h>

#include <set>

#include "affidavit/screens/PageTables.h"

using namespace affidavit;

namespace {

const PageControl& Get(PageId page, const char* array, int index = -1) {
  const PageControl* c = Design(page).Find(array, index);
  EXPECT_NE(c, nullptr) << PageName(page).toStdString() << " " << array << "(" << index << ")";
  static const PageControl none;
  return c ? *c : none;
}

std::set<int> Indexes(PageId page, const char* array) {
  std::set<int> out;
  for (const PageControl& c : Design(page).controls)
    if (c.array == array) out.insert(c.index);
  return out;
}

std::set<int> Range(int from, int to) {
  std::set<int> out;
  for (int i = from; i <= to; ++i) out.insert(i);
  return out;
}

TEST(AffidavitPageTables, EveryArrayElementOnceAndNoDuplicates) {
  for (PageId page : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123}) {
    std::set<std::pair<QString, int>> seen;
    for (const PageControl& c : Design(page).controls) {
      if (c.index < 0 && c.array.isEmpty()) continue;
      EXPECT_TRUE(seen.insert({c.array, c.index}).second)
          << PageName(page).toStdString() << " " << c.array.toStdString() << "(" << c.index << ")";
    }
  }
}

TEST(AffidavitPageTables, LongFormIndexRanges) {
  EXPECT_EQ(Indexes(PageId::Form12, "S0T"), Range(1, 7));
  EXPECT_EQ(Indexes(PageId::Form12, "S1T"), Range(0, 24));
  EXPECT_EQ(Indexes(PageId::Form12, "S1"), Range(0, 38));
  EXPECT_EQ(Indexes(PageId::Form12, "S2N"), Range(0, 67));
  EXPECT_EQ(Indexes(PageId::Form12, "S2"), Range(1, 109));
  EXPECT_EQ(Indexes(PageId::Form12, "S2T"), Range(0, 28));
  EXPECT_EQ(Indexes(PageId::Form12, "S2NNew"), Range(1, 16));
  EXPECT_EQ(Indexes(PageId::Form12, "S2New"), Range(1, 16));
  EXPECT_EQ(Indexes(PageId::Form12, "Text1"), Range(0, 3));
  EXPECT_EQ(Indexes(PageId::Form12, "S1FileOp"), Range(0, 3));
  EXPECT_EQ(Indexes(PageId::Form122, "S3T"), Range(0, 64));
  EXPECT_EQ(Indexes(PageId::Form122, "S3"), Range(0, 64));
  EXPECT_EQ(Indexes(PageId::Form122, "S3c"), Range(0, 63));
  EXPECT_EQ(Indexes(PageId::Form122, "S4"), Range(0, 45));
  EXPECT_EQ(Indexes(PageId::Form122, "S4T"), Range(0, 41));
  EXPECT_EQ(Indexes(PageId::Form122, "S4c"), Range(0, 39));
  EXPECT_EQ(Indexes(PageId::Form122, "S4P"), Range(0, 38));
  EXPECT_EQ(Indexes(PageId::Form122, "S5T"), Range(0, 29));
  EXPECT_EQ(Indexes(PageId::Form122, "s3ch"), std::set<int>({63}));
  EXPECT_TRUE(Indexes(PageId::Form122, "s4ch").empty());
  std::set<int> s4d = Range(0, 26);
  for (int i : Range(28, 32)) s4d.insert(i);
  for (int i : Range(34, 38)) s4d.insert(i);
  EXPECT_EQ(Indexes(PageId::Form122, "S4D"), s4d);
  std::set<int> s4cr = Range(0, 26);
  for (int i : Range(34, 38)) s4cr.insert(i);
  EXPECT_EQ(Indexes(PageId::Form122, "S4Cr"), s4cr);
  EXPECT_EQ(Indexes(PageId::Form122, "S5op"), std::set<int>({1, 2, 6, 7, 12, 13}));
}

TEST(AffidavitPageTables, ShortFormHoldsSubsetsAtTheSameIndexes) {
  EXPECT_EQ(Indexes(PageId::Form121, "S1T"), std::set<int>({0, 2, 5, 6, 7, 9, 10, 21, 22}));
  EXPECT_EQ(Indexes(PageId::Form121, "S1Check"), std::set<int>({1}));
  EXPECT_EQ(Indexes(PageId::Form121, "S1"), Range(0, 38));
  std::set<int> s2n = Range(0, 7);
  for (int i : {19, 20, 21}) s2n.insert(i);
  for (int i : Range(27, 33)) s2n.insert(i);
  for (int i : Range(49, 62)) s2n.insert(i);
  for (int i : Range(64, 67)) s2n.insert(i);
  EXPECT_EQ(Indexes(PageId::Form121, "S2N"), s2n);
  EXPECT_EQ(Indexes(PageId::Form121, "S2T"), Range(16, 26));
  EXPECT_TRUE(Indexes(PageId::Form121, "S2New").empty());
  EXPECT_TRUE(Indexes(PageId::Form121, "Text1").empty());
  std::set<int> s3 = Range(0, 17);
  s3.insert(63);
  EXPECT_EQ(Indexes(PageId::Form123, "S3"), s3);
  EXPECT_FALSE(Design(PageId::Form123).Has("S3", 18));
  EXPECT_FALSE(Design(PageId::Form123).Has("S4", 26));
  EXPECT_TRUE(Get(PageId::Form123, "S4", 41).hidden);
  EXPECT_EQ(Get(PageId::Form123, "S4", 41).text, "NOT USED");
  EXPECT_TRUE(Get(PageId::Form123, "S5opServed", 0).hidden);
  EXPECT_EQ(Get(PageId::Form123, "S5opServed", 0).text, "NA");
  EXPECT_FALSE(Get(PageId::Form122, "S5opServed", 0).hidden);
}

TEST(AffidavitPageTables, DesignStatesOfTheRowsThatDiffer) {
  // Long page: S2(64) is line 71, named by S2N(67); S2N(64) is line 100.
  const PageControl& a64 = Get(PageId::Form12, "S2", 64);
  const PageControl& n67 = Get(PageId::Form12, "S2N", 67);
  EXPECT_DOUBLE_EQ(a64.top, n67.top);
  EXPECT_EQ(n67.text, "Health insurance (if not listed on Line 23 of deductions or Line 50 of expenses)");
  EXPECT_EQ(Get(PageId::Form12, "S2N", 64).text, " Education expenses (unreimbursed only)");
  EXPECT_DOUBLE_EQ(Get(PageId::Form12, "S2N", 67).left, 1230);
  // Short page: S2(64) pairs with S2N(64).
  EXPECT_DOUBLE_EQ(Get(PageId::Form121, "S2", 64).top, Get(PageId::Form121, "S2N", 64).top);
  EXPECT_EQ(Get(PageId::Form121, "S2N", 64).text, "Medical/Dental (not on Line 23)");
  EXPECT_EQ(Get(PageId::Form121, "S2N", 57).text, " ");
  EXPECT_EQ(Get(PageId::Form121, "S2N", 0).text, "Mortage or rent");
  // Locks, hidden members, selections.
  for (int i : {3, 4, 11, 12}) EXPECT_TRUE(Get(PageId::Form12, "S1T", i).locked) << i;
  EXPECT_TRUE(Get(PageId::Form12, "S1T", 23).hidden);
  EXPECT_TRUE(Get(PageId::Form12, "S1", 17).locked);
  EXPECT_FALSE(Get(PageId::Form12, "S1", 16).locked);
  EXPECT_TRUE(Get(PageId::Form12, "FAClaim").selected);
  EXPECT_FALSE(Get(PageId::Form12, "FAOther").selected);
  for (int i : {1, 6, 13}) EXPECT_TRUE(Get(PageId::Form122, "S5op", i).selected) << i;
  for (int i : {2, 7, 12}) EXPECT_FALSE(Get(PageId::Form122, "S5op", i).selected) << i;
  EXPECT_EQ(Get(PageId::Form122, "S4", 44).tint, Tint::ContingentTotal);
  EXPECT_EQ(Get(PageId::Form122, "S4P", 27).text, "NA");
  EXPECT_TRUE(Get(PageId::Form122, "S4P", 27).hidden);
  EXPECT_EQ(Get(PageId::Form122, "S3T", 52).text, "Fireams and ammunition");
  EXPECT_TRUE(Get(PageId::Form122, "S3T", 63).locked);
  // Every amount box starts with "$" (hidden NA and NOT USED boxes aside).
  for (PageId page : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123}) {
    for (const PageControl& c : Design(page).controls) {
      if (c.kind == ControlKind::Amount && !c.hidden) {
        EXPECT_EQ(c.text, "$") << c.array.toStdString() << c.index;
      }
    }
  }
}

TEST(AffidavitPageTables, OptionGroupsByContainer) {
  const PageDesign& p = Design(PageId::Form122);
  EXPECT_EQ(Get(PageId::Form122, "S5op", 1).container, Get(PageId::Form122, "S5op", 2).container);
  EXPECT_NE(Get(PageId::Form122, "S5op", 1).container, Get(PageId::Form122, "S5op", 6).container);
  EXPECT_NE(Get(PageId::Form122, "S5op", 12).container, Get(PageId::Form122, "S5op", 6).container);
  EXPECT_EQ(Get(PageId::Form12, "FAClaim").container, "Picture27");
  EXPECT_EQ(Get(PageId::Form12, "S1Op", 1).container, "");
  EXPECT_EQ(p.name, "Form122");
}

}  // namespace
