#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <set>

#include "affidavit/screens/PageTables.h"
#include "platform/Fonts.h"
#include "platform/document/TextMetrics.h"

using namespace affidavit;

namespace {

constexpr PageId kAllPages[] = {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123};

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
  EXPECT_EQ(Get(PageId::Form121, "S2N", 0).text, "Mortgage or rent");
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
  EXPECT_EQ(Get(PageId::Form122, "S3T", 52).text, "Firearms and ammunition");
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

// Members the pages hold hidden, and the totals in the contingent tint.
TEST(AffidavitPageTables, HiddenMembersAndTintsByPage) {
  struct Member {
    PageId page;
    const char* array;
    int index;
  };
  const Member hidden[] = {
      {PageId::Form12, "S1T", 23},        {PageId::Form12, "S1T", 24},       {PageId::Form122, "S3c", 62},
      {PageId::Form122, "S3c", 63},       {PageId::Form122, "s3ch", 63},     {PageId::Form122, "s3cw", 63},
      {PageId::Form122, "S4c", 26},       {PageId::Form122, "S4c", 27},      {PageId::Form122, "S4c", 33},
      {PageId::Form122, "S4c", 39},       {PageId::Form122, "S4P", 27},      {PageId::Form122, "S4R", 27},
      {PageId::Form122, "S4P", 33},       {PageId::Form122, "S4R", 33},      {PageId::Form122, "S5T", 4},
      {PageId::Form122, "S5T", 9},        {PageId::Form122, "S5T", 17},      {PageId::Form122, "S5opFaxed", 0},
      {PageId::Form122, "S5opFaxed", 1},  {PageId::Form123, "S3c", 63},      {PageId::Form123, "s4cw", 27},
      {PageId::Form123, "S4c", 33},       {PageId::Form123, "s4ch", 39},     {PageId::Form123, "S4", 40},
      {PageId::Form123, "S4", 42},        {PageId::Form123, "S5T", 17},      {PageId::Form123, "S5opServed", 0},
  };
  for (const Member& m : hidden) {
    EXPECT_TRUE(Get(m.page, m.array, m.index).hidden) << PageName(m.page).toStdString() << " " << m.array << m.index;
  }
  EXPECT_FALSE(Get(PageId::Form123, "S5opServed", 1).hidden);
  for (PageId page : {PageId::Form122, PageId::Form123}) {
    int faxLabels = 0;
    for (const PageControl& c : Design(page).controls) faxLabels += c.text == "Fax Number:" && c.hidden;
    EXPECT_EQ(faxLabels, 3) << PageName(page).toStdString();
  }
  for (int i : {33, 39, 44, 45}) EXPECT_EQ(Get(PageId::Form122, "S4", i).tint, Tint::ContingentTotal) << i;
  for (int i : {33, 39}) EXPECT_EQ(Get(PageId::Form123, "S4", i).tint, Tint::ContingentTotal) << i;
  for (int i : {27, 40, 41, 42, 43}) EXPECT_EQ(Get(PageId::Form122, "S4", i).tint, Tint::SectionTotal) << i;
  // Every locked amount box is a tinted total; the sample check boxes are ticked and disabled.
  for (PageId page : kAllPages) {
    for (const PageControl& c : Design(page).controls) {
      if (c.kind == ControlKind::Amount && c.locked && !c.hidden) {
        EXPECT_NE(c.tint, Tint::None) << c.array.toStdString() << c.index;
      }
    }
  }
  for (const char* sample : {"Check12", "Check4", "Check5", "Check8"}) {
    EXPECT_EQ(Get(PageId::Form123, sample).checkValue, 1) << sample;
    EXPECT_TRUE(Get(PageId::Form123, sample).disabled) << sample;
  }
  // Fonts the pages give: the filing status in the page font, bold worksheet and certificate choices.
  EXPECT_DOUBLE_EQ(Get(PageId::Form12, "S1FileOp", 2).fontSize, 8.25);
  for (int i : {1, 2, 12, 13}) EXPECT_TRUE(Get(PageId::Form122, "S5op", i).bold) << i;
  for (int i : {6, 7}) EXPECT_FALSE(Get(PageId::Form122, "S5op", i).bold) << i;
  EXPECT_TRUE(Get(PageId::Form122, "S3c", 5).bold);
}

// The positions the pages are given.
TEST(AffidavitPageTables, GivenPositions) {
  struct Place {
    PageId page;
    const char* array;
    int index;
    double left, top;
  };
  const Place places[] = {
      {PageId::Form12, "S0T", 1, 4485, 630},       {PageId::Form12, "S0T", 2, 3480, 1065},
      {PageId::Form12, "S0T", 3, 7050, 1500},      {PageId::Form12, "S0T", 4, 7050, 1905},
      {PageId::Form12, "S0T", 5, 930, 1500},       {PageId::Form12, "S0T", 6, 915, 2145},
      {PageId::Form12, "S0T", 7, 2775, 3150},      {PageId::Form12, "FaAmended", -1, 900, 2820},
      {PageId::Form12, "Picture27", -1, 7170, 2400}, {PageId::Form12, "Frame3", -1, 2850, 25380},
      {PageId::Form12, "S1Op", 1, 3800, 7995},     {PageId::Form12, "S1Op", 5, 5400, 8325},
      {PageId::Form12, "Text1", 3, 7140, 31905},   {PageId::Form12, "Text1", 2, 7960, 42540},
      {PageId::Form12, "Text1", 1, 2910, 48045},   {PageId::Form12, "Text1", 0, 3060, 58230},   {PageId::Form12, "S2", 1, 8505, 32760},
      {PageId::Form12, "S2", 70, 8595, -1},        {PageId::Form12, "S2", 91, 8445, -1},
      {PageId::Form12, "S2N", 65, 1230, -1},       {PageId::Form12, "S2T", 16, 1395, -1},
      {PageId::Form122, "S3", 0, 7725, 3000},      {PageId::Form122, "S3", 31, 7725, 15420},
      {PageId::Form122, "S3", 62, 7725, 26520},    {PageId::Form122, "S3", 63, 7725, 26850},
      {PageId::Form122, "S3", 64, 9405, 27210},    {PageId::Form122, "S4", 0, 7980, 29520},
      {PageId::Form122, "S4", 27, 7290, 39180},    {PageId::Form122, "S4", 43, 9090, 39570},
      {PageId::Form122, "S4", 40, 7620, 40140},    {PageId::Form122, "S4", 42, 7620, 40980},
      {PageId::Form122, "S4", 28, 7830, 44160},    {PageId::Form122, "S4", 44, 9420, 46260},
      {PageId::Form122, "S4", 34, 8250, 48090},    {PageId::Form122, "S4", 45, 9390, 49950},
      {PageId::Form122, "Frame2", -1, 600, 50640}, {PageId::Form122, "Frame1", -1, 600, 52350},
      {PageId::Form122, "Frame4", -1, 600, 60060}, {PageId::Form122, "Frame5", -1, 600, 63900},
      {PageId::Form121, "S0T", 7, 3075, 3360},     {PageId::Form121, "FaAmended", -1, 1200, 3030},
      {PageId::Form121, "Picture27", -1, 7170, 2910}, {PageId::Form121, "Frame3", -1, 2850, 20860},
      {PageId::Form121, "S1Op", 1, 3300, 6375},    {PageId::Form121, "ButtonPlus1", -1, 1230, 330},
      {PageId::Form121, "Command2", -1, 1230, 55590}, {PageId::Form123, "ButtonPlus1", -1, 630, 180},
      {PageId::Form123, "Command2", -1, 630, 43350}, {PageId::Form123, "S3", 0, 7275, 3645},
      {PageId::Form123, "S4", 0, 7275, 12690},     {PageId::Form123, "S4", 28, 7275, 23505},
      {PageId::Form123, "S4", 34, 7275, 26610},    {PageId::Form123, "Frame2", -1, 600, 29010},
  };
  for (const Place& p : places) {
    const PageControl& c = Get(p.page, p.array, p.index);
    const std::string name = PageName(p.page).toStdString() + " " + p.array + std::to_string(p.index);
    EXPECT_DOUBLE_EQ(c.left, p.left) << name;
    if (p.top >= 0) {
      EXPECT_NEAR(c.top, p.top, 1) << name;
    }
  }
  // Section II's rows run from line 1 at 32760 to line 124 at about 84240.
  EXPECT_NEAR(Get(PageId::Form12, "S2", 109).top, 84240, 345);
}


std::string Name(const PageControl& c) {
  return (c.index < 0 ? c.array : QStringLiteral("%1(%2)").arg(c.array).arg(c.index)).toStdString() + " \"" +
         c.text.left(40).toStdString() + "\"";
}

bool IsCaption(const PageControl& c) {
  return c.kind == ControlKind::Label || c.kind == ControlKind::Heading || c.kind == ControlKind::Check ||
         c.kind == ControlKind::Option || c.kind == ControlKind::Button;
}

// Two visible controls on the same sheet or frame share no point inside both;
// everything stands on the page (and inside its frame).
TEST(AffidavitPageLayout, NoControlCoversAnother) {
  for (PageId page : kAllPages) {
    const PageDesign& d = Design(page);
    SCOPED_TRACE(d.name.toStdString());
    std::vector<const PageControl*> shown;
    for (const PageControl& c : d.controls) {
      if (c.hidden || IsFurniture(c.kind)) continue;
      shown.push_back(&c);
      const PageControl* frame = c.container.isEmpty() ? nullptr : d.Find(c.container);
      const double width = frame ? frame->width : d.width, height = frame ? frame->height : d.height;
      EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.left + c.width <= width && c.top + c.height <= height) << Name(c);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j) {
        const PageControl& a = *shown[i];
        const PageControl& b = *shown[j];
        if (a.container != b.container) continue;
        const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                           b.top + b.height <= a.top;
        EXPECT_TRUE(apart) << Name(a) << " and " << Name(b);
      }
    }
  }
}

// Every caption is whole at design: its text (with the box or button of a
// check box or option) fits the control's width, and a broken caption its height.
TEST(AffidavitPageLayout, EveryCaptionIsWholeAtDesign) {
  ASSERT_TRUE(platform::RegisterTahomaIfMissing());
  for (PageId page : kAllPages) {
    const PageDesign& d = Design(page);
    SCOPED_TRACE(d.name.toStdString());
    for (const PageControl& c : d.controls) {
      if (!IsCaption(c) || c.hidden || c.text.trimmed().isEmpty()) continue;
      const QFontMetricsF m(platform::QtFontFor({QStringLiteral("Tahoma"), c.fontSize, c.bold}),
                            const_cast<QPaintDevice*>(platform::TwipPaintDevice()));
      if (c.wrap) {
        const QRectF r = m.boundingRect(QRectF(0, 0, c.width - 60, 1e6), Qt::TextWordWrap, c.text);
        EXPECT_LE(r.width(), c.width - 60) << Name(c);
        EXPECT_LE(r.height(), c.height) << Name(c);
        continue;
      }
      const double extra = c.kind == ControlKind::Check || c.kind == ControlKind::Option ? 330
                           : c.kind == ControlKind::Button                               ? 240
                                                                                         : 0;
      EXPECT_LE(m.horizontalAdvance(c.text) + extra, c.width) << Name(c);
      EXPECT_LE(m.height(), c.height) << Name(c);
    }
  }
}

// Panels and rules lie within the page; panels do not overlap one another.
TEST(AffidavitPageLayout, FurnitureOfEveryPage) {
  struct Expect {
    PageId page;
    int panels;
    int rules;
  } expects[] = {{PageId::Form12, 4, 3}, {PageId::Form122, 6, 1}, {PageId::Form121, 4, 3}, {PageId::Form123, 6, 1}};
  for (const Expect& e : expects) {
    const PageDesign& d = Design(e.page);
    int panels = 0, rules = 0;
    double lastBottom = 0;
    for (const PageControl& c : d.controls) {
      if (c.kind == ControlKind::Panel) {
        ++panels;
        EXPECT_GE(c.top, lastBottom) << Name(c);
        lastBottom = c.top + c.height;
        EXPECT_LE(lastBottom, d.height) << Name(c);
      }
      if (c.kind == ControlKind::Rule) ++rules;
    }
    EXPECT_EQ(panels, e.panels) << d.name.toStdString();
    EXPECT_EQ(rules, e.rules) << d.name.toStdString();
  }
}

// The texts every page shows letter for letter (captions of labels, check
// boxes, options and locked caption boxes).
TEST(AffidavitPageLayout, QuotedTextsStandOnTheirPages) {
  auto shows = [](PageId page, const QString& text) {
    for (const PageControl& c : Design(page).controls)
      if (c.text == text && (IsCaption(c) || c.locked)) return true;
    return false;
  };
  const std::pair<PageId, const char*> texts[] = {
      {PageId::Form12, "LONG FORM"},
      {PageId::Form12, "IN THE CIRCUIT COURT OF THE"},
      {PageId::Form12, "JUDICIAL CIRCUIT,"},
      {PageId::Form12, "IN AND FOR"},
      {PageId::Form12, "COUNTY, DADUDAV"},
      {PageId::Form12, "Case No:"},
      {PageId::Form12, "Division:"},
      {PageId::Form12, "and"},
      {PageId::Form12, "Petitioner,"},
      {PageId::Form12, "Respondent."},
      {PageId::Form12, "FAMILY LAW FINANCIAL AFFIDAVIT"},
      {PageId::Form12, "I, {full legal name}"},
      {PageId::Form12, "being"},
      {PageId::Form12, "sworn, certify that the following information is true:"},
      {PageId::Form12, "Check if Amended"},
      {PageId::Form12, "On the Express Form, Declarant is the:"},
      {PageId::Form12, "Claimant"},
      {PageId::Form12, "Other Party"},
      {PageId::Form12, "SECTION I.  INCOME"},
      {PageId::Form12, "1.    My age is:"},
      {PageId::Form12, "2.    My occupation is:"},
      {PageId::Form12, " a. Unemployed.  Describe why you are unemployed, your efforts to find employment, how soon you "
                       "expect "},
      {PageId::Form12, " b. Employed By:"},
      {PageId::Form12, "Check here if you currently have more than one job. List the information above for the second "
                       "job(s) on"},
      {PageId::Form12, "a separate sheet and attach to this affidavit."},
      {PageId::Form12, " c. Retired.  Date of retirement:"},
      {PageId::Form12, "Employer from whom retired:"},
      {PageId::Form12, "Pay rate:"},
      {PageId::Form12, "every other week"},
      {PageId::Form12, "LAST YEAR'S GROSS INCOME:"},
      {PageId::Form12, "YEAR"},
      {PageId::Form12, "Your Income"},
      {PageId::Form12, "Other Party's Income (if known)"},
      {PageId::Form12, "PRESENT MONTHLY GROSS INCOME:"},
      {PageId::Form12, "Subject to Both FICA and Fed Tax"},
      {PageId::Form12, "Only Subject To FICA (401K, etc.)"},
      {PageId::Form12, "SS Received by Declarant"},
      {PageId::Form12, "SS Received by Children"},
      {PageId::Form12, "Short Term Interest"},
      {PageId::Form12, "Long Term Capital Gains"},
      {PageId::Form12, "Tax Free Interest"},
      {PageId::Form12, "Ordered pre 2019"},
      {PageId::Form12, "Ordered post 2018"},
      {PageId::Form12, "PRESENT MONTHLY DEDUCTIONS:"},
      {PageId::Form12, "b. Number of dependents claimed"},
      {PageId::Form12, "MFJ"},
      {PageId::Form12, "SECTION II. AVERAGE MONTHLY EXPENSES"},
      {PageId::Form12, "List the number of additional households for which you incur expenses: "},
      {PageId::Form12, "PRIMARY HOUSEHOLD:"},
      {PageId::Form12, "AUTOMOBILES:"},
      {PageId::Form12, "MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN COMMON TO BOTH PARTIES: "},
      {PageId::Form12, "MONTHLY EXPENSES FOR MINOR OR DEPENDENT CHILDREN FROM ANOTHER RELATIONSHIP:"},
      {PageId::Form12, "MONTHLY INSURANCE: "},
      {PageId::Form12, "OTHER MONTHLY EXPENSES NOT LISTED ABOVE: "},
      {PageId::Form12, "List the number of minor or dependent children as defined in Section 743.07(2) DV Statutes"},
      {PageId::Form12, "List the number of minor or dependent children as defined in Dv Statutes Section 743.07(2)"},
      {PageId::Form12, "MONTHLY PAYMENTS TO CREDITORS: "},
      {PageId::Form12, "22. Other:"},
      {PageId::Form12, "38. Other: "},
      {PageId::Form12, "77. Other:"},
      {PageId::Form12,
       "Other: (include any regular and recurring expenses not otherwise mentioned in the items listed above)"},
      {PageId::Form12, "27. SUBTOTAL"},
      {PageId::Form12, "39. SUBTOTAL"},
      {PageId::Form12, "119. SUBTOTAL"},
      {PageId::Form12, "120. TOTAL MONTHLY EXPENSES:"},
      {PageId::Form12, "SUMMARY"},
      {PageId::Form12, "121. TOTAL PRESENT MONTHLY NET INCOME"},
      {PageId::Form12, "122. TOTAL MONTHLY EXPENSES "},
      {PageId::Form12, "123. SURPLUS "},
      {PageId::Form12, "124. (DEFICIT) "},
      {PageId::Form12, "Go To Section III (Assets and Liabilities)"},
      {PageId::Form122, "Go To Section I and II  (Income and Expenses)"},
      {PageId::Form122, "SECTION III. ASSETS AND LIABILITIES"},
      {PageId::Form122, "LONG FORM"},
      {PageId::Form122, "A. ASSETS"},
      {PageId::Form122, "Check  the box on the left in column A next to any asset(s) "},
      {PageId::Form122, "which you are requesting be awarded to you"},
      {PageId::Form122, "A"},
      {PageId::Form122, "B"},
      {PageId::Form122, "C"},
      {PageId::Form122, "Title Owner"},
      {PageId::Form122, "Marital Assets Current Fair Market Value"},
      {PageId::Form122, "Nonmarital Assets Current Fair Market Value"},
      {PageId::Form122, "Petitioner"},
      {PageId::Form122, " Respondent"},
      {PageId::Form122, " LIST ONLY LAST FOUR DIGITS OF ACCOUNT NUMBERS."},
      {PageId::Form122, "Total Fair Market Value of Marital Assets (add column B)"},
      {PageId::Form122, "Total Fair Market Value of Nonmarital Assets (add column C)"},
      {PageId::Form122, "B. LIABILITIES/DEBTS:"},
      {PageId::Form122, "LIABILITIES: DESCRIPTION OF ITEM(S)"},
      {PageId::Form122, "DO NOT LIST ACCOUNT NUMBERS."},
      {PageId::Form122, "Debtor/  Obligor Title Holder"},
      {PageId::Form122, "Creditor"},
      {PageId::Form122, "Current Amount Owed"},
      {PageId::Form122, "Total Amount Owed on Marital Liabilities (add column B)"},
      {PageId::Form122, "Total Amount Owed on Nonmarital Liabilities (add column C)"},
      {PageId::Form122, "C. NET WORTH (excluding contingent assets and liabilities)"},
      {PageId::Form122, "(enter total of Column B in Asset Table; Section A)"},
      {PageId::Form122, "(enter total of Column B in Liabilities Table; Section B)"},
      {PageId::Form122, "TOTAL NET WORTH (Total Assets minus Total Liabilities)"},
      {PageId::Form122, "D. CONTINGENT ASSETS AND LIABILITIES "},
      {PageId::Form122, "INSTRUCTIONS:"},
      {PageId::Form122, " If you have any POSSIBLE assets (possible lawsuits, income potential, accrued vacation or sick "
                        "leave, bonus, inheritance, etc.) or"},
      {PageId::Form122, " POSSIBLE liabilities (possible lawsuits, future unpaid taxes, contingent tax liabilities, debts "
                        "assumed by another), "},
      {PageId::Form122, "you must list them here."},
      {PageId::Form122, "Check the box in column A next to any contingent asset(s) which you are requesting the court "
                        "assign to you."},
      {PageId::Form122, "Check the box in column A next to any contingent debt(s) for which you believe you should be "
                        "responsible."},
      {PageId::Form122, "Contingent Assets"},
      {PageId::Form122, "Contingent Liabilities"},
      {PageId::Form122, "Title / Owner"},
      {PageId::Form122, "Marital Contingent Assets Possible Value"},
      {PageId::Form122, "Marital Contingent Liabilities Possible Amount Owed"},
      {PageId::Form122, "Total Possible Value of Marital Contingent Assets (add column B)"},
      {PageId::Form122, "Total Possible Value of Nonmarital Contingent Assets (add column C)"},
      {PageId::Form122, "Total Possible Amount Owed on Contingent Liabilities"},
      {PageId::Form122, "A Child Support Guidelines Worksheet IS or WILL BE filed in this case"},
      {PageId::Form122, "This case involves the establishment or modification of child support."},
      {PageId::Form122, "A Child Support Guidelines Worksheet IS NOT being filed in this case."},
      {PageId::Form122, "The establishment or modification of child support is not an issue in this case."},
      {PageId::Form122, "This form was prepared for the: {choose only one}:"},
      {PageId::Form122, "Print Out A Separate Certificate Of Service"},
      {PageId::Form122, "Do Not Print Out A Separate Certificate Of Service"},
      {PageId::Form122, "I certify that a copy of this financial affidavit was  [check all used]:"},
      {PageId::Form122, "e-mailed"},
      {PageId::Form122, "hand delivered"},
      {PageId::Form122, "served together with the Summons and Petition in this action"},
      {PageId::Form122, "To The Person(s) Listed Below On {date}:"},
      {PageId::Form122, "Other Party or His/Her Attorney "},
      {PageId::Form122, "Filing Party"},
      {PageId::Form122,
       "IF A NON LAWYER HELPED YOU TO FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:"},
      {PageId::Form122, "Name of individual"},
      {PageId::Form122, "Name of Business"},
      {PageId::Form122, "Street Address:"},
      {PageId::Form122, "City:"},
      {PageId::Form122, "State:"},
      {PageId::Form122, "Zip Code:"},
      {PageId::Form122, "Phone Number:"},
      {PageId::Form122, "Filing Party or Filing Attorney"},
      {PageId::Form122, "Dadudav Bar Number:"},
      {PageId::Form122, "Fax Number:"},
      {PageId::Form122, "To the other party previously listed above on {date}:"},
      {PageId::Form121, "SHORT FORM"},
      {PageId::Form121, "My occupation:"},
      {PageId::Form121, "Employed by:"},
      {PageId::Form121, "Business Address:"},
      {PageId::Form121, "City, State, Zip Code:"},
      {PageId::Form121, "Pay rate:"},
      {PageId::Form121,
       "Check here if unemployed and explain on a separate sheet you efforts to find employment "},
      {PageId::Form121, "1.  Monthly gross salary or wages"},
      {PageId::Form121, "6.  Monthly Unemployment Compensation"},
      {PageId::Form121, "A. HOUSEHOLD: (short form may use any 8 fields)"},
      {PageId::Form121, "B. AUTOMOBILE: (short form may use any 3  fields)"},
      {PageId::Form121, "C. CHILD(REN)'S EXPENSES: (short form may use any 7 fields)"},
      {PageId::Form121, "D. INSURANCE:  (short form may use any 4 fields)"},
      {PageId::Form121, "E. OTHER EXPENSES NOT LISTED ABOVE: (short form may use any 14  fields)"},
      {PageId::Form121, "F. PAYMENTS TO CREDITORS:  (short form may use any 11 fields)"},
      {PageId::Form121, "CREDITOR:"},
      {PageId::Form121, "SUBTOTAL"},
      {PageId::Form121, "28. TOTAL MONTHLY EXPENSES:"},
      {PageId::Form121, "(add ALL monthly amounts in A through F above)"},
      {PageId::Form121, "SUMMARY"},
      {PageId::Form121, "29. TOTAL PRESENT MONTHLY NET INCOME"},
      {PageId::Form121, "30. TOTAL MONTHLY EXPENSES "},
      {PageId::Form121, "31. SURPLUS "},
      {PageId::Form121, "32. (DEFICIT) "},
      {PageId::Form121, "(*only fields with a numerical $ data entry will be printed*)"},
      {PageId::Form123, "SHORT FORM"},
      {PageId::Form123, "SECTION III. ASSETS AND LIABILITIES"},
      {PageId::Form123, "A. ASSETS:  (short form may use any 18 fields)"},
      {PageId::Form123, "B. LIABILITIES:  (short form may use any 18 fields)"},
      {PageId::Form123, "C. CONTINGENT ASSETS AND LIABILITIES:  (short form may use any 5 Asset and any 5 liability "
                        "fields)"},
      {PageId::Form123, " Use the nonmarital column only if this is a petition for dissolution of marriage and you "
                        "believe an item is 'nonmarital',"},
      {PageId::Form123, "meaning it belongs to only one of you and should not be divided.   You should indicate to whom "
                        "you believe the item(s)"},
      {PageId::Form123, "of debt belongs. (Typically, you will only use this column if property/debt was owned/owed by "
                        "one spouse before the marriage. See the"},
      {PageId::Form123, " 'General Information for Self-Represented Litigants' found at the beginning of these forms and "
                        "section 61.075(1),"},
      {PageId::Form123, "Dadudav Statutes, for definitions of 'marital' and 'nonmarital' assets and liabilities.)"},
      {PageId::Form123, "INSTRUCTIONS:"},
      {PageId::Form123, " If you have any POSSIBLE assets (income potential, accrued vacation or sick leave, bonus, "
                        "inheritance, etc.) or POSSIBLE"},
      {PageId::Form123, "liabilities (possible lawsuits, future unpaid taxes, contingent tax liabilities, debts assumed "
                        "by another), you must list them here."},
      {PageId::Form123, "Contingent Assets"},
      {PageId::Form123, "Possible Value"},
      {PageId::Form123, "Contingent Liabilities"},
      {PageId::Form123, "Possible Amount Owed"},
      {PageId::Form123, "Nonmarital"},
      {PageId::Form123, "column"},
      {PageId::Form123, "Petitioner"},
      {PageId::Form123, " Respondent"},
      {PageId::Form123, "Total Assets (add next column)"},
      {PageId::Form123, "Total Debts (add next column)"},
      {PageId::Form123, "Total Contingent Assets"},
      {PageId::Form123, "Total Contingent Liabilities"},
      {PageId::Form123, "A Child Support Guidelines Worksheet IS or WILL BE filed in this case"},
      {PageId::Form123, "To the other party previously listed above on {date}:"},
  };
  for (const auto& [page, text] : texts) EXPECT_TRUE(shows(page, QString::fromUtf8(text))) << PageName(page).toStdString() << ": \"" << text << "\"";
}

}  // namespace
